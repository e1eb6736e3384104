#include "shell/input_balance.h"

#include <gtest/gtest.h>

namespace vettora {
namespace {

bool CompleteAfter(std::initializer_list<const char*> lines) {
  TInputBalance balance;
  for (const char* line : lines) {
    balance.Add(line);
    balance.Add("\n");
  }
  return balance.Complete();
}

TEST(InputBalanceTest, WaitsForClosingParentheses) {
  EXPECT_TRUE(CompleteAfter({"(+ 1 2)"}));
  EXPECT_FALSE(CompleteAfter({"(defrule r"}));
  EXPECT_FALSE(CompleteAfter({"(defrule r", "  (a)"}));
  EXPECT_TRUE(CompleteAfter({"(defrule r", "  (a)", "  => (b))"}));
  EXPECT_TRUE(CompleteAfter({"foo"}));
  EXPECT_TRUE(CompleteAfter({"(a) (b"}) == false);
}

TEST(InputBalanceTest, IgnoresParenthesesInStringsCommentsAndEscapes) {
  EXPECT_TRUE(CompleteAfter({"(printout t \"(\" crlf)"}));
  EXPECT_FALSE(CompleteAfter({"(printout t \"a)"}));
  EXPECT_TRUE(CompleteAfter({"(printout t \"a", "b)\")"}));
  EXPECT_TRUE(CompleteAfter({"(printout t \"\\\"(\")"}));
  EXPECT_TRUE(CompleteAfter({"(foo) ; (unclosed"}));
  EXPECT_FALSE(CompleteAfter({"(foo ; )"}));
  EXPECT_TRUE(CompleteAfter({"(foo a\\( )"}));
}

TEST(InputBalanceTest, BlankInputIsNeverComplete) {
  TInputBalance balance;
  balance.Add("   \n");
  balance.Add("; only a comment (\n");
  EXPECT_TRUE(balance.Blank());
  EXPECT_FALSE(balance.Complete());
  balance.Add("x\n");
  EXPECT_FALSE(balance.Blank());
  EXPECT_TRUE(balance.Complete());
  balance.Clear();
  EXPECT_TRUE(balance.Blank());
  EXPECT_EQ(balance.Depth(), 0);
}

TEST(InputBalanceTest, TooManyClosingParenthesesEndTheInput) {
  // The parser reports the stray ")" at once rather than waiting forever.
  TInputBalance balance;
  balance.Add("(a)) (b\n");
  EXPECT_TRUE(balance.Complete());
}

}  // namespace
}  // namespace vettora
