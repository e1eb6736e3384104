#include "values/value_hash_table.h"

#include <gtest/gtest.h>

#include <string>

#include "values/exceptions.h"
#include "values/value.h"

namespace vettora {
namespace {

TEST(ValueHashTable, StoreFetchDiscard) {
  TValueHashTable table;
  EXPECT_EQ(table.Fetch("x"), nullptr);  // empty table: none, no error
  EXPECT_EQ(table.Fetch(""), nullptr);
  IIEValue one = MakeInteger(1);
  EXPECT_EQ(table.Store("x", one), nullptr);
  EXPECT_EQ(table.Store("x", MakeAtom("a")), one);  // the earlier value
  EXPECT_EQ(table.Fetch("x")->AsText(), "a");
  table.Store("empty", nullptr);  // an entry without a value
  EXPECT_TRUE(table.ContainsKey("empty"));
  EXPECT_EQ(table.Fetch("empty"), nullptr);
  EXPECT_THROW(table.Store("", one), EGHashtableError);
  EXPECT_TRUE(table.Discard("x"));
  EXPECT_FALSE(table.Discard("x"));
  EXPECT_EQ(table.Count(), 1);
}

TEST(ValueHashTable, AsTextFollowsEnumerationOrder) {
  TValueHashTable table(3, 1.0f);
  // "a" (97) and "d" (100) share bucket 1 of 3; "b" (98) is in bucket 2.
  table.Store("a", MakeInteger(1));
  table.Store("d", MakeString("q"));
  table.Store("b", nullptr);
  EXPECT_EQ(table.AsText(), "b = \r\nd = \"q\"\r\na = 1\r\n");
  EXPECT_EQ(TValueHashTable().AsText(), "");
}

TEST(ValueHashTable, AssignClonesValuesInOneBracket) {
  TValueHashTable source(7, 0.5f);
  IIEValue value = MakeInteger(5);
  value->SetTag(9);
  source.Store("v", value);
  source.Store("n", nullptr);
  TValueHashTable copy;
  copy.Store("old", MakeInteger(0));
  int changes = 0;
  copy.SetOnChange([&](TGCustomHashtable&) { ++changes; });
  copy.Assign(source);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(copy.Capacity(), 7u);
  EXPECT_EQ(copy.LoadFactor(), 0.5f);
  EXPECT_EQ(copy.Count(), 2);
  EXPECT_FALSE(copy.ContainsKey("old"));
  IIEValue cloned = copy.Fetch("v");
  ASSERT_NE(cloned, nullptr);
  EXPECT_NE(cloned, value);  // a clone, not the same object
  EXPECT_EQ(cloned->AsInteger(), 5);
  EXPECT_EQ(cloned->Tag(), 9);
  EXPECT_TRUE(copy.ContainsKey("n"));
  EXPECT_EQ(copy.Fetch("n"), nullptr);
}

}  // namespace
}  // namespace vettora
