#pragma once
// TVorlanEngineParser: the rule-language reader and printer an engine
// plugs in (TInferenceEngine::SetParser). Reading goes to one
// TIEVorlanParser, printing to the stateless TIEPrinter.
//
// Besides reading whole texts and streams, it offers the one-construct
// entries the engine hands its callers: each takes a text, makes a
// tokenizer over it the parser's input, reads one construct and restores
// the parser's previous input afterwards, also after an error -- so an
// entry may be used while a larger text is being read (a fact set being
// filed parses its facts again, for instance).
//
// Before every entry the parser takes over the engine's settings that
// changed since the last entry: ParserErrorHandling, ParserMaxErrors and
// the static type checks (tcStatic).

#include <cstdint>
#include <memory>
#include <string>

#include "engine/engine_parser.h"
#include "engine/printer.h"
#include "engine/vorlan_parser.h"
#include "fuzzy/singletons_parser.h"

namespace vettora {

class TStream;

class TVorlanEngineParser : public IEngineParser, public ISingletonsParser {
 public:
  explicit TVorlanEngineParser(TInferenceEngine& engine);
  ~TVorlanEngineParser() override;

  [[nodiscard]] TIEVorlanParser& Parser() { return *FParser; }
  [[nodiscard]] const TIEPrinter& Printer() const { return FPrinter; }
  // Replaces the parser (a parser class of the host's); null restores a
  // plain TIEVorlanParser.
  void SetParser(std::unique_ptr<TIEVorlanParser> parser);

  // ---- Whole texts.
  // Reads and executes every item of the text (ExecuteText) or of the
  // stream, following the error-handling mode.
  void ExecuteText(const std::string& text) override;
  void ExecuteStream(TStream& source) override;
  // Reads facts to the end and asserts each one.
  bool ParseFacts(const std::string& text);
  bool ParseFacts(TStream& source) override;

  // ---- One construct from a text.
  IFact ParseFact(const std::string& text) override;
  // A value sequence: one value, or a list of several.
  IIEValue ParseValue(const std::string& text) override;
  // A value of `kind` made from the text: the empty value for dtNone, an
  // atom, a string without its surrounding quotes, an integer or fact id, a
  // float, a variable, slot or multislot named by the text, a parsed call,
  // a parsed fact, or a value sequence as a list. Other kinds raise
  // "Unable to parse strings of %s at this time".
  IIEValue ParseValue(const std::string& text, int32_t kind);
  IIEDefinedType ParseDefinedType(const std::string& text);
  std::string ParseFactSlot(TFact& fact, const std::string& text);
  // The set is owned by the engine but not in its collection; the caller
  // adds it (or deletes it).
  TFactSet* ParseFactSet(const std::string& text);
  IFunCall ParseFunCall(const std::string& text);
  IFactTemplate ParseFactTemplate(const std::string& text);
  IFactSlot ParseFactTemplateSlot(const std::string& text, TFactTemplate* owner = nullptr);
  IInterpretedFunction ParseFunction(const std::string& text);
  // A value sequence made a fuzzy value of the type's fuzzy variable.
  IIEValue ParseFuzzyExpression(const std::string& text, const TIEDefinedType& type);
  IFuzzySet ParseFuzzySet(const std::string& text, TIFuzzyVariable& variable);
  IFuzzyVariable ParseFuzzyVariable(const std::string& text);
  // "(defglobal ...)": every definition is set in the engine.
  void ParseGlobalVariables(const std::string& text);
  // "?*name* = value": answers the name and stores the value.
  std::string ParseVariable(const std::string& text, IIEValue& value);
  IIEValue ParseList(const std::string& text);
  IIEValue EvaluateFunCall(const std::string& text);
  // The rule is owned by the engine but not in its collection; the caller
  // adds it (or deletes it).
  TRule* ParseRule(const std::string& text);
  void ParseRulePatterns(TRule& rule, const std::string& text);
  void ParseRuleActions(TRule& rule, const std::string& text);
  ISingletonsVector ParseFuzzyPoints(const std::string& text) override;
  IIEValue ParseFactSlotValue(const TFactSlot& slot, const std::string& text);
  // A value for a slot given by its kinds and defined type (fuzzy slots).
  IIEValue ParseSlotValue(const std::string& text, TIETypes types,
                          const IIEDefinedType& definedType, const std::string& slotName);

  // ---- Printing.
  std::string PrintFact(const TFact& fact) override;
  std::string PrintFactTemplate(const TFactTemplate& factTemplate) override;
  std::string PrintTemplateSlot(const TFactSlot& slot) override;
  std::string PrintFactSet(const TFactSet& factSet) override;
  std::string PrintFunCall(const TFunctionCall& call) override;
  std::string PrintFunction(const TIEUserFunction& function) override;
  std::string PrintDefinedType(const TIEDefinedType& type) override;
  std::string PrintRule(const TRule& rule) override;
  std::string PrintPattern(const TIEPattern& pattern) override;

 private:
  class TInput;
  // Runs `read` with a tokenizer over `source` as the parser's input.
  template <class F>
  auto WithInput(TStream& source, F&& read);
  template <class F>
  auto WithText(const std::string& text, F&& read);
  void SyncSettings();

  TInferenceEngine& FEngine;
  std::unique_ptr<TIEVorlanParser> FParser;
  TIEPrinter FPrinter;
  // The engine settings last passed on, so that only changes are copied.
  TErrorHandling FSeenErrorHandling;
  int32_t FSeenMaxErrors;
  bool FSeenStaticChecks;
};

}  // namespace vettora
