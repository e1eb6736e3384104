// Rendering of `format` directives.
#include "packages/standard/format_directive.h"

#include <algorithm>
#include <cinttypes>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "engine/messages.h"
#include "values/exceptions.h"
#include "values/format.h"

namespace vettora {

namespace {

// Widths and precisions beyond this are taken as this: a control string
// must not be able to ask for gigabytes of padding.
constexpr int32_t kMaxField = 1024;

struct TDirective {
  bool Left = false;
  int32_t Width = 0;
  int32_t Precision = -1;  // -1: none given
  char Letter = 0;
};

// Reads a run of digits at `i`, saturating at kMaxField.
int32_t ReadField(std::string_view text, size_t& i) {
  int32_t value = 0;
  while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
    value = std::min(kMaxField, value * 10 + (text[i] - '0'));
    ++i;
  }
  return value;
}

// Parses the directive whose "%" is at `i`; answers the index after its
// letter, or npos when it is malformed.
size_t ParseDirective(std::string_view text, size_t i, TDirective& out) {
  ++i;
  if (i < text.size() && text[i] == '-') {
    out.Left = true;
    ++i;
  }
  out.Width = ReadField(text, i);
  if (i < text.size() && text[i] == '.') out.Precision = ReadField(text, ++i);
  if (i >= text.size() || !IsFormatLetter(text[i])) return std::string_view::npos;
  out.Letter = text[i];
  return i + 1;
}

// printf into a string of the exact size.
template <class... Args>
std::string Printf(const char* format, Args... args) {
  int size = std::snprintf(nullptr, 0, format, args...);
  if (size <= 0) return std::string();
  std::string text(size_t(size) + 1, '\0');
  std::snprintf(text.data(), text.size(), format, args...);
  text.resize(size_t(size));
  return text;
}

std::string PadDigits(std::string digits, int32_t precision) {
  if (int32_t(digits.size()) < precision) digits.insert(0, size_t(precision) - digits.size(), '0');
  return digits;
}

std::string Integer(const TDirective& d, int32_t value) {
  switch (d.Letter) {
    case 'u':
      return PadDigits(std::to_string(uint32_t(value)), d.Precision);
    case 'x':
      return PadDigits(Printf("%" PRIX32, uint32_t(value)), d.Precision);
    default: {
      int64_t wide = value;
      std::string digits = PadDigits(std::to_string(wide < 0 ? -wide : wide), d.Precision);
      return wide < 0 ? "-" + digits : digits;
    }
  }
}

// "1.5E+03" -> "1.5E+003": a sign and at least three exponent digits.
std::string WidenExponent(std::string text) {
  size_t e = text.find('E');
  if (e == std::string::npos || e + 1 >= text.size()) return text;
  size_t digits = e + 1;
  if (text[digits] != '+' && text[digits] != '-') text.insert(digits, 1, '+');
  ++digits;
  size_t count = text.size() - digits;
  if (count < 3) text.insert(digits, 3 - count, '0');
  return text;
}

// Fixed point with thousands separators and a leading currency sign.
std::string Money(double value, int32_t decimals) {
  if (!std::isfinite(value)) return Printf("%f", value);
  std::string fixed = Printf("%.*f", int(decimals), std::fabs(value));
  size_t point = fixed.find('.');
  size_t whole = point == std::string::npos ? fixed.size() : point;
  for (size_t i = whole; i > 3; i -= 3) fixed.insert(i - 3, 1, ',');
  return (std::signbit(value) && value != 0.0 ? "-$" : "$") + fixed;
}

std::string Float(const TDirective& d, double value) {
  switch (d.Letter) {
    case 'f':
      return Printf("%.*f", int(d.Precision < 0 ? 2 : d.Precision), value);
    case 'e': {
      int32_t digits = std::max(1, d.Precision < 0 ? 15 : d.Precision);
      return WidenExponent(Printf("%.*E", int(digits - 1), value));
    }
    case 'g':
      return Printf("%.*G", int(d.Precision < 0 ? 15 : d.Precision), value);
    default:
      return Money(value, d.Precision < 0 ? 2 : d.Precision);
  }
}

std::string Render(const TDirective& d, const TIEValue& value) {
  switch (d.Letter) {
    case 'd':
    case 'u':
    case 'x':
      return Integer(d, value.AsInteger());
    case 'p':
      return Printf("%08" PRIXPTR, uintptr_t(value.AsExternalAddress()));
    case 's': {
      std::string text = value.AsText();
      if (d.Precision >= 0 && int32_t(text.size()) > d.Precision) text.resize(size_t(d.Precision));
      return text;
    }
    default:
      return Float(d, value.AsFloat());
  }
}

std::string Justify(const TDirective& d, std::string text) {
  if (int32_t(text.size()) >= d.Width) return text;
  size_t pad = size_t(d.Width) - text.size();
  return d.Left ? text.append(pad, ' ') : text.insert(0, pad, ' ');
}

}  // namespace

bool IsFormatLetter(char letter) {
  return letter != '\0' && std::strchr("duxefgmps", letter) != nullptr;
}

std::string FormatSegment(std::string_view segment, const TIEValue& value) {
  std::string out;
  bool used = false;
  size_t i = 0;
  while (i < segment.size()) {
    if (segment[i] != '%') {
      out += segment[i++];
    } else if (i + 1 < segment.size() && segment[i + 1] == '%') {
      out += '%';
      i += 2;
    } else {
      TDirective directive;
      size_t end = ParseDirective(segment, i, directive);
      if (end == std::string_view::npos || used)
        throw EIEException(FormatMessage(kBadFormatDirective, {segment}));
      out += Justify(directive, Render(directive, value));
      used = true;
      i = end;
    }
  }
  return out;
}

}  // namespace vettora
