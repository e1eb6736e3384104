// Defuzzification: centre of gravity (moment) and mean of maxima. Each
// remembers a membership with the set, which tells whether the result is
// decidable (a remembered 0 is undecidable).

#include <cmath>

#include "fuzzy/fuzzy_set.h"
#include "fuzzy/fuzzy_walk.h"

namespace vettora {

namespace {

// Area and moment (area times centroid) of the region under one segment.
struct TMoment {
  TFzyFloat Area = 0;
  TFzyFloat Moment = 0;
  void Add(TFzyFloat area, TFzyFloat centroid) {
    Area += area;
    Moment += area * centroid;
  }
};

void AddSegment(TMoment& m, const TFuzzySetValue& p1, const TFuzzySetValue& p2) {
  TFzyFloat x1 = p1.X(), y1 = p1.Y(), d = p2.X() - x1, y2 = p2.Y();
  if (FuzzyEqual(d, 0) || (FuzzyEqual(y1, 0) && FuzzyEqual(y2, 0))) return;
  if (FuzzyEqual(y1, y2)) return m.Add(d * y1, x1 + d / 2);
  if (FuzzyEqual(y1, 0)) return m.Add(d * std::fabs(y2 - y1) / 2, x1 + 2 * d / 3);
  if (FuzzyEqual(y2, 0)) return m.Add(d * std::fabs(y2 - y1) / 2, x1 + d / 3);
  m.Add(d * (y1 + y2) / 2, x1 + (2.0 / 3.0) * d * (y1 / 2 + y2) / (y1 + y2));
}

}  // namespace

// The tails of the membership beyond the first and last points count as
// rectangles up to the ends of the universe.
TFzyFloat TFuzzySet::MomentOf() const {
  const TFuzzyPoints& p = FValues.Points();
  TFzyFloat lo = UniverseLow(), hi = UniverseHigh();
  if (p.size() == 1 || FuzzyEqual(p.front().X(), p.back().X())) return lo + (hi - lo) / 2;
  TMoment m;
  const TFuzzySetValue& first = p.front();
  const TFuzzySetValue& last = p.back();
  if (first.Y() > 0 && !FuzzyEqual(first.X(), lo))
    m.Add((first.X() - lo) * first.Y(), (lo + first.X()) / 2);
  for (size_t i = 0; i + 1 < p.size(); ++i) AddSegment(m, p[i], p[i + 1]);
  if (last.Y() > 0 && !FuzzyEqual(last.X(), hi))
    m.Add((hi - last.X()) * last.Y(), (hi + last.X()) / 2);
  return m.Area == 0 ? 0 : m.Moment / m.Area;
}

TFzyFloat TFuzzySet::MomentDefuzzify() {
  if (FValues.Empty()) {
    FDefuzzifyMembership = 0;
    return 0;
  }
  TFzyFloat result = MomentOf();
  FDefuzzifyMembership = Membership(result);
  return result;
}

TFzyFloat TFuzzySet::MaximumDefuzzify() {
  if (FValues.Empty()) {
    FDefuzzifyMembership = 0;
    return 0;
  }
  TFzyFloat top = FValues.First().Y(), sum = 0;
  int count = 0;
  for (const TFuzzySetValue& p : FValues) {
    if (FuzzyEqual(p.Y(), top)) {
      sum += p.X();
      ++count;
    } else if (p.Y() > top) {
      top = p.Y();
      sum = p.X();
      count = 1;
    }
  }
  FDefuzzifyMembership = top;
  return sum / count;
}

}  // namespace vettora
