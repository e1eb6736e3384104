#include "fuzzy/fuzzy_set.h"

#include <algorithm>
#include <utility>

#include "fuzzy/fuzzy_error.h"
#include "fuzzy/fuzzy_variable.h"
#include "fuzzy/fuzzy_walk.h"
#include "fuzzy/ifuzzy_set.h"
#include "fuzzy/messages.h"
#include "values/format.h"

namespace vettora {

namespace {
// The universe of a set without a variable.
constexpr TFzyFloat kFreeUpper = 2147483647.0;
constexpr TFzyFloat kFreeLower = -2147483647.0;
}  // namespace

std::string BracketedFuzzyName(const std::string& name) {
  return name.find(' ') == std::string::npos ? name : "[" + name + "]";
}

TFuzzySet::TFuzzySet() : FValues(this) {}

TFuzzySet::TFuzzySet(std::string name) : FName(std::move(name)), FValues(this) {}

TFuzzySet::~TFuzzySet() = default;

void TFuzzySet::Assign(const TFuzzySet& source) {
  if (&source == this) return;
  TFuzzySetUpdate update(*this);
  if (!FIsTerm) AttachTo(source.FVariable);
  SetName(source.FName);
  FSetType = source.FSetType;
  FShapeParameter = source.FShapeParameter;
  FPrinter = source.FPrinter;
  FValues.Assign(source.FValues);
}

void TFuzzySet::SetName(const std::string& name) {
  if (name == FName) return;
  if (FIsTerm) CheckFuzzyTermName(name);
  std::string oldName = std::exchange(FName, name);
  if (FIsTerm && FVariable) FVariable->TermRenamed(*this, oldName);
  Changed();
}

void TFuzzySet::SetSetType(TFuzzySetType type) {
  if (type == FSetType) return;
  TFuzzySetUpdate update(*this);
  FSetType = type;
  if (type != fstUserDefined) {
    FValues.Clear();
    DefaultShape();
  }
  Changed();
}

void TFuzzySet::SetVariable(TIFuzzyVariable* variable) {
  if (variable == FVariable) return;
  if (FIsTerm && FVariable) {
    // The old variable's list may hold the only reference to this set.
    Ref<TFuzzySetBase> keep(dynamic_cast<TFuzzySetBase*>(this));
    FVariable->RemoveTerm(*this);
    AttachTo(variable);
    return;
  }
  AttachTo(variable);
}

void TFuzzySet::AttachTo(TIFuzzyVariable* variable) {
  Ref<TFuzzyVariableBase> hold(variable);  // taken before the old one goes
  FVariable = variable;
  FIsTerm = false;
  FVariableHold = std::move(hold);
}

void TFuzzySet::LinkAsTerm(TIFuzzyVariable* variable) {
  FVariable = variable;
  FIsTerm = true;
  FVariableHold = nullptr;
}

void TFuzzySet::UnlinkFromDyingVariable() {
  FVariable = nullptr;
  FIsTerm = false;
}

TFzyFloat TFuzzySet::GetXRange(int index) const {
  if (index == 0) return FVariable ? FVariable->Maximum() : kFreeUpper;
  if (index == 1) return FVariable ? FVariable->Minimum() : kFreeLower;
  throw EFuzzyError(FormatMessage(kFuzzyXRangeIndex, {index}));
}

TFzyFloat TFuzzySet::ClampX(TFzyFloat x) const {
  if (!FVariable) return x;
  if (x < FVariable->Minimum()) return FVariable->Minimum();
  if (x > FVariable->Maximum()) return FVariable->Maximum();
  return x;
}

TFzyFloat TFuzzySet::Membership(TFzyFloat x) const { return MembershipAt(FValues.Points(), x); }

std::vector<TFuzzySetValue> TFuzzySet::DensifiedPoints(int n) const {
  const TFuzzyPoints& p = FValues.Points();
  if (n < 2 || p.size() >= size_t(n)) return p;
  int missing = n - int(p.size());
  int segments = 0;
  for (size_t i = 0; i + 1 < p.size(); ++i)
    if (p[i + 1].X() - p[i].X() > kFuzzyTolerance) ++segments;
  TFuzzyPoints out;
  out.reserve(size_t(n));
  for (size_t i = 0; i < p.size(); ++i) {
    out.push_back(p[i]);
    if (i + 1 == p.size() || missing <= 0) continue;
    TFzyFloat width = p[i + 1].X() - p[i].X();
    if (width <= kFuzzyTolerance) continue;
    int k = (missing + segments - 1) / segments;  // ceil(missing / segments)
    for (int m = 1; m <= k; ++m) {
      TFzyFloat t = TFzyFloat(m) / (k + 1);
      out.emplace_back(p[i].X() + width * t, p[i].Y() + (p[i + 1].Y() - p[i].Y()) * t);
    }
    missing -= k;
    --segments;
  }
  return out;
}

void TFuzzySet::Densify(int n) {
  if (n < 2 || FValues.Count() >= n) return;
  FValues.Replace(DensifiedPoints(n));
}

void TFuzzySet::EndUpdate(bool notify) {
  if (FUpdateCount > 0) --FUpdateCount;
  if (FUpdateCount > 0 || !FUpdateChanged) return;
  FUpdateChanged = false;
  if (notify && FIsTerm && FVariable) FVariable->TermChanged(*this);
}

void TFuzzySet::Changed() {
  if (FUpdateCount > 0) {
    FUpdateChanged = true;
    return;
  }
  if (FIsTerm && FVariable) FVariable->TermChanged(*this);
}

void TFuzzySet::Normalize() {
  if (FValues.Empty()) return;
  TFzyFloat top = MaximumY();
  if (!(top > 0)) return;
  TFuzzyPoints points = FValues.Points();
  for (TFuzzySetValue& p : points) p.SetY(p.Y() / top);
  FValues.Replace(std::move(points));
}

TFzyFloat TFuzzySet::MaximumY() const {
  if (FValues.Empty()) throw EFuzzyError(FormatMessage(kFuzzySetEmpty, {kFuzzyGetMaximumY}));
  TFzyFloat best = FValues.First().Y();
  for (const TFuzzySetValue& p : FValues) best = std::max(best, p.Y());
  return best;
}

TFzyFloat TFuzzySet::MinimumY() const {
  if (FValues.Empty()) throw EFuzzyError(FormatMessage(kFuzzySetEmpty, {kFuzzyGetMinimumY}));
  TFzyFloat least = FValues.First().Y();
  for (const TFuzzySetValue& p : FValues) least = std::min(least, p.Y());
  return least;
}

std::string TFuzzySet::PrintValues() const {
  std::string text = "(";
  for (const TFuzzySetValue& p : FValues) {
    text += '(';
    text += FormatFloat4(p.X());
    text += ' ';
    text += FormatFloat4(p.Y());
    text += ") ";
  }
  text += ')';
  return text;
}

std::string TFuzzySet::Print() const {
  if (FPrinter) return FPrinter(*this);
  std::string values = PrintValues();  // "(" + points + ")"
  return "(" + FName + " " + values.substr(1);
}

std::string TFuzzySet::QuotedName() const { return BracketedFuzzyName(FName); }

IFuzzySet TFuzzySet::NewEmpty() const { return MakeRef<TIFuzzySet>(); }

IFuzzySet TFuzzySet::NewDerivedSet(const TFuzzySet* fallback) const {
  IFuzzySet set = NewEmpty();
  TIFuzzyVariable* variable = FVariable ? FVariable : (fallback ? fallback->FVariable : nullptr);
  static_cast<TFuzzySet&>(*set).AttachTo(variable);
  return set;
}

}  // namespace vettora
