// The standard package's fact, storage and symbol functions.
#include "engine/standard_package.h"

namespace vettora {

void RegisterStandardFactFunctions(TStandardFactories& factories) { (void)factories; }

}  // namespace vettora
