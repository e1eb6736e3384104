#include <gtest/gtest.h>

#include "fuzzy/fuzzy_error.h"
#include "fuzzy/fuzzy_set.h"
#include "fuzzy_test_util.h"
#include "values/format.h"

namespace vettora {
namespace {

using namespace fuzzy_test;

// Two triangles crossing at x = 6 with membership 0.5. The walk visits
// 0, 4, 6 (crossing), 8 and 12; the memberships (a, b) there are (0, 0),
// (1, 0), (0.5, 0.5), (0, 1), (0, 0).
IFuzzySet Left() { return Points({{0, 0}, {4, 1}, {8, 0}}, nullptr, "A"); }
IFuzzySet Right() { return Points({{4, 0}, {8, 1}, {12, 0}}, nullptr, "B"); }

std::string Result(double y4, double y6, double y8) {
  std::string s = "((0.0000 0.0000) (4.0000 ";
  return s + FormatFloat4(y4) + ") (6.0000 " + FormatFloat4(y6) + ") (8.0000 " + FormatFloat4(y8) +
         ") (12.0000 0.0000) )";
}

TEST(FuzzyCombination, IntersectionUnderEachOperationIncludesTheCrossing) {
  auto meet = [](TFuzzyOperation op) { return Left()->Intersection(*Right(), op)->PrintValues(); };
  EXPECT_EQ(meet(foZadeh), Result(0, 0.5, 0));
  EXPECT_EQ(meet(foMean), Result(0.5, 0.5, 0.5));
  EXPECT_EQ(meet(foMeanSqr), Result(0.25, 0.25, 0.25));
  EXPECT_EQ(meet(foMeanSqrt), Result(0.7071, 0.7071, 0.7071));
  EXPECT_EQ(meet(foProduct), Result(0, 0.25, 0));
  EXPECT_EQ(meet(foBoundedSum), Result(0, 0, 0));
}

TEST(FuzzyCombination, UnionUnderEachOperationIncludesTheCrossing) {
  auto join = [](TFuzzyOperation op) { return Left()->Union(*Right(), op)->PrintValues(); };
  EXPECT_EQ(join(foZadeh), Result(1, 0.5, 1));
  EXPECT_EQ(join(foMean), Result(0.6667, 0.5, 0.6667));
  EXPECT_EQ(join(foMeanSqr), Result(0.25, 0.25, 0.25));
  EXPECT_EQ(join(foMeanSqrt), Result(0.7071, 0.7071, 0.7071));
  EXPECT_EQ(join(foProduct), Result(1, 0.75, 1));
  EXPECT_EQ(join(foBoundedSum), Result(1, 1, 1));
  EXPECT_EQ(join(foSum), Result(1, 1, 1));
  // A sum may exceed full membership.
  IFuzzySet peak = Points({{2, 0}, {4, 1}, {6, 0}});
  EXPECT_DOUBLE_EQ(Left()->Union(*peak, foSum)->Membership(4), 2);
}

TEST(FuzzyCombination, SumIntersectionAndUnknownOperationsAreRefused) {
  EXPECT_EQ(ErrorOf([] { (void)Left()->Intersection(*Right(), foSum); }),
            "Invalid fuzzy operation: foSum");
  EXPECT_THROW((void)Left()->Intersection(*Right(), foSum), EFuzzyError);
  EXPECT_EQ(ErrorOf([] { (void)Left()->Union(*Right(), TFuzzyOperation(9)); }),
            "Invalid fuzzy operation: TFuzzyOperation(9)");
}

TEST(FuzzyCombination, NamesJoinTheOperandsWithTheOperationWord) {
  IFuzzySet a = Left(), b = Right();
  EXPECT_EQ(a->Intersection(*b, foZadeh)->Name(), "A and B");
  EXPECT_EQ(a->Union(*b, foZadeh)->Name(), "A or B");
  EXPECT_EQ(a->Intersection(*b, foMeanSqrt)->Name(), "A and-meansqrt B");
  EXPECT_EQ(a->Union(*b, foBoundedSum)->Name(), "A or-boundedsum B");
  a->ApplyHedge(fhVery);
  EXPECT_EQ(a->Union(*b, foSum)->Name(), "[very A] or-sum B");
}

TEST(FuzzyCombination, EqualXRunsCollapseAndResultsJoinTheVariable) {
  IFuzzyVariable v = Variable("v", 0, 12);
  IFuzzySet a = Points({{0, 0}, {4, 1}, {4.00005, 1}, {8, 0}}, v.Get(), "A");
  IFuzzySet b = Points({{4, 0.5}, {8, 0.5}, {8, 0.25}}, nullptr, "B");
  IFuzzySet u = a->Union(*b, foZadeh);
  EXPECT_EQ(u->PrintValues(),
            "((0.0000 0.5000) (2.0000 0.5000) (4.0000 1.0000) (6.0000 0.5000) (8.0000 0.5000) )");
  EXPECT_EQ(u->Variable(), v.Get());
  EXPECT_EQ(b->Union(*a, foZadeh)->Variable(),
            v.Get());  // the second operand's, when the first has none
  EXPECT_TRUE(Points({})->Union(*Points({}), foZadeh)->Values().Empty());
}

TEST(FuzzyCombination, LongSetsCombineExactlyAtEveryCrossing) {
  // Two saw-tooth sets of 20000 points each, shifted by half a step.
  IFuzzySet a = MakeRef<TIEFuzzySet>("a"), b = MakeRef<TIEFuzzySet>("b");
  for (int i = 0; i < 20000; ++i) {
    a->Values().Add(i, i % 2);
    b->Values().Add(i + 0.5, i % 2);
  }
  IFuzzySet u = a->Union(*b, foZadeh);
  IFuzzySet n = a->Intersection(*b, foZadeh);
  for (double x = 0; x < 20000; x += 0.125) {
    ASSERT_NEAR(u->Membership(x), std::max(a->Membership(x), b->Membership(x)), 1e-9) << x;
    ASSERT_NEAR(n->Membership(x), std::min(a->Membership(x), b->Membership(x)), 1e-9) << x;
  }
}

}  // namespace
}  // namespace vettora
