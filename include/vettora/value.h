#pragma once
// vettora::TValue: a rule-language value as the host sees it, copied out of
// the engine. It holds no reference into an engine, so it may be kept,
// copied and moved freely, also after the engine is gone, and read from any
// thread.
//
// Kinds: nil (the empty value), atoms (symbols such as TRUE or red),
// strings, 32-bit integers, floats, lists of values, and "other" for
// values a host cannot make itself (facts, fuzzy values, ...), of which
// only the printed text is kept.

#include <cstdint>
#include <string>
#include <vector>

#include "vettora/export.h"

namespace vettora {

class VETTORA_API TValue {
 public:
  enum TKind : uint8_t { vkNil, vkAtom, vkString, vkInteger, vkFloat, vkList, vkOther };

  // Nil.
  TValue() = default;
  static TValue Atom(std::string name);
  static TValue String(std::string text);
  static TValue Integer(int32_t number);
  static TValue Float(double number);
  static TValue List(std::vector<TValue> items);
  // A value known only by its printed form.
  static TValue Other(std::string text);

  [[nodiscard]] TKind Kind() const { return FKind; }
  [[nodiscard]] bool IsNil() const { return FKind == vkNil; }
  [[nodiscard]] bool IsNumber() const { return FKind == vkInteger || FKind == vkFloat; }
  // The name of an atom, the characters of a string (without quotes), the
  // printed text of any other kind.
  [[nodiscard]] const std::string& AsString() const { return FText; }
  // A number's value; 0 for every other kind. AsInteger truncates a float.
  [[nodiscard]] int32_t AsInteger() const;
  [[nodiscard]] double AsFloat() const { return FNumber; }
  // A list's items; empty for every other kind.
  [[nodiscard]] const std::vector<TValue>& Items() const { return FItems; }
  // The value as the engine prints it: strings in quotes, floats with four
  // decimals, lists separated by spaces, nil as "nil".
  [[nodiscard]] std::string AsText() const;

  friend bool operator==(const TValue& a, const TValue& b);

 private:
  TValue(TKind kind, std::string text, double number = 0.0, std::vector<TValue> items = {});

  TKind FKind = vkNil;
  std::string FText;
  double FNumber = 0.0;
  std::vector<TValue> FItems;
};

}  // namespace vettora
