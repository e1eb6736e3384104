// The agenda under churn: with N activations waiting, one activation is
// placed by salience and one taken off by identity per iteration -- the
// pattern of a run that asserts and retracts. Compared with the plain
// alternative (a vector searched linearly for the leaving activation).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <random>
#include <vector>

#include "knowledge/fact.h"
#include "matching/activation.h"
#include "matching/agenda.h"
#include "matching/rule.h"
#include "matching/search_strategy.h"

namespace vettora {
namespace {

class TStrategyEngine : public IAgendaEngine {
 public:
  explicit TStrategyEngine(TIEAgenda*& agenda) : FAgenda(agenda) {}
  int32_t InsertionIndex(int32_t salience) override {
    return StrategyInsertionIndex(*FAgenda, salience, ssDepthFirst);
  }

 private:
  TIEAgenda*& FAgenda;
};

struct TFixture {
  explicit TFixture(int32_t count) {
    for (int32_t s = 0; s < 8; ++s) {
      Rules.push_back(std::make_unique<TRule>());
      Rules.back()->SetSalience(s * 10);
    }
    IFact fact = MakeRef<TFact>(MakeRef<TFactTemplate>("a"));
    Token = MakeRef<TIEToken>(taAdd, fact);
    for (int32_t i = 0; i < count; ++i) Pool.push_back(Make());
  }
  TActivation* Make() {
    return new TActivation(Rules[Random() % Rules.size()].get(), 1.0f, nullptr, Token);
  }
  std::vector<std::unique_ptr<TRule>> Rules;
  IReteToken Token;
  std::vector<TActivation*> Pool;
  std::mt19937 Random{42};
};

void BM_RankedAgendaChurn(benchmark::State& state) {
  TFixture fixture(int32_t(state.range(0)));
  TIEAgenda* agenda = nullptr;
  TStrategyEngine engine(agenda);
  TIEAgenda ranked(&engine);
  agenda = &ranked;
  std::vector<TActivation*> live;
  for (TActivation* a : fixture.Pool) {
    ranked.Add(a);
    live.push_back(a);
  }
  for (auto _ : state) {
    TActivation* added = fixture.Make();
    ranked.Add(added);
    size_t victim = fixture.Random() % live.size();
    ranked.Delete(ranked.IndexOf(live[victim]));
    live[victim] = added;
  }
}
BENCHMARK(BM_RankedAgendaChurn)->Arg(100)->Arg(1000)->Arg(10000);

// The same churn on a vector: the same binary search, then a shifting
// insert, a linear search for the leaving activation and a shifting erase.
void BM_VectorAgendaChurn(benchmark::State& state) {
  TFixture fixture(int32_t(state.range(0)));
  std::vector<TActivation*> agenda;
  auto place = [&](TActivation* a) {
    int32_t s = a->Rule()->Salience();
    auto at = std::upper_bound(agenda.begin(), agenda.end(), s, [](int32_t v, TActivation* b) {
      return v >= b->Rule()->Salience();
    });
    agenda.insert(agenda.begin() + (at - agenda.begin()), a);
  };
  std::vector<TActivation*> live;
  for (TActivation* a : fixture.Pool) {
    place(a);
    live.push_back(a);
  }
  for (auto _ : state) {
    TActivation* added = fixture.Make();
    place(added);
    size_t victim = fixture.Random() % live.size();
    auto it = std::find(agenda.begin(), agenda.end(), live[victim]);
    delete *it;
    agenda.erase(it);
    live[victim] = added;
  }
  for (TActivation* a : agenda) delete a;
}
BENCHMARK(BM_VectorAgendaChurn)->Arg(100)->Arg(1000)->Arg(10000);

}  // namespace
}  // namespace vettora

BENCHMARK_MAIN();
