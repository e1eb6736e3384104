#pragma once
// TIEVorlanParser: the rule-language parser. It reads through a
// TIEVorlanStream with one token of look-ahead (pushing tokens back where
// the grammar needs to look further) and builds the engine's objects.
//
// Its operations fall into areas, each in its own source file:
//   vorlan_parser.cpp            top level, error handling, headers
//   vorlan_parser_templates.cpp  deftemplate, slot definitions, slot types
//   vorlan_parser_types.cpp      deftype, range, cardinality, allowed values
//   vorlan_parser_facts.cpp      facts, fact sets
//   vorlan_parser_rules.cpp      defrule, declare, the left-hand side
//   vorlan_parser_patterns.cpp   patterns and slot constraints
//   vorlan_parser_functions.cpp  calls, deffunction, defglobal, value pairs
//   vorlan_parser_values.cpp     value sequences, lists, slot values
//   vorlan_parser_fuzzy.cpp      fuzzy points, terms and variables
//
// Every text error is raised through ParseError, naming the line of the
// token that was current. Parenthesised groups nest at most kMaxNesting
// deep: deeper text is refused with an error instead of exhausting the
// stack.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "functions/slot_functions.h"
#include "language/ie_parser.h"
#include "language/shared_calls.h"

namespace vettora {

class TIEContext;

class TIEVorlanParser : public TIEParser {
 public:
  static constexpr int32_t kMaxNesting = 500;

  TIEVorlanParser(TInferenceEngine& engine, TIEVorlanStream* stream = nullptr);
  ~TIEVorlanParser() override;

  [[nodiscard]] std::string ClassName() const override { return "TIEVorlanParser"; }

  // The functions whose parenthesised arguments are facts or slot pairs;
  // assigning copies the list.
  [[nodiscard]] const TSlotFunctions& SlotFunctions() const { return FSlotFunctions; }
  void SetSlotFunctions(const TSlotFunctions& list) { FSlotFunctions = list; }

  // ---- TIEParser.
  void Reset() override;
  std::string UniqueName(const std::string& prefix) override;
  IIEValue UniqueSlotVariable(const TFactTemplate& factTemplate, const TFactSlot& slot,
                              TVariableList& variables, bool unique) override;
  std::string FunctionSyntax(const TIEUserFunction& function) override;
  void Parse(bool execute) override;
  bool ParseNext(bool execute) override;
  bool ParseFacts() override;
  IIEDefinedType ParseDefinedType() override;
  TFactSet* ParseFactSet() override;
  IFact ParseFact() override;
  std::string ParseFactSlot(TFact& fact) override;
  IFactTemplate ParseFactTemplate() override;
  IFactSlot ParseFactTemplateSlot(TFactTemplate* owner) override;
  IInterpretedFunction ParseFunction() override;
  IFunCall ParseFunCall() override;
  IFuzzySet ParseFuzzySet(TIFuzzyVariable& variable) override;
  IFuzzyVariable ParseFuzzyVariable() override;
  std::string ParseVariable(IIEValue& value) override;
  void ParseGlobalVariables() override;
  IIEValue ParseList() override;
  IIEValue EvaluateFunCall() override;
  std::unique_ptr<TIEPattern> ParsePattern(int32_t negationDepth,
                                           TVariableList& variables) override;
  TRule* ParseRule() override;
  void ParseRuleActions(TRule& rule) override;
  void ParseRulePatterns(TRule& rule, TVariableList& variables) override;
  ISingletonsVector ParseFuzzyPoints() override;
  IValueVector ParseValuePair() override;
  IIEValue ParseValue() override;
  IIEValue ParseFactSlotValue(const TFactSlot& slot) override;
  IIEValue ParseSlotValue(TIETypes types, const IIEDefinedType& definedType,
                          const std::string& slotName) override;
  std::string VariableName(int32_t number, const std::string& slot,
                           const std::string& prefix) override;
  TParsedType GetConstructType(const IStreamToken& token) override;
  [[noreturn]] void ParseError(const std::string& where, const std::string& message) override;
  TConstructHeader ParseHeader(const std::string& keyword, const std::string& errorMessage,
                               const std::string& where, bool commentAllowed) override;
  TSlotTypes ParseSlotTypes() override;

  // The construct record as error messages show it: a record of 256
  // characters or more keeps its first 128 and the 128 before its last.
  [[nodiscard]] static std::string ShortRecord(const std::string& record);

 protected:
  // ParseError, for callers that rely on it not returning.
  [[noreturn]] void Fail(const std::string& where, const std::string& message);

  // ---- Token helpers.
  [[nodiscard]] IStreamToken Next();
  void PushBack(const IStreamToken& token);
  // The next token without taking it.
  [[nodiscard]] IStreamToken Peek();
  // The atom after a "(" that comes next, without taking either; empty
  // when the next token is not "(" or no atom follows it.
  [[nodiscard]] std::string PeekKeyword();
  // Takes the next token, which must be of `kind`; otherwise raises
  // `message` in `where`.
  IStreamToken Expect(int32_t kind, const std::string& where, const char* message);
  void ExpectClose(const std::string& where);
  [[nodiscard]] TIEContext* Context() const;
  // The engine's template of that name, made implied when missing; a name
  // the engine refuses is an error in `where`.
  [[nodiscard]] IFactTemplate TemplateNamed(const std::string& name, const char* where);
  // The line of the current token, for errors raised outside ParseError.
  [[nodiscard]] int32_t CurrentLine();
  [[nodiscard]] std::string CurrentRecord() const;

  // Counts one more level of nesting for its lifetime; beyond kMaxNesting
  // the text is refused in `where`.
  class TNestingGuard {
   public:
    TNestingGuard(TIEVorlanParser& parser, const char* where);
    ~TNestingGuard() { --FParser.FNesting; }
    TNestingGuard(const TNestingGuard&) = delete;
    TNestingGuard& operator=(const TNestingGuard&) = delete;

   private:
    TIEVorlanParser& FParser;
  };

  // ---- Top level (vorlan_parser.cpp).
  void AddConstruct(TParsedType kind, TObject*& object, Ref<TCounted>& item);
  void ReportParse(TParsedType kind, TObject* object, const Ref<TCounted>& item);
  [[nodiscard]] std::string CollectedErrorText(const std::exception& error);

  // ---- Templates and types (vorlan_parser_templates.cpp, _types.cpp).
  struct TSlotDraft;
  void ParseSlotQualifier(TSlotDraft& draft);
  void FinishSlot(TSlotDraft& draft);
  [[nodiscard]] IIEDefinedType& ImplicitType(TSlotDraft& draft);
  void CheckNotFuzzy(const TSlotDraft& draft);
  void AddSlotTypeWord(const IStreamToken& token, TSlotTypes& result);
  void ParseRangeStatement(TIEDefinedType& type, bool cardinality, const std::string& where);
  // Reads two bounds; an open bound ("?VARIABLE") leaves its flag false.
  void ParseBounds(const char* what, bool variablesAllowed, const std::string& where, double& low,
                   bool& hasLow, double& high, bool& hasHigh);
  [[nodiscard]] bool ParseBound(const char* what, bool variablesAllowed, const std::string& where,
                                double& bound);
  void ParseAllowedValues(TIEDefinedType& type, const IStreamToken& word, const std::string& where);
  void ParseFacet(TIEDefinedType& type);
  [[nodiscard]] std::string ParseUnits();

  // ---- Rules and patterns (vorlan_parser_rules.cpp, _patterns.cpp).
  void ParseDeclare(TRule& rule);
  void ParseSalience(TRule& rule);
  [[nodiscard]] bool ParseFlagValue();
  std::unique_ptr<TIEPattern> ParseConditionalElement(int32_t negationDepth,
                                                      TVariableList& variables);
  std::unique_ptr<TIEPattern> ParseTestElement(int32_t negationDepth);
  std::unique_ptr<TIEPattern> ParseTemplatePattern(const std::string& name, int32_t negationDepth,
                                                   TVariableList& variables);
  struct TConstraintState;
  void ParseSlotConstraints(TIEPattern& pattern, const TFactSlot& slot, TVariableList& variables);
  void ParseConstraint(TConstraintState& state, const IStreamToken& token);
  void AddTest(TConstraintState& state, IIEValue value, bool negated);
  void AddReturnValueConstraint(TConstraintState& state, bool negated);
  [[nodiscard]] IIEValue FuzzyConstraintValue(const TConstraintState& state);
  [[nodiscard]] IIEValue PatternVariable(const IStreamToken& token, TVariableList& variables);

  // ---- Calls and values (vorlan_parser_functions.cpp, _values.cpp).
  void ParseArgument(TFunctionCall& call, const IStreamToken& token, bool hasRange,
                     const TSlotFunctions::TRange& range);
  // The values of a sequence, up to a ")" or the end of the stream, which
  // is given back; `inFact` applies the rules of lists in facts.
  [[nodiscard]] std::vector<IIEValue> ParseValueItems(bool inFact, const char* where);
  [[nodiscard]] IIEValue ParseParenthesisedValue();
  [[nodiscard]] IIEValue ParseSingleSlotValue(const char* where);
  [[nodiscard]] IIEValue FuzzyValueOf(const IIEValue& value, TIFuzzyVariable* variable,
                                      const char* where);
  [[nodiscard]] IIEValue CheckedSlotValue(IIEValue value, TIETypes types,
                                          const IIEDefinedType& definedType,
                                          const std::string& slotName);
  [[nodiscard]] IIEValue FuzzyPointCoordinate();

 private:
  friend class TNestingGuard;
  TSlotFunctions FSlotFunctions = TSlotFunctions::Defaults();
  int32_t FNesting = 0;
  TSharedCalls FSharedActions;  // rule actions, shared among the rules read
};

// Trims blanks, tabs and line breaks from both ends.
[[nodiscard]] std::string TrimText(const std::string& text);

}  // namespace vettora
