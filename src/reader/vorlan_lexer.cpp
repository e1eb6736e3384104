// TIEVorlanStream: the lexer (raw tokens, strings, classification) and line
// counting.

#include <climits>
#include <cstring>

#include "reader/messages.h"
#include "reader/parse_exception.h"
#include "reader/vorlan_stream.h"
#include "values/format.h"
#include "values/number_text.h"

namespace vettora {

namespace {

bool IsWhite(char c) { return static_cast<unsigned char>(c) <= 32; }

bool IsDelimiterToken(int32_t c) {
  return c == '&' || c == '(' || c == ')' || c == '=' || c == '[' || c == ']' || c == '|' ||
         c == '~';
}

// Characters that end an atom-like token and start the next one.
bool EndsAtom(char c) { return c != '\0' && std::strchr("\"&();<[]|~", c) != nullptr; }

}  // namespace

// ---- Line counting ------------------------------------------------------

void TIEVorlanStream::NewLineCounted() {
  if (FLineNumber < INT32_MAX) ++FLineNumber;
  FColumn = 0;
}

void TIEVorlanStream::CountChar(char c) {
  if (c == '\r') {
    NewLineCounted();
    FAfterCR = true;
    FAtLineStart = true;
  } else if (c == '\n') {
    if (!FAfterCR) NewLineCounted();
    FColumn = 0;
    FAfterCR = false;
    FAtLineStart = true;
  } else {
    if (FColumn < INT32_MAX) ++FColumn;
    FAfterCR = false;
    FAtLineStart = false;
  }
}

void TIEVorlanStream::CompletePendingCR() {
  if (!FAfterCR) return;
  FAfterCR = false;
  char c;
  if (NextByte(c) && c != '\n') PushBack(c);
}

char TIEVorlanStream::ReadChar() {
  char c = '\0';
  if (!NextByte(c)) return '\0';
  CountChar(c);
  return c;
}

std::string TIEVorlanStream::ReadLine() {
  CompletePendingCR();
  std::string line;
  if (ReadLineTo(line)) {
    NewLineCounted();
    FAtLineStart = true;
  } else if (!line.empty()) {
    FAtLineStart = false;
  }
  return line;
}

bool TIEVorlanStream::SkipLineSpace() {
  if (FAfterCR) {
    // The line break the CR began is complete once its LF (if any) is gone.
    CompletePendingCR();
    return true;
  }
  bool broke = TGTextStream::SkipLineSpace();
  if (broke) {
    NewLineCounted();
    FAtLineStart = true;
  }
  return broke;
}

// ---- Raw tokens -----------------------------------------------------------

void TIEVorlanStream::SkipWhitespace() {
  char c;
  while (NextByte(c)) {
    if (!IsWhite(c)) {
      PushBack(c);
      return;
    }
    FWhiteSpace += c;
    CountChar(c);
  }
}

IStreamToken TIEVorlanStream::ReadRawToken() {
  for (;;) {
    FTokenText.clear();
    SkipWhitespace();
    char c;
    FTokenColumn = FColumn + 1;
    if (!NextByte(c)) return MakeToken(kHintEndOfStream, std::string());
    CountChar(c);
    if (c == '"') return MakeToken(kHintString, ReadStringBody());
    if (IsDelimiterToken(c)) return MakeToken(c, std::string());
    if (c != ';') return ReadAtomLike(c);
    // A comment belongs to the whitespace in front of the next token.
    FWhiteSpace += ';';
    FWhiteSpace += ReadLine();
    FWhiteSpace += "\r\n";
  }
}

// The characters after the opening quote up to the closing one.
std::string TIEVorlanStream::ReadStringBody() {
  std::string text;
  char c;
  for (;;) {
    if (!NextByte(c)) Fail(kStringNotTerminated);
    CountChar(c);
    if (c == '"') return text;
    if (c == '\\') {
      if (!NextByte(c)) Fail(kStringNotTerminated);
      CountChar(c);
    }
    text += c;
  }
}

IStreamToken TIEVorlanStream::ReadAtomLike(char first) {
  char c = first;
  bool haveChar = true;
  char terminator = '\0';
  for (;;) {
    if (!haveChar) {
      if (!NextByte(c)) break;
      if (IsWhite(c)) {
        terminator = c;
        break;
      }
      if (EndsAtom(c)) {
        PushBack(c);
        break;
      }
      CountChar(c);
    }
    haveChar = false;
    if (c == '\\') {
      // An escape at the very end yields what was read so far, or the end.
      if (!NextByte(c)) return MakeToken(kHintEndOfStream, FTokenText);
      CountChar(c);
    }
    FTokenText += c;
  }
  IStreamToken token = MakeToken(kHintClassify, FTokenText);
  if (terminator != '\0') {
    // The whitespace that ended this token precedes the next one, and its
    // line break counts after this token's line was stamped.
    FWhiteSpace += terminator;
    CountChar(terminator);
  }
  return token;
}

// ---- Making tokens ----------------------------------------------------------

void TIEVorlanStream::Fail(const std::string& message) const {
  throw EIEParseException(message, FLineNumber, FColumn);
}

IStreamToken TIEVorlanStream::MakeToken(int32_t hint, const std::string& text) {
  bool known = hint == kHintClassify || hint == kHintEndOfStream || hint == kHintLineBreak ||
               hint == kHintString || IsDelimiterToken(hint);
  if (!known) Fail(FormatMessage(kInvalidTokenHint, {hint}));
  IStreamToken token = MakeRef<TIEStreamToken>();
  token->SetLineNumber(FLineNumber);
  token->SetColumn(FTokenColumn);
  token->SetWhiteSpace(std::move(FWhiteSpace));
  FWhiteSpace.clear();
  if (hint == kHintClassify || (hint == kHintEndOfStream && !text.empty())) {
    Classify(*token, text);
  } else if (hint == kHintEndOfStream) {
    token->SetDataType(tkEndOfStream);
    token->SetText("EOF");
  } else if (hint == kHintLineBreak) {
    token->SetDataType(dtAtom);
    token->SetText("CRLF");
  } else if (hint == kHintString) {
    token->SetDataType(dtString);
    token->SetText(text);
  } else {
    token->SetDataType(hint);
    token->SetText(std::string(1, char(hint)));
  }
  return token;
}

std::string TIEVorlanStream::AnonymousName(const char* prefix) {
  if (FEngine) return FEngine->GenerateSymbol(prefix);
  return prefix + std::to_string(FBlankCounter++);
}

void TIEVorlanStream::Classify(TIEStreamToken& token, const std::string& text) {
  token.SetDataType(dtAtom);
  token.SetText(text);
  if (text.empty()) return;
  char c = text[0];
  if (c == '?') {
    token.SetDataType(dtVariable);
    token.SetText(text.size() == 1 ? AnonymousName("_blank_") : text.substr(1));
    return;
  }
  if (text.size() > 1 && c == '$' && text[1] == '?') {
    token.SetDataType(dtMultiVariable);
    token.SetText(text.size() == 2 ? AnonymousName("_blank_$") : text.substr(2));
    return;
  }
  if (text == "+" || text == "-" || text == ".") return;
  if (!((c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.')) return;
  int32_t whole = 0;
  double real = 0;
  if (TryTextToInteger(text, whole)) {
    token.SetDataType(dtInteger);
    token.SetNumber(whole);
  } else if (TryTextToFloat(text, real)) {
    token.SetDataType(dtFloat);
    token.SetNumber(real);
  }
}

}  // namespace vettora
