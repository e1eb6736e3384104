#pragma once
// TFuzzySet: a piecewise-linear membership function over the universe of
// discourse of one fuzzy variable, given by its ordered points.
//
// A set is either a term of a fuzzy variable (the variable holds it and the
// set keeps a plain back pointer), attached to a variable without being a
// term (the set then holds a counted reference to the variable, so the
// universe outlives every derived set), or free-standing. A free-standing
// set's universe is [-2147483647, 2147483647].
//
// Changes made inside one update bracket reach the variable once; every
// operation below opens its own bracket.

#include <exception>
#include <functional>
#include <string>
#include <vector>

#include "fuzzy/fuzzy_set_value.h"
#include "fuzzy/fuzzy_types.h"
#include "values/counted.h"
#include "values/value_links.h"

namespace vettora {

class TIFuzzySet;
class TIFuzzyVariable;
using IFuzzySet = Ref<TIFuzzySet>;

class TFuzzySet {
 public:
  // A printer that replaces the set's own printed form when attached.
  using TPrinter = std::function<std::string(const TFuzzySet&)>;

  TFuzzySet();
  explicit TFuzzySet(std::string name);
  virtual ~TFuzzySet();
  TFuzzySet(const TFuzzySet&) = delete;
  TFuzzySet& operator=(const TFuzzySet&) = delete;

  // Copies name, shape, points, shape parameter and printer; the copy is
  // attached to the source's variable but is never a term.
  virtual void Assign(const TFuzzySet& source);

  [[nodiscard]] const std::string& Name() const { return FName; }
  // A term may not take a reserved word (hedge, operator) as its name:
  // "Invalid fuzzy set name, \"%s\" is a reserved word".
  void SetName(const std::string& name);

  [[nodiscard]] TFuzzySetType SetType() const { return FSetType; }
  // Any shape other than fstUserDefined replaces the points by that
  // shape's default over the universe.
  void SetSetType(TFuzzySetType type);

  [[nodiscard]] const TFuzzySetValues& Values() const { return FValues; }
  [[nodiscard]] TFuzzySetValues& Values() { return FValues; }
  [[nodiscard]] TFzyFloat ShapeParameter() const { return FShapeParameter; }
  void SetShapeParameter(TFzyFloat value) { FShapeParameter = value; }

  [[nodiscard]] TIFuzzyVariable* Variable() const { return FVariable; }
  // Attaches the set to `variable` (or detaches it with null). A term is
  // first removed from its old variable's terms.
  void SetVariable(TIFuzzyVariable* variable);
  [[nodiscard]] bool IsTerm() const { return FIsTerm; }

  [[nodiscard]] const TPrinter& Printer() const { return FPrinter; }
  void SetPrinter(TPrinter printer) { FPrinter = std::move(printer); }

  // Index 0 is the upper bound of the universe, index 1 the lower one;
  // any other index raises "Invalid index argument to GetXRange...".
  [[nodiscard]] TFzyFloat GetXRange(int index) const;
  [[nodiscard]] TFzyFloat UniverseLow() const { return GetXRange(1); }
  [[nodiscard]] TFzyFloat UniverseHigh() const { return GetXRange(0); }
  // X clamped into the universe when the set has a variable.
  [[nodiscard]] TFzyFloat ClampX(TFzyFloat x) const;

  // The membership at x (0 for an empty set).
  [[nodiscard]] TFzyFloat Membership(TFzyFloat x) const;
  // Inserts evenly spaced points until the set has n points.
  void Densify(int n);

  void BeginUpdate() { ++FUpdateCount; }
  // Closing the outermost bracket after a change tells the variable (when
  // the set is one of its terms); with `notify` false it only closes.
  void EndUpdate(bool notify = true);

  // Shapes: each appends its points to the current ones. A left bound
  // greater than the right one raises "Invalid range arguments...".
  void Triangle(TFzyFloat left, TFzyFloat peak, TFzyFloat right);
  void GrowthCurve(TFzyFloat left, TFzyFloat right, int n);
  void DeclineCurve(TFzyFloat left, TFzyFloat right, int n);
  void PICurve(TFzyFloat left, TFzyFloat right, TFzyFloat center, int n);
  void PICurveCentered(TFzyFloat center, TFzyFloat halfWidth, int n);
  void BetaCurve(TFzyFloat weight, TFzyFloat width, TFzyFloat center, TFzyFloat halfRange, int n);
  void BetaCurve(TFzyFloat width, TFzyFloat center, TFzyFloat halfRange, int n) {
    BetaCurve(1.0, width, center, halfRange, n);
  }

  // Modifies the set in place and renames it "<hedge> <old name>".
  void ApplyHedge(TFuzzyHedge hedge);
  // Applies an arithmetic modifier with the number x to every Y (or every
  // X) and renames the set "<old name> <op> <x>".
  void ApplyOperator(TFuzzyArithmetic op, bool onX, TFzyFloat x);

  // New sets combining this one with `other` at every X of both and at
  // every crossing. Intersection with foSum raises "Invalid fuzzy
  // operation: foSum".
  [[nodiscard]] IFuzzySet Union(const TFuzzySet& other, TFuzzyOperation op) const;
  [[nodiscard]] IFuzzySet Intersection(const TFuzzySet& other, TFuzzyOperation op) const;

  // Divides every Y by the maximum Y (no change when it is 0).
  void Normalize();
  // Raise "Invalid operation: ...  Fuzzy set is empty" on an empty set.
  [[nodiscard]] TFzyFloat MaximumY() const;
  [[nodiscard]] TFzyFloat MinimumY() const;

  // Centre of gravity and mean of maxima. Both remember a membership:
  // the set's membership at the result, or the maximum membership.
  TFzyFloat MomentDefuzzify();
  TFzyFloat MaximumDefuzzify();
  [[nodiscard]] TFzyFloat DefuzzifyMembership() const { return FDefuzzifyMembership; }

  // A new set keeping the memberships that pass the cut, the others 0,
  // named "<name> (alpha=<alpha>)".
  [[nodiscard]] IFuzzySet AlphaCut(TAlphaCutKind kind, TFzyFloat alpha) const;

  // "(name (x y) (x y) )" and "((x y) (x y) )".
  [[nodiscard]] std::string Print() const;
  [[nodiscard]] std::string PrintValues() const;

  // The name as it appears inside a derived name: bracketed when it holds
  // a blank.
  [[nodiscard]] std::string QuotedName() const;

 protected:
  // A new, empty, free-standing set of this set's family.
  [[nodiscard]] virtual IFuzzySet NewEmpty() const;
  // NewEmpty attached to this set's variable (or to `fallback`'s when this
  // one has none).
  [[nodiscard]] IFuzzySet NewDerivedSet(const TFuzzySet* fallback = nullptr) const;

 private:
  friend class TFuzzySetValues;
  friend class TIFuzzyVariable;
  friend class TFuzzySetUpdate;

  void Changed();
  // Links used by the variable that holds this set as a term.
  void LinkAsTerm(TIFuzzyVariable* variable);
  void UnlinkFromDyingVariable();
  void AttachTo(TIFuzzyVariable* variable);

  void DefaultShape();
  void AppendSCurve(TFzyFloat left, TFzyFloat right, int n, bool decline);
  void ApplyNot();
  void ApplyPower(TFzyFloat k);
  void ApplyAbove(bool below);
  void ApplySlightly();
  void ApplyIntensify(TFzyFloat k);
  void ApplyWiden(TFzyFloat k);
  void ApplyHedgeEffect(TFuzzyHedge hedge);
  [[nodiscard]] IFuzzySet Combine(const TFuzzySet& other, TFuzzyOperation op, bool isUnion) const;
  [[nodiscard]] TFzyFloat MomentOf() const;
  std::vector<TFuzzySetValue> DensifiedPoints(int n) const;

  std::string FName;
  TFuzzySetType FSetType = fstUserDefined;
  TFuzzySetValues FValues;
  TFzyFloat FShapeParameter = 0;
  TFzyFloat FDefuzzifyMembership = 0;
  TIFuzzyVariable* FVariable = nullptr;
  Ref<TFuzzyVariableBase> FVariableHold;  // held only when not a term
  bool FIsTerm = false;
  int FUpdateCount = 0;
  bool FUpdateChanged = false;
  TPrinter FPrinter;
};

// Keeps a set's update bracket open for one scope, closing it on error too.
class TFuzzySetUpdate {
 public:
  explicit TFuzzySetUpdate(TFuzzySet& set) : FSet(set), FExceptions(std::uncaught_exceptions()) {
    FSet.BeginUpdate();
  }
  // While an error unwinds, the bracket closes without telling anyone, so a
  // change handler cannot raise a second error during unwinding.
  ~TFuzzySetUpdate() noexcept(false) { FSet.EndUpdate(std::uncaught_exceptions() == FExceptions); }
  TFuzzySetUpdate(const TFuzzySetUpdate&) = delete;
  TFuzzySetUpdate& operator=(const TFuzzySetUpdate&) = delete;

 private:
  TFuzzySet& FSet;
  int FExceptions;
};

// "[name]" when the name contains a blank, else the name itself.
[[nodiscard]] std::string BracketedFuzzyName(const std::string& name);

}  // namespace vettora
