#pragma once
// TFactSequence: the facts of a fact list in ascending ID order, addressed
// both by list index and by ID.
//
// Retraction is frequent (every modify retracts), so removing a fact must
// not shift the whole list. Removed facts leave a hole that keeps its ID
// (IDs stay sorted, so lookup by ID is a binary search), and a Fenwick tree
// over the live slots turns a list index into a slot and back in O(log n).
// Holes are squeezed out once they outnumber the live facts. Without holes
// a list index is the slot itself, and reading the list in order is O(1)
// per step either way.

#include <cstdint>
#include <vector>

#include "knowledge/fact.h"

namespace vettora {

class TFactSequence {
 public:
  [[nodiscard]] int32_t Count() const { return FLive; }
  // The fact at a list index; "List index out of bounds (%d)" outside.
  [[nodiscard]] const IFact& Items(int32_t index) const;
  // The list index of the fact with this ID, or -1.
  [[nodiscard]] int32_t IndexOfId(int32_t id) const;
  // The highest ID on the list, or -1 when it is empty.
  [[nodiscard]] int32_t LastId() const;

  // Adds a fact under its ID, which must not be on the list: appended when
  // it is the highest, otherwise inserted in ID order.
  void Add(const IFact& fact);
  // Removes the fact at a list index and returns it.
  IFact Delete(int32_t index);
  void Clear();

 private:
  [[nodiscard]] int32_t SlotOfIndex(int32_t index) const;
  [[nodiscard]] int32_t IndexOfSlot(int32_t slot) const;
  [[nodiscard]] int32_t SlotOfId(int32_t id) const;
  void TreeAdd(int32_t slot, int32_t delta);
  void RebuildTree();
  void Compact();

  std::vector<IFact> FSlots;   // an empty handle is a hole
  std::vector<int32_t> FIds;   // the ID of every slot, holes included
  std::vector<int32_t> FTree;  // Fenwick tree of live counts, 1-based
  int32_t FLive = 0;
  // The slot last reached by index, so that reading in order is O(1).
  mutable int32_t FCursorIndex = -1;
  mutable int32_t FCursorSlot = -1;
};

}  // namespace vettora
