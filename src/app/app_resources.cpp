// Q_INIT_RESOURCE must be used outside any namespace.
#include "app/app_resources.h"

#include <QtCore/qglobal.h>

static void InitResourcesOutsideNamespace() { Q_INIT_RESOURCE(app); }

namespace vettora {

void InitAppResources() { InitResourcesOutsideNamespace(); }

}  // namespace vettora
