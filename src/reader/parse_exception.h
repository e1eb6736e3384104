#pragma once
// EIEParseException: the error of all rule-language text. It is an engine
// error, so code catching EIEException also catches parse errors.

#include <cstdint>
#include <string>
#include <vector>

#include "values/exceptions.h"

namespace vettora {

class EIEParseException : public EIEException {
 public:
  explicit EIEParseException(const std::string& message, int32_t lineNumber = 0,
                             int32_t column = 0)
      : EIEException(message), FLineNumber(lineNumber), FColumn(column) {}

  // The line of the token that was current when the error was found.
  [[nodiscard]] int32_t LineNumber() const { return FLineNumber; }
  void SetLineNumber(int32_t lineNumber) { FLineNumber = lineNumber; }
  // The column (from 1) where that token starts; 0 when unknown.
  [[nodiscard]] int32_t Column() const { return FColumn; }

  // Further messages (the collected errors of a whole parse); empty when the
  // exception is made.
  [[nodiscard]] const std::vector<std::string>& Messages() const { return FMessages; }
  [[nodiscard]] std::vector<std::string>& Messages() { return FMessages; }

 private:
  int32_t FLineNumber;
  int32_t FColumn;
  std::vector<std::string> FMessages;
};

}  // namespace vettora
