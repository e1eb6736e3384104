#pragma once
// The business package's twelve financial functions: depreciation, the
// time value of money, net present value and the two rates found by
// iteration. Every result is a float; a result that is not a finite number
// is an error rather than a NaN or infinity handed on.

#include "functions/built_in_function.h"

namespace vettora {

VETTORA_BUILT_IN_FUNCTION(TDoubleDecliningBalanceFunction, TBuiltInFunction);
VETTORA_BUILT_IN_FUNCTION(TFutureValueFunction, TBuiltInFunction);
VETTORA_BUILT_IN_FUNCTION(TInterestPaymentFunction, TBuiltInFunction);
VETTORA_BUILT_IN_FUNCTION(TInterestRateFunction, TBuiltInFunction);
VETTORA_BUILT_IN_FUNCTION(TInternalRateOfReturnFunction, TBuiltInFunction);
VETTORA_BUILT_IN_FUNCTION(TNetPresentValueFunction, TBuiltInFunction);
VETTORA_BUILT_IN_FUNCTION(TNumberOfPeriodsFunction, TBuiltInFunction);
VETTORA_BUILT_IN_FUNCTION(TPaymentFunction, TBuiltInFunction);
VETTORA_BUILT_IN_FUNCTION(TPeriodPaymentFunction, TBuiltInFunction);
VETTORA_BUILT_IN_FUNCTION(TPresentValueFunction, TBuiltInFunction);
VETTORA_BUILT_IN_FUNCTION(TSLNDepreciationFunction, TBuiltInFunction);
VETTORA_BUILT_IN_FUNCTION(TSYDDepreciationFunction, TBuiltInFunction);

}  // namespace vettora
