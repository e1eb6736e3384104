// The fuzzy forms: points, terms, fuzzy types and fuzzy slots.
#include "engine/fact_set.h"
#include "engine/fact_sets.h"
#include "fuzzy/ifuzzy_set.h"
#include "matching/pattern.h"
#include "matching/rule.h"
#include "parser_test_util.h"
#include "values/singletons_vector.h"

namespace vettora::testing {
namespace {

constexpr const char* kTemperature =
    "(deftype temperature extends (type FUZZY)\n"
    "  (range 0 100)\n"
    "  (units celsius)\n"
    "  (values (term cold ((0 1) (50 0)))\n"
    "          (term hot ((50 0) (100 1)))))";

TEST_F(ParserTest, FuzzyPointsTakeNumbersVariablesAndCalls) {
  ISingletonsVector points = Reader->ParseFuzzyPoints("((1 0) (?x 1.5) ((+ 1 2) 1))");
  ASSERT_EQ(points->Count(), 3);
  EXPECT_EQ(points->X(1)->DType(), dtVariable);
  EXPECT_EQ(points->Y(1)->DType(), dtFloat);
  EXPECT_EQ(points->X(2)->DType(), dtFunCall);
  EXPECT_THROW((void)Reader->ParseFuzzyPoints("((a 1))"), EIEParseException);
  EXPECT_THROW((void)Reader->ParseFuzzyPoints("(1 2)"), EIEParseException);
}

TEST_F(ParserTest, FuzzyTypesReadTheirVariable) {
  EXPECT_EQ(Run(kTemperature), "");
  IIEDefinedType type = Engine.FindDefinedType("temperature");
  ASSERT_TRUE(type);
  const IFuzzyVariable& variable = type->FuzzyVariable();
  ASSERT_TRUE(variable);
  EXPECT_EQ(variable->Name(), "temperature");
  EXPECT_EQ(variable->Maximum(), 100);
  EXPECT_EQ(type->Units(), "celsius");
  IFuzzySet cold = variable->FindTerm("cold");
  ASSERT_TRUE(cold);
  EXPECT_TRUE(cold->IsTerm());
  EXPECT_NEAR(cold->Membership(25), 0.5, 1e-9);
  EXPECT_TRUE(Contains(Run("(deftype t2 extends (type FUZZY) (range 0 ?VARIABLE))"),
                       "Expected value missing"));
  EXPECT_TRUE(Contains(Run("(deftype t2 extends (type FUZZY) (limits 0 1))"),
                       "Missing keyword.  Expected \"range, units, or values\""));
  EXPECT_TRUE(Contains(Run("(deftype t2 extends (type FUZZY) (values (word a 1)))"),
                       "Expected \"( term\""));
}

TEST_F(ParserTest, FuzzySlotsReadExpressionsOfTheirVariable) {
  ASSERT_EQ(Run(kTemperature), "");
  EXPECT_EQ(Run("(deftemplate room (slot temp (type temperature) (default cold)))"), "");
  const IFactSlot& slot = Engine.FindTemplate("room")->GetSlot("temp");
  ASSERT_EQ(slot->SlotDefault()->DType(), dtFuzzy);
  IFact fact = Reader->ParseFact("(room (temp very hot))");
  EXPECT_EQ(fact->GetSlotValue("temp")->DType(), dtFuzzy);
  EXPECT_TRUE(Contains(Run("(deftemplate bad (slot t (type temperature) (range 0 1)))"),
                       "Invalid attempt to modify fuzzy type in fact template slot"));
  EXPECT_TRUE(Contains(Run("(deftemplate bad (slot t (type FUZZY) (default x)))"),
                       "Fuzzy Type Definition needed to parse value"));
  EXPECT_EQ(Run("(defrule warm (room (temp hot)) => )"), "");
  TRule* rule = Engine.FindRule("warm");
  ASSERT_TRUE(rule);
  TIEPattern* pattern = rule->Patterns(rule->PatternCount() - 1);
  const auto& tests = pattern->Slots(pattern->IndexOfSlot("temp")).Tests;
  ASSERT_EQ(tests.size(), 1u);
  EXPECT_EQ(tests[0]->SlotValue()->DType(), dtFuzzy);
}

}  // namespace
}  // namespace vettora::testing
