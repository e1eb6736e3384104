#pragma once
// The reserved words of fuzzy expressions: hedge words, arithmetic operator
// texts (with and without the "X" suffix) and the and/or operator words.
// One hashed table classifies a word in constant time.

#include <string>
#include <string_view>

#include "fuzzy/fuzzy_types.h"

namespace vettora {

enum TFuzzyWordKind : uint8_t { fwkNone, fwkHedge, fwkArithmetic, fwkAndOr };

// What a word means in a fuzzy expression. For fwkHedge, Code is a
// TFuzzyHedge; for fwkArithmetic a TFuzzyArithmetic with OnX telling the
// "X" form; for fwkAndOr a TFuzzyOperation with IsUnion telling "or".
struct TFuzzyWord {
  TFuzzyWordKind Kind = fwkNone;
  uint8_t Code = 0;
  bool OnX = false;
  bool IsUnion = false;
};

[[nodiscard]] TFuzzyWord ClassifyFuzzyWord(std::string_view text);
[[nodiscard]] inline bool IsReservedFuzzyWord(std::string_view text) {
  return ClassifyFuzzyWord(text).Kind != fwkNone;
}

// "not", "somewhat", ...
[[nodiscard]] const char* HedgeWord(TFuzzyHedge hedge);
// "+", "-", ... with "X" appended for the X form.
[[nodiscard]] std::string ArithmeticText(TFuzzyArithmetic op, bool onX);
// "and", "and-mean", ... / "or", "or-mean", ...
[[nodiscard]] const char* IntersectionWord(TFuzzyOperation op);
[[nodiscard]] const char* UnionWord(TFuzzyOperation op);
// The enumeration name ("foZadeh"); "TFuzzyOperation(n)" for a code out of
// range.
[[nodiscard]] std::string FuzzyOperationName(TFuzzyOperation op);

}  // namespace vettora
