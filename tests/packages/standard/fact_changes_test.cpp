// modify and duplicate: slot changes, the fact kept safe on errors, and
// fuzzy slots.
#include "fact_test_util.h"
#include "fuzzy/ifuzzy_set.h"

namespace vettora::testing {
namespace {

constexpr const char* kTemplate = "(deftemplate p (slot a) (multislot m (default z)))";

TEST_F(FactTest, ModifyChangesSlotsUnderANewId) {
  Run(kTemplate);
  Run("(assert (p (a 1)) (o 5))");
  EXPECT_EQ(Text("(modify 1 (a 2) (m x y))"), "<Fact-3>");
  EXPECT_EQ(Facts(), "f-0 (Initial-Fact); f-2 (o 5 ); f-3 (p (a 2) (m x y ))");
  // One value for a multislot makes a list of one; a list value is taken whole.
  EXPECT_EQ(Text("(modify 3 (m w))"), "<Fact-4>");
  EXPECT_EQ(Text("(get-slot-value 4 m)"), "[w]");
  EXPECT_EQ(Text("(modify 4 (m (create$ c d)))"), "<Fact-5>");
  EXPECT_EQ(Text("(get-slot-value 5 m)"), "[c d]");
  // An ordered fact changes through its list slot.
  EXPECT_EQ(Text("(modify 2 (__Data 6 7))"), "<Fact-6>");
  EXPECT_EQ(Facts(), "f-0 (Initial-Fact); f-5 (p (a 2) (m c d )); f-6 (o 6 7 )");
}

TEST_F(FactTest, ModifyKeepsTheFactWhenAChangeFails) {
  Run(kTemplate);
  Run("(assert (p (a 1)))");
  EXPECT_EQ(ErrorOf("(modify 99 (a 1))"), "No Such Fact with ID=99 exists");
  // The changes made before the failing one stay; the fact is listed again.
  EXPECT_EQ(ErrorOf("(modify 1 (a 5) (zz 1))"), "No such slot name: \"zz\"");
  EXPECT_EQ(Facts(), "f-0 (Initial-Fact); f-2 (p (a 5) (m z ))");
  EXPECT_EQ(ErrorOf("(modify 2 (a (nth$ 7 (create$))))"), "List index out of bounds (7)");
  EXPECT_EQ(Facts(), "f-0 (Initial-Fact); f-3 (p (a 5) (m z ))");
  EXPECT_TRUE(Contains(ErrorOf("(modify 3 5)"), "Not a list type"));
  EXPECT_EQ(Engine.Facts().Count(), 2);
}

TEST_F(FactTest, ModifyOntoAListedFactAnswersFalse) {
  Run(kTemplate);
  Run("(assert (p (a 1)) (p (a 2)))");
  // Equal to f-2 with duplicates refused: the modified fact is not listed twice.
  EXPECT_EQ(Text("(modify 1 (a 2))"), "FALSE");
  EXPECT_EQ(Facts(), "f-0 (Initial-Fact); f-2 (p (a 2) (m z ))");
}

TEST_F(FactTest, ModifyInARuleUsesTheRuleBindings) {
  Run(kTemplate);
  Run("(defrule bump ?f <- (p (a 1)) (go ?x) => (modify ?f (a ?x) (m ?x (create$ ?x q))))");
  Run("(assert (p (a 1)) (go 4))");
  EXPECT_EQ(Engine.Run(), 1);
  EXPECT_EQ(Facts(), "f-0 (Initial-Fact); f-2 (go 4 ); f-3 (p (a 4) (m 4 4 q ))");
}

TEST_F(FactTest, ModifyConvertsValuesOfFuzzySlots) {
  Run("(deftype temperature extends (type FUZZY) (range 0 100)"
      "  (values (term cold ((0 1) (50 0))) (term hot ((50 0) (100 1)))))"
      "(deftemplate room (slot temp (type temperature) (default cold)))");
  Run("(assert (room))");
  EXPECT_EQ(Text("(modify 1 (temp hot))"), "<Fact-2>");
  IIEValue value = Engine.Facts().Items(1)->GetSlotValue("temp");
  ASSERT_EQ(value->DType(), dtFuzzy);
  auto* set = dynamic_cast<TFuzzySet*>(value->AsFuzzy().Get());
  ASSERT_TRUE(set);
  EXPECT_NEAR(set->Membership(100), 1.0, 1e-9);
  EXPECT_NEAR(set->Membership(0), 0.0, 1e-9);
}

TEST_F(FactTest, DuplicateAddsAChangedCopyAndKeepsTheOriginal) {
  Run(kTemplate);
  Run("(assert (p (a 1) (m x)))");
  EXPECT_EQ(Text("(duplicate 1 (a 2))"), "<Fact-2>");
  EXPECT_EQ(Text("(duplicate 1 (m u v))"), "<Fact-3>");
  EXPECT_EQ(Facts(),
            "f-0 (Initial-Fact); f-1 (p (a 1) (m x )); f-2 (p (a 2) (m x )); "
            "f-3 (p (a 1) (m u v ))");
  // A copy equal to a listed fact is refused; a failing change adds nothing.
  EXPECT_EQ(Text("(duplicate 1 (a 2))"), "FALSE");
  EXPECT_EQ(ErrorOf("(duplicate 1 (zz 2))"), "No such slot name: \"zz\"");
  EXPECT_EQ(ErrorOf("(duplicate 9 (a 2))"), "No Such Fact with ID=9 exists");
  EXPECT_EQ(ErrorOf("(duplicate 1)"), "Too few arguments for duplicate");
  EXPECT_EQ(Engine.Facts().Count(), 4);
}

TEST_F(FactTest, DuplicateEvaluatesVariablesInsideListValues) {
  Run(kTemplate);
  Run("(defrule copy ?f <- (p (a 1)) (go ?x) => (duplicate ?f (a ?x) (m ?x y)))");
  Run("(assert (p (a 1)) (go 3))");
  EXPECT_EQ(Engine.Run(), 1);
  EXPECT_EQ(Facts(),
            "f-0 (Initial-Fact); f-1 (p (a 1) (m z )); f-2 (go 3 ); f-3 (p (a 3) (m 3 y ))");
}

}  // namespace
}  // namespace vettora::testing
