// The registry of built-in function packages.
#include "engine/default_packages.h"

#include "engine/inference_engine.h"
#include "engine/standard_package.h"
#include "functions/math_package.h"
#include "functions/user_package.h"
#include "packages/fuzzy_logic/fuzzy_logic_package.h"
#include "packages/object/object_package.h"

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
    case pObject:
      return NewPackage<TObjectPackage>(&engine);
    case pFuzzyLogic:
      return NewPackage<TFuzzyLogicPackage>(&engine);
    case pPredicate:
    case pMiscellaneous:
    case pString:
    case pTrigonometry:
    case pBusiness:
      break;
  }
  return nullptr;
}

}  // namespace vettora
