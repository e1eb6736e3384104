#pragma once
// ISymbolSource: where the tokenizer gets unique names for anonymous
// variables. The engine implements it with its symbol counter, so names
// never repeat within one engine however many streams it reads.

#include <string>

namespace vettora {

class ISymbolSource {
 public:
  virtual ~ISymbolSource() = default;
  // `prefix` followed by the current counter value ("_blank_3"); the counter
  // then advances.
  [[nodiscard]] virtual std::string GenerateSymbol(const std::string& prefix) = 0;
};

}  // namespace vettora
