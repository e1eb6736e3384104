// TInferenceEngine: facts, reset and clear, and the fact list's view of
// the engine (IFactEngine).
#include "engine/defined_types.h"
#include "engine/engine_variables.h"
#include "engine/fact_set.h"
#include "engine/fact_sets.h"
#include "engine/fact_templates.h"
#include "engine/facts.h"
#include "engine/inference_engine.h"
#include "engine/io_streams.h"
#include "engine/rules.h"
#include "engine/user_functions.h"
#include "matching/activation.h"
#include "matching/context.h"
#include "matching/pattern.h"
#include "matching/rete_network.h"
#include "matching/token.h"

namespace vettora {

// ---- Facts -------------------------------------------------------------------------

int32_t TInferenceEngine::Assert(const IFact& fact, bool intersection) {
  return FFacts->Assert(fact, intersection);
}

int32_t TInferenceEngine::AssertString(const std::string& text) {
  IFact fact = ParseFact(text);
  FRootContext->InstantiateFact(fact);
  return Assert(fact);
}

void TInferenceEngine::Retract(int32_t index) { FFacts->Retract(index); }

int32_t TInferenceEngine::RetractEqual(const IFact& fact) {
  return fact ? FFacts->RetractEqual(*fact) : -1;
}

int32_t TInferenceEngine::RetractString(const std::string& text) {
  IFact fact = ParseFact(text);
  FRootContext->InstantiateFact(fact);
  return RetractEqual(fact);
}

void TInferenceEngine::QueueFact(const IFact& fact, bool assert) {
  FFacts->QueueFact(fact, assert);
}

// ---- Reset and clear ---------------------------------------------------------------

void TInferenceEngine::Reset() {
  FFacts->Clear();
  FFacts->SetNextId(0);
  FRules->ResetFired();
  AssertInitialFact();
  if (FResetGlobals) FGlobalVariables->ResetValues();
  // Copied: asserting may run code that adds or removes fact sets.
  std::vector<TFactSet*> sets(FFactSets->begin(), FFactSets->end());
  for (TFactSet* set : sets)
    if (FFactSets->IndexOf(set) >= 0) set->AssertFacts();
  if (OnReset) OnReset(*this);
}

void TInferenceEngine::Clear() {
  FHaltRequest.store(false, std::memory_order_relaxed);
  FFacts->SetNextId(0);
  FRuleNumber = 0;
  ExtractFiringActivations();
  FAgenda->Clear();
  EmptyNetwork();
  FRules->Clear();
  FFactTemplates->Clear();
  FGlobalVariables->ClearAll();
  FDefinedTypes->Clear();
  FNotOrTestFact = nullptr;
  FFactSets->Clear();
  FFacts->Clear();
  FFacts->ClearQueues();
  FUserFunctions->RemoveDeffunctions();
  FInitialFactPattern.reset();
  FEngineVariables->Clear();
  FIOStreams->Clear();
  if (!Destroying()) CreateSpecialConstructs();
  if (OnClear) OnClear(*this);
}

// ---- IFactEngine -------------------------------------------------------------------

int32_t TInferenceEngine::NextFactId() const { return FFacts->NextId(); }

void TInferenceEngine::ReteAddFact(const IFact& fact) {
  FReteNetwork->Propagate(MakeRef<TIEToken>(taAdd, fact));
}

void TInferenceEngine::ReteRemoveFact(const IFact& fact) {
  FReteNetwork->Propagate(MakeRef<TIEToken>(taRemove, fact));
}

void TInferenceEngine::ReteClearFacts() { FReteNetwork->Propagate(MakeRef<TIEToken>()); }

void TInferenceEngine::FactAsserted(const IFact& fact) {
  if (OnAssertion) OnAssertion(*this, fact);
}

void TInferenceEngine::FactRetracting(const IFact& fact) {
  if (OnRetraction) OnRetraction(*this, fact);
}

void TInferenceEngine::FactsCleared() {
  if (OnClearFacts) OnClearFacts(*this);
}

bool TInferenceEngine::FuzzyCorrelationDone(const IFact& fact, double strength) {
  bool done = false;
  if (OnFuzzyCorrelation) OnFuzzyCorrelation(*this, fact, strength, done);
  return done;
}

bool TInferenceEngine::FuzzyInferenceDone(const IFact& newFact, const IFact& listedFact) {
  bool done = false;
  if (OnFuzzyInference) OnFuzzyInference(*this, newFact, listedFact, done);
  return done;
}

bool TInferenceEngine::FiringStrength(double& strength) const {
  if (!FFiringActivation) return false;
  strength = FFiringActivation->Strength();
  return true;
}

IIEDefinedType TInferenceEngine::FindDefinedType(const std::string& name) {
  return FDefinedTypes->Find(name);
}

IEvalContext* TInferenceEngine::GlobalContext() { return FRootContext.get(); }

// ---- IRuleEngine: facts and special constructs -------------------------------------

const TIEPattern& TInferenceEngine::InitialFactPattern() {
  if (!FInitialFactPattern)
    FInitialFactPattern = std::make_unique<TIEPattern>(FindOrCreateTemplate(kInitialFactName));
  return *FInitialFactPattern;
}

const IFact& TInferenceEngine::NotOrTestFact() {
  if (!FNotOrTestFact) FNotOrTestFact = FindOrCreateTemplate(kNotOrTestName)->CreateFact();
  return FNotOrTestFact;
}

const TFactList& TInferenceEngine::RuleFactList() { return *FFacts; }

void TInferenceEngine::QueueGoalFact(const IFact& fact) { QueueFact(fact, true); }

bool TInferenceEngine::IsGlobalVariable(const std::string& name) {
  return FGlobalVariables->Lookup(name) != nullptr || FRootContext->FindGlobal(name) != nullptr;
}

}  // namespace vettora
