#include "values/number_text.h"

#include <charconv>
#include <cmath>
#include <string>

#include "values/exceptions.h"
#include "values/format.h"
#include "values/messages.h"

namespace vettora {

bool TryTextToInteger(std::string_view text, int32_t& out) {
  // One sign at most: "+-5" and "++5" are not numbers.
  bool plus = !text.empty() && text.front() == '+';
  if (plus) text.remove_prefix(1);
  if (text.empty() || text[0] == '+' || (plus && text[0] == '-')) return false;
  int32_t v = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
  if (ec != std::errc() || end != text.data() + text.size()) return false;
  out = v;
  return true;
}

namespace {

// Checks the shape of a decimal number before converting it, so that the
// converter's extra forms (inf, nan, hex) are never accepted.
bool IsDecimalNumber(std::string_view t) {
  size_t i = 0;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
  size_t digits = 0;
  while (i < t.size() && t[i] >= '0' && t[i] <= '9') ++i, ++digits;
  if (i < t.size() && t[i] == '.') {
    ++i;
    while (i < t.size() && t[i] >= '0' && t[i] <= '9') ++i, ++digits;
  }
  if (digits == 0) return false;
  if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
    ++i;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    size_t exp = 0;
    while (i < t.size() && t[i] >= '0' && t[i] <= '9') ++i, ++exp;
    if (exp == 0) return false;
  }
  return i == t.size();
}

}  // namespace

bool TryTextToFloat(std::string_view text, double& out) {
  if (!IsDecimalNumber(text)) return false;
  if (text.front() == '+') text.remove_prefix(1);
  double v = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
  if (ec == std::errc::result_out_of_range) {
    // Overflow reads as infinity, underflow as zero, as the platform reader does.
    v = std::strtod(std::string(text).c_str(), nullptr);
  } else if (ec != std::errc() || end != text.data() + text.size()) {
    return false;
  }
  out = v;
  return true;
}

bool TryTruncToInt32(double v, int32_t& out) {
  if (!std::isfinite(v)) return false;
  double t = std::trunc(v);
  if (t < -2147483648.0 || t > 2147483647.0) return false;
  out = int32_t(t);
  return true;
}

int32_t TruncToInt32(double v) {
  int32_t out = 0;
  if (!TryTruncToInt32(v, out))
    throw EConvertError(FormatMessage(kIntegerOutOfRange, {FormatFloat4(v)}));
  return out;
}

int32_t RoundToInt32(double v) {
  return TruncToInt32(std::nearbyint(v));
}

}  // namespace vettora
