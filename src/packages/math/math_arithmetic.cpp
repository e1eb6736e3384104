// The arithmetic operators of the math package: +, -, *, /, div, mod, abs,
// max and min. Sums, differences, products and extremes are worked out in
// doubles and stay integers until a float takes part. Integer results that
// do not fit in 32 bits raise an error rather than wrapping.
#include <cmath>
#include <cstdint>
#include <limits>

#include "functions/function_call.h"
#include "functions/messages.h"
#include "packages/math/math_package.h"
#include "values/exceptions.h"
#include "values/format.h"
#include "values/number_text.h"

namespace vettora {
namespace {

constexpr int32_t kNoMax = TIEUserFunction::kNoLimit;

[[noreturn]] void Overflow(const std::string& name) {
  throw EIEException(FormatMessage(kIntegerOverflow, {name}));
}

// A float result holds `value`; an integer result holds it truncated
// toward zero, which must fit in 32 bits.
IIEValue NumericResult(double value, bool isFloat, const std::string& name) {
  if (isFloat) return MakeFloat(value);
  int32_t truncated = 0;
  if (!TryTruncToInt32(value, truncated)) Overflow(name);
  return MakeInteger(truncated);
}

bool IsFloat(const IIEValue& value) { return value->DType() == dtFloat; }

// Folds the arguments with `step`, starting from `start` (or from the first
// argument when `fromFirst`).
template <class Step>
IIEValue Accumulate(TFunctionCall& call, TIEContext& context, const std::string& name, double start,
                    bool fromFirst, Step step) {
  double result = start;
  bool isFloat = false;
  for (int32_t i = 0; i < call.ArgumentCount(); ++i) {
    IIEValue argument = call.EvaluateArgument(i, context);
    double number = argument->AsNumeric();
    isFloat = isFloat || IsFloat(argument);
    result = (i == 0 && fromFirst) ? number : step(result, number);
  }
  return NumericResult(result, isFloat, name);
}

// The running extreme of max and min: `better(a, b)` tells whether a
// replaces b. Once a float has been the extreme, the result stays a float.
template <class Better>
IIEValue Extreme(TFunctionCall& call, TIEContext& context, const std::string& name, Better better) {
  IIEValue first = call.EvaluateArgument(0, context);
  double extreme = first->AsNumeric();
  bool isFloat = IsFloat(first);
  for (int32_t i = 1; i < call.ArgumentCount(); ++i) {
    IIEValue argument = call.EvaluateArgument(i, context);
    double number = argument->AsNumeric();
    if (!better(number, extreme)) continue;
    extreme = number;
    isFloat = isFloat || IsFloat(argument);
  }
  return NumericResult(extreme, isFloat, name);
}

}  // namespace

// ---- + -------------------------------------------------------------------------

TPlusFunction::TPlusFunction()
    : TMathFunction("+", "Returns a value that is the sum of all the arguments",
                    " <numeric-expression>+", 0, kNoMax) {}

IIEValue TPlusFunction::Execute(TFunctionCall& call, TIEContext& context) {
  return Accumulate(call, context, FunctionName(), 0.0, false,
                    [](double a, double b) { return a + b; });
}

// ---- * -------------------------------------------------------------------------

TTimesFunction::TTimesFunction()
    : TMathFunction("*", "Returns a value that is the product of all the arguments",
                    " <numeric-expression>+", 0, kNoMax) {}

IIEValue TTimesFunction::Execute(TFunctionCall& call, TIEContext& context) {
  return Accumulate(call, context, FunctionName(), 1.0, false,
                    [](double a, double b) { return a * b; });
}

// ---- - -------------------------------------------------------------------------

TMinusFunction::TMinusFunction()
    : TMathFunction("-", "Returns a value that is the first argument minus all the later arguments",
                    " <numeric-expression>+", 1, kNoMax) {}

IIEValue TMinusFunction::Execute(TFunctionCall& call, TIEContext& context) {
  // A single argument comes back as it is: `-` never negates.
  if (call.ArgumentCount() == 1) return call.EvaluateArgument(0, context);
  return Accumulate(call, context, FunctionName(), 0.0, true,
                    [](double a, double b) { return a - b; });
}

// ---- / -------------------------------------------------------------------------

TDivideFunction::TDivideFunction()
    : TMathFunction("/",
                    "Returns a float that is the first argument divided by each later argument",
                    " <numeric-expression>+", 1, kNoMax) {}

IIEValue TDivideFunction::Execute(TFunctionCall& call, TIEContext& context) {
  double result = call.EvaluateArgument(0, context)->AsNumeric();
  for (int32_t i = 1; i < call.ArgumentCount(); ++i) {
    double divisor = call.EvaluateArgument(i, context)->AsNumeric();
    if (divisor == 0.0) throw EZeroDivide(kFloatDivisionByZero);
    result /= divisor;
  }
  return MakeFloat(result);
}

// ---- div -----------------------------------------------------------------------

TIntegerDivideFunction::TIntegerDivideFunction()
    : TMathFunction("div",
                    "Returns an integer that is the first argument divided by each later "
                    "argument, truncating each quotient",
                    " <integer-expression>+", 1, kNoMax) {}

IIEValue TIntegerDivideFunction::Execute(TFunctionCall& call, TIEContext& context) {
  int32_t result = call.EvaluateArgument(0, context)->AsInteger();
  for (int32_t i = 1; i < call.ArgumentCount(); ++i) {
    int32_t divisor = call.EvaluateArgument(i, context)->AsInteger();
    if (divisor == 0) throw EDivByZero(kIntegerDivisionByZero);
    // The one quotient of two 32-bit integers that does not fit.
    if (divisor == -1 && result == std::numeric_limits<int32_t>::min()) Overflow(FunctionName());
    result /= divisor;
  }
  return MakeInteger(result);
}

// ---- mod -----------------------------------------------------------------------

TModFunction::TModFunction()
    : TMathFunction("mod",
                    "Returns an integer that is the remainder of the first argument divided "
                    "by the second",
                    " <integer-expression> <integer-expression>", 2, 2) {}

IIEValue TModFunction::Execute(TFunctionCall& call, TIEContext& context) {
  int32_t dividend = call.EvaluateArgument(0, context)->AsInteger();
  int32_t divisor = call.EvaluateArgument(1, context)->AsInteger();
  if (divisor == 0) throw EDivByZero(kIntegerDivisionByZero);
  // Any number modulo -1 is 0; computing it would overflow for the minimum.
  if (divisor == -1) return MakeInteger(0);
  return MakeInteger(dividend % divisor);
}

// ---- abs -----------------------------------------------------------------------

TAbsFunction::TAbsFunction()
    : TMathFunction("abs", "Returns the absolute value of the argument", " <numeric-expression>", 1,
                    1) {}

IIEValue TAbsFunction::Execute(TFunctionCall& call, TIEContext& context) {
  IIEValue argument = call.EvaluateArgument(0, context);
  if (argument->DType() == dtFloat) return MakeFloat(std::fabs(argument->AsFloat()));
  if (argument->DType() != dtInteger)
    throw EIEException(FormatMessage(kExpectedNumericArgument, {FunctionName()}));
  int32_t number = argument->AsInteger();
  if (number == std::numeric_limits<int32_t>::min()) Overflow(FunctionName());
  return MakeInteger(number < 0 ? -number : number);
}

// ---- max, min ------------------------------------------------------------------

TMaxFunction::TMaxFunction()
    : TMathFunction("max", "Returns the value of the largest argument", " <numeric-expression>+", 1,
                    kNoMax) {}

IIEValue TMaxFunction::Execute(TFunctionCall& call, TIEContext& context) {
  return Extreme(call, context, FunctionName(), [](double a, double b) { return a > b; });
}

TMinFunction::TMinFunction()
    : TMathFunction("min", "Returns the value of the smallest argument", " <numeric-expression>+",
                    1, kNoMax) {}

IIEValue TMinFunction::Execute(TFunctionCall& call, TIEContext& context) {
  return Extreme(call, context, FunctionName(), [](double a, double b) { return a < b; });
}

}  // namespace vettora
