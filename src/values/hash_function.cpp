#include "values/hash_function.h"

namespace vettora {

namespace {

constexpr uint64_t kPow10[] = {1ull,         10ull,         100ull,        1000ull,
                               10000ull,     100000ull,     1000000ull,    10000000ull,
                               100000000ull, 1000000000ull, 10000000000ull};

// Number of decimal digits of `v` ("0" has one).
int DecimalDigits(uint64_t v) {
  int d = 1;
  while (d < 10 && v >= kPow10[d]) ++d;
  return d;
}

// The last d digits of k, as a number (all of k when it is shorter).
uint64_t Truncation(uint32_t k, int d) { return k % kPow10[d]; }

// Of the square (wrapped to 32 bits, sign bit cleared), with L digits: d
// digits starting at 0-based position L - L div 2 when d < L div 2,
// otherwise the whole square.
uint64_t MidSquare(uint32_t h, int d) {
  uint32_t square = uint32_t(uint64_t(h) * h) & 0x7FFFFFFFu;
  int len = DecimalDigits(square);
  int half = len / 2;
  if (d >= half) return square;
  // Digits after the taken ones: len - (len - half) - d = half - d.
  return (square / kPow10[half - d]) % kPow10[d];
}

// The first digit of k, followed by every digit whose 0-based position is
// even or a multiple of 3 (so the first digit appears twice).
uint64_t Folding(uint32_t k) {
  char digits[10];
  int len = 0;
  for (uint32_t v = k;; v /= 10) {
    digits[len++] = char(v % 10);  // least significant first
    if (v < 10) break;
  }
  uint64_t result = uint64_t(digits[len - 1]);
  for (int pos = 0; pos < len; ++pos)
    if (pos % 2 == 0 || pos % 3 == 0) result = result * 10 + uint64_t(digits[len - 1 - pos]);
  return result;
}

}  // namespace

uint32_t HashStringKey(std::string_view key) noexcept {
  uint32_t h = 0;
  size_t n = key.size();
  if (n > 15) {
    size_t step = n / 8;
    for (size_t i = 0; i < n; i += step) h = h * 39u + uint8_t(key[i]);
  } else {
    for (char c : key) h = h * 37u + uint8_t(c);
  }
  return h;
}

uint32_t HashBucketByDigits(uint32_t hash, uint32_t capacity, TGHashType type) noexcept {
  uint32_t k = hash & 0x7FFFFFFFu;
  int d = DecimalDigits(capacity);
  uint64_t number;
  switch (type) {
    case htTruncation:
      number = Truncation(k, d);
      break;
    case htMidSquare:
      number = MidSquare(hash, d);
      break;
    case htFolding:
      number = Folding(k);
      break;
    default:
      number = k;
      break;
  }
  return uint32_t(number % capacity);
}

}  // namespace vettora
