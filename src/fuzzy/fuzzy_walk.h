#pragma once
// The walks shared by membership, union, intersection and matching.
//
// Membership at x: an empty set gives 0; left of the first point the first
// Y, right of the last point the last Y; at the X of a run of points (X
// equal within the tolerance) the highest Y of the run; otherwise linear
// interpolation between the two neighbours.
//
// The pair walk visits, in increasing X, every X of two sets (runs of X
// equal within the tolerance taken once) and every X where the two
// piecewise-linear functions cross, with both memberships there. It runs in
// time linear in the points of both sets.

#include <algorithm>
#include <cstddef>
#include <vector>

#include "fuzzy/fuzzy_set_value.h"

namespace vettora {

// Membership at x, given lo = the first index whose X is not below
// x - tolerance.
[[nodiscard]] inline TFzyFloat MembershipFrom(const TFuzzyPoints& p, size_t lo, TFzyFloat x) {
  const size_t n = p.size();
  if (n == 0) return 0;
  if (lo < n && p[lo].X() <= x + kFuzzyTolerance) {
    TFzyFloat best = p[lo].Y();
    for (size_t j = lo + 1; j < n && p[j].X() <= x + kFuzzyTolerance; ++j)
      best = std::max(best, p[j].Y());
    return best;
  }
  if (lo == 0) return p[0].Y();
  if (lo >= n) return p[n - 1].Y();
  const TFuzzySetValue& a = p[lo - 1];
  const TFuzzySetValue& b = p[lo];
  TFzyFloat t = (x - a.X()) / (b.X() - a.X());  // b.X() - a.X() > 2 * tolerance here
  return a.Y() + t * (b.Y() - a.Y());
}

// Membership at any x, by binary search.
[[nodiscard]] inline TFzyFloat MembershipAt(const TFuzzyPoints& p, TFzyFloat x) {
  auto it = std::partition_point(
      p.begin(), p.end(), [x](const TFuzzySetValue& v) { return v.X() < x - kFuzzyTolerance; });
  return MembershipFrom(p, size_t(it - p.begin()), x);
}

// Membership at non-decreasing x in amortised constant time.
class TMembershipCursor {
 public:
  explicit TMembershipCursor(const TFuzzyPoints& points) : FPoints(points) {}
  [[nodiscard]] TFzyFloat At(TFzyFloat x) {
    while (FIndex < FPoints.size() && FPoints[FIndex].X() < x - kFuzzyTolerance) ++FIndex;
    return MembershipFrom(FPoints, FIndex, x);
  }

 private:
  const TFuzzyPoints& FPoints;
  size_t FIndex = 0;
};

// Calls visit(x, a, b) along the pair walk of `a` and `b`; visit returns
// false to stop early.
template <class TVisit>
void WalkFuzzyPair(const TFuzzyPoints& a, const TFuzzyPoints& b, TVisit&& visit) {
  TMembershipCursor ca(a), cb(b);
  size_t i = 0, j = 0;
  bool havePrev = false;
  TFzyFloat px = 0, pa = 0, pb = 0;
  while (i < a.size() || j < b.size()) {
    bool fromA = j >= b.size() || (i < a.size() && a[i].X() <= b[j].X());
    TFzyFloat x = fromA ? a[i++].X() : b[j++].X();
    if (havePrev && x <= px + kFuzzyTolerance) continue;  // same run of X
    TFzyFloat ma = ca.At(x), mb = cb.At(x);
    if (havePrev) {
      TFzyFloat d1 = pa - pb, d2 = ma - mb;
      if ((d1 < 0 && d2 > 0) || (d1 > 0 && d2 < 0)) {
        TFzyFloat t = d1 / (d1 - d2);
        TFzyFloat xc = px + t * (x - px);
        if (xc - px > kFuzzyTolerance && x - xc > kFuzzyTolerance &&
            !visit(xc, pa + t * (ma - pa), pb + t * (mb - pb)))
          return;
      }
    }
    havePrev = true;
    px = x;
    pa = ma;
    pb = mb;
    if (!visit(x, ma, mb)) return;
  }
}

}  // namespace vettora
