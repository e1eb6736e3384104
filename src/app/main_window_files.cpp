// TMainWindow: evaluation files -- New, Open, Save, Save As, Exit -- the
// unsaved-changes question and the window title that shows the file and
// the change mark.
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QSpinBox>

#include "app/evaluation_file.h"
#include "app/main_window.h"
#include "app/messages.h"
#include "app/radio_group.h"
#include "app/window_prompts.h"
#include "ui_main_window.h"
#include "values/format.h"

namespace vettora {

namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

// Every input control marks the evaluation changed, also when a rule
// sets it; New and Open take the mark away after filling the controls.
void TMainWindow::WatchInputs() {
  auto changed = [this] { SetModified(true); };
  for (QLineEdit* edit : {FUi->eFirstName, FUi->eLastname, FUi->eLastEmployer})
    connect(edit, &QLineEdit::textChanged, this, changed);
  for (QSpinBox* spin : {FUi->seAge, FUi->seYearsAtJob, FUi->seNumJobs})
    connect(spin, &QSpinBox::valueChanged, this, changed);
  connect(FUi->cbJobTitle, &QComboBox::currentIndexChanged, this, changed);
  connect(FMaritalStatus, &TRadioGroup::Changed, this, changed);
  for (TRadioGroup* rating : FRatings) connect(rating, &TRadioGroup::Changed, this, changed);
}

void TMainWindow::SetModified(bool modified) {
  FModified = modified;
  UpdateTitle();
  UpdateActions();
}

// "Vettora Application - ada.evl*": the program, the file, the change mark.
void TMainWindow::UpdateTitle() {
  QString title = kAppTitle;
  if (!FFileName.isEmpty())
    title = Q(
        FormatMessage(kTitleWithFile, {kAppTitle, QFileInfo(FFileName).fileName().toStdString()}));
  if (FModified) title += kModifiedMark;
  setWindowTitle(title);
}

bool TMainWindow::MayDiscardChanges() {
  if (!FModified) return true;
  std::string name = FFileName.isEmpty()
                         ? std::string(kNewEvaluation)
                         : "\"" + QFileInfo(FFileName).fileName().toStdString() + "\"";
  switch (FPrompts->AskSaveChanges(this, Q(FormatMessage(kAskSaveChanges, {name})))) {
    case saSave:
      FileSave1Execute();
      return !FModified;  // a cancelled or failed save keeps the window as it is
    case saDiscard:
      return true;
    case saCancel:
      break;
  }
  return false;
}

void TMainWindow::FileNew1Execute() {
  if (!MayDiscardChanges()) return;
  SetApplicant(TApplicant{});
  ClearResults();
  ClearWhy();
  FFileName.clear();
  SetModified(false);
}

// The whole file is read before any control changes, so a malformed file
// leaves the window exactly as it was.
void TMainWindow::FileOpen1Execute() {
  if (!MayDiscardChanges()) return;
  QString name = FPrompts->OpenFileName(this, FFileName);
  if (name.isEmpty()) return;
  TApplicant applicant = Applicant();
  try {
    LoadEvaluationFile(name.toStdString(), applicant);
  } catch (const EEvaluationFileError& error) {
    FPrompts->ShowWarning(this, Q(error.what()));
    return;
  }
  SetApplicant(applicant);
  ClearResults();
  ClearWhy();
  FFileName = name;
  SetModified(false);
}

void TMainWindow::FileSave1Execute() {
  QString name = FFileName;
  if (name.isEmpty()) name = FPrompts->SaveFileName(this, FFileName);
  if (!name.isEmpty()) SaveTo(name);
}

void TMainWindow::FileSaveAsItemClick() {
  QString name = FPrompts->SaveFileName(this, FFileName);
  if (!name.isEmpty()) SaveTo(name);
}

void TMainWindow::SaveTo(const QString& fileName) {
  try {
    SaveEvaluationFile(fileName.toStdString(), Applicant());
  } catch (const EEvaluationFileError& error) {
    FPrompts->ShowWarning(this, Q(error.what()));
    return;
  }
  FFileName = fileName;
  SetModified(false);
}

void TMainWindow::FileExit1Execute() { close(); }

void TMainWindow::closeEvent(QCloseEvent* event) {
  if (MayDiscardChanges())
    event->accept();
  else
    event->ignore();
}

void TMainWindow::HelpAbout1Execute() { FPrompts->ShowAbout(this); }

}  // namespace vettora
