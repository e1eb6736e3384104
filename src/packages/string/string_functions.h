#pragma once
// The string package's functions: concatenation into symbols and strings,
// case conversion, comparison, search, length and substrings. Text is
// UTF-8 and is counted in characters.

#include "functions/built_in_function.h"

namespace vettora {

VETTORA_BUILT_IN_FUNCTION(TSymCatFunction, TBuiltInFunction);
VETTORA_BUILT_IN_FUNCTION(TLowerCaseFunction, TBuiltInFunction);
VETTORA_BUILT_IN_FUNCTION(TStrCatFunction, TBuiltInFunction);
VETTORA_BUILT_IN_FUNCTION(TStrCompFunction, TBuiltInFunction);
VETTORA_BUILT_IN_FUNCTION(TStrIndexFunction, TBuiltInFunction);
VETTORA_BUILT_IN_FUNCTION(TStrLengthFunction, TBuiltInFunction);
VETTORA_BUILT_IN_FUNCTION(TSubStringFunction, TBuiltInFunction);
VETTORA_BUILT_IN_FUNCTION(TUpperCaseFunction, TBuiltInFunction);

}  // namespace vettora
