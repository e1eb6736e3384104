// The Fact Editor, driven through TFactSetDialog with its real controls:
// what the fact set holds after OK, Cancel and refused input; sorting,
// template defaults, carrying the fact between the Slot and Freeform pages,
// and the nested template and type editors.
#include "editors/fact_editor.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolBar>
#include <QTreeWidget>
#include <QtTest>
#include <functional>
#include <memory>

#include "editors/fact_set_dialog.h"
#include "editors/messages.h"
#include "engine/fact_set.h"
#include "engine/fact_templates.h"
#include "engine/facts.h"
#include "engine/inference_engine.h"
#include "knowledge/fact.h"
#include "scripted_prompts.h"

using namespace vettora;

namespace {

// Slots defined out of name order: the grid follows the definition.
constexpr const char* kTemplates =
    "(deftemplate item (slot price (type INTEGER FLOAT) (default 1)) (slot name (default none))"
    " (multislot tags (default a \"b c\")))";

constexpr int kSlotPage = 0;
constexpr int kFreeformPage = 1;

std::unique_ptr<TInferenceEngine> MakeEngine() {
  auto engine = std::make_unique<TInferenceEngine>();
  engine->ExecuteText(kTemplates);
  return engine;
}

// The set is owned by the engine.
TFactSet& MakeSet(TInferenceEngine& engine, const std::vector<std::string>& lines) {
  auto* set = new TFactSet(&engine);
  set->SetFacts(lines);
  return *set;
}

QStringList Lines(const TFactSet& set) {
  QStringList lines;
  for (int32_t i = 0; i < set.Facts().Count(); ++i)
    lines << QString::fromStdString(set.Facts().Strings(i));
  return lines;
}

// A fact text as the engine writes it back.
QString Written(TInferenceEngine& engine, const std::string& text) {
  return QString::fromStdString(engine.ParseFact(text)->Text());
}

// The editor's controls, found by their names as a user would see them.
struct TControls {
  explicit TControls(QDialog& dialog)
      : Editor(dynamic_cast<TFactEditor&>(dialog)),
        List(dialog.findChild<QTreeWidget*>("FactList")),
        Templates(dialog.findChild<QComboBox*>("TemplateCombo")),
        Grid(dialog.findChild<QTableWidget*>("SlotGrid")),
        Freeform(dialog.findChild<QPlainTextEdit*>("FreeformEdit")),
        Pages(dialog.findChild<QTabWidget*>("FactPages")) {}

  QAction* Action(const char* name) const { return Editor.findChild<QAction*>(name); }
  void Trigger(const char* name) const { Action(name)->trigger(); }
  QString Status() const { return Editor.StatusText(); }

  QTreeWidgetItem* Row(int index) const {
    for (int row = 0; row < List->topLevelItemCount(); ++row)
      if (List->topLevelItem(row)->text(0) == QString::number(index))
        return List->topLevelItem(row);
    return nullptr;
  }
  void Click(int index) const {
    QTreeWidgetItem* item = Row(index);
    QVERIFY(item);
    QTest::mouseClick(List->viewport(), Qt::LeftButton, {}, List->visualItemRect(item).center());
  }
  void ClickHeader(int column) const {
    QHeaderView* header = List->header();
    QPoint at(header->sectionViewportPosition(column) + 4, header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
  }
  // One column of the list, top to bottom as shown.
  QStringList Column(int column) const {
    QStringList texts;
    for (int row = 0; row < List->topLevelItemCount(); ++row)
      texts << List->topLevelItem(row)->text(column);
    return texts;
  }

  void Choose(const QString& templateName) const {
    Templates->setCurrentIndex(Templates->findText(templateName));
  }
  int GridRow(const QString& slot) const {
    for (int row = 0; row < Grid->rowCount(); ++row)
      if (Grid->item(row, 0)->text() == slot) return row;
    return -1;
  }
  void Set(const QString& slot, const QString& value) const {
    Grid->item(GridRow(slot), 1)->setText(value);
  }
  QString Value(const QString& slot) const {
    int row = GridRow(slot);
    return row < 0 ? QString("<no row>") : Grid->item(row, 1)->text();
  }
  QStringList SlotNames() const {
    QStringList names;
    for (int row = 0; row < Grid->rowCount(); ++row) names << Grid->item(row, 0)->text();
    return names;
  }
  void Type(const QString& text) const {
    Pages->setCurrentIndex(kFreeformPage);
    Freeform->setPlainText(text);
  }
  void PressOk() const { Editor.Buttons()->button(QDialogButtonBox::Ok)->click(); }

  TFactEditor& Editor;
  QTreeWidget* List;
  QComboBox* Templates;
  QTableWidget* Grid;
  QPlainTextEdit* Freeform;
  QTabWidget* Pages;
};

using TBody = std::function<void(const TControls&)>;

// Shows the editor, lets `body` drive it and presses OK (or Cancel); the
// step answers whether the window closed with OK.
TScriptedPrompts::TStep Then(QDialogButtonBox::StandardButton button, TBody body) {
  return [button, body](QDialog& dialog) {
    dialog.show();
    TControls controls(dialog);
    body(controls);
    if (QTest::currentTestFailed()) return false;
    controls.Editor.Buttons()->button(button)->click();
    return dialog.result() == QDialog::Accepted;
  };
}

// Runs the fact-set dialog on the set with the scripted steps.
bool Edit(TFactSet& set, std::vector<TScriptedPrompts::TStep> steps,
          const std::function<void(TFactSetDialog&)>& setUp = {}) {
  auto prompts = std::make_shared<TScriptedPrompts>();
  for (auto& step : steps) prompts->Steps.push_back(std::move(step));
  TFactSetDialog dialog;
  dialog.SetPrompts(prompts);
  dialog.SetFactSet(&set);
  if (setUp) setUp(dialog);
  return dialog.Execute();
}

}  // namespace

class FactEditorTest : public QObject {
  Q_OBJECT
 private slots:
  void EditsAreWrittenBackInTheEditorsOrder();
  void CancelLeavesTheSetAsItWas();
  void TypingNotYetAddedIsTakenOverOnOk();
  void BadInputIsRefusedAndOkStaysOpen();
  void SortingChangesTheViewButNotTheOrder();
  void ChoosingATemplateShowsItsDefaults();
  void ThePagesCarryTheFactBothWays();
  void TheActionsAndTheNestedEditors();
  void ScreenshotWithTheCompanyData();
};

void FactEditorTest::EditsAreWrittenBackInTheEditorsOrder() {
  auto engine = MakeEngine();
  TFactSet& set =
      MakeSet(*engine, {"(item (name pen) (price 2))", "(item (name car) (price 1000))"});
  bool ok = Edit(set, {Then(QDialogButtonBox::Ok, [](const TControls& c) {
                   QCOMPARE(c.Column(2).size(), 2);
                   QCOMPARE(c.Editor.CurrentFact(), 0);  // the first fact is loaded
                   QCOMPARE(c.Value("name"), QString("pen"));

                   c.Trigger("actNew");
                   c.Choose("item");
                   c.Set("name", "cup");
                   c.Set("price", "5");
                   c.Trigger("actAdd");
                   c.Trigger("actNew");
                   c.Type("(item (name mug) (price 7) (tags blue \"big one\"))");
                   c.Trigger("actAdd");
                   QCOMPARE(c.Column(0), QStringList({"0", "1", "2", "3"}));

                   c.Click(0);
                   c.Trigger("actDelete");  // pen
                   c.Click(1);              // cup, now in the middle
                   c.Pages->setCurrentIndex(kSlotPage);
                   QCOMPARE(c.Value("name"), QString("cup"));
                   c.Set("price", "6");
                   c.Trigger("actReplace");
                   QCOMPARE(c.Editor.CurrentFact(), 1);
                 })});
  QVERIFY(ok);
  QCOMPARE(Lines(set),
           QStringList({Written(*engine, "(item (name car) (price 1000))"),
                        Written(*engine, "(item (name cup) (price 6))"),
                        Written(*engine, "(item (name mug) (price 7) (tags blue \"big one\"))")}));
  QVERIFY(set.Facts().Facts(2));  // parsed in the set's engine
}

void FactEditorTest::CancelLeavesTheSetAsItWas() {
  auto engine = MakeEngine();
  TFactSet& set = MakeSet(*engine, {"(item (name pen))", "(item (name car))"});
  const QStringList before = Lines(set);
  bool ok = Edit(set, {Then(QDialogButtonBox::Cancel, [](const TControls& c) {
                   c.Trigger("actDelete");
                   c.Type("(item (name cup))");
                   c.Trigger("actAdd");
                   c.Trigger("actClearFacts");
                   QCOMPARE(c.List->topLevelItemCount(), 0);
                 })});
  QVERIFY(!ok);
  QCOMPARE(Lines(set), before);
}

void FactEditorTest::TypingNotYetAddedIsTakenOverOnOk() {
  auto engine = MakeEngine();
  TFactSet& set = MakeSet(*engine, {"(item (name pen))", "(item (name car))"});
  // Changed but not replaced: OK puts it in the selected fact's place.
  QVERIFY(Edit(set, {Then(QDialogButtonBox::Ok, [](const TControls& c) {
                 QVERIFY(!c.Editor.Modified());  // loading is not typing
                 c.Set("name", "bike");
                 QVERIFY(c.Editor.Modified());
               })}));
  QCOMPARE(Lines(set), QStringList({Written(*engine, "(item (name bike))"),
                                    Written(*engine, "(item (name car))")}));

  // Typed as a new fact but not added: OK appends it.
  QVERIFY(Edit(set, {Then(QDialogButtonBox::Ok, [](const TControls& c) {
                 c.Trigger("actNew");
                 c.Type("(item (name cup))");
               })}));
  QCOMPARE(Lines(set).size(), 3);
  QCOMPARE(Lines(set).last(), Written(*engine, "(item (name cup))"));

  // Selecting and looking changes nothing.
  const QStringList before = Lines(set);
  QVERIFY(Edit(set, {Then(QDialogButtonBox::Ok, [](const TControls& c) {
                 c.Click(2);
                 c.Pages->setCurrentIndex(kFreeformPage);
                 c.Pages->setCurrentIndex(kSlotPage);
               })}));
  QCOMPARE(Lines(set), before);
}

void FactEditorTest::BadInputIsRefusedAndOkStaysOpen() {
  auto engine = MakeEngine();
  TFactSet& set = MakeSet(*engine, {"(item (name pen))"});
  bool ok = Edit(set, {Then(QDialogButtonBox::Ok, [](const TControls& c) {
                   // A value that does not fit the slot's type, typed in the grid.
                   c.Trigger("actNew");
                   c.Set("price", "abc");
                   const QString typed = "(item (price abc) (name none) (tags a \"b c\"))";
                   c.Trigger("actAdd");
                   QVERIFY2(c.Status().contains("(abc) is a dtAtom type"), qPrintable(c.Status()));
                   QCOMPARE(c.Pages->currentIndex(), kFreeformPage);
                   QCOMPARE(c.Freeform->toPlainText(), typed);
                   QCOMPARE(c.List->topLevelItemCount(), 1);
                   c.PressOk();
                   QVERIFY(c.Editor.isVisible());  // OK refused: still open
                   QVERIFY(c.Editor.result() != QDialog::Accepted);

                   // A syntax error: the cursor goes to its line.
                   c.Type("(item (name pen)\n  (price 3)");
                   c.Trigger("actAdd");
                   QVERIFY2(c.Status().startsWith("Line 2, column 12: "), qPrintable(c.Status()));
                   QCOMPARE(c.Freeform->textCursor().blockNumber(), 1);

                   // Two facts at once: the second would be lost.
                   c.Type("(item (name a)) ; a (comment)\n(item (name b))");
                   c.Trigger("actAdd");
                   QCOMPARE(c.Status(), QString("Line 2: %1").arg(kFactEditorOneFactOnly));

                   // A failed parse leaves no implied template behind.
                   c.Type("(gadget (size");
                   c.Trigger("actAdd");
                   QCOMPARE(c.Templates->findText("gadget"), -1);
                   QVERIFY(!c.Editor.Engine().FactTemplates().Find("gadget"));
                   QCOMPARE(c.List->topLevelItemCount(), 1);

                   // Corrected, with a comment after the fact: accepted.
                   c.Type("(item (name cup) (price 3)) ; (fixed)");
                 })});
  QVERIFY(ok);
  QCOMPARE(Lines(set), QStringList({Written(*engine, "(item (name pen))"),
                                    Written(*engine, "(item (name cup) (price 3))")}));
}

void FactEditorTest::SortingChangesTheViewButNotTheOrder() {
  auto engine = MakeEngine();
  TFactSet& set =
      MakeSet(*engine, {"(item (name pen))", "(Color red)", "(item (name car))", "(box 3)"});
  QStringList shown;
  bool ok =
      Edit(set, {Then(QDialogButtonBox::Ok, [&](const TControls& c) {
             c.ClickHeader(1);
             QCOMPARE(c.Column(1), QStringList({"box", "Color", "item", "item"}));
             QCOMPARE(c.Column(0), QStringList({"3", "1", "0", "2"}));
             // The row shown third is fact 0 and is edited as fact 0.
             c.Click(2);
             c.Pages->setCurrentIndex(kSlotPage);
             QCOMPARE(c.Value("name"), QString("car"));
             c.Set("name", "van");
             c.Trigger("actReplace");
             QCOMPARE(c.Column(1), QStringList({"box", "Color", "item", "item"}));  // still sorted
             c.ClickHeader(0);
             shown = c.Column(0);
           })});
  QVERIFY(ok);
  QCOMPARE(shown, QStringList({"0", "1", "2", "3"}));
  QCOMPARE(Lines(set),
           QStringList({Written(*engine, "(item (name pen))"), Written(*engine, "(Color red)"),
                        Written(*engine, "(item (name van))"), Written(*engine, "(box 3)")}));
}

void FactEditorTest::ChoosingATemplateShowsItsDefaults() {
  auto engine = MakeEngine();
  TFactSet& set = MakeSet(*engine, {"(Color red)"});
  QVERIFY(!Edit(set, {Then(QDialogButtonBox::Cancel, [](const TControls& c) {
                  // Every template is offered, the implied ones too.
                  QVERIFY(c.Templates->findText("Color") >= 0);
                  QVERIFY(c.Templates->findText("Initial-Fact") >= 0);
                  c.Choose("item");
                  QCOMPARE(c.SlotNames(), QStringList({"price", "name", "tags"}));
                  QCOMPARE(c.Value("price"), QString("1"));
                  QCOMPARE(c.Value("name"), QString("none"));
                  QCOMPARE(c.Value("tags"), QString("a \"b c\""));
                  QVERIFY(c.Editor.Modified());
                  // An implied template has one row for its ordered fields.
                  c.Choose("Color");
                  QCOMPARE(c.SlotNames(), QStringList({kImpliedSlotName}));
                  QCOMPARE(c.Value(kImpliedSlotName), QString());
                })}));
}

void FactEditorTest::ThePagesCarryTheFactBothWays() {
  auto engine = MakeEngine();
  TFactSet& set = MakeSet(*engine, {"(Color red green)"});
  bool ok = Edit(set, {Then(QDialogButtonBox::Ok, [](const TControls& c) {
                   QCOMPARE(c.Value(kImpliedSlotName), QString("red green"));
                   c.Trigger("actNew");
                   c.Choose("item");
                   c.Set("name", "\"say (\\\"hi\\\")\"");
                   c.Set("tags", "x y");
                   c.Pages->setCurrentIndex(kFreeformPage);
                   QCOMPARE(c.Freeform->toPlainText(),
                            QString("(item (price 1) (name \"say (\\\"hi\\\")\") (tags x y))"));

                   c.Freeform->setPlainText("(item (name \"say (\\\"hi\\\")\") (price 9))");
                   c.Pages->setCurrentIndex(kSlotPage);
                   QCOMPARE(c.Value("price"), QString("9"));
                   QCOMPARE(c.Value("name"), QString("\"say (\\\"hi\\\")\""));
                   QCOMPARE(c.Value("tags"), QString("a \"b c\""));  // the default

                   // A text that does not parse stays on its page.
                   c.Pages->setCurrentIndex(kFreeformPage);
                   c.Freeform->setPlainText("(item (price high))");
                   c.Pages->setCurrentIndex(kSlotPage);
                   QCOMPARE(c.Pages->currentIndex(), kFreeformPage);
                   QVERIFY(c.Status().contains("(high) is a dtAtom type"));

                   // An ordered fact of a new template: shown, not yet made.
                   c.Freeform->setPlainText("(Shape round flat)");
                   c.Pages->setCurrentIndex(kSlotPage);
                   QCOMPARE(c.Templates->currentText(), QString("Shape"));
                   QCOMPARE(c.Value(kImpliedSlotName), QString("round flat"));
                   QVERIFY(!c.Editor.Engine().FactTemplates().Find("Shape"));
                   c.Trigger("actAdd");  // now it is
                   QVERIFY(c.Editor.Engine().FactTemplates().Find("Shape"));
                 })});
  QVERIFY(ok);
  QCOMPARE(Lines(set), QStringList({"(Color red green )", "(Shape round flat )"}));
}

void FactEditorTest::TheActionsAndTheNestedEditors() {
  auto engine = MakeEngine();
  TFactSet& set = MakeSet(*engine, {"(item (name pen))", "(Color red)", "(item (name car))"});
  // Captions, shortcuts and hints; all in the Fact menu.
  QVERIFY(!Edit(set, {Then(QDialogButtonBox::Cancel, [](const TControls& c) {
                  const QList<QPair<const char*, QString>> actions{
                      {"actNew", "New|Ctrl+N"},
                      {"actAdd", "Add|"},
                      {"actReplace", "Replace|Ctrl+R"},
                      {"actDelete", "Delete|Ctrl+D"},
                      {"actClearFacts", "Clear Facts|"},
                      {"actEditFactTemplates", "Edit Fact Templates...|"},
                      {"actEditDefinedTypes", "Edit Defined Types...|"}};
                  QMenu* menu = nullptr;
                  for (QAction* a : c.Editor.MenuBar()->actions())
                    if (a->text() == "&Fact") menu = a->menu();
                  for (const auto& [name, expected] : actions) {
                    QAction* action = c.Action(name);
                    QVERIFY2(action, name);
                    QCOMPARE(action->text() + "|" + action->shortcut().toString(), expected);
                    QVERIFY(!action->statusTip().isEmpty());
                    QVERIFY(menu && menu->actions().contains(action));
                    QVERIFY(c.Editor.ToolBar()->actions().contains(action));
                  }
                  c.Action("actNew")->hover();
                  QCOMPARE(c.Status(), c.Action("actNew")->statusTip());
                })}));

  for (bool enabled : {false, true}) {
    QVERIFY(!Edit(set,
                  {Then(QDialogButtonBox::Cancel,
                        [enabled](const TControls& c) {
                          QCOMPARE(c.Action("actEditFactTemplates")->isEnabled(), enabled);
                          QCOMPARE(c.Action("actEditDefinedTypes")->isEnabled(), enabled);
                        })},
                  [enabled](TFactSetDialog& dialog) {
                    dialog.SetEnableFactTemplateEditor(enabled);
                    dialog.SetEnableTypeEditor(enabled);
                  }));
  }

  // The template editor changes a default of "item", so the engine replaces
  // the template and re-asserts its facts at the end: the list keeps its
  // order all the same.
  auto prompts = std::make_shared<TScriptedPrompts>();
  QStringList texts;
  prompts->Steps.push_back(Then(QDialogButtonBox::Ok, [&](const TControls& c) {
    c.Trigger("actEditFactTemplates");
    QVERIFY(c.Templates->findText("order") >= 0);
    QCOMPARE(c.Column(1), QStringList({"item", "Color", "item"}));
    c.Click(2);
    texts << c.Value("colour");
  }));
  prompts->Steps.push_back([](QDialog& nested) {
    dynamic_cast<TEditorWindow&>(nested).Engine().ExecuteText(
        "(deftemplate order (slot qty))"
        "(deftemplate item (slot price (type INTEGER FLOAT) (default 2)) (slot name (default none))"
        " (multislot tags (default a \"b c\")) (slot colour (default blue)))");
    return true;
  });
  TFactSetDialog dialog;
  dialog.SetPrompts(prompts);
  dialog.SetFactSet(&set);
  QVERIFY(dialog.Execute());
  QCOMPARE(texts, QStringList({"blue"}));
  QVERIFY(engine->FindTemplate("order"));
  QCOMPARE(Lines(set),
           QStringList({Written(*engine, "(item (name pen))"), Written(*engine, "(Color red)"),
                        Written(*engine, "(item (name car))")}));
}

void FactEditorTest::ScreenshotWithTheCompanyData() {
  TInferenceEngine engine;
  TFactSet& set = MakeSet(
      engine,
      {"(Initial-Fact)", "(knowledge-adjustment delphi None -0.2)",
       "(knowledge-adjustment delphi Low -0.05)", "(knowledge-adjustment delphi High 0.05)",
       "(knowledge-adjustment delphi Expert 0.2)", "(knowledge-adjustment database None -0.05)",
       "(knowledge-adjustment database Expert 0.025)",
       "(knowledge-adjustment component None -0.05)", "(knowledge-adjustment component Low -0.025)",
       "(knowledge-adjustment component High 0.05)", "(knowledge-adjustment component Expert 0.2)",
       "(knowledge-adjustment graphics None -0.05)", "(knowledge-adjustment graphics Expert 0.1)",
       "(job-openings Programmer)", "(job-openings Designer)", "(base-salary Programmer 40000)",
       "(base-salary Designer 50000)", "(base-salary Manager 45000)",
       "(base-salary Artist 35000)"});
  const QStringList before = Lines(set);
  QVERIFY(!Edit(set, {Then(QDialogButtonBox::Cancel, [](const TControls& c) {
                  QCOMPARE(c.List->topLevelItemCount(), 19);
                  c.Click(15);
                  QCOMPARE(c.Templates->currentText(), QString("base-salary"));
                  QCOMPARE(c.Value(kImpliedSlotName), QString("Programmer 40000"));
                  QVERIFY(
                      c.Editor.grab().save(QString(VETTORA_TEST_OUTPUT_DIR) + "/fact_editor.png"));
                })}));
  QCOMPARE(Lines(set), before);
}

QTEST_MAIN(FactEditorTest)
#include "fact_editor_test.moc"
