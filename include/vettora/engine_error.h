#pragma once
// vettora::EEngineError: the one exception the public API throws. It
// carries the engine's message (the same text the console prints) and,
// for errors found while reading rule-language text, the line of that
// text (1 for the first line; 0 when the error has no line).

#include <cstdint>
#include <stdexcept>
#include <string>

#include "vettora/export.h"

namespace vettora {

class VETTORA_API EEngineError : public std::runtime_error {
 public:
  explicit EEngineError(const std::string& message, int32_t line = 0)
      : std::runtime_error(message), FLine(line) {}
  [[nodiscard]] int32_t Line() const { return FLine; }

 private:
  int32_t FLine;
};

}  // namespace vettora
