#pragma once
// TSearchStrategy: how an engine orders activations of equal salience --
// newest first (depth-first) or oldest first (breadth-first) -- and the
// placement rule behind it.

#include <cstdint>

namespace vettora {

class TActivationAgenda;

enum TSearchStrategy : uint8_t { ssDepthFirst, ssBreadthFirst };

// Where a new activation of salience `salience` goes on `agenda` (ordered
// by decreasing salience): -1 appends, any other value inserts before that
// index. Only the first and last runs of equal salience get strict
// newest-first (depth-first) or oldest-first (breadth-first) placement;
// inside the agenda the binary search answers the first entry of equal
// salience it meets, and that exact search is what fixes the order.
[[nodiscard]] int32_t StrategyInsertionIndex(const TActivationAgenda& agenda, int32_t salience,
                                             TSearchStrategy strategy);

}  // namespace vettora
