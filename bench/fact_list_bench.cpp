// Fact list throughput: asserting many distinct facts must cost the same
// per fact at 10k as at 100k (hashed duplicate test, no list scans), and so
// must retracting them from the front and modifying them.
#include <benchmark/benchmark.h>

#include <vector>

#include "knowledge/fact.h"
#include "knowledge/fact_list.h"
#include "knowledge/fact_template.h"

namespace vettora {
namespace {

IFactTemplate PersonTemplate() {
  IFactTemplate t = MakeRef<TFactTemplate>("person");
  t->AddSlot("name", MakeAtom(""));
  t->AddSlot("age", MakeInteger(0));
  t->AddSlot("city", MakeString(""));
  return t;
}

std::vector<IFact> DistinctFacts(const IFactTemplate& t, int64_t count) {
  std::vector<IFact> facts;
  facts.reserve(size_t(count));
  for (int64_t i = 0; i < count; ++i) {
    IFact fact = t->CreateFact();
    fact->SetSlotValue("name", MakeAtom("p" + std::to_string(i)));
    fact->SetSlotValue("age", MakeInteger(int32_t(i % 90)));
    fact->SetSlotValue("city", MakeString(i % 2 ? "Lyon" : "Oslo"));
    facts.push_back(fact);
  }
  return facts;
}

void SetRate(benchmark::State& state) {
  state.counters["facts/s"] =
      benchmark::Counter(double(state.range(0)), benchmark::Counter::kIsIterationInvariantRate);
}

void BM_AssertDistinct(benchmark::State& state) {
  IFactTemplate t = PersonTemplate();
  std::vector<IFact> facts = DistinctFacts(t, state.range(0));
  for (auto _ : state) {
    TFactList list;
    for (const IFact& fact : facts) benchmark::DoNotOptimize(list.Assert(fact));
    if (list.Count() != int32_t(facts.size())) state.SkipWithError("a distinct fact was refused");
    state.PauseTiming();
    list.Clear();
    state.ResumeTiming();
  }
  SetRate(state);
}

void BM_AssertThenRetractFromFront(benchmark::State& state) {
  IFactTemplate t = PersonTemplate();
  std::vector<IFact> facts = DistinctFacts(t, state.range(0));
  for (auto _ : state) {
    TFactList list;
    for (const IFact& fact : facts) list.Assert(fact);
    while (list.Count() > 0) list.Retract(0);
  }
  SetRate(state);
}

void BM_ModifyEach(benchmark::State& state) {
  IFactTemplate t = PersonTemplate();
  std::vector<IFact> facts = DistinctFacts(t, state.range(0));
  TFactList list;
  for (const IFact& fact : facts) list.Assert(fact);
  int32_t age = 0;
  for (auto _ : state) {
    for (const IFact& fact : facts) {
      list.Modify(fact->ID(), [&](TFact& f) { f.SetSlotValue("age", MakeInteger(++age % 1000)); });
    }
  }
  SetRate(state);
}

BENCHMARK(BM_AssertDistinct)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AssertThenRetractFromFront)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ModifyEach)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vettora

BENCHMARK_MAIN();
