// TInputBalance: parenthesis and string tracking over typed input.
#include "shell/input_balance.h"

#include <cstdint>

namespace vettora {

void TInputBalance::Add(std::string_view text) {
  for (char c : text) {
    if (FInComment) {
      if (c == '\n' || c == '\r') FInComment = false;
      continue;
    }
    if (FEscaped) {
      FEscaped = false;
      continue;
    }
    if (FInString) {
      if (c == '\\')
        FEscaped = true;
      else if (c == '"')
        FInString = false;
      continue;
    }
    if (c == ';') {
      FInComment = true;
      continue;
    }
    if (static_cast<unsigned char>(c) <= 32) continue;
    FContent = true;
    if (c == '\\') {
      FEscaped = true;
    } else if (c == '"') {
      FInString = true;
    } else if (c == '(') {
      // Deeper than any parser accepts; the count only has to stay defined.
      if (FDepth < INT32_MAX) ++FDepth;
    } else if (c == ')') {
      if (--FDepth < 0) FOverClosed = true;
    }
  }
}

bool TInputBalance::Complete() const {
  if (FOverClosed) return true;
  return FContent && !FInString && FDepth <= 0;
}

}  // namespace vettora
