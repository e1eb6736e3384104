#pragma once
// The predicate package's functions other than the type tests: the parity
// tests evenp and oddp, and get-type, which names a value's kind.

#include "functions/built_in_function.h"

namespace vettora {

VETTORA_BUILT_IN_FUNCTION(TEvenPFunction, TBuiltInFunction);
VETTORA_BUILT_IN_FUNCTION(TOddPFunction, TBuiltInFunction);
VETTORA_BUILT_IN_FUNCTION(TGetValueTypeFunction, TBuiltInFunction);

}  // namespace vettora
