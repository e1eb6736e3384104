#pragma once
// Key hashing of the hash-table family: a key becomes a 32-bit integer, and
// that integer becomes a bucket index by one of four methods. All arithmetic
// wraps in unsigned 32 bits; the digit-based methods work on the decimal
// digits of the integer without building strings.

#include <cstdint>
#include <string_view>

namespace vettora {

// How a key's integer is turned into a bucket index.
enum TGHashType : uint8_t { htTruncation, htDivision, htMidSquare, htFolding };

// The integer of a string key. A key of up to 15 bytes takes every byte
// (h = h * 37 + byte); a longer one only every (length div 8)-th byte from
// the first (h = h * 39 + byte). Bytes count as unsigned. Any result,
// including 0, is a valid hash.
[[nodiscard]] uint32_t HashStringKey(std::string_view key) noexcept;

// The bucket of `hash` by one of the digit methods (truncation, mid-square,
// folding). `capacity` must be above 0.
[[nodiscard]] uint32_t HashBucketByDigits(uint32_t hash, uint32_t capacity,
                                          TGHashType type) noexcept;

// The bucket of `hash` among `capacity` (> 0) buckets. Division, the default
// and the common case, stays inline: the key's integer with its sign bit
// cleared, mod the capacity.
[[nodiscard]] inline uint32_t HashBucket(uint32_t hash, uint32_t capacity,
                                         TGHashType type) noexcept {
  if (type == htDivision) return (hash & 0x7FFFFFFFu) % capacity;
  return HashBucketByDigits(hash, capacity, type);
}

}  // namespace vettora
