// TInferenceEngine: the one-construct parse entries and the parser's
// events. Each entry hands its text to the plugged-in rule-language parser,
// which makes the text its input for the one construct and restores the
// previous input afterwards, also after an error.
#include "engine/inference_engine.h"
#include "engine/messages.h"
#include "engine/vorlan_engine_parser.h"
#include "functions/function_call.h"
#include "functions/interpreted_function.h"
#include "values/exceptions.h"

namespace vettora {

TVorlanEngineParser& TInferenceEngine::VorlanParser() const {
  auto* parser = dynamic_cast<TVorlanEngineParser*>(FParser.get());
  if (!parser) throw EIEException(kNoRuleLanguageParser);
  return *parser;
}

// ---- One construct -----------------------------------------------------------------

IIEValue TInferenceEngine::ParseValue(const std::string& text, int32_t kind) {
  return VorlanParser().ParseValue(text, kind);
}

IIEDefinedType TInferenceEngine::ParseDefinedType(const std::string& text) {
  return VorlanParser().ParseDefinedType(text);
}

std::string TInferenceEngine::ParseFactSlot(TFact& fact, const std::string& text) {
  return VorlanParser().ParseFactSlot(fact, text);
}

TFactSet* TInferenceEngine::ParseFactSet(const std::string& text) {
  return VorlanParser().ParseFactSet(text);
}

IFunCall TInferenceEngine::ParseFunCall(const std::string& text) {
  return VorlanParser().ParseFunCall(text);
}

IFactTemplate TInferenceEngine::ParseFactTemplate(const std::string& text) {
  return VorlanParser().ParseFactTemplate(text);
}

IFactSlot TInferenceEngine::ParseFactTemplateSlot(const std::string& text, TFactTemplate* owner) {
  return VorlanParser().ParseFactTemplateSlot(text, owner);
}

IInterpretedFunction TInferenceEngine::ParseFunction(const std::string& text) {
  return VorlanParser().ParseFunction(text);
}

IIEValue TInferenceEngine::ParseFuzzyExpression(const std::string& text,
                                                const TIEDefinedType& type) {
  return VorlanParser().ParseFuzzyExpression(text, type);
}

IFuzzySet TInferenceEngine::ParseFuzzySet(const std::string& text, TIFuzzyVariable& variable) {
  return VorlanParser().ParseFuzzySet(text, variable);
}

IFuzzyVariable TInferenceEngine::ParseFuzzyVariable(const std::string& text) {
  return VorlanParser().ParseFuzzyVariable(text);
}

void TInferenceEngine::ParseGlobalVariables(const std::string& text) {
  VorlanParser().ParseGlobalVariables(text);
}

std::string TInferenceEngine::ParseVariable(const std::string& text, IIEValue& value) {
  return VorlanParser().ParseVariable(text, value);
}

IIEValue TInferenceEngine::ParseList(const std::string& text) {
  return VorlanParser().ParseList(text);
}

IIEValue TInferenceEngine::EvaluateFunCall(const std::string& text) {
  return VorlanParser().EvaluateFunCall(text);
}

TRule* TInferenceEngine::ParseRule(const std::string& text) {
  return VorlanParser().ParseRule(text);
}

void TInferenceEngine::ParseRulePatterns(TRule& rule, const std::string& text) {
  VorlanParser().ParseRulePatterns(rule, text);
}

void TInferenceEngine::ParseRuleActions(TRule& rule, const std::string& text) {
  VorlanParser().ParseRuleActions(rule, text);
}

ISingletonsVector TInferenceEngine::ParseFuzzyPoints(const std::string& text) {
  return VorlanParser().ParseFuzzyPoints(text);
}

IIEValue TInferenceEngine::ParseFactSlotValue(const TFactSlot& slot, const std::string& text) {
  return VorlanParser().ParseFactSlotValue(slot, text);
}

IIEValue TInferenceEngine::ParseSlotValue(const std::string& text, TIETypes types,
                                          const IIEDefinedType& definedType,
                                          const std::string& slotName) {
  return VorlanParser().ParseSlotValue(text, types, definedType, slotName);
}

// ---- The parser's events -----------------------------------------------------------

// Without a rule-language parser no event is set and none can be.
template <class E>
const E& TInferenceEngine::ParserEvent(E TIEParser::*member) const {
  static const E kNone;
  auto* parser = dynamic_cast<TVorlanEngineParser*>(FParser.get());
  return parser ? parser->Parser().*member : kNone;
}

template <class E>
void TInferenceEngine::SetParserEvent(E TIEParser::*member, E handler) {
  VorlanParser().Parser().*member = std::move(handler);
}

#define VETTORA_PARSER_EVENT(Name, Type)                                                          \
  const TIEParser::Type& TInferenceEngine::Name() const { return ParserEvent(&TIEParser::Name); } \
  void TInferenceEngine::Set##Name(TIEParser::Type handler) {                                     \
    SetParserEvent(&TIEParser::Name, std::move(handler));                                         \
  }

VETTORA_PARSER_EVENT(OnParse, TParseEvent)
VETTORA_PARSER_EVENT(OnParseDefinedType, TParseDefinedTypeEvent)
VETTORA_PARSER_EVENT(OnParseFact, TParseFactEvent)
VETTORA_PARSER_EVENT(OnParseFactSet, TParseFactSetEvent)
VETTORA_PARSER_EVENT(OnParseFactTemplate, TParseFactTemplateEvent)
VETTORA_PARSER_EVENT(OnParseFunction, TParseFunctionEvent)
VETTORA_PARSER_EVENT(OnParseFunCall, TParseFunCallEvent)
VETTORA_PARSER_EVENT(OnParseFuzzySet, TParseFuzzySetEvent)
VETTORA_PARSER_EVENT(OnParseFuzzyVariable, TParseFuzzyVariableEvent)
VETTORA_PARSER_EVENT(OnParseSingletons, TParseSingletonsEvent)
VETTORA_PARSER_EVENT(OnParseVariable, TParseVariableEvent)
VETTORA_PARSER_EVENT(OnParsePattern, TParsePatternEvent)
VETTORA_PARSER_EVENT(OnParseRule, TParseRuleEvent)

#undef VETTORA_PARSER_EVENT

}  // namespace vettora
