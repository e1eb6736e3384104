#pragma once
// IDefinedTypeReasoner: what a defined type needs from the engine that owns
// it. The engine implements it; the type keeps a plain, uncounted pointer
// (the engine outlives its types' use on its thread).

#include <string>

#include "fuzzy/fuzzy_parser.h"

namespace vettora {

class TIEDefinedType;

class IDefinedTypeReasoner {
 public:
  virtual ~IDefinedTypeReasoner() = default;
  // The `deftype` text of `type`, as the rule-language printer writes it.
  [[nodiscard]] virtual std::string PrintDefinedType(const TIEDefinedType& type) = 0;
  // The parser given to the fuzzy variables of the engine's fuzzy types.
  [[nodiscard]] virtual IFuzzyParser* FuzzyParser() = 0;
};

}  // namespace vettora
