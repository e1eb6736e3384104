#pragma once
// A tokenizer over a text, and a compact description of the tokens it makes.

#include <string>

#include "reader/string_stream.h"
#include "reader/vorlan_stream.h"

namespace vettora {

struct TLexer {
  explicit TLexer(std::string text) : Source(std::move(text)), Stream(&Source) {}
  TStringStream Source;
  TIEVorlanStream Stream;
};

// "a:x" atom, "s:x" string, "i:5" integer, "f:5.0000" float, "?x" and "$?x"
// variables, "EOF", and delimiters as their character.
inline std::string Show(const IStreamToken& t) {
  switch (t->DataType()) {
    case dtAtom:
      return "a:" + t->Text();
    case dtString:
      return "s:" + t->Text();
    case dtInteger:
      return "i:" + t->AsText();
    case dtFloat:
      return "f:" + t->AsText();
    case dtVariable:
    case dtMultiVariable:
      return t->AsText();
    default:
      return t->AsText();
  }
}

// Every raw token of `text` up to the end, shown and separated by blanks.
inline std::string RawTokens(const std::string& text) {
  TLexer lexer(text);
  std::string out;
  for (;;) {
    IStreamToken t = lexer.Stream.ReadRawToken();
    if (t->DataType() == tkEndOfStream) return out;
    if (!out.empty()) out += ' ';
    out += Show(t);
  }
}

}  // namespace vettora
