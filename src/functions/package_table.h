#pragma once
// TPackageTable: the one ordered list a built-in package registers from.
// Each entry pairs the function's rule-language name with a maker of a
// fresh instance, so a package's names and their order are written once.
// AddFromTable adds one instance per entry in table order and raises when a
// maker builds a function of another name, so a typo cannot silently drop
// or rename a function.

#include <functional>
#include <string>
#include <vector>

#include "functions/user_function.h"

namespace vettora {

class TUserPackage;

struct TPackageTableEntry {
  std::string Name;
  std::function<IUserFunction()> Make;
};

using TPackageTable = std::vector<TPackageTableEntry>;

// An entry whose function class has a default constructor.
template <class T>
[[nodiscard]] TPackageTableEntry TableEntry(std::string name) {
  return {std::move(name), [] { return IUserFunction(MakeRef<T>()); }};
}

// The names of a table, in order.
[[nodiscard]] std::vector<std::string> TableNames(const TPackageTable& table);

// Adds one instance per entry to the package's functions, in table order;
// raises EIEException "Package table entry %s makes function %s" when a
// maker's function has another name.
void AddFromTable(TUserPackage& package, const TPackageTable& table);

}  // namespace vettora
