#pragma once
// Rebuilding an argument signature from argument limits, as host functions
// do when their limits change.

#include <cstdint>
#include <string>

namespace vettora {

// At most this many items are written into a signature.
inline constexpr int32_t kSignatureItemCap = 10;

// The signature for `min`..`max` arguments, reusing the items written in
// angle brackets in `current` in order ("<expression>" once they run out)
// and bracketing the optional ones: items a, b, c with limits 1..3 give
// "<a>[ <b>[ <c>]]". Empty when max < min or max = 0.
[[nodiscard]] std::string BuildArgumentString(const std::string& current, int32_t min, int32_t max);

}  // namespace vettora
