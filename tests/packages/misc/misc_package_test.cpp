#include "packages/misc/misc_package.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/fact_templates.h"
#include "engine/facts.h"
#include "engine/rules.h"
#include "engine/user_functions.h"
#include "functions/user_package.h"
#include "matching/rule.h"
#include "misc_test_util.h"
#include "packages/misc/messages.h"
#include "values/format.h"

namespace vettora {
namespace {

using testing::MiscTest;

TEST(MiscPackageTable, PackageHoldsExactlyItsTableInOrder) {
  TInferenceEngine engine;
  engine.SetPackages({pMiscellaneous});
  auto* package = NewPackage<TMiscPackage>(&engine);
  std::vector<std::string> names = TableNames(TMiscPackage::Table());
  ASSERT_EQ(names.size(), 50u);
  ASSERT_EQ(package->Functions().Count(), int32_t(names.size()));
  for (int32_t i = 0; i < package->Functions().Count(); ++i)
    EXPECT_EQ(package->Functions().Items(i)->FunctionName(), names[size_t(i)]);
  EXPECT_EQ(names.front(), "undeftype");
  EXPECT_EQ(names.back(), "encode-time");
}

TEST(MiscPackageTable, DefaultEngineHasTheFunctionsWithTheirLimits) {
  TInferenceEngine engine;
  struct TLimits {
    const char* Name;
    int32_t Min, Max;
  };
  for (TLimits row : {TLimits{"facts", 0, 3},
                      {"rules", 0, 1},
                      {"agenda", 0, 0},
                      {"list-deffunctions", 0, 1},
                      {"message-dlg", 2, 4},
                      {"input-box", 0, 3},
                      {"encode-time", 1, 4},
                      {"datetime-str-format", 2, 2},
                      {"ppdefrule", 1, 1}}) {
    IUserFunction function = engine.UserFunctions().Find(row.Name);
    ASSERT_TRUE(function) << row.Name;
    EXPECT_EQ(function->MinArgumentCount(), row.Min) << row.Name;
    EXPECT_EQ(function->MaxArgumentCount(), row.Max) << row.Name;
  }
  EXPECT_EQ(engine.UserFunctions().Find("facts")->ArgumentString(),
            " [<start-integer-expression> [<end-integer-expression> "
            "[<max-integer-expression>]]]");
  engine.SetPackages({pStandard});
  EXPECT_FALSE(engine.UserFunctions().Find("facts"));
}

// ---- Listings ----------------------------------------------------------------------

class MiscListings : public MiscTest {
 protected:
  void AssertLetters() {
    ASSERT_EQ(Run("(assert (a 1) (b 2) (c 3) (d 4) (e 5) (f 6) (g 7) (h 8) (i 9) (j 10) (k 11))"),
              "");
    TakeOutput();
  }
};

TEST_F(MiscListings, FactsSelectsByIdentifierAndMaximumThenSortsByText) {
  AssertLetters();
  EXPECT_EQ(Text("(facts 3 10 2)"), "TRUE");
  EXPECT_EQ(TakeOutput(), "f-03 (c 3 )\r\nf-04 (d 4 )\r\nFor a total of 2 facts.\r\n");
  (void)Eval("(facts 10)");
  EXPECT_EQ(TakeOutput(), "f-10 (j 10 )\r\nf-11 (k 11 )\r\nFor a total of 2 facts.\r\n");
  (void)Eval("(facts 5 3)");
  EXPECT_EQ(TakeOutput(), "For a total of 0 facts.\r\n");
  (void)Eval("(facts 0 100 0)");
  EXPECT_EQ(TakeOutput(), "For a total of 0 facts.\r\n");
  (void)Eval("(facts)");
  std::string all = TakeOutput();
  EXPECT_EQ(all.rfind("f-00 (Initial-Fact)\r\n", 0), 0u);
  EXPECT_NE(all.find("For a total of 12 facts."), std::string::npos);
}

TEST_F(MiscListings, EachListingIsOnePrintOutCallToTheDefaultStream) {
  AssertLetters();
  ASSERT_EQ(Run("(defrule zeta (a ?) =>) (defrule alpha (b ?) =>) (defrule mid (c ?) =>)"), "");
  TakeOutput();
  (void)Eval("(list-defrules)");
  ASSERT_EQ(Prints.size(), 1u);
  EXPECT_EQ(Names[0], "t");
  EXPECT_EQ(TakeOutput(), "alpha\r\nmid\r\nzeta\r\nfor a total of 3 rules.\r\n");
  (void)Eval("(facts 1 2)");
  EXPECT_EQ(Prints.size(), 1u);
  TakeOutput();
  (void)Eval("(agenda)");
  ASSERT_EQ(Prints.size(), 1u);
  EXPECT_EQ(TakeOutput(),
            "0 mid : f-3 (1.0000)\r\n0 alpha : f-2 (1.0000)\r\n0 zeta : f-1 (1.0000)\r\n"
            "for a total of 3 activations.\r\n");
  (void)Eval("(list-deftypes)");
  EXPECT_EQ(TakeOutput(), "for a total of 0 deftypes.\r\n");
}

TEST_F(MiscListings, RulesPrintsEveryRuleToTheGivenStream) {
  ASSERT_EQ(Run("(defrule only (x) => (printout t 1))"), "");
  TakeOutput();
  EXPECT_EQ(Text("(rules log)"), "TRUE");
  ASSERT_EQ(Names.size(), 1u);
  EXPECT_EQ(Names[0], "log");
  std::string text = TakeOutput();
  EXPECT_EQ(text.rfind("(defrule only", 0), 0u);
  EXPECT_NE(text.find(")\r\nFor a total of 1 rules.\r\n"), std::string::npos);
}

TEST_F(MiscListings, ListDeffunctionsListsOnlyDeffunctions) {
  ASSERT_EQ(Run("(deffunction b2 () 1) (deffunction a1 () 2)"), "");
  (void)Eval("(list-deffunctions)");
  EXPECT_EQ(TakeOutput(), "a1\r\nb2\r\nfor a total of 2 deffunctions.\r\n");
}

// ---- Pretty printers -----------------------------------------------------------------

TEST_F(MiscListings, PrettyPrintersAnswerTheTextOrNameTheUnknownKind) {
  ASSERT_EQ(Run("(deftemplate p (slot x)) (deffacts ps (p (x 1))) (deffunction f (?a) ?a)"
                "(defrule r (p (x ?x)) => (printout t ?x))"),
            "");
  IIEValue rule = Eval("(ppdefrule r)");
  EXPECT_EQ(rule->DType(), dtAtom);
  EXPECT_EQ(rule->AsString(), Engine.Parser().PrintRule(*Engine.Rules().Find("r")));
  EXPECT_EQ(Text("(ppdeftemplate p)").rfind("(deftemplate p", 0), 0u);
  EXPECT_EQ(Text("(ppdeffacts ps)").rfind("(deffacts ps", 0), 0u);
  EXPECT_EQ(Text("(ppdeffunction f)").rfind("(deffunction f", 0), 0u);
  EXPECT_EQ(ErrorOf("(ppdefrule nope)"), "Unknown rule name: nope");
  EXPECT_EQ(ErrorOf("(ppdeffacts nope)"), "Unknown fact set name: nope");
  EXPECT_EQ(ErrorOf("(ppdeffunction nope)"), "Unknown user function name: nope");
  EXPECT_EQ(ErrorOf("(ppdeftemplate nope)"), "Unknown fact template name: nope");
  EXPECT_EQ(ErrorOf("(ppdeftype nope)"), "Unknown defined type name: nope");
}

// ---- undef... ------------------------------------------------------------------------

TEST_F(MiscListings, UndefTemplateTakesItsFactsAndRulesWithIt) {
  ASSERT_EQ(Run("(deftemplate p (slot x)) (deftemplate q (slot y))"
                "(defrule on-p (p (x ?x)) =>) (defrule on-q (q (y ?y)) =>)"
                "(assert (p (x 1)) (q (y 2)))"),
            "");
  EXPECT_EQ(Text("(undeftemplate p)"), "TRUE");
  EXPECT_FALSE(Engine.FactTemplates().Find("p"));
  EXPECT_EQ(Engine.Rules().Find("on-p"), nullptr);
  EXPECT_NE(Engine.Rules().Find("on-q"), nullptr);
  TakeOutput();
  (void)Eval("(facts)");
  EXPECT_EQ(TakeOutput(), "f-0 (Initial-Fact)\r\nf-2 (q (y 2))\r\nFor a total of 2 facts.\r\n");
  EXPECT_EQ(Text("(undeftemplate p)"), "FALSE");
}

TEST_F(MiscListings, UndefOfAMissingConstructAnswersFalseAndChangesNothing) {
  ASSERT_EQ(Run("(defrule keep (x) =>) (deffacts fs (x)) (deffunction g () 1)"), "");
  int32_t rules = Engine.Rules().Count();
  EXPECT_EQ(Text("(undefrule nope)"), "FALSE");
  EXPECT_EQ(Text("(undeffacts nope)"), "FALSE");
  EXPECT_EQ(Text("(undeffunction nope)"), "FALSE");
  EXPECT_EQ(Text("(undeftype nope)"), "FALSE");
  EXPECT_EQ(Engine.Rules().Count(), rules);
  EXPECT_EQ(Text("(undefrule keep)"), "TRUE");
  EXPECT_EQ(Text("(undeffacts fs)"), "TRUE");
  EXPECT_EQ(Text("(undeffunction g)"), "TRUE");
  EXPECT_EQ(Engine.Rules().Count(), rules - 1);
  EXPECT_EQ(ErrorOf("(g)"), "Function is unimplemented or unassigned: g");
  // The fact set is gone: a reset no longer asserts its fact.
  Engine.Reset();
  EXPECT_EQ(Engine.Facts().Count(), 1);
}

TEST_F(MiscListings, AFiringRuleCannotDeleteItselfOrWhatItsPatternsUse) {
  ASSERT_EQ(Run("(deftemplate t1 (slot a))"
                "(defrule self (go) => (printout t (undefrule self) crlf))"
                "(defrule tmpl (t1 (a 1)) => (undeftemplate t1))"),
            "");
  EXPECT_EQ(Run("(assert (go)) (run)"), FormatMessage(kCannotRemoveFiringRule, {"self"}));
  EXPECT_NE(Engine.Rules().Find("self"), nullptr);
  EXPECT_EQ(Run("(assert (t1 (a 1))) (run)"), FormatMessage(kCannotRemoveFiringTemplate, {"t1"}));
  EXPECT_TRUE(Engine.FactTemplates().Find("t1"));
}

// ---- Settings --------------------------------------------------------------------------

TEST_F(MiscListings, ConstraintSettersAnswerThePreviousSetting) {
  Engine.SetTypeChecks(TTypeChecks{tcStatic});
  EXPECT_EQ(Text("(get-static-constraint-checking)"), "TRUE");
  EXPECT_EQ(Text("(get-dynamic-constraint-checking)"), "FALSE");
  EXPECT_EQ(Text("(set-static-constraint-checking FALSE)"), "TRUE");
  EXPECT_EQ(Text("(set-static-constraint-checking FALSE)"), "FALSE");
  EXPECT_FALSE(Engine.TypeChecks().Contains(tcStatic));
  EXPECT_EQ(Text("(set-dynamic-constraint-checking TRUE)"), "FALSE");
  EXPECT_TRUE(Engine.TypeChecks().Contains(tcDynamic));
  // Anything but TRUE switches the check off.
  EXPECT_EQ(Text("(set-dynamic-constraint-checking yes)"), "TRUE");
  EXPECT_FALSE(Engine.TypeChecks().Contains(tcDynamic));
}

TEST_F(MiscListings, ResetGlobalsAndGensymCounter) {
  EXPECT_EQ(Text("(set-reset-globals)"), "TRUE");
  EXPECT_EQ(Text("(set-reset-globals maybe)"), "maybe");
  EXPECT_FALSE(Engine.ResetGlobals());
  EXPECT_EQ(Text("(set-reset-globals TRUE)"), "TRUE");
  EXPECT_TRUE(Engine.ResetGlobals());
  EXPECT_EQ(Eval("(setgen 500)")->AsInteger(), 500);
  EXPECT_EQ(Engine.SymbolIndex(), 500);
}

TEST_F(MiscListings, TimeIsSecondsOfTheDay) {
  double seconds = Eval("(time)")->AsFloat();
  EXPECT_GE(seconds, 0.0);
  EXPECT_LT(seconds, 86400.0);
}

// ---- parse ------------------------------------------------------------------------------

TEST_F(MiscListings, ParseAnswersTrueOrFalse) {
  EXPECT_EQ(Text("(parse \"(deftemplate ok (slot x)) (assert (ok (x 1)))\")"), "TRUE");
  EXPECT_TRUE(Engine.FactTemplates().Find("ok"));
  EXPECT_EQ(Text("(parse \"(+ 1 abc)\")"), "FALSE");
}

TEST_F(MiscListings, AFailingParseLeavesNothingOfTheFailingStatement) {
  int32_t templates = Engine.FactTemplates().Count();
  // The patterns read before the missing arrow made implied templates.
  EXPECT_EQ(Text("(parse \"(defrule bad (newt ?x) (other ?x) (printout t ?x))\")"), "FALSE");
  EXPECT_EQ(Engine.Rules().Find("bad"), nullptr);
  EXPECT_EQ(Engine.FactTemplates().Count(), templates);
  EXPECT_EQ(Text("(parse \"(deffacts fs (x 1) (y 2) (z\")"), "FALSE");
  EXPECT_EQ(Engine.FactTemplates().Count(), templates);
  EXPECT_EQ(Text("(parse \"(deftemplate half (slot a) (slot b (type NOPE)))\")"), "FALSE");
  EXPECT_FALSE(Engine.FactTemplates().Find("half"));
}

TEST_F(MiscListings, AFailingParseKeepsWhatEarlierStatementsMade) {
  EXPECT_EQ(Text("(parse \"(deffacts kept (w 1)) (deffunction g () (assert (zz 1)))"
                 "(assert (v 1)) (defrule broken (u)\")"),
            "FALSE");
  EXPECT_TRUE(Engine.FactTemplates().Find("w"));   // a fact-set line uses it
  EXPECT_TRUE(Engine.FactTemplates().Find("zz"));  // a function body uses it
  EXPECT_TRUE(Engine.FactTemplates().Find("v"));   // a fact uses it
  EXPECT_FALSE(Engine.FactTemplates().Find("u"));
  EXPECT_EQ(Eval("(g)")->AsText(), "<Fact-2>");
}

// ---- guard ------------------------------------------------------------------------------

TEST_F(MiscListings, GuardKeepsTheFiringRuleFromReactivatingItself) {
  ASSERT_EQ(Run("(deftemplate counter (slot n))"
                "(defrule step ?f <- (counter (n ?n&:(< ?n 5)))"
                "   => (guard (modify ?f (n (+ ?n 1)))))"
                "(defrule loop ?f <- (counter (n ?n&:(< ?n 5)))"
                "   => (modify ?f (n (+ ?n 1))))"),
            "");
  ASSERT_EQ(Run("(undefrule loop) (assert (counter (n 0)))"), "");
  EXPECT_EQ(Engine.Run(), 1);
  EXPECT_TRUE(Engine.Rules().Find("step")->Enabled());
  // Outside a rule guard only evaluates.
  EXPECT_EQ(Eval("(guard 1 2 3)")->AsInteger(), 3);
}

TEST_F(MiscListings, GuardRestoresTheFlagAfterAnError) {
  ASSERT_EQ(Run("(defrule bad (go) => (guard (+ 1 abc)))"), "");
  EXPECT_NE(Run("(assert (go)) (run)"), "");
  EXPECT_TRUE(Engine.Rules().Find("bad")->Enabled());
}

}  // namespace
}  // namespace vettora
