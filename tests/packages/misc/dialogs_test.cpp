#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "misc_test_util.h"
#include "scripted_user_dialogs.h"
#include "packages/misc/misc_dialogs.h"

namespace vettora {
namespace {

class MiscDialogs : public testing::MiscTest {
 protected:
  MiscDialogs() { Engine.SetUserDialogs(&Dialogs); }
  ~MiscDialogs() override { Engine.SetUserDialogs(nullptr); }
  testing::TScriptedUserDialogs Dialogs;
};

TEST_F(MiscDialogs, InputBoxFallsBackToTheDefaultInputQueryToFalse) {
  Dialogs.AnswerInput("Ann");
  Dialogs.AnswerInput(std::nullopt);
  Dialogs.AnswerInput(std::nullopt);
  EXPECT_EQ(Text("(input-box \"Who\" \"Name?\" \"nobody\")"), "Ann");
  EXPECT_EQ(Text("(input-box \"Who\" \"Name?\" \"nobody\")"), "nobody");
  EXPECT_EQ(Eval("(input-query \"Who\")"), FalseValue());
  ASSERT_EQ(Dialogs.Asked.size(), 3u);
  EXPECT_EQ(Dialogs.Asked[0].Text, "Who|Name?|nobody");
  EXPECT_EQ(Dialogs.Asked[2].Text, "Who||");
  Dialogs.AnswerInput("");
  EXPECT_EQ(Eval("(input-query)")->DType(), dtString);
}

TEST_F(MiscDialogs, MessageDlgPassesTypeButtonsAndHelpAndNamesTheResult) {
  Dialogs.AnswerMessage(mrNo);
  EXPECT_EQ(Text("(message-dlg \"Go on?\" mtConfirmation \"[mbYes, mbNo,mbCancel]\" 7)"), "mrNo");
  ASSERT_EQ(Dialogs.Asked.size(), 1u);
  EXPECT_EQ(Dialogs.Asked[0].Text, "Go on?");
  EXPECT_EQ(Dialogs.Asked[0].Type, mtConfirmation);
  EXPECT_EQ(Dialogs.Asked[0].Buttons, (TMsgDlgButtons{mbYes, mbNo, mbCancel}));
  EXPECT_EQ(Dialogs.Asked[0].HelpContext, 7);
  Dialogs.AnswerMessage(mrYesToAll);
  EXPECT_EQ(Text("(message-dlg \"x\" \"mtError\")"), "mrYesToAll");
  EXPECT_TRUE(Dialogs.Asked[1].Buttons.Empty());
}

TEST_F(MiscDialogs, BadTypeOrButtonNamesAreErrors) {
  EXPECT_EQ(ErrorOf("(message-dlg \"x\" mtNope)").rfind("Unknown message dialog type: mtNope", 0),
            0u);
  EXPECT_EQ(ErrorOf("(message-dlg \"x\" mtError \"[mbYes, mbMaybe]\")"),
            "Unknown message dialog button: mbMaybe");
  EXPECT_TRUE(Dialogs.Asked.empty());
}

TEST_F(MiscDialogs, ShowMessageAndTheEnginesOwnDialogs) {
  EXPECT_EQ(Text("(show-message \"hello\")"), "TRUE");
  ASSERT_EQ(Dialogs.Shown.size(), 1u);
  EXPECT_EQ(Dialogs.Shown[0], "hello");
  // Without dialogs of its own the engine cancels everything.
  Engine.SetUserDialogs(nullptr);
  EXPECT_EQ(Text("(input-box \"c\" \"p\" \"dflt\")"), "dflt");
  EXPECT_EQ(Eval("(input-query)"), FalseValue());
  EXPECT_EQ(Text("(message-dlg \"x\" mtWarning \"[mbOK]\")"), "mrCancel");
}

TEST(DialogNames, ButtonSetsAndResults) {
  EXPECT_EQ(MessageDialogButtons(" [ mbOK ] "), (TMsgDlgButtons{mbOK}));
  EXPECT_EQ(MessageDialogButtons("mbAbort,mbRetry,mbIgnore"),
            (TMsgDlgButtons{mbAbort, mbRetry, mbIgnore}));
  EXPECT_TRUE(MessageDialogButtons("[]").Empty());
  EXPECT_EQ(ModalResultName(mrOk), "mrOk");
  EXPECT_EQ(ModalResultName(mrHelp), "mrHelp");
  EXPECT_EQ(ButtonResult(mbOK), mrOk);
  EXPECT_EQ(ButtonResult(mbNoToAll), mrNoToAll);
  EXPECT_EQ(MessageDialogType("mtCustom"), mtCustom);
}

}  // namespace
}  // namespace vettora
