// The math package's single-argument functions and constants: exp, **,
// float, integer, log, log10, PI, round and sqrt. All but `integer` answer
// floats.
#include <cmath>
#include <numbers>

#include "functions/function_call.h"
#include "packages/math/math_package.h"

namespace vettora {
namespace {

double NumericArgument(TFunctionCall& call, TIEContext& context, int32_t i) {
  return call.EvaluateArgument(i, context)->AsNumeric();
}

// Rounds to the nearest whole number, halves to the even neighbour,
// whatever the floating-point rounding mode happens to be.
double RoundHalfEven(double value) {
  double lower = std::floor(value);
  double fraction = value - lower;
  if (fraction > 0.5) return lower + 1.0;
  if (fraction < 0.5) return lower;
  return std::fmod(lower, 2.0) == 0.0 ? lower : lower + 1.0;
}

}  // namespace

TExpFunction::TExpFunction()
    : TMathFunction("exp", "Returns the value of e raised to the power of the argument",
                    " <numeric-expression>", 1, 1) {}

IIEValue TExpFunction::Execute(TFunctionCall& call, TIEContext& context) {
  return MakeFloat(std::exp(NumericArgument(call, context, 0)));
}

TExptFunction::TExptFunction()
    : TMathFunction("**",
                    "Returns the value of the first argument raised to the power of the second",
                    " <numeric-expression> <numeric-expression>", 2, 2) {}

IIEValue TExptFunction::Execute(TFunctionCall& call, TIEContext& context) {
  double base = NumericArgument(call, context, 0);
  return MakeFloat(std::pow(base, NumericArgument(call, context, 1)));
}

TFloatFunction::TFloatFunction()
    : TMathFunction("float", "Returns the argument converted to a float", " <numeric-expression>",
                    1, 1) {}

IIEValue TFloatFunction::Execute(TFunctionCall& call, TIEContext& context) {
  return MakeFloat(NumericArgument(call, context, 0));
}

TIntegerFunction::TIntegerFunction()
    : TMathFunction("integer", "Returns the argument converted to an integer, truncating",
                    " <numeric-expression>", 1, 1) {}

IIEValue TIntegerFunction::Execute(TFunctionCall& call, TIEContext& context) {
  return MakeInteger(call.EvaluateArgument(0, context)->AsInteger());
}

TLogFunction::TLogFunction()
    : TMathFunction("log", "Returns the natural logarithm of the argument", " <numeric-expression>",
                    1, 1) {}

IIEValue TLogFunction::Execute(TFunctionCall& call, TIEContext& context) {
  return MakeFloat(std::log(NumericArgument(call, context, 0)));
}

TLog10Function::TLog10Function()
    : TMathFunction("log10", "Returns the base 10 logarithm of the argument",
                    " <numeric-expression>", 1, 1) {}

IIEValue TLog10Function::Execute(TFunctionCall& call, TIEContext& context) {
  return MakeFloat(std::log10(NumericArgument(call, context, 0)));
}

TPiFunction::TPiFunction() : TMathFunction("PI", "Returns the value of pi", "", 0, 0) {}

IIEValue TPiFunction::Execute(TFunctionCall&, TIEContext&) { return MakeFloat(std::numbers::pi); }

TRoundFunction::TRoundFunction()
    : TMathFunction("round",
                    "Returns the argument rounded to the nearest whole number, halves to "
                    "the even neighbour",
                    " <numeric-expression>", 1, 1) {}

IIEValue TRoundFunction::Execute(TFunctionCall& call, TIEContext& context) {
  return MakeFloat(RoundHalfEven(NumericArgument(call, context, 0)));
}

TSqrtFunction::TSqrtFunction()
    : TMathFunction("sqrt", "Returns the square root of the argument", " <numeric-expression>", 1,
                    1) {}

IIEValue TSqrtFunction::Execute(TFunctionCall& call, TIEContext& context) {
  return MakeFloat(std::sqrt(NumericArgument(call, context, 0)));
}

}  // namespace vettora
