// Union and intersection of two fuzzy sets under the seven combination
// operations. The result has a point at every X of both sets and at every
// crossing of the two membership functions (the pair walk), so it is exact
// for piecewise-linear operands.

#include <algorithm>
#include <cmath>

#include "fuzzy/fuzzy_error.h"
#include "fuzzy/fuzzy_set.h"
#include "fuzzy/fuzzy_walk.h"
#include "fuzzy/fuzzy_words.h"
#include "fuzzy/ifuzzy_set.h"
#include "fuzzy/messages.h"
#include "values/format.h"

namespace vettora {

namespace {

TFzyFloat Intersect(TFuzzyOperation op, TFzyFloat a, TFzyFloat b) {
  switch (op) {
    case foZadeh:
      return std::min(a, b);
    case foMean:
      return (a + b) / 2;
    case foMeanSqr:
      return ((a + b) / 2) * ((a + b) / 2);
    case foMeanSqrt:
      return std::sqrt((a + b) / 2);
    case foProduct:
      return a * b;
    case foBoundedSum:
      return std::max(0.0, a + b - 1);
    case foSum:
      break;  // refused before the walk
  }
  return 0;
}

TFzyFloat Unite(TFuzzyOperation op, TFzyFloat a, TFzyFloat b) {
  switch (op) {
    case foZadeh:
      return std::max(a, b);
    case foMean:
      return (4 * std::max(a, b) + 2 * std::min(a, b)) / 6;
    case foMeanSqr:
      return ((a + b) / 2) * ((a + b) / 2);
    case foMeanSqrt:
      return std::sqrt((a + b) / 2);
    case foProduct:
      return a + b - a * b;
    case foBoundedSum:
      return std::min(1.0, a + b);
    case foSum:
      return a + b;
  }
  return 0;
}

}  // namespace

IFuzzySet TFuzzySet::Union(const TFuzzySet& other, TFuzzyOperation op) const {
  return Combine(other, op, true);
}

IFuzzySet TFuzzySet::Intersection(const TFuzzySet& other, TFuzzyOperation op) const {
  return Combine(other, op, false);
}

IFuzzySet TFuzzySet::Combine(const TFuzzySet& other, TFuzzyOperation op, bool isUnion) const {
  if (unsigned(op) >= unsigned(kFuzzyOperationCount) || (!isUnion && op == foSum))
    throw EFuzzyError(FormatMessage(kFuzzyInvalidOperation, {FuzzyOperationName(op)}));
  TFuzzyPoints points;
  points.reserve(FValues.Points().size() + other.FValues.Points().size());
  WalkFuzzyPair(FValues.Points(), other.FValues.Points(),
                [&](TFzyFloat x, TFzyFloat a, TFzyFloat b) {
                  points.emplace_back(x, isUnion ? Unite(op, a, b) : Intersect(op, a, b));
                  return true;
                });
  IFuzzySet result = NewDerivedSet(&other);
  TFuzzySet& set = *result;
  set.FValues.Replace(std::move(points));
  set.FName = QuotedName() + " " + (isUnion ? UnionWord(op) : IntersectionWord(op)) + " " +
              other.QuotedName();
  return result;
}

}  // namespace vettora
