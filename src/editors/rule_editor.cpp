#include "editors/rule_editor.h"

#include "ui_rule_editor.h"

namespace vettora {

TRuleEditor::TRuleEditor(QWidget* parent)
    : TEditorWindow(TEditorKind::ekRules, "Rule Editor", parent), FUi(std::make_unique<Ui::TRuleEditor>()) {
  FUi->setupUi(Content());
}

TRuleEditor::~TRuleEditor() = default;

void TRuleEditor::SetMultiEdit(bool value) { FMultiEdit = value; }
void TRuleEditor::SetEnableFactTemplateEditor(bool value) { FEnableFactTemplateEditor = value; }
void TRuleEditor::SetEnableTypeEditor(bool value) { FEnableTypeEditor = value; }
void TRuleEditor::SetSingleRule(const std::string&) {}
std::string TRuleEditor::EditedRuleText() const { return {}; }
void TRuleEditor::Refresh() {}
bool TRuleEditor::CommitPending() { return true; }
void TRuleEditor::NewRule() {}
bool TRuleEditor::AddRule() { return false; }
bool TRuleEditor::ReplaceRule() { return false; }
void TRuleEditor::DeleteRule() {}
void TRuleEditor::ClearRules() {}
void TRuleEditor::ExpandAll() {}
void TRuleEditor::CollapseAll() {}
void TRuleEditor::EditFactTemplates() {}
void TRuleEditor::EditDefinedTypes() {}

}  // namespace vettora
