// Rules inside the assessment window: its widgets and actions by name
// through the Qt host runtime, and the dialogs the rules open, answered by
// a scripted run step so that no dialog blocks.
#include <QAction>
#include <QCheckBox>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QtTest>
#include <functional>

#include "app/app_resources.h"
#include "app/assessment.h"
#include "app/knowledge_file.h"
#include "app/main_window.h"
#include "app/qt_user_dialogs.h"
#include "engine/engine_parser.h"
#include "engine/inference_engine.h"
#include "values/exceptions.h"

using namespace vettora;

class WindowRuntimeTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TMainWindow> FWindow;
  // Every dialog run: "title|text|icon|buttons" of a message box,
  // "title|prompt|proposed text" of an input dialog.
  QStringList FShown;

  template <class T>
  T* Control(const char* name) {
    T* control = FWindow->findChild<T*>(name);
    if (!control) qFatal("no control %s", name);
    return control;
  }
  std::string Value(const std::string& call) {
    return FWindow->Assessment().Engine().Parser().EvaluateFunCall(call)->AsString();
  }
  // The value's text, or the error it raised.
  std::string Eval(const std::string& call) {
    try {
      return Value(call);
    } catch (const EIEException& error) {
      return std::string("error: ") + error.what();
    }
  }
  QString ErrorOf(const std::string& call) {
    try {
      (void)Value(call);
    } catch (const EIEException& error) {
      return error.what();
    }
    return "no error";
  }
  // Every dialog is recorded, then answered by `answer`.
  void Answer(std::function<int(QDialog&)> answer) {
    FWindow->UserDialogs().SetRunDialog([this, answer](QDialog& dialog) {
      if (auto* box = qobject_cast<QMessageBox*>(&dialog)) {
        QStringList buttons;
        for (QAbstractButton* b : box->buttons()) buttons << b->text().remove('&');
        buttons.sort();  // the platform decides their order on screen
        FShown << box->windowTitle() + "|" + box->text() + "|" + QString::number(box->icon()) +
                      "|" + buttons.join(",");
      } else if (auto* input = qobject_cast<QInputDialog*>(&dialog)) {
        FShown << input->windowTitle() + "|" + input->labelText() + "|" + input->textValue();
      }
      return answer(dialog);
    });
  }
  static std::function<int(QDialog&)> Click(QMessageBox::StandardButton button) {
    return [button](QDialog& dialog) {
      static_cast<QMessageBox&>(dialog).button(button)->click();
      return int(button);
    };
  }

 private slots:
  // Edited rules of the user (or of an earlier run) must not change what
  // the rules here see: the knowledge file lives in a test folder.
  void initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    QFile::remove(QString::fromStdString(DefaultKnowledgePath()));
    InitAppResources();
  }
  void init() {
    FShown.clear();
    FWindow = std::make_unique<TMainWindow>();
    FWindow->show();
  }
  void cleanup() { FWindow.reset(); }

  void rulesReadAndWriteWidgetsByName() {
    Control<QLineEdit>("eFirstName")->setText("Ann");
    QCOMPARE(Eval("(get-property (get-component eFirstName) Text)"), std::string("Ann"));
    QCOMPARE(Eval("(get-property (get-component eFirstName) text)"), std::string("Ann"));
    QCOMPARE(Eval("(set-property (get-component eLastname) Text \"O'Hara\")"), std::string("TRUE"));
    QCOMPARE(Control<QLineEdit>("eLastname")->text(), QString("O'Hara"));
    QCOMPARE(Eval("(set-property (get-component seAge) Value 44)"), std::string("TRUE"));
    QCOMPARE(Control<QSpinBox>("seAge")->value(), 44);
    QCOMPARE(Eval("(get-property (get-component seAge) Value)"), std::string("44"));
    QCOMPARE(Eval("(set-property (get-component eFirstName) Nothing 1)"), std::string("FALSE"));
    QCOMPARE(Eval("(get-property (get-component eFirstName) Echomode)"), std::string("Normal"));
  }

  void theFormsComponentsStayReachableNextToTheWidgets() {
    QCOMPARE(Eval("(is-class (get-component InferenceEngine1) (get-class TInferenceEngine))"),
             std::string("TRUE"));
    QCOMPARE(Eval("(get-property (get-component FactSet1) Name)"), std::string("FactSet1"));
    QCOMPARE(Eval("(is-class (get-component) (get-class QWidget))"), std::string("TRUE"));
    QCOMPARE(Eval("(is-class (get-component eFirstName) (get-class QWidget))"),
             std::string("TRUE"));
  }

  void widgetsCannotBeMadeOrFreedByRules() {
    QVERIFY(ErrorOf("(free-object (get-component eFirstName))").startsWith("Cannot free"));
    QVERIFY(ErrorOf("(create-object (get-class QLineEdit))").startsWith("Cannot create"));
    QVERIFY(Control<QLineEdit>("eFirstName"));
    QVERIFY(ErrorOf("(execute-action (get-component eFirstName))").startsWith("Object of class"));
  }

  void actionsRunThroughTheirTrigger() {
    int triggered = 0;
    auto* action = new QAction(FWindow.get());
    action->setObjectName("SpareAction");
    connect(action, &QAction::triggered, this, [&triggered] { ++triggered; });
    QCOMPARE(Eval("(execute-action (get-component SpareAction))"), std::string("TRUE"));
    QCOMPARE(triggered, 1);
  }

  void aWidgetFreedAfterItWasTakenIsAnErrorNotACrash() {
    auto* spare = new QLineEdit("kept", FWindow.get());
    spare->setObjectName("eSpare");
    Eval("(bind ?e (get-component eSpare))");
    QCOMPARE(Eval("(get-property ?e Text)"), std::string("kept"));
    delete spare;
    QVERIFY(ErrorOf("(get-property ?e Text)").startsWith("Object has been freed"));
    QVERIFY(ErrorOf("(set-property ?e Text x)").startsWith("Object has been freed"));
    QCOMPARE(Eval("(get-component eSpare)"), Eval("(get-component NoSuchWidget)"));
  }

  void inputBoxShowsTheQuestionAndAnswersTheEnteredText() {
    Answer([](QDialog& dialog) {
      static_cast<QInputDialog&>(dialog).setTextValue("Bob");
      return int(QDialog::Accepted);
    });
    QCOMPARE(Eval("(input-box \"Who\" \"Name?\" \"nobody\")"), std::string("Bob"));
    QCOMPARE(FShown, QStringList{"Who|Name?|nobody"});
    Answer([](QDialog&) { return int(QDialog::Rejected); });
    QCOMPARE(Eval("(input-box \"Who\" \"Name?\" \"nobody\")"), std::string("nobody"));
    QCOMPARE(Eval("(input-query \"Who\" \"Name?\" \"nobody\")"), std::string("FALSE"));
  }

  void messageDlgShowsItsButtonsAndAnswersTheOnePressed() {
    Answer(Click(QMessageBox::No));
    QCOMPARE(Eval("(message-dlg \"Go on?\" mtConfirmation \"[mbYes,mbNo,mbCancel]\")"),
             std::string("mrNo"));
    QCOMPARE(FShown.last(),
             QString("Confirm|Go on?|%1|Cancel,No,Yes").arg(int(QMessageBox::Question)));
    Answer(Click(QMessageBox::Ok));
    QCOMPARE(Eval("(message-dlg \"Broken\" mtError)"), std::string("mrOk"));
    QCOMPARE(FShown.last(), QString("Error|Broken|%1|OK").arg(int(QMessageBox::Critical)));
    // Closed without a button.
    Answer([](QDialog&) { return int(QDialog::Rejected); });
    QCOMPARE(Eval("(message-dlg \"x\" mtWarning \"[mbRetry,mbAbort]\")"), std::string("mrNone"));
  }

  void showMessageIsAnInformationBox() {
    Answer(Click(QMessageBox::Ok));
    QCOMPARE(Eval("(show-message \"Saved\")"), std::string("TRUE"));
    QCOMPARE(FShown,
             QStringList{QString("Vettora Application|Saved|%1|OK").arg(int(QMessageBox::Information))});
  }

  void theWindowTakesItsDialogsAndWidgetsAwayFromTheEngine() {
    TInferenceEngine& engine = FWindow->Assessment().Engine();
    QVERIFY(dynamic_cast<TQtUserDialogs*>(&engine.UserDialogs()));
    Eval("(bind ?e (get-component eFirstName))");
    FWindow.reset();  // nothing dangles in the window's own teardown
  }
};

QTEST_MAIN(WindowRuntimeTest)
#include "window_runtime_test.moc"
