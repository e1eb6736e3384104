// The fuzzy logic package: its table, the function types, fuzzy facts and
// knowledge bases with shaped terms.
#include <gtest/gtest.h>

#include "engine/facts.h"
#include "functions/function_table.h"
#include "packages/fuzzy_logic/fuzzy_logic_package.h"
#include "packages/fuzzy_logic/messages.h"
#include "reader/string_stream.h"
#include "../standard/core_test_util.h"

namespace vettora::testing {
namespace {

class FuzzyLogicTest : public CoreTest {
 protected:
  FuzzyLogicTest() {
    EXPECT_EQ(Run("(deftype temp extends (type FUZZY) (range 0 100) (units celsius)"
                  "  (values (term cold (z 10 40)) (term hot (s 50 90))))"
                  "(deftemplate reading (slot room) (slot t (type temp)))"),
              "");
  }
  double Number(const std::string& text) { return Eval(text)->AsNumeric(); }
  // A fact id as an integer argument.
  static std::string Id(const IIEValue& id) { return std::to_string(id->AsFactId()); }
};

TEST_F(FuzzyLogicTest, EveryTableFunctionIsRegisteredUnderItsName) {
  std::vector<std::string> names = TableNames(TFuzzyLogicPackage::Table());
  ASSERT_EQ(names.size(), 37u);
  EXPECT_EQ(names.front(), "create-fuzzy-value");
  EXPECT_EQ(names.back(), "beta");
  for (const std::string& name : names) {
    IUserFunction function;
    EXPECT_TRUE(Engine.FindFunction(name, function)) << name;
  }
}

TEST_F(FuzzyLogicTest, ChoosingAFunctionTypeSetsNameTextAndLimits) {
  TGetFuzzyFunction get(gffGetFs);
  EXPECT_EQ(get.FunctionName(), "get-fs");
  EXPECT_EQ(get.MaxArgumentCount(), 1);
  get.SetFunctionType(gffGetFsX);
  EXPECT_EQ(get.FunctionName(), "get-fs-x");
  EXPECT_EQ(get.MinArgumentCount(), 2);
  EXPECT_EQ(get.ArgumentString(),
            " <fact-expression> | <fact-id-expression> | <fuzzy-value-expression> "
            "<integer-expression>");
  TCreateFuzzyShapeFunction pi(fsPIShape);
  EXPECT_EQ(pi.MinArgumentCount(), 2);
  EXPECT_EQ(pi.MaxArgumentCount(), 3);
  TFuzzyAssertFunction unconditional(fafAssertUnconditional);
  EXPECT_EQ(unconditional.MinArgumentCount(), 0);
  // A name selects the type of its class only.
  EXPECT_TRUE(get.SelectType("get-fs-variable"));
  EXPECT_EQ(get.FunctionType(), gffGetFsVariable);
  EXPECT_EQ(get.MinArgumentCount(), 1);
  EXPECT_FALSE(get.SelectType("get-u"));
  EXPECT_EQ(get.FunctionName(), "get-fs-variable");
}

TEST_F(FuzzyLogicTest, UnionsFoldFromTheLeftAndSumIsNoIntersection) {
  Eval("(bind ?a (create-fuzzy-value temp cold))");
  Eval("(bind ?b (create-fuzzy-value temp hot))");
  Eval("(bind ?c (create-fuzzy-value temp medium))");
  EXPECT_EQ(Text("(get-fs (fuzzy-union-x product ?a ?b ?c))"),
            Text("(get-fs (fuzzy-union-x product (fuzzy-union-x product ?a ?b) ?c))"));
  EXPECT_EQ(ErrorOf("(fuzzy-intersection-x sum ?a ?b)"), "Invalid fuzzy operation: foSum");
  // The terms themselves are never changed by combining them.
  EXPECT_EQ(Number("(get-fs-length ?a)"), 7);
}

TEST_F(FuzzyLogicTest, FuzzyAssertMergesEqualFactsWithTheNamedMethod) {
  EXPECT_EQ(Text("(fuzzy-assert min-max)"), "FALSE");
  Eval("(fuzzy-assert min-max (reading (room a) (t cold)))");
  IIEValue id = Eval("(fuzzy-assert bounded-sum (reading (room a) (t hot)))");
  EXPECT_EQ(Engine.Facts().Count(), 2);  // the initial fact and the merged one
  // Bounded sum of two disjoint curves: both shapes survive.
  EXPECT_DOUBLE_EQ(Eval("(get-fs-value " + Id(id) + " 10)")->AsNumeric(), 1.0);
  EXPECT_DOUBLE_EQ(Eval("(get-fs-value " + Id(id) + " 90)")->AsNumeric(), 1.0);
  // Unconditionally the merge is an intersection: hot is gone again.
  IIEValue cut = Eval("(fuzzy-assert-unconditional (reading (room a) (t cold)))");
  EXPECT_DOUBLE_EQ(Eval("(get-fs-value " + Id(cut) + " 10)")->AsNumeric(), 1.0);
  EXPECT_DOUBLE_EQ(Eval("(get-fs-value " + Id(cut) + " 90)")->AsNumeric(), 0.0);
  EXPECT_EQ(ErrorOf("(get-fs " + Id(id) + ")"),
            "No Such Fact with ID=" + Id(id) + " exists");
}

TEST_F(FuzzyLogicTest, FactsWithoutFuzzySlotsAreRefusedAsFuzzyValues) {
  ASSERT_EQ(Run("(deftemplate plain (slot x))"), "");
  IIEValue id = Eval("(fuzzy-assert min-max (plain (x 1)))");
  EXPECT_EQ(ErrorOf("(get-fs-length " + Id(id) + ")"), kFzNotFuzzyFact);
  EXPECT_EQ(ErrorOf("(moment-defuzzify abc)"), "Not a fuzzy value type.  Value (abc) is a dtAtom type");
}

TEST_F(FuzzyLogicTest, DefuzzificationIsRememberedBySetAndUndecidableBefore) {
  Eval("(bind ?a (create-fuzzy-value temp hot))");
  EXPECT_EQ(Text("(is-undecidable (create-fuzzy-value temp very hot))"), "TRUE");
  EXPECT_NEAR(Number("(maximum-defuzzify ?a)"), 90.0, 1e-9);
  EXPECT_EQ(Text("(is-undecidable ?a)"), "FALSE");
  EXPECT_DOUBLE_EQ(Number("(get-compatibility-index ?a)"), 1.0);
}

TEST_F(FuzzyLogicTest, SettersAnswerThePreviousSetting) {
  EXPECT_EQ(Text("(set-fuzzy-inference product)"), "min-max");
  EXPECT_EQ(Engine.FuzzyInferenceMethod(), fimProduct);
  EXPECT_EQ(Text("(set-fuzzy-inference bounded-sum)"), "product");
  EXPECT_EQ(Text("(set-fuzzy-correlation product)"), "minimum");
  EXPECT_EQ(Text("(set-fuzzy-correlation product)"), "product");
  EXPECT_EQ(Text("(set-activation-threshold 0.25)"), "0.0000");
  EXPECT_FLOAT_EQ(Engine.MinActivationStrength(), 0.25f);
  EXPECT_EQ(Text("(set-fuzzy-auto-terms FALSE)"), "TRUE");
  EXPECT_FALSE(Engine.FuzzyAutoTerms());
  EXPECT_EQ(ErrorOf("(set-fuzzy-inference fimMean)"),
            "Invalid Fuzzy Inference specified (fimMean), expected minmax, additive, mean, "
            "product, boundedsum");
  EXPECT_EQ(Engine.FuzzyInferenceMethod(), fimBoundedSum);  // unchanged by the refusal
}

TEST_F(FuzzyLogicTest, ShapesAreFreeSetsNamedByTheirCall) {
  IIEValue beta = Eval("(beta 10 4)");
  auto* set = FuzzySetOf(*beta);
  ASSERT_NE(set, nullptr);
  EXPECT_EQ(set->Name(), "(beta 10 4)");
  EXPECT_EQ(set->Variable(), nullptr);
  EXPECT_EQ(set->Values().Count(), 7);
  EXPECT_DOUBLE_EQ(set->Values().First().X(), 6.0);
  EXPECT_DOUBLE_EQ(set->Values().Last().X(), 14.0);
  // Without a width argument the width is half the sum of the first two.
  EXPECT_DOUBLE_EQ(set->ShapeParameter(), 7.0);
  EXPECT_EQ(ErrorOf("(tri 1 2)"), "Too few arguments for tri");
}

// A knowledge base with shaped terms prints them as shape calls, which read
// back to the same terms.
TEST_F(FuzzyLogicTest, ShapedTermsSurviveSavingAndLoading) {
  ASSERT_EQ(Run("(deftype shapes extends (type FUZZY) (range 0 100)"
                "  (values (term a (pi 40 50 70)) (term b (beta 50 10 5 2))"
                "          (term c (tri 20 30 40))))"),
            "");
  TStringStream first;
  Engine.SaveDefinedTypesToStream(first);
  EXPECT_NE(first.DataString().find("(term a (pi 40.0000 50.0000 70.0000))"), std::string::npos);
  TInferenceEngine other;
  TStringStream source(first.DataString());
  other.LoadDefinedTypesFromStream(source);
  TStringStream second;
  other.SaveDefinedTypesToStream(second);
  auto body = [](const std::string& text) { return text.substr(text.find("(deftype")); };
  EXPECT_EQ(body(second.DataString()), body(first.DataString()));
}

}  // namespace
}  // namespace vettora::testing
