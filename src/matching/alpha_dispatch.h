#pragma once
// TAlphaDispatch: the children of one node that test one slot (or one
// element of a multislot, as patterns on ordered facts do) for equality
// with a constant, found by a hash of the fact's value instead of being
// tried one by one. A rule base of thousands of rules on one template, each
// with its own constant, would otherwise run every rule's test on every
// change of such a fact.
//
// The table lists the children as edge numbers: those it files by their
// constant, and all the others, which see every token. Targets gives the
// numbers a token must reach, in edge order, so the children are activated
// in the order the plain loop would; a filed child still runs its own
// test, which decides between constants of one hash.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

#include "matching/slot_ref.h"

namespace vettora {

class TReteNode;

class TAlphaDispatch {
 public:
  // Below this many children on one slot, trying them all is as quick.
  static constexpr int32_t kMinimumFiled = 8;

  // The table for `node`'s children as they are now, or null when fewer
  // than kMinimumFiled of them test one place against a constant.
  [[nodiscard]] static std::unique_ptr<TAlphaDispatch> Build(const TReteNode& node);

  // The edge numbers a fact must reach, as two ascending runs to merge:
  // the filed children of its value's hash and all the others.
  struct TTargets {
    const int32_t* Filed = nullptr;
    const int32_t* FiledEnd = nullptr;
    const int32_t* Others = nullptr;
    const int32_t* OthersEnd = nullptr;
  };
  // False when the fact's value of the slot cannot be hashed (a fuzzy
  // value, a list), and every child must be tried.
  [[nodiscard]] bool Targets(const TFact& fact, TTargets& targets) const;

 private:
  TSlotRef FSlot;
  int32_t FIndex = -1;  // the element tested, -1 for the whole slot
  std::unordered_map<size_t, std::vector<int32_t>> FFiled;
  std::vector<int32_t> FOthers;
};

}  // namespace vettora
