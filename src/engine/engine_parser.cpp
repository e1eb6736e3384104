// TEngineTextFallback: the engine's text work before a parser is plugged in.
#include "engine/engine_parser.h"

#include "engine/fact_set.h"
#include "engine/messages.h"
#include "functions/function_call.h"
#include "knowledge/defined_type.h"
#include "knowledge/knowledge_printer.h"
#include "matching/pattern.h"
#include "matching/rule.h"
#include "values/exceptions.h"
#include "values/format.h"

namespace vettora {

IFact TEngineTextFallback::ParseFact(const std::string&) {
  throw EIEException(FormatMessage(kUnableToParseStrings, {"dtFact"}));
}

IIEValue TEngineTextFallback::ParseValue(const std::string&) {
  throw EIEException(FormatMessage(kUnableToParseStrings, {"dtFunCall"}));
}

void TEngineTextFallback::ExecuteText(const std::string&) {
  throw EIEException(FormatMessage(kUnableToParseStrings, {"dtFunCall"}));
}

void TEngineTextFallback::ExecuteStream(TStream&) {
  throw EIEException(FormatMessage(kUnableToParseStrings, {"dtFunCall"}));
}

bool TEngineTextFallback::ParseFacts(TStream&) {
  throw EIEException(FormatMessage(kUnableToParseStrings, {"dtFact"}));
}

std::string TEngineTextFallback::PrintFact(const TFact& fact) { return fact.Text(); }

std::string TEngineTextFallback::PrintRule(const TRule& rule) {
  return "(defrule " + rule.RuleName() + ")";
}

std::string TEngineTextFallback::PrintPattern(const TIEPattern& pattern) {
  return "(" + pattern.Name() + ")";
}

std::string TEngineTextFallback::PrintFactTemplate(const TFactTemplate& factTemplate) {
  return vettora::PrintFactTemplate(factTemplate);
}

std::string TEngineTextFallback::PrintTemplateSlot(const TFactSlot& slot) {
  return vettora::PrintTemplateSlot(slot);
}

std::string TEngineTextFallback::PrintFactSet(const TFactSet& factSet) {
  return FactSetText(factSet);
}

std::string TEngineTextFallback::PrintFunCall(const TFunctionCall& call) {
  return FunCallText(call);
}

std::string TEngineTextFallback::PrintFunction(const TIEUserFunction& function) {
  return function.FunctionName();
}

std::string TEngineTextFallback::PrintDefinedType(const TIEDefinedType& type) {
  return "(deftype " + type.Name() + ")";
}

std::string FactSetText(const TFactSet& factSet) {
  std::string text = "(deffacts " + factSet.FactSetName();
  if (!factSet.Comment().empty()) text += " \"" + factSet.Comment() + "\"";
  text += "\r\n";
  const TFactSetFacts& facts = factSet.Facts();
  for (int32_t i = 0; i < facts.Count(); ++i) {
    const IFact& fact = facts.Facts(i);
    text += "    " + (fact ? fact->Text() : facts.Strings(i)) + "\r\n";
  }
  return text + ")";
}

}  // namespace vettora
