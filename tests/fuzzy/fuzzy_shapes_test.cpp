#include <gtest/gtest.h>

#include "fuzzy/fuzzy_error.h"
#include "fuzzy/fuzzy_set.h"
#include "fuzzy_test_util.h"

namespace vettora {
namespace {

using namespace fuzzy_test;

TEST(FuzzyShapes, TriangleClampsItsPeakAndRightFoot) {
  TFuzzySet s;
  s.Triangle(0, 5, 10);
  EXPECT_EQ(s.PrintValues(), "((0.0000 0.0000) (5.0000 1.0000) (10.0000 0.0000) )");
  EXPECT_EQ(s.SetType(), fstTriangle);
  TFuzzySet odd;
  odd.Triangle(4, 9, 2);  // right raised to left, peak clamped into [4, 4]
  EXPECT_EQ(odd.PrintValues(), "((4.0000 0.0000) (4.0000 1.0000) (4.0000 0.0000) )");
}

TEST(FuzzyShapes, SAndZCurves) {
  TFuzzySet s;
  s.GrowthCurve(0, 6, 7);
  EXPECT_EQ(s.PrintValues(),
            "((0.0000 0.0000) (1.0000 0.0556) (2.0000 0.2222) (3.0000 0.5000) (4.0000 0.7778) "
            "(5.0000 0.9444) (6.0000 1.0000) )");
  EXPECT_EQ(s.SetType(), fstGrowthCurve);
  EXPECT_DOUBLE_EQ(s.ShapeParameter(), 3);
  TFuzzySet z;
  z.DeclineCurve(0, 6, 2);  // raised to 3 points
  EXPECT_EQ(z.PrintValues(), "((0.0000 1.0000) (3.0000 0.5000) (6.0000 0.0000) )");
  EXPECT_EQ(z.SetType(), fstDeclineCurve);
  EXPECT_EQ(ErrorOf([&] { z.GrowthCurve(5, 1, 7); }),
            "Invalid range arguments.  Left (5.0000) is greater than right (1.0000)");
}

TEST(FuzzyShapes, PICurveKeepsTheCentreOnce) {
  TFuzzySet pi;
  pi.PICurve(0, 10, 5, 7);
  EXPECT_EQ(pi.PrintValues(),
            "((0.0000 0.0000) (1.6667 0.2222) (3.3333 0.7778) (5.0000 1.0000) (6.6667 0.7778) "
            "(8.3333 0.2222) (10.0000 0.0000) )");
  EXPECT_EQ(pi.SetType(), fstPICurve);
  EXPECT_DOUBLE_EQ(pi.ShapeParameter(), 7.5);  // crossover of the Z half
  TFuzzySet centered;
  centered.PICurveCentered(5, 5, 7);
  EXPECT_TRUE(centered.Values().Equals(pi.Values()));
  TFuzzySet clamped;
  clamped.PICurve(0, 10, 20, 3);  // centre clamped to 10: the Z half has no width
  EXPECT_EQ(clamped.PrintValues(), "((0.0000 0.0000) (10.0000 1.0000) (10.0000 1.0000) )");
  EXPECT_THROW(centered.PICurveCentered(5, -1, 7), EFuzzyError);
}

TEST(FuzzyShapes, BetaCurveWithAndWithoutWeight) {
  TFuzzySet beta;
  beta.BetaCurve(2, 5, 3, 7);  // width 2, centre 5, half-range 3
  EXPECT_EQ(beta.PrintValues(),
            "((2.0000 0.3077) (3.0000 0.5000) (4.0000 0.8000) (5.0000 1.0000) (6.0000 0.8000) "
            "(7.0000 0.5000) (8.0000 0.3077) )");
  EXPECT_EQ(beta.SetType(), fstBetaCurve);
  EXPECT_DOUBLE_EQ(beta.ShapeParameter(), 2);
  TFuzzySet heavy;
  heavy.BetaCurve(2, 2, 5, 3, 7);
  EXPECT_NEAR(heavy.Membership(3), 1.0 / 3, 1e-12);
  TFuzzySet sharp;
  sharp.BetaCurve(0, 5, 1, 3);  // zero width: only the centre is a member
  EXPECT_EQ(sharp.PrintValues(), "((4.0000 0.0000) (5.0000 1.0000) (6.0000 0.0000) )");
}

TEST(FuzzyShapes, ShapesAppendToTheCurrentPoints) {
  TFuzzySet s;
  s.Values().Add(-1, 0.5);
  s.Triangle(0, 1, 2);
  EXPECT_EQ(s.Values().Count(), 4);
}

}  // namespace
}  // namespace vettora
