#pragma once
// Trimmed: a text without its leading and trailing blanks, tabs and line
// breaks (the answers and texts the package reads are often typed).

#include <string>

namespace vettora {

[[nodiscard]] inline std::string Trimmed(const std::string& text) {
  size_t first = text.find_first_not_of(" \t\r\n");
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

}  // namespace vettora
