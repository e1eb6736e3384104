#include "editors/fact_editor.h"

#include "ui_fact_editor.h"

namespace vettora {

TFactEditor::TFactEditor(QWidget* parent)
    : TEditorWindow(TEditorKind::ekFacts, "Fact Editor", parent), FUi(std::make_unique<Ui::TFactEditor>()) {
  FUi->setupUi(Content());
}

TFactEditor::~TFactEditor() = default;

void TFactEditor::SetEnableFactTemplateEditor(bool value) { FEnableFactTemplateEditor = value; }
void TFactEditor::SetEnableTypeEditor(bool value) { FEnableTypeEditor = value; }
void TFactEditor::Refresh() {}
bool TFactEditor::CommitPending() { return true; }
void TFactEditor::NewFact() {}
bool TFactEditor::AddFact() { return false; }
bool TFactEditor::ReplaceFact() { return false; }
void TFactEditor::DeleteFact() {}
void TFactEditor::ClearFacts() {}
void TFactEditor::EditFactTemplates() {}
void TFactEditor::EditDefinedTypes() {}

}  // namespace vettora
