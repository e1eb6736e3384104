#pragma once
// Text-to-number readings shared by values, tokens and functions.

#include <cstdint>
#include <string_view>

namespace vettora {

// A whole decimal integer with an optional sign that fits in 32 bits.
[[nodiscard]] bool TryTextToInteger(std::string_view text, int32_t& out);
// A decimal number: optional sign, digits with an optional period, optional
// exponent. At least one digit; no surrounding blanks, no "inf" or "nan".
[[nodiscard]] bool TryTextToFloat(std::string_view text, double& out);
// Truncates toward zero; false when the result does not fit in 32 bits or
// `v` is not finite.
[[nodiscard]] bool TryTruncToInt32(double v, int32_t& out);
// As TryTruncToInt32, raising EConvertError when it fails.
[[nodiscard]] int32_t TruncToInt32(double v);
// Rounds to the nearest integer, ties to even, raising EConvertError when
// the result does not fit in 32 bits.
[[nodiscard]] int32_t RoundToInt32(double v);

}  // namespace vettora
