#pragma once
// IFuzzyParser: the engine services a fuzzy variable reaches through the
// parser attached to it. The engine implements it; the fuzzy layer only
// calls it.

#include "fuzzy/fuzzy_types.h"

namespace vettora {

class IFuzzyParser {
 public:
  virtual ~IFuzzyParser() = default;
  // The engine's equality threshold, given to fuzzy values that the
  // fuzzy-expression evaluator attaches to a variable.
  [[nodiscard]] virtual TFzyFloat FuzzyEqualsThreshold() const = 0;
};

}  // namespace vettora
