// Costs of the fuzzy-set operations that rules run most: union (the pair
// walk, which should grow linearly with the points of both sets), matching
// a set against a number, and evaluating a small fuzzy expression.
#include <benchmark/benchmark.h>

#include "fuzzy/fuzzy_expression.h"
#include "fuzzy/ie_fuzzy_set.h"
#include "fuzzy/ie_fuzzy_variable.h"
#include "values/value_vector.h"

namespace {

using namespace vettora;

IFuzzySet SawTooth(int n, double shift) {
  IFuzzySet set = MakeRef<TIEFuzzySet>("s");
  for (int i = 0; i < n; ++i) set->Values().Add(i + shift, i % 2);
  return set;
}

void BM_FuzzyUnion(benchmark::State& state) {
  int n = int(state.range(0));
  IFuzzySet a = SawTooth(n, 0), b = SawTooth(n, 0.5);
  for (auto _ : state) benchmark::DoNotOptimize(a->Union(*b, foZadeh));
  state.SetItemsProcessed(int64_t(state.iterations()) * 2 * n);
}
BENCHMARK(BM_FuzzyUnion)->RangeMultiplier(8)->Range(8, 32768);

void BM_FuzzyCompatibilityWithNumber(benchmark::State& state) {
  IFuzzySet a = SawTooth(int(state.range(0)), 0);
  IIEValue x = MakeFloat(state.range(0) / 3.0);
  for (auto _ : state) benchmark::DoNotOptimize(a->CompatibilityIndex(*x));
}
BENCHMARK(BM_FuzzyCompatibilityWithNumber)->Arg(7)->Arg(4096);

void BM_FuzzyExpression(benchmark::State& state) {
  IFuzzyVariable v = MakeRef<TIEFuzzyVariable>("temp");
  v->SetMaximum(100);
  v->AddAutoTerms();
  IValueVector items = MakeRef<TValueVector>();
  for (const char* word : {"very", "[", "low", "or", "medium", "]", "and", "not", "high"})
    items->Add(MakeAtom(word));
  IIEValue expression = MakeList(items);
  for (auto _ : state) benchmark::DoNotOptimize(EvaluateFuzzyExpression(v.Get(), expression, nullptr));
}
BENCHMARK(BM_FuzzyExpression);

}  // namespace

BENCHMARK_MAIN();
