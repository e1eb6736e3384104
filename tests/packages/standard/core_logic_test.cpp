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
// The matcher asks a comparison to decide two values it read from facts;
// the answer must be the call's own, and anything the call would read
// another way (text, atoms) is left to the call.
TEST_F(CoreTest, ComparisonsDecidePlainNumbersAsTheirCallsDo) {
  auto value = [this](const std::string& text) { return Engine.Parser().ParseValue(text); };
  auto call = [&](const std::string& text) { return value(text)->AsFunCall(); };
  const std::vector<std::string> numbers = {"-2", "1", "1.0", "1.5", "3", "-0.0", "0"};
  for (const std::string name : {"=", "<>", ">", ">=", "<", "<="})
    for (const std::string& a : numbers)
      for (const std::string& b : numbers) {
        std::string text = "(" + name + " " + a + " " + b + ")";
        bool result = false;
        ASSERT_TRUE(call(text)->TryCompare(*value(a), *value(b), result)) << text;
        EXPECT_EQ(result ? "TRUE" : "FALSE", Text(text)) << text;
      }
  bool result = false;
  EXPECT_FALSE(call("(> 1 2)")->TryCompare(*MakeAtom("x"), *MakeInteger(1), result));
  EXPECT_FALSE(call("(> 1 2)")->TryCompare(*MakeString("2"), *MakeInteger(1), result));
  // eq is no numeric comparison: 1 and 1.0 differ there.
  EXPECT_FALSE(call("(eq 1 1)")->TryCompare(*MakeInteger(1), *MakeInteger(1), result));
  // A call of three arguments is never decided on two values.
  EXPECT_FALSE(call("(< 1 2 3)")->TryCompare(*MakeInteger(1), *MakeInteger(2), result));
}

}  // namespace vettora::testing
