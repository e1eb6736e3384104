#include "fuzzy/ifuzzy_set.h"

#include <algorithm>

#include "fuzzy/fuzzy_variable.h"
#include "fuzzy/fuzzy_walk.h"

namespace vettora {

TIFuzzySet* FuzzySetOf(const TIEValue& value) {
  if (value.DType() != dtFuzzy) return nullptr;
  return dynamic_cast<TIFuzzySet*>(value.AsFuzzy().Get());
}

void TIFuzzySet::Assign(const TFuzzySet& source) {
  TFuzzySet::Assign(source);
  if (auto counted = dynamic_cast<const TIFuzzySet*>(&source)) FThreshold = counted->FThreshold;
}

IFuzzySet TIFuzzySet::Clone() const {
  IFuzzySet copy = NewEmpty();
  copy->Assign(*this);
  return copy;
}

void TIFuzzySet::SetThreshold(TFzyFloat value) {
  FThreshold = value >= 0 ? std::min(value, 1.0) : 0;
}

TFzyFloat TIFuzzySet::EffectiveThreshold() const {
  return Variable() ? Variable()->Threshold() : FThreshold;
}

double TIFuzzySet::DefuzzifiedValue() {
  return Variable() ? Variable()->Defuzzify(*this) : MomentDefuzzify();
}

bool TIFuzzySet::MatchesValue(const TIEValue& other) {
  TIFuzzySet* set = FuzzySetOf(other);
  if (!set) return false;
  TFzyFloat threshold = EffectiveThreshold();
  bool found = false;
  WalkFuzzyPair(Values().Points(), set->Values().Points(),
                [&](TFzyFloat, TFzyFloat a, TFzyFloat b) {
                  found = std::min(a, b) >= threshold;
                  return !found;
                });
  return found;
}

TFzyFloat TIFuzzySet::CompatibilityIndex(const TIEValue& other) {
  TIFuzzySet* set = FuzzySetOf(other);
  if (!set) return 0;
  TFzyFloat best = 0;
  WalkFuzzyPair(Values().Points(), set->Values().Points(),
                [&](TFzyFloat, TFzyFloat a, TFzyFloat b) {
                  best = std::max(best, std::min(a, b));
                  return true;
                });
  return best;
}

IFuzzySet TIFuzzySet::NewEmpty() const {
  IFuzzySet set = MakeRef<TIFuzzySet>();
  set->FThreshold = FThreshold;
  return set;
}

}  // namespace vettora
