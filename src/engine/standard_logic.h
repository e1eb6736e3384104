#pragma once
// The logic and comparison functions of the standard package: and, or,
// not; eq, neq, eq* (value equality); =, <>, >, >=, <, <= (numbers).
// Each evaluates its arguments from left to right and stops as soon as the
// answer is known, so later arguments with side effects may not run.

#include "engine/standard_core.h"

namespace vettora {

VETTORA_CORE_FUNCTION(TAndFunction);
VETTORA_CORE_FUNCTION(TOrFunction);
VETTORA_CORE_FUNCTION(TNotFunction);
VETTORA_CORE_FUNCTION(TEqFunction);
VETTORA_CORE_FUNCTION(TNeqFunction);
VETTORA_CORE_FUNCTION(TEqStarFunction);
VETTORA_CORE_FUNCTION(TEqualsFunction);
VETTORA_CORE_FUNCTION(TNotEqualsFunction);
VETTORA_CORE_FUNCTION(TGtFunction);
VETTORA_CORE_FUNCTION(TGtOrEqFunction);
VETTORA_CORE_FUNCTION(TLtFunction);
VETTORA_CORE_FUNCTION(TLtOrEqFunction);

}  // namespace vettora
