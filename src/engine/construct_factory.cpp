// Making engine-owned rules and fact sets for the parser without filing
// them early; see construct_factory.h.
#include "engine/construct_factory.h"

#include <memory>

#include "engine/fact_set.h"
#include "engine/fact_sets.h"
#include "engine/inference_engine.h"
#include "engine/rules.h"
#include "matching/rete_network.h"
#include "matching/rule.h"

namespace vettora {

namespace {

// Keeps the engine's duplicate policy at dcIgnore for one scope, so that
// making a construct under a default name cannot displace one that the
// user gave that name.
class TIgnoreDuplicates {
 public:
  explicit TIgnoreDuplicates(TInferenceEngine& engine)
      : FEngine(engine), FSaved(engine.DuplicateConstructs()) {
    engine.SetDuplicateConstructs(dcIgnore);
  }
  ~TIgnoreDuplicates() { FEngine.SetDuplicateConstructs(FSaved); }
  TIgnoreDuplicates(const TIgnoreDuplicates&) = delete;
  TIgnoreDuplicates& operator=(const TIgnoreDuplicates&) = delete;

 private:
  TInferenceEngine& FEngine;
  TDuplicateConstructs FSaved;
};

}  // namespace

TRule* NewParsedRule(TInferenceEngine& engine) {
  TRule* rule = nullptr;
  {
    TIgnoreDuplicates ignore(engine);
    rule = new TRule(&engine);
  }
  // Out of the collection and the network again; the engine still owns it
  // and it keeps the engine, which adding patterns needs.
  engine.Rules().Forget(*rule);
  engine.ReteNetwork().RemoveRule(*rule);
  TRule::TUpdateGuard guard(*rule);
  rule->ClearPatterns();
  rule->ClearBindings();
  guard.End();
  return rule;
}

bool AddParsedRule(TInferenceEngine& engine, TRule* rule) {
  std::unique_ptr<TRule> owned(rule);
  engine.Rules().Add(*rule);
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
