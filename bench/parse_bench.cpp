// Reading knowledge bases of growing size through the rule-language parser:
// templates, rules (added to the engine and compiled) and fact sets. The
// time per construct should stay flat as the base grows (linear overall);
// the Complexity report states the fitted order.

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "engine/inference_engine.h"
#include "language/vorlan_engine_parser.h"

namespace vettora {
namespace {

constexpr int kTemplates = 100;
constexpr int kFactsPerSet = 100;

// `rules` rules joining two templates each, and `facts` facts in fact sets
// of a hundred.
std::string KnowledgeBase(int rules, int facts) {
  std::string text;
  for (int t = 0; t < kTemplates; ++t)
    text += "(deftemplate t" + std::to_string(t) +
            " \"a template\" (slot id (type INTEGER)) (slot name) (multislot tags))\n";
  for (int r = 0; r < rules; ++r) {
    std::string a = "t" + std::to_string(r % kTemplates);
    std::string b = "t" + std::to_string((r * 7 + 3) % kTemplates);
    text += "(defrule rule" + std::to_string(r) + " \"joins two templates\"\n" +
            "  (declare (salience " + std::to_string(r % 10) + "))\n" + "  ?f <- (" + a +
            " (id ?x) (name ~none) (tags $?t))\n" + "  (" + b + " (id ?x&:(> ?x " +
            std::to_string(r) + ")) (name =(+ 1 2)))\n" + "  =>\n  (modify ?f (name done)))\n";
  }
  for (int s = 0; s * kFactsPerSet < facts; ++s) {
    text += "(deffacts set" + std::to_string(s) + "\n";
    for (int f = 0; f < kFactsPerSet; ++f) {
      int n = s * kFactsPerSet + f;
      text += "  (t" + std::to_string(n % kTemplates) + " (id " + std::to_string(n) +
              ") (name \"fact\") (tags a b c))\n";
    }
    text += ")\n";
  }
  return text;
}

// Reads the text into a fresh engine per iteration; making and freeing
// the engine is not timed.
void ReadInto(benchmark::State& state, const std::string& text) {
  for (auto _ : state) {
    state.PauseTiming();
    auto engine = std::make_unique<TInferenceEngine>();
    auto reader = std::make_unique<TVorlanEngineParser>(*engine);
    TVorlanEngineParser& parser = *reader;
    engine->SetParser(std::move(reader));
    state.ResumeTiming();
    parser.ExecuteText(text);
    state.PauseTiming();
    engine.reset();
    state.ResumeTiming();
  }
  state.counters["bytes"] = double(text.size());
}

// N rules and 10 N facts.
void BM_ParseKnowledgeBase(benchmark::State& state) {
  int rules = int(state.range(0));
  ReadInto(state, KnowledgeBase(rules, rules * 10));
  state.SetComplexityN(rules);
}
BENCHMARK(BM_ParseKnowledgeBase)
    ->RangeMultiplier(2)
    ->Range(1250, 10000)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMillisecond);

// The two halves on their own: N rules, and 10 N facts.
void BM_ParseRules(benchmark::State& state) {
  ReadInto(state, KnowledgeBase(int(state.range(0)), 0));
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ParseRules)
    ->RangeMultiplier(2)
    ->Range(1250, 10000)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMillisecond);

// N rules with the same first pattern and a second one differing by a
// constant: every join hangs below the same node, so a search among that
// node's children for a join to share would grow with the rules.
std::string SharedJoinRules(int rules) {
  std::string text =
      "(deftemplate item (slot id) (slot name))\n(deftemplate link (slot from) (slot kind))\n";
  for (int r = 0; r < rules; ++r)
    text += "(defrule r" + std::to_string(r) + " (item (id ?x) (name ?n)) (link (from ?x) (kind k" +
            std::to_string(r) + ")) => (printout t ?n crlf))\n";
  return text;
}

void BM_ParseSharedJoinRules(benchmark::State& state) {
  ReadInto(state, SharedJoinRules(int(state.range(0))));
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ParseSharedJoinRules)
    ->RangeMultiplier(2)
    ->Range(1250, 10000)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMillisecond);

void BM_ParseFactSets(benchmark::State& state) {
  ReadInto(state, KnowledgeBase(0, int(state.range(0)) * 10));
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ParseFactSets)
    ->RangeMultiplier(2)
    ->Range(1250, 10000)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMillisecond);

// Facts alone, one at a time through the one-fact entry.
void BM_ParseFact(benchmark::State& state) {
  TInferenceEngine engine;
  auto reader = std::make_unique<TVorlanEngineParser>(engine);
  TVorlanEngineParser& parser = *reader;
  engine.SetParser(std::move(reader));
  parser.ExecuteText("(deftemplate point (slot x (type INTEGER)) (slot y) (multislot tags))");
  for (auto _ : state)
    benchmark::DoNotOptimize(parser.ParseFact("(point (x 12) (y \"why\") (tags a b c))"));
}
BENCHMARK(BM_ParseFact);

}  // namespace
}  // namespace vettora

BENCHMARK_MAIN();
