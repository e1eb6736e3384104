#pragma once
// TIFuzzySet: the counted fuzzy set through which the engine holds fuzzy
// values. A `TIEValue` of kind dtFuzzy holds one: it prints as the set's
// printed form, reads as a number by defuzzification and compares by
// fuzzy matching.
//
// Matching uses the threshold of the set's variable, or the set's own
// threshold when it has no variable.

#include "fuzzy/fuzzy_set.h"
#include "values/value.h"

namespace vettora {

class TIFuzzySet : public TFuzzySet, public TFuzzySetBase {
 public:
  TIFuzzySet() = default;
  explicit TIFuzzySet(std::string name) : TFuzzySet(std::move(name)) {}

  // Also copies the threshold when the source is a counted set.
  void Assign(const TFuzzySet& source) override;
  // A copy of the same family, attached to the same variable, never a term.
  [[nodiscard]] IFuzzySet Clone() const;

  [[nodiscard]] TFzyFloat Threshold() const { return FThreshold; }
  // Stored clamped into [0, 1]; a value that is not >= 0 stores 0.
  void SetThreshold(TFzyFloat value);
  [[nodiscard]] TFzyFloat EffectiveThreshold() const;

  // TFuzzySetBase.
  [[nodiscard]] std::string AsText() const override { return Print(); }
  // Defuzzified by the variable's method; by moment without a variable.
  [[nodiscard]] double DefuzzifiedValue() override;
  [[nodiscard]] bool FuzzyMatches(const TIEValue& other) override { return MatchesValue(other); }

  // Against a fuzzy value: true as soon as min(μA, μB) reaches the
  // threshold somewhere along the pair walk. Any other value does not match
  // (engine sets also compare with numbers).
  [[nodiscard]] virtual bool MatchesValue(const TIEValue& other);
  // Against a fuzzy value: the maximum of min(μA, μB) along the pair walk;
  // 0 against any other value.
  [[nodiscard]] virtual TFzyFloat CompatibilityIndex(const TIEValue& other);

 protected:
  [[nodiscard]] IFuzzySet NewEmpty() const override;

 private:
  TFzyFloat FThreshold = 0.01;
};

// The fuzzy set a dtFuzzy value holds, or null for any other value.
[[nodiscard]] TIFuzzySet* FuzzySetOf(const TIEValue& value);

}  // namespace vettora
