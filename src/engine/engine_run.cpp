// TInferenceEngine: the run cycle and the agenda.
#include <chrono>
#include <limits>

#include "engine/facts.h"
#include "engine/inference_engine.h"
#include "engine/messages.h"
#include "matching/activation.h"
#include "matching/rete_network.h"
#include "matching/rule.h"
#include "values/exceptions.h"
#include "values/format.h"
#include "values/stack_space.h"

namespace vettora {

namespace {

int64_t NowMs() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

std::string RuleNameOf(const TActivation& activation) {
  return activation.Rule() ? activation.Rule()->RuleName() : std::string();
}

std::string TokenText(const TActivation& activation) {
  return activation.Token() ? activation.Token()->FactList() : std::string();
}

}  // namespace

// ---- Run ---------------------------------------------------------------------------

// A run started from a rule's actions nests inside the run firing it.
int32_t TInferenceEngine::Run(int32_t maximum) {
  CheckStackSpace("Runs");
  StartInference();
  while (!HaltRequested() && FRulesFired < maximum) {
    int32_t next = NextToFire();
    if (next < 0) break;
    FireNext(next);
  }
  EndInference();
  return FRulesFired;
}

void TInferenceEngine::StartInference() {
  if (OnStartInference) OnStartInference(*this);
  FStatistics = TRunStatistics{};
  FStatistics.StartMs = NowMs();
  FRulesFired = 0;
  FStatistics.FactMax = FFacts->Count();
  FStatistics.AgendaMax = FAgenda->Count();
  FHaltRequest.store(false, std::memory_order_relaxed);
}

// The first entry not being fired. Entries stay on the agenda while they
// fire, so a run started from a rule's actions finds the activations of the
// runs around it there; firing one of those again would never end.
int32_t TInferenceEngine::NextToFire() const {
  for (int32_t i = 0; i < FAgenda->Count(); ++i)
    if (!FAgenda->Items(i)->Firing()) return i;
  return -1;
}

// The activations being fired (more than one when a rule's actions ran the
// engine) leave the agenda without being freed: their run loops free them.
void TInferenceEngine::ExtractFiringActivations() {
  for (int32_t i = FAgenda->Count(); i-- > 0;)
    if (FAgenda->Items(i)->Firing()) (void)FAgenda->Extract(i);
}

// The activation fires while it stays on the agenda; the network's report
// (ActivationFired) takes it off, and it is freed here afterwards.
void TInferenceEngine::FireNext(int32_t index) {
  TActivation* activation = FAgenda->Items(index);
  TActivation* outer = FFiringActivation;  // a run started from a rule's actions
  FFiringActivation = activation;
  activation->SetFiring(true);
  try {
    if (Watching(cwRule))
      PrintOut("", "FIRE " + std::to_string(FRulesFired) + " " + RuleNameOf(*activation) + " " +
                       TokenText(*activation) + "\r\n");
    // A rule that retracts a fact of its own match has left its node by
    // the time its actions end, so the network reports nothing; it has
    // fired all the same -- unless its actions took rules out of the
    // network, when it may be gone.
    TRule* rule = activation->Rule();
    uint64_t removed = FReteNetwork->RulesRemoved();
    if (!activation->Fire() && OnRuleFired && rule && removed == FReteNetwork->RulesRemoved())
      OnRuleFired(*this, *rule);
  } catch (...) {
    FFiringActivation = outer;
    FinishFiring(activation);
    throw;
  }
  if (FWatch.Contains(cwStatistics)) GatherStatistics();
  FFiringActivation = outer;
  FinishFiring(activation);
  if (FRulesFired == std::numeric_limits<int32_t>::max())
    throw EIEException(FormatMessage(kEngineIntegerOverflow, {"rules fired"}));
  ++FRulesFired;
}

// Frees a fired activation; one whose firing failed is still on the agenda
// and leaves it first, with its event and watch line.
void TInferenceEngine::FinishFiring(TActivation* activation) {
  int32_t index = FAgenda->IndexOf(activation);
  if (index >= 0) RemoveAgendaEntry(index, *activation, false);
  delete activation;
}

void TInferenceEngine::GatherStatistics() {
  int32_t facts = FFacts->Count();
  int32_t agenda = FAgenda->Count();
  FStatistics.FactSum += facts;
  if (facts > FStatistics.FactMax) FStatistics.FactMax = facts;
  FStatistics.AgendaSum += agenda;
  if (agenda > FStatistics.AgendaMax) FStatistics.AgendaMax = agenda;
}

void TInferenceEngine::EndInference() {
  if (FWatch.Contains(cwStatistics) && FRulesFired > 0)
    PrintStatistics(double(NowMs() - FStatistics.StartMs) / 1000.0);
  if (OnEndInference) OnEndInference(*this, FRulesFired);
}

void TInferenceEngine::PrintStatistics(double seconds) {
  if (!OnPrintOut) return;
  double fired = FRulesFired;
  std::string perSecond =
      seconds != 0.0 ? FormatFloat4(fired / seconds) : std::to_string(FRulesFired);
  PrintWatch(cwStatistics, FormatMessage(kStatRulesFired, {FRulesFired, FormatFloat4(seconds)}));
  PrintWatch(cwStatistics, FormatMessage(kStatRulesPerSecond, {perSecond}));
  PrintWatch(cwStatistics,
             FormatMessage(kStatMeanFacts, {FormatFloat4(double(FStatistics.FactSum) / fired),
                                            FStatistics.FactMax}));
  PrintWatch(cwStatistics, FormatMessage(kStatMeanActivations,
                                         {FormatFloat4(double(FStatistics.AgendaSum) / fired),
                                          FStatistics.AgendaMax}));
}

// ---- Agenda ------------------------------------------------------------------------

void TInferenceEngine::AddActivation(std::unique_ptr<TActivation> activation) {
  if (!activation) return;
  try {
    if (activation->Rule()) activation->Rule()->ReEvaluateSalience();
    TActivation& placed = *activation;
    int32_t index = FAgenda->Add(activation.release());
    WatchActivation("==> Activation: ", placed);
    if (OnAddActivation) OnAddActivation(*this, index, placed);
  } catch (const EIEAbort&) {
    // The silent abort ends quietly; an unplaced activation is dropped.
  }
}

void TInferenceEngine::RemoveActivation(int32_t index) {
  TActivation* activation = FAgenda->Items(index);
  RemoveAgendaEntry(index, *activation, !activation->Firing());
}

// The entry is taken off without freeing; the activation goes back to the
// network for freeing unless it is being fired (the run loop frees that
// one) or was not on the agenda (then the engine never owned it here).
std::unique_ptr<TActivation> TInferenceEngine::RemoveActivation(TActivation& activation) {
  int32_t index = FAgenda->IndexOf(&activation);
  if (index < 0 || !RemoveAgendaEntry(index, activation, false)) return nullptr;
  if (activation.Firing()) return nullptr;
  return std::unique_ptr<TActivation>(&activation);
}

void TInferenceEngine::ActivationDestroyed(TActivation& activation) {
  int32_t index = FAgenda->IndexOf(&activation);
  if (index >= 0) RemoveAgendaEntry(index, activation, false);
}

void TInferenceEngine::ActivationFired(TActivation& activation) {
  if (OnRuleFired && activation.Rule()) OnRuleFired(*this, *activation.Rule());
  int32_t index = FAgenda->IndexOf(&activation);
  if (index >= 0) RemoveAgendaEntry(index, activation, false);
}

// OnRemoveActivation and the watch line, then the entry goes; the
// activation is freed with it only when `free` (and the agenda owns it).
// False when the handler took the entry off itself.
bool TInferenceEngine::RemoveAgendaEntry(int32_t index, TActivation& activation, bool free) {
  if (OnRemoveActivation) OnRemoveActivation(*this, index, activation);
  WatchActivation("<== Activation: ", activation);
  index = FAgenda->IndexOf(&activation);
  if (index < 0) return false;
  if (free)
    FAgenda->Delete(index);
  else
    (void)FAgenda->Extract(index);
  return true;
}

int32_t TInferenceEngine::InsertionIndex(int32_t salience) {
  return StrategyInsertionIndex(*FAgenda, salience, FStrategy);
}

void TInferenceEngine::SetActivation(int32_t index, TActivation* activation) {
  FAgenda->SetActivation(index, activation);
}

// Every activation is replaced by a clone that the new strategy places
// (salience evaluated again, OnAddActivation and the watch line for each).
// The clones are listed by their terminal nodes, so retracting one of their
// facts still takes them off the agenda. The activations being fired, when
// the strategy changes inside a rule's actions, are only taken off: they
// have fired and are freed by their run loops.
void TInferenceEngine::SetStrategy(TSearchStrategy value) {
  if (value == FStrategy) return;
  TAgendaOwnershipGuard guard(*FAgenda);
  ExtractFiringActivations();
  TActivationAgenda originals;
  originals.Assign(*FAgenda);
  FStrategy = value;
  FAgenda->Clear();
  for (int32_t i = 0; i < originals.Count(); ++i) AddActivation(originals.Items(i)->Clone());
}

// ---- Watches -----------------------------------------------------------------------

bool TInferenceEngine::Watching(TConstructWatch what) const {
  return FWatch.Contains(what) && OnPrintOut;
}

void TInferenceEngine::PrintWatch(TConstructWatch what, const std::string& line) {
  if (Watching(what)) PrintOut("", line + "\r\n");
}

void TInferenceEngine::WatchActivation(const char* arrow, const TActivation& activation) {
  if (Watching(cwActivation))
    PrintOut("", arrow + RuleNameOf(activation) + " : " + TokenText(activation) + "\r\n");
}

bool TInferenceEngine::WatchingFacts() const { return Watching(cwFact); }

}  // namespace vettora
