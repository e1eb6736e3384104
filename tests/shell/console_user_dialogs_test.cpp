#include "shell/console_user_dialogs.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>

namespace vettora {
namespace {

// A console whose input lines are given and whose output is collected.
class ConsoleDialogs : public ::testing::Test {
 protected:
  ConsoleDialogs()
      : Dialogs([this](const std::string& text) { Output += text; },
                [this](std::string& line) {
                  if (Input.empty()) return false;
                  line = Input.front();
                  Input.pop_front();
                  return true;
                }) {}

  std::deque<std::string> Input;
  std::string Output;
  TConsoleUserDialogs Dialogs;
};

TEST_F(ConsoleDialogs, InputTakesTheLineKeepsTheDefaultOnEmptyAndCancelsAtTheEnd) {
  Input = {"Ann", "  "};
  std::string value = "nobody";
  EXPECT_TRUE(Dialogs.InputQuery("Applicant", "Name?", value));
  EXPECT_EQ(value, "Ann");
  EXPECT_EQ(Output, "Applicant: Name? [nobody] ");
  value = "Leeds";
  EXPECT_TRUE(Dialogs.InputQuery("", "City?", value));
  EXPECT_EQ(value, "Leeds");
  EXPECT_FALSE(Dialogs.InputQuery("", "", value));
  EXPECT_EQ(value, "Leeds");
}

TEST_F(ConsoleDialogs, MessageBoxMatchesButtonWordsAndAsksAgain) {
  Input = {"maybe", "cancel"};
  EXPECT_EQ(Dialogs.MessageDlg("Save?", mtConfirmation, {mbYes, mbNo, mbCancel}, 0), mrCancel);
  EXPECT_EQ(Output,
            "Confirmation: Save?\n[Yes/No/Cancel] Please answer one of Yes/No/Cancel\n"
            "[Yes/No/Cancel] ");
  // A button that is not offered is no answer; an empty line is the first.
  Input = {"yes", ""};
  EXPECT_EQ(Dialogs.MessageDlg("Retry?", mtError, {mbAbort, mbRetry}, 0), mrAbort);
  // No buttons means OK alone; the end of input cancels.
  Output.clear();
  Input = {"ok"};
  EXPECT_EQ(Dialogs.MessageDlg("Note", mtCustom, {}, 0), mrOk);
  EXPECT_EQ(Output, "Note\n[OK] ");
  EXPECT_EQ(Dialogs.MessageDlg("Again", mtInformation, {mbOK}, 0), mrCancel);
}

TEST_F(ConsoleDialogs, ShowMessageWaitsForNothing) {
  Dialogs.ShowMessage("done");
  EXPECT_EQ(Output, "done\n");
}

}  // namespace
}  // namespace vettora
