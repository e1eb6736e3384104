#pragma once
// The standard package's multifield functions: create$, delete$, explode$,
// first$, implode$, insert$, length$, member, member$, nth$, replace$,
// rest$, subseq$ and subsetp.
//
// Positions in a list count from 0. A function never changes a list it is
// given: every result that is a list is a new one.

#include <string>

#include "engine/standard_package.h"
#include "functions/function_call.h"
#include "values/value_vector.h"

namespace vettora {

// Declares a multifield function class of the standard package.
#define VETTORA_MF_FUNCTION(Class)                                          \
  class Class : public TStandardFunction {                                  \
   public:                                                                  \
    Class();                                                                \
    [[nodiscard]] std::string ClassName() const override { return #Class; } \
                                                                            \
   protected:                                                               \
    IIEValue Execute(TFunctionCall& call, TIEContext& context) override;    \
  }

VETTORA_MF_FUNCTION(TCreateMFFunction);
VETTORA_MF_FUNCTION(TDeleteMFFunction);
VETTORA_MF_FUNCTION(TExplodeMFFunction);
VETTORA_MF_FUNCTION(TFirstMFFunction);
VETTORA_MF_FUNCTION(TImplodeMFFunction);
VETTORA_MF_FUNCTION(TInsertMFFunction);
VETTORA_MF_FUNCTION(TLengthMFFunction);
VETTORA_MF_FUNCTION(TMemberFunction);
VETTORA_MF_FUNCTION(TMemberMFFunction);
VETTORA_MF_FUNCTION(TNthMFFunction);
VETTORA_MF_FUNCTION(TReplaceMFFunction);
VETTORA_MF_FUNCTION(TRestMFFunction);
VETTORA_MF_FUNCTION(TSubSeqMFFunction);
VETTORA_MF_FUNCTION(TSubSetpMFFunction);

#undef VETTORA_MF_FUNCTION

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
