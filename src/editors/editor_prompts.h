#pragma once
// TEditorPrompts: every modal step of the editor windows -- showing a
// window, file dialogs, message boxes, the printer dialogs -- behind one
// interface, so that tests answer them without blocking. A window hands
// its prompts on to the editors it opens itself (the template editor of
// the rule editor, ...).

#include <QString>
#include <functional>
#include <memory>

class QDialog;
class QPrinter;
class QWidget;

namespace vettora {

class TEditorPrompts {
 public:
  virtual ~TEditorPrompts() = default;
  // Shows the window modally; true when it was closed with OK.
  virtual bool RunModal(QDialog& window) = 0;
  virtual void ShowMessage(QWidget* parent, const QString& text) = 0;
  // The file chosen (starting from `current`), or empty when cancelled.
  // `filter` is a QFileDialog filter, `suffix` the default extension.
  virtual QString OpenFileName(QWidget* parent, const QString& current, const QString& filter,
                               const QString& suffix) = 0;
  virtual QString SaveFileName(QWidget* parent, const QString& current, const QString& filter,
                               const QString& suffix) = 0;
  // The print dialog (print) or the page set-up dialog (printer set-up);
  // false when cancelled.
  virtual bool SetUpPrinter(QWidget* parent, QPrinter& printer, bool forPrinting) = 0;
  // Shows a preview that paints through `paint`; the default does nothing.
  virtual void ShowPrintPreview(QWidget* parent, QPrinter& printer,
                                const std::function<void(QPrinter&)>& paint) = 0;
};

// The real dialogs: exec(), QMessageBox, QFileDialog, QPrintDialog,
// QPageSetupDialog and QPrintPreviewDialog.
class TQtEditorPrompts : public TEditorPrompts {
 public:
  bool RunModal(QDialog& window) override;
  void ShowMessage(QWidget* parent, const QString& text) override;
  QString OpenFileName(QWidget* parent, const QString& current, const QString& filter,
                       const QString& suffix) override;
  QString SaveFileName(QWidget* parent, const QString& current, const QString& filter,
                       const QString& suffix) override;
  bool SetUpPrinter(QWidget* parent, QPrinter& printer, bool forPrinting) override;
  void ShowPrintPreview(QWidget* parent, QPrinter& printer,
                        const std::function<void(QPrinter&)>& paint) override;
};

using TEditorPromptsRef = std::shared_ptr<TEditorPrompts>;

}  // namespace vettora
