// Naming rules and the string hash of templates and facts.
#include "knowledge/construct_name.h"

#include "knowledge/messages.h"
#include "values/exceptions.h"
#include "values/format.h"

namespace vettora {

void CheckConstructName(std::string_view name) {
  size_t at = name.find_first_of(kForbiddenNameCharacters);
  if (at == std::string_view::npos) return;
  throw EIEException(FormatMessage(kForbiddenNameCharacter, {name, name.substr(at, 1)}));
}

uint32_t StringHashAppend(uint32_t h, std::string_view text) noexcept {
  for (char c : text) h = h * 31u + static_cast<unsigned char>(c);
  return h;
}

uint32_t StringHash(std::string_view text) noexcept { return StringHashAppend(0, text); }

std::string TrimName(std::string_view text) {
  auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
  size_t first = 0, last = text.size();
  while (first < last && blank(text[first])) ++first;
  while (last > first && blank(text[last - 1])) --last;
  return std::string(text.substr(first, last - first));
}

}  // namespace vettora
