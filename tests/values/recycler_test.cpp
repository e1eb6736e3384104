// The recycler hands freed blocks of its class's size out again, newest
// first, up to its limit; other sizes and sanitizer builds use the heap.
#include "values/recycler.h"

#include <gtest/gtest.h>

#include <vector>

namespace vettora {
namespace {

struct TBlock {
  char Bytes[24];
};
using TFewBlocks = TRecycler<TBlock, 2>;

TEST(RecyclerTest, ReusesFreedBlocksUpToItsLimit) {
  std::vector<void*> blocks;
  for (int i = 0; i < 4; ++i) blocks.push_back(TFewBlocks::Allocate(sizeof(TBlock)));
  void* larger = TFewBlocks::Allocate(sizeof(TBlock) + 8);
  TFewBlocks::Free(larger, sizeof(TBlock) + 8);
  EXPECT_EQ(TFewBlocks::Kept(), 0u);
  for (void* block : blocks) TFewBlocks::Free(block, sizeof(TBlock));
  EXPECT_EQ(TFewBlocks::Kept(), TFewBlocks::kEnabled ? 2u : 0u);
  void* a = TFewBlocks::Allocate(sizeof(TBlock));
  void* b = TFewBlocks::Allocate(sizeof(TBlock));
  if (TFewBlocks::kEnabled) {
    EXPECT_EQ(a, blocks[1]);
    EXPECT_EQ(b, blocks[0]);
  }
  EXPECT_EQ(TFewBlocks::Kept(), 0u);
  TFewBlocks::Free(a, sizeof(TBlock));
  TFewBlocks::Free(b, sizeof(TBlock));
}

}  // namespace
}  // namespace vettora
