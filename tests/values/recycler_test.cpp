// The recycler: freed blocks of the class's size are handed out again,
// other sizes and blocks beyond the limit go to the heap, and sanitizer
// builds keep nothing.
#include "values/recycler.h"

#include <gtest/gtest.h>

#include <vector>

namespace vettora {
namespace {

struct TBlock {
  char Bytes[48];
};
struct TSmallBlock {
  char Bytes[16];
};
using TBlocks = TRecycler<TBlock>;
using TFewBlocks = TRecycler<TSmallBlock, 2>;

TEST(RecyclerTest, AFreedBlockIsHandedOutAgain) {
  void* first = TBlocks::Allocate(sizeof(TBlock));
  size_t kept = TBlocks::Kept();
  TBlocks::Free(first, sizeof(TBlock));
  if (!TBlocks::kEnabled) {
    EXPECT_EQ(TBlocks::Kept(), kept);
    return;
  }
  EXPECT_EQ(TBlocks::Kept(), kept + 1);
  void* second = TBlocks::Allocate(sizeof(TBlock));
  EXPECT_EQ(second, first);
  EXPECT_EQ(TBlocks::Kept(), kept);
  TBlocks::Free(second, sizeof(TBlock));
}

TEST(RecyclerTest, OtherSizesUseTheHeap) {
  size_t kept = TBlocks::Kept();
  void* larger = TBlocks::Allocate(sizeof(TBlock) + 8);
  TBlocks::Free(larger, sizeof(TBlock) + 8);
  EXPECT_EQ(TBlocks::Kept(), kept);
}

TEST(RecyclerTest, KeepsNoMoreThanItsLimit) {
  std::vector<void*> blocks;
  for (int i = 0; i < 5; ++i) blocks.push_back(TFewBlocks::Allocate(sizeof(TSmallBlock)));
  for (void* block : blocks) TFewBlocks::Free(block, sizeof(TSmallBlock));
  EXPECT_EQ(TFewBlocks::Kept(), TFewBlocks::kEnabled ? 2u : 0u);
  // The kept blocks come back first, newest first, then the heap serves.
  void* a = TFewBlocks::Allocate(sizeof(TSmallBlock));
  void* b = TFewBlocks::Allocate(sizeof(TSmallBlock));
  void* c = TFewBlocks::Allocate(sizeof(TSmallBlock));
  if (TFewBlocks::kEnabled) {
    EXPECT_EQ(a, blocks[1]);
    EXPECT_EQ(b, blocks[0]);
  }
  EXPECT_EQ(TFewBlocks::Kept(), 0u);
  for (void* block : {a, b, c}) TFewBlocks::Free(block, sizeof(TSmallBlock));
}

}  // namespace
}  // namespace vettora
