// The string package's table.
#include "packages/string/string_package.h"

#include "packages/string/string_functions.h"

namespace vettora {

TPackageTable TStringPackage::Table() {
  return {
      TableEntry<TSymCatFunction>("sym-cat"),       TableEntry<TLowerCaseFunction>("lowcase"),
      TableEntry<TStrCatFunction>("str-cat"),       TableEntry<TStrCompFunction>("str-compare"),
      TableEntry<TStrIndexFunction>("str-index"),   TableEntry<TStrLengthFunction>("str-length"),
      TableEntry<TSubStringFunction>("sub-string"), TableEntry<TUpperCaseFunction>("upcase"),
  };
}

void TStringPackage::CreateFunctions() {
  TUserPackage::CreateFunctions();
  AddFromTable(*this, Table());
}

}  // namespace vettora
