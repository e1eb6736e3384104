// The standard package's logic, comparison, control, output, file and
// engine-command functions.
#include "engine/standard_package.h"

namespace vettora {

void RegisterStandardCoreFunctions(TStandardFactories& factories) { (void)factories; }

}  // namespace vettora
