// TQtUserDialogs: QInputDialog and QMessageBox behind the engine's dialog
// interface.
#include "app/qt_user_dialogs.h"

#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <utility>

#include "app/messages.h"

namespace vettora {

namespace {

struct TButtonMapping {
  TMsgDlgBtn Button;
  QMessageBox::StandardButton Standard;
};

// The buttons in their enumeration order. "All" has no standard Qt button
// of its own and shares YesToAll's; a box asking for both shows it once
// and answers mrAll, the first of them.
constexpr TButtonMapping kButtons[] = {
    {mbYes, QMessageBox::Yes},           {mbNo, QMessageBox::No},
    {mbOK, QMessageBox::Ok},             {mbCancel, QMessageBox::Cancel},
    {mbAbort, QMessageBox::Abort},       {mbRetry, QMessageBox::Retry},
    {mbIgnore, QMessageBox::Ignore},     {mbAll, QMessageBox::YesToAll},
    {mbNoToAll, QMessageBox::NoToAll},   {mbYesToAll, QMessageBox::YesToAll},
    {mbHelp, QMessageBox::Help},
};

std::pair<QMessageBox::Icon, const char*> IconAndTitle(TMsgDlgType type) {
  switch (type) {
    case mtWarning: return {QMessageBox::Warning, kDialogWarning};
    case mtError: return {QMessageBox::Critical, kDialogError};
    case mtInformation: return {QMessageBox::Information, kDialogInformation};
    case mtConfirmation: return {QMessageBox::Question, kDialogConfirm};
    case mtCustom: break;
  }
  return {QMessageBox::NoIcon, kAppTitle};
}

QString Q(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

TQtUserDialogs::TQtUserDialogs(QWidget* parent) : FParent(parent) { SetRunDialog(nullptr); }

void TQtUserDialogs::SetRunDialog(TRunDialog run) {
  FRun = run ? std::move(run) : TRunDialog([](QDialog& dialog) { return dialog.exec(); });
}

bool TQtUserDialogs::InputQuery(const std::string& caption, const std::string& prompt,
                                std::string& value) {
  QInputDialog dialog(FParent);
  dialog.setInputMode(QInputDialog::TextInput);
  dialog.setWindowTitle(Q(caption));
  dialog.setLabelText(Q(prompt));
  dialog.setTextValue(Q(value));
  if (FRun(dialog) != QDialog::Accepted) return false;
  value = dialog.textValue().toStdString();
  return true;
}

TModalResult TQtUserDialogs::MessageDlg(const std::string& text, TMsgDlgType type,
                                        TMsgDlgButtons buttons, int32_t /*helpContext*/) {
  auto [icon, title] = IconAndTitle(type);
  QMessageBox box(icon, title, Q(text), QMessageBox::NoButton, FParent);
  if (buttons.Empty()) buttons.Include(mbOK);
  for (const TButtonMapping& mapping : kButtons)
    if (buttons.Contains(mapping.Button) && !box.button(mapping.Standard))
      box.addButton(mapping.Standard);
  FRun(box);
  QAbstractButton* clicked = box.clickedButton();
  for (const TButtonMapping& mapping : kButtons)
    if (buttons.Contains(mapping.Button) && clicked && clicked == box.button(mapping.Standard))
      return ButtonResult(mapping.Button);
  return mrNone;
}

void TQtUserDialogs::ShowMessage(const std::string& text) {
  QMessageBox box(QMessageBox::Information, kAppTitle, Q(text), QMessageBox::Ok, FParent);
  FRun(box);
}

}  // namespace vettora
