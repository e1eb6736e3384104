// The default rule-language text of a call, used when it has no reasoner
// to print it.
#include "functions/function_call.h"

namespace vettora {

namespace {

std::string Trim(std::string_view s) {
  size_t b = 0, e = s.size();
  while (b < e && static_cast<unsigned char>(s[b]) <= ' ') ++b;
  while (e > b && static_cast<unsigned char>(s[e - 1]) <= ' ') --e;
  return std::string(s.substr(b, e - b));
}

bool IsSlotPairFunction(const std::string& name) { return name == "modify" || name == "duplicate"; }

}  // namespace

std::string CommentLines(const std::string& comment) {
  std::string out;
  size_t start = 0;
  while (start < comment.size()) {
    size_t end = comment.find_first_of("\r\n", start);
    if (end == std::string::npos) end = comment.size();
    std::string line = Trim(std::string_view(comment).substr(start, end - start));
    out += (line.empty() || line[0] == ';') ? line : "; " + line;
    out += "\r\n";
    // A carriage return followed by a line feed ends one line.
    bool crlf = end + 1 < comment.size() && comment[end] == '\r' && comment[end + 1] == '\n';
    start = end + (crlf ? 2 : 1);
  }
  return out;
}

std::string FunCallText(const TFunctionCall& call) {
  std::string text = CommentLines(call.Comment()) + "(" + call.FunctionName();
  bool slotPairs = IsSlotPairFunction(call.FunctionName());
  for (int32_t i = 0; i < call.ArgumentCount(); ++i) {
    const IIEValue& a = call.Argument(i);
    std::string argument = a ? a->AsText() : "";
    text += (slotPairs && i > 0) ? " (" + argument + ")" : " " + argument;
  }
  return text + ")";
}

}  // namespace vettora
