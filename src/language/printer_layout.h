#pragma once
// The small text helpers every printed form shares: line ends, the
// indentation of nested constructs, quoted texts and the kind words of a
// type set.

#include <string>
#include <string_view>

#include "values/value_type.h"

namespace vettora::printer_layout {

inline constexpr const char* kCrLf = "\r\n";
inline constexpr const char* kIndent = "    ";

// The text with four blanks after every CR LF, so that a nested construct
// printed on several lines stays indented under its parent.
[[nodiscard]] std::string Indented(std::string_view text);

// The text as a string constant: in double quotes, with backslashes and
// double quotes escaped, so that it reads back unchanged.
[[nodiscard]] std::string Quoted(const std::string& text);

// A facet line "    (units kg)" CR LF; units that would not read back as
// one word (a blank, a quote, a parenthesis, a semicolon) are quoted.
[[nodiscard]] std::string UnitsFacet(const std::string& units);

[[nodiscard]] inline bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

}  // namespace vettora::printer_layout
