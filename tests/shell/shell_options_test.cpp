#include "shell/shell_options.h"

#include <gtest/gtest.h>

#include "shell/messages.h"
#include "values/format.h"

namespace vettora {
namespace {

TEST(ShellOptionsTest, FilesAndTextsKeepTheirOrder) {
  TShellOptions options = ParseShellOptions({"a.clp", "-e", "(+ 1 2)", "b.clp", "--eval=(x)"});
  ASSERT_TRUE(options.Error.empty());
  ASSERT_EQ(options.Inputs.size(), 4u);
  EXPECT_EQ(options.Inputs[0].Kind, sikFile);
  EXPECT_EQ(options.Inputs[0].Value, "a.clp");
  EXPECT_EQ(options.Inputs[1].Kind, sikText);
  EXPECT_EQ(options.Inputs[1].Value, "(+ 1 2)");
  EXPECT_EQ(options.Inputs[2].Value, "b.clp");
  EXPECT_EQ(options.Inputs[3].Value, "(x)");
  EXPECT_FALSE(options.Interactive);
}

TEST(ShellOptionsTest, InteractiveWhenThereIsNothingToRunOrWhenAsked) {
  EXPECT_TRUE(ParseShellOptions({}).Interactive);
  EXPECT_TRUE(ParseShellOptions({"-i", "a.clp"}).Interactive);
  EXPECT_TRUE(ParseShellOptions({"a.clp", "--interactive"}).Interactive);
  EXPECT_FALSE(ParseShellOptions({"-w", "facts", "a.clp"}).Interactive);
  // "-" is standard input; after "--" everything is a file.
  TShellOptions options = ParseShellOptions({"-", "--", "-e"});
  ASSERT_EQ(options.Inputs.size(), 2u);
  EXPECT_EQ(options.Inputs[0].Value, "-");
  EXPECT_EQ(options.Inputs[1].Kind, sikFile);
  EXPECT_EQ(options.Inputs[1].Value, "-e");
}

TEST(ShellOptionsTest, WatchKeywords) {
  TShellOptions options = ParseShellOptions({"-w", "facts,rules", "--watch", "statistics"});
  ASSERT_TRUE(options.Error.empty());
  EXPECT_EQ(options.Watch, (TConstructWatches{cwFact, cwRule, cwStatistics}));
  EXPECT_EQ(ParseShellOptions({"--watch=all"}).Watch, TConstructWatches::All());
  EXPECT_EQ(ParseShellOptions({"-w", "activations", "-w", "compilations"}).Watch,
            (TConstructWatches{cwActivation, cwCompilation}));
  EXPECT_EQ(ParseShellOptions({"-w", "fact"}).Error, FormatMessage(kShellCannotWatch, {"fact"}));
  EXPECT_EQ(ParseShellOptions({"-w", "facts,"}).Error, FormatMessage(kShellCannotWatch, {""}));
}

TEST(ShellOptionsTest, WrongCommandLines) {
  EXPECT_EQ(ParseShellOptions({"-e"}).Error, FormatMessage(kShellMissingArgument, {"-e"}));
  EXPECT_EQ(ParseShellOptions({"a.clp", "--watch"}).Error,
            FormatMessage(kShellMissingArgument, {"--watch"}));
  EXPECT_EQ(ParseShellOptions({"-x"}).Error, FormatMessage(kShellUnknownOption, {"-x"}));
  EXPECT_TRUE(ParseShellOptions({"--version"}).Version);
  EXPECT_TRUE(ParseShellOptions({"-h"}).Help);
}

}  // namespace
}  // namespace vettora
