// Rete network throughput: facts asserted (and retracted) through a join of
// two templates on one shared variable, and through a negated join, with
// rules built through the C++ interface on a lean stand-in engine (an
// agenda that is a plain list: the agenda's own ordering is measured
// elsewhere).
#include <benchmark/benchmark.h>

#include <list>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "functions/function_call.h"
#include "knowledge/fact.h"
#include "knowledge/fact_engine.h"
#include "knowledge/fact_list.h"
#include "knowledge/fact_template.h"
#include "matching/activation.h"
#include "matching/context.h"
#include "matching/pattern.h"
#include "matching/rete_network.h"
#include "matching/rule.h"
#include "matching/rule_engine.h"

namespace vettora {
namespace {

class TBenchEngine : public TComponent, public IRuleEngine, public IFactEngine {
 public:
  TFactList Facts{this};
  std::unique_ptr<TIEContext> Root = std::make_unique<TIEContext>(this);
  std::unique_ptr<TReteNetwork> Network = std::make_unique<TReteNetwork>(nullptr, this);
  std::list<std::unique_ptr<TActivation>> Agenda;
  std::unordered_map<TActivation*, std::list<std::unique_ptr<TActivation>>::iterator> Where;

  TBenchEngine() {
    FInitial = std::make_unique<TIEPattern>(FindOrCreateTemplate(kInitialFactName));
    FPlaceholder = FindOrCreateTemplate(kNotOrTestName)->CreateFact();
  }
  ~TBenchEngine() override {
    BeginDestroy();
    Rules.clear();
    Agenda.clear();
    Network.reset();
  }

  IFactTemplate Template(const std::string& name, const std::vector<std::string>& slots) {
    IFactTemplate t = MakeRef<TFactTemplate>(name, this);
    for (const auto& s : slots) t->AddSlot(s, NilValue());
    FTemplates[name] = t;
    return t;
  }
  // A rule over two templates joined on slot x: (left (x ?x)) ([not] (right (x ?x))).
  TRule* JoinRule(const IFactTemplate& left, const IFactTemplate& right, bool negated) {
    Rules.push_back(std::make_unique<TRule>());
    TRule* rule = Rules.back().get();
    rule->SetRuleName(negated ? "negated" : "join");
    rule->BeginUpdate();
    rule->SetEngine(this);
    IIEValue x = MakeRef<TIEValue>("x", dtVariable);
    auto first = std::make_unique<TIEPattern>(left);
    first->AddTest("x", x);
    auto second = std::make_unique<TIEPattern>(right);
    second->AddTest("x", x);
    second->SetNegatedCount(negated ? 1 : 0);
    rule->AddPattern(std::move(first));
    rule->AddPattern(std::move(second));
    rule->EndUpdate();
    Network->AddRule(*rule);
    return rule;
  }
  IFact Assert(const IFactTemplate& t, int32_t x, int32_t y) {
    IFact fact = t->CreateFact();
    fact->SetValueAt(0, MakeInteger(x));
    fact->SetValueAt(1, MakeInteger(y));
    Facts.Assert(fact);
    return fact;
  }

  std::vector<std::unique_ptr<TRule>> Rules;

  // ---- IRuleEngine.
  TComponent* RuleEngineComponent() override { return this; }
  TIEContext* RootContext() override { return Root.get(); }
  const TIEPattern& InitialFactPattern() override { return *FInitial; }
  const IFact& NotOrTestFact() override { return FPlaceholder; }
  IFactTemplate FindTemplate(const std::string& name) override {
    auto it = FTemplates.find(name);
    return it == FTemplates.end() ? nullptr : it->second;
  }
  IFactTemplate FindOrCreateTemplate(const std::string& name) override {
    if (IFactTemplate t = FindTemplate(name)) return t;
    IFactTemplate t = MakeRef<TFactTemplate>(name, this);
    t->AddMultiSlot(kImpliedSlotName, EmptyListValue());
    return FTemplates[name] = t;
  }
  std::string GenerateSymbol(const std::string& prefix) override {
    return prefix + std::to_string(FSymbol++);
  }
  bool IsGlobalVariable(const std::string&) override { return false; }
  int32_t TakeRuleNumber() override { return FRuleNumber++; }
  const TFactList& RuleFactList() override { return Facts; }
  void QueueGoalFact(const IFact& fact) override { Facts.QueueFact(fact, true); }
  void RegisterRule(TRule&) override {}
  void UnregisterRule(TRule& rule) override { Network->RemoveRule(rule); }
  void RenameRule(TRule&, const std::string&, const std::string&) override {}
  void RuleChanged(TRule&) override {}
  void AddActivation(std::unique_ptr<TActivation> activation) override {
    TActivation* a = activation.get();
    Agenda.push_front(std::move(activation));
    Where[a] = Agenda.begin();
  }
  std::unique_ptr<TActivation> RemoveActivation(TActivation& activation) override {
    return Take(activation);
  }
  void ActivationDestroyed(TActivation& activation) override { (void)Take(activation).release(); }
  void ActivationFired(TActivation& activation) override { (void)Take(activation).release(); }
  std::string PrintRule(const TRule& rule) override { return rule.RuleName(); }
  std::string PrintPattern(const TIEPattern& pattern) override { return pattern.Name(); }
  IFunCallBase NewFunctionCall(const std::string& name) override {
    return MakeRef<TFunctionCall>(static_cast<IReasoner*>(nullptr), name);
  }
  IFunCallBase CopyFunctionCall(const TFunCallBase& call) override {
    return static_cast<const TFunctionCall&>(call).Clone();
  }
  std::string FunctionCallName(const TFunCallBase& call) override {
    return static_cast<const TFunctionCall&>(call).FunctionName();
  }
  int32_t CallArgumentCount(const TFunCallBase& call) override {
    return static_cast<const TFunctionCall&>(call).ArgumentCount();
  }
  IIEValue CallArgument(const TFunCallBase& call, int32_t i) override {
    return static_cast<const TFunctionCall&>(call).Argument(i);
  }
  void SetCallArgument(TFunCallBase& call, int32_t i, IIEValue v) override {
    static_cast<TFunctionCall&>(call).SetArgument(i, std::move(v));
  }
  void AddCallArgument(TFunCallBase& call, IIEValue v) override {
    static_cast<TFunctionCall&>(call).AddArgument(std::move(v));
  }

  // ---- IFactEngine.
  TTypeChecks TypeChecks() const override { return TTypeChecks{tcStatic}; }
  bool FactDuplication() const override { return false; }
  TFuzzyCorrelationMethod FuzzyCorrelationMethod() const override { return fcmMinimum; }
  TFuzzyInferenceMethod FuzzyInferenceMethod() const override { return fimMinMax; }
  int32_t NextFactId() const override { return Facts.NextId(); }
  bool WatchingFacts() const override { return false; }
  void PrintOut(const std::string&, const std::string&) override {}
  void ReteAddFact(const IFact& fact) override {
    Network->Propagate(MakeRef<TIEToken>(taAdd, fact));
  }
  void ReteRemoveFact(const IFact& fact) override {
    Network->Propagate(MakeRef<TIEToken>(taRemove, fact));
  }
  void ReteClearFacts() override {
    if (Network) Network->Propagate(MakeRef<TIEToken>());
  }
  void FactAsserted(const IFact&) override {}
  void FactRetracting(const IFact&) override {}
  void FactsCleared() override {}
  bool FuzzyCorrelationDone(const IFact&, double) override { return false; }
  bool FuzzyInferenceDone(const IFact&, const IFact&) override { return false; }
  bool FiringStrength(double&) const override { return false; }
  void RenameFactTemplate(TFactTemplate&, const std::string&, const std::string&) override {}
  IIEDefinedType FindDefinedType(const std::string&) override { return nullptr; }
  IEvalContext* GlobalContext() override { return Root.get(); }
  std::string PrintTemplateSlot(const TFactSlot&) override { return ""; }
  std::string PrintFactTemplate(const TFactTemplate&) override { return ""; }
  IIEValue ParseValue(const std::string&) override { return nullptr; }
  IFact ParseFact(const std::string&) override { return nullptr; }

 private:
  std::unique_ptr<TActivation> Take(TActivation& activation) {
    auto it = Where.find(&activation);
    if (it == Where.end()) return nullptr;
    std::unique_ptr<TActivation> owned = std::move(*it->second);
    Agenda.erase(it->second);
    Where.erase(it);
    return owned;
  }

  std::unordered_map<std::string, IFactTemplate> FTemplates;
  std::unique_ptr<TIEPattern> FInitial;
  IFact FPlaceholder;
  int32_t FSymbol = 1;
  int32_t FRuleNumber = 0;
};

constexpr int32_t kFacts = 10000;

// The same assertions without any rule: the fact list's own share.
void BM_AssertWithoutRules(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    auto engine = std::make_unique<TBenchEngine>();
    IFactTemplate a = engine->Template("a", {"x", "y"});
    IFactTemplate b = engine->Template("b", {"x", "y"});
    state.ResumeTiming();
    for (int32_t i = 0; i < kFacts; ++i) engine->Assert(a, i, 0);
    for (int32_t i = 0; i < kFacts; ++i) engine->Assert(b, i, 1);
    state.PauseTiming();
    engine.reset();
    state.ResumeTiming();
  }
  state.counters["assertions/s"] =
      benchmark::Counter(double(2 * kFacts), benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_AssertWithoutRules)->Unit(benchmark::kMillisecond);

// (a (x ?x)) (b (x ?x)): 10,000 facts on each side, each b matching one a.
void BM_JoinTwoTemplates(benchmark::State& state) {
  size_t activations = 0;
  for (auto _ : state) {
    state.PauseTiming();
    auto engine = std::make_unique<TBenchEngine>();
    IFactTemplate a = engine->Template("a", {"x", "y"});
    IFactTemplate b = engine->Template("b", {"x", "y"});
    engine->JoinRule(a, b, false);
    state.ResumeTiming();
    for (int32_t i = 0; i < kFacts; ++i) engine->Assert(a, i, 0);
    for (int32_t i = 0; i < kFacts; ++i) engine->Assert(b, i, 1);
    activations = engine->Agenda.size();
    state.PauseTiming();
    engine.reset();
    state.ResumeTiming();
  }
  state.counters["assertions/s"] =
      benchmark::Counter(double(2 * kFacts), benchmark::Counter::kIsIterationInvariantRate);
  state.counters["activations"] = double(activations);
}
BENCHMARK(BM_JoinTwoTemplates)->Unit(benchmark::kMillisecond);

// The same join, then every fact retracted again (b first).
void BM_JoinAssertRetract(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    auto engine = std::make_unique<TBenchEngine>();
    IFactTemplate a = engine->Template("a", {"x", "y"});
    IFactTemplate b = engine->Template("b", {"x", "y"});
    engine->JoinRule(a, b, false);
    state.ResumeTiming();
    for (int32_t i = 0; i < kFacts; ++i) engine->Assert(a, i, 0);
    for (int32_t i = 0; i < kFacts; ++i) engine->Assert(b, i, 1);
    while (engine->Facts.Count() > 0) engine->Facts.Retract(engine->Facts.Count() - 1);
    state.PauseTiming();
    engine.reset();
    state.ResumeTiming();
  }
  state.counters["operations/s"] =
      benchmark::Counter(double(4 * kFacts), benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_JoinAssertRetract)->Unit(benchmark::kMillisecond);

// (a (x ?x)) (not (b (x ?x))): 10,000 a facts activate, then 10,000 b facts
// block one each.
void BM_NegatedJoin(benchmark::State& state) {
  size_t activations = 0;
  for (auto _ : state) {
    state.PauseTiming();
    auto engine = std::make_unique<TBenchEngine>();
    IFactTemplate a = engine->Template("a", {"x", "y"});
    IFactTemplate b = engine->Template("b", {"x", "y"});
    engine->JoinRule(a, b, true);
    state.ResumeTiming();
    for (int32_t i = 0; i < kFacts; ++i) engine->Assert(a, i, 0);
    for (int32_t i = 0; i < kFacts; ++i) engine->Assert(b, i, 1);
    activations = engine->Agenda.size();
    state.PauseTiming();
    engine.reset();
    state.ResumeTiming();
  }
  state.counters["assertions/s"] =
      benchmark::Counter(double(2 * kFacts), benchmark::Counter::kIsIterationInvariantRate);
  state.counters["activations"] = double(activations);
}
BENCHMARK(BM_NegatedJoin)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vettora

BENCHMARK_MAIN();
