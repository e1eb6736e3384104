#pragma once
// TMainWindow: the applicant assessment window. The controls come from
// main_window.ui under the system's control names; the engine, the rule
// components and the fact set come from the stored form (TAssessment),
// their events bound to the handlers below by name.
//
// Edits of the rules and the company data (Edit Rules, Edit Factset) are
// kept in the knowledge file (knowledge_file.h) and read again at the next
// start; Restore Original Rules forgets them.
//
// Modal prompts go through TWindowPrompts, the editor windows through
// TEditorPrompts; tests replace both.
//
// The code is spread by area: main_window.cpp (controls, assessment),
// main_window_actions.cpp (actions and their availability),
// main_window_files.cpp (evaluation files, unsaved changes, title) and
// main_window_edits.cpp (editing, keeping and restoring the rules).

#include <QMainWindow>
#include <QMetaObject>
#include <QString>
#include <array>
#include <memory>
#include <string>

#include "app/applicant.h"
#include "app/stored_form.h"
#include "editors/editor_prompts.h"
#include "knowledge/fact.h"

class QCloseEvent;

namespace Ui {
class TMainWindow;
}

namespace vettora {

class TAssessment;
class TAssessmentTrace;
class TEditorDialog;
class TIEContext;
class TRadioGroup;
class TQtUserDialogs;
class TWindowPrompts;

class TMainWindow : public QMainWindow {
  Q_OBJECT
 public:
  // Reads the stored form and the knowledge file (DefaultKnowledgePath); a
  // damaged stored form raises EIEException, a damaged knowledge file is
  // reported through the prompts and the stored form used alone.
  explicit TMainWindow(QWidget* parent = nullptr);
  // The same with these prompts from the start.
  explicit TMainWindow(std::unique_ptr<TWindowPrompts> prompts, QWidget* parent = nullptr);
  ~TMainWindow() override;

  // The applicant as the controls show it, and the reverse.
  [[nodiscard]] TApplicant Applicant() const;
  void SetApplicant(const TApplicant& applicant);

  [[nodiscard]] TAssessment& Assessment() const { return *FAssessment; }
  [[nodiscard]] TAssessmentTrace& Trace() const { return *FTrace; }
  [[nodiscard]] TRadioGroup& MaritalStatus() const { return *FMaritalStatus; }
  [[nodiscard]] TRadioGroup& Rating(int skill) const { return *FRatings.at(size_t(skill)); }
  // The current evaluation file (the dialogs' file name); empty for a new
  // evaluation.
  [[nodiscard]] const QString& FileName() const { return FFileName; }
  // The applicant was changed since it was last saved, opened or started.
  [[nodiscard]] bool Modified() const { return FModified; }
  // Where the edited rules and company data are kept.
  [[nodiscard]] const std::string& KnowledgeFile() const { return FKnowledgeFile; }
  // The rules or the company data differ from the stored form's.
  [[nodiscard]] bool KnowledgeEdited() const { return FKnowledgeEdited; }
  void SetPrompts(std::unique_ptr<TWindowPrompts> prompts);
  // The prompts the editor windows run through (the real dialogs unless
  // set).
  void SetEditorPrompts(TEditorPromptsRef prompts);
  // The dialogs the rules open (input-box, message-dlg, ...), installed on
  // the engine; tests replace their run step.
  [[nodiscard]] TQtUserDialogs& UserDialogs() const { return *FUserDialogs; }

  // ---- Handlers.
  void FormCreate();
  void btnAssessClick();
  void InferenceEngine1Assertion(const IFact& fact);
  void Rule1Fire(TIEContext& context);
  void Rule2Fire(TIEContext& context);
  void FileNew1Execute();
  void FileOpen1Execute();
  void FileSave1Execute();
  void FileSaveAsItemClick();
  void FileExit1Execute();
  void HelpAbout1Execute();
  void actEditFactsetExecute();
  void actEditRulesExecute();
  void actRestoreRulesExecute();

 protected:
  // Asks about unsaved changes; Cancel keeps the window open.
  void closeEvent(QCloseEvent* event) override;

 private:
  // ---- main_window.cpp
  void SetUpChoices();
  void ClearResults();
  void ClearWhy();
  void ShowInstructions();
  void ShowWhy();
  // ---- main_window_actions.cpp
  void SetUpActions();
  void ConnectActions();
  // Availability (with reasons) of every action but cut, copy and paste.
  void UpdateActions();
  // Cut, copy and paste follow the focused edit and its selection.
  void FollowFocus(QWidget* now);
  void UpdateEditActions();
  // Runs a method of the focused edit (cut, copy, paste).
  void EditFocused(const char* method);
  // ---- main_window_files.cpp
  void WatchInputs();
  void SetModified(bool modified);
  void UpdateTitle();
  // True when there are no unsaved changes or the user saved or discarded
  // them.
  bool MayDiscardChanges();
  void SaveTo(const QString& fileName);
  // ---- main_window_edits.cpp
  [[nodiscard]] TFormHandlers Handlers();
  // Makes the assessment from the stored form and the knowledge file, with
  // its trace and runtime; answers the warning about a damaged file.
  std::string SetUpAssessment();
  void SetUpRuntime();
  void TearDownAssessment();
  // Runs an editor dialog on the assessment; after OK the rule components
  // are put back, the instructions rebuilt and the knowledge file written.
  void RunEditor(TEditorDialog& dialog);
  void KeepEdits();
  // Edits in use or a knowledge file (perhaps a damaged one) to forget.
  [[nodiscard]] bool HasEditsToForget() const;

  std::unique_ptr<Ui::TMainWindow> FUi;
  TRadioGroup* FMaritalStatus = nullptr;
  std::array<TRadioGroup*, kSkillCount> FRatings{};
  std::unique_ptr<TWindowPrompts> FPrompts;
  TEditorPromptsRef FEditorPrompts;
  std::unique_ptr<TQtUserDialogs> FUserDialogs;
  std::unique_ptr<TAssessment> FAssessment;
  std::unique_ptr<TAssessmentTrace> FTrace;
  std::string FKnowledgeFile;
  QString FFileName;
  std::string FApology;                     // the last assessment's apology, if any
  QMetaObject::Connection FSelectionWatch;  // the focused edit's selection
  QMetaObject::Connection FFocusWatch;      // the application's focus
  QMetaObject::Connection FClipboardWatch;
  bool FAssessing = false;
  bool FModified = false;
  bool FKnowledgeEdited = false;
};

}  // namespace vettora
