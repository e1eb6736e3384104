#pragma once
// TMainWindow: the applicant assessment window. The controls come from
// main_window.ui under the system's control names; the engine, the rule
// components and the fact set come from the stored form (TAssessment),
// their events bound to the handlers below by name.
//
// Modal prompts go through TWindowPrompts, which tests replace.

#include <QMainWindow>
#include <QString>
#include <array>
#include <memory>
#include <string>

#include "app/applicant.h"
#include "knowledge/fact.h"

namespace Ui {
class TMainWindow;
}

namespace vettora {

class TAssessment;
class TAssessmentTrace;
class TIEContext;
class TRadioGroup;
class TQtUserDialogs;
class TWindowPrompts;

class TMainWindow : public QMainWindow {
  Q_OBJECT
 public:
  // Reads the stored form; a damaged form raises EIEException.
  explicit TMainWindow(QWidget* parent = nullptr);
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
  void SetPrompts(std::unique_ptr<TWindowPrompts> prompts);
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

 private:
  void SetUpChoices();
  void SetUpActions();
  void SetUpRuntime();
  void ClearResults();
  void SaveTo(const QString& fileName);
  void ShowWhy();
  // Runs a method of the focused edit (cut, copy, paste).
  void EditFocused(const char* method);

  std::unique_ptr<Ui::TMainWindow> FUi;
  TRadioGroup* FMaritalStatus = nullptr;
  std::array<TRadioGroup*, kSkillCount> FRatings{};
  std::unique_ptr<TWindowPrompts> FPrompts;
  std::unique_ptr<TQtUserDialogs> FUserDialogs;
  std::unique_ptr<TAssessment> FAssessment;
  std::unique_ptr<TAssessmentTrace> FTrace;
  QString FFileName;
  std::string FApology;  // the last assessment's apology, if any
  bool FAssessing = false;
};

}  // namespace vettora
