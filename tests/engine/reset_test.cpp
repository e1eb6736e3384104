// Construction, reset and clear, fact sets, globals, symbols and counters.
#include <gtest/gtest.h>

#include <limits>

#include "engine/engine_variables.h"
#include "engine/fact_set.h"
#include "engine/fact_sets.h"
#include "engine/fact_templates.h"
#include "engine/messages.h"
#include "engine_test_util.h"
#include "matching/rete_network.h"

namespace vettora::testing {
namespace {

TEST(EngineLifecycle, InitialFactAfterConstructionResetAndClear) {
  TInferenceEngine engine;
  ASSERT_EQ(FactIds(engine), "f-0");
  EXPECT_EQ(engine.Facts().Items(0)->Text(), "(Initial-Fact)");
  IFactTemplate initial = engine.FindTemplate(kInitialFactName);
  ASSERT_TRUE(initial);
  EXPECT_TRUE(initial->IsImplied());
  EXPECT_EQ(initial->Comment(), "(Implied)");
  EXPECT_TRUE(engine.FindTemplate(kNotOrTestName));
  EXPECT_EQ(engine.Version(), 2.0f);

  std::vector<std::string> events;
  engine.OnClear = [&](TObject&) { events.push_back("clear"); };
  engine.OnReset = [&](TObject&) { events.push_back("reset"); };
  engine.OnClearFacts = [&](TObject&) { events.push_back("facts cleared"); };
  engine.Assert(OrderedFact(engine, "a", {"1"}));
  engine.Clear();
  EXPECT_EQ(engine.Facts().Count(), 0);
  EXPECT_EQ(engine.FindTemplate("a"), nullptr);
  EXPECT_TRUE(engine.FindTemplate(kInitialFactName));  // made again, not asserted
  EXPECT_TRUE(engine.FindTemplate(kNotOrTestName));
  events.clear();
  engine.Reset();
  EXPECT_EQ(FactIds(engine), "f-0");
  EXPECT_EQ(events, (std::vector<std::string>{"facts cleared", "reset"}));

  engine.Assert(OrderedFact(engine, "a", {"1"}));
  engine.Assert(OrderedFact(engine, "a", {"2"}));
  engine.Reset();  // the counter starts again
  EXPECT_EQ(FactIds(engine), "f-0");
  EXPECT_EQ(engine.Assert(OrderedFact(engine, "a", {"3"})), 1);
}

TEST(EngineLifecycle, ResetAssertsFactSetsInOrderSkippingBadLines) {
  TInferenceEngine engine;
  UseOrderedFactReader(engine);
  auto* first = new TFactSet(&engine);  // owned (and freed) by the engine
  first->SetFacts({"(a 1)", "(a 1)", "(oops", "(b 2)"});
  TFactSet second;  // placed next to the engine
  second.SetFactSetName("more");
  second.SetEngine(&engine);
  second.SetFacts({"(c 3)", "(Initial-Fact)"});
  EXPECT_EQ(first->FactSetName(), "FactSet");
  EXPECT_EQ(engine.FactSets().Count(), 2);

  engine.Reset();
  ASSERT_EQ(FactIds(engine), "f-0 f-1 f-2 f-3");
  EXPECT_EQ(engine.Facts().Items(1)->Text(), "(a 1 )");
  EXPECT_EQ(engine.Facts().Items(2)->Text(), "(b 2 )");
  EXPECT_EQ(engine.Facts().Items(3)->Text(), "(c 3 )");
  EXPECT_THROW((void)first->FactAt(2), EIEException);  // the bad line, parsed on demand

  engine.Reset();  // the same facts again, not duplicated
  EXPECT_EQ(FactIds(engine), "f-0 f-1 f-2 f-3");
  EXPECT_EQ(second.Engine(), &engine);
}

TEST(EngineLifecycle, FactSetsFollowTheirEngine) {
  auto home = std::make_unique<TInferenceEngine>();
  TInferenceEngine away;
  TOrderedFactReader& homeReader = UseOrderedFactReader(*home);
  UseOrderedFactReader(away);
  TFactSet set;
  set.SetEngine(home.get());
  set.SetFacts({"(x 1)"});
  EXPECT_EQ(homeReader.Parsed, 1);
  EXPECT_EQ(set.FactAt(0)->Template()->Engine(), static_cast<IFactEngine*>(home.get()));

  set.SetEngine(&away);  // re-parsed against the new engine's templates
  EXPECT_EQ(home->FactSets().Count(), 0);
  EXPECT_EQ(away.FactSets().Count(), 1);
  EXPECT_EQ(set.FactAt(0)->Template(), away.FindTemplate("x"));

  int32_t line = set.AddFact(OrderedFact(away, "y", {"2"}));
  EXPECT_EQ(line, 1);
  EXPECT_EQ(set.Text(), "(deffacts FactSet\r\n    (x 1 )\r\n    (y 2 )\r\n)");

  // A second set of the same name takes the first one's place.
  TFactSet twin;
  twin.SetEngine(&away);
  EXPECT_EQ(set.Engine(), nullptr);
  EXPECT_EQ(away.FactSets().Items(0), &twin);

  twin.SetEngine(home.get());
  home.reset();  // the set outlives its engine and is left without one
  EXPECT_EQ(twin.Engine(), nullptr);
}

TEST(EngineLifecycle, DestroyedFactSetLeavesTheEngine) {
  TInferenceEngine engine;
  UseOrderedFactReader(engine);
  {
    TFactSet set;
    set.SetEngine(&engine);
    set.SetFacts({"(gone 1)"});
  }
  EXPECT_EQ(engine.FactSets().Count(), 0);
  engine.Reset();
  EXPECT_EQ(FactIds(engine), "f-0");
}

TEST(EngineLifecycle, ResetGlobalsRebindsInitialValues) {
  TInferenceEngine engine;
  engine.GlobalVariables().Add("*limit*", MakeInteger(5));
  TIEContext& root = *engine.RootContext();
  EXPECT_EQ(root.GetValue("*limit*")->AsInteger(), 5);
  root.SetGlobal("*limit*", MakeInteger(9));
  engine.SetResetGlobals(false);
  engine.Reset();
  EXPECT_EQ(root.GetValue("*limit*")->AsInteger(), 9);
  engine.SetResetGlobals(true);
  engine.Reset();
  EXPECT_EQ(root.GetValue("*limit*")->AsInteger(), 5);
  EXPECT_TRUE(engine.IsGlobalVariable("*limit*"));
  engine.Clear();
  EXPECT_EQ(root.FindGlobal("*limit*"), nullptr);
}

TEST(EngineCounters, SymbolIndexRules) {
  TInferenceEngine engine;
  EXPECT_EQ(engine.SymbolIndex(), 1);
  EXPECT_EQ(engine.GenerateSymbol("_blank_"), "_blank_1");
  EXPECT_EQ(engine.GenerateSymbol("gen"), "gen2");
  engine.SetSymbolIndex(9);
  engine.SetSymbolIndex(5);  // not larger: only advances
  EXPECT_EQ(engine.SymbolIndex(), 10);
  engine.SetSymbolIndex(10);
  EXPECT_EQ(engine.SymbolIndex(), 11);
  engine.SetSymbolIndex(20);
  EXPECT_EQ(engine.SymbolIndex(), 20);

  constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
  engine.SetSymbolIndex(kMax);
  EXPECT_EQ(ErrorOf([&] { (void)engine.GenerateSymbol("x"); }), "Integer overflow: SymbolIndex");
  EXPECT_THROW(engine.SetSymbolIndex(3), EIEException);
  EXPECT_EQ(engine.SymbolIndex(), kMax);

  engine.Facts().SetNextId(kMax);
  EXPECT_THROW(engine.Assert(OrderedFact(engine, "a", {"1"})), EIEException);
  EXPECT_EQ(FactIds(engine), "f-0");
}

TEST(EngineSettings, ClampedFloatsAndTheirTargets) {
  TInferenceEngine engine;
  EXPECT_FLOAT_EQ(float(engine.FuzzyEqualsThreshold()), 0.01f);
  engine.SetFuzzyEqualsThreshold(-1.0f);
  EXPECT_EQ(engine.FuzzyEqualsThreshold(), 0.0);
  engine.SetFuzzyEqualsThreshold(std::numeric_limits<float>::quiet_NaN());
  EXPECT_EQ(engine.FuzzyEqualsThreshold(), 0.0);
  engine.SetMinActivationStrength(7.0f);
  EXPECT_EQ(engine.MinActivationStrength(), 1.0f);
  EXPECT_EQ(engine.ReteNetwork().MinActivationStrength(), 1.0f);
  EXPECT_EQ(engine.ParserMaxErrors(), 10);
  EXPECT_TRUE(engine.ResetGlobals());
  EXPECT_TRUE(engine.FuzzyAutoTerms());
  EXPECT_EQ(engine.TypeChecks(), TTypeChecks{tcStatic});
  EXPECT_EQ(engine.Packages(), TFunctionPackages::All());
  EXPECT_EQ(engine.Strategy(), ssDepthFirst);
}

TEST(EngineText, StringEntriesGoThroughTheParser) {
  TInferenceEngine engine;
  EXPECT_EQ(engine.AssertString("(a 1)"), 1);
  EXPECT_EQ(engine.RetractString("(a 1)"), 1);
  EXPECT_EQ(engine.RetractString("(a 1)"), -1);
  EXPECT_EQ(FactIds(engine), "f-0");
  // Without a parser the text entries refuse clearly.
  engine.SetParser(nullptr);
  EXPECT_EQ(ErrorOf([&] { engine.AssertString("(a 1)"); }),
            "Unable to parse strings of dtFact at this time");
}

TEST(EngineText, PrintOutRoutesByStreamName) {
  TInferenceEngine engine;
  engine.PrintOut("t", "dropped without a listener");
  EXPECT_EQ(ErrorOf([&] { engine.PrintOut("log", "x"); }),
            "Function is unimplemented or unassigned: printout");
  std::vector<std::pair<std::string, std::string>> got;
  engine.OnPrintOut = [&](TObject&, const std::string& id, const std::string& text) {
    got.emplace_back(id, text);
  };
  engine.PrintOut("t", "a");
  engine.PrintOut("log", "b");
  EXPECT_EQ(got, (std::vector<std::pair<std::string, std::string>>{{"t", "a"}, {"log", "b"}}));
}

}  // namespace
}  // namespace vettora::testing
