// The assessment window, driven through its real controls and actions on
// the offscreen platform. Prompts are scripted so that nothing blocks.
#include "app/main_window.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolBar>
#include <QtTest>
#include <deque>
#include <functional>

#include "../editors/scripted_prompts.h"
#include "app/about_box.h"
#include "app/app_resources.h"
#include "app/assessment.h"
#include "app/evaluation_file.h"
#include "app/knowledge_file.h"
#include "app/radio_group.h"
#include "app/window_prompts.h"
#include "editors/editor_window.h"
#include "engine/inference_engine.h"
#include "engine/rules.h"
#include "file_size_limit.h"
#include "matching/rule.h"
#include "values/exceptions.h"

using namespace vettora;

namespace {

// Answers file dialogs and questions from queues and records every
// message; warnings are recorded among the messages and once more apart.
struct TScript {
  std::deque<QString> FileNames;
  std::function<void()> WhileMessageShown;
  QStringList Messages;
  QStringList Warnings;
  QStringList Questions;            // confirmations and save questions, in order
  std::deque<bool> Confirmations;   // unscripted: yes
  std::deque<TSaveAnswer> Answers;  // unscripted: discard
  int SaveDialogs = 0;
  int AboutBoxes = 0;
};

class TScriptedWindowPrompts : public TWindowPrompts {
 public:
  explicit TScriptedWindowPrompts(TScript& script) : FScript(script) {}
  void ShowMessage(QWidget*, const QString& text) override {
    FScript.Messages << text;
    if (FScript.WhileMessageShown) FScript.WhileMessageShown();
  }
  void ShowWarning(QWidget*, const QString& text) override {
    FScript.Warnings << text;
    FScript.Messages << text;
  }
  bool Confirm(QWidget*, const QString& text) override {
    FScript.Questions << text;
    return Take(FScript.Confirmations, true);
  }
  TSaveAnswer AskSaveChanges(QWidget*, const QString& text) override {
    FScript.Questions << text;
    return Take(FScript.Answers, saDiscard);
  }
  QString OpenFileName(QWidget*, const QString&) override { return Take(FScript.FileNames, {}); }
  QString SaveFileName(QWidget*, const QString&) override {
    ++FScript.SaveDialogs;
    return Take(FScript.FileNames, {});
  }
  void ShowAbout(QWidget*) override { ++FScript.AboutBoxes; }

 private:
  template <class T>
  static T Take(std::deque<T>& queue, T otherwise) {
    if (queue.empty()) return otherwise;
    T next = queue.front();
    queue.pop_front();
    return next;
  }
  TScript& FScript;
};

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TMainWindow> FWindow;
  TScript FScript;
  std::shared_ptr<TScriptedPrompts> FEditors;  // the editor windows' steps
  QWidget* FEditorParent = nullptr;            // of the last editor shown
  QTemporaryDir FDir;

  template <class T>
  T* Control(const char* name) {
    T* control = FWindow->findChild<T*>(name);
    if (!control) qFatal("no control %s", name);
    return control;
  }
  QString Text(const char* edit) { return Control<QLineEdit>(edit)->text(); }
  void Trigger(const char* action) { Control<QAction>(action)->trigger(); }
  void Assess() { QTest::mouseClick(Control<QPushButton>("btnAssess"), Qt::LeftButton); }
  QString Path(const char* name) { return FDir.filePath(name); }
  void Check(const char* button) { Control<QRadioButton>(button)->setChecked(true); }
  QString Memo(const char* memo) { return Control<QPlainTextEdit>(memo)->toPlainText(); }
  QString Hint(const char* action) { return Control<QAction>(action)->statusTip(); }
  [[nodiscard]] bool Enabled(const char* action) { return Control<QAction>(action)->isEnabled(); }

  // The window as the program makes it, with the scripted prompts from
  // the start (a damaged knowledge file is reported while it is made).
  void MakeWindow() {
    FWindow = std::make_unique<TMainWindow>(std::make_unique<TScriptedWindowPrompts>(FScript));
    FWindow->SetEditorPrompts(FEditors);
    FWindow->show();
  }
  // Closing the program and starting it again.
  void Restart() {
    FWindow.reset();
    MakeWindow();
  }
  // Runs the editor of `action`; `change` edits the editor's working copy,
  // then the editor is closed with OK or Cancel. Answers the editor's title.
  QString Edit(const char* action, const std::function<void(TInferenceEngine&)>& change,
               bool ok = true) {
    QString title;
    FEditors->Steps.push_back([&, ok](QDialog& window) {
      title = window.windowTitle();
      FEditorParent = window.parentWidget();
      change(dynamic_cast<TEditorWindow&>(window).Engine());
      return ok;
    });
    Trigger(action);
    if (!FEditors->Steps.empty()) qFatal("%s ran no editor", action);
    return title;
  }
  void AddManagerOpening() {
    Edit("actEditFactset", [](TInferenceEngine& e) { e.AssertString("(job-openings Manager)"); });
  }
  // Assesses a Manager: the offer, or the apology in the messages.
  void AssessManager() {
    Control<QLineEdit>("eFirstName")->setText("Grace");
    Control<QComboBox>("cbJobTitle")->setCurrentIndex(2);
    Assess();
  }
  static QString Apology() {
    return "We are sorry Grace, but there are no job openings at this time";
  }
  static void WriteFile(const QString& name, const QByteArray& bytes) {
    QFile file(name);
    if (!file.open(QIODevice::WriteOnly)) qFatal("cannot write %s", qPrintable(name));
    file.write(bytes);
  }
  // The program's environment with its application data (the knowledge
  // file) under `folder` instead of the user's own.
  static QProcessEnvironment DataHome(const QString& folder) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_DATA_HOME", folder);
    return environment;
  }
  // Every control an Open must leave alone when it fails.
  QStringList WindowState() {
    QStringList state;
    for (const char* edit :
         {"eFirstName", "eLastname", "eLastEmployer", "eJobOffer", "eStartingSalary"})
      state << Text(edit);
    for (const char* memo : {"mmApplicant", "mmWhy", "mmInstructions"}) state << Memo(memo);
    state << QString::fromStdString(EvaluationText(FWindow->Applicant())) << FWindow->FileName()
          << FWindow->windowTitle() << QString::number(FWindow->Modified());
    return state;
  }

 private slots:
  // The knowledge file goes to a test folder, never the user's own.
  void initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    InitAppResources();
  }

  void init() {
    QFile::remove(QString::fromStdString(DefaultKnowledgePath()));
    FScript = TScript{};
    FEditors = std::make_shared<TScriptedPrompts>();
    MakeWindow();
  }

  void cleanup() {
    FWindow.reset();
    QFile::remove(QString::fromStdString(DefaultKnowledgePath()));
  }

  void controlsCarryTheirNamesCaptionsAndDefaults() {
    QCOMPARE(FWindow->windowTitle(), QString("Vettora Application"));
    QVERIFY(!FWindow->windowIcon().isNull());
    QCOMPARE(Control<QLineEdit>("eFirstName")->statusTip(),
             QString("Enter applicant's first name (no middle initial)"));
    QCOMPARE(Control<QLineEdit>("eLastname")->statusTip(),
             QString("Enter applicant's last name (no middle initial)"));
    QCOMPARE(Control<QSpinBox>("seAge")->value(), 30);
    QCOMPARE(Control<QSpinBox>("seYearsAtJob")->value(), 0);
    QCOMPARE(Control<QSpinBox>("seNumJobs")->value(), 1);
    QCOMPARE(Control<QRadioButton>("rgMaritalStatus_1")->text(), QString("&Married"));
    QVERIFY(Control<QRadioButton>("rgMaritalStatus_0")->isChecked());
    QCOMPARE(Control<QGroupBox>("rgDelphiKnowledge")->title(), QString("General Delphi Knowledge"));
    QCOMPARE(Control<QRadioButton>("rgGraphicsKnowledge_4")->text(), QString("&Expert"));
    QVERIFY(Control<QRadioButton>("rgGraphicsKnowledge_2")->isChecked());
    auto* titles = Control<QComboBox>("cbJobTitle");
    QCOMPARE(titles->count(), 5);
    QCOMPARE(titles->currentText(), QString("Programmer"));
    QVERIFY(Control<QLineEdit>("eJobOffer")->isReadOnly());
    QVERIFY(Control<QPlainTextEdit>("mmApplicant")->isReadOnly());
  }

  void actionsHaveCaptionsShortcutsAndAToolBar() {
    struct {
      const char* Name;
      const char* Text;
      const char* Shortcut;
    } expected[] = {
        {"FileNew1", "&New", "Ctrl+N"},     {"FileOpen1", "&Open", "Ctrl+O"},
        {"FileSave1", "&Save", "Ctrl+S"},   {"FileSaveAs1", "Save &As...", ""},
        {"FileExit1", "E&xit", "Ctrl+Q"},   {"actEditFactset", "Edit Factset", ""},
        {"actEditRules", "Edit Rules", ""}, {"HelpAbout1", "&About...", ""},
        {"EditCut1", "Cu&t", "Ctrl+X"},     {"EditCopy1", "&Copy", "Ctrl+C"},
        {"EditPaste1", "&Paste", "Ctrl+V"}, {"actRestoreRules", "Restore Original Rules", ""}};
    for (const auto& e : expected) {
      auto* action = Control<QAction>(e.Name);
      QCOMPARE(action->text(), QString(e.Text));
      QCOMPARE(action->shortcut(), QKeySequence(e.Shortcut));
      QVERIFY2(!action->statusTip().isEmpty(), e.Name);
    }
    QVERIFY(Control<QAction>("actEditFactset")->isEnabled());
    QVERIFY(Control<QAction>("actEditRules")->isEnabled());
    QStringList inEditMenu;
    for (QAction* action : Control<QMenu>("Edit1")->actions())
      if (!action->isSeparator()) inEditMenu << action->objectName();
    QCOMPARE(inEditMenu, QStringList({"EditCut1", "EditCopy1", "EditPaste1", "actEditFactset",
                                      "actEditRules", "actRestoreRules"}));
    QStringList onToolBar;
    for (QAction* action : Control<QToolBar>("ToolBar1")->actions())
      if (!action->isSeparator()) onToolBar << action->objectName();
    QCOMPARE(onToolBar, QStringList({"FileNew1", "FileOpen1", "FileSave1", "EditCut1", "EditCopy1",
                                     "EditPaste1", "actEditFactset", "actEditRules"}));
  }

  void instructionsListTheRulesAndTheCompanyData() {
    QString text = Control<QPlainTextEdit>("mmInstructions")->toPlainText();
    QVERIFY(text.contains("Rule 1: "));
    QVERIFY(text.contains("Rule 11: "));
    QVERIFY(!text.contains("Rule 12: "));
    QVERIFY(text.contains("      every year over 50 minus $1000"));
    QVERIFY(text.contains("The company database is stored in a fact set and is as follows:"));
    QVERIFY2(text.contains("(base-salary Artist 35000"), qPrintable(text.right(600)));
  }

  void defaultsGetProgrammerAt40000() {
    Assess();
    QCOMPARE(Text("eJobOffer"), QString("Programmer"));
    QCOMPARE(Text("eStartingSalary"), QString("40000"));
    QVERIFY(FScript.Messages.isEmpty());
    QString fact = Control<QPlainTextEdit>("mmApplicant")->toPlainText();
    QVERIFY2(fact.startsWith("(applicant "), qPrintable(fact));
    QVERIFY2(fact.contains("(skills Average Average Average Average"), qPrintable(fact));
  }

  void marriedAged52ExpertGetsAdjustedSalaryAndAnExplanation() {
    Check("rgMaritalStatus_1");
    Control<QSpinBox>("seAge")->setValue(52);
    Check("rgDelphiKnowledge_4");
    Assess();
    QCOMPARE(Text("eJobOffer"), QString("Programmer"));
    QCOMPARE(Text("eStartingSalary"), QString("42000.0000"));
    QString why = Control<QPlainTextEdit>("mmWhy")->toPlainText();
    QVERIFY2(why.contains("make-offer"), qPrintable(why));
    QVERIFY(why.contains("have-life-penalty"));
    QVERIFY(why.contains("age-penalty"));
    QVERIFY(why.contains("delphi-knowledge-adj"));
    QVERIFY2(why.contains("-> 42000.0000"), qPrintable(why));
    QVERIFY(why.contains("Result: Programmer, starting salary 42000.0000"));
    QDir().mkpath(VETTORA_TEST_OUTPUT_DIR);
    QVERIFY(FWindow->grab().save(QString(VETTORA_TEST_OUTPUT_DIR) + "/vettora_window.png"));
    QFile whyFile(QString(VETTORA_TEST_OUTPUT_DIR) + "/vettora_why.txt");
    QVERIFY(whyFile.open(QIODevice::WriteOnly));
    whyFile.write(why.toUtf8());
  }

  void titlesWithoutOpeningsGetTheApology_data() {
    QTest::addColumn<int>("title");
    QTest::newRow("Manager") << 2;
    QTest::newRow("Artist") << 3;
    QTest::newRow("Other") << 4;
  }
  void titlesWithoutOpeningsGetTheApology() {
    QFETCH(int, title);
    Control<QLineEdit>("eFirstName")->setText("Grace");
    Assess();  // an earlier offer must not stay next to the apology
    Control<QComboBox>("cbJobTitle")->setCurrentIndex(title);
    Assess();
    QCOMPARE(FScript.Messages,
             QStringList({"We are sorry Grace, but there are no job openings at this time"}));
    QCOMPARE(Text("eJobOffer"), QString());
    QCOMPARE(Text("eStartingSalary"), QString());
    QString why = Control<QPlainTextEdit>("mmWhy")->toPlainText();
    QVERIFY2(why.contains("no fact matched (job-openings ?title)"), qPrintable(why));
  }

  // The apology's message box runs while the rules do; pressing Assess
  // from there must not restart the engine under the firing rule.
  void assessDuringTheApologyIsIgnored() {
    Control<QComboBox>("cbJobTitle")->setCurrentIndex(2);
    FScript.WhileMessageShown = [this] { Assess(); };
    Assess();
    QCOMPARE(FScript.Messages.size(), 1);
    FScript.WhileMessageShown = nullptr;
    Assess();
    QCOMPARE(FScript.Messages.size(), 2);
  }

  void sixJobsGetTheTooManyJobsPenalty() {
    Control<QSpinBox>("seNumJobs")->setValue(6);
    Assess();
    QCOMPARE(Text("eStartingSalary"), QString("36000.0000"));
    Control<QSpinBox>("seNumJobs")->setValue(5);
    Assess();
    QCOMPARE(Text("eStartingSalary"), QString("40000"));
  }

  void saveReadsBackIntoTheSameControls_data() {
    QTest::addColumn<QString>("employer");
    QTest::newRow("employer") << "Difference Engines";
    QTest::newRow("empty employer") << "";
  }
  void saveReadsBackIntoTheSameControls() {
    QFETCH(QString, employer);
    Control<QLineEdit>("eFirstName")->setText("Ada");
    Control<QLineEdit>("eLastname")->setText("Lovelace");
    Control<QSpinBox>("seAge")->setValue(36);
    Check("rgMaritalStatus_3");
    Control<QLineEdit>("eLastEmployer")->setText(employer);
    Control<QSpinBox>("seYearsAtJob")->setValue(4);
    Control<QSpinBox>("seNumJobs")->setValue(3);
    Control<QComboBox>("cbJobTitle")->setCurrentIndex(1);
    Check("rgDatabaseKnowledge_0");
    Check("rgComponentKnowledge_3");
    TApplicant saved = FWindow->Applicant();
    FScript.FileNames = {Path("ada.evl")};
    Trigger("FileSave1");
    QCOMPARE(FWindow->FileName(), Path("ada.evl"));
    Assess();
    Trigger("FileNew1");
    QCOMPARE(FWindow->Applicant(), TApplicant{});
    QCOMPARE(FWindow->FileName(), QString());
    QCOMPARE(Text("eJobOffer"), QString());
    FScript.FileNames = {Path("ada.evl")};
    Trigger("FileOpen1");
    QCOMPARE(FWindow->Applicant(), saved);
    QCOMPARE(FWindow->FileName(), Path("ada.evl"));
    QVERIFY(FScript.Messages.isEmpty());
  }

  void saveAsAlwaysAsksSaveOnlyTheFirstTime() {
    FScript.FileNames = {Path("one.evl")};
    Trigger("FileSave1");
    Trigger("FileSave1");
    QCOMPARE(FScript.SaveDialogs, 1);
    FScript.FileNames = {Path("two.evl")};
    Trigger("FileSaveAs1");
    QCOMPARE(FScript.SaveDialogs, 2);
    QCOMPARE(FWindow->FileName(), Path("two.evl"));
    QVERIFY(QFile::exists(Path("two.evl")));
    Trigger("FileSaveAs1");  // cancelled: nothing changes
    QCOMPARE(FScript.SaveDialogs, 3);
    QCOMPARE(FWindow->FileName(), Path("two.evl"));
  }

  void aFailedSaveKeepsTheOldFileAndNamesIt() {
    QVERIFY(QDir().mkpath(Path("keep")));
    FScript.FileNames = {Path("keep/keep.evl")};
    Trigger("FileSave1");
    QFile old(Path("keep/keep.evl"));
    QVERIFY(old.open(QIODevice::ReadOnly));
    QByteArray before = old.readAll();
    old.close();
    // A write that fails half way, as on a full disk: the file size limit.
    Control<QLineEdit>("eLastEmployer")->setText(QString(4096, 'x'));
    {
      TFileSizeLimit limit(64);
      QVERIFY(limit.Active());
      Trigger("FileSave1");
    }
    QCOMPARE(FScript.Messages.size(), 1);
    QVERIFY2(FScript.Messages[0].startsWith("Cannot save file \"" + Path("keep/keep.evl") + "\""),
             qPrintable(FScript.Messages[0]));
    QCOMPARE(FWindow->FileName(), Path("keep/keep.evl"));
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), before);
    QCOMPARE(QDir(Path("keep")).entryList(QDir::Files), QStringList({"keep.evl"}));
  }

  // A file that fails half way changes nothing at all: neither the fields
  // read before the error nor the results, the pages or the file name.
  void aMalformedFileIsNamedWithAWarningAndChangesNothing() {
    WriteFile(Path("bad.evl"), "Alan\r\nTuring\r\n41 x\r\n");
    WriteFile(Path("bad5.evl"), "Alan\r\nTuring\r\n41 1\r\nBletchley\r\n1 2 3 4 4 4 nine\r\n");
    FScript.FileNames = {Path("good.evl")};
    Trigger("FileSave1");
    Control<QLineEdit>("eFirstName")->setText("Grace");
    Control<QSpinBox>("seAge")->setValue(44);
    Check("rgMaritalStatus_2");
    Check("rgDelphiKnowledge_4");
    Assess();
    QStringList before = WindowState();
    FScript.FileNames = {Path("bad.evl"), Path("bad5.evl")};
    FScript.Answers = {saCancel, saDiscard, saDiscard};
    Trigger("FileOpen1");  // cancelled at the unsaved-changes question
    QCOMPARE(WindowState(), before);
    Trigger("FileOpen1");
    QCOMPARE(WindowState(), before);
    Trigger("FileOpen1");
    QCOMPARE(WindowState(), before);
    QCOMPARE(FScript.Warnings,
             QStringList({"Error reading \"" + Path("bad.evl") +
                              "\", line 3: 'x' is not a valid integer value",
                          "Error reading \"" + Path("bad5.evl") +
                              "\", line 5: 'nine' is not a valid integer value"}));
    QCOMPARE(FWindow->FileName(), Path("good.evl"));
  }

  void editActionsWorkOnTheFocusedEdit() {
    auto* first = Control<QLineEdit>("eFirstName");
    auto* last = Control<QLineEdit>("eLastname");
    FWindow->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(FWindow.get()));
    first->setText("Charles");
    first->setFocus();
    QTRY_VERIFY(first->hasFocus());
    first->selectAll();
    Trigger("EditCut1");
    QCOMPARE(first->text(), QString());
    QCOMPARE(QApplication::clipboard()->text(), QString("Charles"));
    last->setFocus();
    QTRY_VERIFY(last->hasFocus());
    Trigger("EditPaste1");
    QCOMPARE(last->text(), QString("Charles"));
    last->selectAll();
    QApplication::clipboard()->clear();
    Trigger("EditCopy1");
    QCOMPARE(QApplication::clipboard()->text(), QString("Charles"));
  }

  void aboutAndExit() {
    Trigger("HelpAbout1");
    QCOMPARE(FScript.AboutBoxes, 1);
    TAboutBox box;
    QCOMPARE(box.findChild<QLabel*>("ProductName")->text(), QString("Vettora"));
    QVERIFY(box.findChild<QLabel*>("Version")->text().startsWith("Version "));
    QVERIFY(!box.findChild<QLabel*>("ProgramIcon")->pixmap().isNull());
    Trigger("FileExit1");
    QVERIFY(!FWindow->isVisible());
  }

  // The headless run prints what the window shows for the same file.
  void assessCommandMatchesTheWindow_data() {
    QTest::addColumn<int>("title");
    QTest::addColumn<int>("age");
    QTest::newRow("Programmer aged 52") << 0 << 52;
    QTest::newRow("Designer") << 1 << 30;
    QTest::newRow("Artist") << 3 << 30;
  }
  void assessCommandMatchesTheWindow() {
    QFETCH(int, title);
    QFETCH(int, age);
    Control<QLineEdit>("eFirstName")->setText("Kim");
    Control<QComboBox>("cbJobTitle")->setCurrentIndex(title);
    Control<QSpinBox>("seAge")->setValue(age);
    FScript.FileNames = {Path("cli.evl")};
    Trigger("FileSave1");
    Assess();
    QProcess program;
    program.setProcessEnvironment(DataHome(Path("no-edits")));
    program.start(VETTORA_PROGRAM, {"--assess", Path("cli.evl")});
    QVERIFY(program.waitForFinished(60000));
    QCOMPARE(program.exitCode(), 0);
    QStringList printed = QString(program.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    QStringList shown = FScript.Messages;
    if (!Text("eJobOffer").isEmpty()) shown << Text("eJobOffer") << Text("eStartingSalary");
    QCOMPARE(printed, shown);
  }

  void assessCommandReportsABadFile() {
    QFile file(Path("broken.evl"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("A\r\nB\r\n30 0\r\nX\r\n0 1 nine 2 2 2 2\r\n");
    file.close();
    QProcess program;
    program.setProcessEnvironment(DataHome(Path("no-edits")));
    program.start(VETTORA_PROGRAM, {"--assess", Path("broken.evl")});
    QVERIFY(program.waitForFinished(60000));
    QCOMPARE(program.exitCode(), 1);
    QCOMPARE(program.readAllStandardOutput(), QByteArray());
    QString error = program.readAllStandardError();
    QVERIFY2(error.contains(Path("broken.evl")) && error.contains("line 5"), qPrintable(error));
    program.start(VETTORA_PROGRAM, {"--assess", Path("missing.evl")});
    QVERIFY(program.waitForFinished(60000));
    QCOMPARE(program.exitCode(), 1);
    QVERIFY(QString(program.readAllStandardError()).contains(Path("missing.evl")));
  }
  // ---- Editing the rules and the company data.

  void anOpeningAddedToTheFactSetGetsAnOfferAndSurvivesARestart() {
    QString before = Memo("mmInstructions");
    QString title = Edit("actEditFactset",
                         [](TInferenceEngine& e) { e.AssertString("(job-openings Manager)"); });
    QCOMPARE(title, QString("Edit initial facts..."));
    QCOMPARE(FEditorParent, FWindow.get());
    QVERIFY2(Memo("mmInstructions").contains("(job-openings Manager "),
             qPrintable(Memo("mmInstructions").right(400)));
    // The rest reads as before, numbers printed as they always are.
    QVERIFY(Memo("mmInstructions").startsWith(before.left(before.indexOf("(base-salary Artist"))));
    AssessManager();
    QCOMPARE(Text("eJobOffer"), QString("Manager"));
    QCOMPARE(Text("eStartingSalary"), QString("45000"));
    QVERIFY(FScript.Messages.isEmpty());
    QString kept = QString::fromStdString(FWindow->KnowledgeFile());
    QVERIFY2(kept.endsWith("/knowledge.vkb") && QFile::exists(kept), qPrintable(kept));
    Control<QTabWidget>("tcDetails")->setCurrentIndex(0);
    QDir().mkpath(VETTORA_TEST_OUTPUT_DIR);
    QVERIFY(FWindow->grab().save(QString(VETTORA_TEST_OUTPUT_DIR) + "/vettora_edited.png"));

    Restart();
    QVERIFY(FWindow->KnowledgeEdited());
    QVERIFY(Memo("mmInstructions").contains("(job-openings Manager "));
    AssessManager();
    QCOMPARE(Text("eStartingSalary"), QString("45000"));
    QVERIFY(FScript.Messages.isEmpty());
  }

  void restoreOriginalRulesAsksAndBringsTheApologyBack() {
    QVERIFY(!Enabled("actRestoreRules"));
    QCOMPARE(Hint("actRestoreRules"),
             QString("Forget the edits of the rules and the company data and use the original "
                     "ones (unavailable: the original rules are in use)"));
    AddManagerOpening();
    QVERIFY(Enabled("actRestoreRules"));
    FScript.Confirmations = {false};
    Trigger("actRestoreRules");  // declined: nothing changes
    QCOMPARE(FScript.Questions.size(), 1);
    QVERIFY(QFile::exists(QString::fromStdString(FWindow->KnowledgeFile())));
    AssessManager();
    QCOMPARE(Text("eJobOffer"), QString("Manager"));

    Trigger("actRestoreRules");
    QCOMPARE(FScript.Questions.size(), 2);
    QVERIFY(!QFile::exists(QString::fromStdString(FWindow->KnowledgeFile())));
    QVERIFY(!Memo("mmInstructions").contains("(job-openings Manager "));
    QVERIFY(Memo("mmInstructions").contains("(job-openings Designer "));
    QVERIFY(!Enabled("actRestoreRules"));
    AssessManager();
    QCOMPARE(FScript.Messages, QStringList({Apology()}));
    QCOMPARE(Text("eJobOffer"), QString());
    QVERIFY2(Memo("mmWhy").contains("no-job-openings"), qPrintable(Memo("mmWhy")));

    Restart();
    QVERIFY(!FWindow->KnowledgeEdited());
    AssessManager();
    QCOMPARE(FScript.Messages, QStringList({Apology(), Apology()}));
  }

  // However the file is damaged, the window starts with the stored form,
  // whole, and says so once; Restore Original Rules removes the file.
  void aDamagedKnowledgeFileIsReportedAndTheStoredFormUsed_data() {
    QTest::addColumn<QString>("damage");
    for (const char* damage : {"cut short", "not JSON", "other format", "rules not a list",
                               "rule that does not read", "fact that does not read"})
      QTest::newRow(damage) << QString(damage);
  }
  void aDamagedKnowledgeFileIsReportedAndTheStoredFormUsed() {
    QFETCH(QString, damage);
    AddManagerOpening();
    QString kept = QString::fromStdString(FWindow->KnowledgeFile());
    QFile file(kept);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QByteArray good = file.readAll();
    file.close();
    QJsonObject json = QJsonDocument::fromJson(good).object();
    QVERIFY(json.contains("Rules") && json.contains("FactSet"));
    auto appended = [&](const char* member, const char* text) {
      QJsonArray list = json[member].toArray();
      list.append(text);
      json[member] = list;
      return QJsonDocument(json).toJson();
    };
    QByteArray bad = damage == "cut short"      ? good.left(good.size() / 2)
                     : damage == "not JSON"     ? QByteArray("\x01\x02 garbage")
                     : damage == "other format" ? QByteArray(R"({"Format": "Other 2"})")
                     : damage == "rules not a list"
                         ? (json["Rules"] = "(defrule x =>)", QJsonDocument(json).toJson())
                     : damage == "rule that does not read"
                         ? appended("Rules", "(defrule broken (offer (salary ?s) =>")
                         : appended("FactSet", "(job-openings Artist");
    FWindow.reset();
    WriteFile(kept, bad);
    MakeWindow();
    QCOMPARE(FScript.Warnings.size(), 1);
    QVERIFY2(FScript.Warnings[0].startsWith("The edited rules in \"" + kept + "\" cannot be used"),
             qPrintable(FScript.Warnings[0]));
    QVERIFY(!FWindow->KnowledgeEdited());
    QVERIFY(!Memo("mmInstructions").contains("(job-openings Manager "));
    AssessManager();
    QCOMPARE(FScript.Messages.last(), Apology());
    Control<QComboBox>("cbJobTitle")->setCurrentIndex(0);
    Assess();  // the stored form is whole: the defaults get their offer
    QCOMPARE(Text("eStartingSalary"), QString("40000"));
    QVERIFY(Enabled("actRestoreRules"));
    Trigger("actRestoreRules");
    QVERIFY(!QFile::exists(kept));
    Restart();
    QCOMPARE(FScript.Warnings.size(), 1);
  }

  void cancelledEditsChangeNothing() {
    QString instructions = Memo("mmInstructions");
    QString title = Edit(
        "actEditRules", [](TInferenceEngine& e) { e.Rules().Clear(); }, false);
    QCOMPARE(title, QString("Edit evaluation rules..."));
    QCOMPARE(FEditorParent, FWindow.get());
    Edit(
        "actEditFactset", [](TInferenceEngine& e) { e.AssertString("(job-openings Manager)"); },
        false);
    QCOMPARE(Memo("mmInstructions"), instructions);
    QVERIFY(!QFile::exists(QString::fromStdString(FWindow->KnowledgeFile())));
    QVERIFY(!FWindow->KnowledgeEdited());
    AssessManager();
    QCOMPARE(FScript.Messages, QStringList({Apology()}));
    Control<QComboBox>("cbJobTitle")->setCurrentIndex(0);
    Assess();
    QCOMPARE(Text("eStartingSalary"), QString("40000"));
  }

  // The rules dialog files every edited rule as a plain rule; the two rule
  // components must come back with their handlers, or no result shows.
  void aRuleEditKeepsTheResultsShownAndSurvivesARestart() {
    Edit("actEditRules", [](TInferenceEngine& e) {
      e.ExecuteText(
          "(defrule have-life-penalty \"If applicant is married, will not work late\" "
          "(Initial-Fact) (not (penalties married)) (applicant (marital-status Married)) "
          "?offersalary1 <- (offer (salary ?salary1)) (original-offer ?sal) => "
          "(assert (penalties married)) (modify ?offersalary1 (salary (- ?salary1 (* ?sal "
          "0.2)))))");
    });
    auto marriedAged52Expert = [this] {
      Check("rgMaritalStatus_1");
      Control<QSpinBox>("seAge")->setValue(52);
      Check("rgDelphiKnowledge_4");
      Assess();
    };
    marriedAged52Expert();
    QCOMPARE(Text("eJobOffer"), QString("Programmer"));
    QCOMPARE(Text("eStartingSalary"), QString("38000.0000"));
    AssessManager();
    QCOMPARE(FScript.Messages, QStringList({Apology()}));
    QVERIFY(Memo("mmInstructions").contains("Rule 11: "));

    Restart();
    marriedAged52Expert();
    QCOMPARE(Text("eStartingSalary"), QString("38000.0000"));
    QVERIFY(Memo("mmInstructions").contains("Rule 11: "));
  }

  // An edit of a rule component's own rule reaches the component: the
  // edited conditions decide, the old ones are gone from the engine.
  void anEditedRuleComponentTakesTheEditedRule() {
    Edit("actEditRules", [](TInferenceEngine& e) {
      e.ExecuteText(
          "(defrule display-assessment \"Display only big offers\" (declare (salience 20)) "
          "(offer (salary ?salary1&:(> ?salary1 45000)) (title ?title1)) =>)");
    });
    for (int restart = 0; restart < 2; ++restart) {
      TRule* component = FWindow->Assessment().RuleComponents().at(0);
      QCOMPARE(FWindow->Assessment().Engine().FindRule("display-assessment"), component);
      QCOMPARE(component->Comment(), std::string("Display only big offers"));
      QCOMPARE(component->Salience(), 20);
      Control<QComboBox>("cbJobTitle")->setCurrentIndex(0);
      Assess();
      QCOMPARE(Text("eJobOffer"), QString());  // 40000 is no big offer
      Control<QComboBox>("cbJobTitle")->setCurrentIndex(1);
      Assess();
      QCOMPARE(Text("eJobOffer"), QString("Designer"));
      QCOMPARE(Text("eStartingSalary"), QString("50000"));
      Restart();
    }
  }

  // The editor's working copy and the write-back go through rule texts;
  // a factor that four decimals would round must arrive whole.
  void aRuleEditKeepsEveryDigitOfItsNumbers() {
    Edit("actEditRules", [](TInferenceEngine& e) {
      e.ExecuteText(
          "(defrule have-life-penalty (Initial-Fact) (not (penalties married)) "
          "(applicant (marital-status Married)) ?offersalary1 <- (offer (salary ?salary1)) "
          "(original-offer ?sal) => (assert (penalties married)) "
          "(modify ?offersalary1 (salary (- ?salary1 (* ?sal 0.00125)))))");
    });
    Edit("actEditFactset", [](TInferenceEngine&) {});  // a second copy and write-back
    Check("rgMaritalStatus_1");
    Assess();
    QCOMPARE(Text("eStartingSalary"), QString("39950.0000"));
    Restart();
    Check("rgMaritalStatus_1");
    Assess();
    QCOMPARE(Text("eStartingSalary"), QString("39950.0000"));
  }

  // A write-back that fails half way -- here a handler of the engine that
  // refuses one of the edited rules -- is undone as a whole and reported.
  void anEditThatFailsHalfWayIsUndone() {
    QString instructions = Memo("mmInstructions");
    FWindow->Assessment().Engine().OnAddRule = [](TObject&, TRule& rule) {
      if (rule.RuleName() == "refused") throw EIEException("refused here");
    };
    Edit("actEditRules", [](TInferenceEngine& e) {
      e.RemoveRule(*e.FindRule("age-penalty"));
      e.ExecuteText("(defrule refused (offer (salary ?s)) => (assert (seen ?s)))");
    });
    QCOMPARE(FScript.Warnings,
             QStringList({"The edit could not be taken over and was undone: refused here"}));
    QCOMPARE(Memo("mmInstructions"), instructions);
    QVERIFY(!FWindow->KnowledgeEdited());
    QVERIFY(!QFile::exists(QString::fromStdString(FWindow->KnowledgeFile())));
    Control<QSpinBox>("seAge")->setValue(52);
    Assess();
    QCOMPARE(Text("eStartingSalary"), QString("38000"));  // the age penalty is back
    AssessManager();
    QCOMPARE(FScript.Messages.last(), Apology());
  }

  void aRuleComponentDeletedInTheEditorStaysOut() {
    Edit("actEditRules",
         [](TInferenceEngine& e) { e.RemoveRule(*e.FindRule("display-assessment")); });
    QVERIFY(!Memo("mmInstructions").contains("display-assessment"));
    QVERIFY(!Memo("mmInstructions").contains("Rule 11: "));
    Assess();
    QCOMPARE(Text("eJobOffer"), QString());
    QVERIFY(Memo("mmWhy").contains("make-offer"));  // the other rules still ran
    Restart();
    QVERIFY(!FWindow->Assessment().Engine().FindRule("display-assessment"));
    Assess();
    QCOMPARE(Text("eJobOffer"), QString());
  }

  void editActionsAreUnavailableWhileAssessing() {
    Control<QComboBox>("cbJobTitle")->setCurrentIndex(2);  // the apology shows during the run
    QStringList seen;
    bool edited = false;
    FEditors->Steps.push_back([&](QDialog&) { return edited = true; });
    FScript.WhileMessageShown = [&] {
      seen << QString::number(Enabled("actEditRules")) << QString::number(Enabled("actEditFactset"))
           << Hint("actEditRules");
      FWindow->actEditRulesExecute();
    };
    Assess();
    QCOMPARE(seen, QStringList({"0", "0",
                                "Edit the evaluation rules (unavailable: an assessment is "
                                "running)"}));
    QVERIFY(!edited);
    QVERIFY(Enabled("actEditRules"));
    QCOMPARE(Hint("actEditRules"), QString("Edit the evaluation rules"));
  }

  void disabledActionsSayWhy() {
    QVERIFY(Enabled("FileSave1"));  // a new evaluation can be saved as it is
    FScript.FileNames = {Path("hint.evl")};
    Trigger("FileSave1");
    QVERIFY(!Enabled("FileSave1"));
    QCOMPARE(Hint("FileSave1"),
             QString("Save the evaluation (unavailable: nothing changed since the last save)"));
    Control<QLineEdit>("eLastEmployer")->setText("Acme");
    QVERIFY(Enabled("FileSave1"));
    QCOMPARE(Hint("FileSave1"), QString("Save the evaluation"));

    FWindow->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(FWindow.get()));
    auto* employer = Control<QLineEdit>("eLastEmployer");
    employer->setFocus();
    QTRY_VERIFY(employer->hasFocus());
    employer->deselect();
    QVERIFY(!Enabled("EditCut1"));
    QVERIFY(!Enabled("EditCopy1"));
    QCOMPARE(Hint("EditCut1"),
             QString("Cut the selection to the clipboard (unavailable: select some text first)"));
    employer->selectAll();
    QVERIFY(Enabled("EditCut1"));
    QVERIFY(Enabled("EditCopy1"));
    QApplication::clipboard()->clear();
    QVERIFY(!Enabled("EditPaste1"));
    QVERIFY(Hint("EditPaste1").endsWith("(unavailable: the clipboard holds no text)"));
    QApplication::clipboard()->setText("Initech");
    QVERIFY(Enabled("EditPaste1"));

    Assess();
    auto* offer = Control<QLineEdit>("eJobOffer");
    offer->setFocus();
    QTRY_VERIFY(offer->hasFocus());
    offer->selectAll();
    QVERIFY(Enabled("EditCopy1"));
    QVERIFY(!Enabled("EditCut1"));
    QVERIFY(!Enabled("EditPaste1"));
    QVERIFY(Hint("EditCut1").endsWith("(unavailable: this field cannot be changed)"));
  }

  // ---- Files: the Why page, unsaved changes and the title.

  void newAndOpenClearTheWhyPage() {
    FScript.FileNames = {Path("why.evl")};
    Trigger("FileSave1");
    const QString empty = "Press Assess to see which rules made the offer.";
    Assess();
    QVERIFY(Memo("mmWhy").contains("make-offer"));
    Trigger("FileNew1");
    QCOMPARE(Memo("mmWhy"), empty);
    Assess();
    QVERIFY(Memo("mmWhy").contains("make-offer"));
    FScript.FileNames = {Path("why.evl")};
    Trigger("FileOpen1");
    QCOMPARE(Memo("mmWhy"), empty);
  }

  void unsavedChangesAreAskedAboutOnNewOpenAndClose() {
    Trigger("FileNew1");
    QVERIFY(FScript.Questions.isEmpty());  // nothing changed: nothing to ask
    Control<QLineEdit>("eFirstName")->setText("Ada");
    FScript.Answers = {saCancel, saCancel, saCancel};
    Trigger("FileNew1");
    FScript.FileNames = {Path("other.evl")};
    Trigger("FileOpen1");
    QVERIFY(!FWindow->close());
    QCOMPARE(FScript.Questions,
             QStringList(3, "Do you want to save the changes to the new evaluation?"));
    QCOMPARE(FScript.FileNames.size(), 1u);  // no open dialog after Cancel
    QVERIFY(FWindow->isVisible());
    QCOMPARE(Text("eFirstName"), QString("Ada"));
    QVERIFY(FWindow->Modified());

    FScript.Answers = {saSave};  // and the save dialog is cancelled
    FScript.FileNames.clear();
    Trigger("FileNew1");
    QCOMPARE(Text("eFirstName"), QString("Ada"));
    FScript.Answers = {saSave};
    FScript.FileNames = {Path("ada.evl")};
    Trigger("FileNew1");
    QCOMPARE(Text("eFirstName"), QString());
    TApplicant saved;
    LoadEvaluationFile(Path("ada.evl").toStdString(), saved);
    QCOMPARE(saved.FirstName, std::string("Ada"));

    Control<QLineEdit>("eFirstName")->setText("Bea");
    FScript.Answers = {saDiscard};
    Trigger("FileExit1");
    QVERIFY(!FWindow->isVisible());
    QCOMPARE(FScript.Questions.size(), 6);
  }

  void theTitleShowsTheFileAndTheChangeMark() {
    QCOMPARE(FWindow->windowTitle(), QString("Vettora Application"));
    Control<QSpinBox>("seAge")->setValue(31);
    QCOMPARE(FWindow->windowTitle(), QString("Vettora Application*"));
    FScript.FileNames = {Path("ada.evl")};
    Trigger("FileSave1");
    QCOMPARE(FWindow->windowTitle(), QString("Vettora Application - ada.evl"));
    Check("rgGraphicsKnowledge_0");
    QCOMPARE(FWindow->windowTitle(), QString("Vettora Application - ada.evl*"));
    FScript.Answers = {saCancel};
    Trigger("FileNew1");
    QCOMPARE(FScript.Questions, QStringList({"Do you want to save the changes to \"ada.evl\"?"}));
    Trigger("FileNew1");  // discarded
    QCOMPARE(FWindow->windowTitle(), QString("Vettora Application"));
    FScript.FileNames = {Path("ada.evl")};
    Trigger("FileOpen1");
    QCOMPARE(FWindow->windowTitle(), QString("Vettora Application - ada.evl"));
    QCOMPARE(FWindow->Rating(3).ItemIndex(), 2);  // as saved, not as changed afterwards
  }

  // The headless run uses the same edited rules as the window.
  void assessCommandUsesTheEditedRules() {
    AddManagerOpening();
    AssessManager();
    FScript.FileNames = {Path("manager.evl")};
    Trigger("FileSave1");
    QString home = Path("edited-home");
    QVERIFY(QDir().mkpath(home + "/vettora"));
    QVERIFY(QFile::copy(QString::fromStdString(FWindow->KnowledgeFile()),
                        home + "/vettora/knowledge.vkb"));
    QProcess program;
    program.setProcessEnvironment(DataHome(home));
    program.start(VETTORA_PROGRAM, {"--assess", Path("manager.evl")});
    QVERIFY(program.waitForFinished(60000));
    QCOMPARE(program.exitCode(), 0);
    QCOMPARE(QString(program.readAllStandardOutput()), QString("Manager\n45000\n"));

    WriteFile(home + "/vettora/knowledge.vkb", "{");
    program.start(VETTORA_PROGRAM, {"--assess", Path("manager.evl")});
    QVERIFY(program.waitForFinished(60000));
    QCOMPARE(program.exitCode(), 0);
    QCOMPARE(QString(program.readAllStandardOutput()), Apology() + "\n");
    QVERIFY(QString(program.readAllStandardError()).contains(home + "/vettora/knowledge.vkb"));
  }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
