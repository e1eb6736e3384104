#pragma once
// TPrinterTextFallback: an engine parser that reads nothing yet prints
// every construct with the rule-language printer. An engine without a
// parser can use it, and a parser can derive from it to take over the
// printing entries and add its reading ones.

#include <string>

#include "engine/engine_parser.h"
#include "language/printer.h"

namespace vettora {

class TPrinterTextFallback : public TEngineTextFallback {
 public:
  std::string PrintFactTemplate(const TFactTemplate& factTemplate) override;
  std::string PrintTemplateSlot(const TFactSlot& slot) override;
  std::string PrintFactSet(const TFactSet& factSet) override;
  std::string PrintFunCall(const TFunctionCall& call) override;
  std::string PrintFunction(const TIEUserFunction& function) override;
  std::string PrintDefinedType(const TIEDefinedType& type) override;
  std::string PrintRule(const TRule& rule) override;
  std::string PrintPattern(const TIEPattern& pattern) override;

  [[nodiscard]] const TIEPrinter& Printer() const { return FPrinter; }

 private:
  TIEPrinter FPrinter;
};

}  // namespace vettora
