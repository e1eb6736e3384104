// TRules: filing, removal and ownership of an engine's rules.
#include "engine/rules.h"

#include <vector>

#include "engine/inference_engine.h"
#include "engine/messages.h"
#include "matching/rule.h"
#include "values/exceptions.h"
#include "values/format.h"

namespace vettora {

TRules::~TRules() {
  // The engine has emptied the table; whatever is left is only dropped.
  FTable.Clear();
}

TRule* TRules::Find(std::string_view name) const {
  TRule* const* rule = FTable.Lookup(name);
  return rule ? *rule : nullptr;
}

void TRules::Add(TRule& rule) {
  TRule* old = Find(rule.RuleName());
  if (old == &rule) return;
  if (old) {
    switch (FEngine->DuplicateConstructs()) {
      case dcIgnore:
        return;
      case dcError:
        throw EIEException(FormatMessage(kDuplicateRuleName, {rule.RuleName()}));
      case dcOverwrite:
        FEngine->RemoveRule(*old);
        break;
    }
  }
  FTable.Put(rule.RuleName(), &rule);
  // A rule still being built is compiled when its update bracket closes.
  if (rule.Updating()) {
    FEngine->RaiseAddRule(rule);
    return;
  }
  try {
    FEngine->CompileRule(rule);
  } catch (...) {
    Forget(rule);
    throw;
  }
  FEngine->RaiseAddRule(rule);
}

bool TRules::Remove(std::string_view name) {
  TRule* rule = Find(name);
  if (!rule) return false;
  FEngine->RemoveRule(*rule);
  return true;
}

bool TRules::Forget(const TRule& rule) {
  if (Find(rule.RuleName()) != &rule) return false;
  FTable.Remove(rule.RuleName());
  return true;
}

void TRules::Rekey(const std::string& oldName, const std::string& newName) {
  TRule* rule = Find(oldName);
  if (!rule) return;
  FTable.Remove(oldName);
  FTable.Put(newName, rule);
}

void TRules::Clear() {
  std::vector<TRule*> owned;
  for (const auto& entry : FTable)
    if (entry.Value->Owner() == static_cast<TComponent*>(FEngine) && !entry.Value->Destroying())
      owned.push_back(entry.Value);
  FTable.Clear();
  for (TRule* rule : owned) delete rule;
  FEngine->RulesCleared();
}

void TRules::ResetFired() {
  for (const auto& entry : FTable) entry.Value->ResetFired();
}

}  // namespace vettora
