// TFactHashIndex: facts by hash in a flat table whose runs must stay
// findable as facts come and go.
#include "knowledge/fact_hash_index.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace vettora {
namespace {

// The index only stores fact addresses; these stand-ins are never read.
TFact* FactNo(size_t i) {
  static std::vector<char> storage(5000);
  return reinterpret_cast<TFact*>(&storage[i]);
}

std::vector<const TFact*> Filed(const TFactHashIndex& index, uint32_t hash) {
  std::vector<const TFact*> found;
  index.ForEachWithHash(hash, [&](const TFact& fact) { found.push_back(&fact); });
  std::sort(found.begin(), found.end());
  return found;
}

TEST(FactHashIndexTest, EqualHashesAreAllFoundAndOthersNot) {
  TFactHashIndex index;
  EXPECT_TRUE(Filed(index, 7).empty());
  EXPECT_FALSE(index.Erase(7, FactNo(0)));
  index.Insert(7, FactNo(1));
  index.Insert(7, FactNo(2));
  index.Insert(8, FactNo(3));
  EXPECT_EQ(Filed(index, 7), (std::vector<const TFact*>{FactNo(1), FactNo(2)}));
  EXPECT_FALSE(index.Erase(8, FactNo(1)));  // another fact of that hash only
  EXPECT_TRUE(index.Erase(7, FactNo(1)));
  EXPECT_EQ(Filed(index, 7), std::vector<const TFact*>{FactNo(2)});
  EXPECT_EQ(index.Count(), 2);
  index.Clear();
  EXPECT_TRUE(Filed(index, 8).empty());
}

// Many facts on few hashes make long runs that wrap around the table's end;
// removing from their front, middle and back must leave every other fact
// findable, through growth too.
TEST(FactHashIndexTest, RunsStayFindableThroughRemovalsAndGrowth) {
  TFactHashIndex index;
  std::vector<std::vector<const TFact*>> expected(13);
  for (size_t i = 0; i < 3000; ++i) {
    uint32_t hash = uint32_t(i % 13) * 0x10001u;
    index.Insert(hash, FactNo(i));
    expected[i % 13].push_back(FactNo(i));
  }
  for (size_t i = 0; i < 3000; i += 3) {
    uint32_t hash = uint32_t(i % 13) * 0x10001u;
    ASSERT_TRUE(index.Erase(hash, FactNo(i))) << i;
    auto& list = expected[i % 13];
    list.erase(std::find(list.begin(), list.end(), FactNo(i)));
  }
  EXPECT_EQ(index.Count(), 2000);
  for (uint32_t h = 0; h < 13; ++h) {
    std::sort(expected[h].begin(), expected[h].end());
    EXPECT_EQ(Filed(index, h * 0x10001u), expected[h]) << h;
  }
}

}  // namespace
}  // namespace vettora
