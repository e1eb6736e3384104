#pragma once
// Reading a call's arguments inside a built-in function: each argument is
// evaluated where the function asks for it, and an argument whose
// evaluation answered no value (a function with an empty result) reads as
// nil, so a function always holds a value it can inspect or convert.

#include <cstdint>
#include <string>
#include <vector>

#include "functions/function_call.h"
#include "values/value.h"

namespace vettora {

// Argument i (from 0) evaluated in `context`; nil for no value.
[[nodiscard]] inline IIEValue ArgumentValue(const TFunctionCall& call, int32_t i,
                                            TIEContext& context) {
  IIEValue value = call.EvaluateArgument(i, context);
  return value ? value : NilValue();
}

// Argument i read as a number (the value's numeric view).
[[nodiscard]] inline double NumericArgument(const TFunctionCall& call, int32_t i,
                                            TIEContext& context) {
  return ArgumentValue(call, i, context)->AsNumeric();
}

// Argument i read as an integer (the value's integer view).
[[nodiscard]] inline int32_t IntegerArgument(const TFunctionCall& call, int32_t i,
                                             TIEContext& context) {
  return ArgumentValue(call, i, context)->AsInteger();
}

// Argument i read as text (the value's string view).
[[nodiscard]] inline std::string TextArgument(const TFunctionCall& call, int32_t i,
                                              TIEContext& context) {
  return ArgumentValue(call, i, context)->AsString();
}

// Argument i, a multifield, with each element evaluated in `context` and
// read as a number, in order (an empty element reads as nil, that is 0).
[[nodiscard]] std::vector<double> NumbersArgument(const TFunctionCall& call, int32_t i,
                                                  TIEContext& context);

}  // namespace vettora
