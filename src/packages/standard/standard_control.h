#pragma once
// The control functions of the standard package: if, while, foreach, try,
// throw, return, bind, halt and exit.
//
// A sequence of expressions (a branch, a loop body, a try block) stops as
// soon as the context's return flag is set: its result is then the
// context's return value, and the flag stays set so that enclosing
// sequences stop too, up to the deffunction or rule that clears it.

#include "packages/standard/standard_core.h"

namespace vettora {

VETTORA_STANDARD_FUNCTION(TIfFunction);
VETTORA_STANDARD_FUNCTION(TWhileFunction);
VETTORA_STANDARD_FUNCTION(TForEachFunction);
VETTORA_STANDARD_FUNCTION(TTryFunction);
VETTORA_STANDARD_FUNCTION(TThrowFunction);
VETTORA_STANDARD_FUNCTION(TReturnFunction);
VETTORA_STANDARD_FUNCTION(TBindFunction);
VETTORA_STANDARD_FUNCTION(THaltFunction);
VETTORA_STANDARD_FUNCTION(TExitFunction);

// The name under which `try` hands the caught error's message to its catch
// block (?__ERROR in the rule language).
inline constexpr const char* kErrorVariable = "__ERROR";

// Evaluates arguments first..last-1 in order, each becoming `result`.
// Answers true when the return flag stopped the sequence; `result` is then
// the return value.
bool RunSequence(const TFunctionCall& call, int32_t first, int32_t last, TIEContext& context,
                 IIEValue& result);

}  // namespace vettora
