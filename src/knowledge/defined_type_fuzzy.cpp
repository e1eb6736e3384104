// The fuzzy side of a defined type: the fuzzy variable of a fuzzy type, kept
// in step with the type's range and units, and the fuzzy values the type
// accepts and proposes.
#include "fuzzy/ie_fuzzy_variable.h"
#include "fuzzy/ifuzzy_set.h"
#include "knowledge/defined_type.h"

namespace vettora {

void TIEDefinedType::AdoptFuzzyVariable(const IFuzzyVariable& variable) {
  FFuzzyVariable = variable;
  if (variable) variable->SetParser(FReasoner ? FReasoner->FuzzyParser() : nullptr);
}

void TIEDefinedType::CreateFuzzyVariable() {
  IFuzzyVariable variable = MakeRef<TIEFuzzyVariable>(FName);
  if (FRangeLimited) {
    // Minimum first: the variable drags its maximum up when needed, and the
    // type's own bounds are in order.
    variable->SetMinimum(FMinRange);
    variable->SetMaximum(FMaxRange);
  }
  variable->SetUnits(FUnits);
  AdoptFuzzyVariable(variable);
}

void TIEDefinedType::DropFuzzyVariable() { FFuzzyVariable = nullptr; }

void TIEDefinedType::SetFuzzyVariable(const IFuzzyVariable& variable) {
  if (FFuzzyVariable == variable) return;
  if (!variable) {
    FFuzzyVariable->SetParser(nullptr);
    FFuzzyVariable = nullptr;
    Changed();
    return;
  }
  FBaseTypes = TIETypes{dtFuzzy};
  FMinRange = variable->Minimum();
  FMaxRange = variable->Maximum();
  FUnits = variable->Units();
  AdoptFuzzyVariable(variable);
  Changed();
}

void TIEDefinedType::CopyFuzzyVariableFrom(const TIEDefinedType& source) {
  DropFuzzyVariable();
  if (source.FFuzzyVariable) AdoptFuzzyVariable(source.FFuzzyVariable->Clone());
}

void TIEDefinedType::PassMinRangeToFuzzy() {
  if (FFuzzyVariable) FFuzzyVariable->SetMinimum(FMinRange);
}

void TIEDefinedType::PassMaxRangeToFuzzy() {
  if (FFuzzyVariable) FFuzzyVariable->SetMaximum(FMaxRange);
}

void TIEDefinedType::PassUnitsToFuzzy() {
  if (FFuzzyVariable) FFuzzyVariable->SetUnits(FUnits);
}

bool TIEDefinedType::IsOwnFuzzyValue(const TIEValue& value) const {
  const TIFuzzySet* set = FuzzySetOf(value);
  return set && FFuzzyVariable && set->Variable() == FFuzzyVariable.Get();
}

IIEValue TIEDefinedType::EmptyFuzzyTerm() const {
  IFuzzySet term = FFuzzyVariable->EmptyTerm();
  return MakeRef<TIEValue>(IFuzzySetBase(term));
}

}  // namespace vettora
