#include "fuzzy/ie_fuzzy_set.h"

namespace vettora {

namespace {
bool IsNumber(const TIEValue& value) {
  return value.DType() == dtInteger || value.DType() == dtFloat;
}
}  // namespace

bool TIEFuzzySet::MatchesValue(const TIEValue& other) {
  if (IsNumber(other)) return Membership(other.AsNumeric()) > EffectiveThreshold();
  return TIFuzzySet::MatchesValue(other);
}

TFzyFloat TIEFuzzySet::CompatibilityIndex(const TIEValue& other) {
  if (IsNumber(other)) return Membership(other.AsNumeric());
  return TIFuzzySet::CompatibilityIndex(other);
}

IFuzzySet TIEFuzzySet::NewEmpty() const {
  IFuzzySet set = MakeRef<TIEFuzzySet>();
  set->SetThreshold(Threshold());
  return set;
}

}  // namespace vettora
