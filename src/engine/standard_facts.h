#pragma once
// The standard package's fact functions: assert, assert-string, retract,
// retract-string, modify, duplicate, get-slot-value, the fact-duplication
// switch, do-backward-chaining, load-facts and save-facts.
//
// Every one of them works on the engine its context belongs to (EngineOf);
// assertion and retraction go through the engine so that the network,
// watches and events see every change.

#include <string>

#include "engine/standard_package.h"
#include "knowledge/fact.h"

namespace vettora {

class TFunctionCall;

// Declares a fact function class of the standard package.
#define VETTORA_FACT_FUNCTION(Class)                                        \
  class Class : public TStandardFunction {                                  \
   public:                                                                  \
    Class();                                                                \
    [[nodiscard]] std::string ClassName() const override { return #Class; } \
                                                                            \
   protected:                                                               \
    IIEValue Execute(TFunctionCall& call, TIEContext& context) override;    \
  }

VETTORA_FACT_FUNCTION(TAssertFunction);
VETTORA_FACT_FUNCTION(TAssertStringFunction);
VETTORA_FACT_FUNCTION(TRetractFunction);
VETTORA_FACT_FUNCTION(TRetractStringFunction);
VETTORA_FACT_FUNCTION(TModifyFunction);
VETTORA_FACT_FUNCTION(TDuplicateFunction);
VETTORA_FACT_FUNCTION(TGetSlotValueFunction);
VETTORA_FACT_FUNCTION(TGetFactDuplicationFunction);
VETTORA_FACT_FUNCTION(TSetFactDuplicationFunction);
VETTORA_FACT_FUNCTION(TDoBackwardChainingFunction);
VETTORA_FACT_FUNCTION(TLoadFactsFunction);
VETTORA_FACT_FUNCTION(TSaveFactsFunction);

#undef VETTORA_FACT_FUNCTION

// The fact a value stands for: the fact of a dtFact value; raises the
// reader's "Not a fact type" error for any other kind.
[[nodiscard]] IFact FactOfValue(const TIEValue& value);

// A dtFactId value.
[[nodiscard]] IIEValue FactIdValue(int32_t id);

// Files the storage and symbol functions (standard_storage.cpp).
void RegisterStandardStorageFunctions(TStandardFactories& factories);

}  // namespace vettora
