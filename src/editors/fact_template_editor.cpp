#include "editors/fact_template_editor.h"

#include "ui_fact_template_editor.h"

namespace vettora {

TFactTemplateEditor::TFactTemplateEditor(QWidget* parent)
    : TEditorWindow(TEditorKind::ekFactTemplates, "Fact Template Editor", parent),
      FUi(std::make_unique<Ui::TFactTemplateEditor>()) {
  FUi->setupUi(Content());
}

TFactTemplateEditor::~TFactTemplateEditor() = default;

void TFactTemplateEditor::SetEnableTypeEditor(bool value) { FEnableTypeEditor = value; }
void TFactTemplateEditor::Refresh() {}
bool TFactTemplateEditor::CommitPending() { return true; }

}  // namespace vettora
