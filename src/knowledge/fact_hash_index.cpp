// TFactHashIndex: linear probing, kept at most half full; taking a fact out
// moves the later slots of its run back, so no slot is ever marked deleted.
#include "knowledge/fact_hash_index.h"

namespace vettora {

namespace {
constexpr size_t kFirstSize = 16;
}  // namespace

// Content hashes of similar facts differ in few bits: the finaliser spreads
// them over the whole table.
size_t TFactHashIndex::HomeOf(uint32_t hash) const {
  uint32_t h = hash;
  h ^= h >> 16;
  h *= 0x85EBCA6Bu;
  h ^= h >> 13;
  h *= 0xC2B2AE35u;
  h ^= h >> 16;
  return size_t(h) & (FSlots.size() - 1);
}

void TFactHashIndex::Insert(uint32_t hash, TFact* fact) {
  if (size_t(FCount + 1) * 2 > FSlots.size()) Grow();
  size_t mask = FSlots.size() - 1;
  size_t i = HomeOf(hash);
  while (FSlots[i].Fact) i = (i + 1) & mask;
  FSlots[i] = {hash, fact};
  ++FCount;
}

bool TFactHashIndex::Erase(uint32_t hash, const TFact* fact) {
  if (FSlots.empty()) return false;
  size_t mask = FSlots.size() - 1;
  size_t i = HomeOf(hash);
  while (FSlots[i].Fact && FSlots[i].Fact != fact) i = (i + 1) & mask;
  if (!FSlots[i].Fact) return false;
  // Each later slot of the run moves into the hole unless its home lies
  // cyclically between the hole and itself (it would then not be found).
  size_t hole = i;
  for (size_t j = (i + 1) & mask; FSlots[j].Fact; j = (j + 1) & mask) {
    size_t home = HomeOf(FSlots[j].Hash);
    bool stays = hole <= j ? (hole < home && home <= j) : (hole < home || home <= j);
    if (stays) continue;
    FSlots[hole] = FSlots[j];
    hole = j;
  }
  FSlots[hole] = TSlot();
  --FCount;
  return true;
}

void TFactHashIndex::Clear() {
  FSlots.clear();
  FCount = 0;
}

void TFactHashIndex::Grow() {
  std::vector<TSlot> old = std::move(FSlots);
  FSlots.assign(old.empty() ? kFirstSize : old.size() * 2, TSlot());
  FCount = 0;
  for (const TSlot& slot : old)
    if (slot.Fact) Insert(slot.Hash, slot.Fact);
}

}  // namespace vettora
