// The standard package's multifield functions between lists and text:
// explode$ and implode$.
#include <string_view>

#include "packages/standard/standard_multifield.h"

namespace vettora {

namespace {

// Blanks and control characters: everything up to the space.
bool IsBlankOrControl(char c) { return static_cast<unsigned char>(c) <= ' '; }

std::string_view Trimmed(std::string_view text) {
  size_t begin = 0;
  size_t end = text.size();
  while (begin < end && IsBlankOrControl(text[begin])) ++begin;
  while (end > begin && IsBlankOrControl(text[end - 1])) --end;
  return text.substr(begin, end - begin);
}

}  // namespace

// ---- explode$ -------------------------------------------------------------------

TExplodeMFFunction::TExplodeMFFunction()
    : TStandardFunction("explode$",
                        "Returns a list of the blank-separated words of the string, each as "
                        "a symbol",
                        " <string-expression>", 1, 1) {}

// Words are cut at blanks only; blanks and control characters after a cut
// are skipped, so a run of them separates like one blank, while a tab
// inside a word stays part of it.
IIEValue TExplodeMFFunction::Execute(TFunctionCall& call, TIEContext& context) {
  std::string whole = call.EvaluateArgument(0, context)->AsString();
  std::string_view text = Trimmed(whole);
  IValueVector list = MakeRef<TValueVector>();
  size_t at = 0;
  while (at < text.size()) {
    size_t blank = text.find(' ', at);
    if (blank == std::string_view::npos) blank = text.size();
    list->Add(MakeAtom(text.substr(at, blank - at)));
    at = blank;
    while (at < text.size() && IsBlankOrControl(text[at])) ++at;
  }
  return MakeList(list);
}

// ---- implode$ -------------------------------------------------------------------

TImplodeMFFunction::TImplodeMFFunction()
    : TStandardFunction("implode$",
                        "Returns a string of the list's elements separated by single blanks",
                        " <multifield-expression>", 1, 1) {}

IIEValue TImplodeMFFunction::Execute(TFunctionCall& call, TIEContext& context) {
  IValueVector list = ListArgument(call, 0, context);
  std::string text;
  for (int32_t i = 0; i < list->Count(); ++i) {
    if (i > 0) text += ' ';
    text += ReadElement(*list, i, context)->AsString();
  }
  return MakeString(text);
}

}  // namespace vettora
