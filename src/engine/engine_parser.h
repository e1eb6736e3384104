#pragma once
// IEngineParser: the rule-language reader and printer an engine hands all
// its text work to. The engine owns one, made by CreateDefaultParser when
// the engine is built; SetParser replaces it. The engine never names the
// concrete parser: everything it and its callers need -- whole texts, the
// one-construct entries, printing, the parse events and the reading
// settings -- is on this interface.
//
// Each one-construct entry makes the text the parser's input for that one
// construct and restores the previous input afterwards, also after an
// error, so an entry may be used while a larger text is being read.
//
// TEngineTextFallback serves an engine whose parser was taken away
// (SetParser(nullptr)): it reads nothing (every reading entry raises
// "Unable to parse strings of %s at this time") and prints with the
// free-standing printers of the lower layers.

#include <cstdint>
#include <ctime>
#include <memory>
#include <string>

#include "engine/parse_events.h"
#include "functions/slot_functions.h"
#include "knowledge/fact.h"
#include "knowledge/fact_slot.h"
#include "values/value.h"

namespace vettora {

class TFactSet;
class TFactSlot;
class TFactTemplate;
class TFunctionCall;
class TIEDefinedType;
class TIEPattern;
class TIFuzzyVariable;
class TInferenceEngine;
class TInterpretedFunction;
class TRule;
class TStream;
class TIEUserFunction;
using IInterpretedFunction = Ref<TInterpretedFunction>;

class IEngineParser {
 public:
  virtual ~IEngineParser() = default;

  // ---- Whole texts.
  // Runs rule-language text in the engine: constructs are added, commands
  // executed.
  virtual void ExecuteText(const std::string& text) = 0;
  // The same over a stream, read from its position to its end.
  virtual void ExecuteStream(TStream& source) = 0;
  // Reads facts to the end of the stream and asserts each one; false when
  // an error was collected rather than raised.
  virtual bool ParseFacts(TStream& source) = 0;
  // The whole knowledge base as text that ExecuteText reads back; `created`
  // is the time written in its header.
  [[nodiscard]] virtual std::string KnowledgeBaseText(std::time_t created) = 0;

  // ---- One construct from a text.
  // One fact, its template found (or created implied) in the engine; slot
  // values are not evaluated.
  [[nodiscard]] virtual IFact ParseFact(const std::string& text) = 0;
  // A value sequence: one value (a constant, a call, a fact or a fuzzy
  // value), or a list of several.
  [[nodiscard]] virtual IIEValue ParseValue(const std::string& text) = 0;
  // A value of `kind` (a TIEType) made from the text; kinds that cannot be
  // made from text raise "Unable to parse strings of %s at this time".
  virtual IIEValue ParseValue(const std::string& text, int32_t kind) = 0;
  virtual IIEDefinedType ParseDefinedType(const std::string& text) = 0;
  // One "(slot value...)" into the fact; answers the slot name.
  virtual std::string ParseFactSlot(TFact& fact, const std::string& text) = 0;
  // Owned by the engine but not in its collection: the caller adds it (or
  // deletes it).
  virtual TFactSet* ParseFactSet(const std::string& text) = 0;
  virtual IFunCall ParseFunCall(const std::string& text) = 0;
  virtual IFactTemplate ParseFactTemplate(const std::string& text) = 0;
  virtual IFactSlot ParseFactTemplateSlot(const std::string& text,
                                          TFactTemplate* owner = nullptr) = 0;
  virtual IInterpretedFunction ParseFunction(const std::string& text) = 0;
  // A value sequence made a fuzzy value of the type's fuzzy variable.
  virtual IIEValue ParseFuzzyExpression(const std::string& text, const TIEDefinedType& type) = 0;
  virtual IFuzzySet ParseFuzzySet(const std::string& text, TIFuzzyVariable& variable) = 0;
  virtual IFuzzyVariable ParseFuzzyVariable(const std::string& text) = 0;
  // "(defglobal ...)": every definition is set in the engine.
  virtual void ParseGlobalVariables(const std::string& text) = 0;
  // "?*name* = value": answers the name and stores the value.
  virtual std::string ParseVariable(const std::string& text, IIEValue& value) = 0;
  virtual IIEValue ParseList(const std::string& text) = 0;
  // One function call, evaluated in the root context.
  virtual IIEValue EvaluateFunCall(const std::string& text) = 0;
  // Owned by the engine but not in its collection: the caller adds it (or
  // deletes it).
  virtual TRule* ParseRule(const std::string& text) = 0;
  virtual void ParseRulePatterns(TRule& rule, const std::string& text) = 0;
  virtual void ParseRuleActions(TRule& rule, const std::string& text) = 0;
  virtual ISingletonsVector ParseFuzzyPoints(const std::string& text) = 0;
  // A value for a fact slot, checked against the slot's kinds.
  virtual IIEValue ParseFactSlotValue(const TFactSlot& slot, const std::string& text) = 0;
  // The same for a slot given by kinds and defined type (fuzzy slots).
  virtual IIEValue ParseSlotValue(const std::string& text, TIETypes types,
                                  const IIEDefinedType& definedType,
                                  const std::string& slotName) = 0;

  // ---- Printing.
  // A fact as it is written inside a construct (a fact set's line): in the
  // form the parser reads back, fuzzy values by their term or shape.
  [[nodiscard]] virtual std::string PrintFact(const TFact& fact) = 0;
  [[nodiscard]] virtual std::string PrintFactTemplate(const TFactTemplate& factTemplate) = 0;
  [[nodiscard]] virtual std::string PrintTemplateSlot(const TFactSlot& slot) = 0;
  [[nodiscard]] virtual std::string PrintFactSet(const TFactSet& factSet) = 0;
  [[nodiscard]] virtual std::string PrintFunCall(const TFunctionCall& call) = 0;
  [[nodiscard]] virtual std::string PrintFunction(const TIEUserFunction& function) = 0;
  [[nodiscard]] virtual std::string PrintDefinedType(const TIEDefinedType& type) = 0;
  [[nodiscard]] virtual std::string PrintRule(const TRule& rule) = 0;
  [[nodiscard]] virtual std::string PrintPattern(const TIEPattern& pattern) = 0;
  // "?*x* = 1": one global's definition as the parser reads it back.
  [[nodiscard]] virtual std::string PrintGlobal(const std::string& name, const IIEValue& value) = 0;

  // ---- Events and reading settings.
  [[nodiscard]] virtual TParseEvents& Events() = 0;
  [[nodiscard]] virtual const TParseEvents& Events() const = 0;
  // A fact naming an undefined template is an error instead of creating an
  // implied template.
  [[nodiscard]] virtual bool StrictTemplates() const = 0;
  virtual void SetStrictTemplates(bool value) = 0;
  // The functions whose parenthesised arguments are facts or slot pairs.
  [[nodiscard]] virtual const TSlotFunctions& SlotFunctions() const = 0;
  virtual void SetSlotFunctions(const TSlotFunctions& list) = 0;
  // Takes the source's events and reading settings (an engine copy).
  void AssignSettings(const IEngineParser& source);
};

// The parser a new engine is made with. The engine declares it; the
// program supplies it (the defaults folder), so that the engine's library
// does not depend on the language layer.
[[nodiscard]] std::unique_ptr<IEngineParser> CreateDefaultParser(TInferenceEngine& engine);

class TEngineTextFallback : public IEngineParser {
 public:
  void ExecuteText(const std::string& text) override;
  void ExecuteStream(TStream& source) override;
  bool ParseFacts(TStream& source) override;
  std::string KnowledgeBaseText(std::time_t created) override;

  IFact ParseFact(const std::string& text) override;
  IIEValue ParseValue(const std::string& text) override;
  IIEValue ParseValue(const std::string& text, int32_t kind) override;
  IIEDefinedType ParseDefinedType(const std::string& text) override;
  std::string ParseFactSlot(TFact& fact, const std::string& text) override;
  TFactSet* ParseFactSet(const std::string& text) override;
  IFunCall ParseFunCall(const std::string& text) override;
  IFactTemplate ParseFactTemplate(const std::string& text) override;
  IFactSlot ParseFactTemplateSlot(const std::string& text, TFactTemplate* owner) override;
  IInterpretedFunction ParseFunction(const std::string& text) override;
  IIEValue ParseFuzzyExpression(const std::string& text, const TIEDefinedType& type) override;
  IFuzzySet ParseFuzzySet(const std::string& text, TIFuzzyVariable& variable) override;
  IFuzzyVariable ParseFuzzyVariable(const std::string& text) override;
  void ParseGlobalVariables(const std::string& text) override;
  std::string ParseVariable(const std::string& text, IIEValue& value) override;
  IIEValue ParseList(const std::string& text) override;
  IIEValue EvaluateFunCall(const std::string& text) override;
  TRule* ParseRule(const std::string& text) override;
  void ParseRulePatterns(TRule& rule, const std::string& text) override;
  void ParseRuleActions(TRule& rule, const std::string& text) override;
  ISingletonsVector ParseFuzzyPoints(const std::string& text) override;
  IIEValue ParseFactSlotValue(const TFactSlot& slot, const std::string& text) override;
  IIEValue ParseSlotValue(const std::string& text, TIETypes types,
                          const IIEDefinedType& definedType, const std::string& slotName) override;

  // The fact's own Text.
  std::string PrintFact(const TFact& fact) override;
  std::string PrintFactTemplate(const TFactTemplate& factTemplate) override;
  std::string PrintTemplateSlot(const TFactSlot& slot) override;
  std::string PrintFactSet(const TFactSet& factSet) override;
  std::string PrintFunCall(const TFunctionCall& call) override;
  // Without a printer only the name is known.
  std::string PrintFunction(const TIEUserFunction& function) override;
  std::string PrintDefinedType(const TIEDefinedType& type) override;
  // "(defrule name)" and "(name)": without a printer only the names.
  std::string PrintRule(const TRule& rule) override;
  std::string PrintPattern(const TIEPattern& pattern) override;
  std::string PrintGlobal(const std::string& name, const IIEValue& value) override;

  TParseEvents& Events() override { return FEvents; }
  const TParseEvents& Events() const override { return FEvents; }
  bool StrictTemplates() const override { return FStrictTemplates; }
  void SetStrictTemplates(bool value) override { FStrictTemplates = value; }
  const TSlotFunctions& SlotFunctions() const override { return FSlotFunctions; }
  void SetSlotFunctions(const TSlotFunctions& list) override { FSlotFunctions = list; }

 private:
  TParseEvents FEvents;
  bool FStrictTemplates = false;
  TSlotFunctions FSlotFunctions = TSlotFunctions::Defaults();
};

// The `deffacts` text: "(deffacts name \"comment\"", CR LF, each fact's
// text after four blanks and before CR LF, then ")".
[[nodiscard]] std::string FactSetText(const TFactSet& factSet);

}  // namespace vettora
