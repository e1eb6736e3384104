// printout and format.
#include "packages/standard/standard_output.h"

#include <string>

#include "functions/engine_services.h"
#include "matching/context.h"
#include "packages/standard/format_directive.h"

namespace vettora {

namespace {

constexpr const char* kCrLf = "\r\n";
// The characters that may stand between "%" and a directive's letter.
constexpr const char* kDirectiveChars = "%-0123456789.";

// How printout writes a value: the atom crlf as a line break, text and
// numbers without quotes, a list in parentheses, anything else printed.
std::string PrintOutText(const TIEValue& value) {
  switch (value.DType()) {
    case dtAtom:
      return value.Text() == "crlf" ? kCrLf : value.Text();
    case dtString:
    case dtInteger:
    case dtFloat:
      return value.AsString();
    case dtList:
      return "(" + value.AsText() + ")";
    default:
      return value.AsText();
  }
}

// How format appends a value that no directive takes.
std::string AppendedText(const TIEValue& value) {
  switch (value.DType()) {
    case dtString:
      return value.AsString();
    case dtFactId:
      return std::to_string(value.AsFactId());
    case dtExternalAddress:
      return std::to_string(value.AsExternalAddress());
    case dtList:
      return "(" + value.AsText() + ")";
    default:
      return value.AsText();
  }
}

// Replaces every "%n" from `from` on by a line break.
// "%n" and CR LF have the same length, so the break is written in place.
void PutLineBreak(std::string& text, size_t at) {
  text[at] = '\r';
  text[at + 1] = '\n';
}

void ExpandLineBreaks(std::string& text, size_t from) {
  for (size_t p = text.find("%n", from); p != std::string::npos; p = text.find("%n", p + 2))
    PutLineBreak(text, p);
}

// The control string being filled. Text before `Done` is finished output
// (formatted values among it), which later directives never scan again.
struct TControlText {
  std::string Text;
  size_t Done = 0;

  // The position of the next directive's "%" and of its letter; a "%n"
  // met on the way becomes a line break. Answers false without a "%".
  bool NextDirective(size_t& percent, size_t& letter) {
    for (;;) {
      percent = Text.find('%', Done);
      if (percent == std::string::npos) return false;
      letter = Text.find_first_not_of(kDirectiveChars, percent + 1);
      if (letter != percent + 1 || Text[letter] != 'n') return true;
      PutLineBreak(Text, percent);
      Done = percent + 2;
    }
  }

  // Takes one argument's value.
  void Take(const TIEValue& value, size_t percent, size_t letter) {
    if (percent == std::string::npos) {
      Text += " " + AppendedText(value);
      Done = Text.size();
      return;
    }
    // A "%" without a known letter keeps the text as it is; the value is
    // used up all the same.
    if (letter == std::string::npos || !IsFormatLetter(Text[letter])) return;
    std::string head =
        Text.substr(0, percent) +
        FormatSegment(std::string_view(Text).substr(percent, letter + 1 - percent), value);
    Done = head.size();
    Text = head + Text.substr(letter + 1);
  }
};

}  // namespace

// ---- printout -----------------------------------------------------------------

TPrintOutFunction::TPrintOutFunction()
    : TStandardFunction("printout",
                        "Writes its arguments, without separators, to the logical name; the "
                        "symbol crlf starts a new line",
                        " <logical-name> <expression>*", 0, TIEUserFunction::kNoLimit) {}

IIEValue TPrintOutFunction::Execute(TFunctionCall& call, TIEContext& context) {
  std::string text;
  for (int32_t i = 1; i < call.ArgumentCount(); ++i)
    text += PrintOutText(*EvaluateArg(call, i, context));
  std::string name = call.ArgumentCount() > 0 ? EvaluateArg(call, 0, context)->AsString() : "";
  EngineOf(context).PrintOut(name, text);
  return NilValue();
}

// ---- format -------------------------------------------------------------------

TFormatFunction::TFormatFunction()
    : TStandardFunction("format",
                        "Writes the control string to the logical name, each directive "
                        "replaced by the next argument formatted; %n starts a new line",
                        " <logical-name> <string-expression> <expression>*", 2,
                        TIEUserFunction::kNoLimit) {}

// The control string is read as written: a string constant.
IIEValue TFormatFunction::Execute(TFunctionCall& call, TIEContext& context) {
  TControlText control{WrittenArg(call, 1)->AsString()};
  for (int32_t i = 2; i < call.ArgumentCount(); ++i) {
    size_t percent = std::string::npos;
    size_t letter = std::string::npos;
    if (!control.NextDirective(percent, letter)) percent = std::string::npos;
    control.Take(*EvaluateArg(call, i, context), percent, letter);
  }
  ExpandLineBreaks(control.Text, control.Done);
  EngineOf(context).PrintOut(EvaluateArg(call, 0, context)->AsString(), control.Text);
  return NilValue();
}

}  // namespace vettora
