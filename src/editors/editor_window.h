#pragma once
// TEditorWindow: what the four editor windows have in common. Each holds
// a private engine as its working copy (the target is written back by the
// dialog component, and only on OK); a menu bar with the file actions of
// its kind of construct (Open Ctrl+O, Save Ctrl+S, Save As, Print Ctrl+P,
// Print Preview, Printer Setup), a status bar showing hints and parse
// errors, and OK and Cancel buttons. The window's own controls come from
// its .ui form, set up on Content().
//
// OK first asks CommitPending() to take over what is typed but not yet
// added; a text that fails to parse keeps the window open with the error
// in the status bar and the cursor on its line, so nothing half-parsed is
// ever written back.

#include <QDialog>
#include <QString>
#include <exception>
#include <functional>
#include <memory>

#include "editors/editor_kind.h"
#include "editors/editor_prompts.h"

class QAction;
class QDialogButtonBox;
class QMenu;
class QMenuBar;
class QPlainTextEdit;
class QPrinter;
class QStatusBar;
class QToolBar;

namespace vettora {

class TInferenceEngine;

class TEditorWindow : public QDialog {
  Q_OBJECT
 public:
  // `title` is the window's default title (a dialog's Caption replaces it).
  TEditorWindow(TEditorKind kind, const QString& title, QWidget* parent = nullptr);
  ~TEditorWindow() override;

  // The working copy: all parts of the engine packages included; types are
  // checked statically and dynamically.
  [[nodiscard]] TInferenceEngine& Engine() const { return *FEngine; }
  // Copies the whole source (with its packages) into the working copy with
  // the copy's network disabled, runs `whileDisabled` on the copy, then
  // enables the network again.
  void CopyEngine(const TInferenceEngine& source,
                  const std::function<void(TInferenceEngine&)>& whileDisabled = {});
  // Shows the working copy's current contents in the controls.
  virtual void Refresh() = 0;
  // Takes over a pending edit (a typed rule, fact, ...) before OK; false,
  // with the error shown, when it does not parse.
  virtual bool CommitPending() { return true; }

  [[nodiscard]] TEditorKind Kind() const { return FKind; }
  [[nodiscard]] const QString& FileName() const { return FFileName; }
  [[nodiscard]] TEditorPrompts& Prompts() const { return *FPrompts; }
  [[nodiscard]] const TEditorPromptsRef& SharedPrompts() const { return FPrompts; }
  void SetPrompts(TEditorPromptsRef prompts);

  // ---- File actions (also callable without the menus).
  // Loads the file into the working copy, refreshes; false (message shown)
  // when it cannot be read.
  bool OpenFile(const QString& fileName);
  bool SaveFile(const QString& fileName);
  void FileOpen();
  void FileSave();  // without a current file name: FileSaveAs
  void FileSaveAs();
  void FilePrint();
  void FilePrintPreview();
  void FilePrinterSetup();
  // The text that is printed: what a save would write.
  [[nodiscard]] QString PrintText() const;
  // Paints PrintText on the printer's pages in a fixed-pitch font.
  void PaintText(QPrinter& printer) const;

  // ---- Status bar.
  void ShowStatus(const QString& text);
  [[nodiscard]] QString StatusText() const;
  // Shows a parse or engine error; with `edit`, places its cursor on the
  // error's line (counted from `firstLine` of the edit's text).
  void ShowError(const std::exception& error, QPlainTextEdit* edit = nullptr, int firstLine = 1);

  [[nodiscard]] QMenuBar* MenuBar() const { return FMenuBar; }
  [[nodiscard]] QMenu* FileMenu() const { return FFileMenu; }
  [[nodiscard]] QToolBar* ToolBar() const { return FToolBar; }
  [[nodiscard]] QWidget* Content() const { return FContent; }
  [[nodiscard]] QDialogButtonBox* Buttons() const { return FButtons; }
  // Adds a menu after File; window_actions.h makes actions with their hints.
  QMenu* AddMenu(const QString& title);

  void accept() override;

 private:
  void BuildFrame();
  void BuildFileActions();
  QAction* AddFileAction(const QString& text, const QString& hint, const char* objectName);
  QPrinter& Printer();

  TEditorKind FKind;
  std::unique_ptr<TInferenceEngine> FEngine;
  TEditorPromptsRef FPrompts;
  std::unique_ptr<QPrinter> FPrinter;
  QString FFileName;
  QMenuBar* FMenuBar = nullptr;
  QMenu* FFileMenu = nullptr;
  QToolBar* FToolBar = nullptr;
  QWidget* FContent = nullptr;
  QStatusBar* FStatusBar = nullptr;
  QDialogButtonBox* FButtons = nullptr;
};

}  // namespace vettora
