#pragma once
// TFactHashIndex: the fact list's facts by content hash, so that an
// assertion finds an equal fact already listed without a scan. A flat
// open-addressing table: each slot holds a hash and its fact side by side,
// so a lookup reads one run of neighbouring slots instead of following a
// node per fact, which is what keeps a list of a hundred thousand facts
// fast to assert into.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vettora {

class TFact;

class TFactHashIndex {
 public:
  void Insert(uint32_t hash, TFact* fact);
  // Takes out the fact filed under `hash`; false when it is not there.
  bool Erase(uint32_t hash, const TFact* fact);
  void Clear();
  [[nodiscard]] int32_t Count() const { return FCount; }

  // Visits the facts filed under `hash`.
  template <class F>
  void ForEachWithHash(uint32_t hash, F&& visit) const;

 private:
  struct TSlot {
    uint32_t Hash = 0;
    TFact* Fact = nullptr;  // null: empty
  };
  [[nodiscard]] size_t HomeOf(uint32_t hash) const;
  void Grow();

  std::vector<TSlot> FSlots;
  int32_t FCount = 0;
};

template <class F>
void TFactHashIndex::ForEachWithHash(uint32_t hash, F&& visit) const {
  if (FSlots.empty()) return;
  size_t mask = FSlots.size() - 1;
  for (size_t i = HomeOf(hash); FSlots[i].Fact; i = (i + 1) & mask)
    if (FSlots[i].Hash == hash) visit(*FSlots[i].Fact);
}

}  // namespace vettora
