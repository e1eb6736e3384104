// The predicate package's table.
#include "packages/predicate/predicate_package.h"

#include "packages/predicate/predicate_functions.h"
#include "packages/predicate/verify_type_p_function.h"

namespace vettora {
namespace {

TPackageTableEntry TypeTest(std::string name, TIETypes types) {
  return {name,
          [name, types] { return IUserFunction(MakeRef<TVerifyTypePFunction>(name, types)); }};
}

}  // namespace

TPackageTable TPredicatePackage::Table() {
  return {
      TableEntry<TEvenPFunction>("evenp"),
      TableEntry<TOddPFunction>("oddp"),
      TableEntry<TGetValueTypeFunction>("get-type"),
      TypeTest("lexemep", {dtAtom, dtString}),
      TypeTest("numberp", {dtInteger, dtFloat}),
      TypeTest("floatp", {dtFloat}),
      TypeTest("fuzzyp", {dtFuzzy}),
      TypeTest("integerp", {dtInteger}),
      TypeTest("stringp", {dtString}),
      TypeTest("symbolp", {dtAtom}),
      TypeTest("multifieldp", {dtList}),
      TypeTest("external-addressp", {dtExternalAddress}),
      TypeTest("objectp", {dtObject}),
  };
}

void TPredicatePackage::CreateFunctions() {
  TUserPackage::CreateFunctions();
  AddFromTable(*this, Table());
}

}  // namespace vettora
