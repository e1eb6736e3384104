// Text helpers of the rule-language printer.
#include "engine/printer_layout.h"

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

std::string KindWords(TIETypes types) {
  // The kinds a type statement can name, in kind order.
  static constexpr TIEType kWordKinds[] = {
      dtAtom,       dtString, dtInteger, dtFactId,          dtFloat, dtFact,
      dtDescriptor, dtObject, dtClass,   dtExternalAddress, dtFuzzy};
  std::string words;
  for (TIEType kind : kWordKinds) {
    if (!types.Contains(kind)) continue;
    if (!words.empty()) words += ' ';
    for (const char* p = TypeName(kind) + 2; *p; ++p)
      words += char(std::toupper(static_cast<unsigned char>(*p)));
  }
  return words;
}

}  // namespace vettora::printer_layout
