#pragma once
// The standard package's multifield functions: create$, delete$, explode$,
// first$, implode$, insert$, length$, member, member$, nth$, replace$,
// rest$, subseq$ and subsetp.
//
// Positions in a list count from 0. A function never changes a list it is
// given: every result that is a list is a new one.

#include <string>

#include "functions/function_call.h"
#include "packages/standard/standard_package.h"
#include "values/value_vector.h"

namespace vettora {

VETTORA_STANDARD_FUNCTION(TCreateMFFunction);
VETTORA_STANDARD_FUNCTION(TDeleteMFFunction);
VETTORA_STANDARD_FUNCTION(TExplodeMFFunction);
VETTORA_STANDARD_FUNCTION(TFirstMFFunction);
VETTORA_STANDARD_FUNCTION(TImplodeMFFunction);
VETTORA_STANDARD_FUNCTION(TInsertMFFunction);
VETTORA_STANDARD_FUNCTION(TLengthMFFunction);
VETTORA_STANDARD_FUNCTION(TMemberFunction);
VETTORA_STANDARD_FUNCTION(TMemberMFFunction);
VETTORA_STANDARD_FUNCTION(TNthMFFunction);
VETTORA_STANDARD_FUNCTION(TReplaceMFFunction);
VETTORA_STANDARD_FUNCTION(TRestMFFunction);
VETTORA_STANDARD_FUNCTION(TSubSeqMFFunction);
VETTORA_STANDARD_FUNCTION(TSubSetpMFFunction);

// The list argument i (0-based) stands for: evaluated and read as a list
// ("Not a list type" for any other kind).
[[nodiscard]] inline IValueVector ListArgument(TFunctionCall& call, int32_t i,
                                               TIEContext& context) {
  return call.EvaluateArgument(i, context)->AsList();
}

// An element as it is read: evaluated again (a constant is itself); an
// empty element reads as nil.
[[nodiscard]] IIEValue ReadElement(const TValueVector& list, int32_t i, TIEContext& context);

// A copy of a value for a new list (empty stays empty).
[[nodiscard]] inline IIEValue CloneOf(const IIEValue& value) {
  return value ? value->Clone() : value;
}

}  // namespace vettora
