#pragma once
// The engine commands of the standard package: run, reset, clear, version,
// watch and unwatch.

#include "packages/standard/standard_core.h"

namespace vettora {

VETTORA_STANDARD_FUNCTION(TRunFunction);
VETTORA_STANDARD_FUNCTION(TResetFunction);
VETTORA_STANDARD_FUNCTION(TClearFunction);
VETTORA_STANDARD_FUNCTION(TVersionFunction);
VETTORA_STANDARD_FUNCTION(TWatchFunction);
VETTORA_STANDARD_FUNCTION(TUnwatchFunction);

}  // namespace vettora
