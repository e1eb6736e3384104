// TMainWindow: the assessment behind the window -- made from the stored
// form and the knowledge file -- and editing, keeping and restoring its
// rules and company data.
#include <QFile>
#include <QFileInfo>

#include "app/assessment.h"
#include "app/assessment_trace.h"
#include "app/knowledge_file.h"
#include "app/main_window.h"
#include "app/messages.h"
#include "app/qt_host_runtime.h"
#include "app/qt_user_dialogs.h"
#include "app/window_prompts.h"
#include "editors/fact_set_dialog.h"
#include "editors/rules_dialog.h"
#include "engine/fact_set.h"  // complete for the dialog's inline setter
#include "engine/inference_engine.h"
#include "values/format.h"

namespace vettora {

namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

// The working copy is made and written back through rule texts; while the
// editor runs they carry every digit, or a factor such as 0.00125 would
// come back as 0.0013 after any edit, even one of the company data. True
// after OK, with the rule components back in place.
bool ExecuteExactly(TEditorDialog& dialog, TAssessment& assessment) {
  TReadBackText exact;
  if (!dialog.Execute()) return false;
  assessment.ReattachRuleComponents();
  return true;
}

}  // namespace

TFormHandlers TMainWindow::Handlers() {
  TFormHandlers handlers;
  handlers.FactEvents["InferenceEngine1Assertion"] = [this](TObject&, const IFact& fact) {
    InferenceEngine1Assertion(fact);
  };
  handlers.RuleFireEvents["Rule1Fire"] = [this](TObject&, TIEContext& c) { Rule1Fire(c); };
  handlers.RuleFireEvents["Rule2Fire"] = [this](TObject&, TIEContext& c) { Rule2Fire(c); };
  return handlers;
}

std::string TMainWindow::SetUpAssessment() {
  TLoadedAssessment loaded = LoadAssessment(Handlers(), FKnowledgeFile);
  FAssessment = std::move(loaded.Assessment);
  FKnowledgeEdited = loaded.Edited;
  FTrace = std::make_unique<TAssessmentTrace>(FAssessment->Engine());
  SetUpRuntime();
  return loaded.Warning;
}

// Rules reach the window's widgets and actions by name, next to the form's
// components, and open their dialogs over the window.
void TMainWindow::SetUpRuntime() {
  TInferenceEngine& engine = FAssessment->Engine();
  FUserDialogs = std::make_unique<TQtUserDialogs>(this);
  engine.SetUserDialogs(FUserDialogs.get());
  engine.SetHostRuntime(std::make_unique<TQtHostRuntime>(*this, engine, FAssessment->Components()));
}

// The engine must not reach the dialogs or the widgets once they go; the
// trace gives the engine's events back before the engine goes.
void TMainWindow::TearDownAssessment() {
  if (!FAssessment) return;
  TInferenceEngine& engine = FAssessment->Engine();
  engine.SetUserDialogs(nullptr);
  engine.SetHostRuntime(nullptr);
  FTrace.reset();
  FAssessment.reset();
}

void TMainWindow::SetEditorPrompts(TEditorPromptsRef prompts) {
  FEditorPrompts = prompts ? std::move(prompts) : std::make_shared<TQtEditorPrompts>();
}

void TMainWindow::actEditFactsetExecute() { RunEditor(FAssessment->FactSetDialog1()); }

void TMainWindow::actEditRulesExecute() { RunEditor(FAssessment->RulesDialog1()); }

// A write-back that fails half way is undone from the knowledge as it was
// before the edit, so that no half-taken edit is ever used or kept.
void TMainWindow::RunEditor(TEditorDialog& dialog) {
  if (FAssessing) return;
  dialog.SetParentWidget(this);
  dialog.SetPrompts(FEditorPrompts);
  std::string before = KnowledgeText(*FAssessment);
  try {
    if (!ExecuteExactly(dialog, *FAssessment)) return;
  } catch (const std::exception& error) {
    try {
      ApplyKnowledgeText(before, *FAssessment);
    } catch (const std::exception&) {
      TearDownAssessment();  // what was kept before the edit, else the stored form
      (void)SetUpAssessment();
    }
    ShowInstructions();
    FPrompts->ShowWarning(this, Q(FormatMessage(kEditFailed, {error.what()})));
    return;
  }
  KeepEdits();
}

// The edit is in use at once; a file that cannot be written only costs it
// the next start.
void TMainWindow::KeepEdits() {
  FKnowledgeEdited = true;
  ShowInstructions();
  UpdateActions();
  try {
    SaveKnowledgeFile(FKnowledgeFile, *FAssessment);
  } catch (const EKnowledgeFileError& error) {
    FPrompts->ShowWarning(this, Q(error.what()));
  }
}

bool TMainWindow::HasEditsToForget() const {
  return FKnowledgeEdited || QFileInfo::exists(Q(FKnowledgeFile));
}

void TMainWindow::actRestoreRulesExecute() {
  if (FAssessing || !HasEditsToForget()) return;
  if (!FPrompts->Confirm(this, kConfirmRestore)) return;
  QFile file(Q(FKnowledgeFile));
  if (file.exists() && !file.remove()) {
    FPrompts->ShowWarning(this,
                          Q(FormatMessage(kKnowledgeCannotRemove,
                                          {FKnowledgeFile, file.errorString().toStdString()})));
    return;
  }
  TearDownAssessment();
  (void)SetUpAssessment();  // the file is gone: the stored form alone
  ShowInstructions();
  UpdateActions();
}

}  // namespace vettora
