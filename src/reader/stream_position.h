#pragma once
// The seek arithmetic shared by the concrete byte streams.

#include <cstdint>

namespace vettora {

// The position a seek of `offset` from `origin` lands on, where `current` is
// the present position and `size` the stream's size; the end origin counts
// from the end (size + offset, so offsets before the end are negative).
// Raises EGStreamError for an invalid origin, a target before the start or
// arithmetic that would overflow.
[[nodiscard]] int64_t SeekTarget(int64_t offset, int32_t origin, int64_t current, int64_t size);

// base + offset, raising EGStreamError instead of overflowing.
[[nodiscard]] int64_t AddPosition(int64_t base, int64_t offset);

}  // namespace vettora
