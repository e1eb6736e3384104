// TIEPrinter: rules, their patterns and the slot constraints of a pattern.
#include "functions/function_call.h"
#include "knowledge/messages.h"
#include "language/printer.h"
#include "language/printer_layout.h"
#include "matching/pattern.h"
#include "matching/rule.h"
#include "matching/rule_engine.h"
#include "values/exceptions.h"

namespace vettora {

using namespace printer_layout;

namespace {

// A test element negated by an enclosing `not` keeps NegatedCount 0 and
// negates its call instead.
bool NegatedTestElement(const TIEPattern& pattern) {
  if (!pattern.IsTest()) return false;
  int32_t data = pattern.IndexOfSlot(kImpliedSlotName);
  if (data < 0) return false;
  for (const auto& test : pattern.Slots(data).Tests)
    if (test->SlotTestType() == sttNotEquals) return true;
  return false;
}

}  // namespace

// (defrule name
//     "comment"
//     (declare (salience 10) (enabled FALSE) (oneshot TRUE))
//     <patterns>
//     =>
//     <actions>
// )
std::string TIEPrinter::PrintRule(const TRule& rule) const {
  std::string text = "(defrule " + rule.RuleName();
  if (!rule.Comment().empty()) text += kCrLf + std::string(kIndent) + Quoted(rule.Comment());
  text += kCrLf;
  text += DeclareText(rule);
  text += PrintRuleSide(rule, rsLeftHandSide);
  text += kCrLf + std::string(kIndent) + "=>" + kCrLf;
  text += PrintRuleSide(rule, rsRightHandSide);
  return text + ")";
}

// A salience given as an expression (a variable or a call) prints as that
// expression: the number it last evaluated to would lose it.
std::string TIEPrinter::DeclareText(const TRule& rule) const {
  const IIEValue& expression = rule.SalienceExpression();
  bool computed = expression && expression->DType() != dtInteger;
  std::string salience = computed ? ValueText(expression) : std::to_string(rule.Salience());
  bool hasSalience = computed || rule.Salience() != 0;
  if (!hasSalience && !rule.OneShot() && rule.Enabled()) return "";
  std::string text = kIndent + std::string("(declare");
  if (hasSalience) text += " (salience " + salience + ")";
  if (!rule.Enabled()) text += " (enabled FALSE)";
  if (rule.OneShot()) text += " (oneshot TRUE)";
  return text + ")" + kCrLf;
}

// The pattern that follows a goal pattern ("need-...") is the one the rule
// generates from it when the goal pattern is added, so it is not printed.
std::string TIEPrinter::PrintRuleSide(const TRule& rule, TRuleSide side) const {
  std::string text;
  if (side == rsRightHandSide) {
    for (int32_t i = 0; i < rule.ActionCount(); ++i) {
      const IFunCallBase& action = rule.Actions(i);
      text += kIndent + Indented(action ? action->AsText() : "") + kCrLf;
    }
    return text;
  }
  bool first = true;
  for (int32_t i = 0; i < rule.PatternCount(); ++i) {
    if (i > 0 && StartsWith(rule.Patterns(i - 1)->Name(), kGoalPrefix)) continue;
    if (!first) text += kCrLf;
    text += kIndent + Indented(PrintPattern(*rule.Patterns(i)));
    first = false;
  }
  return text;
}

// The body, then the wrappers innermost first: unique, explicit, then the
// negation -- (not X) for one, (exists X) for two, one more (not ...) for
// each further level. A test element whose call is negated is written
// (not (test ...)), the only way the language negates a test.
std::string TIEPrinter::PrintPattern(const TIEPattern& pattern) const {
  if (!pattern.FactTemplate()) throw EIEException(kFactTemplateMissing);
  std::string text = PatternBody(pattern);
  if (pattern.Unique()) text = "(unique " + text + ")";
  if (pattern.Explicit()) text = "(explicit " + text + ")";
  int32_t negations = pattern.NegatedCount() + (NegatedTestElement(pattern) ? 1 : 0);
  if (negations == 1) text = "(not " + text + ")";
  if (negations >= 2) {
    text = "(exists " + text + ")";
    for (int32_t i = 2; i < negations; ++i) text = "(not " + text + ")";
  }
  if (!pattern.BoundName().empty()) text = "?" + pattern.BoundName() + " <- " + text;
  return text;
}

// Comment lines, then "(name " + the constraints + ")": the constraints of
// "__Data" for an implied template, "(slot constraints) " for every other
// slot that has a test.
std::string TIEPrinter::PatternBody(const TIEPattern& pattern) const {
  std::string text = CommentLines(pattern.Comment()) + "(" + pattern.Name() + " ";
  if (pattern.FactTemplate()->IsImplied()) {
    int32_t data = pattern.IndexOfSlot(kImpliedSlotName);
    if (data >= 0) text += Constraints(pattern, data);
  } else {
    for (int32_t s = 0; s < pattern.SlotCount(); ++s) {
      if (pattern.Slots(s).Tests.empty()) continue;
      text += "(" + pattern.Slots(s).Name + " " + Constraints(pattern, s) + ") ";
    }
  }
  return text + ")";
}

// The tests of one slot in order: "&" (or "|" for a disjunction) between
// tests of one field, a blank between fields, "~" before a negated test and
// ":" before a predicate call. In a test element the call is the element's
// own and prints bare; its negation is written by PrintPattern.
std::string TIEPrinter::Constraints(const TIEPattern& pattern, int32_t slot) const {
  const auto& tests = pattern.Slots(slot).Tests;
  bool testElement = pattern.IsTest();
  std::string text;
  for (size_t i = 0; i < tests.size(); ++i) {
    const TIEPatternMatchTest& test = *tests[i];
    if (i > 0) {
      bool sameField = tests[i - 1]->MultiSlotSubIndex() == test.MultiSlotSubIndex();
      text += !sameField ? " " : (test.Conjunction() ? "&" : "|");
    }
    if (test.SlotTestType() == sttNotEquals && !testElement) text += "~";
    if (test.IsFunctionCall() && !testElement) text += ":";
    text += ValueText(test.SlotValue());
  }
  return text;
}

}  // namespace vettora
