#pragma once
// The engine commands of the standard package: run, reset, clear, version,
// watch and unwatch.

#include "engine/standard_core.h"

namespace vettora {

VETTORA_CORE_FUNCTION(TRunFunction);
VETTORA_CORE_FUNCTION(TResetFunction);
VETTORA_CORE_FUNCTION(TClearFunction);
VETTORA_CORE_FUNCTION(TVersionFunction);
VETTORA_CORE_FUNCTION(TWatchFunction);
VETTORA_CORE_FUNCTION(TUnwatchFunction);

}  // namespace vettora
