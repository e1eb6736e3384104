// Rules: adding patterns (Initial-Fact, renaming, first-use errors,
// disjunctions, goals), slot test texts and calls, firing and binding.
#include <gtest/gtest.h>

#include "matching/join_test.h"
#include "matching/messages.h"
#include "matching/slot_test.h"
#include "matching_helpers.h"
#include "rule_test_engine.h"

namespace vettora::testing {
namespace {

std::unique_ptr<TIEPattern> Pattern(TRuleTestEngine& e, const std::string& name,
                                    int32_t negated = 0) {
  auto p = std::make_unique<TIEPattern>(e.FindOrCreateTemplate(name));
  p->SetNegatedCount(negated);
  return p;
}

TEST(RuleTest, NegatedOrTestFirstPatternGetsInitialFactPattern) {
  TRuleTestEngine e;
  TRule* rule = e.NewRule("no-offer");
  rule->AddPattern(Pattern(e, "offer", 1));
  ASSERT_EQ(rule->PatternCount(), 2);
  EXPECT_EQ(rule->Patterns(0)->Name(), "Initial-Fact");
  EXPECT_EQ(rule->Patterns(0)->Owner(), rule);
  EXPECT_EQ(rule->Patterns(1)->Name(), "offer");

  TRule* plain = e.NewRule("plain");
  plain->AddPattern(Pattern(e, "offer"));
  plain->AddPattern(Pattern(e, "penalties", 1));
  EXPECT_EQ(plain->PatternCount(), 2);  // only a first pattern gets one

  TRule* empty = e.NewRule("empty");
  e.Finish(empty);  // compiling a rule without patterns gives it one
  ASSERT_EQ(empty->PatternCount(), 1);
  EXPECT_EQ(empty->Patterns(0)->Name(), "Initial-Fact");
  // ... which gives way to the first pattern added later.
  empty->AddPattern(Pattern(e, "offer"));
  ASSERT_EQ(empty->PatternCount(), 1);
  EXPECT_EQ(empty->Patterns(0)->Name(), "offer");
  e.AssertOrdered("offer", {});
  EXPECT_EQ(e.CountFor("empty"), 1);
}

TEST(RuleTest, BindingsRecordFirstUseAndAnonymousNegatedVariablesAreRenamed) {
  TRuleTestEngine e;
  TRule* rule = e.NewRule("r");
  auto first = Pattern(e, "applicant");
  first->AddTest(kImpliedSlotName, Var("name"), sttEquals, 0);
  first->AddTest(kImpliedSlotName, Var("name"), sttEquals, 1);
  first->SetBoundName("f");
  rule->AddPattern(std::move(first));
  auto second = Pattern(e, "penalties", 1);
  second->AddTest(kImpliedSlotName, Var("_blank_6"), sttEquals, 0);
  TIEPattern* added = rule->AddPattern(std::move(second));

  EXPECT_EQ(added->Slots(0).Tests[0]->SlotValue()->Text(), "_2__blank_6");
  ASSERT_EQ(rule->BindingCount(), 3);
  TBinding* f = rule->BindingOf("f");
  ASSERT_TRUE(f);
  EXPECT_EQ(f->SlotIndex(), kPatternSlot);
  TBinding* name = rule->BindingOf("name");
  EXPECT_EQ(name->FactIndex(), 0);
  EXPECT_EQ(name->SubIndex(), 0);  // the first use wins
  TBinding* blank = rule->BindingOf("_2__blank_6");
  ASSERT_TRUE(blank);
  EXPECT_EQ(blank->FactIndex(), 1);
  EXPECT_FALSE(rule->BindingOf("_blank_6"));
}

TEST(RuleTest, DeletingAPatternRebuildsTheBindings) {
  TRuleTestEngine e;
  TRule* rule = e.NewRule("r");
  auto a = Pattern(e, "a");
  a->AddTest(kImpliedSlotName, Var("x"), sttEquals, 0);
  auto b = Pattern(e, "b");
  b->AddTest(kImpliedSlotName, Var("y"), sttEquals, 0);
  auto c = Pattern(e, "c");
  c->AddTest(kImpliedSlotName, Var("x"), sttEquals, 0);
  c->AddTest(kImpliedSlotName, Var("y"), sttEquals, 1);
  rule->AddPattern(std::move(a));
  rule->AddPattern(std::move(b));
  rule->AddPattern(std::move(c));
  EXPECT_EQ(rule->BindingOf("y")->FactIndex(), 1);
  rule->DeletePattern(1);
  ASSERT_EQ(rule->PatternCount(), 2);
  EXPECT_EQ(rule->Patterns(1)->Name(), "c");
  EXPECT_EQ(rule->Patterns(1)->Owner(), rule);
  EXPECT_EQ(rule->BindingOf("y")->FactIndex(), 1);
  EXPECT_EQ(rule->BindingOf("y")->SubIndex(), 1);
  EXPECT_EQ(rule->BindingCount(), 2);
  EXPECT_EQ(ErrorOf([&] { rule->DeletePattern(5); }), "List index out of bounds (5)");
}

// Few bindings are looked through, many are indexed: both answer each
// name's first binding, also after patterns go.
TEST(RuleTest, ManyBindingsAreFoundLikeFew) {
  TRuleTestEngine e;
  TRule* rule = e.NewRule("r");
  for (int p = 0; p < 3; ++p) {
    auto pattern = Pattern(e, "p" + std::to_string(p));
    for (int i = 0; i < 10; ++i)
      pattern->AddTest(kImpliedSlotName, Var("v" + std::to_string(p * 5 + i)), sttEquals, i);
    rule->AddPattern(std::move(pattern));
  }
  ASSERT_EQ(rule->BindingCount(), 20);  // v5..v9 and v10..v14 are met again
  EXPECT_EQ(rule->BindingOf("v7")->FactIndex(), 0);
  EXPECT_EQ(rule->BindingOf("v12")->FactIndex(), 1);
  EXPECT_EQ(rule->BindingOf("v12")->SubIndex(), 7);
  ASSERT_TRUE(rule->BindingOf("v19"));
  EXPECT_EQ(rule->BindingOf("v19")->FactIndex(), 2);
  EXPECT_FALSE(rule->BindingOf("v20"));
  rule->DeletePattern(0);  // back below the indexed size
  ASSERT_EQ(rule->BindingCount(), 15);
  EXPECT_EQ(rule->BindingOf("v7")->FactIndex(), 0);
  EXPECT_EQ(rule->BindingOf("v7")->SubIndex(), 2);
  EXPECT_FALSE(rule->BindingOf("v0"));
}

TEST(RuleTest, FirstUseOfAVariableMayNotBeNegated) {
  TRuleTestEngine e;
  TRule* rule = e.NewRule("r");
  auto ok = Pattern(e, "applicant");
  ok->AddTest(kImpliedSlotName, Var("a"), sttEquals, 0);
  ok->AddTest(kImpliedSlotName, Int(30), sttNotEquals, 0);
  rule->AddPattern(std::move(ok));
  EXPECT_TRUE(rule->BindingOf("a"));

  auto bad = Pattern(e, "applicant");
  bad->AddTest(kImpliedSlotName, Var("b"), sttNotEquals, 0);
  EXPECT_EQ(ErrorOf([&] { rule->AddPattern(std::move(bad)); }),
            "First Use of Variable is negated, variable name is b");

  TRule engineless;
  EXPECT_EQ(ErrorOf([&] { engineless.AddPattern(Pattern(e, "x")); }),
            "Unknown/Undefined Inference Engine");
}

TEST(RuleTest, DisjunctionCompilesToOrOfEqCalls) {
  TRuleTestEngine e;
  e.Template("x", {"color"});
  TRule* rule = e.NewRule("r");
  auto p = std::make_unique<TIEPattern>(e.FindTemplate("x"));
  p->AddTest("color", Atom("red"));
  p->AddTest("color", Atom("blue"), sttEquals, -1, false);
  TIEPattern* added = rule->AddPattern(std::move(p));

  const auto& tests = added->Slots(added->IndexOfSlot("color")).Tests;
  ASSERT_EQ(tests.size(), 2u);
  ASSERT_TRUE(tests[0]->IsVariable());
  std::string var = tests[0]->SlotValue()->Text();
  EXPECT_EQ(var.rfind("_blank_", 0), 0u);
  EXPECT_EQ(tests[1]->SlotValue()->AsText(), "(or (eq red ?" + var + ") (eq blue ?" + var + "))");
  TBinding* binding = rule->BindingOf(var);
  ASSERT_TRUE(binding);
  EXPECT_EQ(binding->SlotIndex(), "color");

  // A leading variable becomes the position variable; "&" runs become `and`
  // and "~" tests `neq`.
  TRule* second = e.NewRule("s");
  auto q = std::make_unique<TIEPattern>(e.FindTemplate("x"));
  q->AddTest("color", Var("c"));
  q->AddTest("color", Atom("red"));
  q->AddTest("color", Atom("pink"), sttNotEquals);
  q->AddTest("color", Atom("blue"), sttEquals, -1, false);
  TIEPattern* other = second->AddPattern(std::move(q));
  const auto& compiled = other->Slots(0).Tests;
  ASSERT_EQ(compiled.size(), 2u);
  EXPECT_EQ(compiled[0]->SlotValue()->Text(), "c");
  EXPECT_EQ(compiled[1]->SlotValue()->AsText(),
            "(or (and (eq red ?c) (neq pink ?c)) (eq blue ?c))");
}

TEST(RuleTest, GoalPatternsGetAFactVariableAndTheNegatedSoughtPattern) {
  TRuleTestEngine e;
  TRule* rule = e.NewRule("goal");
  auto p = Pattern(e, "need-salary");
  p->AddTest(kImpliedSlotName, Var("title"), sttEquals, 0);
  rule->AddPattern(std::move(p));
  ASSERT_EQ(rule->PatternCount(), 2);
  EXPECT_EQ(rule->Patterns(0)->BoundName().rfind("__factidx", 0), 0u);
  EXPECT_EQ(rule->Patterns(1)->Name(), "salary");
  EXPECT_EQ(rule->Patterns(1)->NegatedCount(), 1);
  EXPECT_TRUE(rule->Patterns(1)->BoundName().empty());

  // Copying the patterns skips the generated sought pattern.
  TRule* copy = e.NewRule("copy");
  copy->SetPatterns({rule->Patterns(0), rule->Patterns(1)});
  EXPECT_EQ(copy->PatternCount(), 2);
}

TEST(RuleTest, SlotTestTextsEqualityAndCalls) {
  TRuleTestEngine e;
  TIEPatternMatchTest eq(Atom("red"), sttEquals, 2, true);
  EXPECT_EQ(eq.Text(), "= SubIdx: 2 Slot: red");
  TIEPatternMatchTest same(Atom("red"), sttEquals, 2, true);
  TIEPatternMatchTest other(Atom("red"), sttEquals, 2, false);
  EXPECT_TRUE(eq.Equals(same));
  EXPECT_FALSE(eq.Equals(other));
  TIEPatternMatchTest neq(Atom("red"), sttNotEquals);
  EXPECT_EQ(neq.AsCall(e, Var("v"))->AsText(), "(neq red ?v)");

  IFunCallBase call = e.NewFunctionCall(">");
  e.AddCallArgument(*call, Var("v"));
  e.AddCallArgument(*call, Int(3));
  TIEPatternMatchTest predicate(MakeRef<TIEValue>(call), sttNotEquals);
  EXPECT_EQ(predicate.AsCall(e, Var("v"))->AsText(), "(not (> ?v 3))");

  TIEJoinTest join(sttEquals, 0, "age", -1, "years", -1);
  EXPECT_EQ(join.Text(), "= tstSlot TokenIdx: 0 Left: age Right: years");
  TIEJoinTest element(sttNotEquals, 1, "__Data", 2, "__Data", -1);
  EXPECT_EQ(element.JoinTestType(), tstMultiSlot);
  EXPECT_EQ(element.Text(), "<> tstMultiSlot TokenIdx: 1 Left: __Data 2 Right: __Data -1");
  EXPECT_FALSE(join.Equals(element));
}

TEST(RuleTest, OnFireSeesEveryLeftHandSideVariableAndTheRuleName) {
  TRuleTestEngine e;
  TRule* rule = e.NewRule("display-assessment");
  auto p = Pattern(e, "base-salary");
  p->SetBoundName("f");
  p->AddTest(kImpliedSlotName, Var("title"), sttEquals, 0);
  p->AddTest(kImpliedSlotName, Var("sal"), sttEquals, 1);
  rule->AddPattern(std::move(p));
  rule->AddPattern(Pattern(e, "penalties", 1));
  e.Finish(rule);
  std::map<std::string, std::string> seen;
  rule->SetOnFire([&](TObject& sender, TIEContext& context) {
    EXPECT_EQ(&sender, rule);
    for (const char* name : {"f", "title", "sal", "__RULE"})
      seen[name] = context.GetValue(name)->AsText();
    EXPECT_FALSE(context.FindBinding("_2__blank_1"));
  });
  IFact fact = e.AssertOrdered("base-salary", {Atom("engineer"), Int(5000)});
  EXPECT_EQ(e.Run(), 1);
  EXPECT_EQ(seen["title"], "engineer");
  EXPECT_EQ(seen["sal"], "5000");
  EXPECT_EQ(seen["f"], MakeRef<TIEValue>(fact->ID(), dtFactId)->AsText());
  EXPECT_EQ(seen["__RULE"], "\"display-assessment\"");
  EXPECT_TRUE(rule->Fired());
}

// An engine with the function `note`, which records its argument's text,
// and a maker of calls to it.
struct TNotingEngine : TRuleTestEngine {
  TNotingEngine() {
    RegisterFunction(MakeRef<TLambda>("note", [this](TFunctionCall& c, TIEContext& x) {
      Ran.push_back(c.EvaluateArgument(0, x)->AsText());
      return TrueValue();
    }));
  }
  IFunCallBase Note(const std::string& text) {
    IFunCallBase call = NewFunctionCall("note");
    AddCallArgument(*call, Atom(text));
    return call;
  }
  std::vector<std::string> Ran;
};

TEST(RuleTest, ActionsRunUntilTheContextIsToldToStop) {
  TNotingEngine e;
  std::vector<std::string>& ran = e.Ran;
  e.RegisterFunction(MakeRef<TLambda>("stop", [](TFunctionCall&, TIEContext& x) {
    x.SetReturnValue(Int(1));
    return TrueValue();
  }));
  TRule* rule = e.NewRule("r");
  auto note = [&](const std::string& text) { return e.Note(text); };
  rule->AddAction(note("one"));
  rule->AddAction(e.NewFunctionCall("stop"));
  rule->AddAction(note("two"));
  e.Finish(rule);
  e.Reset();
  EXPECT_EQ(e.Run(), 1);
  EXPECT_EQ(ran, std::vector<std::string>{"one"});
  EXPECT_FALSE(e.Root->ReturnFlag());  // the cleared state went to the root
}

// The actions a firing runs are the rule's once its fire handler is done,
// also when the handler changed them; a list a firing runs is never
// changed under it.
TEST(RuleTest, AFiringRunsTheActionsTheHandlerLeft) {
  TNotingEngine e;
  std::vector<std::string>& ran = e.Ran;
  TRule* rule = e.NewRule("r");
  auto note = [&](const std::string& text) { return e.Note(text); };
  rule->AddAction(note("one"));
  rule->SetOnFire([&](TObject&, TIEContext&) {
    if (ran.empty()) rule->AddAction(note("added"));
  });
  e.Finish(rule);
  e.Reset();
  EXPECT_EQ(e.Run(1), 1);
  EXPECT_EQ(ran, (std::vector<std::string>{"one", "added"}));
  EXPECT_EQ(rule->ActionCount(), 2);
}

// Firings reuse one context: a variable an action bound, also in a firing
// that failed halfway, must not carry over into the next firing.
TEST(RuleTest, EachFiringStartsFromTheRulesOwnVariablesOnly) {
  TRuleTestEngine e;
  std::vector<std::string> seen;
  e.RegisterFunction(MakeRef<TLambda>("note", [&](TFunctionCall&, TIEContext& x) {
    std::string line = x.GetValue("v")->AsText() + " " + std::to_string(x.Bindings().Count());
    if (x.FindBinding("extra")) line += " extra=" + x.GetValue("extra")->AsText();
    seen.push_back(line);
    x.AddBinding("extra", x.GetValue("v"));
    if (x.GetValue("v")->AsText() == "bad") throw EIEException("bad value");
    return TrueValue();
  }));
  TRule* rule = e.NewRule("r");
  auto p = Pattern(e, "item");
  p->SetBoundName("f");
  p->AddTest(kImpliedSlotName, Var("v"), sttEquals, 0);
  rule->AddPattern(std::move(p));
  rule->AddAction(e.NewFunctionCall("note"));
  rule->AddAction(e.NewFunctionCall("note"));
  e.Finish(rule);
  IFact first = e.AssertOrdered("item", {Atom("a")});
  EXPECT_EQ(e.Run(), 1);
  // f, v and __RULE; then the binding the first action made.
  EXPECT_EQ(seen, (std::vector<std::string>{"a 3", "a 4 extra=a"}));
  IFact bad = e.AssertOrdered("item", {Atom("bad")});
  EXPECT_NE(ErrorOf([&] { e.Run(); }).find("bad value"), std::string::npos);
  e.Retract(bad);
  IFact last = e.AssertOrdered("item", {Atom("c")});
  EXPECT_EQ(e.Run(), 1);
  EXPECT_EQ(seen, (std::vector<std::string>{"a 3", "a 4 extra=a", "bad 3", "c 3", "c 4 extra=c"}));
  // The fact-id variable of each firing named its own fact.
  EXPECT_NE(first->ID(), last->ID());
  EXPECT_EQ(rule->BindingOf("f")->Value()->AsFactId(), last->ID());
}

TEST(RuleTest, SalienceExpressionAndChangeNotification) {
  TRuleTestEngine e;
  TRule* rule = e.NewRule("r");
  int changes = 0;
  rule->SetOnChange([&](TObject&) { ++changes; });
  e.Finish(rule);
  rule->SetSalience(10);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(rule->SalienceExpression()->AsInteger(), 10);
  {
    TRule::TUpdateGuard guard(*rule);
    rule->SetSalience(5);
    rule->AddPattern(Pattern(e, "a"));
    EXPECT_EQ(changes, 1);
  }
  EXPECT_EQ(changes, 2);  // one notification for the whole bracket
  rule->SetSalienceExpression(MakeInteger(-5));
  rule->ReEvaluateSalience();
  EXPECT_EQ(rule->Salience(), -5);
  EXPECT_NE(ErrorOf([&] { rule->SetRuleName("bad name"); }).find("bad name"), std::string::npos);
  EXPECT_EQ(rule->RuleName(), "r");
}

}  // namespace
}  // namespace vettora::testing
