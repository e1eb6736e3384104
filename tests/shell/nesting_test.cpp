// Nesting without a counter of its own -- runs started from a rule's
// actions, texts that execute themselves through parse, load and batch --
// ends in an error once the stack runs low, and the console goes on with
// the next item, instead of overflowing the stack.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "reader/string_stream.h"
#include "shell/console.h"
#include "shell/console_capture.h"

namespace vettora {
namespace {

using TCapture = testing::TConsoleCapture;

struct NestingTest : ::testing::Test {
  TCapture Out;
  TStringStream Input;
  TConsole Console{Out, Input};

  // Runs the text, then a last item that shows the console is still alive.
  void ExpectNestingError(const std::string& text, const std::string& what) {
    EXPECT_FALSE(Console.RunText(text + "\n(printout t \"still here\" crlf)"));
    EXPECT_NE(Out.Text.find(what + " nested too deeply"), std::string::npos) << Out.Text;
    EXPECT_NE(Out.Text.find("still here\n"), std::string::npos) << Out.Text;
    EXPECT_FALSE(Console.Aborted());
  }
};

TEST_F(NestingTest, RunsStartedFromRuleActions) {
  ExpectNestingError(
      "(defrule again (x ?n) => (assert (x (+ ?n 1))) (run))\n(assert (x 0))\n(run)", "Runs");
}

// parse answers FALSE for a text that fails, so the innermost parse takes
// the error and the ones around it succeed (each echoing its TRUE).
TEST_F(NestingTest, ParseOfATextThatParsesItself) {
  EXPECT_TRUE(Console.RunText(
      "(deffunction self () (parse \"(self)\"))\n(self)\n(printout t \"still here\" crlf)"));
  const std::string end = "TRUE\nstill here\n";
  ASSERT_GE(Out.Text.size(), end.size());
  EXPECT_EQ(Out.Text.substr(Out.Text.size() - end.size()), end);
}

// A file that batches or loads itself, written to a scratch folder.
class SelfReferringFile : public NestingTest {
 protected:
  void SetUp() override {
    Folder = std::filesystem::temp_directory_path() /
             ("vettora-nesting-" + std::to_string(::getpid()));
    std::filesystem::create_directories(Folder);
  }
  void TearDown() override { std::filesystem::remove_all(Folder); }

  std::string Write(const std::string& name, const std::string& function) {
    std::string path = (Folder / name).string();
    std::ofstream(path) << "(" << function << " \"" << path << "\")\n";
    return path;
  }

  std::filesystem::path Folder;
};

TEST_F(SelfReferringFile, BatchOfItself) {
  ExpectNestingError("(batch \"" + Write("batch.clp", "batch") + "\")", "Executed texts");
}

TEST_F(SelfReferringFile, LoadOfItself) {
  ExpectNestingError("(load \"" + Write("load.clp", "load") + "\")", "Executed texts");
}

}  // namespace
}  // namespace vettora
