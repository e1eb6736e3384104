#pragma once
// The engine settings that steer fuzzy facts: how a firing rule's strength
// limits the memberships of the facts it asserts (correlation), and which
// union or intersection merges a fuzzy fact with an equal one already on
// the fact list (inference).

#include <cstdint>

#include "fuzzy/fuzzy_types.h"

namespace vettora {

enum TFuzzyCorrelationMethod : uint8_t { fcmMinimum, fcmProduct };

enum TFuzzyInferenceMethod : uint8_t { fimMinMax, fimAdditive, fimMean, fimProduct, fimBoundedSum };

// The combination operation of an inference method: min-max is zadeh,
// additive is sum, the others their namesakes.
[[nodiscard]] constexpr TFuzzyOperation InferenceOperation(TFuzzyInferenceMethod method) {
  switch (method) {
    case fimMinMax:
      return foZadeh;
    case fimAdditive:
      return foSum;
    case fimMean:
      return foMean;
    case fimProduct:
      return foProduct;
    case fimBoundedSum:
      return foBoundedSum;
  }
  return foZadeh;
}

}  // namespace vettora
