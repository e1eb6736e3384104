// Alpha cuts: memberships that pass the cut are kept, the others become 0.
// Where the membership crosses the alpha level between two points, a
// vertical step at the crossing X makes the cut sharp.

#include "fuzzy/fuzzy_set.h"
#include "fuzzy/fuzzy_walk.h"
#include "fuzzy/ifuzzy_set.h"
#include "values/format.h"

namespace vettora {

namespace {

bool Passes(TAlphaCutKind kind, TFzyFloat y, TFzyFloat alpha) {
  return kind == ackStrong ? y > alpha : y >= alpha;
}

// The step between p1 and p2 when exactly one of them passes.
void AddStep(TFuzzyPoints& out, const TFuzzySetValue& p1, const TFuzzySetValue& p2, TFzyFloat alpha,
             bool rising) {
  TFzyFloat dy = p2.Y() - p1.Y();
  if (dy == 0 || p2.X() - p1.X() <= kFuzzyTolerance) return;
  TFzyFloat xc = p1.X() + (alpha - p1.Y()) / dy * (p2.X() - p1.X());
  if (xc - p1.X() <= kFuzzyTolerance || p2.X() - xc <= kFuzzyTolerance) return;
  out.emplace_back(xc, rising ? 0 : alpha);
  out.emplace_back(xc, rising ? alpha : 0);
}

}  // namespace

IFuzzySet TFuzzySet::AlphaCut(TAlphaCutKind kind, TFzyFloat alpha) const {
  const TFuzzyPoints& p = FValues.Points();
  TFuzzyPoints out;
  out.reserve(p.size() * 2);
  for (size_t i = 0; i < p.size(); ++i) {
    bool passes = Passes(kind, p[i].Y(), alpha);
    out.emplace_back(p[i].X(), passes ? p[i].Y() : 0);
    if (i + 1 == p.size()) continue;
    bool nextPasses = Passes(kind, p[i + 1].Y(), alpha);
    if (passes != nextPasses) AddStep(out, p[i], p[i + 1], alpha, nextPasses);
  }
  IFuzzySet result = NewDerivedSet();
  TFuzzySet& set = *result;
  set.FValues.Replace(std::move(out));
  set.FName = FName + " (alpha=" + FormatFloat4(alpha) + ")";
  return result;
}

}  // namespace vettora
