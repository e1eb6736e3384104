// TMainWindow: the controls, the actions and the handlers of the
// assessment window.
#include "app/main_window.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QStyle>
#include <algorithm>

#include "app/assessment.h"
#include "app/assessment_trace.h"
#include "app/evaluation_file.h"
#include "app/messages.h"
#include "app/qt_host_runtime.h"
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
    : QMainWindow(parent),
      FUi(std::make_unique<Ui::TMainWindow>()),
      FPrompts(std::make_unique<TQtWindowPrompts>()) {
  FUi->setupUi(this);
  setWindowIcon(QIcon(":/icons/vettora.png"));
  SetUpChoices();
  SetUpActions();
  TFormHandlers handlers;
  handlers.FactEvents["InferenceEngine1Assertion"] = [this](TObject&, const IFact& fact) {
    InferenceEngine1Assertion(fact);
  };
  handlers.RuleFireEvents["Rule1Fire"] = [this](TObject&, TIEContext& c) { Rule1Fire(c); };
  handlers.RuleFireEvents["Rule2Fire"] = [this](TObject&, TIEContext& c) { Rule2Fire(c); };
  FAssessment = std::make_unique<TAssessment>(WindowStoredForm(), handlers);
  FTrace = std::make_unique<TAssessmentTrace>(FAssessment->Engine());
  SetUpRuntime();
  FormCreate();
}

// The engine must not reach the dialogs or the widgets while the window
// is taken apart.
TMainWindow::~TMainWindow() {
  TInferenceEngine& engine = FAssessment->Engine();
  engine.SetUserDialogs(nullptr);
  engine.SetHostRuntime(nullptr);
}

// Rules reach the window's widgets and actions by name, next to the form's
// components, and open their dialogs over the window.
void TMainWindow::SetUpRuntime() {
  TInferenceEngine& engine = FAssessment->Engine();
  FUserDialogs = std::make_unique<TQtUserDialogs>(this);
  engine.SetUserDialogs(FUserDialogs.get());
  engine.SetHostRuntime(
      std::make_unique<TQtHostRuntime>(*this, engine, FAssessment->Components()));
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
  FUi->mmInstructions->setPlainText(kInstructions);
  FUi->mmInstructions->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  FUi->mmWhy->setPlainText(kWhyNothing);
}

void TMainWindow::SetUpActions() {
  QStyle* s = style();
  FUi->FileNew1->setIcon(QIcon::fromTheme("document-new", s->standardIcon(QStyle::SP_FileIcon)));
  FUi->FileOpen1->setIcon(
      QIcon::fromTheme("document-open", s->standardIcon(QStyle::SP_DialogOpenButton)));
  FUi->FileSave1->setIcon(
      QIcon::fromTheme("document-save", s->standardIcon(QStyle::SP_DialogSaveButton)));
  FUi->EditCut1->setIcon(QIcon::fromTheme("edit-cut"));
  FUi->EditCopy1->setIcon(QIcon::fromTheme("edit-copy"));
  FUi->EditPaste1->setIcon(QIcon::fromTheme("edit-paste"));
  FUi->ToolBar1->setToolButtonStyle(Qt::ToolButtonFollowStyle);
  // The editor dialogs are not part of this program yet.
  FUi->actEditFactset->setEnabled(false);
  FUi->actEditRules->setEnabled(false);
  connect(FUi->FileNew1, &QAction::triggered, this, &TMainWindow::FileNew1Execute);
  connect(FUi->FileOpen1, &QAction::triggered, this, &TMainWindow::FileOpen1Execute);
  connect(FUi->FileSave1, &QAction::triggered, this, &TMainWindow::FileSave1Execute);
  connect(FUi->FileSaveAs1, &QAction::triggered, this, &TMainWindow::FileSaveAsItemClick);
  connect(FUi->FileExit1, &QAction::triggered, this, &TMainWindow::FileExit1Execute);
  connect(FUi->HelpAbout1, &QAction::triggered, this, &TMainWindow::HelpAbout1Execute);
  connect(FUi->EditCut1, &QAction::triggered, this, [this] { EditFocused("cut"); });
  connect(FUi->EditCopy1, &QAction::triggered, this, [this] { EditFocused("copy"); });
  connect(FUi->EditPaste1, &QAction::triggered, this, [this] { EditFocused("paste"); });
  connect(FUi->btnAssess, &QPushButton::clicked, this, &TMainWindow::btnAssessClick);
}

void TMainWindow::EditFocused(const char* method) {
  QWidget* focused = QApplication::focusWidget();
  if (auto* spin = qobject_cast<QAbstractSpinBox*>(focused))
    focused = spin->findChild<QLineEdit*>();
  if (qobject_cast<QLineEdit*>(focused) || qobject_cast<QPlainTextEdit*>(focused))
    QMetaObject::invokeMethod(focused, method);
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

// The instructions list the rules in the rule table's order and the
// company data as the fact set's text.
void TMainWindow::FormCreate() {
  FUi->cbJobTitle->setCurrentIndex(FUi->cbJobTitle->findText("Programmer"));
  QPlainTextEdit& memo = *FUi->mmInstructions;
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
void TMainWindow::btnAssessClick() {
  if (FAssessing) return;
  QScopedValueRollback<bool> assessing(FAssessing, true);
  FUi->eJobOffer->clear();
  FUi->eStartingSalary->clear();
  FApology.clear();
  try {
    FAssessment->Assess(Applicant());
  } catch (const std::exception& error) {
    FPrompts->ShowMessage(this, Q(error.what()));
  }
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

void TMainWindow::FileNew1Execute() {
  SetApplicant(TApplicant{});
  ClearResults();
  FFileName.clear();
}

// Fields read before an error stay in the controls; the current file name
// changes only when the whole file was read.
void TMainWindow::FileOpen1Execute() {
  QString name = FPrompts->OpenFileName(this, FFileName);
  if (name.isEmpty()) return;
  TApplicant applicant = Applicant();
  try {
    LoadEvaluationFile(name.toStdString(), applicant);
  } catch (const EEvaluationFileError& error) {
    SetApplicant(applicant);
    FPrompts->ShowMessage(this, Q(error.what()));
    return;
  }
  SetApplicant(applicant);
  ClearResults();
  FFileName = name;
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
    FFileName = fileName;
  } catch (const EEvaluationFileError& error) {
    FPrompts->ShowMessage(this, Q(error.what()));
  }
}

void TMainWindow::FileExit1Execute() { close(); }

void TMainWindow::HelpAbout1Execute() { FPrompts->ShowAbout(this); }

}  // namespace vettora
