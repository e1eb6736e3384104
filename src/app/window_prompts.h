#pragma once
// TWindowPrompts: the modal questions and messages of the assessment
// window -- message boxes, the open and save dialogs and the About box --
// behind one interface, so that tests can answer them without blocking.

#include <QString>

class QWidget;

namespace vettora {

// The answers to "save the changes?".
enum TSaveAnswer : int { saSave, saDiscard, saCancel };

class TWindowPrompts {
 public:
  virtual ~TWindowPrompts() = default;
  // A message the user acknowledges.
  virtual void ShowMessage(QWidget* parent, const QString& text) = 0;
  // The same for something that went wrong (a file that cannot be read or
  // written): shown with the warning icon.
  virtual void ShowWarning(QWidget* parent, const QString& text) = 0;
  // A yes/no question; true for yes.
  virtual bool Confirm(QWidget* parent, const QString& text) = 0;
  // Save, Discard or Cancel for unsaved changes.
  virtual TSaveAnswer AskSaveChanges(QWidget* parent, const QString& text) = 0;
  // The file chosen to open or to save under (starting from `current`), or
  // an empty text when the user cancels.
  virtual QString OpenFileName(QWidget* parent, const QString& current) = 0;
  virtual QString SaveFileName(QWidget* parent, const QString& current) = 0;
  virtual void ShowAbout(QWidget* parent) = 0;
};

// The real dialogs: QMessageBox, QFileDialog with the evaluation-file
// filters and default suffix, and the About box.
class TQtWindowPrompts : public TWindowPrompts {
 public:
  void ShowMessage(QWidget* parent, const QString& text) override;
  void ShowWarning(QWidget* parent, const QString& text) override;
  bool Confirm(QWidget* parent, const QString& text) override;
  TSaveAnswer AskSaveChanges(QWidget* parent, const QString& text) override;
  QString OpenFileName(QWidget* parent, const QString& current) override;
  QString SaveFileName(QWidget* parent, const QString& current) override;
  void ShowAbout(QWidget* parent) override;
};

}  // namespace vettora
