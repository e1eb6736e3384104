// The standard package's multifield functions.
#include "engine/standard_package.h"

namespace vettora {

void RegisterStandardMultifieldFunctions(TStandardFactories& factories) { (void)factories; }

}  // namespace vettora
