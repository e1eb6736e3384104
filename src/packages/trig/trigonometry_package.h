#pragma once
// TTrigonometryPackage: the trigonometric and hyperbolic functions, angle
// conversions and distances, registered in the order of its table.

#include <string>

#include "functions/package_table.h"
#include "functions/user_package.h"

namespace vettora {

class TTrigonometryPackage : public TUserPackage {
 public:
  using TUserPackage::TUserPackage;
  [[nodiscard]] std::string ClassName() const override { return "TTrigonometryPackage"; }
  // The package's functions by name, in the order they are added.
  [[nodiscard]] static TPackageTable Table();

 protected:
  void CreateFunctions() override;
};

}  // namespace vettora
