#include <gtest/gtest.h>

#include "fuzzy/fuzzy_set.h"
#include "fuzzy_test_util.h"

namespace vettora {
namespace {

using namespace fuzzy_test;

// The triangle (0 5 10) over the universe [0, 10] after a hedge.
std::string Hedged(TFuzzyHedge hedge) {
  static IFuzzyVariable v = Variable("v", 0, 10);
  IFuzzySet s = Points({{0, 0}, {5, 1}, {10, 0}}, v.Get(), "mid");
  s->ApplyHedge(hedge);
  return s->PrintValues();
}

TEST(FuzzyHedges, PowerHedgesDensifyToSevenPointsAndKeepPeakAndFeet) {
  const char* dense =
      "((0.0000 0.0000) (1.6667 %s) (3.3333 %s) (5.0000 1.0000) (6.6667 %s) (8.3333 %s) (10.0000 "
      "0.0000) )";
  auto expect = [&](const char* a, const char* b) {
    std::string s = dense;
    for (const char* v : {a, b, b, a}) s.replace(s.find("%s"), 2, v);
    return s;
  };
  EXPECT_EQ(Hedged(fhSomewhat), expect("0.6934", "0.8736"));
  EXPECT_EQ(Hedged(fhMoreOrLess), expect("0.5774", "0.8165"));
  EXPECT_EQ(Hedged(fhGreatly), expect("0.4635", "0.7529"));
  EXPECT_EQ(Hedged(fhPlus), expect("0.2533", "0.6024"));
  EXPECT_EQ(Hedged(fhVery), expect("0.1111", "0.4444"));
  EXPECT_EQ(Hedged(fhExtremely), expect("0.0370", "0.2963"));
  EXPECT_EQ(Hedged(fhPositively), expect("0.2222", "0.7778"));
  EXPECT_EQ(Hedged(fhAbsolutely), expect("0.2222", "0.7778"));
  EXPECT_EQ(Hedged(fhDefinitely), expect("0.2222", "0.7778"));
  EXPECT_EQ(Hedged(fhGenerally), expect("0.2887", "0.7113"));
}

TEST(FuzzyHedges, NotIsExactAndDoesNotDensify) {
  EXPECT_EQ(Hedged(fhNot), "((0.0000 1.0000) (5.0000 0.0000) (10.0000 1.0000) )");
  IFuzzySet s = Points({{0, 0.25}, {1, 1.5}});
  s->ApplyHedge(fhNot);
  EXPECT_EQ(s->PrintValues(), "((0.0000 0.7500) (1.0000 0.0000) )");
}

TEST(FuzzyHedges, AboveAndBelowSplitAtThePeak) {
  EXPECT_EQ(Hedged(fhAbove), "((0.0000 0.0000) (5.0000 0.0000) (10.0000 1.0000) )");
  EXPECT_EQ(Hedged(fhBelow), "((0.0000 1.0000) (5.0000 0.0000) (10.0000 0.0000) )");
  // Without full membership the last point of the running maximum is the peak.
  IFuzzySet s = Points({{0, 0.2}, {1, 0.6}, {2, 0.6}, {3, 0.1}});
  s->ApplyHedge(fhAbove);
  EXPECT_EQ(s->PrintValues(), "((0.0000 0.0000) (1.0000 0.0000) (2.0000 0.0000) (3.0000 0.9000) )");
  IFuzzySet b = Points({{0, 0.2}, {1, 0.6}, {2, 0.6}, {3, 0.1}});
  b->ApplyHedge(fhBelow);
  EXPECT_EQ(b->PrintValues(), "((0.0000 0.8000) (1.0000 0.0000) (2.0000 0.0000) (3.0000 0.0000) )");
}

TEST(FuzzyHedges, SlightlyPeaksBesideTheCentre) {
  IFuzzyVariable v = Variable("v", 0, 10);
  IFuzzySet s = Points({{0, 0}, {5, 1}, {10, 0}}, v.Get(), "mid");
  s->ApplyHedge(fhSlightly);
  ASSERT_EQ(s->Values().Count(), 9);
  EXPECT_NEAR(s->Values()[2].X(), 3.2190, 1e-4);
  EXPECT_DOUBLE_EQ(s->Values()[2].Y(), 1);
  EXPECT_NEAR(s->Values()[1].Y(), 0.3835, 1e-4);
  EXPECT_DOUBLE_EQ(s->Membership(5), 0);
  EXPECT_NEAR(s->Values()[6].X(), 6.7810, 1e-4);
  EXPECT_EQ(s->Name(), "slightly mid");
}

TEST(FuzzyHedges, NormalizeAndWideningHedges) {
  IFuzzySet s = Points({{0, 0}, {1, 0.5}}, nullptr, "half");
  s->ApplyHedge(fhNormalize);
  EXPECT_EQ(s->PrintValues(), "((0.0000 0.0000) (1.0000 1.0000) )");
  EXPECT_EQ(s->Name(), "normalize half");

  IFuzzyVariable v = Variable("v", 0, 10);
  IFuzzySet about = Points({{0, 0}, {5, 1}, {10, 0}}, v.Get(), "mid");
  about->ApplyHedge(fhAbout);
  ASSERT_EQ(about->Values().Count(), 50);
  EXPECT_DOUBLE_EQ(about->Values().Last().X(), 10);
  EXPECT_NEAR(about->Values()[0].Y(), 0.0892, 1e-4);
  EXPECT_NEAR(about->Values()[24].Y(), 1, 1e-4);
  EXPECT_DOUBLE_EQ(about->MaximumY(), 1);
  IFuzzySet near = Points({{0, 0}, {5, 1}, {10, 0}}, v.Get(), "mid");
  near->ApplyHedge(fhNear);
  EXPECT_GT(near->Values()[0].Y(), about->Values()[0].Y());  // a smaller power spreads wider
}

TEST(FuzzyHedges, HedgeNamesBracketNamesWithBlanks) {
  IFuzzySet s = Points({{0, 0}, {1, 1}}, nullptr, "hot");
  s->ApplyHedge(fhVery);
  EXPECT_EQ(s->Name(), "very hot");
  s->ApplyHedge(fhNot);
  EXPECT_EQ(s->Name(), "not [very hot]");
}

TEST(FuzzyModifiers, ArithmeticOnYAndOnX) {
  IFuzzyVariable v = Variable("v", 0, 10);
  auto run = [&](TFuzzyArithmetic op, bool onX, double x) {
    IFuzzySet s = Points({{2, 0.2}, {4, 0.8}, {6, 1}}, v.Get(), "s");
    s->ApplyOperator(op, onX, x);
    return s->PrintValues();
  };
  EXPECT_EQ(run(faPlus, false, 0.5), "((2.0000 0.7000) (4.0000 1.3000) (6.0000 1.5000) )");
  EXPECT_EQ(run(faMinus, false, 0.5), "((2.0000 0.0000) (4.0000 0.3000) (6.0000 0.5000) )");
  EXPECT_EQ(run(faTimes, false, 0.5), "((2.0000 0.1000) (4.0000 0.4000) (6.0000 0.5000) )");
  EXPECT_EQ(run(faDivide, false, 2), "((2.0000 0.1000) (4.0000 0.4000) (6.0000 0.5000) )");
  EXPECT_EQ(run(faPower, false, 2), "((2.0000 0.0400) (4.0000 0.6400) (6.0000 1.0000) )");
  EXPECT_EQ(run(faLess, false, 0.8), "((2.0000 0.8000) (4.0000 0.8000) (6.0000 1.0000) )");
  EXPECT_EQ(run(faLessEqual, false, 0.2), "((2.0000 0.2000) (4.0000 0.8000) (6.0000 1.0000) )");
  EXPECT_EQ(run(faGreater, false, 0.4), "((2.0000 0.2000) (4.0000 0.4000) (6.0000 0.4000) )");
  EXPECT_EQ(run(faGreaterEqual, false, 0.8), "((2.0000 0.2000) (4.0000 0.8000) (6.0000 0.8000) )");
  EXPECT_EQ(run(faPlus, true, 5), "((7.0000 0.2000) (9.0000 0.8000) (10.0000 1.0000) )");
  EXPECT_EQ(run(faPower, true, 0.5), "((1.4142 0.2000) (2.0000 0.8000) (2.4495 1.0000) )");
  EXPECT_EQ(run(faTimes, true, -1), "((0.0000 1.0000) (0.0000 0.8000) (0.0000 0.2000) )");
  IFuzzySet s = Points({{2, 0.2}}, nullptr, "very hot");
  s->ApplyOperator(faTimes, true, 2);
  EXPECT_EQ(s->Name(), "[very hot] *X 2.0000");
  EXPECT_EQ(ErrorOf([&] { s->ApplyOperator(faDivide, false, 0); }),
            "Floating point division by zero");
}

TEST(FuzzyModifiers, ANegativeFactorOnXKeepsThePointsInOrder) {
  IFuzzySet s = Points({{1, 0}, {2, 1}, {4, 0.5}});
  s->ApplyOperator(faTimes, true, -1);
  EXPECT_EQ(s->PrintValues(), "((-4.0000 0.5000) (-2.0000 1.0000) (-1.0000 0.0000) )");
  EXPECT_DOUBLE_EQ(s->Membership(-3), 0.75);
}

}  // namespace
}  // namespace vettora
