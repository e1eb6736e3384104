// TMainWindow: the controls, the assessment and the rules' handlers.
#include "app/main_window.h"

#include <QLabel>
#include <QScopedValueRollback>
#include <algorithm>

#include "app/assessment.h"
#include "app/assessment_trace.h"
#include "app/knowledge_file.h"
#include "app/messages.h"
#include "app/qt_user_dialogs.h"
#include "app/radio_group.h"
#include "app/window_prompts.h"
#include "engine/fact_set.h"
#include "engine/inference_engine.h"
#include "engine/rules.h"
#include "matching/rule.h"
#include "ui_main_window.h"
#include "values/format.h"

namespace vettora {

namespace {

constexpr int kMaritalColumns = 2;
constexpr int kRatingColumns = 5;

QString Q(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

TMainWindow::TMainWindow(QWidget* parent)
    : TMainWindow(std::make_unique<TQtWindowPrompts>(), parent) {}

// The prompts come first: a damaged knowledge file is reported through
// them once the window is made.
TMainWindow::TMainWindow(std::unique_ptr<TWindowPrompts> prompts, QWidget* parent)
    : QMainWindow(parent),
      FUi(std::make_unique<Ui::TMainWindow>()),
      FPrompts(std::move(prompts)),
      FEditorPrompts(std::make_shared<TQtEditorPrompts>()),
      FKnowledgeFile(DefaultKnowledgePath()) {
  FUi->setupUi(this);
  setWindowIcon(QIcon(":/icons/vettora.png"));
  SetUpChoices();
  SetUpActions();
  std::string warning = SetUpAssessment();
  FormCreate();
  WatchInputs();
  SetModified(false);
  UpdateActions();
  UpdateEditActions();
  if (!warning.empty()) FPrompts->ShowWarning(this, Q(warning));
}

TMainWindow::~TMainWindow() {
  disconnect(FFocusWatch);
  disconnect(FClipboardWatch);
  disconnect(FSelectionWatch);
  TearDownAssessment();
}

void TMainWindow::SetPrompts(std::unique_ptr<TWindowPrompts> prompts) {
  FPrompts = std::move(prompts);
}

// Radio buttons and list items come from the same captions the assessment
// turns into atoms, so the two cannot drift apart.
void TMainWindow::SetUpChoices() {
  FMaritalStatus = new TRadioGroup(*FUi->rgMaritalStatus, kMaritalStatusCaptions, kMaritalColumns);
  QGroupBox* boxes[kSkillCount] = {FUi->rgDelphiKnowledge, FUi->rgDatabaseKnowledge,
                                   FUi->rgComponentKnowledge, FUi->rgGraphicsKnowledge};
  for (int i = 0; i < kSkillCount; ++i)
    FRatings[size_t(i)] = new TRadioGroup(*boxes[i], kRatingCaptions, kRatingColumns);
  for (const char* title : kJobTitles) FUi->cbJobTitle->addItem(title);
  SetApplicant(TApplicant{});
  // The two input groups line their edits up on one column.
  QLabel* labels[] = {FUi->lblFirstName, FUi->lblLastname,   FUi->lblAge,    FUi->lblLastEmployer,
                      FUi->lblJobTitle,  FUi->lblYearsAtJob, FUi->lblNumJobs};
  int width = 0;
  for (QLabel* label : labels) width = std::max(width, label->sizeHint().width());
  for (QLabel* label : labels) label->setMinimumWidth(width);
  FUi->mmInstructions->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  ClearWhy();
}

TApplicant TMainWindow::Applicant() const {
  TApplicant a;
  a.FirstName = FUi->eFirstName->text().toStdString();
  a.LastName = FUi->eLastname->text().toStdString();
  a.Age = FUi->seAge->value();
  a.MaritalStatus = FMaritalStatus->ItemIndex();
  a.LastEmployer = FUi->eLastEmployer->text().toStdString();
  a.YearsAtJob = FUi->seYearsAtJob->value();
  a.NumJobs = FUi->seNumJobs->value();
  a.JobTitle = FUi->cbJobTitle->currentIndex();
  for (int i = 0; i < kSkillCount; ++i) a.Ratings[size_t(i)] = FRatings[size_t(i)]->ItemIndex();
  return a;
}

void TMainWindow::SetApplicant(const TApplicant& a) {
  FUi->eFirstName->setText(Q(a.FirstName));
  FUi->eLastname->setText(Q(a.LastName));
  FUi->seAge->setValue(a.Age);
  FMaritalStatus->SetItemIndex(a.MaritalStatus);
  FUi->eLastEmployer->setText(Q(a.LastEmployer));
  FUi->seYearsAtJob->setValue(a.YearsAtJob);
  FUi->seNumJobs->setValue(a.NumJobs);
  FUi->cbJobTitle->setCurrentIndex(a.JobTitle);
  for (int i = 0; i < kSkillCount; ++i) FRatings[size_t(i)]->SetItemIndex(a.Ratings[size_t(i)]);
}

void TMainWindow::ClearResults() {
  FUi->mmApplicant->clear();
  FUi->eJobOffer->clear();
  FUi->eStartingSalary->clear();
}

void TMainWindow::ClearWhy() { FUi->mmWhy->setPlainText(kWhyNothing); }

void TMainWindow::FormCreate() {
  FUi->cbJobTitle->setCurrentIndex(FUi->cbJobTitle->findText("Programmer"));
  ShowInstructions();
}

// The instructions list the rules in the rule table's order and the
// company data as the fact set's text; made again after every edit.
void TMainWindow::ShowInstructions() {
  QPlainTextEdit& memo = *FUi->mmInstructions;
  memo.setPlainText(kInstructions);
  memo.appendPlainText("");
  int number = 0;
  for (const auto& entry : FAssessment->Engine().Rules().Table()) {
    memo.appendPlainText(Q(FormatMessage(kRuleLine, {++number, entry.Value->RuleName()})));
    memo.appendPlainText(Q(kRuleCommentIndent + entry.Value->Comment()));
  }
  memo.appendPlainText("");
  memo.appendPlainText(kInstructionsHeading);
  memo.appendPlainText(Q(FAssessment->FactSet().Text()));
  memo.moveCursor(QTextCursor::Start);
}

// Results of an earlier assessment are cleared first, so an apology never
// stands next to an older offer.
//
// A message box shown while the rules run (the apology) runs its own event
// loop; a click on Assess from there must not restart the engine in the
// middle of a firing, so it is ignored until the run has ended.
//
// Editing the rules meanwhile would take the firing rule away under the
// engine: the edit actions are unavailable until the run has ended.
void TMainWindow::btnAssessClick() {
  if (FAssessing) return;
  {
    QScopedValueRollback<bool> assessing(FAssessing, true);
    UpdateActions();
    FUi->eJobOffer->clear();
    FUi->eStartingSalary->clear();
    FApology.clear();
    try {
      FAssessment->Assess(Applicant());
    } catch (const std::exception& error) {
      FPrompts->ShowMessage(this, Q(error.what()));
    }
  }
  UpdateActions();
  ShowWhy();
}

void TMainWindow::InferenceEngine1Assertion(const IFact& fact) {
  if (fact && fact->Template() && fact->Template()->Name() == "applicant")
    FUi->mmApplicant->setPlainText(Q(fact->Text()));
}

void TMainWindow::Rule1Fire(TIEContext& context) {
  FUi->eJobOffer->setText(Q(TAssessment::VariableText(context, "title1")));
  FUi->eStartingSalary->setText(Q(TAssessment::VariableText(context, "salary1")));
}

void TMainWindow::Rule2Fire(TIEContext& context) {
  FApology = TAssessment::Apology(TAssessment::VariableText(context, "first-name"));
  FPrompts->ShowMessage(this, Q(FApology));
}

void TMainWindow::ShowWhy() {
  QStringList lines;
  for (const std::string& line : FTrace->Lines()) lines << Q(line);
  std::string result = FApology;
  if (!FUi->eJobOffer->text().isEmpty())
    result = FormatMessage(kOfferSummary, {FUi->eJobOffer->text().toStdString(),
                                           FUi->eStartingSalary->text().toStdString()});
  if (!result.empty()) lines << "" << Q(FormatMessage(kWhyResult, {result}));
  FUi->mmWhy->setPlainText(lines.join('\n'));
}

}  // namespace vettora
