#pragma once
// The standard package's fact functions: assert, assert-string, retract,
// retract-string, modify, duplicate, get-slot-value, the fact-duplication
// switch, do-backward-chaining, load-facts and save-facts.
//
// Every one of them works on the engine its context belongs to (EngineOf);
// assertion and retraction go through the engine so that the network,
// watches and events see every change.

#include <string>

#include "knowledge/fact.h"
#include "packages/standard/standard_package.h"

namespace vettora {

class TFunctionCall;

VETTORA_STANDARD_FUNCTION(TAssertFunction);
VETTORA_STANDARD_FUNCTION(TAssertStringFunction);
VETTORA_STANDARD_FUNCTION(TRetractFunction);
VETTORA_STANDARD_FUNCTION(TRetractStringFunction);
VETTORA_STANDARD_FUNCTION(TModifyFunction);
VETTORA_STANDARD_FUNCTION(TDuplicateFunction);
VETTORA_STANDARD_FUNCTION(TGetSlotValueFunction);
VETTORA_STANDARD_FUNCTION(TGetFactDuplicationFunction);
VETTORA_STANDARD_FUNCTION(TSetFactDuplicationFunction);
VETTORA_STANDARD_FUNCTION(TDoBackwardChainingFunction);
VETTORA_STANDARD_FUNCTION(TLoadFactsFunction);
VETTORA_STANDARD_FUNCTION(TSaveFactsFunction);

// The fact a value stands for: the fact of a dtFact value; raises the
// reader's "Not a fact type" error for any other kind.
[[nodiscard]] IFact FactOfValue(const TIEValue& value);

// A dtFactId value.
[[nodiscard]] IIEValue FactIdValue(int32_t id);

}  // namespace vettora
