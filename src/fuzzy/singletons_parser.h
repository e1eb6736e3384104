#pragma once
// ISingletonsParser: reads a list of fuzzy singletons, "((x y) (x y) ...)",
// from text. The rule-language parser implements it and the engine
// forwards to its parser, so the fuzzy layer and the packages can turn
// text into singletons without knowing either.

#include <string>

#include "values/singletons_vector.h"

namespace vettora {

class ISingletonsParser {
 public:
  virtual ~ISingletonsParser() = default;
  // Raises the parser's error for text that is not a singleton list.
  [[nodiscard]] virtual ISingletonsVector ParseFuzzyPoints(const std::string& text) = 0;
};

}  // namespace vettora
