#pragma once
// TIEStreamToken: one lexical token of the rule language, held through the
// counted handle IStreamToken. Its kind (DataType) is one of the value kinds
// of TIEType (atom, string, integer, variable, float, multifield variable,
// and the value-only kinds fact id, descriptor, object, external address,
// slot, multislot), the end of the stream (0), or the character code of a
// delimiter.

#include <cstdint>
#include <string>

#include "values/counted.h"
#include "values/value.h"

namespace vettora {

// Token kinds that are not value kinds.
enum TTokenKind : int32_t {
  tkEndOfStream = 0,
  tkAmpersand = '&',
  tkOpenParen = '(',
  tkCloseParen = ')',
  tkEquals = '=',
  tkOpenBracket = '[',
  tkCloseBracket = ']',
  tkBar = '|',
  tkTilde = '~',
};

class TIEStreamToken;
using IStreamToken = Ref<TIEStreamToken>;

class TIEStreamToken : public TCounted {
 public:
  TIEStreamToken() = default;

  // Copies every field.
  void Assign(const TIEStreamToken& source);
  void AssignTo(TIEStreamToken& dest) const { dest.Assign(*this); }
  [[nodiscard]] IStreamToken Clone() const;
  // Equal DataType, LineNumber and Number; Text is not compared.
  [[nodiscard]] bool Equals(const TIEStreamToken* other) const;
  [[nodiscard]] bool Equals(const IStreamToken& other) const { return Equals(other.Get()); }

  [[nodiscard]] int32_t Tag() const { return FTag; }
  void SetTag(int32_t tag) { FTag = tag; }
  [[nodiscard]] int32_t DataType() const { return FDataType; }
  void SetDataType(int32_t kind) { FDataType = kind; }
  // The line on which the token ends.
  [[nodiscard]] int32_t LineNumber() const { return FLineNumber; }
  void SetLineNumber(int32_t line) { FLineNumber = line; }
  // The column (from 1) of the token's first character on the line it
  // starts on; 0 when unknown.
  [[nodiscard]] int32_t Column() const { return FColumn; }
  void SetColumn(int32_t column) { FColumn = column; }
  // The value of a numeric token.
  [[nodiscard]] double Number() const { return FNumber; }
  void SetNumber(double number) { FNumber = number; }
  // The text: without quotes for a string, without "?" or "$?" for a
  // variable, the source text of a number.
  [[nodiscard]] const std::string& Text() const { return FText; }
  void SetText(std::string text) { FText = std::move(text); }
  // Whitespace and comments read before the token.
  [[nodiscard]] const std::string& WhiteSpace() const { return FWhiteSpace; }
  void SetWhiteSpace(std::string text) { FWhiteSpace = std::move(text); }

  // The printable form, as the construct record and error messages show it;
  // strings are quoted with backslash escapes.
  [[nodiscard]] std::string AsText() const;
  // The value the token stands for.
  [[nodiscard]] IIEValue ToValue() const;
  // As ToValue, but a variable reads its binding in `context`; raises
  // EIEException "Unknown variable name: %s" when it has none.
  [[nodiscard]] IIEValue ToValue(IEvalContext* context) const;
  // Makes this token stand for `value`: the kind becomes the value's kind
  // and Text or Number take its content. An empty handle gives kind 0.
  void AssignValue(const IIEValue& value);

 private:
  [[nodiscard]] IIEValue NumberValue(TIEType kind) const;

  int32_t FDataType = tkEndOfStream;
  int32_t FLineNumber = 0;
  int32_t FTag = 0;
  int32_t FColumn = 0;
  double FNumber = 0;
  std::string FText;
  std::string FWhiteSpace;
  // An object value a token was assigned from: an object cannot be carried
  // as a number, so the token keeps the value itself.
  IIEValue FObjectValue;
};

}  // namespace vettora
