// Printed forms of rules, patterns and slot constraints.
#include <gtest/gtest.h>

#include "knowledge/messages.h"
#include "printer/printer_test_util.h"
#include "values/exceptions.h"

namespace vettora::testing {
namespace {

IFunCallBase AsAction(const Ref<TFunctionCall>& call) { return call; }

TEST_F(PrinterTest, RulesPrintDeclarePatternsArrowAndActions) {
  auto rule = Rule("r", Patterns(Pattern(Implied("a"))), {AsAction(Call("b"))});
  EXPECT_EQ(Printer.PrintRule(*rule), "(defrule r\r\n    (a )\r\n    =>\r\n    (b)\r\n)");

  rule->SetSalience(10);
  rule->SetOneShot(true);
  EXPECT_EQ(Printer.PrintRule(*rule),
            "(defrule r\r\n    (declare (salience 10) (oneshot TRUE))\r\n    (a )\r\n"
            "    =>\r\n    (b)\r\n)");
  rule->SetSalience(0);
  rule->SetOneShot(false);
  rule->SetEnabled(false);
  rule->SetComment("does b");
  EXPECT_EQ(Printer.PrintRule(*rule),
            "(defrule r\r\n    \"does b\"\r\n    (declare (enabled FALSE))\r\n    (a )\r\n"
            "    =>\r\n    (b)\r\n)");
  EXPECT_EQ(Printer.PrintRuleSide(*rule, rsLeftHandSide), "    (a )");
  EXPECT_EQ(Printer.PrintRuleSide(*rule, rsRightHandSide), "    (b)\r\n");
  EXPECT_EQ(rule->Text(), Printer.PrintRule(*rule));  // the engine routes to the printer

  // A computed salience keeps its expression.
  rule->SetEnabled(true);
  rule->SetSalienceExpression(CallValue("+", {MakeInteger(1), MakeInteger(2)}));
  EXPECT_NE(Printer.PrintRule(*rule).find("    (declare (salience (+ 1 2)))\r\n"),
            std::string::npos);
}

TEST_F(PrinterTest, NegatedFirstPatternsPrintAfterTheInitialFact) {
  auto offer = Pattern(Implied("offer"));
  offer->SetNegatedCount(1);
  auto rule = Rule("no-job-openings", Patterns(std::move(offer)), {AsAction(Call("apologise"))});
  EXPECT_EQ(Printer.PrintRule(*rule),
            "(defrule no-job-openings\r\n    (Initial-Fact )\r\n    (not (offer ))\r\n    =>\r\n"
            "    (apologise)\r\n)");
}

TEST_F(PrinterTest, NegationsUniqueExplicitAndBindingsWrapThePattern) {
  IFactTemplate point = Template("point", {"x", "y"});
  for (const IFactTemplate& t : {Implied("a"), point}) {
    auto pattern = Pattern(t);
    pattern->SetNegatedCount(2);
    EXPECT_EQ(Printer.PrintPattern(*pattern), "(exists (" + t->Name() + " ))");
    pattern->SetNegatedCount(3);
    EXPECT_EQ(Printer.PrintPattern(*pattern), "(not (exists (" + t->Name() + " )))");
    pattern->SetNegatedCount(4);
    EXPECT_EQ(Printer.PrintPattern(*pattern), "(not (not (exists (" + t->Name() + " ))))");
  }
  auto bound = Pattern(Implied("a"));
  bound->SetUnique(true);
  bound->SetExplicit(true);
  bound->SetBoundName("f");
  EXPECT_EQ(Printer.PrintPattern(*bound), "?f <- (explicit (unique (a )))");

  auto commented = Pattern(Implied("a"));
  commented->SetComment("why\r\n; because");
  commented->SetNegatedCount(1);
  EXPECT_EQ(Printer.PrintPattern(*commented), "(not ; why\r\n; because\r\n(a ))");
  auto rule = Rule("c", Patterns(Pattern(Implied("b")), std::move(commented)));
  EXPECT_EQ(Printer.PrintRuleSide(*rule, rsLeftHandSide),
            "    (b )\r\n    (not ; why\r\n    ; because\r\n    (a ))");

  auto orphan = std::make_unique<TIEPattern>();
  EXPECT_EQ(ErrorText([&] { (void)Printer.PrintPattern(*orphan); }), kFactTemplateMissing);
}

TEST_F(PrinterTest, ConstraintsJoinFieldsAndAlternatives) {
  auto implied = Pattern(Implied("base-salary"));
  implied->AddTest(kImpliedSlotName, Var("title"), sttEquals, 0);
  implied->AddTest(kImpliedSlotName, Var("sal"), sttEquals, 1);
  EXPECT_EQ(Printer.PrintPattern(*implied), "(base-salary ?title ?sal)");

  auto a = Pattern(Implied("a"));
  a->AddTest(kImpliedSlotName, Var("x"), sttEquals, 0);
  a->AddTest(kImpliedSlotName, MakeAtom("red"), sttNotEquals, 0);
  a->AddTest(kImpliedSlotName, MakeAtom("blue"), sttEquals, 0, false);
  a->AddTest(kImpliedSlotName, Var("y"), sttEquals, 1);
  EXPECT_EQ(Printer.PrintPattern(*a), "(a ?x&~red|blue ?y)");

  IFactTemplate applicant = Template("applicant", {"age", "name"});
  auto p = Pattern(applicant);
  p->AddTest("age", Var("age1"));
  p->AddTest("age", CallValue(">", {Var("age1"), MakeInteger(20)}), sttNotEquals);
  p->AddTest("name", MakeString("Ann Lee"));
  EXPECT_EQ(Printer.PrintPattern(*p), "(applicant (age ?age1&~:(> ?age1 20)) (name \"Ann Lee\") )");
}

TEST_F(PrinterTest, MultislotConstraintsAndReturnValueRewrite) {
  IFactTemplate order = MakeRef<TFactTemplate>("order", &Engine);
  order->AddMultiSlot("items", EmptyListValue());
  order->AddSlot("s", NilValue());
  auto p = Pattern(order);
  p->AddTest("items", Var("first"), sttEquals, 0);
  p->AddTest("items", MultiVar("rest"), sttEquals, 1);
  p->AddTest("items", CallValue("neq", {MultiVar("rest"), MakeAtom("x")}), sttEquals, 1);
  p->SetSlotLength("items", 2);
  // =(+ 1 2) as the parser rewrites it: a fresh variable and an eq* test.
  p->AddTest("s", Var("_eq_7"));
  p->AddTest("s",
             CallValue("eq*", {Var("_eq_7"), CallValue("+", {MakeInteger(1), MakeInteger(2)})}));
  EXPECT_EQ(Printer.PrintPattern(*p),
            "(order (items ?first $?rest&:(neq $?rest x)) (s ?_eq_7&:(eq* ?_eq_7 (+ 1 2))) )");
}

TEST_F(PrinterTest, CompiledDisjunctionsPrintAsTheirOrCall) {
  IFactTemplate x = Template("x", {"color"});
  auto pattern = Pattern(x);
  pattern->AddTest("color", MakeAtom("red"));
  pattern->AddTest("color", MakeAtom("blue"), sttEquals, -1, false);
  EXPECT_EQ(Printer.PrintPattern(*pattern), "(x (color red|blue) )");

  int32_t n = Engine.SymbolIndex();
  auto rule = Rule("colors", Patterns(std::move(pattern)));
  std::string v = "?_blank_" + std::to_string(n);
  EXPECT_EQ(Printer.PrintPattern(*rule->Patterns(0)),
            "(x (color " + v + "&:(or (eq red " + v + ") (eq blue " + v + "))) )");
}

TEST_F(PrinterTest, TestElementsPrintTheirCallBareAndNotWhenNegated) {
  auto test = Pattern(Implied("test"));
  test->AddTest(kImpliedSlotName, CallValue(">", {Var("x"), MakeInteger(1)}));
  EXPECT_EQ(Printer.PrintPattern(*test), "(test (> ?x 1))");

  auto negated = Pattern(Implied("test"));
  negated->AddTest(kImpliedSlotName, CallValue(">", {Var("x"), MakeInteger(1)}), sttNotEquals);
  EXPECT_EQ(Printer.PrintPattern(*negated), "(not (test (> ?x 1)))");
}

TEST_F(PrinterTest, TheSoughtPatternOfAGoalIsNotPrinted) {
  auto rule = Rule("seek", Patterns(Pattern(Implied("need-a"))), {AsAction(Call("b"))});
  ASSERT_EQ(rule->PatternCount(), 2);  // need-a and the generated (not (a))
  std::string bound = rule->Patterns(0)->BoundName();
  EXPECT_EQ(Printer.PrintRuleSide(*rule, rsLeftHandSide), "    ?" + bound + " <- (need-a )");
}

}  // namespace
}  // namespace vettora::testing
