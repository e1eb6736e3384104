// The guard the fuzz harnesses put on an engine: file functions stay in the
// sandbox folder whatever name they are given, and rule-language loops and
// rule firings end within the budget.
#include "fuzz/engine_guard.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "engine/inference_engine.h"
#include "engine/user_functions.h"
#include "fuzz/function_wrap.h"
#include "reader/string_stream.h"
#include "shell/console.h"
#include "shell/console_capture.h"
#include "values/exceptions.h"

namespace vettora::fuzz {
namespace {

namespace fs = std::filesystem;

using TCapture = testing::TConsoleCapture;

struct GuardedConsole : ::testing::Test {
  TEngineGuard Guard;
  TCapture Out;
  TStringStream Input;
  TConsole Console{Out, Input};
  GuardedConsole() { Guard.Attach(Console.Engine()); }
};

TEST(FileSandbox, RefusesNamesThatCouldLeaveItsFolder) {
  TFileSandbox& sandbox = TFileSandbox::Process();
  for (const char* name : {"/etc/passwd", "../x.clp", "a/b", "a\\b", "..", ".", ""})
    EXPECT_THROW((void)sandbox.PathOf(name), EIEException) << name;
  fs::path inside = sandbox.PathOf("x.clp");
  EXPECT_EQ(inside.filename(), "x.clp");
  EXPECT_TRUE(fs::is_directory(inside.parent_path()));
}

TEST_F(GuardedConsole, FileFunctionsWorkInsideTheSandboxOnly) {
  fs::path outside = fs::temp_directory_path() / "vettora-guard-test-outside.txt";
  std::ofstream(outside) << "keep";
  EXPECT_FALSE(Console.RunText("(open \"note.txt\" f \"w\") (printout f \"hi\" crlf) (close f)\n"
                               "(open \"note.txt\" g \"r\") (readline g) (close g)\n"
                               "(save \"kb.clp\") (load \"kb.clp\")\n"
                               "(remove \"" + outside.string() + "\")\n"
                               "(rename \"note.txt\" \"../escaped.txt\")"));
  // What was written inside reads back; the names that lead outside are
  // errors and touch nothing.
  EXPECT_NE(Out.Text.find("\"hi\"\n"), std::string::npos) << Out.Text;
  EXPECT_TRUE(fs::exists(outside));
  EXPECT_TRUE(fs::exists(TFileSandbox::Process().PathOf("note.txt")));
  EXPECT_TRUE(fs::exists(TFileSandbox::Process().PathOf("kb.clp")));
  EXPECT_EQ(std::count(Out.Text.begin(), Out.Text.end(), '!'), 2) << Out.Text;
  fs::remove(outside);
}

TEST(EngineGuard, EmptiesTheSandboxWhenItGoes) {
  fs::path file;
  {
    TEngineGuard guard;
    file = TFileSandbox::Process().PathOf("left.txt");
    std::ofstream(file) << "x";
  }
  EXPECT_FALSE(fs::exists(file));
}

TEST_F(GuardedConsole, EndlessLoopsEndAsExitWould) {
  EXPECT_TRUE(Console.RunText("(while TRUE do) (printout t \"not reached\" crlf)"));
  EXPECT_TRUE(Console.Aborted());
  EXPECT_EQ(Out.Text, "");
}

TEST_F(GuardedConsole, BranchingRecursionEndsWithinTheBudget) {
  EXPECT_TRUE(Console.RunText(
      "(deffunction f (?n) (if (> ?n 0) then (f (- ?n 1)) (f (- ?n 1))))\n(f 60)"));
  EXPECT_TRUE(Console.Aborted());
  EXPECT_TRUE(Guard.Budget().Exhausted());
}

TEST_F(GuardedConsole, RunsHaltOnceTheFiringsAreSpent) {
  // Each firing makes the next activation; the rule alone would never stop.
  ASSERT_TRUE(Console.RunText("(defrule next (x ?n) => (assert (x (+ ?n 1))))\n(assert (x 0))"));
  Console.Engine().Run();
  EXPECT_EQ(Console.Engine().RulesFired(), kMaxFirings);
  // Later runs stop after their first firing.
  Console.Engine().Run();
  EXPECT_EQ(Console.Engine().RulesFired(), 1);
}

TEST(EngineGuard, WrapsThePackagesAnEngineMakesAgain) {
  TEngineGuard guard;
  TInferenceEngine engine;
  guard.Attach(engine);
  engine.SetPackages(TFunctionPackages());
  engine.SetPackages(TFunctionPackages::All());
  IUserFunction loop = engine.UserFunctions().Find("while");
  ASSERT_TRUE(loop);
  EXPECT_NE(dynamic_cast<const TWrappedFunction*>(loop.Get()), nullptr);
}

}  // namespace
}  // namespace vettora::fuzz
