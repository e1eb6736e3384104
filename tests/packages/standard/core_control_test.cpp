// if, while, foreach, return, bind, halt and exit.
#include <type_traits>

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
  // The abort is no ordinary error: handlers of std::exception never see it.
  EXPECT_FALSE((std::is_base_of_v<std::exception, EIEAbort>));
}

// A deffunction's arguments are evaluated by the caller before any parameter
// is bound: a recursive call passing the caller's variables in another
// order sees the caller's values, and a predicate of a pattern can hand the
// slots of the partial match to a deffunction.
TEST_F(CoreTest, DeffunctionArgumentsAreTheCallersValues) {
  EXPECT_EQ(Run("(deffunction gcd (?a ?b) (if (= ?b 0) then ?a else (gcd ?b (mod ?a ?b))))"
                "(deffunction swap (?x ?y) (create$ ?y ?x))"
                "(deffunction bigger (?a ?b) (> ?a ?b))"),
            "");
  EXPECT_EQ(Text("(gcd 1071 462)"), "21");
  EXPECT_EQ(Text("(bind ?x 1)"), "1");
  EXPECT_EQ(Text("(swap 2 ?x)"), "1 2 ");
  EXPECT_EQ(Run("(deffacts d (size 1) (col 1) (col 2))"
                "(defrule r (size ?n) (col ?c&:(bigger ?c ?n)) => (printout t ?c))"),
            "");
  Engine.Reset();
  EXPECT_EQ(Text("(run)"), "1");
  EXPECT_EQ(TakeOutput(), "2");
}

// `exit` ends the program wherever it is evaluated: inside a construct being
// read, a function, a rule, a loaded file -- each a place that catches
// ordinary errors. Nothing after it runs and no error is reported.
TEST_F(CoreTest, ExitEndsTheProgramWhereverItRuns) {
  TTempFile loaded("exit_in_load.clp");
  {
    std::ofstream out(loaded.Name());
    out << "(printout t \"loading\" crlf)\n(exit)\n(printout t \"still loading\" crlf)\n";
  }
  const std::string cases[] = {
      "(deftype temp extends (type FUZZY) (range 0 10) (values (term a (exit))))",
      "(deftype level extends (type INTEGER) (range 0 (exit)))",
      "(deftype word extends (type ATOM) (allowed-symbols a (exit)))",
      "(deftemplate t (slot s (default (exit))))",
      "(deffunction f () (exit) (printout t \"after exit\" crlf)) (f)",
      "(deffunction g () (try (exit) catch (printout t \"caught\" crlf))) (g)",
      "(defrule r => (exit) (printout t \"after exit\" crlf)) (reset) (run)",
      "(defrule s (test (exit)) => ) (reset)",
      "(load \"" + loaded.Name() + "\")",
  };
  for (const std::string& text : cases) {
    SCOPED_TRACE(text);
    Engine.Clear();
    TakeOutput();
    EXPECT_THROW(Reader().ExecuteText(text + " (printout t \"still running\" crlf)"), EIEAbort);
    EXPECT_FALSE(Contains(Output, "still")) << Output;
    EXPECT_FALSE(Contains(Output, "caught")) << Output;
    EXPECT_FALSE(Contains(Output, "after exit")) << Output;
  }
}

}  // namespace
}  // namespace vettora::testing
