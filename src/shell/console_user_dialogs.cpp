#include "shell/console_user_dialogs.h"

#include <cctype>
#include <vector>

#include "shell/messages.h"
#include "values/format.h"

namespace vettora {

namespace {

// The word a console user types for each button, in TMsgDlgBtn order.
constexpr const char* kButtonWords[] = {"Yes",    "No",  "OK",      "Cancel",   "Abort", "Retry",
                                        "Ignore", "All", "NoToAll", "YesToAll", "Help"};
// The heading of each message type; a custom message has none.
constexpr const char* kTypeHeadings[] = {"Warning", "Error", "Information", "Confirmation", ""};

bool SameWord(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

std::string Trimmed(const std::string& text) {
  size_t first = text.find_first_not_of(" \t\r\n");
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

}  // namespace

bool TConsoleUserDialogs::InputQuery(const std::string& caption, const std::string& prompt,
                                     std::string& value) {
  std::string question = caption;
  if (!caption.empty() && !prompt.empty()) question += ": ";
  question += prompt;
  if (!value.empty()) question += (question.empty() ? "[" : " [") + value + "]";
  FWrite(question + (question.empty() ? "" : " "));
  std::string line;
  if (!FReadLine(line)) {
    FWrite("\n");
    return false;
  }
  if (!Trimmed(line).empty()) value = line;
  return true;
}

TModalResult TConsoleUserDialogs::MessageDlg(const std::string& text, TMsgDlgType type,
                                             TMsgDlgButtons buttons, int32_t) {
  std::vector<TMsgDlgBtn> offered;
  for (int b = mbYes; b <= mbHelp; ++b)
    if (buttons.Contains(TMsgDlgBtn(b))) offered.push_back(TMsgDlgBtn(b));
  if (offered.empty()) offered.push_back(mbOK);
  std::string choices;
  for (TMsgDlgBtn b : offered)
    choices += (choices.empty() ? "" : "/") + std::string(kButtonWords[b]);

  std::string heading = kTypeHeadings[type];
  FWrite((heading.empty() ? "" : heading + ": ") + text + "\n");
  for (;;) {
    FWrite("[" + choices + "] ");
    std::string line;
    if (!FReadLine(line)) {
      FWrite("\n");
      return mrCancel;
    }
    std::string answer = Trimmed(line);
    if (answer.empty()) return ButtonResult(offered.front());
    for (TMsgDlgBtn b : offered)
      if (SameWord(answer, kButtonWords[b])) return ButtonResult(b);
    FWrite(FormatMessage(kShellDialogAnswer, {choices}));
  }
}

void TConsoleUserDialogs::ShowMessage(const std::string& text) { FWrite(text + "\n"); }

}  // namespace vettora
