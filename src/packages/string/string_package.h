#pragma once
// TStringPackage: the functions that build and inspect strings and
// symbols, registered in the order of its table.

#include <string>

#include "functions/package_table.h"
#include "functions/user_package.h"

namespace vettora {

class TStringPackage : public TUserPackage {
 public:
  using TUserPackage::TUserPackage;
  [[nodiscard]] std::string ClassName() const override { return "TStringPackage"; }
  // The package's functions by name, in the order they are added.
  [[nodiscard]] static TPackageTable Table();

 protected:
  void CreateFunctions() override;
};

}  // namespace vettora
