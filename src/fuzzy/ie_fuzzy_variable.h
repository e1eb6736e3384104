#pragma once
// TIEFuzzyVariable: the engine's fuzzy variable. Its terms are engine fuzzy
// sets, which also compare with plain numbers.

#include "fuzzy/fuzzy_variable.h"
#include "fuzzy/ie_fuzzy_set.h"

namespace vettora {

class TIEFuzzyVariable : public TIFuzzyVariable {
 public:
  using TIFuzzyVariable::TIFuzzyVariable;

  [[nodiscard]] IFuzzyVariable Clone() const override {
    IFuzzyVariable copy = MakeRef<TIEFuzzyVariable>();
    copy->Assign(*this);
    return copy;
  }

 protected:
  [[nodiscard]] IFuzzySet NewTerm() const override { return MakeRef<TIEFuzzySet>(); }
};

}  // namespace vettora
