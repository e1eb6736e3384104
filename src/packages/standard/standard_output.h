#pragma once
// The output functions of the standard package: printout, which writes its
// arguments one after another, and format, which fills a control string.
// Both send their text to a logical name through the engine's PrintOut
// ("t" is the standard output) and return nil.
//
// The text is built in a local string, not in a field of the function, so
// that an argument which itself prints (a nested printout or format) cannot
// disturb it.

#include "packages/standard/standard_core.h"

namespace vettora {

VETTORA_STANDARD_FUNCTION(TPrintOutFunction);
VETTORA_STANDARD_FUNCTION(TFormatFunction);

}  // namespace vettora
