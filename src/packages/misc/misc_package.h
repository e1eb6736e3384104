#pragma once
// TMiscPackage: the engine's introspection and housekeeping commands
// (listings, pretty printers, undef..., constraint checking, parse,
// guard), the date and time functions and the dialog functions,
// registered in the order of Table().

#include "functions/package_table.h"
#include "functions/user_package.h"

namespace vettora {

class TMiscPackage : public TUserPackage {
 public:
  explicit TMiscPackage(TComponent* owner = nullptr) : TUserPackage(owner) {}
  [[nodiscard]] std::string ClassName() const override { return "TMiscPackage"; }
  // The package's functions by name, in the order they are added.
  [[nodiscard]] static TPackageTable Table();

 protected:
  void CreateFunctions() override;
};

}  // namespace vettora
