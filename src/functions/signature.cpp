// The signature builder.
#include "functions/signature.h"

namespace vettora {

namespace {

// The next "<...>" item of `text` at or after `pos`; empty when none.
std::string NextItem(const std::string& text, size_t& pos) {
  size_t open = text.find('<', pos);
  if (open == std::string::npos) return "";
  size_t close = text.find('>', open + 1);
  if (close == std::string::npos) return "";
  pos = close + 1;
  return text.substr(open, close - open + 1);
}

}  // namespace

std::string BuildArgumentString(const std::string& current, int32_t min, int32_t max) {
  if (max < min || max == 0) return "";
  std::string out;
  int32_t open = 0;
  if (min == 0) {
    out += "[";
    ++open;
  }
  size_t pos = 0;
  for (int32_t i = 0; i < max && i < kSignatureItemCap; ++i) {
    std::string item = NextItem(current, pos);
    if (item.empty()) {
      pos = current.size();  // no further item: the rest are expressions
      item = "<expression>";
    }
    out += " " + item;
    if (i + 1 >= min && i < max - 1) {
      out += "[";
      ++open;
    }
  }
  out.append(size_t(open), ']');
  size_t first = out.find_first_not_of(' ');
  return first == std::string::npos ? "" : out.substr(first);
}

}  // namespace vettora
