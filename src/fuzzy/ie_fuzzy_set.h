#pragma once
// TIEFuzzySet: the engine's fuzzy set. Besides other fuzzy values it
// compares with plain numbers: a number x matches when the membership at x
// exceeds the threshold, and its compatibility index is that membership.

#include "fuzzy/ifuzzy_set.h"

namespace vettora {

class TIEFuzzySet : public TIFuzzySet {
 public:
  TIEFuzzySet() = default;
  explicit TIEFuzzySet(std::string name) : TIFuzzySet(std::move(name)) {}

  [[nodiscard]] bool MatchesValue(const TIEValue& other) override;
  [[nodiscard]] TFzyFloat CompatibilityIndex(const TIEValue& other) override;

 protected:
  [[nodiscard]] IFuzzySet NewEmpty() const override;
};

}  // namespace vettora
