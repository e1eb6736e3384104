// The functions of the string package.
#include "packages/string/string_functions.h"

#include <cstdint>
#include <string>

#include "functions/argument_values.h"
#include "packages/string/messages.h"
#include "packages/string/utf8_text.h"
#include "values/exceptions.h"
#include "values/format.h"

namespace vettora {
namespace {

constexpr int32_t kNoMax = TIEUserFunction::kNoLimit;

// The texts of all arguments, in order, joined.
std::string Concatenated(TFunctionCall& call, TIEContext& context) {
  std::string text;
  for (int32_t i = 0; i < call.ArgumentCount(); ++i) text += TextArgument(call, i, context);
  return text;
}

// A converted text keeps the argument's kind when it is a symbol; anything
// else answers a string.
IIEValue ConvertedCase(TFunctionCall& call, TIEContext& context,
                       std::string (*convert)(std::string_view)) {
  IIEValue argument = ArgumentValue(call, 0, context);
  std::string text = convert(argument->AsString());
  return argument->DType() == dtAtom ? MakeAtom(text) : MakeString(text);
}

}  // namespace

TSymCatFunction::TSymCatFunction()
    : TBuiltInFunction("sym-cat", kSymCatHelp, " <expression>*", 0, kNoMax) {}

IIEValue TSymCatFunction::Execute(TFunctionCall& call, TIEContext& context) {
  return MakeAtom(Concatenated(call, context));
}

TStrCatFunction::TStrCatFunction()
    : TBuiltInFunction("str-cat", kStrCatHelp, " <lexeme-expression>*", 0, kNoMax) {}

IIEValue TStrCatFunction::Execute(TFunctionCall& call, TIEContext& context) {
  return MakeString(Concatenated(call, context));
}

TLowerCaseFunction::TLowerCaseFunction()
    : TBuiltInFunction("lowcase", kLowCaseHelp, " <string-or-symbol-expression>", 1, 1) {}

IIEValue TLowerCaseFunction::Execute(TFunctionCall& call, TIEContext& context) {
  return ConvertedCase(call, context, AsciiLowerCase);
}

TUpperCaseFunction::TUpperCaseFunction()
    : TBuiltInFunction("upcase", kUpCaseHelp, " <lexeme-expression>", 1, 1) {}

IIEValue TUpperCaseFunction::Execute(TFunctionCall& call, TIEContext& context) {
  return ConvertedCase(call, context, AsciiUpperCase);
}

TStrCompFunction::TStrCompFunction()
    : TBuiltInFunction("str-compare", kStrCompareHelp, " <lexeme-expression> <lexeme-expression>",
                       2, 2) {}

IIEValue TStrCompFunction::Execute(TFunctionCall& call, TIEContext& context) {
  std::string first = TextArgument(call, 0, context);
  // Byte order of UTF-8 text is the order of its character codes.
  int order = first.compare(TextArgument(call, 1, context));
  return MakeInteger(order < 0 ? -1 : (order > 0 ? 1 : 0));
}

TStrIndexFunction::TStrIndexFunction()
    : TBuiltInFunction("str-index", kStrIndexHelp, " <lexeme-expression> <lexeme-expression>", 2,
                       2) {}

IIEValue TStrIndexFunction::Execute(TFunctionCall& call, TIEContext& context) {
  std::string part = TextArgument(call, 0, context);
  size_t index = Utf8Find(TextArgument(call, 1, context), part);
  if (index == std::string::npos) return FalseValue();
  return MakeInteger(int32_t(index + 1));
}

TStrLengthFunction::TStrLengthFunction()
    : TBuiltInFunction("str-length", kStrLengthHelp, " <lexeme-expression>", 1, 1) {}

IIEValue TStrLengthFunction::Execute(TFunctionCall& call, TIEContext& context) {
  return MakeInteger(int32_t(Utf8Length(TextArgument(call, 0, context))));
}

TSubStringFunction::TSubStringFunction()
    : TBuiltInFunction("sub-string", kSubStringHelp,
                       " <start-integer-expression> <end-integer-expression> <lexeme-expression>",
                       3, 3) {}

IIEValue TSubStringFunction::Execute(TFunctionCall& call, TIEContext& context) {
  int32_t start = IntegerArgument(call, 0, context);
  int32_t end = IntegerArgument(call, 1, context);
  std::string text = TextArgument(call, 2, context);
  // Worked out in 64 bits: end - start + 1 overflows 32 bits at the extremes.
  int64_t length = int64_t(Utf8Length(text));
  int64_t count = int64_t(end) - start + 1;
  if (start <= 0 || start > length || count < 0)
    throw EIEException(FormatMessage(kInvalidSubstringParameters, {start, end}));
  size_t from = Utf8Offset(text, size_t(start - 1));
  size_t to = from + Utf8Offset(std::string_view(text).substr(from), size_t(count));
  return MakeString(text.substr(from, to - from));
}

}  // namespace vettora
