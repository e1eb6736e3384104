#pragma once
// The pictures of plot-fuzzy-value: the 21-row character plot and an SVG
// drawing of the same sets. Both take the sets already checked to share
// one variable (which may be null).

#include <string>
#include <vector>

#include "fuzzy/ifuzzy_set.h"

namespace vettora {

struct TFuzzyPlot {
  std::vector<IFuzzySet> Sets;
  std::string Chars;  // one plot character per set, the last one repeated
  double Low = 0;
  double High = 1;
  const TIFuzzyVariable* Variable = nullptr;
  [[nodiscard]] char CharOf(size_t i) const;
};

// The character plot, lines ended by "\n".
[[nodiscard]] std::string CharacterPlot(const TFuzzyPlot& plot);
// A standalone SVG document: axes over [Low, High] and 0..1, one coloured
// line per set, a legend.
[[nodiscard]] std::string SvgPlot(const TFuzzyPlot& plot);

}  // namespace vettora
