#include "editors/editor_prompts.h"

#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace vettora {

bool TQtEditorPrompts::RunModal(QDialog& window) { return window.exec() == QDialog::Accepted; }

void TQtEditorPrompts::ShowMessage(QWidget* parent, const QString& text) {
  QMessageBox::warning(parent, parent ? parent->windowTitle() : QString(), text);
}

namespace {

QString AskFileName(QWidget* parent, const QString& current, const QString& filter,
                    const QString& suffix, QFileDialog::AcceptMode mode) {
  QFileDialog dialog(parent, QString(), current, filter);
  dialog.setAcceptMode(mode);
  dialog.setDefaultSuffix(suffix);
  if (mode == QFileDialog::AcceptOpen) dialog.setFileMode(QFileDialog::ExistingFile);
  if (!current.isEmpty()) dialog.selectFile(current);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().first();
}

}  // namespace

QString TQtEditorPrompts::OpenFileName(QWidget* parent, const QString& current,
                                       const QString& filter, const QString& suffix) {
  return AskFileName(parent, current, filter, suffix, QFileDialog::AcceptOpen);
}

QString TQtEditorPrompts::SaveFileName(QWidget* parent, const QString& current,
                                       const QString& filter, const QString& suffix) {
  return AskFileName(parent, current, filter, suffix, QFileDialog::AcceptSave);
}

bool TQtEditorPrompts::SetUpPrinter(QWidget* parent, QPrinter& printer, bool forPrinting) {
  if (forPrinting) {
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
  }
  QPageSetupDialog dialog(&printer, parent);
  return dialog.exec() == QDialog::Accepted;
}

void TQtEditorPrompts::ShowPrintPreview(QWidget* parent, QPrinter& printer,
                                        const std::function<void(QPrinter&)>& paint) {
  QPrintPreviewDialog preview(&printer, parent);
  QObject::connect(&preview, &QPrintPreviewDialog::paintRequested,
                   [&paint](QPrinter* p) { paint(*p); });
  preview.exec();
}

}  // namespace vettora
