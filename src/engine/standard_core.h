#pragma once
// Declaration helper for the standard functions of the logic, control,
// output, file and engine-command areas (standard_logic.h and its
// siblings). Each such function is stateless apart from its settings, so a
// class needs only a constructor, its class name and Execute.

#include <string>

#include "engine/standard_package.h"
#include "functions/function_call.h"

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
