// TFactSequence: facts by list index and by ID, with holes and a Fenwick
// tree so that neither adding nor removing moves the other facts.
#include "knowledge/fact_sequence.h"

#include <algorithm>

#include "values/exceptions.h"
#include "values/format.h"
#include "values/messages.h"

namespace vettora {

namespace {
// Holes are kept until there are more of them than live facts (and more
// than this, so that small lists do not compact on every retraction).
constexpr size_t kMinHolesToCompact = 32;
}  // namespace

const IFact& TFactSequence::Items(int32_t index) const {
  if (index < 0 || index >= FLive) throw EListError(FormatMessage(kListIndexError, {index}));
  return FSlots[size_t(SlotOfIndex(index))];
}

int32_t TFactSequence::IndexOfId(int32_t id) const {
  int32_t slot = SlotOfId(id);
  return slot < 0 ? -1 : IndexOfSlot(slot);
}

int32_t TFactSequence::LastId() const {
  for (size_t i = FSlots.size(); i-- > 0;)
    if (FSlots[i]) return FIds[i];
  return -1;
}

void TFactSequence::Add(const IFact& fact) {
  int32_t id = fact->ID();
  if (FIds.empty() || FIds.back() < id) {
    FSlots.push_back(fact);
    FIds.push_back(id);
    ++FLive;
    if (FTree.size() <= FSlots.size()) {
      RebuildTree();  // doubles the tree: amortised O(1) per append
    } else {
      TreeAdd(int32_t(FSlots.size()) - 1, 1);
    }
    return;
  }
  // An ID below the highest (facts loaded with their stored IDs): inserted
  // in order, which renumbers the slots after it.
  auto at = size_t(std::lower_bound(FIds.begin(), FIds.end(), id) - FIds.begin());
  if (FIds[at] == id && !FSlots[at]) {
    FSlots[at] = fact;  // refills the hole this ID left
  } else {
    FSlots.insert(FSlots.begin() + std::ptrdiff_t(at), fact);
    FIds.insert(FIds.begin() + std::ptrdiff_t(at), id);
  }
  ++FLive;
  RebuildTree();
}

IFact TFactSequence::Delete(int32_t index) {
  if (index < 0 || index >= FLive) throw EListError(FormatMessage(kListIndexError, {index}));
  int32_t slot = SlotOfIndex(index);
  IFact fact = std::move(FSlots[size_t(slot)]);
  --FLive;
  TreeAdd(slot, -1);
  FCursorIndex = FCursorSlot = -1;
  if (FSlots.size() - size_t(FLive) > std::max(size_t(FLive), kMinHolesToCompact)) Compact();
  return fact;
}

void TFactSequence::Clear() {
  FSlots.clear();
  FIds.clear();
  FTree.clear();
  FLive = 0;
  FCursorIndex = FCursorSlot = -1;
}

// ---- Index <-> slot ---------------------------------------------------------

int32_t TFactSequence::SlotOfIndex(int32_t index) const {
  if (FLive == int32_t(FSlots.size())) return index;
  // The newest fact, the one a rule most often reads or retracts: when the
  // last slot is live it is the last index.
  if (index == FLive - 1 && FSlots.back()) return int32_t(FSlots.size()) - 1;
  if (FCursorIndex >= 0 && index == FCursorIndex + 1) {
    int32_t slot = FCursorSlot + 1;
    while (!FSlots[size_t(slot)]) ++slot;
    FCursorIndex = index;
    FCursorSlot = slot;
    return slot;
  }
  // Fenwick descent: the smallest slot whose prefix count exceeds index.
  int32_t position = 0;
  int32_t remaining = index + 1;
  size_t step = 1;
  while (step * 2 < FTree.size()) step *= 2;
  for (; step > 0; step /= 2) {
    size_t next = size_t(position) + step;
    if (next < FTree.size() && FTree[next] < remaining) {
      position = int32_t(next);
      remaining -= FTree[next];
    }
  }
  FCursorIndex = index;
  FCursorSlot = position;  // 1-based position + 1 - 1
  return position;
}

int32_t TFactSequence::IndexOfSlot(int32_t slot) const {
  if (FLive == int32_t(FSlots.size())) return slot;
  if (slot == int32_t(FSlots.size()) - 1 && FSlots.back()) return FLive - 1;
  int32_t live = 0;
  for (size_t i = size_t(slot) + 1; i > 0; i -= i & (~i + 1)) live += FTree[i];
  return live - 1;
}

int32_t TFactSequence::SlotOfId(int32_t id) const {
  auto it = std::lower_bound(FIds.begin(), FIds.end(), id);
  if (it == FIds.end() || *it != id) return -1;
  auto slot = size_t(it - FIds.begin());
  return FSlots[slot] ? int32_t(slot) : -1;
}

// ---- Tree maintenance ---------------------------------------------------------

void TFactSequence::TreeAdd(int32_t slot, int32_t delta) {
  for (size_t i = size_t(slot) + 1; i < FTree.size(); i += i & (~i + 1)) FTree[i] += delta;
}

void TFactSequence::RebuildTree() {
  size_t size = 16;
  while (size <= FSlots.size() * 2) size *= 2;
  FTree.assign(size, 0);
  for (size_t i = 1; i < size; ++i) {
    if (i <= FSlots.size() && FSlots[i - 1]) FTree[i] += 1;
    size_t parent = i + (i & (~i + 1));
    if (parent < size) FTree[parent] += FTree[i];
  }
  FCursorIndex = FCursorSlot = -1;
}

void TFactSequence::Compact() {
  size_t to = 0;
  for (size_t from = 0; from < FSlots.size(); ++from) {
    if (!FSlots[from]) continue;
    FSlots[to] = std::move(FSlots[from]);
    FIds[to] = FIds[from];
    ++to;
  }
  FSlots.resize(to);
  FIds.resize(to);
  RebuildTree();
}

}  // namespace vettora
