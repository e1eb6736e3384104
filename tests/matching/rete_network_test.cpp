// The Rete network: sharing and removal, alpha tests, joins (positive,
// negated, exists, unique, test elements), retraction, late rules, fuzzy
// strength, goals, texts.
#include <gtest/gtest.h>

#include "fuzzy/ie_fuzzy_set.h"
#include "matching/join_node.h"
#include "matching/pattern_match_node.h"
#include "matching/terminal_node.h"
#include "matching_helpers.h"
#include "rule_test_engine.h"

namespace vettora::testing {
namespace {

// Builds a rule from patterns, compiled when done.
class TRuleBuilder {
 public:
  TRuleBuilder(TRuleTestEngine& e, const std::string& name) : FEngine(e), FRule(e.NewRule(name)) {}
  // A pattern on an implied template with fields (sub-index = position).
  TRuleBuilder& Ordered(const std::string& name, const std::vector<IIEValue>& fields,
                        int32_t negated = 0) {
    auto p = std::make_unique<TIEPattern>(FEngine.FindOrCreateTemplate(name));
    p->SetNegatedCount(negated);
    for (size_t i = 0; i < fields.size(); ++i)
      p->AddTest(kImpliedSlotName, fields[i], sttEquals, int32_t(i));
    p->SetSlotLength(kImpliedSlotName, int32_t(fields.size()));
    FRule->AddPattern(std::move(p));
    return *this;
  }
  TRuleBuilder& Add(std::unique_ptr<TIEPattern> p) {
    FRule->AddPattern(std::move(p));
    return *this;
  }
  TRule* Done() {
    FEngine.Finish(FRule);
    return FRule;
  }

 private:
  TRuleTestEngine& FEngine;
  TRule* FRule;
};

IIEValue CallOf(TRuleTestEngine& e, const std::string& fn, std::vector<IIEValue> args) {
  IFunCallBase call = e.NewFunctionCall(fn);
  for (auto& a : args) e.AddCallArgument(*call, a);
  return MakeRef<TIEValue>(call);
}

TEST(ReteNetworkTest, RulesShareAlphaChainsAndKeepThemUntilTheLastUserGoes) {
  TRuleTestEngine e;
  TRule* r1 = TRuleBuilder(e, "r1").Ordered("x", {Atom("red")}).Done();
  TRule* r2 = TRuleBuilder(e, "r2").Ordered("x", {Atom("red")}).Done();
  EXPECT_EQ(r1->CompilationTrace(), "r1: +1+1+1+t");  // root, length, constant, terminal
  EXPECT_EQ(r2->CompilationTrace(), "r2: =1=1+t");    // the shared root leaves no mark
  const auto& nodes = *e.Network->RuleNodes(*r2);
  ASSERT_EQ(nodes.size(), 4u);
  EXPECT_EQ(nodes[2]->RuleUseCount(), 2);

  e.AssertOrdered("x", {Atom("red")});
  EXPECT_EQ(e.CountFor("r1"), 1);
  EXPECT_EQ(e.CountFor("r2"), 1);

  e.Network->RemoveRule(*r1);
  EXPECT_EQ(e.CountFor("r1"), 0);
  EXPECT_EQ(nodes[0]->RuleUseCount(), 1);
  EXPECT_EQ(nodes[2]->RuleUseCount(), 1);
  EXPECT_EQ(e.Network->RootCount(), 1);
  e.AssertOrdered("x", {Atom("red"), Atom("big")});  // wrong length
  e.AssertOrdered("x", {Atom("blue")});
  EXPECT_EQ(e.CountFor("r2"), 1);

  e.DeleteRule(r2);  // destroying a rule takes it out of the network
  EXPECT_EQ(e.Network->RootCount(), 0);
  EXPECT_EQ(e.Network->NodeCount(), 0);
  EXPECT_TRUE(e.Agenda.empty());
}

TEST(ReteNetworkTest, AlphaTestsAreSharedByKindAndValueAmongManyRules) {
  TRuleTestEngine e;
  std::vector<TRule*> rules;
  for (int i = 0; i < 40; ++i)
    rules.push_back(TRuleBuilder(e, "r" + std::to_string(i)).Ordered("x", {Int(i % 4)}).Done());
  EXPECT_EQ(rules[3]->CompilationTrace(), "r3: =1+1+t");
  EXPECT_EQ(rules[7]->CompilationTrace(), "r7: =1=1+t");
  EXPECT_EQ(e.Network->NodeCount(), 1 + 1 + 4 + 40);
  // A float is never equal to an integer; an atom never to a string.
  TRule* real = TRuleBuilder(e, "real").Ordered("x", {MakeFloat(1.0)}).Done();
  EXPECT_EQ(real->CompilationTrace(), "real: =1+1+t");
  TRule* text = TRuleBuilder(e, "text").Ordered("x", {MakeString("1")}).Done();
  TRule* atom = TRuleBuilder(e, "atom").Ordered("x", {Atom("1")}).Done();
  EXPECT_EQ(text->CompilationTrace(), "text: =1+1+t");
  EXPECT_EQ(atom->CompilationTrace(), "atom: =1+1+t");
  // A node made again after its last user left is found again.
  for (int i = 1; i < 40; i += 4) e.Network->RemoveRule(*rules[size_t(i)]);
  TRule* again = TRuleBuilder(e, "again").Ordered("x", {Int(1)}).Done();
  EXPECT_EQ(again->CompilationTrace(), "again: =1+1+t");
  TRule* shared = TRuleBuilder(e, "shared").Ordered("x", {Int(1)}).Done();
  EXPECT_EQ(shared->CompilationTrace(), "shared: =1=1+t");
  e.AssertOrdered("x", {Int(1)});
  e.AssertOrdered("x", {MakeFloat(1.0)});
  EXPECT_EQ(e.CountFor("again"), 1);
  EXPECT_EQ(e.CountFor("shared"), 1);
  EXPECT_EQ(e.CountFor("real"), 1);
  EXPECT_EQ(e.CountFor("r5"), 0);
  EXPECT_EQ(e.CountFor("r9"), 0);
}

TEST(ReteNetworkTest, OnlyTheFactsOwnTemplateMatches) {
  TRuleTestEngine e;
  IFactTemplate base = e.Template("salary", {"amount"});
  IFactTemplate goal = e.Template("need-salary", {"amount"});
  goal->SetParent(base);
  auto p = std::make_unique<TIEPattern>(base);
  p->AddTest("amount", Var("a"));
  TRuleBuilder(e, "r").Add(std::move(p)).Done();
  e.Assert(goal, {{"amount", Int(5)}});
  EXPECT_TRUE(e.Agenda.empty());
  e.Assert(base, {{"amount", Int(5)}});
  EXPECT_EQ(e.CountFor("r"), 1);
}

TEST(ReteNetworkTest, NegatedPatternIsBlockedByEachMatchingFact) {
  TRuleTestEngine e;
  IFactTemplate b = e.Template("b", {"v", "n"});
  auto neg = std::make_unique<TIEPattern>(b);
  neg->SetNegatedCount(1);
  neg->AddTest("v", Var("v"));
  TRuleBuilder(e, "r").Ordered("a", {Var("v")}).Add(std::move(neg)).Done();
  IFact b1 = e.Assert(b, {{"v", Int(1)}, {"n", Int(1)}});
  IFact b2 = e.Assert(b, {{"v", Int(1)}, {"n", Int(2)}});
  e.Assert(b, {{"v", Int(9)}, {"n", Int(3)}});
  e.AssertOrdered("a", {Int(1)});
  e.AssertOrdered("a", {Int(2)});
  EXPECT_EQ(e.AgendaText(), std::vector<std::string>{"r: f-4, f--2"});
  e.Retract(b1);
  EXPECT_EQ(e.CountFor("r"), 1);
  e.Retract(b2);
  EXPECT_EQ(e.CountFor("r"), 2);
  e.Assert(b, {{"v", Int(2)}, {"n", Int(4)}});  // blocks a 2 again
  EXPECT_EQ(e.AgendaText(), std::vector<std::string>{"r: f-3, f--2"});
}

// A negated pattern (not (b ?y&:(> ?y ?x))) after (a ?x).
std::unique_ptr<TIEPattern> NotGreater(TRuleTestEngine& e, const std::string& name) {
  auto p = std::make_unique<TIEPattern>(e.FindOrCreateTemplate(name));
  p->SetNegatedCount(1);
  p->AddTest(kImpliedSlotName, Var("y"), sttEquals, 0);
  p->AddTest(kImpliedSlotName, CallOf(e, ">", {Var("y"), Var("x")}), sttEquals, 0);
  p->SetSlotLength(kImpliedSlotName, 1);
  return p;
}

TJoinNode* LastJoin(TRuleTestEngine& e, TRule& rule) {
  return dynamic_cast<TJoinNode*>(e.Network->TerminalOf(rule)->InEdges(0)->FromNode());
}

TEST(ReteNetworkTest, NegatedJoinStaysBlockedUntilItsLastBlockerLeaves) {
  TRuleTestEngine e;
  IFactTemplate b = e.Template("b", {"v", "n"});
  auto neg = std::make_unique<TIEPattern>(b);
  neg->SetNegatedCount(1);
  neg->AddTest("v", Var("v"));
  TRule* rule = TRuleBuilder(e, "r").Ordered("a", {Var("v")}).Add(std::move(neg)).Done();
  TJoinNode* join = LastJoin(e, *rule);
  ASSERT_TRUE(join);
  e.AssertOrdered("a", {Int(1)});
  IFact oldest = e.Assert(b, {{"v", Int(1)}, {"n", Int(1)}});
  IFact middle = e.Assert(b, {{"v", Int(1)}, {"n", Int(2)}});
  IFact newest = e.Assert(b, {{"v", Int(1)}, {"n", Int(3)}});
  // The printed memory counts every blocker, though the join keeps one.
  EXPECT_NE(join->Text().find("negcnt=3"), std::string::npos);
  e.Retract(newest);
  e.Retract(oldest);
  EXPECT_EQ(e.CountFor("r"), 0);
  EXPECT_NE(join->Text().find("negcnt=1"), std::string::npos);
  // Arrives while the match is blocked; found when the blocker leaves.
  IFact late = e.Assert(b, {{"v", Int(1)}, {"n", Int(4)}});
  e.Retract(middle);
  EXPECT_EQ(e.CountFor("r"), 0);
  e.Retract(late);
  EXPECT_EQ(e.AgendaText(), std::vector<std::string>{"r: f-0, f--2"});
  EXPECT_NE(join->Text().find("negcnt=0"), std::string::npos);
}

TEST(ReteNetworkTest, NegatedComparisonFindsBlockersOnBothSidesOfTheLastOne) {
  TRuleTestEngine e;
  TRule* rule = TRuleBuilder(e, "top").Ordered("n", {Var("x")}).Add(NotGreater(e, "b")).Done();
  IFact five = e.AssertOrdered("b", {Int(5)});
  e.AssertOrdered("b", {Int(1)});
  e.AssertOrdered("b", {Int(2)});
  e.AssertOrdered("n", {Int(3)});  // 2 and 1 fail, 5 blocks
  IFact nine = e.AssertOrdered("b", {Int(9)});
  e.Retract(five);  // 2 and 1 need no second look; 9 blocks
  EXPECT_EQ(e.CountFor("top"), 0);
  IFact four = e.AssertOrdered("b", {Int(4)});
  e.Retract(nine);
  EXPECT_EQ(e.CountFor("top"), 0);
  e.Retract(four);
  EXPECT_EQ(e.CountFor("top"), 1);
  e.AssertOrdered("b", {Int(0)});
  EXPECT_EQ(e.CountFor("top"), 1);
  e.AssertOrdered("b", {Int(7)});
  EXPECT_EQ(e.CountFor("top"), 0);
  EXPECT_NE(LastJoin(e, *rule)->Text().find("negcnt=1"), std::string::npos);
}

// A negated join without an equality test searches its whole memory
// bucket by bucket; a blocker found in a higher bucket says nothing of
// newer facts in lower buckets, which the search never reached.
TEST(ReteNetworkTest, WholeMemoryBlockerSearchResumesOnlyWhereItLooked) {
  TRuleTestEngine e;
  e.Network->SetHashKey(2);  // odd fact ids in bucket 1, even ones in bucket 0
  TRule* rule = TRuleBuilder(e, "top").Ordered("n", {Var("x")}).Add(NotGreater(e, "b")).Done();
  TJoinNode* join = LastJoin(e, *rule);
  e.AssertOrdered("pad", {Int(0)});
  IFact high = e.AssertOrdered("b", {Int(9)});  // id 1: found first
  IFact low = e.AssertOrdered("b", {Int(8)});   // id 2: newer, in the lower bucket
  e.AssertOrdered("n", {Int(3)});
  EXPECT_EQ(e.CountFor("top"), 0);
  e.Retract(high);
  EXPECT_EQ(e.CountFor("top"), 0);
  EXPECT_EQ(join->BlockerFault(), "");
  IFact later = e.AssertOrdered("b", {Int(7)});  // arrives while blocked
  e.Retract(low);
  EXPECT_EQ(e.CountFor("top"), 0);
  e.Retract(later);
  EXPECT_EQ(e.CountFor("top"), 1);
  EXPECT_EQ(join->BlockerFault(), "");
}

TEST(ReteNetworkTest, PartialMatchBlockedByItsOwnFactNeverActivatesOnRetraction) {
  TRuleTestEngine e;
  TRuleBuilder(e, "r").Ordered("n", {Var("x")}).Ordered("n", {Var("x")}, 1).Done();
  IFact five = e.AssertOrdered("n", {Int(5)});
  IFact seven = e.AssertOrdered("n", {Int(7)});
  EXPECT_TRUE(e.Agenda.empty());
  e.Log.clear();
  e.Retract(seven);
  e.Retract(five);
  for (const std::string& line : e.Log) EXPECT_NE(line[0], '+') << line;
  EXPECT_TRUE(e.Agenda.empty());
}

TEST(ReteNetworkTest, ExistsPassesOncePerPartialMatch) {
  TRuleTestEngine e;
  TRuleBuilder(e, "r").Ordered("a", {Var("v")}).Ordered("b", {Var("v")}, 2).Done();
  e.AssertOrdered("a", {Int(1)});
  e.AssertOrdered("a", {Int(3)});
  EXPECT_TRUE(e.Agenda.empty());
  IFact b1 = e.AssertOrdered("b", {Int(1)});
  IFact other = e.AssertOrdered("b", {Int(2)});
  EXPECT_EQ(e.AgendaText(), std::vector<std::string>{"r: f-0, f--2"});
  IFact b2 = e.AssertOrdered("b", {Int(1), Atom("x")});  // wrong length: no match
  IFact b3 = e.AssertOrdered("b", {Int(1)});             // a duplicate: not asserted
  EXPECT_EQ(b3->ID(), -1);
  e.Retract(other);
  EXPECT_EQ(e.CountFor("r"), 1);
  e.Retract(b1);
  EXPECT_EQ(e.CountFor("r"), 0);
}

// A rule's activations are found by looking through them while they are
// few and through an index once there are many; the index is made and let
// go of as the count crosses over. Either way a retraction takes out
// exactly its own activation, from anywhere in the list, and the rest keep
// the order they were made in.
TEST(ReteNetworkTest, ActivationsLeaveFromAnywhereInAListOfAnyLength) {
  TRuleTestEngine e;
  TRule* rule = TRuleBuilder(e, "r").Ordered("n", {Var("x")}).Done();
  TPatternMatchTerminalNode* terminal = e.Network->TerminalOf(*rule);
  auto listed = [&] {
    std::vector<std::string> ids;
    for (TActivation* a : terminal->Activations()) ids.push_back(a->Token()->FactList());
    return ids;
  };
  for (int round = 0; round < 2; ++round) {
    std::vector<IFact> facts;
    std::vector<std::string> expected;
    for (int i = 0; i < 20; ++i) facts.push_back(e.AssertOrdered("n", {Int(i)}));
    for (const IFact& f : facts) expected.push_back("f-" + std::to_string(f->ID()));
    ASSERT_EQ(listed(), expected);
    for (int i : {10, 0, 19, 5, 6, 7, 8, 9, 11, 1, 2, 18, 3}) {
      e.Retract(facts[size_t(i)]);
      std::erase(expected, "f-" + std::to_string(facts[size_t(i)]->ID()));
      ASSERT_EQ(listed(), expected) << "after retracting element " << i;
    }
    e.Retract(facts[4]);
    EXPECT_EQ(e.CountFor("r"), 6);
    for (int i : {12, 13, 14, 15, 16, 17}) e.Retract(facts[size_t(i)]);
    EXPECT_TRUE(listed().empty());
    EXPECT_TRUE(e.Agenda.empty());
  }
}

TEST(ReteNetworkTest, RetractionRemovesExactlyTheDependentActivations) {
  TRuleTestEngine e;
  TRuleBuilder(e, "r").Ordered("a", {Var("x")}).Ordered("b", {Var("x")}).Done();
  std::vector<IFact> bs;
  for (int i = 0; i < 3; ++i) e.AssertOrdered("a", {Int(i)});
  for (int i = 0; i < 3; ++i) bs.push_back(e.AssertOrdered("b", {Int(i)}));
  EXPECT_EQ(e.Agenda.size(), 3u);
  e.Log.clear();
  e.Retract(bs[1]);
  EXPECT_EQ(e.Log, std::vector<std::string>{"-r f-1, f-4"});
  EXPECT_EQ(e.AgendaText(), (std::vector<std::string>{"r: f-2, f-5", "r: f-0, f-3"}));
}

TEST(ReteNetworkTest, MatchesMadeByARightFactFollowTheLeftMemoryOrder) {
  TRuleTestEngine e;
  TRuleBuilder(e, "r").Ordered("a", {Var("x"), Var("y")}).Ordered("b", {Var("x")}).Done();
  e.AssertOrdered("a", {Int(1), Int(10)});
  e.AssertOrdered("a", {Int(2), Int(20)});
  e.AssertOrdered("a", {Int(1), Int(30)});
  e.Log.clear();
  e.AssertOrdered("b", {Int(1)});
  EXPECT_EQ(e.Log, (std::vector<std::string>{"+r f-0, f-3", "+r f-2, f-3"}));
  auto* join =
      dynamic_cast<TJoinNode*>(e.Network->TerminalOf(*e.Agenda[0]->Rule())->InEdges(0)->FromNode());
  ASSERT_TRUE(join);
  ASSERT_TRUE(join->KeyTest());
  EXPECT_EQ(join->KeyTest()->Text(), "= tstMultiSlot TokenIdx: 0 Left: __Data 0 Right: __Data 0");
}

TEST(ReteNetworkTest, RuleAddedLateCatchesUpAndRemakesSharedActivations) {
  TRuleTestEngine e;
  TRuleBuilder(e, "first").Ordered("a", {Var("x")}).Done();
  e.AssertOrdered("a", {Int(1)});
  e.AssertOrdered("a", {Int(2)});
  EXPECT_EQ(e.Run(1), 1);  // fires first f-1
  e.Log.clear();
  TRuleBuilder(e, "second").Ordered("a", {Var("y")}).Done();
  EXPECT_EQ(e.CountFor("second"), 2);
  // Both facts went through the shared root again: the fired activation of
  // `first` is back too.
  EXPECT_EQ(e.CountFor("first"), 2);
  EXPECT_EQ(e.Log.front(), "-first f-0");
}

TEST(ReteNetworkTest, DisabledRulesGetNoNewActivationsButLoseOldOnes) {
  TRuleTestEngine e;
  TRule* rule = TRuleBuilder(e, "r").Ordered("a", {Var("x")}).Done();
  IFact first = e.AssertOrdered("a", {Int(1)});
  rule->SetEnabled(false);
  e.AssertOrdered("a", {Int(2)});
  EXPECT_EQ(e.CountFor("r"), 1);
  e.Retract(first);
  EXPECT_EQ(e.CountFor("r"), 0);

  rule->SetEnabled(true);
  e.AssertOrdered("a", {Int(3)});
  EXPECT_EQ(e.CountFor("r"), 1);
  e.Network->SetEnabled(false);  // discards everything
  EXPECT_EQ(e.CountFor("r"), 0);
  EXPECT_EQ(e.Network->NodeCount(), 0);
  e.AssertOrdered("a", {Int(4)});
  EXPECT_TRUE(e.Agenda.empty());
  e.Network->AddRule(*rule);  // ignored while disabled
  EXPECT_FALSE(e.Network->HasRule(*rule));
}

TEST(ReteNetworkTest, OneShotRuleFiresOncePerReset) {
  TRuleTestEngine e;
  TRule* rule = TRuleBuilder(e, "r").Ordered("a", {Var("x")}).Done();
  rule->SetOneShot(true);
  e.Reset();
  e.AssertOrdered("a", {Int(1)});
  EXPECT_EQ(e.Run(), 1);
  e.AssertOrdered("a", {Int(2)});
  EXPECT_TRUE(e.Agenda.empty());
  e.Reset();
  e.AssertOrdered("a", {Int(3)});
  EXPECT_EQ(e.Run(), 1);
}

TEST(ReteNetworkTest, MultifieldVariableTakesTheSplitThatLeavesTheWrittenSuffix) {
  TRuleTestEngine e;
  TRule* rule = TRuleBuilder(e, "r").Ordered("items", {Atom("a"), MultiVar("b"), Atom("c")}).Done();
  std::string bound;
  rule->SetOnFire([&](TObject&, TIEContext& c) { bound = c.GetValue("b")->AsText(); });
  e.AssertOrdered("items", {Atom("a"), Int(1), Int(2), Atom("c")});
  e.AssertOrdered("items", {Atom("a"), Atom("c")});
  e.AssertOrdered("items", {Atom("a"), Int(1), Atom("d")});
  ASSERT_EQ(e.Agenda.size(), 2u);
  e.Run(1);
  EXPECT_EQ(bound, "");  // newest first: (a c) with an empty ?b
  e.Run(1);
  EXPECT_EQ(bound, "1 2 ");
}

TEST(ReteNetworkTest, RepeatedVariableInOnePatternComparesTheFields) {
  TRuleTestEngine e;
  TRuleBuilder(e, "pair").Ordered("pair", {Var("x"), Var("x")}).Done();
  e.AssertOrdered("pair", {Int(1), Int(2)});
  EXPECT_TRUE(e.Agenda.empty());
  e.AssertOrdered("pair", {Int(3), Int(3)});
  EXPECT_EQ(e.CountFor("pair"), 1);
}

TEST(ReteNetworkTest, TestElementsAndCallsInPatterns) {
  TRuleTestEngine e;
  auto test = std::make_unique<TIEPattern>(e.FindOrCreateTemplate("test"));
  test->AddTest(kImpliedSlotName, CallOf(e, ">", {Var("x"), Int(3)}));
  TRule* rule = TRuleBuilder(e, "r")
                    .Ordered("a", {Var("x")})
                    .Add(std::move(test))
                    .Ordered("b", {Var("x")})
                    .Done();
  EXPECT_EQ(rule->PatternCount(), 3);
  e.AssertOrdered("a", {Int(2)});
  e.AssertOrdered("a", {Int(5)});
  e.AssertOrdered("b", {Int(2)});
  e.AssertOrdered("b", {Int(5)});
  EXPECT_EQ(e.AgendaText(), std::vector<std::string>{"r: f-1, f--2, f-3"});

  // A call using only its own pattern's variable is an alpha test.
  auto p = std::make_unique<TIEPattern>(e.FindOrCreateTemplate("c"));
  p->AddTest(kImpliedSlotName, Var("y"), sttEquals, 0);
  p->AddTest(kImpliedSlotName, CallOf(e, ">", {Var("y"), Int(10)}), sttEquals, 0);
  TRule* alpha = TRuleBuilder(e, "alpha").Add(std::move(p)).Done();
  EXPECT_EQ(alpha->CompilationTrace(), "alpha: +1+1+t");
  e.AssertOrdered("c", {Int(5)});
  e.AssertOrdered("c", {Int(50)});
  EXPECT_EQ(e.CountFor("alpha"), 1);
}

TEST(ReteNetworkTest, UniqueJoinPassesOneMatchPerPartialMatch) {
  TRuleTestEngine e;
  e.AssertOrdered("b", {Int(1), Atom("p")});
  e.AssertOrdered("b", {Int(1), Atom("q")});
  auto p = std::make_unique<TIEPattern>(e.FindOrCreateTemplate("b"));
  p->AddTest(kImpliedSlotName, Var("x"), sttEquals, 0);
  p->AddTest(kImpliedSlotName, Var("y"), sttEquals, 1);
  p->SetUnique(true);
  TRuleBuilder(e, "r").Ordered("a", {Var("x")}).Add(std::move(p)).Done();
  e.AssertOrdered("a", {Int(1)});
  EXPECT_EQ(e.AgendaText(), std::vector<std::string>{"r: f-2, f-0"});
}

TEST(ReteNetworkTest, FuzzyMatchesBelowMinActivationStrengthAreDropped) {
  TRuleTestEngine e;
  e.Network->SetMinActivationStrength(0.3f);
  auto set = MakeRef<TIEFuzzySet>();
  set->Triangle(0, 10, 20);
  IFactTemplate t = e.Template("temp", {"value"});
  auto p = std::make_unique<TIEPattern>(t);
  p->AddTest("value", MakeRef<TIEValue>(IFuzzySetBase(set)));
  TRuleBuilder(e, "warm").Add(std::move(p)).Done();
  e.Assert(t, {{"value", Int(5)}});   // degree 0.5
  e.Assert(t, {{"value", Int(1)}});   // degree 0.1
  e.Assert(t, {{"value", Int(10)}});  // degree 1
  ASSERT_EQ(e.Agenda.size(), 2u);
  EXPECT_FLOAT_EQ(e.Agenda[0]->Strength(), 1.0f);
  EXPECT_FLOAT_EQ(e.Agenda[1]->Strength(), 0.5f);
  EXPECT_EQ(e.Agenda[1]->Text(), "0 warm : f-0 (0.5000)");
}

TEST(ReteNetworkTest, BackwardChainingQueuesAGoalFact) {
  TRuleTestEngine e;
  IFactTemplate salary = e.FindOrCreateTemplate("salary");
  salary->SetBackwardChaining(true);
  TRuleBuilder(e, "r").Ordered("job", {Var("t")}).Ordered("salary", {Var("t"), Var("s")}).Done();
  e.AssertOrdered("job", {Atom("engineer")});
  IFactTemplate need = e.FindTemplate("need-salary");
  ASSERT_TRUE(need);
  ASSERT_EQ(e.Facts.Count(), 2);
  EXPECT_EQ(e.Facts.Items(1)->Template(), need);
  IValueVector fields = e.Facts.Items(1)->GetSlotValue(kImpliedSlotName)->AsList();
  ASSERT_EQ(fields->Count(), 2);
  EXPECT_EQ(fields->Items(0)->AsText(), "engineer");
  EXPECT_EQ(fields->Items(1), NilValue());
  e.AssertOrdered("salary", {Atom("engineer"), Int(100)});
  EXPECT_EQ(e.CountFor("r"), 1);
}

TEST(ReteNetworkTest, ClearingTokenEmptiesMemoriesAndAgenda) {
  TRuleTestEngine e;
  TRule* rule = TRuleBuilder(e, "r").Ordered("a", {Var("x")}).Ordered("b", {Var("x")}).Done();
  e.AssertOrdered("a", {Int(1)});
  e.AssertOrdered("b", {Int(1)});
  EXPECT_EQ(e.Agenda.size(), 1u);
  e.Facts.Clear();
  EXPECT_TRUE(e.Agenda.empty());
  auto* terminal = e.Network->TerminalOf(*rule);
  auto* join = dynamic_cast<TJoinNode*>(terminal->InEdges(0)->FromNode());
  EXPECT_EQ(join->LeftMemory()->Count(), 0);
  EXPECT_EQ(join->RightMemory()->Count(), 0);
}

TEST(ReteNetworkTest, NodeTextsAndTreeView) {
  TRuleTestEngine e;
  TRuleBuilder(e, "r").Ordered("a", {Var("x")}).Ordered("b", {Var("x")}, 1).Done();
  e.AssertOrdered("a", {Int(7)});
  auto items = e.Network->TreeItems();
  ASSERT_FALSE(items.empty());
  EXPECT_EQ(items[0].Depth, 0);
  EXPECT_EQ(
      items[0].Label,
      "TPatternMatchNode0 In/Out#: 0/1 RuleUse: 1 Value: a Test: pmtTestClassType Args: (0, 0)");
  EXPECT_EQ(items[1].Label,
            "ctSingle TPatternMatchNode1 In/Out#: 1/1 RuleUse: 1 Value:  Test: "
            "pmtTestMultiSlotLength Args: (__Data, 1, 0)");
  bool sawJoin = false;
  for (const auto& item : items)
    if (item.Label.rfind("ctLeft TJoinNode", 0) == 0) {
      sawJoin = true;
      EXPECT_NE(item.Label.find(" NumTests: 1 (= tstMultiSlot TokenIdx: 0 Left: __Data 0 Right: "
                                "__Data 0) *NEGATED* Left Memory: taAdd cnt=1 negcnt=0"),
                std::string::npos);
    }
  EXPECT_TRUE(sawJoin);
  EXPECT_EQ(items.back().Label.find("ctActivate TPatternMatchTerminalNode"), 0u);
  EXPECT_NE(items.back().Label.find(" Rule: r"), std::string::npos);
  EXPECT_EQ(ErrorOf([&] { e.Network->SetHashKey(0); }),
            "Token memory needs at least one bucket (0)");
  EXPECT_EQ(e.Network->HashKey(), 101);
}

TEST(ReteNetworkTest, CompilationErrorsLeaveNoNodes) {
  TRuleTestEngine e;
  TRule* rule = e.NewRule("bad");
  auto p = std::make_unique<TIEPattern>(e.FindOrCreateTemplate("a"));
  p->AddTest(kImpliedSlotName, CallOf(e, ">", {Var("nowhere"), Int(1)}), sttEquals, 0);
  rule->AddPattern(std::move(p));
  rule->EndUpdate();
  EXPECT_EQ(ErrorOf([&] { e.Network->AddRule(*rule); }), "Unknown variable name: nowhere");
  EXPECT_FALSE(e.Network->HasRule(*rule));
  EXPECT_EQ(e.Network->NodeCount(), 0);
  e.Globals.insert("nowhere");
  e.Network->AddRule(*rule);
  EXPECT_TRUE(e.Network->HasRule(*rule));
}

}  // namespace
}  // namespace vettora::testing
