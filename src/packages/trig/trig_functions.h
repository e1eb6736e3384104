#pragma once
// The trigonometry package's function classes, one per function: the
// circular and hyperbolic functions and their inverses, angle conversions,
// atan2, hypotenuse and the distances between multifields.

#include "packages/trig/trig_function.h"

namespace vettora {

VETTORA_TRIG_FUNCTION(TACosFunction, TUnaryTrigFunction);
VETTORA_TRIG_FUNCTION(TACosHFunction, TUnaryTrigFunction);
VETTORA_TRIG_FUNCTION(TACotFunction, TUnaryTrigFunction);
VETTORA_TRIG_FUNCTION(TACotHFunction, TUnaryTrigFunction);
VETTORA_TRIG_FUNCTION(TACscFunction, TUnaryTrigFunction);
VETTORA_TRIG_FUNCTION(TACscHFunction, TUnaryTrigFunction);
VETTORA_TRIG_FUNCTION(TASecFunction, TUnaryTrigFunction);
VETTORA_TRIG_FUNCTION(TASecHFunction, TUnaryTrigFunction);
VETTORA_TRIG_FUNCTION(TASinFunction, TUnaryTrigFunction);
VETTORA_TRIG_FUNCTION(TASinHFunction, TUnaryTrigFunction);
VETTORA_TRIG_FUNCTION(TATanFunction, TUnaryTrigFunction);
VETTORA_TRIG_FUNCTION(TATanHFunction, TUnaryTrigFunction);
VETTORA_TRIG_FUNCTION(TCosFunction, TUnaryTrigFunction);
VETTORA_TRIG_FUNCTION(TCosHFunction, TUnaryTrigFunction);
VETTORA_TRIG_FUNCTION(TCotFunction, TUnaryTrigFunction);
VETTORA_TRIG_FUNCTION(TCotHFunction, TUnaryTrigFunction);
VETTORA_TRIG_FUNCTION(TCscFunction, TUnaryTrigFunction);
VETTORA_TRIG_FUNCTION(TCscHFunction, TUnaryTrigFunction);
VETTORA_TRIG_FUNCTION(TSecFunction, TUnaryTrigFunction);
VETTORA_TRIG_FUNCTION(TSecHFunction, TUnaryTrigFunction);
VETTORA_TRIG_FUNCTION(TSinFunction, TUnaryTrigFunction);
VETTORA_TRIG_FUNCTION(TSinHFunction, TUnaryTrigFunction);
VETTORA_TRIG_FUNCTION(TTanFunction, TUnaryTrigFunction);
VETTORA_TRIG_FUNCTION(TTanHFunction, TUnaryTrigFunction);
VETTORA_TRIG_FUNCTION(TCycleRadFunction, TUnaryTrigFunction);
VETTORA_TRIG_FUNCTION(TRadCycleFunction, TUnaryTrigFunction);
VETTORA_TRIG_FUNCTION(TDegRadFunction, TUnaryTrigFunction);
VETTORA_TRIG_FUNCTION(TRadDegFunction, TUnaryTrigFunction);
VETTORA_TRIG_FUNCTION(TDegGradFunction, TUnaryTrigFunction);
VETTORA_TRIG_FUNCTION(TGradDegFunction, TUnaryTrigFunction);
VETTORA_TRIG_FUNCTION(TGradRadFunction, TUnaryTrigFunction);
VETTORA_TRIG_FUNCTION(TRadGradFunction, TUnaryTrigFunction);
VETTORA_TRIG_FUNCTION(TATan2Function, TPointTrigFunction);
VETTORA_TRIG_FUNCTION(THypotenuseFunction, TPointTrigFunction);
VETTORA_TRIG_FUNCTION(TDistanceFunction, TDistanceFunctionBase);
VETTORA_TRIG_FUNCTION(TDistanceSqrFunction, TDistanceFunctionBase);
VETTORA_TRIG_FUNCTION(TDistanceManhattanFunction, TDistanceFunctionBase);

}  // namespace vettora
