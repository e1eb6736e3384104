#include <QtTest>

class TypesEditorTest : public QObject {
  Q_OBJECT
};

QTEST_MAIN(TypesEditorTest)
#include "types_editor_test.moc"
