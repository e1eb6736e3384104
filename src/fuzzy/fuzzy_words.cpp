#include "fuzzy/fuzzy_words.h"

#include <functional>
#include <unordered_map>

namespace vettora {

namespace {

constexpr const char* kHedgeWords[kFuzzyHedgeCount] = {
    "not",   "somewhat",    "moreorless", "greatly",    "plus",       "very",      "extremely",
    "above", "below",       "slightly",   "normalize",  "about",      "vicinity",  "close",
    "near",  "neighboring", "positively", "absolutely", "definitely", "generally",
};

constexpr const char* kArithmeticTexts[kFuzzyArithmeticCount] = {"+", "-",  "*", "/", "^",
                                                                 "<", "<=", ">", ">="};

constexpr const char* kAndWords[kFuzzyOperationCount] = {
    "and", "and-mean", "and-meansqr", "and-meansqrt", "and-product", "and-boundedsum", "and-sum"};
constexpr const char* kOrWords[kFuzzyOperationCount] = {
    "or", "or-mean", "or-meansqr", "or-meansqrt", "or-product", "or-boundedsum", "or-sum"};

constexpr const char* kOperationNames[kFuzzyOperationCount] = {
    "foZadeh", "foMean", "foMeanSqr", "foMeanSqrt", "foProduct", "foBoundedSum", "foSum"};

// Hashes std::string and std::string_view alike, so lookups need no copy.
struct TWordHash {
  using is_transparent = void;
  size_t operator()(std::string_view s) const noexcept { return std::hash<std::string_view>{}(s); }
};
using TWordTable = std::unordered_map<std::string, TFuzzyWord, TWordHash, std::equal_to<>>;

TWordTable BuildWordTable() {
  TWordTable table;
  for (int i = 0; i < kFuzzyHedgeCount; ++i)
    table[kHedgeWords[i]] = TFuzzyWord{fwkHedge, uint8_t(i), false, false};
  for (int i = 0; i < kFuzzyArithmeticCount; ++i) {
    table[kArithmeticTexts[i]] = TFuzzyWord{fwkArithmetic, uint8_t(i), false, false};
    table[std::string(kArithmeticTexts[i]) + "X"] =
        TFuzzyWord{fwkArithmetic, uint8_t(i), true, false};
  }
  for (int i = 0; i < kFuzzyOperationCount; ++i) {
    table[kAndWords[i]] = TFuzzyWord{fwkAndOr, uint8_t(i), false, false};
    table[kOrWords[i]] = TFuzzyWord{fwkAndOr, uint8_t(i), false, true};
  }
  return table;
}

// Built once on first use and never changed afterwards.
const TWordTable& WordTable() {
  static const TWordTable table = BuildWordTable();
  return table;
}

}  // namespace

TFuzzyWord ClassifyFuzzyWord(std::string_view text) {
  const TWordTable& table = WordTable();
  auto it = table.find(text);
  return it == table.end() ? TFuzzyWord{} : it->second;
}

const char* HedgeWord(TFuzzyHedge hedge) {
  return unsigned(hedge) < unsigned(kFuzzyHedgeCount) ? kHedgeWords[hedge] : "";
}

std::string ArithmeticText(TFuzzyArithmetic op, bool onX) {
  std::string text = unsigned(op) < unsigned(kFuzzyArithmeticCount) ? kArithmeticTexts[op] : "";
  if (onX) text += 'X';
  return text;
}

const char* IntersectionWord(TFuzzyOperation op) {
  return unsigned(op) < unsigned(kFuzzyOperationCount) ? kAndWords[op] : "";
}

const char* UnionWord(TFuzzyOperation op) {
  return unsigned(op) < unsigned(kFuzzyOperationCount) ? kOrWords[op] : "";
}

std::string FuzzyOperationName(TFuzzyOperation op) {
  if (unsigned(op) < unsigned(kFuzzyOperationCount)) return kOperationNames[op];
  return "TFuzzyOperation(" + std::to_string(unsigned(op)) + ")";
}

}  // namespace vettora
