#include <QtTest>

class FactEditorTest : public QObject {
  Q_OBJECT
};

QTEST_MAIN(FactEditorTest)
#include "fact_editor_test.moc"
