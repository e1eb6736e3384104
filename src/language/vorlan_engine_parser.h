#pragma once
// TVorlanEngineParser: the rule-language reader and printer an engine
// is made with (CreateDefaultParser). Reading goes to one
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
#include <ctime>
#include <memory>
#include <string>

#include "engine/engine_parser.h"
#include "fuzzy/singletons_parser.h"
#include "language/printer.h"
#include "language/vorlan_parser.h"

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
  std::string KnowledgeBaseText(std::time_t created) override;

  // ---- One construct from a text.
  IFact ParseFact(const std::string& text) override;
  // A value sequence: one value, or a list of several.
  IIEValue ParseValue(const std::string& text) override;
  // A value of `kind` made from the text: the empty value for dtNone, an
  // atom, a string without its surrounding quotes, an integer or fact id, a
  // float, a variable, slot or multislot named by the text, a parsed call,
  // a parsed fact, or a value sequence as a list. Other kinds raise
  // "Unable to parse strings of %s at this time".
  IIEValue ParseValue(const std::string& text, int32_t kind) override;
  IIEDefinedType ParseDefinedType(const std::string& text) override;
  std::string ParseFactSlot(TFact& fact, const std::string& text) override;
  // The set is owned by the engine but not in its collection; the caller
  // adds it (or deletes it).
  TFactSet* ParseFactSet(const std::string& text) override;
  IFunCall ParseFunCall(const std::string& text) override;
  IFactTemplate ParseFactTemplate(const std::string& text) override;
  IFactSlot ParseFactTemplateSlot(const std::string& text, TFactTemplate* owner = nullptr) override;
  IInterpretedFunction ParseFunction(const std::string& text) override;
  // A value sequence made a fuzzy value of the type's fuzzy variable.
  IIEValue ParseFuzzyExpression(const std::string& text, const TIEDefinedType& type) override;
  IFuzzySet ParseFuzzySet(const std::string& text, TIFuzzyVariable& variable) override;
  IFuzzyVariable ParseFuzzyVariable(const std::string& text) override;
  // "(defglobal ...)": every definition is set in the engine.
  void ParseGlobalVariables(const std::string& text) override;
  // "?*name* = value": answers the name and stores the value.
  std::string ParseVariable(const std::string& text, IIEValue& value) override;
  IIEValue ParseList(const std::string& text) override;
  IIEValue EvaluateFunCall(const std::string& text) override;
  // The rule is owned by the engine but not in its collection; the caller
  // adds it (or deletes it).
  TRule* ParseRule(const std::string& text) override;
  void ParseRulePatterns(TRule& rule, const std::string& text) override;
  void ParseRuleActions(TRule& rule, const std::string& text) override;
  ISingletonsVector ParseFuzzyPoints(const std::string& text) override;
  IIEValue ParseFactSlotValue(const TFactSlot& slot, const std::string& text) override;
  // A value for a slot given by its kinds and defined type (fuzzy slots).
  IIEValue ParseSlotValue(const std::string& text, TIETypes types,
                          const IIEDefinedType& definedType, const std::string& slotName) override;

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
  std::string PrintGlobal(const std::string& name, const IIEValue& value) override;

  // ---- Events and reading settings, held by the reading parser.
  TParseEvents& Events() override { return *FParser; }
  const TParseEvents& Events() const override { return *FParser; }
  bool StrictTemplates() const override;
  void SetStrictTemplates(bool value) override;
  const TSlotFunctions& SlotFunctions() const override;
  void SetSlotFunctions(const TSlotFunctions& list) override;

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
