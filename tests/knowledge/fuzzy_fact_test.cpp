// Fuzzy facts: correlation with the firing rule's strength, the merge of
// equal fuzzy facts on assertion, and the handlers that replace both.
#include "knowledge/fuzzy_fact.h"

#include <gtest/gtest.h>

#include "fake_fact_engine.h"
#include "fuzzy/ifuzzy_set.h"
#include "knowledge/fact.h"
#include "knowledge/fact_list.h"
#include "knowledge/fact_template.h"

namespace vettora {
namespace {

template <class F>
std::string ErrorOf(F&& f) {
  try {
    f();
  } catch (const std::exception& e) {
    return e.what();
  }
  return "<no error>";
}

IIEValue Set(std::initializer_list<std::pair<double, double>> points) {
  IFuzzySet set = MakeRef<TIFuzzySet>("s");
  for (auto [x, y] : points) set->Values().Add(x, y);
  return MakeRef<TIEValue>(IFuzzySetBase(set));
}

const TIFuzzySet& SetIn(TFact& fact) { return *FuzzySetOf(*fact.GetSlotValue("level")); }

class FuzzyFactTest : public ::testing::Test {
 protected:
  FuzzyFactTest() {
    engine.List = &list;
    temp = MakeRef<TFactTemplate>("temp", &engine);
    temp->AddSlot("room", MakeAtom(""));
    temp->AddSlot("level", MakeAtom(""))->SetSlotType({dtFuzzy});
  }
  IFact Fact(const char* room, const IIEValue& level) {
    IFact fact = temp->CreateFact();
    fact->SetSlotValue("room", MakeAtom(room));
    fact->SetSlotValue("level", level);
    return fact;
  }

  TFakeFactEngine engine;
  TFactList list{&engine};
  IFactTemplate temp;
};

TEST_F(FuzzyFactTest, StrengthCutsOrScalesMemberships) {
  engine.Firing = true;
  engine.Strength = 0.4;
  IIEValue shared = Set({{0, 0.5}, {5, 1}});
  IFact cut = Fact("a", shared);
  list.Assert(cut);
  EXPECT_NEAR(SetIn(*cut).Values()[0].Y(), 0.4, 1e-9);
  EXPECT_NEAR(SetIn(*cut).Values()[1].Y(), 0.4, 1e-9);
  EXPECT_NEAR(FuzzySetOf(*shared)->Values()[1].Y(), 1.0, 1e-9);  // never changed in place

  engine.Correlation = fcmProduct;
  IFact scaled = Fact("b", shared);
  list.Assert(scaled);
  EXPECT_NEAR(SetIn(*scaled).Values()[0].Y(), 0.2, 1e-9);
  EXPECT_NEAR(SetIn(*scaled).Values()[1].Y(), 0.4, 1e-9);

  engine.Log.clear();
  engine.Strength = 1.0;  // full strength: no correlation at all
  IFact full = Fact("c", shared);
  list.Assert(full);
  EXPECT_EQ(engine.Log, (std::vector<std::string>{"add 2", "asserted 2"}));
  EXPECT_EQ(SetIn(*full).Values()[1].Y(), 1.0);

  engine.Strength = 0.3;
  engine.CorrelationDone = true;  // the handler did it instead
  IFact handled = Fact("d", shared);
  list.Assert(handled);
  EXPECT_EQ(SetIn(*handled).Values()[1].Y(), 1.0);
}

TEST_F(FuzzyFactTest, EqualFuzzyFactsMergeIntoTheNewOne) {
  list.Assert(Fact("a", Set({{0, 1}, {10, 0}})));
  list.Assert(Fact("b", Set({{0, 1}, {10, 0}})));  // not equal: kept
  IFact second = Fact("a", Set({{0, 0}, {10, 1}}));
  EXPECT_EQ(list.Assert(second), 2);
  ASSERT_EQ(list.Count(), 2);
  EXPECT_EQ(list.Items(1).Get(), second.Get());
  const TIFuzzySet& unionSet = SetIn(*second);
  EXPECT_NEAR(unionSet.Membership(0), 1.0, 1e-9);
  EXPECT_NEAR(unionSet.Membership(5), 0.5, 1e-9);
  EXPECT_NEAR(unionSet.Membership(10), 1.0, 1e-9);

  IFact third = Fact("a", Set({{0, 1}, {10, 1}}));
  list.Assert(third, /*intersection=*/true);
  EXPECT_EQ(list.Count(), 2);
  EXPECT_NEAR(SetIn(*third).Membership(0), 1.0, 1e-9);
  EXPECT_NEAR(SetIn(*third).Membership(5), 0.5, 1e-9);

  engine.InferenceDone = true;  // the handler merged; the old fact still goes
  IFact fourth = Fact("a", Set({{0, 0}, {10, 0}}));
  list.Assert(fourth);
  EXPECT_EQ(list.Count(), 2);
  EXPECT_EQ(list.FindById(3), nullptr);
  EXPECT_NEAR(SetIn(*fourth).Membership(5), 0.0, 1e-9);
}

TEST_F(FuzzyFactTest, FailedMergeLeavesTheListAlone) {
  list.Assert(Fact("a", Set({{0, 1}, {10, 0}})));
  engine.Inference = fimAdditive;  // sum has no intersection
  IFact second = Fact("a", Set({{0, 0}, {10, 1}}));
  EXPECT_EQ(ErrorOf([&] { list.Assert(second, true); }), "Invalid fuzzy operation: foSum");
  EXPECT_EQ(list.Count(), 1);
  EXPECT_EQ(second->ID(), -1);
  EXPECT_EQ(list.AssertFuzzy(second, false, fimAdditive), 1);
  EXPECT_NEAR(SetIn(*second).Membership(5), 1.0, 1e-9);  // 0.5 + 0.5
}

TEST_F(FuzzyFactTest, OperationsNeedMatchingFuzzyFacts) {
  IFactTemplate plain = MakeRef<TFactTemplate>("plain");
  plain->AddSlot("x", MakeAtom(""));
  IFact other = plain->CreateFact();
  EXPECT_EQ(ErrorOf([&] { CorrelateFuzzyFact(*other, 0.5, fcmMinimum); }),
            "Fact is not a fuzzy fact");
  EXPECT_EQ(ErrorOf([&] {
              CombineFuzzyFacts(*Fact("a", Set({{0, 1}})), *other, true, foZadeh);
            }),
            "Cannot union two facts with different fact templates: temp and plain");
  EXPECT_EQ(ErrorOf([&] { CombineFuzzyFacts(*other, *plain->CreateFact(), true, foZadeh); }),
            "Fact is not a fuzzy fact");
  // Without a fuzzy type, a term name has no variable to be read through.
  engine.Checks = {tcDynamic};
  EXPECT_EQ(ErrorOf([&] { Fact("a", MakeAtom("hot")); }), "fuzzy variable is not defined");
}

}  // namespace
}  // namespace vettora
