#pragma once
// The directives of the rule language's `format`: "%", an optional "-"
// (left-justify), an optional width, an optional "." and precision, and a
// letter:
//   d, u, x  the value's integer as signed decimal, unsigned decimal or
//            upper-case hexadecimal; precision is the minimum digit count;
//   f        fixed point with precision decimals (default 2);
//   e        scientific with precision significant digits (default 15),
//            the exponent "E", a sign and at least three digits;
//   g        the shorter of fixed and scientific, up to precision
//            significant digits (default 15), no trailing zeros;
//   m        a money amount, "$1,234.50" (precision decimals, default 2);
//   p        the value's external address in at least eight upper-case
//            hexadecimal digits;
//   s        the value's printed form, at most precision characters.
// The width pads with blanks on the left, or on the right after "-".

#include <string>
#include <string_view>

#include "values/value.h"

namespace vettora {

// True for the letters above.
[[nodiscard]] bool IsFormatLetter(char letter);

// Formats a piece of control text that starts with "%" and ends with a
// directive letter: each "%%" gives "%", the one directive gives `value`
// and any other character is copied. A malformed directive, or a second
// one, raises "Invalid format directive: \"%s\"".
[[nodiscard]] std::string FormatSegment(std::string_view segment, const TIEValue& value);

}  // namespace vettora
