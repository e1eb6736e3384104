// Constant tests found by hashing: many rules testing one slot (or one
// element of an ordered fact) against their own constants must still see
// exactly the facts they would see one by one, as facts change, rules come
// and go and templates change their slots.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "matching/pattern.h"
#include "matching_helpers.h"
#include "rule_test_engine.h"

namespace vettora::testing {
namespace {

class ReteDispatchTest : public ::testing::Test {
 protected:
  // A rule on `item` whose slot k must equal `k`.
  TRule* OnK(const std::string& name, const IIEValue& k) {
    TRule* rule = E.NewRule(name);
    auto p = std::make_unique<TIEPattern>(Items);
    p->AddTest("k", k);
    rule->AddPattern(std::move(p));
    E.Finish(rule);
    return rule;
  }
  // Rules k-0 ... k-(n-1), one per integer.
  void IntegerRules(int n) {
    for (int i = 0; i < n; ++i) Rules.push_back(OnK("k-" + std::to_string(i), Int(i)));
  }
  IFact Item(const IIEValue& k, const std::string& tag = "first") {
    return E.Assert(Items, {{"k", k}, {"tag", Atom(tag)}});
  }

  TRuleTestEngine E;
  IFactTemplate Items = E.Template("item", {"k", "tag"});
  std::vector<TRule*> Rules;
};

TEST_F(ReteDispatchTest, EachValueReachesTheRulesOfItsOwnConstant) {
  IntegerRules(12);
  OnK("float-3", MakeFloat(3.0));
  OnK("atom-3", Atom("3"));
  OnK("string-s", MakeString("s"));
  OnK("atom-s", Atom("s"));
  OnK("negative-zero", MakeFloat(-0.0));
  OnK("again-5", Int(5));
  TRule* any = E.NewRule("any");
  auto p = std::make_unique<TIEPattern>(Items);
  p->AddTest("k", Var("k"));
  any->AddPattern(std::move(p));
  E.Finish(any);

  Item(Int(3));
  Item(MakeFloat(3.0));
  Item(Atom("s"));
  Item(MakeFloat(0.0));  // equal to -0.0
  Item(Int(5));
  Item(Int(99));  // no constant of its own
  EXPECT_EQ(E.CountFor("k-3"), 1);
  EXPECT_EQ(E.CountFor("float-3"), 1);
  EXPECT_EQ(E.CountFor("atom-3"), 0);
  EXPECT_EQ(E.CountFor("atom-s"), 1);
  EXPECT_EQ(E.CountFor("string-s"), 0);
  EXPECT_EQ(E.CountFor("negative-zero"), 1);
  EXPECT_EQ(E.CountFor("k-0"), 0);
  EXPECT_EQ(E.CountFor("k-5"), 1);
  EXPECT_EQ(E.CountFor("again-5"), 1);
  EXPECT_EQ(E.CountFor("any"), 6);
  EXPECT_EQ(int(E.Agenda.size()), 12);
}

TEST_F(ReteDispatchTest, RetractsAndModifiesLeaveNoActivationBehind) {
  IntegerRules(10);
  IFact three = Item(Int(3));
  IFact four = Item(Int(4));
  EXPECT_EQ(E.CountFor("k-3"), 1);
  // A modify: the fact leaves with its old constant, comes back with another's.
  E.Retract(three);
  IFact moved = Item(Int(7));
  EXPECT_EQ(E.CountFor("k-3"), 0);
  EXPECT_EQ(E.CountFor("k-7"), 1);
  E.Retract(four);
  E.Retract(moved);
  EXPECT_TRUE(E.Agenda.empty());
}

TEST_F(ReteDispatchTest, RulesAddedAndRemovedWhileFactsAreListed) {
  IntegerRules(10);
  for (int i = 0; i < 10; ++i) Item(Int(i));
  TRule* late = OnK("late-4", Int(4));
  EXPECT_EQ(E.CountFor("late-4"), 1);
  E.DeleteRule(late);
  EXPECT_EQ(E.CountFor("late-4"), 0);
  EXPECT_EQ(E.CountFor("k-4"), 1);
  E.DeleteRule(Rules[2]);
  Item(Int(2), "second");
  Item(Int(4), "second");
  EXPECT_EQ(E.CountFor("k-2"), 0);
  EXPECT_EQ(E.CountFor("k-4"), 2);
  EXPECT_EQ(int(E.Agenda.size()), 10);
}

TEST_F(ReteDispatchTest, ATemplateThatChangesItsSlotsIsStillDispatchedByName) {
  IntegerRules(10);
  IFact before = Item(Int(6));
  // "a" sorts before "k": k moves to another position.
  Items->AddSlot("a", NilValue());
  IFact after = Item(Int(6), "second");
  EXPECT_EQ(E.CountFor("k-6"), 2);
  E.Retract(before);
  E.Retract(after);
  EXPECT_TRUE(E.Agenda.empty());
}

TEST_F(ReteDispatchTest, OrderedFactsAreDispatchedByTheirElement) {
  for (int i = 0; i < 10; ++i) {
    TRule* rule = E.NewRule("n-" + std::to_string(i));
    auto p = std::make_unique<TIEPattern>(E.FindOrCreateTemplate("n"));
    p->AddTest(kImpliedSlotName, Int(i), sttEquals, 0);
    p->AddTest(kImpliedSlotName, Var("rest"), sttEquals, 1);
    p->SetSlotLength(kImpliedSlotName, 2);
    rule->AddPattern(std::move(p));
    E.Finish(rule);
  }
  IFact one = E.AssertOrdered("n", {Int(1), Int(9)});
  E.AssertOrdered("n", {Int(9), Int(1)});
  E.AssertOrdered("n", {Int(1)});  // too short for every rule
  EXPECT_EQ(E.CountFor("n-1"), 1);
  EXPECT_EQ(E.CountFor("n-9"), 1);
  EXPECT_EQ(int(E.Agenda.size()), 2);
  E.Retract(one);
  EXPECT_EQ(E.CountFor("n-1"), 0);
}

}  // namespace
}  // namespace vettora::testing
