#include "editors/rules_dialog.h"

#include <memory>

#include "editors/messages.h"
#include "editors/rule_editor.h"
#include "engine/defined_types.h"
#include "engine/engine_parser.h"
#include "engine/fact_templates.h"
#include "engine/inference_engine.h"
#include "engine/rule_assign.h"
#include "engine/rules.h"
#include "matching/rule.h"
#include "values/exceptions.h"
#include "values/format.h"

namespace vettora {

TRulesDialog::TRulesDialog(TComponent* owner) : TEditorDialog(owner) {}

TRulesDialog::~TRulesDialog() {
  SetEngine(nullptr);
  SetRule(nullptr);
}

void TRulesDialog::SetEngine(TInferenceEngine* engine) { Track(FEngine, engine); }
void TRulesDialog::SetRule(TRule* rule) { Track(FRule, rule); }

void TRulesDialog::Notification(TComponent* component, TOperation operation) {
  TEditorDialog::Notification(component, operation);
  if (operation != opRemove) return;
  if (component == FEngine) FEngine = nullptr;
  if (component == FRule) FRule = nullptr;
}

bool TRulesDialog::Execute() {
  // Every text the editor shows and reads back keeps every digit of a number.
  TReadBackText exact;
  if (!FEngine) throw EIEException(kEditorUnknownEngine);
  if (!FMultiEdit && !FRule) throw EIEException(kEditorMissingRule);
  TRuleEditor editor(ParentWidget());
  editor.CopyEngine(*FEngine);
  editor.SetMultiEdit(FMultiEdit);
  editor.SetEnableFactTemplateEditor(FEnableFactTemplateEditor);
  editor.SetEnableTypeEditor(FEnableTypeEditor);
  if (!FMultiEdit) editor.SetSingleRule(FEngine->PrintRule(*FRule));
  if (!RunWindow(editor)) return false;

  TInferenceEngine& edited = editor.Engine();
  if (FMultiEdit) FEngine->Rules().Clear();
  if (FEnableTypeEditor) FEngine->DefinedTypes().Assign(edited.DefinedTypes());
  if (FEnableFactTemplateEditor) FEngine->FactTemplates().Assign(edited.FactTemplates());
  if (FMultiEdit) {
    FEngine->Rules().Assign(edited.Rules());
  } else if (std::string text = editor.EditedRuleText(); !text.empty()) {
    std::unique_ptr<TRule> parsed(FEngine->Parser().ParseRule(text));
    AssignParsedRule(*FRule, *parsed, *FEngine);
    FRule->SetSalience(parsed->Salience());
  }
  return true;
}

}  // namespace vettora
