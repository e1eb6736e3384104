#pragma once
// The bounds every harness puts on one input, so that a fuzzing run spends
// its time on many small inputs instead of a few endless ones. An input
// that stays within them and still takes long or crashes is a finding.

#include <cstddef>
#include <cstdint>

namespace vettora::fuzz {

// Longer inputs are skipped: a rule program that needs more to go wrong
// is found faster as a shorter one.
inline constexpr size_t kMaxInputBytes = 64 * 1024;

// Function calls (and `while` rounds) one input may make before it is
// ended as `exit` would end it: a loop written in the rule language, such
// as (while TRUE) or a branching recursion, is the input's own choice and
// no fault of the engine.
inline constexpr int64_t kMaxSteps = 20000;

// Rules one input may fire, over all its runs; then every run is halted,
// so (defrule a => (assert (x (gensym)))) (run) stops.
inline constexpr int64_t kMaxFirings = 2000;

}  // namespace vettora::fuzz
