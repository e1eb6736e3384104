#include "packages/math/math_package.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <iterator>
#include <limits>
#include <memory>
#include <numbers>
#include <set>
#include <string>

#include "engine/inference_engine.h"
#include "functions/function_call.h"
#include "matching/context.h"
#include "values/exceptions.h"
#include "values/value.h"

namespace vettora {
namespace {

constexpr int32_t kMinInt = std::numeric_limits<int32_t>::min();
constexpr int32_t kMaxInt = std::numeric_limits<int32_t>::max();

class MathPackage : public ::testing::Test {
 protected:
  MathPackage() { FEngine.SetPackages({pMath}); }

  // Calls `name` with the given argument values in the engine's root context.
  IIEValue Call(const std::string& name, std::initializer_list<IIEValue> arguments) {
    IFunCall call = MakeRef<TFunctionCall>(&FEngine, name);
    for (const IIEValue& argument : arguments) call->AddArgument(argument);
    return call->Execute(FEngine.RootContext());
  }
  // The error text of the call, with its exception kind checked.
  template <class E>
  std::string Error(const std::string& name, std::initializer_list<IIEValue> arguments) {
    try {
      (void)Call(name, arguments);
    } catch (const E& e) {
      return e.what();
    } catch (const std::exception& e) {
      return std::string("wrong kind: ") + e.what();
    }
    return "(no error)";
  }

  TInferenceEngine FEngine;
};

IIEValue I(int32_t v) { return MakeInteger(v); }
IIEValue F(double v) { return MakeFloat(v); }

void ExpectInteger(const IIEValue& value, int32_t expected) {
  ASSERT_EQ(value->DType(), dtInteger);
  EXPECT_EQ(value->AsInteger(), expected);
}
void ExpectFloat(const IIEValue& value, double expected) {
  ASSERT_EQ(value->DType(), dtFloat);
  EXPECT_DOUBLE_EQ(value->AsFloat(), expected);
}

TEST_F(MathPackage, RegistersEveryFunctionInTableOrderWithItsSignature) {
  struct Row {
    const char* name;
    const char* className;
    const char* arguments;
    int32_t min;
    int32_t max;
  };
  const int32_t none = TIEUserFunction::kNoLimit;
  const Row rows[] = {
      {"abs", "TAbsFunction", " <numeric-expression>", 1, 1},
      {"div", "TIntegerDivideFunction", " <integer-expression>+", 1, none},
      {"/", "TDivideFunction", " <numeric-expression>+", 1, none},
      {"exp", "TExpFunction", " <numeric-expression>", 1, 1},
      {"**", "TExptFunction", " <numeric-expression> <numeric-expression>", 2, 2},
      {"float", "TFloatFunction", " <numeric-expression>", 1, 1},
      {"integer", "TIntegerFunction", " <numeric-expression>", 1, 1},
      {"log", "TLogFunction", " <numeric-expression>", 1, 1},
      {"log10", "TLog10Function", " <numeric-expression>", 1, 1},
      {"max", "TMaxFunction", " <numeric-expression>+", 1, none},
      {"min", "TMinFunction", " <numeric-expression>+", 1, none},
      {"-", "TMinusFunction", " <numeric-expression>+", 1, none},
      {"mod", "TModFunction", " <integer-expression> <integer-expression>", 2, 2},
      {"PI", "TPiFunction", "", 0, 0},
      {"+", "TPlusFunction", " <numeric-expression>+", 0, none},
      {"random", "TRandomFunction", " [[<low-integer-expression>] <high-integer-expression>]", 0,
       2},
      {"randomize", "TRandomizeFunction", " [<seed-integer-expression> ]", 0, 1},
      {"round", "TRoundFunction", " <numeric-expression>", 1, 1},
      {"seed", "TSeedFunction", " <integer-expression>", 1, 1},
      {"sqrt", "TSqrtFunction", " <numeric-expression>", 1, 1},
      {"*", "TTimesFunction", " <numeric-expression>+", 0, none},
  };
  std::unique_ptr<TMathPackage> package(NewPackage<TMathPackage>());
  ASSERT_EQ(package->Functions().Count(), int32_t(std::size(rows)));
  for (int32_t i = 0; i < package->Functions().Count(); ++i) {
    const IUserFunction& f = package->Functions().Items(i);
    const Row& row = rows[i];
    EXPECT_EQ(f->FunctionName(), row.name);
    EXPECT_EQ(f->ClassName(), row.className) << row.name;
    EXPECT_EQ(f->ArgumentString(), row.arguments) << row.name;
    EXPECT_EQ(f->MinArgumentCount(), row.min) << row.name;
    EXPECT_EQ(f->MaxArgumentCount(), row.max) << row.name;
    EXPECT_FALSE(f->Comment().empty()) << row.name;
  }
  EXPECT_EQ(package->Functions().Find("+")->Comment(),
            "Returns a value that is the sum of all the arguments");
}

TEST_F(MathPackage, SumsProductsAndDifferencesStayIntegerUntilAFloatJoins) {
  ExpectInteger(Call("+", {I(1), I(2)}), 3);
  ExpectFloat(Call("+", {I(1), F(2.0)}), 3.0);
  ExpectInteger(Call("+", {}), 0);
  ExpectInteger(Call("*", {}), 1);
  ExpectInteger(Call("*", {I(-3), I(4)}), -12);
  ExpectFloat(Call("*", {I(2), F(1.5)}), 3.0);
  ExpectInteger(Call("-", {I(10), I(3), I(2)}), 5);
  ExpectFloat(Call("-", {F(1.5), I(1)}), 0.5);
  // A single argument is returned unchanged, not negated.
  ExpectInteger(Call("-", {I(5)}), 5);
  ExpectFloat(Call("-", {F(2.5)}), 2.5);
  // Text that reads as a number takes part; its kind does not make a float.
  ExpectInteger(Call("+", {MakeAtom("4"), I(1)}), 5);
}

TEST_F(MathPackage, IntegerResultsThatDoNotFitIn32BitsRaise) {
  EXPECT_EQ(Error<EIEException>("+", {I(kMaxInt), I(1)}),
            "Integer overflow in +: the result does not fit in 32 bits");
  EXPECT_EQ(Error<EIEException>("-", {I(kMinInt), I(1)}),
            "Integer overflow in -: the result does not fit in 32 bits");
  EXPECT_EQ(Error<EIEException>("*", {I(65536), I(65536)}),
            "Integer overflow in *: the result does not fit in 32 bits");
  EXPECT_EQ(Error<EIEException>("div", {I(kMinInt), I(-1)}),
            "Integer overflow in div: the result does not fit in 32 bits");
  EXPECT_EQ(Error<EIEException>("abs", {I(kMinInt)}),
            "Integer overflow in abs: the result does not fit in 32 bits");
  // The limits themselves still fit, and a float result never overflows.
  ExpectInteger(Call("+", {I(kMaxInt - 1), I(1)}), kMaxInt);
  ExpectInteger(Call("-", {I(kMinInt + 1), I(1)}), kMinInt);
  ExpectFloat(Call("*", {I(65536), F(65536.0)}), 4294967296.0);
  ExpectInteger(Call("mod", {I(kMinInt), I(-1)}), 0);
}

TEST_F(MathPackage, DivisionAndRemainder) {
  ExpectFloat(Call("/", {I(7), I(2)}), 3.5);
  ExpectFloat(Call("/", {I(100), I(5), I(4)}), 5.0);
  ExpectFloat(Call("/", {I(3)}), 3.0);
  ExpectInteger(Call("div", {I(7), I(2)}), 3);
  ExpectInteger(Call("div", {I(-7), I(2)}), -3);
  ExpectInteger(Call("div", {I(100), I(3), I(3)}), 11);
  ExpectInteger(Call("div", {F(7.9), F(2.2)}), 3);  // integer views: 7 div 2
  ExpectInteger(Call("mod", {I(7), I(3)}), 1);
  ExpectInteger(Call("mod", {I(-7), I(3)}), -1);  // sign of the dividend
  ExpectInteger(Call("mod", {I(7), I(-3)}), 1);
}

TEST_F(MathPackage, DivisionByZeroRaisesThePlatformErrors) {
  EXPECT_EQ(Error<EDivByZero>("div", {I(1), I(0)}), "Division by zero");
  EXPECT_EQ(Error<EDivByZero>("div", {I(1), I(2), I(0)}), "Division by zero");
  EXPECT_EQ(Error<EDivByZero>("mod", {I(5), I(0)}), "Division by zero");
  EXPECT_EQ(Error<EZeroDivide>("/", {I(1), I(0)}), "Floating point division by zero");
  EXPECT_EQ(Error<EZeroDivide>("/", {F(0.0), F(0.0)}), "Floating point division by zero");
}

TEST_F(MathPackage, AbsMaxAndMinKeepTheKindOfTheWinningArgument) {
  ExpectInteger(Call("abs", {I(-4)}), 4);
  ExpectFloat(Call("abs", {F(-4.5)}), 4.5);
  EXPECT_EQ(Error<EIEException>("abs", {MakeAtom("x")}),
            "Expected numeric argument to abs function call");
  ExpectFloat(Call("max", {I(1), F(2.5), I(2)}), 2.5);
  ExpectInteger(Call("max", {I(3), F(2.5)}), 3);
  ExpectInteger(Call("max", {I(3), I(3)}), 3);
  ExpectFloat(Call("min", {I(3), F(2.5), I(4)}), 2.5);
  ExpectInteger(Call("min", {I(-1), F(2.5)}), -1);
  ExpectFloat(Call("max", {F(1.0)}), 1.0);
}

TEST_F(MathPackage, RoundingAndConversions) {
  ExpectFloat(Call("round", {F(2.5)}), 2.0);
  ExpectFloat(Call("round", {F(3.5)}), 4.0);
  ExpectFloat(Call("round", {F(-2.5)}), -2.0);
  ExpectFloat(Call("round", {F(-3.5)}), -4.0);
  ExpectFloat(Call("round", {F(2.6)}), 3.0);
  ExpectFloat(Call("round", {F(-2.4)}), -2.0);
  ExpectFloat(Call("round", {I(7)}), 7.0);
  ExpectFloat(Call("float", {I(3)}), 3.0);
  ExpectInteger(Call("integer", {F(-3.9)}), -3);
  EXPECT_THROW((void)Call("integer", {F(1e12)}), EConvertError);
  ExpectFloat(Call("sqrt", {I(16)}), 4.0);
  ExpectFloat(Call("**", {I(2), I(10)}), 1024.0);
  ExpectFloat(Call("exp", {I(0)}), 1.0);
  ExpectFloat(Call("log", {F(std::exp(2.0))}), 2.0);
  ExpectFloat(Call("log10", {I(1000)}), 3.0);
  ExpectFloat(Call("PI", {}), std::numbers::pi);
}

TEST_F(MathPackage, ArgumentCountsAreChecked) {
  EXPECT_EQ(Error<EIEException>("abs", {}), "Too few arguments for abs");
  EXPECT_EQ(Error<EIEException>("abs", {I(1), I(2)}), "Too many arguments for abs");
  EXPECT_EQ(Error<EIEException>("mod", {I(1)}), "Too few arguments for mod");
  EXPECT_EQ(Error<EIEException>("-", {}), "Too few arguments for -");
  EXPECT_EQ(Error<EIEException>("PI", {I(1)}), "Too many arguments for PI");
  EXPECT_EQ(Error<EIEException>("random", {I(1), I(2), I(3)}), "Too many arguments for random");
}

TEST_F(MathPackage, RandomDrawsInRangeAndRepeatsAfterSeeding) {
  std::set<int32_t> seen;
  for (int i = 0; i < 300; ++i) {
    int32_t r = Call("random", {I(5), I(10)})->AsInteger();
    EXPECT_TRUE(r >= 5 && r <= 14) << r;
    seen.insert(r);
  }
  EXPECT_EQ(seen.size(), 10u);
  for (int i = 0; i < 50; ++i) {
    int32_t r = Call("random", {I(3)})->AsInteger();
    EXPECT_TRUE(r >= 0 && r < 3) << r;
    r = Call("random", {})->AsInteger();
    EXPECT_TRUE(r >= 0 && r < 65536) << r;
  }
  EXPECT_EQ(Call("seed", {I(42)}), TrueValue());
  int32_t a = Call("random", {I(1000000)})->AsInteger();
  EXPECT_EQ(Call("randomize", {I(42)}), TrueValue());
  EXPECT_EQ(Call("random", {I(1000000)})->AsInteger(), a);
  EXPECT_EQ(Call("randomize", {}), TrueValue());
  // No integer lies below a bound of zero; the sum must still fit.
  EXPECT_EQ(Error<EIEException>("random", {I(0)}),
            "The upper bound of random must be positive, not 0");
  EXPECT_EQ(Error<EIEException>("random", {I(kMaxInt), I(10)}).substr(0, 19),
            "Integer overflow in");
}

TEST(MathPackageRandom, EachPackageHasItsOwnGenerator) {
  std::unique_ptr<TMathPackage> a(NewPackage<TMathPackage>());
  std::unique_ptr<TMathPackage> b(NewPackage<TMathPackage>());
  a->Random().Seed(7);
  b->Random().Seed(7);
  int32_t first = a->Random().Next(1000000);
  (void)a->Random().Next(1000000);  // advancing a leaves b where it was
  EXPECT_EQ(b->Random().Next(1000000), first);
}

}  // namespace
}  // namespace vettora
