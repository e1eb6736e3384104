// TLineEndFilter: CR LF to LF across pieces of output.
#include "shell/line_end_filter.h"

namespace vettora {

std::string TLineEndFilter::Filter(std::string_view text) {
  std::string out;
  out.reserve(text.size() + 1);
  size_t i = 0;
  if (FPendingCR) {
    FPendingCR = false;
    if (text.empty()) {
      FPendingCR = true;
      return out;
    }
    // A CR not followed by LF stays as it was written.
    if (text.front() != '\n') out += '\r';
  }
  for (; i < text.size(); ++i) {
    char c = text[i];
    if (c != '\r') {
      out += c;
    } else if (i + 1 == text.size()) {
      FPendingCR = true;
    } else if (text[i + 1] != '\n') {
      out += c;
    }
  }
  return out;
}

std::string TLineEndFilter::Finish() {
  if (!FPendingCR) return std::string();
  FPendingCR = false;
  return "\r";
}

}  // namespace vettora
