// The registry of built-in function packages.
#include "engine/default_packages.h"

#include "engine/inference_engine.h"
#include "engine/standard_package.h"
#include "functions/math_package.h"
#include "functions/user_package.h"
#include "packages/misc/misc_package.h"

namespace vettora {

// A package module adds its case, e.g.
//   case pStandard: return NewPackage<TStandardPackage>(&engine);
TUserPackage* CreateDefaultPackage(TFunctionPackage package, TInferenceEngine& engine) {
  (void)engine;
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
