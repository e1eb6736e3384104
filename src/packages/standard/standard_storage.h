#pragma once
// The standard package's storage and symbol functions: store, fetch and
// clear-storage over the engine's table of stored values, __get-var (the
// value of a variable named at run time) and gensym* (a fresh symbol).

#include <string>

#include "packages/standard/standard_package.h"

namespace vettora {

class TFunctionCall;

VETTORA_STANDARD_FUNCTION(TStoreFunction);
VETTORA_STANDARD_FUNCTION(TFetchFunction);
VETTORA_STANDARD_FUNCTION(TClearStorageFunction);
VETTORA_STANDARD_FUNCTION(TExtractGlobalFunction);
VETTORA_STANDARD_FUNCTION(TGenSymStarFunction);

}  // namespace vettora
