// if, while, foreach, return, bind, halt and exit.
#include "core_test_util.h"

namespace vettora::testing {
namespace {

TEST_F(CoreTest, IfRunsTheBranchTheConditionPicks) {
  EXPECT_EQ(Text("(if TRUE then 1 else 2)"), "1");
  EXPECT_EQ(Text("(if FALSE then 1 else 2)"), "2");
  EXPECT_EQ(Text("(if FALSE then 1)"), "FALSE");
  EXPECT_EQ(Text("(if nil then 1 else 2)"), "1");  // only FALSE is false
  EXPECT_EQ(Text("(if TRUE then 1 2 else 3)"), "2");
  EXPECT_EQ(Text("(if FALSE then 1 else 2 3)"), "3");
  EXPECT_EQ(Text("(if TRUE then)"), "FALSE");  // nothing evaluated
  EXPECT_EQ(ErrorOf("(if x 1 2)"), "Syntax Error: Missing \"then\" in an IF statement");
  EXPECT_EQ(ErrorOf("(if TRUE)"), "Too few arguments for if");
  // Only the chosen branch runs.
  EXPECT_EQ(Text("(if TRUE then (printout t a) else (printout t b))"), "");
  EXPECT_EQ(Text("(if FALSE then (printout t c) else (printout t d))"), "");
  EXPECT_EQ(TakeOutput(), "ad");
}

TEST_F(CoreTest, WhileLoopsUntilTheConditionIsFalse) {
  Eval("(bind ?i 0)");
  EXPECT_EQ(Text("(while (< ?i 3) do (printout t ?i) (bind ?i (+ ?i 1)))"), "FALSE");
  EXPECT_EQ(Text("?i"), "3");
  EXPECT_EQ(TakeOutput(), "012");
  // Without the do keyword the body starts at the second argument.
  EXPECT_EQ(Text("(while (> ?i 0) (bind ?i (- ?i 1)))"), "FALSE");
  EXPECT_EQ(Text("?i"), "0");
  EXPECT_EQ(Text("(while FALSE do (printout t never))"), "FALSE");
  EXPECT_EQ(Output, "");
}

TEST_F(CoreTest, ReturnStopsLoopsAndDeffunctions) {
  ASSERT_EQ(Run("(deffunction count-to (?n) (bind ?i 0)"
                "  (while TRUE do (bind ?i (+ ?i 1)) (if (>= ?i ?n) then (return ?i))"
                "    (printout t ?i))"
                "  (printout t never))"),
            "");
  EXPECT_EQ(Text("(count-to 3)"), "3");
  EXPECT_EQ(TakeOutput(), "12");
  ASSERT_EQ(Run("(deffunction sign (?x) (if (< ?x 0) then (return neg) (printout t never)) pos)"),
            "");
  EXPECT_EQ(Text("(sign -4)"), "neg");
  EXPECT_EQ(Text("(sign 4)"), "pos");
  // return hands its argument on as written; the deffunction evaluates it.
  ASSERT_EQ(Run("(deffunction twice (?x) (return (* 2 ?x)))"), "");
  EXPECT_EQ(Text("(twice 21)"), "42");
  EXPECT_EQ(Output, "");
}

TEST_F(CoreTest, ForeachBindsEachElementInTurn) {
  EXPECT_EQ(Text("(foreach x (create$ a b c) (printout t ?x \"-\") ?x)"), "c");
  EXPECT_EQ(TakeOutput(), "a-b-c-");
  EXPECT_EQ(Eval("(foreach x (create$) (printout t never))"), NilValue());
  ASSERT_EQ(Run("(deffunction first-big ($?all)"
                "  (foreach n ?all (if (> ?n 10) then (return ?n))) none)"),
            "");
  EXPECT_EQ(Text("(first-big 1 20 30)"), "20");
  EXPECT_EQ(Text("(first-big 1 2)"), "none");
  EXPECT_TRUE(Contains(ErrorOf("(foreach x 5 1)"), "Not a list type"));
}

TEST_F(CoreTest, BindSetsTheNearestBindingOrMakesALocalOne) {
  EXPECT_EQ(Text("(bind ?x (+ 1 2))"), "3");
  EXPECT_EQ(Text("?x"), "3");
  ASSERT_EQ(Run("(defglobal ?*g* = 1)"), "");
  ASSERT_EQ(Run("(deffunction set-g (?v) (bind ?*g* ?v) (bind ?local ?v) ?local)"), "");
  EXPECT_EQ(Text("(set-g 5)"), "5");
  EXPECT_EQ(Text("?*g*"), "5");                             // the global is updated
  EXPECT_TRUE(Contains(ErrorOf("(+ ?local 0)"), "local"));  // the local stayed local
  EXPECT_EQ(ErrorOf("(bind ?x)"), "Too few arguments for bind");
}

TEST_F(CoreTest, HaltStopsTheRunAfterTheCurrentRule) {
  ASSERT_EQ(Run("(defrule first (declare (salience 10)) => (printout t first) (halt)"
                "  (printout t \" still\"))"
                "(defrule second => (printout t second))"),
            "");
  Engine.Reset();
  EXPECT_EQ(Text("(run)"), "1");
  EXPECT_EQ(TakeOutput(), "first still");
  EXPECT_EQ(Text("(run)"), "1");  // the halt request is spent
  EXPECT_EQ(TakeOutput(), "second");
}

TEST_F(CoreTest, ExitAbortsSilently) {
  EXPECT_THROW((void)Eval("(exit)"), EIEAbort);
  EXPECT_THROW((void)Eval("(if TRUE then (exit) (printout t never))"), EIEAbort);
  EXPECT_EQ(Output, "");
}

}  // namespace
}  // namespace vettora::testing
