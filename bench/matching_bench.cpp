// Token memories, binding lookups and deffunction calls: the shapes the
// rule engine leans on while matching and firing.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "functions/function_call.h"
#include "functions/function_table.h"
#include "functions/interpreted_function.h"
#include "knowledge/fact.h"
#include "knowledge/fact_template.h"
#include "matching/context.h"
#include "matching/token.h"
#include "matching/token_tree.h"

namespace vettora {
namespace {

std::vector<IReteToken> Tokens(int n) {
  IFactTemplate t = MakeRef<TFactTemplate>("guest");
  t->AddMultiSlot(kImpliedSlotName, EmptyListValue());
  std::vector<IReteToken> tokens;
  for (int i = 0; i < n; ++i) {
    IFact f = t->CreateFact();
    f->SetID(i);
    tokens.push_back(MakeRef<TIEToken>(taAdd, f));
  }
  return tokens;
}

// All tokens under one key (a join keyed on a value most facts share):
// adding and removing each must not scan the others.
void BM_TokenTreeSameKeyAddRemove(benchmark::State& state) {
  std::vector<IReteToken> tokens = Tokens(int(state.range(0)));
  TTokenKeyConfig config;
  config.SlotName = kImpliedSlotName;
  for (auto _ : state) {
    TIETokenTree tree(101, config);
    for (const IReteToken& t : tokens) tree.Add(t);
    for (const IReteToken& t : tokens) tree.Remove(*t);
    benchmark::DoNotOptimize(tree.Count());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_TokenTreeSameKeyAddRemove)->Arg(100)->Arg(1000)->Arg(10000);

// A probe visits only the tokens of its key, however full the memory.
void BM_TokenTreeProbe(benchmark::State& state) {
  std::vector<IReteToken> tokens = Tokens(int(state.range(0)));
  TIETokenTree tree(101, {});
  for (const IReteToken& t : tokens) tree.Add(t);
  int32_t key = 0;
  for (auto _ : state) {
    int hits = 0;
    tree.ForEachWithKey(key, [&](const IReteToken&) { ++hits; });
    benchmark::DoNotOptimize(hits);
    key = (key + 1) % int32_t(state.range(0));
  }
}
BENCHMARK(BM_TokenTreeProbe)->Arg(1000)->Arg(100000);

void BM_ContextLookup(benchmark::State& state) {
  TIEContext root;
  auto rule = root.CreateChild();
  std::vector<std::string> names;
  for (int i = 0; i < state.range(0); ++i) {
    names.push_back("var" + std::to_string(i));
    rule->AddBinding(names.back(), MakeInteger(i));
  }
  size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(rule->FindBinding(names[i]));
    i = (i + 1) % names.size();
  }
}
BENCHMARK(BM_ContextLookup)->Arg(4)->Arg(16)->Arg(256);

class TBenchReasoner : public IReasoner {
 public:
  TFunctionTable Table{this};
  void RegisterFunction(const IUserFunction& f) override {
    Table.Add(f->FunctionName(), f, dcOverwrite);
  }
  void UnregisterFunction(const IUserFunction& f) override { Table.RemoveFunction(f); }
  bool FindFunction(const std::string& name, IUserFunction& f) override {
    f = Table.Find(name);
    return bool(f);
  }
  std::string PrintFunCall(const TFunctionCall& call) override { return FunCallText(call); }
  std::string PrintFunction(const TIEUserFunction& f) override { return f.FunctionName(); }
  TComponent* ReasonerComponent() override { return nullptr; }
  std::string GenerateSymbol(const std::string& prefix) override { return prefix; }
};

// (deffunction id (?x) ?x) called with a constant: the cost of one call,
// its child context and one binding.
void BM_DeffunctionCall(benchmark::State& state) {
  TBenchReasoner reasoner;
  IInterpretedFunction id = MakeRef<TInterpretedFunction>();
  id->SetFunctionName("id");
  id->AddParameter("x", dtVariable);
  id->AddAction(MakeRef<TIEValue>("x", dtVariable));
  reasoner.RegisterFunction(id);
  IFunCall call = MakeRef<TFunctionCall>(&reasoner, "id");
  call->AddIntegerArgument(1, dtInteger);
  TIEContext root;
  for (auto _ : state) benchmark::DoNotOptimize(call->Execute(&root));
}
BENCHMARK(BM_DeffunctionCall);

}  // namespace
}  // namespace vettora

BENCHMARK_MAIN();
