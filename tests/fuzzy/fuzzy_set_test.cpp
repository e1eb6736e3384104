#include "fuzzy/fuzzy_set.h"

#include <gtest/gtest.h>

#include "fuzzy/fuzzy_error.h"
#include "fuzzy_test_util.h"

namespace vettora {
namespace {

using namespace fuzzy_test;

TEST(FuzzySetValues, YIsNeverNegativeAndXIsClampedIntoTheUniverse) {
  IFuzzyVariable v = Variable("v", 0, 10);
  IFuzzySet s = Points({{-5, -1}, {20, 0.5}}, v.Get());
  EXPECT_EQ(s->PrintValues(), "((0.0000 0.0000) (10.0000 0.5000) )");
  s->Values().SetY(1, 3.0);  // no upper clamp at the point level
  EXPECT_DOUBLE_EQ(s->Values()[1].Y(), 3.0);

  TFuzzySet free;
  free.Values().Add(-5, 2);
  free.Values().Add();  // previous X + 1, Y 0
  EXPECT_EQ(free.PrintValues(), "((-5.0000 2.0000) (-4.0000 0.0000) )");
  EXPECT_TRUE(TFuzzySetValue(1, 1).Equals(TFuzzySetValue(1.0001, 0.99995)));
  EXPECT_FALSE(TFuzzySetValue(1, 1).Equals(TFuzzySetValue(1.0002, 1)));
  EXPECT_EQ(ErrorOf([&] { (void)free.Values()[2]; }), "List index out of bounds (2)");
}

TEST(FuzzySet, GetXRangeGivesTheUniverseOrRaises) {
  TFuzzySet free;
  EXPECT_EQ(free.GetXRange(0), 2147483647.0);
  EXPECT_EQ(free.GetXRange(1), -2147483647.0);
  IFuzzyVariable v = Variable("v", 2, 8);
  IFuzzySet s = Points({}, v.Get());
  EXPECT_EQ(s->GetXRange(0), 8);
  EXPECT_EQ(s->GetXRange(1), 2);
  EXPECT_EQ(ErrorOf([&] { (void)s->GetXRange(2); }),
            "Invalid index argument to GetXRange.  Index = 2");
  EXPECT_THROW((void)s->GetXRange(-1), EFuzzyError);
}

TEST(FuzzySet, MembershipExtendsEndsInterpolatesAndTakesTheTopOfAStep) {
  TFuzzySet empty;
  EXPECT_EQ(empty.Membership(3), 0);
  IFuzzySet s = Points({{2, 0.2}, {4, 0.6}, {6, 0.1}, {6.00005, 0.9}, {8, 0.4}});
  EXPECT_DOUBLE_EQ(s->Membership(0), 0.2);
  EXPECT_DOUBLE_EQ(s->Membership(9), 0.4);
  EXPECT_DOUBLE_EQ(s->Membership(3), 0.4);
  EXPECT_DOUBLE_EQ(s->Membership(6), 0.9);  // the run at 6 counts its highest Y
  EXPECT_DOUBLE_EQ(s->Membership(4.00001), 0.6);
  EXPECT_NEAR(s->Membership(7), 0.65, 1e-3);
}

TEST(FuzzySet, DensifySpreadsTheMissingPointsOverTheWideSegments) {
  IFuzzySet s = Points({{0, 0}, {5, 1}, {5, 0.5}, {10, 0}});
  s->Densify(8);  // four missing, two wide segments: two points in each
  EXPECT_EQ(s->PrintValues(),
            "((0.0000 0.0000) (1.6667 0.3333) (3.3333 0.6667) (5.0000 1.0000) (5.0000 0.5000) "
            "(6.6667 0.3333) (8.3333 0.1667) (10.0000 0.0000) )");
  IFuzzySet odd = Points({{0, 0}, {3, 1}, {6, 0}});
  odd->Densify(6);  // three missing: ceil(3/2) = 2 first, then 1
  EXPECT_EQ(odd->PrintValues(),
            "((0.0000 0.0000) (1.0000 0.3333) (2.0000 0.6667) (3.0000 1.0000) (4.5000 0.5000) "
            "(6.0000 0.0000) )");
  odd->Densify(4);  // already dense enough
  EXPECT_EQ(odd->Values().Count(), 6);
}

TEST(FuzzySet, PrintedFormsAndPrinter) {
  IFuzzySet s = Points({{1, 0.5}, {2.25, 1}}, nullptr, "warm");
  EXPECT_EQ(s->Print(), "(warm (1.0000 0.5000) (2.2500 1.0000) )");
  EXPECT_EQ(s->PrintValues(), "((1.0000 0.5000) (2.2500 1.0000) )");
  EXPECT_EQ(s->AsText(), s->Print());
  EXPECT_EQ(MakeRef<TIFuzzySet>("e")->Print(), "(e )");
  EXPECT_EQ(MakeRef<TIFuzzySet>("e")->PrintValues(), "()");
  s->SetPrinter([](const TFuzzySet& set) { return "<" + set.Name() + ">"; });
  EXPECT_EQ(s->Print(), "<warm>");
  EXPECT_EQ(s->PrintValues(), "((1.0000 0.5000) (2.2500 1.0000) )");
}

TEST(FuzzySet, MaximumMinimumAndNormalize) {
  IFuzzySet s = Points({{0, 0.2}, {1, 0.8}, {2, 0.4}});
  EXPECT_DOUBLE_EQ(s->MaximumY(), 0.8);
  EXPECT_DOUBLE_EQ(s->MinimumY(), 0.2);
  s->Normalize();
  EXPECT_EQ(s->PrintValues(), "((0.0000 0.2500) (1.0000 1.0000) (2.0000 0.5000) )");
  IFuzzySet zero = Points({{0, 0}, {1, 0}});
  zero->Normalize();
  EXPECT_EQ(zero->PrintValues(), "((0.0000 0.0000) (1.0000 0.0000) )");
  TFuzzySet empty;
  EXPECT_EQ(ErrorOf([&] { (void)empty.MaximumY(); }),
            "Invalid operation: Get Maximum Y Value.  Fuzzy set is empty");
  EXPECT_EQ(ErrorOf([&] { (void)empty.MinimumY(); }),
            "Invalid operation: Get Minimum Y Value.  Fuzzy set is empty");
}

TEST(FuzzySet, ChangingSetTypeBuildsTheDefaultShapeOverTheUniverse) {
  IFuzzyVariable v = Variable("v", 0, 12);
  IFuzzySet s = Points({{1, 1}}, v.Get());
  s->SetSetType(fstTriangle);
  EXPECT_EQ(s->PrintValues(), "((2.0000 0.0000) (6.0000 1.0000) (10.0000 0.0000) )");
  s->SetSetType(fstGrowthCurve);  // [lo + S/3, lo + 2S/3] with 7 points
  EXPECT_EQ(s->Values().Count(), 7);
  EXPECT_DOUBLE_EQ(s->Values().First().X(), 4);
  EXPECT_DOUBLE_EQ(s->Values().Last().X(), 8);
  EXPECT_DOUBLE_EQ(s->ShapeParameter(), 6);
  v->SetNumFunctionValues(9);
  s->SetSetType(fstPICurve);  // centre 6, half-width 4
  EXPECT_EQ(s->Values().Count(), 9);
  EXPECT_DOUBLE_EQ(s->Values().First().X(), 2);
  EXPECT_DOUBLE_EQ(s->Values()[4].Y(), 1);
  s->SetSetType(fstBetaCurve);  // centre 6, width 1, half-range 4
  EXPECT_DOUBLE_EQ(s->ShapeParameter(), 1);
  EXPECT_DOUBLE_EQ(s->Membership(7), 0.5);
  s->SetSetType(fstUserDefined);  // keeps the points
  EXPECT_EQ(s->Values().Count(), 9);
}

TEST(FuzzySet, AlphaCutKeepsPassingMembershipsWithSharpSteps) {
  IFuzzySet s = Points({{0, 0}, {4, 1}, {8, 0}}, nullptr, "mid");
  IFuzzySet weak = s->AlphaCut(ackWeak, 0.5);
  EXPECT_EQ(weak->Name(), "mid (alpha=0.5000)");
  EXPECT_EQ(weak->PrintValues(),
            "((0.0000 0.0000) (2.0000 0.0000) (2.0000 0.5000) (4.0000 1.0000) (6.0000 0.5000) "
            "(6.0000 0.0000) (8.0000 0.0000) )");
  IFuzzySet flat = Points({{0, 0.5}, {1, 0.5}});
  EXPECT_EQ(flat->AlphaCut(ackWeak, 0.5)->PrintValues(), "((0.0000 0.5000) (1.0000 0.5000) )");
  EXPECT_EQ(flat->AlphaCut(ackStrong, 0.5)->PrintValues(), "((0.0000 0.0000) (1.0000 0.0000) )");
}

}  // namespace
}  // namespace vettora
