#pragma once
// TWindowPrompts: the modal questions and messages of the assessment
// window -- message boxes, the open and save dialogs and the About box --
// behind one interface, so that tests can answer them without blocking.

#include <QString>

class QWidget;

namespace vettora {

class TWindowPrompts {
 public:
  virtual ~TWindowPrompts() = default;
  // A message the user acknowledges.
  virtual void ShowMessage(QWidget* parent, const QString& text) = 0;
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
  QString OpenFileName(QWidget* parent, const QString& current) override;
  QString SaveFileName(QWidget* parent, const QString& current) override;
  void ShowAbout(QWidget* parent) override;
};

}  // namespace vettora
