#include <QtTest>

class RuleEditorTest : public QObject {
  Q_OBJECT
};

QTEST_MAIN(RuleEditorTest)
#include "rule_editor_test.moc"
