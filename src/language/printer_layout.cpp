// Text helpers of the rule-language printer.
#include "language/printer_layout.h"

#include <cctype>

#include "values/value.h"

namespace vettora::printer_layout {

std::string Indented(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    out += text[i];
    if (text[i] == '\n' && i > 0 && text[i - 1] == '\r') out += kIndent;
  }
  return out;
}

std::string Quoted(const std::string& text) { return MakeString(text)->AsText(); }

std::string UnitsFacet(const std::string& units) {
  bool quote = units.find_first_of(" \t\r\n\"();") != std::string::npos;
  return kIndent + std::string("(units ") + (quote ? Quoted(units) : units) + ")" + kCrLf;
}

}  // namespace vettora::printer_layout
