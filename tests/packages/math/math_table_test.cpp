// The math package is made from its one table, in the package's order.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "functions/package_table.h"
#include "packages/math/math_package.h"

namespace vettora {
namespace {

TEST(MathTableTest, PackageHoldsExactlyItsTableInOrder) {
  std::unique_ptr<TMathPackage> package(NewPackage<TMathPackage>());
  std::vector<std::string> names;
  for (const IUserFunction& function : package->Functions())
    names.push_back(function->FunctionName());
  EXPECT_EQ(names, TableNames(package->Table()));
  EXPECT_EQ(names.size(), 21u);
  EXPECT_EQ(names.front(), "abs");
  EXPECT_EQ(names.back(), "*");
}

}  // namespace
}  // namespace vettora
