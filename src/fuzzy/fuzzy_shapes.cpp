// The standard shapes of a fuzzy set and the default shape a set takes when
// its SetType changes. Each shape appends its points to the current ones.

#include <limits>

#include "fuzzy/fuzzy_error.h"
#include "fuzzy/fuzzy_set.h"
#include "fuzzy/fuzzy_variable.h"
#include "fuzzy/messages.h"
#include "values/format.h"

namespace vettora {

namespace {

void CheckRange(TFzyFloat left, TFzyFloat right) {
  if (left > right) throw EFuzzyError(FormatMessage(kFuzzyRangeError, {left, right}));
}

int AtLeast3(int n) { return n < 3 ? 3 : n; }

// The i-th of n evenly spaced X over [left, right]; the last is `right`
// exactly, so rounding never moves the end of a curve.
TFzyFloat SpacedX(TFzyFloat left, TFzyFloat right, int i, int n) {
  return i == n - 1 ? right : left + i * (right - left) / (n - 1);
}

// The S curve rising from 0 at `left` to 1 at `right`.
TFzyFloat SCurveY(TFzyFloat x, TFzyFloat left, TFzyFloat right) {
  if (x <= left) return 0;
  if (x <= (left + right) / 2) {
    TFzyFloat t = (x - left) / (right - left);
    return 2 * t * t;
  }
  if (x > right) return 1;
  TFzyFloat t = (x - right) / (right - left);
  return 1 - 2 * t * t;
}

TFzyFloat BetaY(TFzyFloat x, TFzyFloat weight, TFzyFloat width, TFzyFloat center) {
  if (weight == 0) return 1;
  TFzyFloat q = width != 0 ? (x - center) / width
                           : (x == center ? 0 : std::numeric_limits<TFzyFloat>::infinity());
  TFzyFloat denominator = 1 + weight * q * q;
  return denominator > 0 ? 1 / denominator : 0;
}

}  // namespace

void TFuzzySet::Triangle(TFzyFloat left, TFzyFloat peak, TFzyFloat right) {
  if (right < left) right = left;
  if (peak < left) peak = left;
  if (peak > right) peak = right;
  TFuzzySetUpdate update(*this);
  FValues.Add(left, 0);
  FValues.Add(peak, 1);
  FValues.Add(right, 0);
  FSetType = fstTriangle;
}

// Appends n >= 2 points of an S curve (or of the Z curve, 1 - S).
void TFuzzySet::AppendSCurve(TFzyFloat left, TFzyFloat right, int n, bool decline) {
  for (int i = 0; i < n; ++i) {
    TFzyFloat x = SpacedX(left, right, i, n);
    TFzyFloat y = SCurveY(x, left, right);
    FValues.Add(x, decline ? 1 - y : y);
  }
}

void TFuzzySet::GrowthCurve(TFzyFloat left, TFzyFloat right, int n) {
  CheckRange(left, right);
  TFuzzySetUpdate update(*this);
  AppendSCurve(left, right, AtLeast3(n), false);
  FSetType = fstGrowthCurve;
  FShapeParameter = (left + right) / 2;
}

void TFuzzySet::DeclineCurve(TFzyFloat left, TFzyFloat right, int n) {
  CheckRange(left, right);
  TFuzzySetUpdate update(*this);
  AppendSCurve(left, right, AtLeast3(n), true);
  FSetType = fstDeclineCurve;
  FShapeParameter = (left + right) / 2;
}

// An S half over [left, center] and a Z half over [center, right]; the
// centre, reached by both halves, is kept once.
void TFuzzySet::PICurve(TFzyFloat left, TFzyFloat right, TFzyFloat center, int n) {
  CheckRange(left, right);
  n = AtLeast3(n);
  if (center < left) center = left;
  if (center > right) center = right;
  int half = n / 2;
  TFuzzySetUpdate update(*this);
  int start = FValues.Count();
  AppendSCurve(left, center, half + 1, false);
  if (n % 2 == 0) FValues.Delete(FValues.Count() - 1);
  AppendSCurve(center, right, half + 1, true);
  if (FValues.Count() - start > n) FValues.Delete(start + half);
  FSetType = fstPICurve;
  FShapeParameter = (center + right) / 2;
}

void TFuzzySet::PICurveCentered(TFzyFloat center, TFzyFloat halfWidth, int n) {
  PICurve(center - halfWidth, center + halfWidth, center, n);
}

void TFuzzySet::BetaCurve(TFzyFloat weight, TFzyFloat width, TFzyFloat center, TFzyFloat halfRange,
                          int n) {
  TFzyFloat left = center - halfRange, right = center + halfRange;
  CheckRange(left, right);
  n = AtLeast3(n);
  TFuzzySetUpdate update(*this);
  for (int i = 0; i < n; ++i) {
    TFzyFloat x = SpacedX(left, right, i, n);
    FValues.Add(x, BetaY(x, weight, width, center));
  }
  FSetType = fstBetaCurve;
  FShapeParameter = width;
}

// The default of each shape over the universe [lo, hi] of span s.
void TFuzzySet::DefaultShape() {
  TFzyFloat lo = UniverseLow(), s = UniverseHigh() - lo;
  int n = FVariable ? FVariable->NumFunctionValues() : 7;
  switch (FSetType) {
    case fstDeclineCurve:
      DeclineCurve(lo + s / 3, lo + 2 * s / 3, n);
      break;
    case fstGrowthCurve:
      GrowthCurve(lo + s / 3, lo + 2 * s / 3, n);
      break;
    case fstTriangle:
      Triangle(lo + s / 6, lo + s / 2, lo + 5 * s / 6);
      break;
    case fstPICurve:
      PICurveCentered(lo + s / 2, s / 3, n);
      break;
    case fstBetaCurve:
      BetaCurve(s / 12, lo + s / 2, s / 3, n);
      break;
    default:
      break;
  }
}

}  // namespace vettora
