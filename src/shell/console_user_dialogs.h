#pragma once
// TConsoleUserDialogs: the dialogs of the rule language on a text console.
// Each dialog writes its question to the console's output and reads the
// answer as one line of the console's input, so a script piped into the
// shell can answer them:
//   input-box / input-query  prompt "<caption>: <prompt> [<default>] ";
//                            an empty line keeps the default, the end of
//                            the input cancels;
//   message-dlg              "<Kind>: <text>" and the buttons, e.g.
//                            "[Yes/No] "; the answer is a button's word in
//                            any case, an empty line the first button; an
//                            unknown word asks again; the end of the
//                            input answers mrCancel;
//   show-message             writes the text; it waits for nothing.

#include <functional>
#include <string>

#include "engine/user_dialogs.h"

namespace vettora {

class TConsoleUserDialogs : public TUserDialogs {
 public:
  using TWrite = std::function<void(const std::string& text)>;
  // Answers the next input line, or false at the end of the input.
  using TReadLine = std::function<bool(std::string& line)>;

  TConsoleUserDialogs(TWrite write, TReadLine readLine)
      : FWrite(std::move(write)), FReadLine(std::move(readLine)) {}

  bool InputQuery(const std::string& caption, const std::string& prompt,
                  std::string& value) override;
  TModalResult MessageDlg(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons,
                          int32_t helpContext) override;
  void ShowMessage(const std::string& text) override;

 private:
  TWrite FWrite;
  TReadLine FReadLine;
};

}  // namespace vettora
