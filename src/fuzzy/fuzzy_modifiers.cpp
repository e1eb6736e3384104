// The arithmetic modifiers: "+", "-", "*", "/", "^", "<", "<=", ">", ">="
// applied with one number to every Y, or to every X for the "X" forms.

#include <algorithm>
#include <cmath>

#include "fuzzy/fuzzy_set.h"
#include "fuzzy/fuzzy_words.h"
#include "fuzzy/messages.h"
#include "values/exceptions.h"
#include "values/format.h"

namespace vettora {

namespace {

TFzyFloat Modify(TFuzzyArithmetic op, bool onX, TFzyFloat v, TFzyFloat x) {
  switch (op) {
    case faPlus:
      return v + x;
    case faMinus:
      return v - x;
    case faTimes:
      return v * x;
    case faDivide:
      return v * (1 / x);
    case faPower:
      // On Y only inner memberships change; on X only positive values.
      if (v > 0 && (onX || v < 1)) return std::pow(v, x);
      return v;
    case faLess:
      return v < x ? x : v;
    case faLessEqual:
      return v <= x ? x : v;
    case faGreater:
      return v > x ? x : v;
    case faGreaterEqual:
      return v >= x ? x : v;
  }
  return v;
}

}  // namespace

void TFuzzySet::ApplyOperator(TFuzzyArithmetic op, bool onX, TFzyFloat x) {
  if (unsigned(op) >= unsigned(kFuzzyArithmeticCount)) return;
  if (op == faDivide && x == 0) throw EZeroDivide(kFuzzyDivisionByZero);
  TFuzzySetUpdate update(*this);
  TFuzzyPoints points = FValues.Points();
  for (TFuzzySetValue& p : points) {
    if (onX)
      p.SetX(Modify(op, true, p.X(), x));
    else
      p.SetY(Modify(op, false, p.Y(), x));
  }
  // A negative factor turns the X order round; membership needs it ascending.
  if (onX)
    std::stable_sort(
        points.begin(), points.end(),
        [](const TFuzzySetValue& a, const TFuzzySetValue& b) { return a.X() < b.X(); });
  FValues.Replace(std::move(points));
  SetName(QuotedName() + " " + ArithmeticText(op, onX) + " " + FormatFloat4(x));
}

}  // namespace vettora
