#pragma once
// TIEPrinter: the rule-language printer. It writes every construct of the
// knowledge base back as rule-language text that the parser reads into the
// same construct, so that printing, parsing and printing again gives the
// same text: facts and fact sets, templates and their slots, rules and
// their patterns, function calls and deffunctions, global variables,
// defined types and the fuzzy forms.
//
// The forms are fixed byte for byte: lines end with CR LF, a nested
// construct's own line breaks are indented by four blanks, numbers of the
// fuzzy forms are written "%.4f". The engine hands every print request of
// the lower layers (a rule's, pattern's, call's, function's, slot's,
// template's or type's Text) to one of the entries below.
//
// The printer keeps no state: one instance serves any number of engines,
// and constructs that belong to no engine print the same way.

#include <cstdint>
#include <functional>
#include <string>

#include "values/value.h"

namespace vettora {

class TFact;
class TFactSet;
class TFactSlot;
class TFactTemplate;
class TFunctionCall;
class TFuzzySet;
class TIEDefinedType;
class TIEPattern;
class TIEUserFunction;
class TIFuzzyVariable;
class TRule;
class TSingletonsVector;
class TValueHashTable;

// The two sides of a rule for PrintRuleSide.
enum TRuleSide : uint8_t { rsLeftHandSide = 0, rsRightHandSide = 1 };

class TIEPrinter {
 public:
  // Answers whether a shape function ("tri", "z", "s", "pi", "beta") can be
  // read back; a term whose shape function is missing prints by its points,
  // which read back without it. Null: every shape function is available.
  using TShapeAvailable = std::function<bool(const std::string& word)>;
  void SetShapeAvailable(TShapeAvailable available) { FShapeAvailable = std::move(available); }

  // ---- Facts and fact sets.
  // "(name (slot value) ...)", "(name v1 v2 )" for an implied template.
  [[nodiscard]] std::string PrintFact(const TFact& fact) const;
  // One slot of a fact as it appears in the fact's text: "(slot value)",
  // the bare value text for the "__Data" slot of an implied template, and
  // the empty text when the value prints empty. Raises "No such slot name"
  // for a slot the fact's template does not have.
  [[nodiscard]] std::string PrintFactSlot(const TFact& fact, const std::string& slotName) const;
  [[nodiscard]] std::string PrintFactSlotValue(const TFact& fact, const std::string& slotName,
                                               const IIEValue& value) const;
  [[nodiscard]] std::string PrintFactSlotText(const TFact& fact, const std::string& slotName,
                                              const std::string& text) const;
  // "(deffacts name \"comment\"" CR LF, four blanks + fact + CR LF per
  // fact, ")".
  [[nodiscard]] std::string PrintFactSet(const TFactSet& factSet) const;

  // ---- Templates and slots (the free-standing knowledge printer's forms).
  [[nodiscard]] std::string PrintTemplateSlot(const TFactSlot& slot) const;
  [[nodiscard]] std::string PrintFactTemplate(const TFactTemplate& factTemplate) const;

  // ---- Function calls and functions.
  // Comment lines, then "(name arg ...)"; modify and duplicate print their
  // slot pairs in parentheses.
  [[nodiscard]] std::string PrintFunCall(const TFunctionCall& call) const;
  // A deffunction's `deffunction` text; any other function's help text.
  [[nodiscard]] std::string PrintFunction(const TIEUserFunction& function) const;
  // ";; name function" CR LF ";;     help" CR LF ";;          syntax: ...".
  [[nodiscard]] std::string PrintFunctionHelp(const TIEUserFunction& function) const;
  // "(name argument-text)", or "(name)" when the argument text is empty.
  [[nodiscard]] static std::string FunctionSyntax(const TIEUserFunction& function);

  // ---- Rules and patterns.
  // "(defrule name" ... "=>" ... ")". Raises "Fact Template is missing"
  // for a pattern without template.
  [[nodiscard]] std::string PrintRule(const TRule& rule) const;
  // The patterns (four blanks each, joined by CR LF) or the actions (four
  // blanks + action + CR LF each).
  [[nodiscard]] std::string PrintRuleSide(const TRule& rule, TRuleSide side) const;
  // One conditional element, with its wrappers and its binding.
  [[nodiscard]] std::string PrintPattern(const TIEPattern& pattern) const;

  // ---- Global variables.
  // "?name = value" ("?" added unless the name has it).
  [[nodiscard]] std::string PrintGlobal(const std::string& name, const IIEValue& value) const;
  // "(defglobal ?a = 1 ?b = 2)" in the table's enumeration order.
  [[nodiscard]] std::string PrintGlobals(const TValueHashTable& table) const;

  // ---- Defined types and fuzzy forms.
  // "(deftype name extends (type ...)" CR LF, facets or the fuzzy
  // variable, ")"; an implicit type prints only "(type ...)" CR LF and its
  // facets, as it appears inside a template slot.
  [[nodiscard]] std::string PrintDefinedType(const TIEDefinedType& type) const;
  // The body of a fuzzy type: range, units and the terms.
  [[nodiscard]] std::string PrintFuzzyVariable(const TIFuzzyVariable& variable) const;
  // As a term "(term name shape)"; otherwise the shape alone, the form a
  // fuzzy value is read back from.
  [[nodiscard]] std::string PrintFuzzySet(const TFuzzySet& set, bool asTerm) const;
  // "((x y) (x y) )"; the empty text for no points.
  [[nodiscard]] std::string PrintSingletons(const TSingletonsVector& singletons) const;

  // A value as the printer writes it inside a construct: a fuzzy value that
  // is a term of its variable by the term's name, any other fuzzy value by
  // its shape; every other value in its printed form.
  [[nodiscard]] std::string ValueText(const IIEValue& value) const;
  // The same form for a fuzzy set: "cold", "(z 10.0000 20.0000)",
  // "((0.0000 1.0000) (10.0000 0.0000) )".
  [[nodiscard]] static std::string FuzzyValueText(const TFuzzySet& set);
  // A printer to attach to fuzzy sets (TFuzzySet::SetPrinter): their own
  // printed form, "(name (x y) ... )", does not read back as a fuzzy value;
  // with it attached, every text that holds the set (a fact, a slot
  // default, a call argument) reads back.
  [[nodiscard]] static std::function<std::string(const TFuzzySet&)> FuzzyValuePrinter();

 private:
  TShapeAvailable FShapeAvailable;
  [[nodiscard]] std::string DeclareText(const TRule& rule) const;
  [[nodiscard]] std::string PatternBody(const TIEPattern& pattern) const;
  [[nodiscard]] std::string Constraints(const TIEPattern& pattern, int32_t slot) const;
  [[nodiscard]] std::string DeffunctionText(const class TInterpretedFunction& function) const;
  [[nodiscard]] std::string FacetsText(const TIEDefinedType& type) const;
};

}  // namespace vettora
