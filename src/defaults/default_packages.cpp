// The built-in packages a new engine is made with: one case per package
// this program contains. A package missing here is simply not created.
#include "engine/default_packages.h"

#include "engine/inference_engine.h"
#include "functions/user_package.h"
#include "packages/math/math_package.h"
#include "packages/misc/misc_package.h"
#include "packages/standard/standard_package.h"

namespace vettora {

TUserPackage* CreateDefaultPackage(TFunctionPackage package, TInferenceEngine& engine) {
  switch (package) {
    case pStandard:
      return NewPackage<TStandardPackage>(&engine);
    case pMath:
      return NewPackage<TMathPackage>(&engine);
    case pMiscellaneous:
      return NewPackage<TMiscPackage>(&engine);
    case pPredicate:
    case pString:
    case pObject:
    case pTrigonometry:
    case pBusiness:
    case pFuzzyLogic:
      break;
  }
  return nullptr;
}

}  // namespace vettora
