// The console's item-by-item runner, driven with captured output: what is
// echoed, how errors are reported and skipped, where input comes from, and
// how `exit` ends everything.
#include "shell/console.h"
#include "shell/console_capture.h"

#include <gtest/gtest.h>

#include "language/vorlan_engine_parser.h"
#include "reader/string_stream.h"

namespace vettora {
namespace {

using TCapture = testing::TConsoleCapture;

struct ConsoleTest : ::testing::Test {
  explicit ConsoleTest(const std::string& input = std::string()) : Input(input) {}
  TCapture Out;
  TStringStream Input;
  TConsole Console{Out, Input};
};

TEST_F(ConsoleTest, EchoesNonNilResultsWithPlainLineEnds) {
  EXPECT_TRUE(Console.RunText("(+ 1 2) abc 4.5 (deffunction f (?x) (* ?x 2)) (f 21)"));
  EXPECT_EQ(Out.Text, "3\nabc\n4.5000\n42\n");
  EXPECT_EQ(Console.ExitStatus(), 0);
}

TEST_F(ConsoleTest, TextEndsAtItsEndOrAtAnEofItemOnly) {
  // An item whose value is the atom EOF is echoed and the text goes on; the
  // parser's own OnParse handler still hears of every item, and is back in
  // place afterwards.
  auto& parser = dynamic_cast<TVorlanEngineParser&>(Console.Engine().Parser()).Parser();
  int reports = 0;
  parser.OnParse = [&](TIEParser&, TParsedType, TObject*, const Ref<TCounted>&) { ++reports; };
  EXPECT_TRUE(Console.RunText("EOF 1 (EOF) 2"));
  EXPECT_EQ(Out.Text, "EOF\n1\n");
  EXPECT_EQ(reports, 3);
  ASSERT_TRUE(parser.OnParse);
  EXPECT_EQ(parser.Stream(), nullptr);
}

TEST_F(ConsoleTest, FailingItemIsReportedAndTheTextGoesOn) {
  EXPECT_FALSE(Console.RunText("(+ 1 2)\n(no-such-function 1 (+ 2 3))\n(+ 3 4)\n\"str\" 5"));
  // Each error is one line, after the output that came before it; the rest
  // of the failed group is skipped and the next group runs.
  std::string text = Out.Text;
  EXPECT_EQ(text.substr(0, 2), "3\n");
  size_t error = text.find('!');
  ASSERT_NE(error, std::string::npos);
  EXPECT_NE(text.find("no-such-function", error), std::string::npos);
  EXPECT_NE(text.find("\n7\n", error), std::string::npos);
  // A string at the top level is an error of its own; 5 still runs.
  EXPECT_NE(text.rfind("!"), error);
  EXPECT_EQ(text.substr(text.size() - 2), "5\n");
  EXPECT_EQ(text.find('\r'), std::string::npos);
  EXPECT_EQ(Console.Failures(), 2);
  EXPECT_EQ(Console.ExitStatus(), 1);
}

TEST_F(ConsoleTest, ParseErrorsNameTheLineFromTheGivenStart) {
  EXPECT_FALSE(Console.RunText("\n(deftemplate)\n", 10));
  EXPECT_NE(Out.Text.find("at line 11"), std::string::npos) << Out.Text;
}

TEST_F(ConsoleTest, DefinitionsStayForLaterTexts) {
  EXPECT_TRUE(Console.RunText("(deffunction twice (?x) (* ?x 2))"));
  EXPECT_TRUE(Console.RunText("(twice 4)"));
  EXPECT_EQ(Out.Text, "8\n");
}

TEST_F(ConsoleTest, ExitEndsTheTextAndMarksTheConsole) {
  EXPECT_TRUE(Console.RunText("(deffunction stop () (exit) 99) 1 (stop) 2"));
  EXPECT_TRUE(Console.Aborted());
  EXPECT_EQ(Out.Text, "1\n");
  // Nothing more runs once aborted.
  Console.RunText("3");
  EXPECT_EQ(Out.Text, "1\n");
  EXPECT_EQ(Console.ExitStatus(), 0);
}

TEST_F(ConsoleTest, UnreadableFileIsReportedWithStatusTwo) {
  EXPECT_FALSE(Console.RunFile("/nonexistent/dir/x.clp"));
  EXPECT_NE(Out.Text.find("!Cannot open file \"/nonexistent/dir/x.clp\"."), std::string::npos)
      << Out.Text;
  EXPECT_FALSE(Console.RunFile("/"));
  EXPECT_EQ(Console.ExitStatus(), 2);
  EXPECT_TRUE(Console.RunText("1"));
}

struct ConsoleInputTest : ConsoleTest {
  ConsoleInputTest() : ConsoleTest("hello there\nsecond line\n(+ 40 2)\n(read)\nlast\n") {}
};

TEST_F(ConsoleInputTest, ReadAndReadlineTakeTheInput) {
  // `read` takes a token and drops the rest of its line.
  EXPECT_TRUE(Console.RunText("(read) (readline)"));
  EXPECT_EQ(Out.Text, "hello\n\"second line\"\n");
  EXPECT_GT(Out.Flushes, 0);
  // The rest of the input runs as a program whose reads take what follows.
  Out.Text.clear();
  EXPECT_TRUE(Console.RunInput());
  EXPECT_EQ(Out.Text, "42\nlast\n");
}

}  // namespace
}  // namespace vettora
