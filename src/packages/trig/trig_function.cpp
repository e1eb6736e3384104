// Evaluation and result checking shared by the trigonometry functions.
#include "packages/trig/trig_function.h"

#include <cmath>
#include <vector>

#include "functions/argument_values.h"
#include "packages/trig/messages.h"
#include "values/exceptions.h"
#include "values/format.h"

namespace vettora {
namespace {

// The result as a float; NaN and infinities become errors that name the
// function and what it was given (`arguments` makes that text, only then).
template <class ArgumentsText>
IIEValue Checked(double result, const std::string& name, ArgumentsText arguments) {
  if (std::isnan(result)) throw EIEException(FormatMessage(kOutsideDomain, {arguments(), name}));
  if (std::isinf(result)) throw EIEException(FormatMessage(kInfiniteResult, {name, arguments()}));
  return MakeFloat(result);
}

// A list of numbers as "(1.0 2.5)".
std::string NumbersText(const std::vector<double>& numbers) {
  std::string text = "(";
  for (size_t i = 0; i < numbers.size(); ++i)
    text += (i > 0 ? " " : "") + FormatFloatDefault(numbers[i]);
  return text + ")";
}

}  // namespace

TUnaryTrigFunction::TUnaryTrigFunction(const std::string& name, const std::string& help,
                                       TFormula formula)
    : TBuiltInFunction(name, help, kTrigNumericArgument, 1, 1), FFormula(formula) {}

IIEValue TUnaryTrigFunction::Execute(TFunctionCall& call, TIEContext& context) {
  double x = NumericArgument(call, 0, context);
  return Checked(FFormula(x), FunctionName(), [x] { return FormatFloatDefault(x); });
}

TPointTrigFunction::TPointTrigFunction(const std::string& name, const std::string& help,
                                       TFormula formula)
    : TBuiltInFunction(name, help, kTrigPointArguments, 2, 2), FFormula(formula) {}

IIEValue TPointTrigFunction::Execute(TFunctionCall& call, TIEContext& context) {
  double x = NumericArgument(call, 0, context);
  double y = NumericArgument(call, 1, context);
  return Checked(FFormula(x, y), FunctionName(),
                 [x, y] { return FormatFloatDefault(x) + " " + FormatFloatDefault(y); });
}

TDistanceFunctionBase::TDistanceFunctionBase(const std::string& name, const std::string& help,
                                             TTerm term, TFinish finish)
    : TBuiltInFunction(name, help, kTrigMultifieldArguments, 2, 2), FTerm(term), FFinish(finish) {}

IIEValue TDistanceFunctionBase::Execute(TFunctionCall& call, TIEContext& context) {
  std::vector<double> a = NumbersArgument(call, 0, context);
  std::vector<double> b = NumbersArgument(call, 1, context);
  if (a.size() != b.size()) throw EIEException(kMultifieldLengthsDiffer);
  double sum = 0.0;
  for (size_t i = 0; i < a.size(); ++i) sum += FTerm(a[i] - b[i]);
  return Checked(FFinish(sum), FunctionName(),
                 [&] { return NumbersText(a) + " " + NumbersText(b); });
}

}  // namespace vettora
