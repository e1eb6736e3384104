// TPrinterTextFallback: the printing half of an engine parser.
#include "language/printer_fallback.h"

namespace vettora {

std::string TPrinterTextFallback::PrintFactTemplate(const TFactTemplate& factTemplate) {
  return FPrinter.PrintFactTemplate(factTemplate);
}

std::string TPrinterTextFallback::PrintTemplateSlot(const TFactSlot& slot) {
  return FPrinter.PrintTemplateSlot(slot);
}

std::string TPrinterTextFallback::PrintFactSet(const TFactSet& factSet) {
  return FPrinter.PrintFactSet(factSet);
}

std::string TPrinterTextFallback::PrintFunCall(const TFunctionCall& call) {
  return FPrinter.PrintFunCall(call);
}

std::string TPrinterTextFallback::PrintFunction(const TIEUserFunction& function) {
  return FPrinter.PrintFunction(function);
}

std::string TPrinterTextFallback::PrintDefinedType(const TIEDefinedType& type) {
  return FPrinter.PrintDefinedType(type);
}

std::string TPrinterTextFallback::PrintRule(const TRule& rule) { return FPrinter.PrintRule(rule); }

std::string TPrinterTextFallback::PrintPattern(const TIEPattern& pattern) {
  return FPrinter.PrintPattern(pattern);
}

}  // namespace vettora
