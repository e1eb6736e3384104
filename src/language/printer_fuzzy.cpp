// TIEPrinter: the fuzzy forms -- a fuzzy type's variable body, its terms,
// the shape of a fuzzy set and singleton lists.
#include <cmath>
#include <optional>
#include <vector>

#include "fuzzy/fuzzy_set.h"
#include "fuzzy/fuzzy_variable.h"
#include "fuzzy/messages.h"
#include "language/printer.h"
#include "language/printer_layout.h"
#include "values/format.h"
#include "values/singletons_vector.h"

namespace vettora {

using namespace printer_layout;

namespace {

// The shape functions of the language always make seven points.
constexpr int kShapePoints = 7;

// Which shape functions may be printed (null or empty: all).
using TShapeFilter = const TIEPrinter::TShapeAvailable*;

std::string Numbers(const std::vector<TFzyFloat>& values) {
  std::string text;
  for (TFzyFloat v : values) {
    if (!text.empty()) text += ' ';
    text += FormatFloat4(v);
  }
  return text;
}

// Whether `built` has the points of `set`.
bool SamePoints(const TFuzzySet& set, const TFuzzySet& built) {
  const TFuzzySetValues& a = set.Values();
  const TFuzzySetValues& b = built.Values();
  if (a.Count() != b.Count()) return false;
  for (int32_t i = 0; i < a.Count(); ++i)
    if (!FuzzyEqual(a[i].X(), b[i].X()) || !FuzzyEqual(a[i].Y(), b[i].Y())) return false;
  return true;
}

// A shape call "(word n1 n2 ...)" when the shape function with those
// numbers rebuilds exactly the set's points. A set reshaped after it was
// made (a hedge, a modifier, points moved) keeps its kind but no longer
// has the shape, and prints by its points instead.
template <class Build>
std::optional<std::string> ShapeCall(TShapeFilter filter, const TFuzzySet& set, const char* word,
                                     const std::vector<TFzyFloat>& numbers, Build build) {
  if (filter != nullptr && *filter && !(*filter)(word)) return std::nullopt;
  for (TFzyFloat v : numbers)
    if (!std::isfinite(v)) return std::nullopt;
  TFuzzySet rebuilt;
  try {
    build(rebuilt);
  } catch (const std::exception&) {
    return std::nullopt;
  }
  if (!SamePoints(set, rebuilt)) return std::nullopt;
  return "(" + std::string(word) + " " + Numbers(numbers) + ")";
}

// The X of the first point of highest membership.
TFzyFloat PeakX(const TFuzzySetValues& points) {
  int32_t peak = 0;
  for (int32_t i = 1; i < points.Count(); ++i)
    if (points[i].Y() > points[peak].Y()) peak = i;
  return points[peak].X();
}

std::optional<std::string> ShapeOf(const TFuzzySet& set, TShapeFilter filter) {
  const TFuzzySetValues& p = set.Values();
  if (p.Count() < 3) return std::nullopt;
  TFzyFloat left = p.First().X(), right = p.Last().X();
  switch (set.SetType()) {
    case fstTriangle: {
      TFzyFloat peak = p[1].X();
      return ShapeCall(filter, set, "tri", {left, peak, right},
                       [&](TFuzzySet& s) { s.Triangle(left, peak, right); });
    }
    case fstDeclineCurve:
      return ShapeCall(filter, set, "z", {left, right},
                       [&](TFuzzySet& s) { s.DeclineCurve(left, right, kShapePoints); });
    case fstGrowthCurve:
      return ShapeCall(filter, set, "s", {left, right},
                       [&](TFuzzySet& s) { s.GrowthCurve(left, right, kShapePoints); });
    case fstPICurve: {
      TFzyFloat center = PeakX(p);
      return ShapeCall(filter, set, "pi", {left, center, right},
                       [&](TFuzzySet& s) { s.PICurve(left, right, center, kShapePoints); });
    }
    case fstBetaCurve: {
      // (beta centre half-range width [weight]); the weight follows from the
      // membership at the left end, 1 / (1 + w * (half-range / width)^2).
      TFzyFloat center = (left + right) / 2, half = (right - left) / 2;
      TFzyFloat width = set.ShapeParameter(), y = p.First().Y();
      if (half == 0 || width == 0 || y <= 0) return std::nullopt;
      TFzyFloat weight = (1 / y - 1) * (width / half) * (width / half);
      std::vector<TFzyFloat> numbers{center, half, width};
      if (std::fabs(weight - 1) > 1e-9) numbers.push_back(weight);
      return ShapeCall(filter, set, "beta", numbers, [&](TFuzzySet& s) {
        s.BetaCurve(weight, width, center, half, kShapePoints);
      });
    }
    case fstUserDefined:
      break;
  }
  return std::nullopt;
}

// The shape call of a set made by a shape function, otherwise its points
// "((x y) (x y) )".
std::string FuzzyShape(const TFuzzySet& set, TShapeFilter filter = nullptr) {
  if (std::optional<std::string> shape = ShapeOf(set, filter)) return *shape;
  return set.PrintValues();
}

}  // namespace

// A term reads back from its name: the fuzzy expression of a slot's type
// resolves it in the type's variable ("__Empty" included).
std::string TIEPrinter::FuzzyValueText(const TFuzzySet& set) {
  if (set.IsTerm() && set.Variable() && !set.Name().empty()) return set.Name();
  return FuzzyShape(set);
}

std::function<std::string(const TFuzzySet&)> TIEPrinter::FuzzyValuePrinter() {
  return [](const TFuzzySet& set) { return FuzzyValueText(set); };
}

std::string TIEPrinter::PrintFuzzySet(const TFuzzySet& set, bool asTerm) const {
  std::string shape = FuzzyShape(set, &FShapeAvailable);
  if (!asTerm) return shape;
  std::string name = set.Name() == kEmptyTermName ? "" : set.Name() + " ";
  return "(term " + name + shape + ")";
}

//     (range 0.0000 100.0000)
//     (units C)
//     (values
//         (term cold (z 10.0000 20.0000))
//     )
// The "__Empty" term is left out: every variable makes it again on first
// use, and written without a name it would not read back.
std::string TIEPrinter::PrintFuzzyVariable(const TIFuzzyVariable& variable) const {
  std::string text = kIndent + std::string("(range ") +
                     Numbers({variable.Minimum(), variable.Maximum()}) + ")" + kCrLf;
  if (!variable.Units().empty()) text += UnitsFacet(variable.Units());
  text += kIndent + std::string("(values ") + kCrLf;
  for (const IFuzzySet& term : variable.Items()) {
    if (!term || term->Name() == kEmptyTermName) continue;
    text += kIndent + std::string(kIndent) + PrintFuzzySet(*term, true) + kCrLf;
  }
  return text + kIndent + ")";
}

std::string TIEPrinter::PrintSingletons(const TSingletonsVector& singletons) const {
  if (singletons.Count() == 0) return "";
  // An owning variable writes the enclosing parentheses itself.
  if (singletons.Owner()) return singletons.AsText();
  return "(" + singletons.AsText() + ")";
}

}  // namespace vettora
