#pragma once
// TQtUserDialogs: the rule language's dialogs (input-box, input-query,
// message-dlg, show-message) as real Qt dialogs over the window: a text
// input dialog and message boxes with the asked-for buttons and icon.
//
// Every dialog is built here and then handed to one run step, exec() by
// default; tests replace that step to answer the dialog without blocking,
// so the building and the mapping of the answer are what they test.

#include <functional>

#include "engine/user_dialogs.h"

class QDialog;
class QWidget;

namespace vettora {

class TQtUserDialogs : public TUserDialogs {
 public:
  // Runs a fully built dialog modally and answers its result code.
  using TRunDialog = std::function<int(QDialog&)>;

  // The dialogs are modal to `parent` (may be null).
  explicit TQtUserDialogs(QWidget* parent);

  // Replaces the run step (null restores exec()).
  void SetRunDialog(TRunDialog run);

  bool InputQuery(const std::string& caption, const std::string& prompt,
                  std::string& value) override;
  TModalResult MessageDlg(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons,
                          int32_t helpContext) override;
  void ShowMessage(const std::string& text) override;

 private:
  QWidget* FParent;
  TRunDialog FRun;
};

}  // namespace vettora
