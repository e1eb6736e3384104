// The run cycle: step limits, halt, the firing watch lines and statistics,
// events around firing, errors inside a firing, the strategy switch.
#include <gtest/gtest.h>

#include "engine/construct_watch.h"
#include "engine/facts.h"
#include "engine_test_util.h"
#include "matching/activation.h"

namespace vettora::testing {
namespace {

// An engine with a rule r (salience 0) on (a ?x) whose action logs ?x.
class RunTest : public ::testing::Test {
 protected:
  RunTest() {
    Log = Action(Engine, "log", [this](TFunctionCall&, TIEContext& context) {
      Logged.push_back(context.GetValue("x")->AsText());
      return TrueValue();
    });
  }

  std::unique_ptr<TRule> RuleOnA(const std::string& name, std::vector<IFunCallBase> actions,
                                 int32_t salience = 0) {
    std::vector<std::unique_ptr<TIEPattern>> patterns;
    patterns.push_back(OrderedPattern(Engine, "a", "x"));
    return MakeRule(Engine, name, salience, std::move(patterns), std::move(actions));
  }

  int32_t AssertA(const std::string& value) {
    return Engine.Assert(OrderedFact(Engine, "a", {value}));
  }

  // "name:facts" of each agenda entry, front first.
  std::string AgendaText() {
    std::string text;
    for (int32_t i = 0; i < Engine.Agenda().Count(); ++i) {
      TActivation* a = Engine.Agenda().Items(i);
      text += (i ? " " : "") + a->Rule()->RuleName() + ":" + a->Token()->FactList();
    }
    return text;
  }

  TInferenceEngine Engine;
  IFunCallBase Log;
  std::vector<std::string> Logged;
};

TEST_F(RunTest, StepLimitAndContinuation) {
  auto rule = RuleOnA("r", {Log});
  AssertA("1");
  AssertA("2");
  AssertA("3");
  EXPECT_EQ(AgendaText(), "r:f-3 r:f-2 r:f-1");  // depth-first: newest first
  EXPECT_EQ(Engine.Run(1), 1);
  EXPECT_EQ(Logged, std::vector<std::string>{"3"});
  EXPECT_EQ(Engine.Agenda().Count(), 2);
  EXPECT_EQ(Engine.Run(), 2);
  EXPECT_EQ(Logged, (std::vector<std::string>{"3", "2", "1"}));
  EXPECT_EQ(Engine.Agenda().Count(), 0);
  EXPECT_EQ(Engine.Run(0), 0);
}

TEST_F(RunTest, EmptyAgendaStillRaisesTheRunEvents) {
  std::vector<std::string> events;
  std::vector<std::string> output;
  CaptureOutput(Engine, output);
  Engine.SetWatch({cwStatistics, cwRule});
  Engine.OnStartInference = [&](TObject&) { events.push_back("start"); };
  Engine.OnEndInference = [&](TObject&, int32_t fired) {
    events.push_back("end " + std::to_string(fired));
  };
  EXPECT_EQ(Engine.Run(), 0);
  EXPECT_EQ(events, (std::vector<std::string>{"start", "end 0"}));
  EXPECT_TRUE(output.empty());
}

TEST_F(RunTest, HaltLetsTheRuleFinishItsActions) {
  IFunCallBase halt = Action(Engine, "halt-now", [this](TFunctionCall&, TIEContext&) {
    Engine.Halt();
    return TrueValue();
  });
  auto rule = RuleOnA("r", {halt, Log});
  AssertA("1");
  AssertA("2");
  EXPECT_EQ(Engine.Run(), 1);
  EXPECT_EQ(Logged, std::vector<std::string>{"2"});  // the action after halt ran
  EXPECT_EQ(Engine.Run(), 1);                        // a new run clears the request
  EXPECT_EQ(Logged, (std::vector<std::string>{"2", "1"}));
}

TEST_F(RunTest, WatchLinesOfAFiringRun) {
  std::vector<std::string> output;
  CaptureOutput(Engine, output);
  auto rule = RuleOnA("r", {Log});
  Engine.SetWatch(TConstructWatches::All());
  AssertA("7");
  AssertA("8");
  ASSERT_EQ(output.size(), 4u);
  EXPECT_EQ(output[0], " ==> f-1 (a 7 )\r\n");
  EXPECT_EQ(output[1], "==> Activation: r : f-1\r\n");
  EXPECT_EQ(output[3], "==> Activation: r : f-2\r\n");
  output.clear();
  EXPECT_EQ(Engine.Run(), 2);
  ASSERT_EQ(output.size(), 8u);
  EXPECT_EQ(output[0], "FIRE 0 r f-2\r\n");
  EXPECT_EQ(output[1], "<== Activation: r : f-2\r\n");
  EXPECT_EQ(output[2], "FIRE 1 r f-1\r\n");
  EXPECT_EQ(output[3], "<== Activation: r : f-1\r\n");
  EXPECT_EQ(output[4].rfind("2 rules fired.     Run time is ", 0), 0u) << output[4];
  EXPECT_NE(output[5].find(" rules per second\r\n"), std::string::npos);
  // Three facts before and after each firing; two, then one activation.
  EXPECT_EQ(output[6], "3.0000 mean number of facts (3 maximum)\r\n");
  EXPECT_EQ(output[7], "0.5000 mean number of activations (2 maximum)\r\n");

  // Without a listener nothing is built or printed.
  Engine.OnPrintOut = nullptr;
  AssertA("9");
  EXPECT_EQ(Engine.Run(), 1);
}

TEST_F(RunTest, FiringEventsAndTheFiringStrength) {
  std::vector<std::string> events;
  IFunCallBase probe = Action(Engine, "probe", [&](TFunctionCall&, TIEContext&) {
    double strength = 0;
    EXPECT_TRUE(Engine.FiringStrength(strength));
    EXPECT_EQ(strength, 1.0);
    EXPECT_NE(Engine.FiringActivation(), nullptr);
    EXPECT_EQ(Engine.Agenda().IndexOf(Engine.FiringActivation()), 0);  // stays while firing
    events.push_back("action");
    return TrueValue();
  });
  auto rule = RuleOnA("r", {probe});
  Engine.OnAddActivation = [&](TObject&, int32_t index, TActivation& a) {
    events.push_back("add " + std::to_string(index) + " " + a.Token()->FactList());
  };
  Engine.OnRemoveActivation = [&](TObject&, int32_t index, TActivation& a) {
    events.push_back("remove " + std::to_string(index) + " " + a.Token()->FactList());
  };
  Engine.OnRuleFired = [&](TObject&, TRule& r) { events.push_back("fired " + r.RuleName()); };
  AssertA("1");
  AssertA("2");
  Engine.Retract(Engine.Facts().IndexOfId(1));
  EXPECT_EQ(Engine.Run(), 1);
  EXPECT_EQ(events, (std::vector<std::string>{"add 0 f-1", "add 0 f-2", "remove 1 f-1", "action",
                                              "fired r", "remove 0 f-2"}));
  double strength = 0;
  EXPECT_FALSE(Engine.FiringStrength(strength));
  EXPECT_EQ(Engine.FiringActivation(), nullptr);
}

// A rule that retracts a fact of its own match takes its activation off
// the agenda from inside its actions; it has fired all the same, and
// OnRuleFired says so once, after the actions. A rule whose actions also
// clear the engine is gone by then, and nothing is reported for it.
TEST_F(RunTest, ARuleRetractingItsOwnFactIsReportedAsFired) {
  std::vector<std::string> events;
  bool clearToo = false;
  IFunCallBase retractOwn = Action(Engine, "retract-own", [&](TFunctionCall&, TIEContext&) {
    Engine.Retract(Engine.Facts().IndexOfId(Engine.FiringActivation()->Token()->Fact()->ID()));
    events.push_back("action");
    if (clearToo) Engine.Clear();
    return TrueValue();
  });
  auto rule = RuleOnA("r", {retractOwn});
  Engine.OnRemoveActivation = [&](TObject&, int32_t, TActivation& a) {
    events.push_back("remove " + a.Token()->FactList());
  };
  Engine.OnRuleFired = [&](TObject&, TRule& r) { events.push_back("fired " + r.RuleName()); };
  AssertA("1");
  AssertA("2");
  EXPECT_EQ(Engine.Run(), 2);
  EXPECT_EQ(events, (std::vector<std::string>{"remove f-2", "action", "fired r", "remove f-1",
                                              "action", "fired r"}));
  EXPECT_EQ(Engine.Agenda().Count(), 0);

  events.clear();
  clearToo = true;
  AssertA("3");
  EXPECT_EQ(Engine.Run(), 1);
  EXPECT_EQ(events, (std::vector<std::string>{"remove f-3", "action"}));
}

TEST_F(RunTest, AnErrorInsideAFiringFreesItsActivationAndPasses) {
  IFunCallBase fail = Action(
      Engine, "fail", [](TFunctionCall&, TIEContext&) -> IIEValue { throw EIEException("boom"); });
  std::vector<std::string> events;
  auto rule = RuleOnA("r", {fail});
  Engine.OnRemoveActivation = [&](TObject&, int32_t index, TActivation& a) {
    events.push_back("remove " + std::to_string(index) + " " + a.Token()->FactList());
  };
  Engine.OnEndInference = [&](TObject&, int32_t) { events.push_back("end"); };
  AssertA("1");
  AssertA("2");
  EXPECT_NE(ErrorOf([&] { Engine.Run(); }).find("boom"), std::string::npos);
  EXPECT_EQ(events, std::vector<std::string>{"remove 0 f-2"});
  EXPECT_EQ(Engine.RulesFired(), 0);
  EXPECT_EQ(AgendaText(), "r:f-1");
  EXPECT_EQ(Engine.FiringActivation(), nullptr);
}

TEST_F(RunTest, ChangingTheStrategyReplacesEveryActivationByAClone) {
  auto rule = RuleOnA("r", {Log});
  AssertA("1");
  AssertA("2");
  AssertA("3");
  TActivation* old = Engine.Agenda().Items(0);
  old->SetStrength(0.5f);
  int added = 0;
  Engine.OnAddActivation = [&](TObject&, int32_t, TActivation&) { ++added; };

  Engine.SetStrategy(ssBreadthFirst);  // equal saliences keep their order
  EXPECT_EQ(AgendaText(), "r:f-3 r:f-2 r:f-1");
  EXPECT_EQ(added, 3);
  for (int32_t i = 0; i < 3; ++i) EXPECT_EQ(Engine.Agenda().Items(i)->Strength(), 1.0f);

  Engine.SetStrategy(ssDepthFirst);  // each clone goes to the front
  EXPECT_EQ(AgendaText(), "r:f-1 r:f-2 r:f-3");
  Engine.SetStrategy(ssDepthFirst);  // unchanged: nothing happens
  EXPECT_EQ(added, 6);

  // The clones are known to their terminal node: retracting a fact of one
  // takes it off the agenda.
  Engine.Retract(Engine.Facts().IndexOfId(2));
  EXPECT_EQ(AgendaText(), "r:f-1 r:f-3");
  EXPECT_EQ(Engine.Run(), 2);
  EXPECT_EQ(Logged, (std::vector<std::string>{"1", "3"}));
}

TEST_F(RunTest, StrategyChangedByAFiringRuleLeavesItsOwnActivationOut) {
  IFunCallBase flip = Action(Engine, "flip", [this](TFunctionCall&, TIEContext& context) {
    Engine.SetStrategy(Engine.Strategy() == ssDepthFirst ? ssBreadthFirst : ssDepthFirst);
    Logged.push_back(context.GetValue("x")->AsText());
    return TrueValue();
  });
  auto rule = RuleOnA("r", {flip});
  AssertA("1");
  AssertA("2");
  AssertA("3");
  // Each firing re-sorts the others; the firing one is neither cloned nor
  // fired again.
  EXPECT_EQ(Engine.Run(), 3);
  EXPECT_EQ(Logged, (std::vector<std::string>{"3", "2", "1"}));
  EXPECT_EQ(Engine.Agenda().Count(), 0);
}

TEST_F(RunTest, SaliencePlacesActivationsUnderBothStrategies) {
  auto low = RuleOnA("low", {Log}, -5);
  auto high = RuleOnA("high", {Log}, 10);
  AssertA("1");
  EXPECT_EQ(AgendaText(), "high:f-1 low:f-1");
  Engine.SetStrategy(ssBreadthFirst);
  AssertA("2");
  // The new low goes behind the last group of equal salience; the new high
  // is not above the front, so the binary search places it and meets the
  // front first.
  EXPECT_EQ(AgendaText(), "high:f-2 high:f-1 low:f-1 low:f-2");
  EXPECT_EQ(Engine.Agenda().Strings(3), "-5 low : f-2 (1.0000)");
}

TEST_F(RunTest, OneShotRuleFiresOnceUntilTheNextReset) {
  auto rule = RuleOnA("once", {Log});
  rule->SetOneShot(true);
  AssertA("1");
  EXPECT_EQ(Engine.Run(), 1);
  AssertA("2");
  EXPECT_EQ(Engine.Agenda().Count(), 0);
  Engine.Reset();
  AssertA("3");
  EXPECT_EQ(AgendaText(), "once:f-1");
  EXPECT_EQ(Engine.Run(), 1);
  EXPECT_EQ(Logged, (std::vector<std::string>{"1", "3"}));
}

TEST_F(RunTest, ARuleMayResetOrClearTheEngineWhileItFires) {
  IFunCallBase reset = Action(Engine, "do-reset", [this](TFunctionCall&, TIEContext&) {
    Engine.Reset();
    return TrueValue();
  });
  auto rule = RuleOnA("r", {reset});
  AssertA("1");
  AssertA("2");
  EXPECT_EQ(Engine.Run(), 1);  // the reset emptied the agenda
  EXPECT_EQ(FactIds(Engine), "f-0");

  TInferenceEngine other;
  IFunCallBase clear = Action(other, "do-clear", [&](TFunctionCall&, TIEContext&) {
    other.Clear();
    return TrueValue();
  });
  auto* owned = new TRule(&other);  // owned by the engine, freed by its Clear
  {
    TRule::TUpdateGuard guard(*owned);
    owned->SetRuleName("c");
    owned->AddPattern(OrderedPattern(other, "a", "x"));
    owned->AddAction(clear);
    guard.End();
  }
  other.Assert(OrderedFact(other, "a", {"1"}));
  EXPECT_EQ(other.Run(), 1);
  EXPECT_EQ(other.Facts().Count(), 0);
  EXPECT_EQ(other.FindRule("c"), nullptr);
}

}  // namespace
}  // namespace vettora::testing
