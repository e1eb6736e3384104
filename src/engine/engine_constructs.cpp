// TInferenceEngine: templates, rules, defined types and functions, and the
// cascades that keep dependents consistent when a construct goes.
#include <vector>

#include "engine/defined_types.h"
#include "engine/fact_set.h"
#include "engine/fact_sets.h"
#include "engine/fact_templates.h"
#include "engine/facts.h"
#include "engine/inference_engine.h"
#include "engine/messages.h"
#include "engine/rules.h"
#include "engine/user_functions.h"
#include "matching/pattern.h"
#include "matching/rete_network.h"
#include "matching/rule.h"
#include "values/exceptions.h"
#include "values/format.h"

namespace vettora {

// ---- Templates ---------------------------------------------------------------------

IFactTemplate TInferenceEngine::FindTemplate(const std::string& name) {
  return FFactTemplates->Find(name);
}

IFactTemplate TInferenceEngine::FindOrCreateTemplate(const std::string& name) {
  if (IFactTemplate found = FFactTemplates->Find(name)) return found;
  IFactTemplate made = MakeRef<TFactTemplate>(name, this);
  made->SetComment(kImpliedComment);
  FFactTemplates->Add(made);
  return made;
}

void TInferenceEngine::RenameFactTemplate(TFactTemplate& factTemplate, const std::string& oldName,
                                          const std::string& newName) {
  if (FFactTemplates->Find(oldName).Get() == &factTemplate) RenameFactTemplate(oldName, newName);
}

// The template is removed under the old name, with its dependents, and
// filed again under the new one (the duplicate policy decides when the new
// name is taken; an error leaves everything as it was).
void TInferenceEngine::RenameFactTemplate(const std::string& oldName, const std::string& newName) {
  if (oldName == newName) return;
  IFactTemplate factTemplate = FFactTemplates->Find(oldName);
  if (!factTemplate) return;
  IFactTemplate taken = FFactTemplates->Find(newName);
  if (taken && FDuplicateConstructs == dcError)
    throw EIEException(FormatMessage(kFactTemplateNameExists, {newName}));
  RaiseRemoveFactTemplate(factTemplate);
  RemoveTemplateDependents(factTemplate);
  FFactTemplates->Table().TryRemove(oldName);
  if (taken && FDuplicateConstructs == dcIgnore) {
    factTemplate->SetEngine(nullptr);
    return;
  }
  if (taken) FFactTemplates->Remove(newName);
  FFactTemplates->Table().Put(newName, factTemplate);
}

void TInferenceEngine::RemoveTemplateDependents(const IFactTemplate& factTemplate) {
  if (!factTemplate) return;
  // Facts queued for later assertion would otherwise be asserted against
  // a template the engine no longer has.
  (void)FFacts->TakeQueuedFactsOf(factTemplate.Get());
  FFacts->RetractFactsOf(factTemplate.Get());
  RemoveFactSetLinesOf(factTemplate.Get());
  RemoveRulesOnTemplate(factTemplate.Get());
}

void TInferenceEngine::RemoveFactSetLinesOf(const TFactTemplate* factTemplate) {
  for (TFactSet* set : *FFactSets) set->RemoveFactsOf(factTemplate);
}

void TInferenceEngine::RemoveRulesOnTemplate(const TFactTemplate* factTemplate) {
  std::vector<TRule*> doomed;
  for (const auto& entry : FRules->Table()) {
    TRule* rule = entry.Value;
    for (int32_t i = 0; i < rule->PatternCount(); ++i)
      if (rule->Patterns(i)->FactTemplate().Get() == factTemplate) {
        doomed.push_back(rule);
        break;
      }
  }
  for (TRule* rule : doomed)
    if (FRules->Find(rule->RuleName()) == rule) RemoveRule(*rule);
}

void TInferenceEngine::ReplaceTemplate(const IFactTemplate& old, const IFactTemplate& now) {
  if (old->Name() != now->Name()) {
    RemoveTemplateDependents(old);
    FFactTemplates->Table().TryRemove(old->Name());
    if (old->Engine() == static_cast<IFactEngine*>(this)) old->SetEngine(nullptr);
    FFactTemplates->Table().Put(now->Name(), now);
    RaiseNewFactTemplate(now);
    return;
  }
  CarryOverDependents(old, now);
}

// A template replaced under the same name keeps its dependents: the facts
// are retracted and asserted again on the new template (slot values kept
// where the new template has the slot), the fact-set lines are parsed
// again, and the rules are re-made from their text by the parser.
void TInferenceEngine::CarryOverDependents(const IFactTemplate& old, const IFactTemplate& now) {
  std::vector<IFact> facts;
  for (int32_t i = 0; i < FFacts->Count(); ++i)
    if (FFacts->Items(i)->Template() == old) facts.push_back(FFacts->Items(i));
  std::vector<std::string> ruleTexts;
  for (const auto& entry : FRules->Table())
    for (int32_t i = 0; i < entry.Value->PatternCount(); ++i)
      if (entry.Value->Patterns(i)->FactTemplate() == old) {
        ruleTexts.push_back(entry.Value->Text());
        break;
      }
  // Queued work on the old template is taken aside and queued again on the
  // new one, so that draining it meanwhile cannot use the old template.
  TFactList::TQueuedFacts queued = FFacts->TakeQueuedFactsOf(old.Get());
  FFacts->RetractFactsOf(old.Get());
  RemoveRulesOnTemplate(old.Get());
  FFactTemplates->Table().Put(now->Name(), now);
  if (old->Engine() == static_cast<IFactEngine*>(this)) old->SetEngine(nullptr);
  for (const IFact& fact : facts) {
    fact->SetTemplate(now);
    Assert(fact);
  }
  for (bool assert : {true, false})
    for (const IFact& fact : assert ? queued.Assertions : queued.Retractions) {
      fact->SetTemplate(now);
      FFacts->QueueFact(fact, assert);
    }
  for (TFactSet* set : *FFactSets) set->ReparseFactsOf(old.Get());
  for (const std::string& text : ruleTexts) Parser().ExecuteText(text);
}

void TInferenceEngine::RemoveDefinedTypeTemplates(const IIEDefinedType& type) {
  std::vector<std::string> names;
  for (const auto& entry : FFactTemplates->Table())
    if (entry.Value->SlotOfDefinedType(type.Get())) names.push_back(entry.Key);
  for (const std::string& name : names) FFactTemplates->Remove(name);
}

// Discarding the compiled network removes every activation with it.
void TInferenceEngine::EmptyNetwork() {
  bool enabled = FReteNetwork->Enabled();
  FReteNetwork->SetEnabled(false);
  FReteNetwork->SetEnabled(enabled);
}

void TInferenceEngine::ClearTemplateDependents() {
  FFacts->ClearQueues();
  EmptyNetwork();
  FFacts->Clear();
  FRules->Clear();
}

// ---- Rules -------------------------------------------------------------------------

TRule* TInferenceEngine::FindRule(const std::string& name) const { return FRules->Find(name); }

void TInferenceEngine::RegisterRule(TRule& rule) {
  FRegisteredRules.insert(&rule);
  FRules->Add(rule);
}

void TInferenceEngine::UnregisterRule(TRule& rule) {
  FRegisteredRules.erase(&rule);
  if (!FRules->Forget(rule)) return;
  if (OnRemoveRule) OnRemoveRule(*this, rule);
  FReteNetwork->RemoveRule(rule);
}

void TInferenceEngine::RemoveRule(TRule& rule) {
  FRules->Forget(rule);
  if (OnRemoveRule) OnRemoveRule(*this, rule);
  FReteNetwork->RemoveRule(rule);
  if (rule.Owner() == this && !rule.Destroying()) delete &rule;
}

void TInferenceEngine::CompileRule(TRule& rule) {
  FReteNetwork->AddRule(rule);
  PrintWatch(cwCompilation, rule.CompilationTrace());
}

void TInferenceEngine::RenameRule(TRule& rule, const std::string& oldName,
                                  const std::string& newName) {
  if (oldName == newName || FRules->Find(oldName) != &rule) return;
  if (FRules->Find(newName)) throw EIEException(FormatMessage(kDuplicateRuleName, {newName}));
  FRules->Rekey(oldName, newName);
}

void TInferenceEngine::RenameRule(const std::string& oldName, const std::string& newName) {
  if (oldName == newName) return;
  TRule* rule = FRules->Find(oldName);
  if (!rule) return;
  if (FRules->Find(newName)) throw EIEException(FormatMessage(kDuplicateRuleName, {newName}));
  rule->SetRuleName(newName);
}

// A rule filed while it was being built is compiled (with its trace) the
// first time its bracket closes.
void TInferenceEngine::RuleChanged(TRule& rule) {
  if (FRules->Find(rule.RuleName()) != &rule) return;
  if (!FReteNetwork->HasRule(rule)) {
    CompileRule(rule);
    return;
  }
  FReteNetwork->RemoveRule(rule);
  FReteNetwork->AddRule(rule);
}

// ---- Functions ---------------------------------------------------------------------

void TInferenceEngine::AddUserFunction(const IUserFunction& function) {
  if (function) FUserFunctions->Add(function->FunctionName(), function);
}

void TInferenceEngine::RemoveUserFunction(const IUserFunction& function) {
  if (function) FUserFunctions->Remove(function->FunctionName());
}

void TInferenceEngine::RegisterFunction(const IUserFunction& function) {
  AddUserFunction(function);
}

void TInferenceEngine::UnregisterFunction(const IUserFunction& function) {
  FUserFunctions->RemoveFunction(function);
}

bool TInferenceEngine::FindFunction(const std::string& name, IUserFunction& function) {
  function = FUserFunctions->Find(name);
  return bool(function);
}

// ---- Events raised for the collections ---------------------------------------------

void TInferenceEngine::RaiseNewFactTemplate(const IFactTemplate& factTemplate) {
  if (OnNewFactTemplate) OnNewFactTemplate(*this, factTemplate);
}

void TInferenceEngine::RaiseRemoveFactTemplate(const IFactTemplate& factTemplate) {
  if (OnRemoveFactTemplate) OnRemoveFactTemplate(*this, factTemplate);
}

void TInferenceEngine::RaiseClearFactTemplates() {
  if (OnClearFactTemplates) OnClearFactTemplates(*this);
}

void TInferenceEngine::RaiseAddRule(TRule& rule) {
  if (OnAddRule) OnAddRule(*this, rule);
}

void TInferenceEngine::RulesCleared() {
  FRuleNumber = 0;
  if (OnClearRules) OnClearRules(*this);
}

void TInferenceEngine::RaiseAddDefinedType(const IIEDefinedType& type) {
  if (OnAddDefinedType) OnAddDefinedType(*this, type);
}

void TInferenceEngine::RaiseRemoveDefinedType(const IIEDefinedType& type) {
  if (OnRemoveDefinedType) OnRemoveDefinedType(*this, type);
}

void TInferenceEngine::RaiseClearDefinedTypes() {
  if (OnClearDefinedTypes) OnClearDefinedTypes(*this);
}

void TInferenceEngine::RaiseAddUserFunction(const IUserFunction& function) {
  if (OnAddUserFunction) OnAddUserFunction(*this, function);
}

void TInferenceEngine::RaiseRemoveUserFunction(const IUserFunction& function) {
  if (OnRemoveUserFunction) OnRemoveUserFunction(*this, function);
}

}  // namespace vettora
