// and, or, not, the equality tests and the numeric comparisons.
#include "core_test_util.h"

namespace vettora::testing {
namespace {

TEST_F(CoreTest, AndRejectsOnlyFalseWhileOrAsksForTrue) {
  EXPECT_EQ(Text("(and)"), "TRUE");
  EXPECT_EQ(Text("(or)"), "FALSE");
  EXPECT_EQ(Text("(and 1)"), "TRUE");
  EXPECT_EQ(Text("(or 1)"), "FALSE");
  EXPECT_EQ(Text("(and nil TRUE \"FALSE\")"), "TRUE");  // only the atom FALSE is false
  EXPECT_EQ(Text("(or FALSE 5 TRUE)"), "TRUE");
  EXPECT_EQ(Text("(not FALSE)"), "TRUE");
  EXPECT_EQ(Text("(not 0)"), "FALSE");
  // Both stop at the first argument that decides.
  EXPECT_EQ(Text("(and TRUE FALSE (printout t \"and ran on\"))"), "FALSE");
  EXPECT_EQ(Text("(or FALSE TRUE (printout t \"or ran on\"))"), "TRUE");
  EXPECT_EQ(Output, "");
  EXPECT_EQ(ErrorOf("(not)"), "Too few arguments for not");
  EXPECT_EQ(ErrorOf("(not 1 2)"), "Too many arguments for not");
}

TEST_F(CoreTest, EqualityTestsCompareKindAndValueOrValueOnly) {
  EXPECT_EQ(Text("(eq a a a)"), "TRUE");
  EXPECT_EQ(Text("(eq a a b)"), "FALSE");
  EXPECT_EQ(Text("(eq a)"), "TRUE");
  EXPECT_EQ(Text("(eq 1 1.0)"), "FALSE");
  EXPECT_EQ(Text("(eq a \"a\")"), "FALSE");
  EXPECT_EQ(Text("(eq* 1 1.0)"), "TRUE");
  EXPECT_EQ(Text("(eq* 1 1.0 2)"), "FALSE");
  EXPECT_EQ(Text("(neq a b c)"), "TRUE");
  EXPECT_EQ(Text("(neq a b a)"), "FALSE");
  EXPECT_EQ(Text("(neq 1 1.0)"), "TRUE");
  EXPECT_EQ(ErrorOf("(eq)"), "Too few arguments for eq");
  // The answer is known at the first mismatch: later arguments do not run.
  EXPECT_EQ(Text("(eq a b (printout t \"ran on\"))"), "FALSE");
  EXPECT_EQ(Text("(neq a a (printout t \"ran on\"))"), "FALSE");
  EXPECT_EQ(Output, "");
}

TEST_F(CoreTest, NumericEqualityIsExact) {
  EXPECT_EQ(Text("(= 1 1.0)"), "TRUE");
  EXPECT_EQ(Text("(= 1 1.0 2)"), "FALSE");
  EXPECT_EQ(Text("(= 0.1 0.1000001)"), "FALSE");
  EXPECT_EQ(Text("(= 3)"), "TRUE");
  EXPECT_EQ(Text("(<> 1 2 3)"), "TRUE");
  EXPECT_EQ(Text("(<> 1 2 1.0)"), "FALSE");
  EXPECT_EQ(Text("(= \"2\" 2)"), "TRUE");  // numeric text reads as its number
  EXPECT_TRUE(Contains(ErrorOf("(= 1 abc)"), "Not a"));
  // Argument 1 is read even when there is nothing to compare it with.
  EXPECT_TRUE(Contains(ErrorOf("(= abc)"), "Not a"));
}

TEST_F(CoreTest, OrderingsCompareNeighbours) {
  EXPECT_EQ(Text("(< 1 2 2)"), "FALSE");
  EXPECT_EQ(Text("(<= 1 2 2)"), "TRUE");
  EXPECT_EQ(Text("(< 1 2.5 3)"), "TRUE");
  EXPECT_EQ(Text("(> 3 2 1)"), "TRUE");
  EXPECT_EQ(Text("(> 3 1 2)"), "FALSE");
  EXPECT_EQ(Text("(>= 3 3 1)"), "TRUE");
  EXPECT_EQ(Text("(>= 3 4)"), "FALSE");
  EXPECT_EQ(ErrorOf("(> 5)"), "Too few arguments for >");
  // Arguments after the first failing pair are not evaluated.
  EXPECT_EQ(Text("(< 2 1 (printout t \"ran on\"))"), "FALSE");
  EXPECT_EQ(Output, "");
  EXPECT_TRUE(Contains(ErrorOf("(< 1 x)"), "Not a"));
}

}  // namespace
}  // namespace vettora::testing
