// Making engine-owned rules and fact sets for the parser without filing
// them early; see construct_factory.h.
#include "engine/construct_factory.h"

#include <memory>

#include "engine/fact_set.h"
#include "engine/fact_sets.h"
#include "engine/inference_engine.h"
#include "engine/rules.h"
#include "matching/rule.h"

namespace vettora {

TRule* NewParsedRule(TInferenceEngine& engine) { return new TRule(&engine, TRule::TUnfiled{}); }

// RegisterRule files the rule (duplicate policy, compilation, OnAddRule)
// and lets the engine detach it should the engine go first.
bool AddParsedRule(TInferenceEngine& engine, TRule* rule) {
  std::unique_ptr<TRule> owned(rule);
  engine.RegisterRule(*rule);
  if (engine.Rules().Find(rule->RuleName()) != rule) return false;
  (void)owned.release();
  return true;
}

TFactSet* NewParsedFactSet(TInferenceEngine& engine) {
  // A set already filed under the default name steps aside while the new
  // set is made, or the collection would drop it.
  TFactSet* holder = engine.FactSets().Find(TFactSet::kDefaultName);
  std::string aside = std::string(TFactSet::kDefaultName) + " ";
  if (holder) holder->SetFactSetName(aside);
  TFactSet* factSet = nullptr;
  try {
    factSet = new TFactSet(&engine);
  } catch (...) {
    if (holder) holder->SetFactSetName(TFactSet::kDefaultName);
    throw;
  }
  if (holder) holder->SetFactSetName(TFactSet::kDefaultName);
  engine.FactSets().Remove(factSet);
  return factSet;
}

void AddParsedFactSet(TInferenceEngine& engine, TFactSet* factSet) {
  std::unique_ptr<TFactSet> owned(factSet);
  engine.FactSets().Add(factSet);
  if (engine.FactSets().IndexOf(factSet) >= 0) (void)owned.release();
}

}  // namespace vettora
