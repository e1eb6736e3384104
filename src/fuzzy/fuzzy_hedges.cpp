// The twenty hedges. Each modifies the set in place; the set is then named
// "<hedge> <old name>", the old name bracketed when it holds a blank.

#include <algorithm>
#include <cmath>

#include "fuzzy/fuzzy_set.h"
#include "fuzzy/fuzzy_words.h"
#include "fuzzy/ifuzzy_set.h"

namespace vettora {

namespace {

// Hedges that change memberships work on at least this many points, so a
// triangle keeps its shape's character after the change.
constexpr int kHedgePoints = 7;
// Points of the result of the widening hedges.
constexpr int kWidenPoints = 50;

enum THedgeEffect : uint8_t {
  heNot,
  hePower,
  heAbove,
  heBelow,
  heSlightly,
  heNormalize,
  heWiden,
  heIntensify
};

// What each hedge does, by hedge code, with its constant k.
struct THedgeRule {
  THedgeEffect Effect;
  TFzyFloat K;
};
constexpr THedgeRule kHedgeRules[kFuzzyHedgeCount] = {
    {heNot, 0},                     // not
    {hePower, 0.3333333333333333},  // somewhat
    {hePower, 0.5},                 // moreorless
    {hePower, 0.7},                 // greatly
    {hePower, 1.25},                // plus
    {hePower, 2.0},                 // very
    {hePower, 3.0},                 // extremely
    {heAbove, 0},                   // above
    {heBelow, 0},                   // below
    {heSlightly, 0},                // slightly
    {heNormalize, 0},               // normalize
    {heWiden, 2.0},                 // about
    {heWiden, 4.0},                 // vicinity
    {heWiden, 1.2},                 // close
    {heWiden, 1.2},                 // near
    {heWiden, 1.2},                 // neighboring
    {heIntensify, 2.0},             // positively
    {heIntensify, 2.0},             // absolutely
    {heIntensify, 2.0},             // definitely
    {heIntensify, 0.5},             // generally
};

}  // namespace

void TFuzzySet::ApplyHedge(TFuzzyHedge hedge) {
  if (unsigned(hedge) >= unsigned(kFuzzyHedgeCount)) return;
  TFuzzySetUpdate update(*this);
  ApplyHedgeEffect(hedge);
  SetName(std::string(HedgeWord(hedge)) + " " + QuotedName());
}

void TFuzzySet::ApplyHedgeEffect(TFuzzyHedge hedge) {
  const THedgeRule& rule = kHedgeRules[hedge];
  switch (rule.Effect) {
    case heNot:
      ApplyNot();
      break;
    case hePower:
      ApplyPower(rule.K);
      break;
    case heAbove:
      ApplyAbove(false);
      break;
    case heBelow:
      ApplyAbove(true);
      break;
    case heSlightly:
      ApplySlightly();
      break;
    case heNormalize:
      Normalize();
      break;
    case heWiden:
      ApplyWiden(rule.K);
      break;
    case heIntensify:
      ApplyIntensify(rule.K);
      break;
  }
}

void TFuzzySet::ApplyNot() {
  TFuzzyPoints points = FValues.Points();
  for (TFuzzySetValue& p : points) p.SetY(1 - p.Y());
  FValues.Replace(std::move(points));
}

// Inner memberships (strictly between 0 and 1) raised to the power k.
void TFuzzySet::ApplyPower(TFzyFloat k) {
  TFuzzyPoints points = DensifiedPoints(kHedgePoints);
  for (TFuzzySetValue& p : points)
    if (p.Y() > 0 && p.Y() < 1) p.SetY(std::pow(p.Y(), k));
  FValues.Replace(std::move(points));
}

// `above`: 0 up to the peak, 1 - Y after it. `below` mirrors it from the
// right. The peak is the last point reaching the running maximum, the scan
// stopping at the first full membership.
void TFuzzySet::ApplyAbove(bool below) {
  TFuzzyPoints points = FValues.Points();
  const size_t n = points.size();
  if (n == 0) return;
  auto at = [&](size_t step) -> TFuzzySetValue& { return points[below ? n - 1 - step : step]; };
  size_t peak = 0;
  TFzyFloat top = at(0).Y();
  for (size_t step = 0; step < n; ++step) {
    TFzyFloat y = at(step).Y();
    if (y >= top) {
      top = y;
      peak = step;
    }
    if (y >= 1 - kFuzzyTolerance) break;
  }
  for (size_t step = 0; step < n; ++step) at(step).SetY(step <= peak ? 0 : 1 - at(step).Y());
  FValues.Replace(std::move(points));
}

// slightly A = intensify2(normalize(plus A and not very A)).
void TFuzzySet::ApplySlightly() {
  TFuzzySet plus, notVery;
  plus.FValues.Replace(FValues.Points());
  notVery.FValues.Replace(FValues.Points());
  plus.ApplyPower(1.25);
  notVery.ApplyPower(2.0);
  notVery.ApplyNot();
  IFuzzySet both = plus.Intersection(notVery, foZadeh);
  FValues.Replace(static_cast<const TFuzzySet&>(*both).FValues.Points());
  Normalize();
  ApplyIntensify(2.0);
}

void TFuzzySet::ApplyIntensify(TFzyFloat k) {
  TFuzzyPoints points = DensifiedPoints(kHedgePoints);
  for (TFuzzySetValue& p : points) {
    TFzyFloat y = p.Y();
    if (k < 1 && y <= 0) continue;
    if (y >= 0.5)
      y = std::max(0.0, 1 - k * std::pow(std::max(0.0, 1 - y), k));
    else
      y = std::min(1.0, k * std::pow(y, k));
    p.SetY(y);
  }
  FValues.Replace(std::move(points));
}

// Spreads every point's membership over the universe with weight
// 1 / ((|dx| r)^k + 1), r being the set's share of the universe.
void TFuzzySet::ApplyWiden(TFzyFloat k) {
  TFuzzyPoints source = DensifiedPoints(kHedgePoints);
  TFzyFloat lo = UniverseLow(), hi = UniverseHigh();
  TFzyFloat width = source.empty() ? 0 : source.back().X() - source.front().X();
  TFzyFloat r = FuzzyEqual(width, 0) || !(hi - lo > 0) ? 0.2 : width / (hi - lo);
  TFuzzyPoints result;
  result.reserve(kWidenPoints);
  for (int j = 0; j < kWidenPoints; ++j)
    result.emplace_back(j == kWidenPoints - 1 ? hi : lo + j * (hi - lo) / (kWidenPoints - 1), 0);
  for (const TFuzzySetValue& s : source) {
    if (!(s.Y() > 0)) continue;
    for (TFuzzySetValue& p : result) {
      TFzyFloat w = 1 / (std::pow(std::fabs(p.X() - s.X()) * r, k) + 1);
      p.SetY(std::max(p.Y(), s.Y() * w));
    }
  }
  FValues.Replace(std::move(result));
  Normalize();
}

}  // namespace vettora
