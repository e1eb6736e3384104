#pragma once
// The logic and comparison functions of the standard package: and, or,
// not; eq, neq, eq* (value equality); =, <>, >, >=, <, <= (numbers).
// Each evaluates its arguments from left to right and stops as soon as the
// answer is known, so later arguments with side effects may not run.

#include "packages/standard/standard_core.h"

namespace vettora {

VETTORA_STANDARD_FUNCTION(TAndFunction);
VETTORA_STANDARD_FUNCTION(TOrFunction);
VETTORA_STANDARD_FUNCTION(TNotFunction);
VETTORA_STANDARD_FUNCTION(TEqFunction);
VETTORA_STANDARD_FUNCTION(TNeqFunction);
VETTORA_STANDARD_FUNCTION(TEqStarFunction);
VETTORA_STANDARD_FUNCTION(TEqualsFunction);
VETTORA_STANDARD_FUNCTION(TNotEqualsFunction);
VETTORA_STANDARD_FUNCTION(TGtFunction);
VETTORA_STANDARD_FUNCTION(TGtOrEqFunction);
VETTORA_STANDARD_FUNCTION(TLtFunction);
VETTORA_STANDARD_FUNCTION(TLtOrEqFunction);

}  // namespace vettora
