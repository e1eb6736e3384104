// The Rule Editor, driven through TRulesDialog with scripted steps that
// work its controls and actions as a user would: adding, replacing and
// deleting rules, refused names and texts, the single-rule mode, the
// function list, dropped templates and the two pages of the edit area.
#include "editors/rule_editor.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTextBlock>
#include <QTreeWidget>
#include <QtTest>
#include <memory>
#include <stdexcept>

#include "editors/dropped_lines.h"
#include "editors/function_list.h"
#include "editors/messages.h"
#include "editors/rule_parts.h"
#include "editors/rules_dialog.h"
#include "engine/engine_parser.h"
#include "engine/fact_templates.h"
#include "engine/facts.h"
#include "engine/inference_engine.h"
#include "engine/rule_assign.h"
#include "engine/rules.h"
#include "engine/user_functions.h"
#include "matching/rule.h"
#include "scripted_prompts.h"
#include "window_driver.h"

using namespace vettora;

namespace {

constexpr const char* kProgram =
    "(deftemplate applicant \"An applicant\" (slot name) (slot age (type INTEGER)) (multislot "
    "skills))"
    "(deftemplate offer \"Job offer\" (slot title (default \"Programmer\")) (slot salary (default "
    "35000)))"
    "(deffunction double (?x) (* 2 ?x))"
    "(defrule age-penalty \"every year over 50 minus $1000\" (declare (salience 10))"
    "  (applicant (age ?age&:(> ?age 50))) ?o <- (offer (salary ?s))"
    "  => (modify ?o (salary (- ?s (* 1000 (- ?age 50))))))"
    "(defrule greet (applicant (name ?n)) => (printout t \"Hello \" ?n crlf))"
    "(defrule married (penalties married) => (printout t \"married\" crlf))";

std::unique_ptr<TInferenceEngine> MakeEngine() {
  auto engine = std::make_unique<TInferenceEngine>();
  engine->ExecuteText(kProgram);
  return engine;
}

QTreeWidgetItem* TopItem(const QTreeWidget& tree, const QString& text) {
  for (int i = 0; i < tree.topLevelItemCount(); ++i)
    if (tree.topLevelItem(i)->text(0).section(' ', 0, 0) == text) return tree.topLevelItem(i);
  throw std::runtime_error("no tree item " + text.toStdString());
}

QTreeWidgetItem* ChildItem(const QTreeWidgetItem& item, const QString& text) {
  for (int i = 0; i < item.childCount(); ++i)
    if (item.child(i)->text(0) == text) return item.child(i);
  throw std::runtime_error("no child item " + text.toStdString());
}

void SelectRule(const QWidget& window, const char* name) {
  auto& tree = Child<QTreeWidget>(window, "RuleTree");
  tree.setCurrentItem(TopItem(tree, name));
}

QStringList Lines(const QListWidget& list) {
  QStringList lines;
  for (int i = 0; i < list.count(); ++i) lines << list.item(i)->text();
  return lines;
}

void SetLines(const QWidget& window, const char* list, const QStringList& lines) {
  auto& widget = Child<QListWidget>(window, list);
  widget.clear();
  widget.addItems(lines);
}

// A rule typed into the Free Form page of a fresh edit area.
void TypeFreeForm(const QWidget& window, const char* name, const char* conditions,
                  const char* actions) {
  Trigger(window, "actNewRule");
  Child<QLineEdit>(window, "RuleName").setText(name);
  Child<QTabWidget>(window, "RulePages").setCurrentWidget(&Child<QWidget>(window, "FreeFormPage"));
  Child<QPlainTextEdit>(window, "ConditionsEdit").setPlainText(conditions);
  Child<QPlainTextEdit>(window, "ActionsEdit").setPlainText(actions);
}

std::string RuleText(const TInferenceEngine& engine, const char* name) {
  TRule* rule = engine.FindRule(name);
  return rule ? rule->Text() : std::string();
}

TRuleEditor& Editor(QDialog& window) { return dynamic_cast<TRuleEditor&>(window); }

// Shown and laid out, so that lines can be clicked.
void Show(QDialog& window) {
  window.show();
  if (!QTest::qWaitForWindowExposed(&window)) throw std::runtime_error("window not exposed");
}

void ClickLine(QListWidget& list, int row) {
  QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                    list.visualItemRect(list.item(row)).center());
}

}  // namespace

class RuleEditorTest : public QObject {
  Q_OBJECT
 private slots:
  void ElementsSplitAtTopLevelFormsOnly();
  void TheRuleTextPlacesEachSideOnItsOwnLines();
  void DroppedTemplatesGetFreshVariables();
  void AddRuleFilesNewNamesAndRefusesTakenOnes();
  void ASyntaxErrorIsShownOnItsLineAndNothingIsKept();
  void OkAfterDeletingARuleRemovesItFromTheTarget();
  void ReplaceRuleChangesTheActionsInTheTarget();
  void OkTakesOverAPendingEditAndIgnoresABlankOne();
  void TheSingleRuleModeEditsTheRuleAndKeepsItsHandler();
  void TheFunctionListFiltersAndShowsHelpText();
  void TemplatesAndFunctionsAreAddedAsLines();
  void FreeFormAndEditorCarryTheContentOver();
  void ActionsAndNestedEditorsFollowTheDialogsSettings();
  void Screenshot();
};

// ---- The rule text and its parts ---------------------------------------------

void RuleEditorTest::ElementsSplitAtTopLevelFormsOnly() {
  using V = std::vector<std::string>;
  // Bindings and comment lines stay with their form; brackets inside
  // strings and comments do not count.
  QCOMPARE(SplitElements("  ?f <- (a (b \")\")) ; a ( note\n(c)\n;; about d\n(d)  "),
           (V{"?f <- (a (b \")\"))", "; a ( note\n(c)", ";; about d\n(d)"}));
  // Several forms on a line, a form over several lines.
  QCOMPARE(SplitElements("(a) (b\n  c) \"text\" word"), (V{"(a)", "(b\n  c)", "\"text\"", "word"}));
  // "=>" stands alone; stray and unclosed brackets still reach the parser.
  QCOMPARE(SplitElements("(a) => ) (b"), (V{"(a)", "=>", ")", "(b"}));
  QCOMPARE(SplitElements(" \n "), V{});
  const V elements{"?f <- (a)", "(b\n  c)"};
  QCOMPARE(SplitElements(JoinElements(elements)), elements);
}

void RuleEditorTest::TheRuleTextPlacesEachSideOnItsOwnLines() {
  TRuleParts parts;
  parts.Name = "r";
  parts.Comment = "say \"hi\"";
  parts.Salience = 5;
  parts.OneShot = true;
  parts.Conditions = "(a ?x)\n(b ?x)";
  parts.Actions = "(printout t ?x crlf)";
  TRuleTextLayout layout;
  QCOMPARE(
      BuildRuleText(parts, &layout),
      std::string("(defrule r\n    \"say \\\"hi\\\"\"\n    (declare (salience 5) (oneshot TRUE))\n"
                  "(a ?x)\n(b ?x)\n    =>\n(printout t ?x crlf)\n)"));
  QCOMPARE(layout.ConditionsLine, 4);
  QCOMPARE(layout.ActionsLine, 7);

  // Without comment and declare the sides move up; a computed salience is
  // written as it was.
  parts.Comment.clear();
  parts.OneShot = false;
  parts.Salience = 0;
  QCOMPARE(BuildRuleText(parts, &layout).substr(0, 18), std::string("(defrule r\n(a ?x)\n"));
  QCOMPARE(layout.ConditionsLine, 2);
  parts.SalienceExpression = "?*base*";
  QVERIFY(BuildRuleText(parts).find("(declare (salience ?*base*))") != std::string::npos);

  // A filed rule comes apart into the same parts it prints from.
  auto engine = MakeEngine();
  TRule& rule = *engine->FindRule("age-penalty");
  TRuleParts filed = PartsOfRule(rule, engine->PrintRule(rule));
  QCOMPARE(filed.Name, std::string("age-penalty"));
  QCOMPARE(filed.Comment, std::string("every year over 50 minus $1000"));
  QCOMPARE(filed.Salience, 10);
  QCOMPARE(SplitElements(filed.Conditions).size(), size_t(2));
  QVERIFY(SplitElements(filed.Conditions)[1].rfind("?o <- (offer", 0) == 0);
  QCOMPARE(SplitElements(filed.Actions).size(), size_t(1));
  std::unique_ptr<TRule> again(engine->Parser().ParseRule(BuildRuleText(filed)));
  QCOMPARE(engine->PrintRule(*again), engine->PrintRule(rule));

  // Declare options without controls of their own survive the round trip.
  engine->ExecuteText(
      "(defglobal ?*base* = 5)"
      "(defrule computed (declare (salience ?*base*) (enabled FALSE)) (offer) => (printout t x "
      "crlf))");
  TRule& computed = *engine->FindRule("computed");
  const std::string text = BuildRuleText(PartsOfRule(computed, engine->PrintRule(computed)));
  QVERIFY2(text.find("(declare (salience ?*base*) (enabled FALSE))") != std::string::npos,
           text.c_str());
}

void RuleEditorTest::DroppedTemplatesGetFreshVariables() {
  auto engine = MakeEngine();
  const TFactTemplate& offer = *engine->FactTemplates().Find("offer");
  QCOMPARE(TemplatePattern(offer, "salary", true, ""),
           std::string("?offersalary1 <- (offer (salary ?salary1) )"));
  QCOMPARE(TemplatePattern(offer, "", false, "(x ?salary1)"),
           std::string("(offer (title ?title2) (salary ?salary2) )"));
  // "?offer1" is taken, "?title1" in "?title10" is not.
  QCOMPARE(TemplatePattern(offer, "", true, "?offer1 <- (y ?title10)"),
           std::string("?offer2 <- (offer (title ?title2) (salary ?salary2) )"));
  QCOMPARE(TemplatePattern(*engine->FactTemplates().Find("applicant"), "", false, ""),
           std::string("(applicant (name ?name1) (age ?age1) (skills $?skills1) )"));
  QCOMPARE(TemplatePattern(*engine->FactTemplates().Find("penalties"), "", true, ""),
           std::string("?penalties1 <- (penalties )"));
  QCOMPARE(FunctionCallLine("printout"), std::string("(printout )"));
}

// ---- Filing rules -------------------------------------------------------------

void RuleEditorTest::AddRuleFilesNewNamesAndRefusesTakenOnes() {
  auto engine = MakeEngine();
  auto prompts = std::make_shared<TScriptedPrompts>();
  QString duplicateStatus, addedStatus;
  bool refused = false;
  int rulesAfterRefusal = 0;
  int treeItems = 0;
  prompts->Steps.push_back([&](QDialog& window) {
    TypeFreeForm(window, "greet", "(applicant (name ?n))", "(printout t \"Bye \" ?n crlf)");
    refused = !Editor(window).AddRule();
    duplicateStatus = Editor(window).StatusText();
    rulesAfterRefusal = Editor(window).Engine().Rules().Count();
    Child<QLineEdit>(window, "RuleName").setText("farewell");
    Trigger(window, "actAddRule");
    addedStatus = Editor(window).StatusText();
    treeItems = Child<QTreeWidget>(window, "RuleTree").topLevelItemCount();
    return true;
  });
  TRulesDialog dialog;
  dialog.SetEngine(engine.get());
  dialog.SetPrompts(prompts);
  QVERIFY(dialog.Execute());

  QVERIFY(refused);
  const QString duplicate = "Duplicate Rules defined with same name: \"greet\"";
  QCOMPARE(prompts->Messages, QStringList{duplicate});
  QCOMPARE(duplicateStatus, duplicate);
  QCOMPARE(rulesAfterRefusal, 3);
  QCOMPARE(addedStatus, QString("Added rule farewell"));
  QCOMPARE(treeItems, 4);
  QVERIFY(RuleText(*engine, "greet").find("Hello ") != std::string::npos);
  QVERIFY(RuleText(*engine, "farewell").find("Bye ") != std::string::npos);
}

void RuleEditorTest::ASyntaxErrorIsShownOnItsLineAndNothingIsKept() {
  auto engine = MakeEngine();
  auto prompts = std::make_shared<TScriptedPrompts>();
  QString status;
  int cursorBlock = -1;
  int cursorColumn = -1;
  bool freeFormShown = false, keptRule = true, keptTemplate = true, closedWhileBroken = true,
       closedWhenFixed = false;
  prompts->Steps.push_back([&](QDialog& window) {
    TRuleEditor& editor = Editor(window);
    // Typed in the Editor page; the error shows on the Free Form page.
    Trigger(window, "actNewRule");
    Child<QLineEdit>(window, "RuleName").setText("broken");
    Child<QLineEdit>(window, "RuleComment").setText("has a slot without brackets");
    SetLines(window, "IfList", {"(mystery ?x)", "(offer salary ?s)", "(applicant (name ?n))"});
    SetLines(window, "ThenList", {"(printout t ?s crlf)"});
    Trigger(window, "actAddRule");
    status = editor.StatusText();
    freeFormShown = Child<QTabWidget>(window, "RulePages").currentWidget() ==
                    &Child<QWidget>(window, "FreeFormPage");
    cursorBlock = Child<QPlainTextEdit>(window, "ConditionsEdit").textCursor().blockNumber();
    cursorColumn = Child<QPlainTextEdit>(window, "ConditionsEdit").textCursor().positionInBlock();
    keptRule = editor.Engine().FindRule("broken") != nullptr;
    keptTemplate = bool(editor.Engine().FactTemplates().Find("mystery"));
    window.accept();  // OK with the broken text pending
    closedWhileBroken = window.result() == QDialog::Accepted;
    auto& conditions = Child<QPlainTextEdit>(window, "ConditionsEdit");
    conditions.setPlainText(conditions.toPlainText().replace("salary ?s", "(salary ?s)"));
    window.accept();
    closedWhenFixed = window.result() == QDialog::Accepted;
    return closedWhenFixed;
  });
  TRulesDialog dialog;
  dialog.SetEngine(engine.get());
  dialog.SetPrompts(prompts);
  QVERIFY(dialog.Execute());

  // The rule text's line 4 (after name and comment) is the second condition;
  // the parser stopped at "salary", its eighth character.
  QVERIFY2(status.startsWith("Line 4, column 8: "), qPrintable(status));
  QVERIFY(freeFormShown);
  QCOMPARE(cursorBlock, 1);
  QCOMPARE(cursorColumn, 7);
  QVERIFY(!keptRule);
  QVERIFY(!keptTemplate);
  QVERIFY(!closedWhileBroken);
  QVERIFY(closedWhenFixed);
  QVERIFY(engine->FindRule("broken"));
  QVERIFY(engine->FactTemplates().Find("mystery"));
}

void RuleEditorTest::OkAfterDeletingARuleRemovesItFromTheTarget() {
  auto engine = MakeEngine();
  auto prompts = std::make_shared<TScriptedPrompts>();
  QString status;
  bool deleteEnabledAfter = true;
  prompts->Steps.push_back([&](QDialog& window) {
    SelectRule(window, "greet");
    Trigger(window, "actDeleteRule");
    status = Editor(window).StatusText();
    deleteEnabledAfter = Child<QAction>(window, "actDeleteRule").isEnabled();
    window.accept();
    return window.result() == QDialog::Accepted;
  });
  TRulesDialog dialog;
  dialog.SetEngine(engine.get());
  dialog.SetPrompts(prompts);
  QVERIFY(dialog.Execute());
  QCOMPARE(status, QString("Deleted rule greet"));
  QVERIFY(!deleteEnabledAfter);  // nothing is selected any more
  QVERIFY(!engine->FindRule("greet"));
  QVERIFY(engine->FindRule("age-penalty"));
  QVERIFY(engine->FindRule("married"));
}

void RuleEditorTest::ReplaceRuleChangesTheActionsInTheTarget() {
  auto engine = MakeEngine();
  auto prompts = std::make_shared<TScriptedPrompts>();
  std::string afterFailedReplace;
  QStringList loadedActions;
  bool failedReplace = false;
  prompts->Steps.push_back([&](QDialog& window) {
    Show(window);
    SelectRule(window, "greet");
    auto& actions = Child<QListWidget>(window, "ThenList");
    loadedActions = Lines(actions);
    // A broken action: nothing is deleted.
    ClickLine(actions, 0);
    Child<QLineEdit>(window, "EditLine").setText("(printout t \"Hi \" ?n crlf");
    Child<QPushButton>(window, "ReplaceLineButton").click();
    failedReplace = !Editor(window).ReplaceRule();
    afterFailedReplace = RuleText(Editor(window).Engine(), "greet");
    Child<QTabWidget>(window, "RulePages").setCurrentIndex(0);
    ClickLine(actions, 0);
    Child<QLineEdit>(window, "EditLine").setText("(printout t \"Hi \" ?n crlf)");
    Child<QPushButton>(window, "ReplaceLineButton").click();
    Trigger(window, "actReplaceRule");
    return true;
  });
  TRulesDialog dialog;
  dialog.SetEngine(engine.get());
  dialog.SetPrompts(prompts);
  QVERIFY(dialog.Execute());
  QCOMPARE(loadedActions, QStringList{"(printout t \"Hello \" ?n crlf)"});
  QVERIFY(failedReplace);
  QVERIFY(afterFailedReplace.find("Hello ") != std::string::npos);
  const std::string text = RuleText(*engine, "greet");
  QVERIFY2(text.find("\"Hi \"") != std::string::npos, text.c_str());
  QVERIFY(text.find("Hello") == std::string::npos);
  QCOMPARE(engine->Rules().Count(), 3);
}

void RuleEditorTest::OkTakesOverAPendingEditAndIgnoresABlankOne() {
  auto engine = MakeEngine();
  auto prompts = std::make_shared<TScriptedPrompts>();
  prompts->Steps.push_back([&](QDialog& window) {
    SelectRule(window, "greet");
    Child<QLineEdit>(window, "RuleComment").setText("says hello");
    window.accept();
    return window.result() == QDialog::Accepted;
  });
  prompts->Steps.push_back([&](QDialog& window) {
    Trigger(window, "actNewRule");
    window.accept();
    return window.result() == QDialog::Accepted;
  });
  TRulesDialog dialog;
  dialog.SetEngine(engine.get());
  dialog.SetPrompts(prompts);
  QVERIFY(dialog.Execute());
  QCOMPARE(engine->FindRule("greet")->Comment(), std::string("says hello"));
  QVERIFY(dialog.Execute());
  QCOMPARE(engine->Rules().Count(), 3);
}

// The host's rule component keeps its identity and its OnFire handler; the
// editor changes only its conditions, actions and comment.
void RuleEditorTest::TheSingleRuleModeEditsTheRuleAndKeepsItsHandler() {
  auto engine = MakeEngine();
  TRule host;
  host.SetRuleName("display");
  host.SetEngine(engine.get());
  std::unique_ptr<TRule> parsed(
      engine->Parser().ParseRule("(defrule display (offer (salary ?s)) => (assert (shown ?s)))"));
  AssignParsedRule(host, *parsed, *engine);
  int fired = 0;
  host.SetOnFire([&](TObject&, TIEContext&) { ++fired; });

  auto prompts = std::make_shared<TScriptedPrompts>();
  QStringList shownRules;
  bool addEnabled = true, clearEnabled = true, replaceEnabled = false;
  prompts->Steps.push_back([&](QDialog& window) {
    auto& tree = Child<QTreeWidget>(window, "RuleTree");
    for (int i = 0; i < tree.topLevelItemCount(); ++i) shownRules << tree.topLevelItem(i)->text(0);
    addEnabled = Child<QAction>(window, "actAddRule").isEnabled();
    clearEnabled = Child<QAction>(window, "actClearRules").isEnabled();
    replaceEnabled = Child<QAction>(window, "actReplaceRule").isEnabled();
    SetLines(window, "ThenList", {"(assert (shown-twice (* 2 ?s)))"});
    window.accept();
    return window.result() == QDialog::Accepted;
  });
  TRulesDialog dialog;
  dialog.SetEngine(engine.get());
  dialog.SetMultiEdit(false);
  dialog.SetRule(&host);
  dialog.SetPrompts(prompts);
  QVERIFY(dialog.Execute());

  QCOMPARE(shownRules, QStringList{"display"});
  QVERIFY(!addEnabled);
  QVERIFY(!clearEnabled);
  QVERIFY(replaceEnabled);
  QCOMPARE(engine->FindRule("display"), &host);
  QCOMPARE(engine->Rules().Count(), 4);
  engine->Reset();
  engine->AssertString("(offer (salary 10))");
  engine->Run();
  QCOMPARE(fired, 1);
  bool shownTwice = false;
  for (const std::string& fact : engine->Facts().Texts())
    shownTwice |= fact.find("shown-twice 20") != std::string::npos;
  QVERIFY(shownTwice);
}

// ---- The lookup pages and the edit area -------------------------------------

void RuleEditorTest::TheFunctionListFiltersAndShowsHelpText() {
  auto engine = MakeEngine();
  TRuleEditor window;
  window.CopyEngine(*engine);
  window.Refresh();
  auto& functions = Child<TFunctionList>(window, "FunctionList");

  const QStringList all = functions.VisibleNames();
  QCOMPARE(all.size(), window.Engine().UserFunctions().Count());
  QVERIFY(all.contains("double"));  // deffunctions are listed with the built-ins
  for (int i = 1; i < all.size(); ++i)
    QVERIFY2(all[i - 1].compare(all[i], Qt::CaseInsensitive) <= 0, qPrintable(all[i]));

  functions.SetFilter("PRINT");
  QVERIFY(functions.VisibleNames().contains("printout"));
  for (const QString& name : functions.VisibleNames())
    QVERIFY(name.contains("print", Qt::CaseInsensitive));
  functions.SetCurrentFunction("printout");
  const IUserFunction printout = engine->UserFunctions().Find("printout");
  QCOMPARE(functions.SyntaxText(),
           "(printout" + QString::fromStdString(printout->ArgumentString()) + ")");
  QCOMPARE(functions.HelpText(), QString::fromStdString(printout->Comment()));
  QVERIFY(!functions.HelpText().isEmpty());

  functions.SetFilter("no-such-function");
  QVERIFY(functions.VisibleNames().isEmpty());
  QVERIFY(functions.SyntaxText().isEmpty());
  QVERIFY(functions.HelpText().isEmpty());
}

void RuleEditorTest::TemplatesAndFunctionsAreAddedAsLines() {
  auto engine = MakeEngine();
  TRuleEditor window;
  window.CopyEngine(*engine);
  window.Refresh();
  auto& templates = Child<QTreeWidget>(window, "TemplateTree");
  auto& conditions = Child<QListWidget>(window, "IfList");
  QTreeWidgetItem* offer = TopItem(templates, "offer");
  for (int i = 0; i < templates.topLevelItemCount(); ++i)  // no helper templates
    QVERIFY(!templates.topLevelItem(i)->text(0).startsWith("__"));

  Child<QCheckBox>(window, "AssignVariableCheck").setChecked(true);
  emit templates.itemDoubleClicked(ChildItem(*offer, "salary"), 0);
  Child<QCheckBox>(window, "AssignVariableCheck").setChecked(false);
  emit templates.itemDoubleClicked(offer, 0);
  window.InsertTemplate("applicant", "age", 0);  // a drop on the first line
  QCOMPARE(Lines(conditions),
           (QStringList{"(applicant (age ?age1) )", "?offersalary1 <- (offer (salary ?salary1) )",
                        "(offer (title ?title2) (salary ?salary2) )"}));

  auto& functions = Child<TFunctionList>(window, "FunctionList");
  functions.SetCurrentFunction("printout");
  emit functions.List()->itemActivated(functions.List()->currentItem());
  QCOMPARE(Lines(Child<QListWidget>(window, "ThenList")), QStringList{"(printout )"});
  window.InsertFunction("modify", false, 0);
  window.InsertFunction("neq", true);
  QCOMPARE(Lines(Child<QListWidget>(window, "ThenList")),
           (QStringList{"(modify )", "(printout )"}));
  QCOMPARE(conditions.count(), 4);

  // What the drops made is a rule once its calls are filled in.
  delete conditions.takeItem(3);
  Child<QLineEdit>(window, "RuleName").setText("built");
  SetLines(window, "ThenList", {"(modify ?offersalary1 (salary (+ ?salary1 ?age1)))"});
  QVERIFY(window.AddRule());
  QVERIFY(window.Engine().FindRule("built"));
}

void RuleEditorTest::FreeFormAndEditorCarryTheContentOver() {
  auto engine = MakeEngine();
  TRuleEditor window;
  window.CopyEngine(*engine);
  window.Refresh();
  Show(window);
  SelectRule(window, "age-penalty");
  auto& pages = Child<QTabWidget>(window, "RulePages");
  auto& conditionsEdit = Child<QPlainTextEdit>(window, "ConditionsEdit");
  const QStringList lines = Lines(Child<QListWidget>(window, "IfList"));
  QCOMPARE(lines.size(), 2);

  pages.setCurrentWidget(&Child<QWidget>(window, "FreeFormPage"));
  QCOMPARE(conditionsEdit.toPlainText(), lines.join('\n'));
  conditionsEdit.setPlainText(lines.join('\n') +
                              "\n(applicant (name ?n)) (test (neq ?n\n   \"x\"))");
  pages.setCurrentWidget(&Child<QWidget>(window, "EditorPage"));
  QCOMPARE(Lines(Child<QListWidget>(window, "IfList")),
           (lines + QStringList{"(applicant (name ?n))", "(test (neq ?n\n   \"x\"))"}));
  // A line over several lines goes through the edit line unchanged.
  auto& conditions = Child<QListWidget>(window, "IfList");
  ClickLine(conditions, 3);
  Child<QPushButton>(window, "ReplaceLineButton").click();
  QCOMPARE(conditions.item(3)->text(), QString("(test (neq ?n\n   \"x\"))"));

  // The edit line's buttons work on the list last used.
  auto& actions = Child<QListWidget>(window, "ThenList");
  ClickLine(actions, 0);
  Child<QLineEdit>(window, "EditLine").setText("(printout t ?n crlf)");
  Child<QPushButton>(window, "AddLineButton").click();
  Child<QPushButton>(window, "MoveUpButton").click();
  QCOMPARE(actions.item(0)->text(), QString("(printout t ?n crlf)"));
  Child<QPushButton>(window, "DeleteLineButton").click();
  QCOMPARE(actions.count(), 1);
  // Enter in the edit line adds the line; it does not press OK.
  auto& editLine = Child<QLineEdit>(window, "EditLine");
  editLine.setText("(halt)");
  QTest::keyClick(&editLine, Qt::Key_Return);
  QVERIFY(window.isVisible());
  QCOMPARE(actions.item(actions.count() - 1)->text(), QString("(halt)"));
  Child<QPushButton>(window, "DeleteLineButton").click();
  pages.setCurrentWidget(&Child<QWidget>(window, "FreeFormPage"));
  QCOMPARE(Child<QPlainTextEdit>(window, "ActionsEdit").toPlainText(), actions.item(0)->text());

  QVERIFY(window.ReplaceRule());
  const std::string text = RuleText(window.Engine(), "age-penalty");
  QVERIFY2(text.find("(test (neq ?n") != std::string::npos, text.c_str());
  QCOMPARE(window.Engine().FindRule("age-penalty")->Salience(), 10);
}

void RuleEditorTest::ActionsAndNestedEditorsFollowTheDialogsSettings() {
  auto engine = MakeEngine();
  TRuleEditor window;
  auto prompts = std::make_shared<TScriptedPrompts>();
  window.SetPrompts(prompts);
  window.CopyEngine(*engine);
  window.Refresh();
  const std::pair<const char*, const char*> actions[] = {
      {"actNewRule", "Ctrl+N"},    {"actAddRule", "Ctrl+A"},     {"actReplaceRule", "Ctrl+R"},
      {"actDeleteRule", "Ctrl+D"}, {"actClearRules", ""},        {"actExpandAll", ""},
      {"actCollapseAll", ""},      {"actEditFactTemplates", ""}, {"actEditDefinedTypes", ""}};
  for (const auto& [name, shortcut] : actions) {
    QAction& action = Child<QAction>(window, name);
    QCOMPARE(action.shortcut().toString(), QString(shortcut));
    QVERIFY2(!action.statusTip().isEmpty(), name);
    emit action.hovered();
    QCOMPARE(window.StatusText(), action.statusTip());
  }
  QCOMPARE(Child<QAction>(window, "actEditFactTemplates").text(),
           QString("Edit Fact Templates..."));

  QString nestedTitle;
  prompts->Steps.push_back([&](QDialog& nested) {
    nestedTitle = nested.windowTitle();
    return false;
  });
  Trigger(window, "actEditFactTemplates");
  QCOMPARE(nestedTitle, QString("Fact Template Editor"));
  window.SetEnableFactTemplateEditor(false);
  window.SetEnableTypeEditor(false);
  QVERIFY(!Child<QAction>(window, "actEditFactTemplates").isEnabled());
  QVERIFY(!Child<QAction>(window, "actEditDefinedTypes").isEnabled());

  Trigger(window, "actClearRules");
  QCOMPARE(window.Engine().Rules().Count(), 0);
  QCOMPARE(Child<QTreeWidget>(window, "RuleTree").topLevelItemCount(), 0);
}

void RuleEditorTest::Screenshot() {
  auto engine = MakeEngine();
  TRuleEditor window;
  window.CopyEngine(*engine);
  window.Refresh();
  window.resize(1000, 680);
  window.show();
  SelectRule(window, "age-penalty");
  Trigger(window, "actExpandAll");
  Child<QTreeWidget>(window, "TemplateTree").expandAll();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  QVERIFY(window.grab().save(QString(VETTORA_TEST_OUTPUT_DIR) + "/rule_editor.png"));
  Child<QTabWidget>(window, "LookupPages").setCurrentIndex(1);
  Child<TFunctionList>(window, "FunctionList").SetCurrentFunction("printout");
  Child<QTabWidget>(window, "RulePages").setCurrentIndex(1);
  QVERIFY(window.grab().save(QString(VETTORA_TEST_OUTPUT_DIR) + "/rule_editor_free_form.png"));
}

QTEST_MAIN(RuleEditorTest)
#include "rule_editor_test.moc"
