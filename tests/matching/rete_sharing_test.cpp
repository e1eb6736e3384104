// Node sharing through the network's indexes: calls in alpha tests, joins
// filed by their inputs, and what happens to both when rules go, come back
// or the whole network is discarded.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "matching/join_node.h"
#include "matching/pattern_match_node.h"
#include "matching_helpers.h"
#include "rule_test_engine.h"

namespace vettora::testing {
namespace {

IIEValue Call(TRuleTestEngine& e, const std::string& fn, std::vector<IIEValue> args) {
  IFunCallBase call = e.NewFunctionCall(fn);
  for (auto& a : args) e.AddCallArgument(*call, a);
  return MakeRef<TIEValue>(call);
}

// A pattern on an implied template: each value tests the field at its
// position (a variable binds it, a call must give TRUE).
std::unique_ptr<TIEPattern> Fields(TRuleTestEngine& e, const std::string& name,
                                   const std::vector<IIEValue>& fields, int32_t negated = 0) {
  auto p = std::make_unique<TIEPattern>(e.FindOrCreateTemplate(name));
  p->SetNegatedCount(negated);
  for (size_t i = 0; i < fields.size(); ++i)
    p->AddTest(kImpliedSlotName, fields[i], sttEquals, int32_t(i));
  return p;
}

TRule* Compile(TRuleTestEngine& e, const std::string& name,
               std::vector<std::unique_ptr<TIEPattern>> patterns) {
  TRule* rule = e.NewRule(name);
  for (auto& p : patterns) rule->AddPattern(std::move(p));
  e.Finish(rule);
  return rule;
}

template <class... P>
std::vector<std::unique_ptr<TIEPattern>> Patterns(P... patterns) {
  std::vector<std::unique_ptr<TIEPattern>> list;
  (list.push_back(std::move(patterns)), ...);
  return list;
}

TRule* CallRule(TRuleTestEngine& e, const std::string& name, const IIEValue& call) {
  return Compile(e, name, Patterns(Fields(e, "x", {call})));
}

// The join a rule's beta chain ends in (the node before its terminal).
TReteNode* LastJoin(TRuleTestEngine& e, const TRule& rule) {
  const auto& nodes = *e.Network->RuleNodes(rule);
  return nodes[nodes.size() - 2];
}

void ExpectActivations(const TRuleTestEngine& e, const std::map<std::string, int>& counts) {
  for (const auto& [rule, count] : counts) EXPECT_EQ(e.CountFor(rule), count) << rule;
}

TEST(ReteSharingTest, EqualCallsShareAnAlphaNodeAndOthersDoNot) {
  TRuleTestEngine e;
  EXPECT_EQ(CallRule(e, "a", Call(e, ">", {Int(5), Int(1)}))->CompilationTrace(), "a: +1+1+t");
  EXPECT_EQ(CallRule(e, "b", Call(e, ">", {Int(5), Int(1)}))->CompilationTrace(), "b: =1+t");
  // Another name, argument, argument kind, argument count or case.
  EXPECT_EQ(CallRule(e, "c", Call(e, "neq", {Int(5), Int(1)}))->CompilationTrace(), "c: +1+t");
  EXPECT_EQ(CallRule(e, "d", Call(e, ">", {Int(5), Int(2)}))->CompilationTrace(), "d: +1+t");
  EXPECT_EQ(CallRule(e, "e", Call(e, ">", {Int(5), MakeFloat(1.0)}))->CompilationTrace(),
            "e: +1+t");
  EXPECT_EQ(CallRule(e, "f", Call(e, ">", {Int(5), Int(1), Int(0)}))->CompilationTrace(),
            "f: +1+t");
  EXPECT_EQ(CallRule(e, "g", Call(e, "neq", {Atom("Red"), Atom("red")}))->CompilationTrace(),
            "g: +1+t");
  EXPECT_EQ(CallRule(e, "h", Call(e, "neq", {Atom("red"), Atom("red")}))->CompilationTrace(),
            "h: +1+t");
  EXPECT_EQ(CallRule(e, "i", Call(e, "neq", {Atom("Red"), Atom("red")}))->CompilationTrace(),
            "i: =1+t");
  // -0.0 equals 0.0; nested calls compare by their contents.
  EXPECT_EQ(CallRule(e, "j", Call(e, ">", {MakeFloat(0.0), Int(1)}))->CompilationTrace(),
            "j: +1+t");
  EXPECT_EQ(CallRule(e, "k", Call(e, ">", {MakeFloat(-0.0), Int(1)}))->CompilationTrace(),
            "k: =1+t");
  IIEValue nested = Call(e, "not", {Call(e, "eq", {Int(2), Int(3)})});
  EXPECT_EQ(CallRule(e, "l", nested)->CompilationTrace(), "l: +1+t");
  EXPECT_EQ(CallRule(e, "m", Call(e, "not", {Call(e, "eq", {Int(2), Int(3)})}))->CompilationTrace(),
            "m: =1+t");
  EXPECT_EQ(CallRule(e, "n", Call(e, "not", {Call(e, "eq", {Int(2), Int(4)})}))->CompilationTrace(),
            "n: +1+t");

  e.AssertOrdered("x", {Int(0)});
  ExpectActivations(e, {{"a", 1}, {"b", 1}, {"g", 1}, {"i", 1}, {"m", 1}, {"h", 0}});
}

TEST(ReteSharingTest, CallsAreSharedBesideValuesTheIndexCannotHash) {
  TRuleTestEngine e;
  // A list argument is compared element by element, not hashed: the root's
  // children are then searched one by one, and the first equal one found.
  IIEValue list = Call(e, "neq", {ListOf({Int(1), Int(2)}), Int(3)});
  EXPECT_EQ(CallRule(e, "a", Call(e, ">", {Int(5), Int(1)}))->CompilationTrace(), "a: +1+1+t");
  TRule* b = CallRule(e, "b", list);
  EXPECT_EQ(b->CompilationTrace(), "b: +1+t");
  TRule* c = CallRule(e, "c", Call(e, "neq", {ListOf({Int(1), Int(2)}), Int(3)}));
  EXPECT_EQ(c->CompilationTrace(), "c: =1+t");
  EXPECT_EQ(CallRule(e, "d", Call(e, ">", {Int(5), Int(1)}))->CompilationTrace(), "d: =1+t");
  // Once the unhashed node is gone, the hashed one is still found.
  e.Network->RemoveRule(*b);
  e.Network->RemoveRule(*c);
  EXPECT_EQ(CallRule(e, "f", Call(e, ">", {Int(5), Int(1)}))->CompilationTrace(), "f: =1+t");
  e.AssertOrdered("x", {Int(0)});
  EXPECT_EQ(e.CountFor("f"), 1);
}

TEST(ReteSharingTest, AlphaCallMadeAgainAfterItsLastUserLeftIsSharedAgain) {
  TRuleTestEngine e;
  TRule* a = CallRule(e, "a", Call(e, ">", {Int(5), Int(1)}));
  TRule* b = CallRule(e, "b", Call(e, ">", {Int(5), Int(1)}));
  e.Network->RemoveRule(*a);
  e.Network->RemoveRule(*b);
  EXPECT_EQ(e.Network->NodeCount(), 0);
  EXPECT_EQ(CallRule(e, "c", Call(e, ">", {Int(5), Int(1)}))->CompilationTrace(), "c: +1+1+t");
  EXPECT_EQ(CallRule(e, "d", Call(e, ">", {Int(5), Int(1)}))->CompilationTrace(), "d: =1+t");
  // A rule compiled again under its name shares what it shared before.
  e.Network->AddRule(*a);
  EXPECT_EQ(a->CompilationTrace(), "a: =1+t");
}

// (a ?x) (<right> ?x): a join whose left input is a's alpha chain.
TRule* JoinRule(TRuleTestEngine& e, const std::string& name, const std::string& right,
                int32_t negated = 0) {
  return Compile(e, name,
                 Patterns(Fields(e, "a", {Var("x")}), Fields(e, right, {Var("x")}, negated)));
}

TEST(ReteSharingTest, JoinsAreSharedOnlyOnTheSameInputsAndInTheirOrder) {
  TRuleTestEngine e;
  TRule* r1 = JoinRule(e, "r1", "b");
  TRule* r2 = JoinRule(e, "r2", "c");
  TRule* r3 = JoinRule(e, "r3", "b");
  TRule* n1 = JoinRule(e, "n1", "b", 1);
  TRule* n2 = JoinRule(e, "n2", "b", 1);
  EXPECT_EQ(r3->CompilationTrace(), "r3: =2+t");
  EXPECT_EQ(LastJoin(e, *r3), LastJoin(e, *r1));
  EXPECT_NE(LastJoin(e, *r2), LastJoin(e, *r1));
  EXPECT_NE(LastJoin(e, *n1), LastJoin(e, *r1));  // negated joins are never shared
  EXPECT_NE(LastJoin(e, *n2), LastJoin(e, *n1));
  // The joins below a's alpha node, in the order they were made.
  TReteNode* left = e.Network->RuleNodes(*r1)->front();
  auto children = [&] {
    std::vector<TReteNode*> list;
    for (int32_t i = 0; i < left->OutDegree(); ++i)
      list.push_back(static_cast<TReteNode*>(left->Edges(i)->ToNode()));
    return list;
  };
  EXPECT_EQ(children(), (std::vector<TReteNode*>{LastJoin(e, *r1), LastJoin(e, *r2),
                                                 LastJoin(e, *n1), LastJoin(e, *n2)}));

  // Once r1 and r3 are gone their join is; the next (a)(b) rule makes one
  // after the others and the one after shares it.
  e.Network->RemoveRule(*r1);
  e.Network->RemoveRule(*r3);
  TRule* r4 = JoinRule(e, "r4", "b");
  TRule* r5 = JoinRule(e, "r5", "b");
  EXPECT_EQ(r4->CompilationTrace(), "r4: +2+t");
  EXPECT_EQ(r5->CompilationTrace(), "r5: =2+t");
  EXPECT_EQ(children(), (std::vector<TReteNode*>{LastJoin(e, *r2), LastJoin(e, *n1),
                                                 LastJoin(e, *n2), LastJoin(e, *r4)}));
  e.AssertOrdered("a", {Int(1)});
  e.AssertOrdered("b", {Int(1)});
  e.AssertOrdered("c", {Int(1)});
  ExpectActivations(e, {{"r4", 1}, {"r5", 1}, {"r2", 1}, {"n1", 0}});
}

// Joins below one pattern node share a right memory exactly when they file
// its facts alike: the same keys and the same number of buckets. Each sees
// the facts as its own memory would, also once a sharer has left.
TEST(ReteSharingTest, JoinsShareARightMemoryOnlyWhenTheyKeyItAlike) {
  TRuleTestEngine e;
  auto JoinOf = [&](TRule* rule) { return static_cast<TJoinNode*>(LastJoin(e, *rule)); };
  TRule* ab = JoinRule(e, "ab", "b");
  TRule* cb = Compile(e, "cb", Patterns(Fields(e, "c", {Var("x")}), Fields(e, "b", {Var("x")})));
  TRule* notb =
      Compile(e, "notb", Patterns(Fields(e, "c", {Var("x")}), Fields(e, "b", {Var("x")}, 1)));
  TRule* free =
      Compile(e, "free", Patterns(Fields(e, "c", {Var("y")}), Fields(e, "b", {Var("x")})));
  e.Network->SetHashKey(53);
  TRule* wide =
      Compile(e, "wide", Patterns(Fields(e, "d", {Var("x")}), Fields(e, "b", {Var("x")})));
  for (int32_t i = 1; i <= 3; ++i) {
    e.AssertOrdered("a", {Int(i)});
    e.AssertOrdered("c", {Int(i)});
    e.AssertOrdered("d", {Int(i)});
  }
  e.AssertOrdered("b", {Int(2)});
  TIETokenTree* shared = JoinOf(ab)->RightMemory();
  ASSERT_TRUE(shared);
  EXPECT_EQ(JoinOf(cb)->RightMemory(), shared);
  EXPECT_EQ(JoinOf(notb)->RightMemory(), shared);
  EXPECT_NE(JoinOf(free)->RightMemory(), shared);  // keyed on nothing
  EXPECT_NE(JoinOf(wide)->RightMemory(), shared);  // other buckets
  EXPECT_EQ(shared->Count(), 1);
  EXPECT_EQ(JoinOf(notb)->RightViewer(), 2);
  ExpectActivations(e, {{"ab", 1}, {"cb", 1}, {"notb", 2}, {"free", 3}, {"wide", 1}});

  // The first sharer leaves: the others move down and go on matching.
  e.Network->RemoveRule(*ab);
  EXPECT_EQ(JoinOf(notb)->RightViewer(), 1);
  e.AssertOrdered("b", {Int(3)});
  EXPECT_EQ(shared->Count(), 2);
  ExpectActivations(e, {{"cb", 2}, {"notb", 1}, {"free", 6}, {"wide", 2}});
}

TEST(ReteSharingTest, DiscardedNetworkIsEmptyAndCompilesAsNewAgain) {
  TRuleTestEngine e;
  std::vector<TRule*> rules;
  for (int i = 0; i < 12; ++i)
    rules.push_back(JoinRule(e, "r" + std::to_string(i), i % 3 == 0 ? "b" : "c"));
  rules.push_back(CallRule(e, "call", Call(e, ">", {Int(5), Int(1)})));
  // Rules taken out and compiled again come later in the compile order.
  e.Network->RemoveRule(*rules[3]);
  e.Network->AddRule(*rules[0]);
  e.Network->AddRule(*rules[3]);
  e.AssertOrdered("a", {Int(1)});
  e.AssertOrdered("c", {Int(1)});
  EXPECT_EQ(e.Agenda.size(), 8u);

  e.Network->SetEnabled(false);
  EXPECT_EQ(e.Network->NodeCount(), 0);
  EXPECT_EQ(e.Network->RootCount(), 0);
  EXPECT_TRUE(e.Agenda.empty());
  for (TRule* rule : rules) EXPECT_FALSE(e.Network->HasRule(*rule));

  e.Network->SetEnabled(true);
  for (TRule* rule : rules) e.Network->AddRule(*rule);
  EXPECT_EQ(rules[0]->CompilationTrace(), "r0: +1+1+2+t");
  EXPECT_EQ(rules[3]->CompilationTrace(), "r3: =2+t");
  EXPECT_EQ(rules[1]->CompilationTrace(), "r1: +1+2+t");
  EXPECT_EQ(rules.back()->CompilationTrace(), "call: +1+1+t");
  EXPECT_EQ(e.Agenda.size(), 8u);  // brought up to date with the facts
}

}  // namespace
}  // namespace vettora::testing
