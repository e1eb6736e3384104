#pragma once
// TPredicatePackage: the type tests of the rule language (numberp,
// symbolp, ...), the parity tests evenp and oddp, and get-type, registered
// in the order of its table.

#include <string>

#include "functions/package_table.h"
#include "functions/user_package.h"

namespace vettora {

class TPredicatePackage : public TUserPackage {
 public:
  using TUserPackage::TUserPackage;
  [[nodiscard]] std::string ClassName() const override { return "TPredicatePackage"; }
  // The package's functions by name, in the order they are added.
  [[nodiscard]] static TPackageTable Table();

 protected:
  void CreateFunctions() override;
};

}  // namespace vettora
