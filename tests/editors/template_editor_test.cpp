// The Fact Template Editor driven through TFactTemplatesDialog with its
// real controls: new templates and slots reach the target on OK (and facts
// asserted there get the defaults), dynamic defaults and multislots, the
// drafts that are refused and the Types Editor run from inside; and
// templates that read back unchanged through a draft.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>
#include <memory>

#include "editors/fact_template_editor.h"
#include "editors/fact_templates_dialog.h"
#include "editors/fuzzy_terms_plot.h"
#include "editors/messages.h"
#include "editors/template_draft.h"
#include "editors/type_editor_frame.h"
#include "editors/types_editor.h"
#include "engine/defined_types.h"
#include "engine/fact_templates.h"
#include "engine/facts.h"
#include "engine/inference_engine.h"
#include "engine/messages.h"
#include "engine/rules.h"
#include "matching/rule_engine.h"
#include "scripted_prompts.h"
#include "window_driver.h"
#include "values/format.h"

using namespace vettora;

namespace {

constexpr const char* kProgram =
    "(deftype money extends (type INTEGER FLOAT) (range 0 ?VARIABLE))"
    "(deftype temp extends (type FUZZY) (range 0 100) (values (term cold (z 10 40)) (term hot (s "
    "50 90))))"
    "(defglobal ?*n* = 1)"
    "(deftemplate item \"a thing for sale\" (slot name (type STRING)) (slot price (type money)))"
    "(deftemplate room (slot heat (type temp) (default cold)))"
    "(defrule priced (item (price ?p)) => (printout t ?p crlf))";

std::unique_ptr<TInferenceEngine> MakeEngine() {
  auto engine = std::make_unique<TInferenceEngine>();
  engine->ExecuteText(kProgram);
  return engine;
}

TFactTemplateEditor& Editor(QDialog& dialog) { return dynamic_cast<TFactTemplateEditor&>(dialog); }

void TickOnly(QDialog& dialog, TIEType kind) {
  Trigger(dialog, "actSelectNoTypes");
  Editor(dialog).SlotFrame()->KindBox(kind)->click();
}

bool PressOk(QDialog& dialog) {
  dynamic_cast<TEditorWindow&>(dialog).Buttons()->button(QDialogButtonBox::Ok)->click();
  return dialog.result() == QDialog::Accepted;
}

bool Run(TInferenceEngine& engine, std::deque<TScriptedPrompts::TStep> steps,
         bool enableTypes = true) {
  auto prompts = std::make_shared<TScriptedPrompts>();
  prompts->Steps = std::move(steps);
  TFactTemplatesDialog dialog;
  dialog.SetPrompts(prompts);
  dialog.SetEngine(&engine);
  dialog.SetEnableTypeEditor(enableTypes);
  return dialog.Execute();
}

// A new template "box" with one slot, named and filled in by `slot`.
void EnterBox(QDialog& dialog, const QString& slotName, const QString& defaultText) {
  Trigger(dialog, "actNewTemplate");
  Type(dialog, "TemplateName", "box");
  Trigger(dialog, "actNewSlot");
  Type(dialog, "SlotName", slotName);
  Type(dialog, "SlotDefault", defaultText);
}

IIEValue SlotOfNewFact(TInferenceEngine& engine, const std::string& fact, const char* slot) {
  int32_t id = engine.AssertString(fact);
  return engine.Facts().FindById(id)->GetSlotValue(slot);
}

}  // namespace

class TemplateEditorTest : public QObject {
  Q_OBJECT
 private slots:
  void ANewIntegerSlotReachesTheTargetAndItsFacts();
  void ADynamicDefaultIsEvaluatedForEveryNewFact();
  void AMultiSlotHoldsAListDefault();
  void ADraftThatDoesNotReadKeepsTheWindowOnIt();
  void RulesThatNoLongerReadAreDroppedAlone();
  void ATakenTemplateNameIsRefused();
  void DeletingSlotsAndTemplatesAndClearing();
  void EditTypesRunsTheTypesEditorOnTheWorkingCopy();
  void WithoutTheTypeEditorNoTypesAreWrittenBack();
  void AFuzzySlotShowsItsTypesTerms();
  void TheActionsHaveTheirCaptions();
  void ATemplateReadsBackUnchangedThroughADraft_data();
  void ATemplateReadsBackUnchangedThroughADraft();
};

void TemplateEditorTest::ANewIntegerSlotReachesTheTargetAndItsFacts() {
  auto engine = MakeEngine();
  QVERIFY(!Run(*engine, {[](QDialog& dialog) {
    EnterBox(dialog, "size", "5");
    return false;
  }}));
  QVERIFY(!engine->FactTemplates().Find("box"));

  QVERIFY(Run(*engine, {[](QDialog& dialog) {
    EnterBox(dialog, "size", "5");
    TickOnly(dialog, dtInteger);
    Editor(dialog).show();
    QCoreApplication::processEvents();  // lays out the slot's type
    Editor(dialog).grab().save(QString(VETTORA_TEST_OUTPUT_DIR) + "/template_editor.png");
    return PressOk(dialog);
  }}));
  IFactTemplate box = engine->FactTemplates().Find("box");
  QVERIFY(box);
  QVERIFY(box->FindSlot("size")->SlotType() == TIETypes{dtInteger});
  QCOMPARE(SlotOfNewFact(*engine, "(box)", "size")->AsInteger(), 5);
  // The other templates and the rule on one of them are as they were.
  QVERIFY(engine->FactTemplates().Find("item"));
  QVERIFY(engine->FindRule("priced"));
}

void TemplateEditorTest::ADynamicDefaultIsEvaluatedForEveryNewFact() {
  auto engine = MakeEngine();
  QVERIFY(Run(*engine, {[](QDialog& dialog) {
    EnterBox(dialog, "now", "?*n*");
    Child<QCheckBox>(dialog, "DynamicDefault").click();
    Trigger(dialog, "actNewSlot");
    Type(dialog, "SlotName", "then");
    Type(dialog, "SlotDefault", "?*n*");
    return PressOk(dialog);
  }}));
  QVERIFY(engine->FactTemplates().Find("box")->FindSlot("now")->DefaultDynamic());
  QCOMPARE(SlotOfNewFact(*engine, "(box)", "now")->AsInteger(), 1);
  engine->ExecuteText("(bind ?*n* 7)");
  int32_t id = engine->AssertString("(box)");
  QCOMPARE(engine->Facts().FindById(id)->GetSlotValue("now")->AsInteger(), 7);
  QCOMPARE(engine->Facts().FindById(id)->GetSlotValue("then")->AsInteger(), 1);
}

void TemplateEditorTest::AMultiSlotHoldsAListDefault() {
  auto engine = MakeEngine();
  QString node;
  QVERIFY(Run(*engine, {[&](QDialog& dialog) {
    TFactTemplateEditor& editor = Editor(dialog);
    editor.SelectTemplate("item");
    Trigger(dialog, "actNewSlot");
    Type(dialog, "SlotName", "tags");
    Trigger(dialog, "actMultiSlot");
    Type(dialog, "SlotDefault", "new cheap");
    node = editor.Tree()->currentItem()->text(0);
    return PressOk(dialog);
  }}));
  QCOMPARE(node, QString("tags (multislot)"));
  TFactSlot* tags = engine->FactTemplates().Find("item")->FindSlot("tags");
  QVERIFY(tags && tags->IsMultiSlot());
  QCOMPARE(QString::fromStdString(SlotOfNewFact(*engine, "(item)", "tags")->AsText()).trimmed(),
           QString("new cheap"));
  QVERIFY(engine->FindRule("priced"));  // carried over to the new template
}

void TemplateEditorTest::ADraftThatDoesNotReadKeepsTheWindowOnIt() {
  auto engine = MakeEngine();
  QString unbalanced, parseError;
  std::string shownAfterSwitch;
  QVERIFY(Run(*engine, {[&](QDialog& dialog) {
    TFactTemplateEditor& editor = Editor(dialog);
    editor.SelectTemplate("item");
    editor.SelectSlot(0);
    Type(dialog, "SlotDefault", "(str-cat \"a\"");
    if (PressOk(dialog)) return true;
    unbalanced = editor.StatusText();
    Type(dialog, "SlotDefault", "12");  // not a STRING
    editor.SelectTemplate("room");
    parseError = editor.StatusText();
    shownAfterSwitch = editor.Draft().Name;
    Type(dialog, "SlotDefault", "\"pen\"");
    return PressOk(dialog);
  }}));
  QCOMPARE(unbalanced,
           QString::fromStdString(FormatMessage(kEditorUnbalanced, {"default", "(str-cat \"a\""})));
  QVERIFY2(parseError.contains("Not a STRING type"), qPrintable(parseError));
  QCOMPARE(shownAfterSwitch, std::string("item"));
  QCOMPARE(SlotOfNewFact(*engine, "(item)", "name")->AsText(), std::string("\"pen\""));
}

// One rule that no longer reads against the edited template must not take
// the template's other rules with it.
void TemplateEditorTest::RulesThatNoLongerReadAreDroppedAlone() {
  auto engine = MakeEngine();
  engine->ExecuteText("(defrule named (item (name ?n)) => (printout t ?n crlf))");
  QString status;
  bool priced = true, named = false;
  QVERIFY(!Run(*engine, {[&](QDialog& dialog) {
    TFactTemplateEditor& editor = Editor(dialog);
    editor.SelectTemplate("item");
    editor.SelectSlot(1);  // price, which rule "priced" names
    Trigger(dialog, "actDelete");
    editor.SelectTemplate("room");
    status = editor.StatusText();
    priced = editor.Engine().FindRule("priced") != nullptr;
    named = editor.Engine().FindRule("named") != nullptr;
    return false;
  }}));
  QCOMPARE(status, QString::fromStdString(FormatMessage(kEditorRulesDropped, {"item", "priced"})));
  QVERIFY(!priced);
  QVERIFY(named);
  QVERIFY(engine->FindRule("priced"));  // cancelled: the target keeps both
}

void TemplateEditorTest::ATakenTemplateNameIsRefused() {
  auto engine = MakeEngine();
  QString status;
  QVERIFY(!Run(*engine, {[&](QDialog& dialog) {
    Trigger(dialog, "actNewTemplate");
    Type(dialog, "TemplateName", "room");
    bool closed = PressOk(dialog);
    status = Editor(dialog).StatusText();
    return closed;
  }}));
  QCOMPARE(status, QString::fromStdString(FormatMessage(kFactTemplateNameExists, {"room"})));
}

void TemplateEditorTest::DeletingSlotsAndTemplatesAndClearing() {
  auto engine = MakeEngine();
  QString shownSlot;
  QVERIFY(Run(*engine, {[&](QDialog& dialog) {
    TFactTemplateEditor& editor = Editor(dialog);
    // A slot of a template not shown yet: clicking it loads the template.
    QTreeWidget& tree = *editor.Tree();
    for (int i = 0; i < tree.topLevelItemCount(); ++i)
      if (tree.topLevelItem(i)->text(0) == "item") tree.setCurrentItem(tree.topLevelItem(i)->child(0));
    shownSlot = Child<QLineEdit>(dialog, "SlotName").text();
    Trigger(dialog, "actDelete");
    editor.SelectTemplate("room");  // files item without name
    Trigger(dialog, "actDelete");   // the template node is selected
    return PressOk(dialog);
  }}));
  QCOMPARE(shownSlot, QString("name"));
  IFactTemplate item = engine->FactTemplates().Find("item");
  QVERIFY(item && !item->HasSlot("name") && item->HasSlot("price"));
  QVERIFY(!engine->FactTemplates().Find("room"));
  QVERIFY(engine->FindRule("priced"));  // carried over: it names price only

  QVERIFY(Run(*engine, {[](QDialog& dialog) {
    Trigger(dialog, "actClearTemplates");
    return PressOk(dialog) && Editor(dialog).Tree()->topLevelItemCount() == 0;
  }}));
  QVERIFY(!engine->FactTemplates().Find("item"));
  QVERIFY(engine->FactTemplates().Find(kInitialFactName));
  engine->Reset();  // the engine's own templates still serve
  QCOMPARE(engine->Facts().Count(), 1);
}

void TemplateEditorTest::EditTypesRunsTheTypesEditorOnTheWorkingCopy() {
  auto engine = MakeEngine();
  bool offered = false;
  QVERIFY(Run(*engine, {[&](QDialog& dialog) {
                          TFactTemplateEditor& editor = Editor(dialog);
                          editor.SelectTemplate("item");
                          Trigger(dialog, "actNewSlot");
                          Type(dialog, "SlotName", "rating");
                          Trigger(dialog, "actEditTypes");  // runs the next step
                          QComboBox& ancestor =
                              Child<QComboBox>(*editor.SlotFrame(), "AncestorCombo");
                          int index = ancestor.findText("stars");
                          offered = index >= 0;
                          ancestor.setCurrentIndex(index);
                          emit ancestor.activated(index);
                          return PressOk(dialog);
                        },
                        [](QDialog& types) {
                          auto& editor = dynamic_cast<TTypesEditor&>(types);
                          Trigger(types, "actNewType");
                          Child<QLineEdit>(types, "TypeName").setText("stars");
                          editor.Frame()->SelectNoKinds();
                          editor.Frame()->KindBox(dtInteger)->click();
                          Child<QLineEdit>(types, "RangeMinEdit").setText("1");
                          Child<QLineEdit>(types, "RangeMaxEdit").setText("5");
                          return editor.AddType() && PressOk(types);
                        }}));
  QVERIFY(offered);
  IIEDefinedType stars = engine->FindDefinedType("stars");
  QVERIFY(stars);
  TFactSlot* rating = engine->FactTemplates().Find("item")->FindSlot("rating");
  QVERIFY(rating && rating->ExtendedTypeInfo() && rating->ExtendedTypeInfo()->Name() == "stars");
  QCOMPARE(SlotOfNewFact(*engine, "(item)", "rating")->AsInteger(), 1);
}

void TemplateEditorTest::WithoutTheTypeEditorNoTypesAreWrittenBack() {
  auto engine = MakeEngine();
  bool enabled = true;
  QVERIFY(Run(*engine,
              {[&](QDialog& dialog) {
                 enabled = Child<QAction>(dialog, "actEditTypes").isEnabled();
                 Trigger(dialog, "actEditTypes");  // disabled: runs nothing
                 Editor(dialog).Engine().ExecuteText("(deftype extra extends (type STRING))");
                 EnterBox(dialog, "size", "5");
                 return PressOk(dialog);
               },
               [](QDialog&) { return true; }},
              false));
  QVERIFY(!enabled);
  QVERIFY(!engine->FindDefinedType("extra"));
  QVERIFY(engine->FactTemplates().Find("box"));
}

void TemplateEditorTest::AFuzzySlotShowsItsTypesTerms() {
  auto engine = MakeEngine();
  int plotted = -1;
  bool termsReadOnly = false;
  QString defaultText;
  QVERIFY(!Run(*engine, {[&](QDialog& dialog) {
    TFactTemplateEditor& editor = Editor(dialog);
    editor.SelectTemplate("room");
    defaultText = Child<QLineEdit>(dialog, "SlotDefault").text();
    plotted = editor.SlotFrame()->Plot()->TermCount();
    auto& terms = Child<QAbstractItemView>(*editor.SlotFrame(), "TermsTable");
    termsReadOnly = terms.editTriggers() == QAbstractItemView::NoEditTriggers;
    return false;
  }}));
  QCOMPARE(defaultText, QString("cold"));
  QCOMPARE(plotted, 5);  // cold, hot and the automatic low, medium, high
  QVERIFY(termsReadOnly);
}

void TemplateEditorTest::TheActionsHaveTheirCaptions() {
  TFactTemplateEditor editor;
  const struct {
    const char* Name;
    const char* Caption;
  } kActions[] = {{"actNewTemplate", "New Fact Template"},
                  {"actNewSlot", "New Slot"},
                  {"actDelete", "Delete"},
                  {"actMultiSlot", "MultiSlot"},
                  {"actSelectAllTypes", "Select all slot types"},
                  {"actSelectNoTypes", "Select no types"},
                  {"actClearTemplates", "Clear Fact Templates"},
                  {"actEditTypes", "Edit Types"}};
  for (const auto& expected : kActions) {
    QAction& action = Child<QAction>(editor, expected.Name);
    QCOMPARE(action.text(), QString(expected.Caption));
    QVERIFY(!action.statusTip().isEmpty());
  }
  QCOMPARE(Child<QAction>(editor, "actNewTemplate").shortcut(), QKeySequence("Ctrl+N"));
  QCOMPARE(editor.windowTitle(), QString("Fact Template Editor"));
}

// Each template is loaded into a draft and filed again unchanged: the
// parser must make a template that prints as the original.
void TemplateEditorTest::ATemplateReadsBackUnchangedThroughADraft_data() {
  QTest::addColumn<QString>("text");
  QTest::newRow("kinds and defaults")
      << "(deftemplate t \"c\" (slot a (type INTEGER) (default 5)) (multislot m (type INTEGER)"
         " (default 1 2 3)) (slot s (type STRING) (default \"q x\")) (slot f (type FLOAT) (default "
         "2.5)))";
  QTest::newRow("defined and implicit types")
      << "(deftemplate t (slot p (type money)) (slot r (type money) (range 1 5))"
         " (slot x (allowed-symbols q w)) (slot h (type temp) (default hot)))";
  QTest::newRow("dynamic default and untyped")
      << "(deftemplate t (slot d (default-dynamic (+ 1 2))) (slot u))";
  QTest::newRow("no slots") << "(deftemplate t)";
}

void TemplateEditorTest::ATemplateReadsBackUnchangedThroughADraft() {
  QFETCH(QString, text);
  auto engine = MakeEngine();
  engine->ExecuteText(text.toStdString());
  IFactTemplate original = engine->FactTemplates().Find("t");
  const std::string printed = original->Text();
  TTemplateDraft draft = TemplateDraftOf(*original);
  IFactTemplate filed = FileTemplateDraft(draft, *engine);
  QCOMPARE(QString::fromStdString(filed->Text()), QString::fromStdString(printed));
  QVERIFY(engine->FactTemplates().Find("t") == filed);
}

QTEST_MAIN(TemplateEditorTest)
#include "template_editor_test.moc"
