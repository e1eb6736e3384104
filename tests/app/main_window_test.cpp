// The assessment window, driven through its real controls and actions on
// the offscreen platform. Prompts are scripted so that nothing blocks.
#include "app/main_window.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QToolBar>
#include <QtTest>
#include <deque>
#include <functional>

#include "app/about_box.h"
#include "app/app_resources.h"
#include "app/evaluation_file.h"
#include "app/radio_group.h"
#include "app/window_prompts.h"
#include "file_size_limit.h"

using namespace vettora;

namespace {

// Answers file dialogs from a queue and records every message.
struct TScript {
  std::deque<QString> FileNames;
  std::function<void()> WhileMessageShown;
  QStringList Messages;
  int SaveDialogs = 0;
  int AboutBoxes = 0;
};

class TScriptedPrompts : public TWindowPrompts {
 public:
  explicit TScriptedPrompts(TScript& script) : FScript(script) {}
  void ShowMessage(QWidget*, const QString& text) override {
    FScript.Messages << text;
    if (FScript.WhileMessageShown) FScript.WhileMessageShown();
  }
  QString OpenFileName(QWidget*, const QString&) override { return Next(); }
  QString SaveFileName(QWidget*, const QString&) override {
    ++FScript.SaveDialogs;
    return Next();
  }
  void ShowAbout(QWidget*) override { ++FScript.AboutBoxes; }

 private:
  QString Next() {
    if (FScript.FileNames.empty()) return {};
    QString name = FScript.FileNames.front();
    FScript.FileNames.pop_front();
    return name;
  }
  TScript& FScript;
};

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TMainWindow> FWindow;
  TScript FScript;
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

 private slots:
  void initTestCase() { InitAppResources(); }

  void init() {
    FScript = TScript{};
    FWindow = std::make_unique<TMainWindow>();
    FWindow->SetPrompts(std::make_unique<TScriptedPrompts>(FScript));
    FWindow->show();
  }

  void cleanup() { FWindow.reset(); }

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
    } expected[] = {{"FileNew1", "&New", "Ctrl+N"},     {"FileOpen1", "&Open", "Ctrl+O"},
                    {"FileSave1", "&Save", "Ctrl+S"},   {"FileSaveAs1", "Save &As...", ""},
                    {"FileExit1", "E&xit", ""},         {"actEditFactset", "Edit Factset", ""},
                    {"actEditRules", "Edit Rules", ""}, {"HelpAbout1", "&About...", ""},
                    {"EditCut1", "Cu&t", "Ctrl+X"},     {"EditCopy1", "&Copy", "Ctrl+C"},
                    {"EditPaste1", "&Paste", "Ctrl+V"}};
    for (const auto& e : expected) {
      auto* action = Control<QAction>(e.Name);
      QCOMPARE(action->text(), QString(e.Text));
      QCOMPARE(action->shortcut(), QKeySequence(e.Shortcut));
    }
    QVERIFY(!Control<QAction>("actEditFactset")->isEnabled());
    QVERIFY(!Control<QAction>("actEditRules")->isEnabled());
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

  void aMalformedFileIsNamedAndKeepsWhatWasRead() {
    QFile file(Path("bad.evl"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("Alan\r\nTuring\r\n41 x\r\n");
    file.close();
    Control<QSpinBox>("seAge")->setValue(44);
    FScript.FileNames = {Path("bad.evl")};
    Trigger("FileOpen1");
    QCOMPARE(FScript.Messages.size(), 1);
    QCOMPARE(FScript.Messages[0],
             "Error reading \"" + Path("bad.evl") + "\", line 3: 'x' is not a valid integer value");
    QCOMPARE(Text("eFirstName"), QString("Alan"));
    QCOMPARE(Text("eLastname"), QString("Turing"));
    QCOMPARE(Control<QSpinBox>("seAge")->value(), 41);
    QVERIFY(Control<QRadioButton>("rgMaritalStatus_0")->isChecked());
    QCOMPARE(FWindow->FileName(), QString());
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
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
