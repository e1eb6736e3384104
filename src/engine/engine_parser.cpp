// TEngineTextFallback: the engine's text work before a parser is plugged in.
#include "engine/engine_parser.h"

#include "engine/fact_set.h"
#include "engine/inference_engine.h"
#include "engine/messages.h"
#include "functions/function_call.h"
#include "knowledge/defined_type.h"
#include "knowledge/knowledge_printer.h"
#include "matching/pattern.h"
#include "matching/rule.h"
#include "values/exceptions.h"
#include "values/format.h"

namespace vettora {

namespace {

// Without a parser nothing can be read; the message names what was asked.
[[noreturn]] void Unreadable(const char* what) {
  throw EIEException(FormatMessage(kUnableToParseStrings, {what}));
}

}  // namespace

void IEngineParser::AssignSettings(const IEngineParser& source) {
  if (&source == this) return;
  SetStrictTemplates(source.StrictTemplates());
  SetSlotFunctions(source.SlotFunctions());
  Events() = source.Events();
}

// ---- Reading: nothing can be read ----------------------------------------------------

void TEngineTextFallback::ExecuteText(const std::string&) { Unreadable("dtFunCall"); }
void TEngineTextFallback::ExecuteStream(TStream&) { Unreadable("dtFunCall"); }
bool TEngineTextFallback::ParseFacts(TStream&) { Unreadable("dtFact"); }
std::string TEngineTextFallback::KnowledgeBaseText(std::time_t) {
  throw EIEException(kNoRuleLanguageParser);
}
IFact TEngineTextFallback::ParseFact(const std::string&) { Unreadable("dtFact"); }
IIEValue TEngineTextFallback::ParseValue(const std::string&) { Unreadable("dtFunCall"); }
IIEValue TEngineTextFallback::ParseValue(const std::string&, int32_t kind) {
  Unreadable(TypeName(TIEType(kind)));
}
IIEDefinedType TEngineTextFallback::ParseDefinedType(const std::string&) {
  Unreadable("defined types");
}
std::string TEngineTextFallback::ParseFactSlot(TFact&, const std::string&) {
  Unreadable("fact slots");
}
TFactSet* TEngineTextFallback::ParseFactSet(const std::string&) { Unreadable("fact sets"); }
IFunCall TEngineTextFallback::ParseFunCall(const std::string&) { Unreadable("dtFunCall"); }
IFactTemplate TEngineTextFallback::ParseFactTemplate(const std::string&) {
  Unreadable("fact templates");
}
IFactSlot TEngineTextFallback::ParseFactTemplateSlot(const std::string&, TFactTemplate*) {
  Unreadable("fact template slots");
}
IInterpretedFunction TEngineTextFallback::ParseFunction(const std::string&) {
  Unreadable("functions");
}
IIEValue TEngineTextFallback::ParseFuzzyExpression(const std::string&, const TIEDefinedType&) {
  Unreadable("dtFuzzy");
}
IFuzzySet TEngineTextFallback::ParseFuzzySet(const std::string&, TIFuzzyVariable&) {
  Unreadable("fuzzy sets");
}
IFuzzyVariable TEngineTextFallback::ParseFuzzyVariable(const std::string&) {
  Unreadable("fuzzy variables");
}
void TEngineTextFallback::ParseGlobalVariables(const std::string&) {
  Unreadable("global variables");
}
std::string TEngineTextFallback::ParseVariable(const std::string&, IIEValue&) {
  Unreadable("global variables");
}
IIEValue TEngineTextFallback::ParseList(const std::string&) { Unreadable("dtList"); }
IIEValue TEngineTextFallback::EvaluateFunCall(const std::string&) { Unreadable("dtFunCall"); }
TRule* TEngineTextFallback::ParseRule(const std::string&) { Unreadable("rules"); }
void TEngineTextFallback::ParseRulePatterns(TRule&, const std::string&) { Unreadable("rules"); }
void TEngineTextFallback::ParseRuleActions(TRule&, const std::string&) { Unreadable("rules"); }
ISingletonsVector TEngineTextFallback::ParseFuzzyPoints(const std::string&) {
  Unreadable("dtFuzzy");
}
IIEValue TEngineTextFallback::ParseFactSlotValue(const TFactSlot&, const std::string&) {
  Unreadable("fact slots");
}
IIEValue TEngineTextFallback::ParseSlotValue(const std::string&, TIETypes, const IIEDefinedType&,
                                             const std::string&) {
  Unreadable("fact slots");
}

// ---- Printing with the free-standing printers ----------------------------------------

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

std::string TEngineTextFallback::PrintGlobal(const std::string& name, const IIEValue& value) {
  std::string text = (!name.empty() && name[0] == '?') ? name : "?" + name;
  return text + " = " + (value ? value->AsText() : std::string());
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
