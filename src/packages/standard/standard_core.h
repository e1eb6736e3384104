#pragma once
// Argument helpers the standard functions share: an argument evaluated or
// as written, never an empty handle, and the one test of falsehood. (The
// function classes themselves are declared with VETTORA_STANDARD_FUNCTION,
// standard_package.h.)

#include <string>

#include "functions/function_call.h"
#include "packages/standard/standard_package.h"

namespace vettora {

// Argument i (from 0) evaluated; a function that answered no value gives
// nil, so callers always hold a value.
[[nodiscard]] inline IIEValue EvaluateArg(const TFunctionCall& call, int32_t i,
                                          TIEContext& context) {
  IIEValue value = call.EvaluateArgument(i, context);
  return value ? value : NilValue();
}

// Argument i (from 0) as written, nil for an empty slot.
[[nodiscard]] inline IIEValue WrittenArg(const TFunctionCall& call, int32_t i) {
  const IIEValue& value = call.Argument(i);
  return value ? value : NilValue();
}

// True for the atom FALSE only: every other value counts as true.
[[nodiscard]] inline bool IsFalse(const IIEValue& value) { return value->Equals(FalseValue()); }

}  // namespace vettora
