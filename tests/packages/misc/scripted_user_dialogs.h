#pragma once
// TScriptedUserDialogs: dialogs whose answers a test writes beforehand.
// Each dialog takes the next answer of its kind and records what it was
// asked; with no answer left an input is cancelled and a message box
// answers mrCancel.

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "engine/user_dialogs.h"

namespace vettora::testing {

class TScriptedUserDialogs : public TUserDialogs {
 public:
  struct TAsked {
    std::string Text;  // caption and prompt joined by "|", or the message
    TMsgDlgType Type = mtCustom;
    TMsgDlgButtons Buttons;
    int32_t HelpContext = 0;
  };

  // std::nullopt cancels the input.
  void AnswerInput(std::optional<std::string> answer) { FInputs.push_back(std::move(answer)); }
  void AnswerMessage(TModalResult result) { FResults.push_back(result); }

  bool InputQuery(const std::string& caption, const std::string& prompt,
                  std::string& value) override {
    Asked.push_back({caption + "|" + prompt + "|" + value, mtCustom, {}, 0});
    if (FInputs.empty() || !FInputs.front()) {
      if (!FInputs.empty()) FInputs.pop_front();
      return false;
    }
    value = *FInputs.front();
    FInputs.pop_front();
    return true;
  }
  TModalResult MessageDlg(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons,
                          int32_t helpContext) override {
    Asked.push_back({text, type, buttons, helpContext});
    if (FResults.empty()) return mrCancel;
    TModalResult result = FResults.front();
    FResults.pop_front();
    return result;
  }
  void ShowMessage(const std::string& text) override { Shown.push_back(text); }

  std::vector<TAsked> Asked;
  std::vector<std::string> Shown;

 private:
  std::deque<std::optional<std::string>> FInputs;
  std::deque<TModalResult> FResults;
};

}  // namespace vettora::testing
