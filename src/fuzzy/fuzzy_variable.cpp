#include "fuzzy/fuzzy_variable.h"

#include <algorithm>
#include <cmath>

#include "fuzzy/fuzzy_error.h"
#include "fuzzy/fuzzy_words.h"
#include "fuzzy/messages.h"
#include "values/format.h"
#include "values/singletons_vector.h"

namespace vettora {

void CheckFuzzyTermName(const std::string& name) {
  if (IsReservedFuzzyWord(name)) throw EFuzzyError(FormatMessage(kFuzzyReservedName, {name}));
}

TIFuzzyVariable::TIFuzzyVariable(std::string name) : FName(std::move(name)) {}

TIFuzzyVariable::~TIFuzzyVariable() {
  // Terms held elsewhere outlive the variable; they become free-standing.
  for (const IFuzzySet& term : FItems) static_cast<TFuzzySet&>(*term).UnlinkFromDyingVariable();
}

void TIFuzzyVariable::Assign(const TIFuzzyVariable& source) {
  if (&source == this) return;
  FName = source.FName;
  FUnits = source.FUnits;
  FMinimum = source.FMinimum;
  FMaximum = source.FMaximum;
  FNumFunctionValues = source.FNumFunctionValues;
  FDefuzzificationMethod = source.FDefuzzificationMethod;
  FThreshold = source.FThreshold;
  FParser = source.FParser;
  FTag = source.FTag;
  ClearTerms();
  for (const IFuzzySet& term : source.FItems) {
    IFuzzySet copy = NewTerm();
    copy->Assign(*term);
    AddTerm(copy);
  }
  VariableChanged();
}

IFuzzyVariable TIFuzzyVariable::Clone() const {
  IFuzzyVariable copy = MakeRef<TIFuzzyVariable>();
  copy->Assign(*this);
  return copy;
}

void TIFuzzyVariable::SetMinimum(TFzyFloat value) {
  if (std::isnan(value) || value == FMinimum) return;
  FMinimum = value;
  if (FMaximum < value) FMaximum = value;
  VariableChanged();
}

void TIFuzzyVariable::SetMaximum(TFzyFloat value) {
  if (std::isnan(value) || value == FMaximum) return;
  FMaximum = value;
  if (FMinimum > value) FMinimum = value;
  VariableChanged();
}

void TIFuzzyVariable::SetNumFunctionValues(int32_t value) {
  if (value == FNumFunctionValues) return;
  FNumFunctionValues = value;
  VariableChanged();
}

void TIFuzzyVariable::SetThreshold(TFzyFloat value) {
  FThreshold = value >= 0 ? std::min(value, 1.0) : 0;
}

IFuzzySet TIFuzzyVariable::NewTerm() const { return MakeRef<TIFuzzySet>(); }

IFuzzySet TIFuzzyVariable::AddTerm(const std::string& name) {
  CheckFuzzyTermName(name);
  IFuzzySet term = NewTerm();
  static_cast<TFuzzySet&>(*term).FName = name;
  AddTerm(term);
  return term;
}

void TIFuzzyVariable::AddTerm(const IFuzzySet& set) {
  if (!set) return;
  CheckFuzzyTermName(set->Name());
  if (set->IsTerm()) {
    if (set->Variable() == this && FItems.IndexOf(set.Get()) >= 0) return;
    if (set->Variable()) set->Variable()->RemoveTerm(*set);
  }
  static_cast<TFuzzySet&>(*set).LinkAsTerm(this);
  if (IFuzzySet replaced = FItems.Add(set)) Unlink(replaced);
  TermChanged(*set);
}

void TIFuzzyVariable::RemoveTerm(const TFuzzySet& set) {
  int32_t i = FItems.IndexOf(&set);
  if (i < 0) return;
  Unlink(FItems.Delete(i));
  if (FOnChange) FOnChange(*this);
}

void TIFuzzyVariable::ClearTerms() {
  TIFuzzySets old;
  std::swap(old, FItems);
  for (const IFuzzySet& term : old) Unlink(term);
}

// A term that leaves the list stays attached to this variable as an
// ordinary set, so it keeps its universe.
void TIFuzzyVariable::Unlink(const IFuzzySet& set) {
  if (set && set->Variable() == this) static_cast<TFuzzySet&>(*set).AttachTo(this);
}

IFuzzySet TIFuzzyVariable::EmptyTerm() {
  if (IFuzzySet term = FindTerm(kEmptyTermName)) return term;
  return AddTerm(kEmptyTermName);
}

void TIFuzzyVariable::AddAutoTerms() {
  if (!FindTerm(kAutoTermLow)) {
    IFuzzySet low = AddTerm(kAutoTermLow);
    TFuzzySetUpdate update(*low);
    low->Values().Add(FMinimum, 1);
    low->Values().Add(FMaximum, 0);
  }
  if (!FindTerm(kAutoTermMedium))
    AddTerm(kAutoTermMedium)->Triangle(FMinimum, FMinimum + (FMaximum - FMinimum) / 2, FMaximum);
  if (!FindTerm(kAutoTermHigh)) {
    IFuzzySet high = AddTerm(kAutoTermHigh);
    TFuzzySetUpdate update(*high);
    high->Values().Add(FMinimum, 0);
    high->Values().Add(FMaximum, 1);
  }
}

TFzyFloat TIFuzzyVariable::Defuzzify(TFuzzySet& set) const {
  return FDefuzzificationMethod == dmMeanOfMaxima ? set.MaximumDefuzzify() : set.MomentDefuzzify();
}

std::string TIFuzzyVariable::SingletonsText(const TSingletonsVector& singletons) const {
  if (singletons.Count() == 0) return "";
  std::string text = "(";
  for (int32_t i = 0; i < singletons.Count(); ++i) {
    text += '(';
    if (singletons.X(i)) text += singletons.X(i)->AsText();
    text += ' ';
    if (singletons.Y(i)) text += singletons.Y(i)->AsText();
    text += ") ";
  }
  text += ')';
  return text;
}

void TIFuzzyVariable::TermChanged(TFuzzySet& set) {
  if (FOnFuzzySetChange) FOnFuzzySetChange(*this, set);
  if (FOnChange) FOnChange(*this);
}

void TIFuzzyVariable::TermRenamed(TFuzzySet& set, const std::string& oldName) {
  if (IFuzzySet displaced = FItems.Rename(set, oldName)) Unlink(displaced);
}

void TIFuzzyVariable::VariableChanged() {
  if (FOnVariableChange) FOnVariableChange(*this);
  if (FOnChange) FOnChange(*this);
}

}  // namespace vettora
