// TQtWindowPrompts: the window's modal dialogs.
#include "app/window_prompts.h"

#include <QFileDialog>
#include <QMessageBox>

#include "app/about_box.h"
#include "app/messages.h"

namespace vettora {

namespace {

QString RunFileDialog(QWidget* parent, const QString& current, QFileDialog::AcceptMode mode) {
  QFileDialog dialog(parent);
  dialog.setAcceptMode(mode);
  dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                     : QFileDialog::AnyFile);
  dialog.setNameFilters(QString(kFileDialogFilter).split(";;"));
  dialog.setDefaultSuffix(kDefaultSuffix);
  if (!current.isEmpty()) dialog.selectFile(current);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().constFirst();
}

}  // namespace

void TQtWindowPrompts::ShowMessage(QWidget* parent, const QString& text) {
  QMessageBox::information(parent, kAppTitle, text);
}

void TQtWindowPrompts::ShowWarning(QWidget* parent, const QString& text) {
  QMessageBox::warning(parent, kAppTitle, text);
}

bool TQtWindowPrompts::Confirm(QWidget* parent, const QString& text) {
  return QMessageBox::question(parent, kAppTitle, text, QMessageBox::Yes | QMessageBox::No,
                               QMessageBox::No) == QMessageBox::Yes;
}

// Escape and closing the box cancel: nothing is lost by accident.
TSaveAnswer TQtWindowPrompts::AskSaveChanges(QWidget* parent, const QString& text) {
  switch (QMessageBox::warning(parent, kAppTitle, text,
                               QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                               QMessageBox::Save)) {
    case QMessageBox::Save:
      return saSave;
    case QMessageBox::Discard:
      return saDiscard;
    default:
      return saCancel;
  }
}

QString TQtWindowPrompts::OpenFileName(QWidget* parent, const QString& current) {
  return RunFileDialog(parent, current, QFileDialog::AcceptOpen);
}

QString TQtWindowPrompts::SaveFileName(QWidget* parent, const QString& current) {
  return RunFileDialog(parent, current, QFileDialog::AcceptSave);
}

void TQtWindowPrompts::ShowAbout(QWidget* parent) {
  TAboutBox box(parent);
  box.exec();
}

}  // namespace vettora
