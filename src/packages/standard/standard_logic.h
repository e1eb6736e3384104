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
// The numeric comparisons also decide two plain numbers without a call,
// for the matcher's tests on values it reads out of facts.
#define VETTORA_COMPARISON_FUNCTION(Class)                                                  \
  class Class : public TStandardFunction {                                                  \
   public:                                                                                  \
    Class();                                                                                \
    [[nodiscard]] std::string ClassName() const override { return #Class; }                 \
    [[nodiscard]] bool TryCompare(const TIEValue& first, const TIEValue& second,            \
                                  bool& result) const override;                             \
                                                                                            \
   protected:                                                                               \
    IIEValue Execute(TFunctionCall& call, TIEContext& context) override;                    \
  }

VETTORA_COMPARISON_FUNCTION(TEqualsFunction);
VETTORA_COMPARISON_FUNCTION(TNotEqualsFunction);
VETTORA_COMPARISON_FUNCTION(TGtFunction);
VETTORA_COMPARISON_FUNCTION(TGtOrEqFunction);
VETTORA_COMPARISON_FUNCTION(TLtFunction);
VETTORA_COMPARISON_FUNCTION(TLtOrEqFunction);

}  // namespace vettora
