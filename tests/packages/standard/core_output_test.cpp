// printout and format.
#include "core_test_util.h"

namespace vettora::testing {
namespace {

TEST_F(CoreTest, PrintOutWritesItsArgumentsWithoutSeparators) {
  EXPECT_EQ(Eval("(printout t a crlf b)"), NilValue());
  EXPECT_EQ(TakeOutput(), "a\r\nb");
  EXPECT_EQ(LastName, "t");
  EXPECT_EQ(Text("(printout t \"x\" 1 2.5 CRLF)"), "");  // only crlf itself breaks lines
  EXPECT_EQ(TakeOutput(), "x12.5000CRLF");
  EXPECT_EQ(Text("(printout t (create$ a b) (create$))"), "");
  EXPECT_EQ(TakeOutput(), "(a b )()");
  Eval("(printout t (assert (x)))");  // a fact id in its printed form
  EXPECT_EQ(TakeOutput(), "<Fact-1>");
  EXPECT_EQ(Text("(printout \"err\" x)"), "");
  EXPECT_EQ(LastName, "err");
  Output = "?";
  EXPECT_EQ(Text("(printout)"), "");  // the empty text to the default name
  EXPECT_EQ(Output, "?");
  EXPECT_EQ(LastName, "");
}

TEST_F(CoreTest, FormatFillsDirectivesAndAppendsTheRest) {
  Eval("(format t \"%d items\" 3)");
  EXPECT_EQ(TakeOutput(), "3 items");
  Eval("(format t \"x\" 1 2)");
  EXPECT_EQ(TakeOutput(), "x 1 2");
  Eval("(format t \"v\" \"s\" (create$ a) 2.5 (assert (y)))");
  EXPECT_EQ(TakeOutput(), "v s (a ) 2.5000 1");
  Eval("(format t \"a%nb\")");  // a line break even without arguments
  EXPECT_EQ(TakeOutput(), "a\r\nb");
  Eval("(format t \"%n%d%n\" 7)");
  EXPECT_EQ(TakeOutput(), "\r\n7\r\n");
  Eval("(format out \"%s and %s\" \"q\" abc)");  // s keeps a string's quotes
  EXPECT_EQ(TakeOutput(), "\"q\" and abc");
  EXPECT_EQ(LastName, "out");
}

TEST_F(CoreTest, FormatDirectivesOfNumbersAndText) {
  Eval("(format t \"[%5d|%-5d|%.3d|%.3d]\" 1 2 3 -4)");
  EXPECT_EQ(TakeOutput(), "[    1|2    |003|-004]");
  Eval("(format t \"%x %u %d\" 255 -1 2.9)");
  EXPECT_EQ(TakeOutput(), "FF 4294967295 2");
  Eval("(format t \"%f %.3f %8.1f\" 2.5 1 -3.25)");
  EXPECT_EQ(TakeOutput(), "2.50 1.000     -3.2");
  Eval("(format t \"%e|%.3e|%e\" 1234.5 0.000125 -1e-300)");
  EXPECT_EQ(TakeOutput(), "1.23450000000000E+003|1.25E-004|-1.00000000000000E-300");
  Eval("(format t \"%g %g %.3g\" 0.5 100 3.14159)");
  EXPECT_EQ(TakeOutput(), "0.5 100 3.14");
  Eval("(format t \"%m %.0m %m\" 1234567.891 -2500 0.5)");
  EXPECT_EQ(TakeOutput(), "$1,234,567.89 -$2,500 $0.50");
  Eval("(format t \"<%.2s><%6s><%-4s>\" abcdef xy z)");
  EXPECT_EQ(TakeOutput(), "<ab><    xy><z   >");
  EXPECT_TRUE(Contains(ErrorOf("(format t \"%d\" abc)"), "Not a"));
  EXPECT_TRUE(Contains(ErrorOf("(format t \"%p\" 5)"), "External Address"));
}

TEST_F(CoreTest, FormatOddControlStrings) {
  // An unknown letter leaves the text as it is and uses the argument up;
  // the next argument meets the same "%" again.
  Eval("(format t \"%q %d\" 1 2)");
  EXPECT_EQ(TakeOutput(), "%q %d");
  Eval("(format t \"50%\" 1)");
  EXPECT_EQ(TakeOutput(), "50%");
  Eval("(format t \"%%d\" 5)");
  EXPECT_EQ(TakeOutput(), "%d");
  // A formatted value is never scanned for directives again.
  Eval("(format t \"%s %d\" \"5%\" 3)");
  EXPECT_EQ(TakeOutput(), "\"5%\" 3");
  Eval("(format t \"x\" \"%d\" 4)");
  EXPECT_EQ(TakeOutput(), "x %d 4");
  // Malformed directives raise; huge widths are capped.
  EXPECT_EQ(ErrorOf("(format t \"%-5-3d\" 1)"), "Invalid format directive: \"%-5-3d\"");
  Eval("(format t \"%99999999999d\" 1)");
  EXPECT_EQ(TakeOutput().size(), 1024u);
  EXPECT_EQ(ErrorOf("(format t)"), "Too few arguments for format");
}

TEST_F(CoreTest, NestedOutputDoesNotDisturbTheOuterText) {
  Eval("(format t \"[%s]\" (format t \"in%d\" 1))");
  EXPECT_EQ(TakeOutput(), "in1[]");
  Eval("(printout t a (printout t b) c)");
  EXPECT_EQ(TakeOutput(), "bac");
}

}  // namespace
}  // namespace vettora::testing
