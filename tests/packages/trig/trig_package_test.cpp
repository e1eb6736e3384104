// The trigonometry package: its table, the formulas against known values,
// domain errors instead of NaN, and the distances between multifields.
#include <cmath>
#include <memory>
#include <numbers>

#include "packages/package_test_util.h"
#include "packages/trig/trigonometry_package.h"

namespace vettora::testing {
namespace {

constexpr double kPi = std::numbers::pi;

class TrigTest : public PackageTest {
 protected:
  double Number(const std::string& text) {
    IIEValue value = Eval(text);
    EXPECT_EQ(value->DType(), dtFloat) << text;
    return value->AsFloat();
  }
};

TEST(TrigonometryPackage, HoldsExactlyItsTableInOrder) {
  const std::vector<std::string> expected = {"acos",
                                             "acosh",
                                             "acot",
                                             "acoth",
                                             "acsc",
                                             "acsch",
                                             "asec",
                                             "asech",
                                             "asin",
                                             "asinh",
                                             "atan",
                                             "atanh",
                                             "cos",
                                             "cosh",
                                             "cot",
                                             "coth",
                                             "csc",
                                             "csch",
                                             "sec",
                                             "sech",
                                             "sin",
                                             "sinh",
                                             "tan",
                                             "tanh",
                                             "cycle-rad",
                                             "rad-cycle",
                                             "deg-rad",
                                             "rad-deg",
                                             "deg-grad",
                                             "grad-deg",
                                             "grad-rad",
                                             "rad-grad",
                                             "atan2",
                                             "hypotenuse",
                                             "distance",
                                             "distance-sqr",
                                             "distance-manhattan"};
  EXPECT_EQ(TableNames(TTrigonometryPackage::Table()), expected);
  std::unique_ptr<TTrigonometryPackage> package(NewPackage<TTrigonometryPackage>());
  EXPECT_EQ(FunctionNames(*package), expected);
  for (const IUserFunction& f : package->Functions()) {
    SCOPED_TRACE(f->FunctionName());
    EXPECT_EQ(f->MaxArgumentCount(), f->MinArgumentCount());
    EXPECT_FALSE(f->Comment().empty());
  }
  EXPECT_EQ(package->Functions().Find("sin")->ArgumentString(), " <numeric-expression>");
  EXPECT_EQ(package->Functions().Find("sin")->ClassName(), "TSinFunction");
  EXPECT_EQ(package->Functions().Find("acosh")->ClassName(), "TACosHFunction");
  EXPECT_EQ(package->Functions().Find("atan2")->ArgumentString(),
            " <numeric-expression-X> <numeric-expression-Y>");
  EXPECT_EQ(package->Functions().Find("distance")->ArgumentString(),
            " <multifield-expression-1> <multifield-expression-2>");
}

TEST_F(TrigTest, CircularAndHyperbolicFunctionsAndTheirInverses) {
  EXPECT_NEAR(Number("(sin (/ (PI) 6))"), 0.5, 1e-15);
  EXPECT_NEAR(Number("(cos (PI))"), -1.0, 1e-15);
  EXPECT_NEAR(Number("(tan (/ (PI) 4))"), 1.0, 1e-15);
  EXPECT_NEAR(Number("(cot (/ (PI) 4))"), 1.0, 1e-15);
  EXPECT_NEAR(Number("(sec 0)"), 1.0, 1e-15);
  EXPECT_NEAR(Number("(csc (/ (PI) 2))"), 1.0, 1e-15);
  EXPECT_NEAR(Number("(acos -1)"), kPi, 1e-15);
  EXPECT_NEAR(Number("(asin 1)"), kPi / 2, 1e-15);
  EXPECT_NEAR(Number("(atan 1)"), kPi / 4, 1e-15);
  EXPECT_NEAR(Number("(acot 1)"), kPi / 4, 1e-15);
  EXPECT_NEAR(Number("(asec 2)"), kPi / 3, 1e-15);
  EXPECT_NEAR(Number("(acsc 2)"), kPi / 6, 1e-15);
  // Each hyperbolic inverse undoes its function.
  for (const char* pair : {"(acosh (cosh 1.5))", "(asinh (sinh 1.5))", "(atanh (tanh 1.5))",
                           "(acoth (coth 1.5))", "(acsch (csch 1.5))", "(asech (sech 1.5))"})
    EXPECT_NEAR(Number(pair), 1.5, 1e-12) << pair;
  EXPECT_NEAR(Number("(sinh 1)"), std::sinh(1.0), 1e-15);
  EXPECT_EQ(Eval("(sin 0)")->DType(), dtFloat);
}

TEST_F(TrigTest, ConversionsBetweenAngleUnits) {
  EXPECT_EQ(Number("(deg-rad 180)"), Eval("(PI)")->AsFloat());
  EXPECT_NEAR(Number("(rad-deg (PI))"), 180.0, 1e-12);
  EXPECT_NEAR(Number("(cycle-rad 1)"), 2 * kPi, 1e-15);
  EXPECT_NEAR(Number("(rad-cycle (PI))"), 0.5, 1e-15);
  EXPECT_NEAR(Number("(deg-grad 90)"), 100.0, 1e-12);
  EXPECT_NEAR(Number("(grad-deg 100)"), 90.0, 1e-12);
  EXPECT_NEAR(Number("(grad-rad 200)"), kPi, 1e-15);
  EXPECT_NEAR(Number("(rad-grad (PI))"), 200.0, 1e-12);
}

TEST_F(TrigTest, PointFunctions) {
  EXPECT_NEAR(Number("(atan2 0 1)"), kPi / 2, 1e-15);  // X = 0, Y > 0
  EXPECT_NEAR(Number("(atan2 -1 0)"), kPi, 1e-15);
  EXPECT_NEAR(Number("(atan2 -1 -1)"), -3 * kPi / 4, 1e-15);
  EXPECT_EQ(Number("(hypotenuse 3 4)"), 5.0);
  EXPECT_EQ(Number("(hypotenuse 1e200 1e200)"), std::hypot(1e200, 1e200));  // no overflow
}

TEST_F(TrigTest, OutOfDomainArgumentsAreErrorsNotNaN) {
  EXPECT_EQ(ErrorOf("(acos 2)"), "The argument 2.0 is outside the domain of acos");
  EXPECT_EQ(ErrorOf("(asin -1.5)"), "The argument -1.5 is outside the domain of asin");
  EXPECT_EQ(ErrorOf("(acosh 0.5)"), "The argument 0.5 is outside the domain of acosh");
  EXPECT_EQ(ErrorOf("(atanh 2)"), "The argument 2.0 is outside the domain of atanh");
  EXPECT_EQ(ErrorOf("(acoth 0.5)"), "The argument 0.5 is outside the domain of acoth");
  EXPECT_EQ(ErrorOf("(asec 0.5)"), "The argument 0.5 is outside the domain of asec");
  EXPECT_EQ(ErrorOf("(asech 2)"), "The argument 2.0 is outside the domain of asech");
  EXPECT_EQ(ErrorOf("(cot 0)"), "The result of cot is infinite for the argument 0.0");
  EXPECT_EQ(ErrorOf("(csc 0)"), "The result of csc is infinite for the argument 0.0");
  EXPECT_EQ(ErrorOf("(coth 0)"), "The result of coth is infinite for the argument 0.0");
  EXPECT_EQ(ErrorOf("(atanh 1)"), "The result of atanh is infinite for the argument 1.0");
  EXPECT_EQ(ErrorOf("(cosh 1000)"), "The result of cosh is infinite for the argument 1000.0");
  EXPECT_EQ(ErrorOf("(sin abc)"), "Not a numeric type.  Value (abc) is a dtAtom type");
  EXPECT_EQ(ErrorOf("(atan2 1)"), "Too few arguments for atan2");
}

TEST_F(TrigTest, DistancesBetweenMultifields) {
  EXPECT_EQ(Number("(distance (create$) (create$))"), 0.0);
  EXPECT_EQ(Number("(distance (create$ 0 0) (create$ 3 4))"), 5.0);
  EXPECT_EQ(Number("(distance-sqr (create$ 1 2 3) (create$ 2 4 6))"), 14.0);
  EXPECT_EQ(Number("(distance-manhattan (create$ 1 -2) (create$ -1 2))"), 6.0);
  Eval("(bind ?a (create$ 1.5 2))");
  EXPECT_EQ(Number("(distance-manhattan ?a (create$ 1.5 \"4\"))"), 2.0);
  EXPECT_EQ(ErrorOf("(distance (create$ 1) (create$ 1 2))"),
            "Invalid multifield arguments, the two multifields must be of the same length");
  EXPECT_EQ(ErrorOf("(distance 1 (create$ 1))"), "Not a list type.  Value (1) is a dtInteger type");
  EXPECT_EQ(ErrorOf("(distance (create$ a) (create$ 1))"),
            "Not a numeric type.  Value (a) is a dtAtom type");
}

}  // namespace
}  // namespace vettora::testing
