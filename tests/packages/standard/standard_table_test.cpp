// The standard package is made from its one table: every name once, in the
// package's order, each name the function's own.
#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "functions/package_table.h"
#include "packages/standard/standard_logic.h"
#include "packages/standard/standard_package.h"
#include "values/exceptions.h"

namespace vettora {
namespace {

std::vector<std::string> PackageNames(const TUserPackage& package) {
  std::vector<std::string> names;
  for (const IUserFunction& function : package.Functions())
    names.push_back(function->FunctionName());
  return names;
}

TEST(StandardTableTest, PackageHoldsExactlyItsTableInOrder) {
  std::unique_ptr<TStandardPackage> package(NewPackage<TStandardPackage>());
  std::vector<std::string> expected = TableNames(TStandardPackage::Table());
  EXPECT_EQ(expected.size(), 71u);
  EXPECT_EQ(PackageNames(*package), expected);
  EXPECT_EQ(std::set<std::string>(expected.begin(), expected.end()).size(), expected.size());
  EXPECT_EQ(expected.front(), "and");
  EXPECT_EQ(expected.back(), "subsetp");
}

TEST(StandardTableTest, MismatchedEntryRaisesInsteadOfBeingSkipped) {
  TUserPackage package;
  TPackageTable table = {TableEntry<TAndFunction>("and"), TableEntry<TOrFunction>("and-not-or")};
  try {
    AddFromTable(package, table);
    FAIL() << "a mismatched entry was accepted";
  } catch (const EIEException& error) {
    EXPECT_STREQ(error.what(), "Package table entry and-not-or makes function or");
  }
  // The entries before the faulty one were added; nothing was renamed.
  EXPECT_EQ(PackageNames(package), std::vector<std::string>{"and"});
}

}  // namespace
}  // namespace vettora
