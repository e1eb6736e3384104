#include <gtest/gtest.h>

#include "fuzzy/fuzzy_set.h"
#include "fuzzy_test_util.h"

namespace vettora {
namespace {

using namespace fuzzy_test;

TEST(FuzzyDefuzzify, MomentIsTheCentreOfGravity) {
  IFuzzyVariable v = Variable("v", 0, 10);
  IFuzzySet symmetric = Points({{0, 0}, {5, 1}, {10, 0}}, v.Get());
  EXPECT_DOUBLE_EQ(symmetric->MomentDefuzzify(), 5);
  EXPECT_DOUBLE_EQ(symmetric->DefuzzifyMembership(), 1);
  IFuzzySet skewed = Points({{0, 0}, {2, 1}, {10, 0}}, v.Get());
  EXPECT_NEAR(skewed->MomentDefuzzify(), 4, 1e-12);
  EXPECT_NEAR(skewed->DefuzzifyMembership(), 0.75, 1e-12);
  IFuzzySet trapezoid = Points({{0, 0.5}, {10, 1}}, v.Get());
  EXPECT_NEAR(trapezoid->MomentDefuzzify(), 50.0 / 9, 1e-12);
}

TEST(FuzzyDefuzzify, MomentCountsTheTailsUpToTheUniverse) {
  IFuzzyVariable v = Variable("v", 0, 10);
  IFuzzySet left = Points({{2, 1}, {4, 0}}, v.Get());  // tail [0, 2] of height 1
  EXPECT_NEAR(left->MomentDefuzzify(), (2 * 1 + 1 * (2 + 2.0 / 3)) / 3, 1e-12);
  IFuzzySet right = Points({{6, 0}, {8, 1}}, v.Get());  // tail [8, 10] of height 1
  EXPECT_NEAR(right->MomentDefuzzify(), (1 * (6 + 4.0 / 3) + 2 * 9) / 3, 1e-12);
}

TEST(FuzzyDefuzzify, MomentOfDegenerateSets) {
  IFuzzyVariable v = Variable("v", 0, 10);
  IFuzzySet single = Points({{3, 0.7}}, v.Get());
  EXPECT_DOUBLE_EQ(single->MomentDefuzzify(), 5);  // the universe midpoint, not 3
  EXPECT_DOUBLE_EQ(single->DefuzzifyMembership(), 0.7);
  IFuzzySet vertical = Points({{3, 0}, {3, 1}}, v.Get());
  EXPECT_DOUBLE_EQ(vertical->MomentDefuzzify(), 5);
  IFuzzySet zero = Points({{1, 0}, {4, 0}}, v.Get());
  EXPECT_DOUBLE_EQ(zero->MomentDefuzzify(), 0);
  EXPECT_DOUBLE_EQ(zero->DefuzzifyMembership(), 0);
  IFuzzySet empty = Points({}, v.Get());
  empty->Values().Add(1, 1);
  (void)empty->MomentDefuzzify();
  empty->Values().Clear();
  EXPECT_DOUBLE_EQ(empty->MomentDefuzzify(), 0);
  EXPECT_DOUBLE_EQ(empty->DefuzzifyMembership(), 0);  // forgotten
}

TEST(FuzzyDefuzzify, MaximumIsTheMeanOfTheMaxima) {
  IFuzzySet flat = Points({{0, 0}, {2, 1}, {4, 1}, {6, 0}});
  EXPECT_DOUBLE_EQ(flat->MaximumDefuzzify(), 3);
  EXPECT_DOUBLE_EQ(flat->DefuzzifyMembership(), 1);
  IFuzzySet near = Points({{0, 0.6}, {1, 0.2}, {2, 0.60005}, {3, 0.8}, {5, 0.79995}});
  EXPECT_DOUBLE_EQ(near->MaximumDefuzzify(), 4);
  EXPECT_DOUBLE_EQ(near->DefuzzifyMembership(), 0.8);
  IFuzzySet empty = Points({});
  EXPECT_DOUBLE_EQ(empty->MaximumDefuzzify(), 0);
  EXPECT_DOUBLE_EQ(empty->DefuzzifyMembership(), 0);
}

TEST(FuzzyDefuzzify, AValueReadsAsTheVariablesDefuzzification) {
  IFuzzyVariable v = Variable("v", 0, 10);
  IFuzzySet s = Points({{0, 0}, {2, 1}, {4, 1}, {10, 0}}, v.Get());
  IIEValue value = MakeRef<TIEValue>(IFuzzySetBase(s));
  EXPECT_NEAR(value->AsNumeric(), s->MomentDefuzzify(), 1e-12);
  v->SetDefuzzificationMethod(dmMeanOfMaxima);
  EXPECT_DOUBLE_EQ(value->AsNumeric(), 3);
  EXPECT_EQ(value->AsInteger(), 3);
  EXPECT_EQ(value->AsText(),
            "(s (0.0000 0.0000) (2.0000 1.0000) (4.0000 1.0000) (10.0000 0.0000) )");
}

}  // namespace
}  // namespace vettora
