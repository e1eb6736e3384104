// defrule: declare, conditional elements, slot constraints, variables and
// the return-value rewrite.
#include "engine/rules.h"

#include <memory>

#include "matching/agenda.h"
#include "matching/pattern.h"
#include "matching/rule.h"
#include "parser_test_util.h"

namespace vettora::testing {
namespace {

class RuleParserTest : public ParserTest {
 protected:
  // The rule's patterns without the Initial-Fact pattern the rule may put
  // in front.
  std::vector<TIEPattern*> Patterns(const std::string& rule) {
    std::vector<TIEPattern*> result;
    TRule* r = Engine.FindRule(rule);
    if (!r) return result;
    for (int32_t i = 0; i < r->PatternCount(); ++i)
      if (r->Patterns(i)->Name() != "Initial-Fact") result.push_back(r->Patterns(i));
    return result;
  }

  static const TIEPattern::TPatternSlot& Slot(TIEPattern& pattern, const std::string& name) {
    return pattern.Slots(pattern.IndexOfSlot(name));
  }
};

TEST_F(RuleParserTest, DeclareSetsSalienceAndFlags) {
  EXPECT_EQ(Run("(defrule r \"why\" (declare (salience 10) (oneshot TRUE)) (a) => (b))"
                "(defrule s (declare (enabled FALSE) (salience ?*level*)) (a) =>)"),
            "");
  TRule* r = Engine.FindRule("r");
  ASSERT_TRUE(r);
  EXPECT_EQ(r->Comment(), "why");
  EXPECT_EQ(r->Salience(), 10);
  EXPECT_TRUE(r->OneShot());
  EXPECT_TRUE(r->Enabled());
  EXPECT_EQ(r->ActionCount(), 1);
  // Only the finished rules are filed; nothing of their making is left on
  // the agenda.
  EXPECT_EQ(Engine.Rules().Count(), 2);
  EXPECT_EQ(Engine.Agenda().Count(), 0);
  TRule* s = Engine.FindRule("s");
  ASSERT_TRUE(s);
  EXPECT_FALSE(s->Enabled());
  EXPECT_FALSE(s->OneShot());
  EXPECT_EQ(s->SalienceExpression()->DType(), dtVariable);
  EXPECT_TRUE(Contains(Run("(defrule t (declare (priority 1)) (a) =>)"),
                       "Expected rule property, salience, oneshot, or enabled"));
  EXPECT_TRUE(Contains(Run("(defrule t (declare (salience high)) (a) =>)"),
                       "Expected integer, variable, or function call for salience"));
  EXPECT_TRUE(Contains(Run("(defrule t (a) (b))"), "Expected \"=>\""));
  EXPECT_FALSE(Engine.FindRule("t"));
}

// An editor puts the cursor where the parser stopped: the error carries the
// line and the column of the token it could not take.
TEST_F(RuleParserTest, ParseErrorsCarryTheLineAndColumnOfTheBadToken) {
  try {
    std::unique_ptr<TRule> rule(Engine.Parser().ParseRule("(defrule r\n  (a ?x)\n  (b)\n   (c))"));
    ADD_FAILURE();
  } catch (const EIEParseException& error) {
    EXPECT_EQ(error.LineNumber(), 4);
    EXPECT_EQ(error.Column(), 7);  // the rule's last ")", where "=>" was expected
  }
  try {
    std::unique_ptr<TRule> rule(Engine.Parser().ParseRule("(defrule r (declare (salience high)) (a) =>)"));
    ADD_FAILURE();
  } catch (const EIEParseException& error) {
    EXPECT_EQ(error.LineNumber(), 1);
    EXPECT_EQ(error.Column(), 31);  // "high"
  }
}

TEST_F(RuleParserTest, BoundPatternsAndRefusedBindings) {
  EXPECT_EQ(Run("(defrule r ?f <- (a x) => )"), "");
  ASSERT_EQ(Patterns("r").size(), 1u);
  EXPECT_EQ(Patterns("r")[0]->BoundName(), "f");
  EXPECT_TRUE(Contains(Run("(defrule n ?f <- (not (a)) => )"),
                       "\"not\" and \"test\" CEs cannot be bound to variables"));
  EXPECT_TRUE(Contains(Run("(defrule n ?f <- (test (+ 1 0)) => )"),
                       "\"not\" and \"test\" CEs cannot be bound to variables"));
  EXPECT_TRUE(Contains(Run("(defrule n ?f (a) => )"), "Expected \"<-\""));
  EXPECT_FALSE(Engine.FindRule("n"));
}

TEST_F(RuleParserTest, ConditionalElementsSetNegationAndFlags) {
  EXPECT_EQ(Run("(defrule r (a) (not (b)) (exists (c)) (not (not (d))) (not (exists (e)))"
                "  (unique (f)) (explicit (g)) (not (test (+ 1 1))) => )"),
            "");
  std::vector<TIEPattern*> p = Patterns("r");
  ASSERT_EQ(p.size(), 8u);
  EXPECT_EQ(p[0]->NegatedCount(), 0);
  EXPECT_EQ(p[1]->NegatedCount(), 1);
  EXPECT_EQ(p[2]->NegatedCount(), 2);
  EXPECT_EQ(p[3]->NegatedCount(), 2);
  EXPECT_EQ(p[4]->NegatedCount(), 3);
  EXPECT_TRUE(p[5]->Unique());
  EXPECT_TRUE(p[6]->Explicit());
  EXPECT_TRUE(p[7]->IsTest());
  EXPECT_EQ(p[7]->NegatedCount(), 0);
  const auto& test = Slot(*p[7], "__Data").Tests;
  ASSERT_EQ(test.size(), 1u);
  EXPECT_EQ(test[0]->SlotTestType(), sttNotEquals);
  EXPECT_EQ(test[0]->SlotValue()->DType(), dtFunCall);
}

TEST_F(RuleParserTest, DisjunctionsReachTheRuleAsOneOrCall) {
  EXPECT_EQ(Run("(defrule r (a ?x&~red|blue ?y) => )"), "");
  std::vector<TIEPattern*> p = Patterns("r");
  ASSERT_EQ(p.size(), 1u);
  const TIEPattern::TPatternSlot& data = Slot(*p[0], "__Data");
  // The rule compiles field 0 into its variable and one "or" call.
  ASSERT_EQ(data.Tests.size(), 3u);
  EXPECT_EQ(data.Tests[0]->SlotValue()->AsText(), "?x");
  EXPECT_TRUE(data.Tests[1]->IsFunctionCall());
  EXPECT_EQ(data.Tests[2]->SlotValue()->AsText(), "?y");
  EXPECT_EQ(data.Tests[2]->MultiSlotSubIndex(), 1);
  EXPECT_EQ(data.Length, 2);
}

TEST_F(RuleParserTest, PatternsAsReadBeforeTheRuleCompilesThem) {
  TStringStream source("(a ?x&~red|blue ?y)");
  TIEVorlanStream stream(&source);
  stream.SetEngine(&Engine);
  Parser().SetStream(&stream);
  TVariableList variables;
  std::unique_ptr<TIEPattern> pattern = Parser().ParsePattern(0, variables);
  Parser().SetStream(nullptr);
  const auto& tests = Slot(*pattern, "__Data").Tests;
  ASSERT_EQ(tests.size(), 4u);
  EXPECT_EQ(tests[1]->SlotValue()->AsText(), "red");
  EXPECT_EQ(tests[1]->SlotTestType(), sttNotEquals);
  EXPECT_TRUE(tests[1]->Conjunction());
  EXPECT_EQ(tests[1]->MultiSlotSubIndex(), 0);
  EXPECT_EQ(tests[2]->SlotValue()->AsText(), "blue");
  EXPECT_FALSE(tests[2]->Conjunction());
  EXPECT_EQ(tests[2]->MultiSlotSubIndex(), 0);
  EXPECT_EQ(tests[3]->MultiSlotSubIndex(), 1);
  EXPECT_TRUE(tests[3]->Conjunction());
  EXPECT_EQ(variables.size(), 2u);
}

TEST_F(RuleParserTest, VariablesKeepTheKindOfTheirFirstUse) {
  EXPECT_EQ(Run("(defrule r (a $?rest) (b ?rest) => )"), "");
  std::vector<TIEPattern*> p = Patterns("r");
  ASSERT_EQ(p.size(), 2u);
  EXPECT_EQ(Slot(*p[1], "__Data").Tests[0]->SlotValue()->DType(), dtMultiVariable);
}

TEST_F(RuleParserTest, VariablesLocalToANegationLeaveTheKindOpen) {
  // ?x under the not and the exists is local; the later $?x is multifield.
  EXPECT_EQ(Run("(defrule r (not (q ?x c)) (exists (s ?x)) (t $?x) (u ?x) => )"), "");
  std::vector<TIEPattern*> p = Patterns("r");
  ASSERT_EQ(p.size(), 4u);
  EXPECT_EQ(Slot(*p[0], "__Data").Tests[0]->SlotValue()->DType(), dtVariable);
  EXPECT_EQ(Slot(*p[2], "__Data").Tests[0]->SlotValue()->DType(), dtMultiVariable);
  EXPECT_EQ(Slot(*p[3], "__Data").Tests[0]->SlotValue()->DType(), dtMultiVariable);
}

TEST_F(RuleParserTest, TemplateSlotsAndMultislotFields) {
  EXPECT_EQ(Run("(deftemplate p (slot n) (multislot m))"
                "(defrule r (p (n ?n) (m a ?b $?c)) => )"),
            "");
  std::vector<TIEPattern*> p = Patterns("r");
  ASSERT_EQ(p.size(), 1u);
  EXPECT_EQ(Slot(*p[0], "n").Tests[0]->MultiSlotSubIndex(), -1);
  const auto& m = Slot(*p[0], "m");
  ASSERT_EQ(m.Tests.size(), 3u);
  EXPECT_EQ(m.Tests[2]->MultiSlotSubIndex(), 2);
  EXPECT_EQ(m.Length, 3);
  std::string error = Run("(defrule bad (p (n 1 2)) => )");
  EXPECT_TRUE(Contains(error, "Slot \"n\" is not a multislot")) << error;
  EXPECT_TRUE(Contains(Run("(defrule bad (p (x 1)) => )"), "No such slot name: \"x\""));
  EXPECT_TRUE(Contains(Run("(defrule bad (p (n &)) => )"), "Bad Slot Value: &"));
  EXPECT_TRUE(Contains(Run("(defrule bad (p (n 1&)) => )"), "Bad Slot Value: )"));
  EXPECT_FALSE(Engine.FindRule("bad"));
}

TEST_F(RuleParserTest, ReturnValueConstraintBecomesAVariableAndAPredicate) {
  EXPECT_EQ(Run("(deftemplate p (slot s))"
                "(defrule r (p (s =(+ 1 2))) => )"),
            "");
  std::vector<TIEPattern*> p = Patterns("r");
  ASSERT_EQ(p.size(), 1u);
  const auto& tests = Slot(*p[0], "s").Tests;
  ASSERT_EQ(tests.size(), 2u);
  std::string variable = tests[0]->SlotValue()->AsText();
  EXPECT_EQ(variable.rfind("?_eq_", 0), 0u) << variable;
  EXPECT_EQ(tests[1]->SlotValue()->AsText(), "(eq* " + variable + " (+ 1 2))");
  EXPECT_EQ(tests[1]->MultiSlotSubIndex(), tests[0]->MultiSlotSubIndex());
  std::string text = Engine.Parser().PrintPattern(*p[0]);
  EXPECT_EQ(text, "(p (s " + variable + "&:(eq* " + variable + " (+ 1 2))) )");
}

TEST_F(RuleParserTest, ActionsCommentsAndReparsing) {
  std::string text =
      "(defrule r\n"
      "    ; look for a\n"
      "    (a ?x)\n"
      "    =>\n"
      "    (+ ?x 1)\n"
      "    (+ 2 2))";
  EXPECT_EQ(Run(text), "");
  TRule* r = Engine.FindRule("r");
  ASSERT_TRUE(r);
  EXPECT_EQ(r->ActionCount(), 2);
  ASSERT_EQ(Patterns("r").size(), 1u);
  EXPECT_EQ(Patterns("r")[0]->Comment(), "; look for a");
  // The printed rule reads back into the same text.
  std::string printed = r->Text();
  EXPECT_EQ(Run(printed), "");
  EXPECT_EQ(Engine.FindRule("r")->Text(), printed);
}

}  // namespace
}  // namespace vettora::testing

namespace vettora::testing {
namespace {

TEST_F(RuleParserTest, RedefiningARuleFollowsTheDuplicatePolicy) {
  EXPECT_EQ(Run("(defrule r (a) => (+ 1 1))"), "");
  EXPECT_EQ(Run("(defrule r (b) => )"), "");
  ASSERT_TRUE(Engine.FindRule("r"));
  EXPECT_EQ(Engine.FindRule("r")->ActionCount(), 0);
  Engine.SetDuplicateConstructs(dcIgnore);
  EXPECT_EQ(Run("(defrule r (c) => (+ 1 1) (+ 2 2))"), "");
  EXPECT_EQ(Engine.FindRule("r")->ActionCount(), 0);
  Engine.SetDuplicateConstructs(dcError);
  EXPECT_TRUE(Contains(Run("(defrule r (c) => )"), "Duplicate Rules defined with same name"));
  EXPECT_EQ(Engine.Rules().Count(), 1);
}

TEST_F(RuleParserTest, SlotVariablesForTheEditor) {
  EXPECT_EQ(Run("(deftemplate p (slot n) (multislot m))"), "");
  IFactTemplate p = Engine.FindTemplate("p");
  TVariableList variables{{"pn", dtVariable}, {"pn1", dtVariable}};
  IIEValue n = Parser().UniqueSlotVariable(*p, *p->GetSlot("n"), variables, true);
  EXPECT_EQ(n->AsText(), "?pn2");
  EXPECT_TRUE(variables.contains("pn2"));
  IIEValue m = Parser().UniqueSlotVariable(*p, *p->GetSlot("m"), variables, false);
  EXPECT_EQ(m->AsText(), "$?pm");
}

}  // namespace
}  // namespace vettora::testing

namespace vettora::testing {
namespace {

// Rules read with the same actions share the calls; each still runs them
// with its own variables, and a change to one rule's actions leaves the
// others as they were. Calls that only print alike are not the same call.
TEST_F(RuleParserTest, RulesWithTheSameActionsShareTheCallsAndStayApart) {
  std::string said;
  Define("say", [&said](TFunctionCall& call, TIEContext& context) {
    said += call.EvaluateArgument(0, context)->AsText() + " ";
    return NilValue();
  });
  EXPECT_EQ(Run("(defrule r1 (a ?x) => (say ?x) (say (+ ?x 1)))"
                "(defrule r2 (b ?x) => (say ?x) (say (+ ?x 1)))"
                "(defrule r3 (c ?x) => (say ?x) (say (+ ?x 1.00000001)))"
                "(defrule r4 (b ?x) => ; why\n (say ?x))"),
            "");
  TRule* r1 = Engine.FindRule("r1");
  TRule* r2 = Engine.FindRule("r2");
  TRule* r3 = Engine.FindRule("r3");
  TRule* r4 = Engine.FindRule("r4");
  ASSERT_TRUE(r1 && r2 && r3 && r4);
  EXPECT_EQ(r1->Actions(0).Get(), r2->Actions(0).Get());
  EXPECT_EQ(r1->Actions(1).Get(), r2->Actions(1).Get());
  EXPECT_NE(r1->Actions(1).Get(), r3->Actions(1).Get());
  EXPECT_NE(r1->Actions(0).Get(), r4->Actions(0).Get());  // the comment

  Engine.Reset();
  Engine.AssertString("(a 10)");
  Engine.AssertString("(b 20)");
  r2->DeleteAction(1);
  EXPECT_EQ(r1->ActionCount(), 2);
  Engine.Run();
  EXPECT_TRUE(Contains(said, "10 11 "));
  EXPECT_TRUE(Contains(said, "20 "));
  EXPECT_FALSE(Contains(said, "21"));
}

}  // namespace
}  // namespace vettora::testing
