#pragma once
// TScriptedPrompts: editor prompts that never block. Each modal window is
// handed to the next scripted step (which drives it and answers OK or
// Cancel); file names, printer answers and messages come from and go to
// plain fields.

#include <QDialog>
#include <QPrinter>
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>

#include "editors/editor_prompts.h"

namespace vettora {

class TScriptedPrompts : public TEditorPrompts {
 public:
  using TStep = std::function<bool(QDialog& window)>;

  std::deque<TStep> Steps;  // one per window shown, in order
  QStringList Messages;     // every message shown
  QString OpenName, SaveName;
  bool PrinterAnswer = true;
  QString PdfFile;  // when set, printing goes to this PDF file
  int Previews = 0;

  bool RunModal(QDialog& window) override {
    if (Steps.empty()) return false;  // unscripted: cancelled
    TStep step = std::move(Steps.front());
    Steps.pop_front();
    return step(window);
  }
  void ShowMessage(QWidget*, const QString& text) override { Messages << text; }
  QString OpenFileName(QWidget*, const QString&, const QString&, const QString&) override {
    return OpenName;
  }
  QString SaveFileName(QWidget*, const QString&, const QString&, const QString&) override {
    return SaveName;
  }
  bool SetUpPrinter(QWidget*, QPrinter& printer, bool) override {
    if (!PdfFile.isEmpty()) {
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(PdfFile);
    }
    return PrinterAnswer;
  }
  void ShowPrintPreview(QWidget*, QPrinter&, const std::function<void(QPrinter&)>&) override {
    ++Previews;
  }
};

}  // namespace vettora
