#pragma once
// The built-in function packages an engine creates for its Packages
// setting. CreateDefaultPackage makes the package component of one
// TFunctionPackage, owned by the engine, or answers null for a package this
// program does not contain. The engine declares it; the program defines it
// (src/defaults/), so the engine's library depends on no package.
// An engine can be given its own factory (TInferenceEngine::SetPackageFactory)
// to add, replace or leave out packages.

#include <functional>

#include "functions/function_package.h"

namespace vettora {

class TInferenceEngine;
class TUserPackage;

using TPackageFactory =
    std::function<TUserPackage*(TFunctionPackage package, TInferenceEngine& engine)>;

// The order in which an engine creates its packages.
inline constexpr TFunctionPackage kPackageCreationOrder[] = {
    pStandard, pMiscellaneous, pPredicate, pMath,       pString,
    pObject,   pTrigonometry,  pBusiness,  pFuzzyLogic,
};

[[nodiscard]] TUserPackage* CreateDefaultPackage(TFunctionPackage package,
                                                 TInferenceEngine& engine);

}  // namespace vettora
