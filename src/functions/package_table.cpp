// Adding a package's functions from its ordered table.
#include "functions/package_table.h"

#include "functions/messages.h"
#include "functions/user_package.h"
#include "values/exceptions.h"
#include "values/format.h"

namespace vettora {

std::vector<std::string> TableNames(const TPackageTable& table) {
  std::vector<std::string> names;
  names.reserve(table.size());
  for (const TPackageTableEntry& entry : table) names.push_back(entry.Name);
  return names;
}

void AddFromTable(TUserPackage& package, const TPackageTable& table) {
  for (const TPackageTableEntry& entry : table) {
    IUserFunction function = entry.Make();
    if (!function || function->FunctionName() != entry.Name)
      throw EIEException(FormatMessage(
          kPackageTableMismatch, {entry.Name, function ? function->FunctionName() : "nothing"}));
    package.Functions().Add(function);
  }
}

}  // namespace vettora
