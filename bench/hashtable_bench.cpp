// Lookup and insert costs of the engine's string-keyed table, next to
// std::unordered_map for scale.
#include <benchmark/benchmark.h>

#include <string>
#include <unordered_map>
#include <vector>

#include "values/string_hashtable.h"

namespace {

std::vector<std::string> Keys(int n) {
  std::vector<std::string> keys;
  keys.reserve(size_t(n));
  for (int i = 0; i < n; ++i) keys.push_back("rule-name-" + std::to_string(i * 7919));
  return keys;
}

void BM_StringHashtablePut(benchmark::State& state) {
  auto keys = Keys(int(state.range(0)));
  for (auto _ : state) {
    vettora::TGStringHashtable<int> table(101, 0.75f);
    for (size_t i = 0; i < keys.size(); ++i) table.Put(keys[i], int(i));
    benchmark::DoNotOptimize(table.Count());
  }
  state.SetItemsProcessed(int64_t(state.iterations()) * state.range(0));
}
BENCHMARK(BM_StringHashtablePut)->Arg(100)->Arg(10000);

void BM_StringHashtableLookup(benchmark::State& state) {
  auto keys = Keys(int(state.range(0)));
  vettora::TGStringHashtable<int> table(101, 0.75f);
  for (size_t i = 0; i < keys.size(); ++i) table.Put(keys[i], int(i));
  for (auto _ : state)
    for (const auto& key : keys) benchmark::DoNotOptimize(table.Lookup(key));
  state.SetItemsProcessed(int64_t(state.iterations()) * state.range(0));
}
BENCHMARK(BM_StringHashtableLookup)->Arg(100)->Arg(10000);

void BM_UnorderedMapLookup(benchmark::State& state) {
  auto keys = Keys(int(state.range(0)));
  std::unordered_map<std::string, int> map;
  for (size_t i = 0; i < keys.size(); ++i) map[keys[i]] = int(i);
  for (auto _ : state)
    for (const auto& key : keys) benchmark::DoNotOptimize(map.find(key));
  state.SetItemsProcessed(int64_t(state.iterations()) * state.range(0));
}
BENCHMARK(BM_UnorderedMapLookup)->Arg(100)->Arg(10000);

void BM_IntHashtableOrdinalWalk(benchmark::State& state) {
  vettora::TGHashtable<int32_t, int> table(101, 0.75f);
  for (int i = 0; i < state.range(0); ++i) table.Put(i * 31, i);
  for (auto _ : state)
    for (int32_t i = 0; i < table.Count(); ++i) benchmark::DoNotOptimize(table.ItemAt(i));
  state.SetItemsProcessed(int64_t(state.iterations()) * state.range(0));
}
BENCHMARK(BM_IntHashtableOrdinalWalk)->Arg(10000);

}  // namespace

BENCHMARK_MAIN();
