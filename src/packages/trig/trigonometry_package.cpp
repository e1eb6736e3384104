// The trigonometry package's table.
#include "packages/trig/trigonometry_package.h"

#include "packages/trig/trig_functions.h"

namespace vettora {

TPackageTable TTrigonometryPackage::Table() {
  return {
      TableEntry<TACosFunction>("acos"),
      TableEntry<TACosHFunction>("acosh"),
      TableEntry<TACotFunction>("acot"),
      TableEntry<TACotHFunction>("acoth"),
      TableEntry<TACscFunction>("acsc"),
      TableEntry<TACscHFunction>("acsch"),
      TableEntry<TASecFunction>("asec"),
      TableEntry<TASecHFunction>("asech"),
      TableEntry<TASinFunction>("asin"),
      TableEntry<TASinHFunction>("asinh"),
      TableEntry<TATanFunction>("atan"),
      TableEntry<TATanHFunction>("atanh"),
      TableEntry<TCosFunction>("cos"),
      TableEntry<TCosHFunction>("cosh"),
      TableEntry<TCotFunction>("cot"),
      TableEntry<TCotHFunction>("coth"),
      TableEntry<TCscFunction>("csc"),
      TableEntry<TCscHFunction>("csch"),
      TableEntry<TSecFunction>("sec"),
      TableEntry<TSecHFunction>("sech"),
      TableEntry<TSinFunction>("sin"),
      TableEntry<TSinHFunction>("sinh"),
      TableEntry<TTanFunction>("tan"),
      TableEntry<TTanHFunction>("tanh"),
      TableEntry<TCycleRadFunction>("cycle-rad"),
      TableEntry<TRadCycleFunction>("rad-cycle"),
      TableEntry<TDegRadFunction>("deg-rad"),
      TableEntry<TRadDegFunction>("rad-deg"),
      TableEntry<TDegGradFunction>("deg-grad"),
      TableEntry<TGradDegFunction>("grad-deg"),
      TableEntry<TGradRadFunction>("grad-rad"),
      TableEntry<TRadGradFunction>("rad-grad"),
      TableEntry<TATan2Function>("atan2"),
      TableEntry<THypotenuseFunction>("hypotenuse"),
      TableEntry<TDistanceFunction>("distance"),
      TableEntry<TDistanceSqrFunction>("distance-sqr"),
      TableEntry<TDistanceManhattanFunction>("distance-manhattan"),
  };
}

void TTrigonometryPackage::CreateFunctions() {
  TUserPackage::CreateFunctions();
  AddFromTable(*this, Table());
}

}  // namespace vettora
