#include <QtTest>

class TemplateEditorTest : public QObject {
  Q_OBJECT
};

QTEST_MAIN(TemplateEditorTest)
#include "template_editor_test.moc"
