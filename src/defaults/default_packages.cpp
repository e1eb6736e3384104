// The built-in packages a new engine is made with: one case per package
// this program contains. A package missing here is simply not created.
#include "engine/default_packages.h"

#include "engine/inference_engine.h"
#include "functions/user_package.h"
#include "packages/business/business_package.h"
#include "packages/fuzzy_logic/fuzzy_logic_package.h"
#include "packages/math/math_package.h"
#include "packages/misc/misc_package.h"
#include "packages/object/object_package.h"
#include "packages/predicate/predicate_package.h"
#include "packages/standard/standard_package.h"
#include "packages/string/string_package.h"
#include "packages/trig/trigonometry_package.h"

namespace vettora {

TUserPackage* CreateDefaultPackage(TFunctionPackage package, TInferenceEngine& engine) {
  switch (package) {
    case pStandard:
      return NewPackage<TStandardPackage>(&engine);
    case pMath:
      return NewPackage<TMathPackage>(&engine);
    case pPredicate:
      return NewPackage<TPredicatePackage>(&engine);
    case pString:
      return NewPackage<TStringPackage>(&engine);
    case pTrigonometry:
      return NewPackage<TTrigonometryPackage>(&engine);
    case pBusiness:
      return NewPackage<TBusinessPackage>(&engine);
    case pObject:
      return NewPackage<TObjectPackage>(&engine);
    case pFuzzyLogic:
      return NewPackage<TFuzzyLogicPackage>(&engine);
    case pMiscellaneous:
      return NewPackage<TMiscPackage>(&engine);
  }
  return nullptr;
}

}  // namespace vettora
