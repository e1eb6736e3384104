#pragma once
// TIEParser: the reader of rule-language text. It turns the tokens of a
// TIEVorlanStream into engine objects -- templates, facts, fact sets, rules,
// deffunctions, globals and defined types -- and adds every top-level
// construct to its engine as soon as it is read; top-level calls are
// evaluated as they are read, which makes the parser the engine's command
// interpreter.
//
// The class is abstract: it holds the settings and notifications and
// declares the reading operations; TIEVorlanParser implements them. The
// stream is not owned and changes for every load; the engine outlives the
// parser.

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "engine/parse_events.h"
#include "fuzzy/fuzzy_variable.h"
#include "fuzzy/ifuzzy_set.h"
#include "knowledge/defined_type.h"
#include "knowledge/fact.h"
#include "knowledge/fact_slot.h"
#include "knowledge/fact_template.h"
#include "reader/error_handling.h"
#include "reader/stream_token.h"
#include "values/object.h"
#include "values/value.h"
#include "values/value_vector.h"

namespace vettora {

class TFactSet;
class TFunctionCall;
class TIEPattern;
class TIEUserFunction;
class TIEVorlanStream;
class TInferenceEngine;
class TInterpretedFunction;
class TRule;
using IFunCall = Ref<TFunctionCall>;
using IInterpretedFunction = Ref<TInterpretedFunction>;
using IUserFunction = Ref<TIEUserFunction>;

// The variables of one rule by name, each with the kind it had at its
// first use (dtVariable or dtMultiVariable); sorted and duplicate-free.
using TVariableList = std::map<std::string, TIEType>;

// What the start of every `def...` construct gives: the name, the comment
// (empty when there is none) and the token after them.
struct TConstructHeader {
  std::string Name;
  std::string Comment;
  IStreamToken Next;
};

// The type set a `type` clause names and the defined type it names, if any.
struct TSlotTypes {
  TIETypes Types;
  IIEDefinedType DefinedType;
};

class TIEParser : public TObject, public TParseEvents {
 public:
  // The engine is not owned and must outlive the parser; the stream may be
  // null until the first load.
  TIEParser(TInferenceEngine& engine, TIEVorlanStream* stream);
  ~TIEParser() override;
  TIEParser(const TIEParser&) = delete;
  TIEParser& operator=(const TIEParser&) = delete;

  [[nodiscard]] std::string ClassName() const override { return "TIEParser"; }

  [[nodiscard]] TInferenceEngine& Engine() const { return FEngine; }
  [[nodiscard]] TIEVorlanStream* Stream() const { return FStream; }
  virtual void SetStream(TIEVorlanStream* stream) { FStream = stream; }

  // ---- Settings.
  // A fact naming an undefined template is an error instead of creating an
  // implied template.
  [[nodiscard]] bool StrictTemplates() const { return FStrictTemplates; }
  void SetStrictTemplates(bool value) { FStrictTemplates = value; }
  // Values written in text are checked against their slot's kinds.
  [[nodiscard]] bool StaticTypeChecks() const { return FStaticTypeChecks; }
  void SetStaticTypeChecks(bool value) { FStaticTypeChecks = value; }
  [[nodiscard]] TErrorHandling ErrorHandling() const { return FErrorHandling; }
  void SetErrorHandling(TErrorHandling value) { FErrorHandling = value; }
  [[nodiscard]] int32_t MaxErrors() const { return FMaxErrors; }
  void SetMaxErrors(int32_t value) { FMaxErrors = value; }

  // The notifications are the TParseEvents members, raised with the
  // parser as sender when set.

  // ---- Reading operations, in the order of their slots.
  // Drops the tokens read ahead.
  virtual void Reset() = 0;
  // The engine's next unique name for the prefix.
  [[nodiscard]] virtual std::string UniqueName(const std::string& prefix) = 0;
  // A variable named after the template and the slot; with `unique`, a
  // number is appended while the name is taken in `variables`, and the
  // name is then recorded there.
  [[nodiscard]] virtual IIEValue UniqueSlotVariable(const TFactTemplate& factTemplate,
                                                    const TFactSlot& slot, TVariableList& variables,
                                                    bool unique) = 0;
  // "(name argument-text)", or "(name)" when the argument text is empty.
  [[nodiscard]] virtual std::string FunctionSyntax(const TIEUserFunction& function) = 0;
  // Reads the whole stream (see the error-handling modes in vorlan_parser.cpp).
  virtual void Parse(bool execute) = 0;
  // Reads one top-level item; false at the end of the stream.
  virtual bool ParseNext(bool execute) = 0;
  // Reads facts to the end of the stream and asserts each one.
  virtual bool ParseFacts() = 0;
  virtual IIEDefinedType ParseDefinedType() = 0;
  // A fact set owned by the engine but not yet in its fact-set collection.
  virtual TFactSet* ParseFactSet() = 0;
  virtual IFact ParseFact() = 0;
  // One "(slot value...)" of a fact; answers the slot name.
  virtual std::string ParseFactSlot(TFact& fact) = 0;
  virtual IFactTemplate ParseFactTemplate() = 0;
  // One slot definition; `owner` is the template it is meant for.
  virtual IFactSlot ParseFactTemplateSlot(TFactTemplate* owner) = 0;
  virtual IInterpretedFunction ParseFunction() = 0;
  virtual IFunCall ParseFunCall() = 0;
  virtual IFuzzySet ParseFuzzySet(TIFuzzyVariable& variable) = 0;
  virtual IFuzzyVariable ParseFuzzyVariable() = 0;
  // One global definition "?*name* = value"; answers the name (without
  // "?") and stores the value.
  virtual std::string ParseVariable(IIEValue& value) = 0;
  virtual void ParseGlobalVariables() = 0;
  virtual IIEValue ParseList() = 0;
  virtual IIEValue EvaluateFunCall() = 0;
  virtual std::unique_ptr<TIEPattern> ParsePattern(int32_t negationDepth,
                                                   TVariableList& variables) = 0;
  // A rule owned by the engine but not yet in its rule collection.
  virtual TRule* ParseRule() = 0;
  virtual void ParseRuleActions(TRule& rule) = 0;
  virtual void ParseRulePatterns(TRule& rule, TVariableList& variables) = 0;
  virtual ISingletonsVector ParseFuzzyPoints() = 0;
  virtual IValueVector ParseValuePair() = 0;
  // A value sequence: the single value read, or a list of them.
  virtual IIEValue ParseValue() = 0;
  virtual IIEValue ParseFactSlotValue(const TFactSlot& slot) = 0;
  virtual IIEValue ParseSlotValue(TIETypes types, const IIEDefinedType& definedType,
                                  const std::string& slotName) = 0;
  // The name "prefix + slot", with `number` appended when it is above 0.
  [[nodiscard]] virtual std::string VariableName(int32_t number, const std::string& slot,
                                                 const std::string& prefix) = 0;
  // Classifies a top-level token; a "(" is given back to the stream.
  virtual TParsedType GetConstructType(const IStreamToken& token) = 0;
  // Raises EIEParseException "Parsing Error, <message> in <where> at line
  // <n>: <construct record>".
  [[noreturn]] virtual void ParseError(const std::string& where, const std::string& message) = 0;
  virtual TConstructHeader ParseHeader(const std::string& keyword, const std::string& errorMessage,
                                       const std::string& where, bool commentAllowed) = 0;
  virtual TSlotTypes ParseSlotTypes() = 0;

 protected:
  TInferenceEngine& FEngine;
  TIEVorlanStream* FStream;

 private:
  bool FStrictTemplates = false;
  bool FStaticTypeChecks = true;
  TErrorHandling FErrorHandling = ehRaiseImmediate;
  int32_t FMaxErrors = 10;
};

}  // namespace vettora
