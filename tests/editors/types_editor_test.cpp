// The Types Editor driven through TDefinedTypesDialog with its real
// controls, and the type editor frame's fields: what reaches the target on
// OK and Cancel, what is refused and with which message, fuzzy terms in the
// list and the plot, and types that read back unchanged through the frame.
#include "editors/types_editor.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTreeWidget>
#include <QtTest>
#include <memory>

#include "editors/defined_types_dialog.h"
#include "editors/fuzzy_terms_plot.h"
#include "editors/messages.h"
#include "editors/type_editor_frame.h"
#include "editors/type_fields.h"
#include "engine/defined_types.h"
#include "engine/engine_parser.h"
#include "engine/fact_templates.h"
#include "engine/inference_engine.h"
#include "engine/messages.h"
#include "fuzzy/fuzzy_variable.h"
#include "scripted_prompts.h"
#include "window_driver.h"
#include "values/exceptions.h"
#include "values/format.h"

using namespace vettora;

namespace {

constexpr const char* kProgram =
    "(deftype money extends (type INTEGER FLOAT) (range 0 ?VARIABLE))"
    "(deftype temp extends (type FUZZY) (range 0 100) (units C)"
    "  (values (term cold (z 10 40)) (term hot (s 50 90))))"
    "(deftemplate item (slot price (type money)))";

std::unique_ptr<TInferenceEngine> MakeEngine() {
  auto engine = std::make_unique<TInferenceEngine>();
  engine->ExecuteText(kProgram);
  return engine;
}

TTypesEditor& Editor(QDialog& dialog) { return dynamic_cast<TTypesEditor&>(dialog); }

// Ticks exactly the kinds given, clicking the boxes as a user would.
void Tick(QWidget& window, TIETypes kinds) {
  TTypeEditorFrame& frame = *Editor(dynamic_cast<QDialog&>(window)).Frame();
  for (TIEType kind : kTypeWordKinds)
    if (frame.KindBox(kind)->isChecked() != kinds.Contains(kind)) frame.KindBox(kind)->click();
}

bool PressOk(QDialog& dialog) {
  Editor(dialog).Buttons()->button(QDialogButtonBox::Ok)->click();
  return dialog.result() == QDialog::Accepted;
}

// Runs the dialog on the engine with the steps given; answers Execute.
bool Run(TInferenceEngine& engine, std::deque<TScriptedPrompts::TStep> steps) {
  auto prompts = std::make_shared<TScriptedPrompts>();
  prompts->Steps = std::move(steps);
  TDefinedTypesDialog dialog;
  dialog.SetPrompts(prompts);
  dialog.SetEngine(&engine);
  return dialog.Execute();
}

// A new INTEGER type "level" with the range typed.
void EnterLevel(QDialog& dialog, const QString& low, const QString& high) {
  Trigger(dialog, "actNewType");
  Type(dialog, "TypeName", "level");
  Tick(dialog, {dtInteger});
  Type(dialog, "RangeMinEdit", low);
  Type(dialog, "RangeMaxEdit", high);
}

std::string Error(const std::function<void()>& run) {
  try {
    run();
  } catch (const std::exception& e) {
    return e.what();
  }
  return {};
}

}  // namespace

class TypesEditorTest : public QObject {
  Q_OBJECT
 private slots:
  void ANewTypeReachesTheTargetOnOkAndNotOnCancel();
  void ATakenNameIsRefusedWithTheEnginesMessage();
  void ABadRangeIsRefusedAndOkStaysOpen();
  void AnEditedTypeIsReplacedOnOkAndKeepsTheTemplatesUsingIt();
  void AFuzzyTypesTermsLoadIntoTheListAndThePlot();
  void DeleteAndClearRemoveTypesWithTheirTemplates();
  void TheActionsHaveTheirCaptionsShortcutsAndHints();
  void ATypeReadsBackUnchangedThroughTheFields_data();
  void ATypeReadsBackUnchangedThroughTheFields();
  void FieldsThatCannotBeWrittenAreRefusedWithTheirMessage_data();
  void FieldsThatCannotBeWrittenAreRefusedWithTheirMessage();
};

void TypesEditorTest::ANewTypeReachesTheTargetOnOkAndNotOnCancel() {
  auto engine = MakeEngine();
  QVERIFY(!Run(*engine, {[](QDialog& dialog) {
    EnterLevel(dialog, "1", "5");
    return false;
  }}));
  QVERIFY(!engine->FindDefinedType("level"));

  QVERIFY(Run(*engine, {[](QDialog& dialog) {
    EnterLevel(dialog, "1", "5");
    return PressOk(dialog);
  }}));
  IIEDefinedType level = engine->FindDefinedType("level");
  QVERIFY(level);
  QVERIFY(level->BaseTypes() == TIETypes{dtInteger});
  QVERIFY(level->RangeLimited());
  QCOMPARE(level->MinRange(), 1.0);
  QCOMPARE(level->MaxRange(), 5.0);
  QVERIFY(engine->FindDefinedType("money"));  // the others stay
}

void TypesEditorTest::ATakenNameIsRefusedWithTheEnginesMessage() {
  auto engine = MakeEngine();
  const std::string before = engine->DefinedTypes().Text();
  QString status;
  bool closed = true;
  QVERIFY(!Run(*engine, {[&](QDialog& dialog) {
    Trigger(dialog, "actNewType");
    Type(dialog, "TypeName", "money");
    Tick(dialog, {dtString});
    Trigger(dialog, "actAddType");
    status = Editor(dialog).StatusText();
    closed = PressOk(dialog);  // the pending add is refused the same way
    return closed;
  }}));
  QCOMPARE(status, QString::fromStdString(FormatMessage(kDefinedTypeNameExists, {"money"})));
  QVERIFY(!closed);
  QCOMPARE(engine->DefinedTypes().Text(), before);
}

void TypesEditorTest::ABadRangeIsRefusedAndOkStaysOpen() {
  auto engine = MakeEngine();
  QString status;
  int typesWhileOpen = -1;
  QVERIFY(Run(*engine, {[&](QDialog& dialog) {
    EnterLevel(dialog, "abc", "");
    if (PressOk(dialog)) return true;
    status = Editor(dialog).StatusText();
    typesWhileOpen = Editor(dialog).Engine().DefinedTypes().Count();
    Type(dialog, "RangeMinEdit", "2");
    return PressOk(dialog);
  }}));
  QCOMPARE(status,
           QString::fromStdString(FormatMessage(kEditorInvalidNumber, {"range minimum", "abc"})));
  QCOMPARE(typesWhileOpen, 2);  // nothing half-made was filed
  IIEDefinedType level = engine->FindDefinedType("level");
  QVERIFY(level);
  QCOMPARE(level->MinRange(), 2.0);
  QCOMPARE(level->MaxRange(), TIEDefinedType::kNoMaxRange);
}

void TypesEditorTest::AnEditedTypeIsReplacedOnOkAndKeepsTheTemplatesUsingIt() {
  auto engine = MakeEngine();
  bool templateKept = false;
  QString shownName, shownMin;
  QVERIFY(Run(*engine, {[&](QDialog& dialog) {
    TTypesEditor& editor = Editor(dialog);
    editor.SelectType("money");
    shownName = Child<QLineEdit>(dialog, "TypeName").text();
    shownMin = Child<QLineEdit>(dialog, "RangeMinEdit").text();
    Type(dialog, "UnitsEdit", "EUR");
    Trigger(dialog, "actReplaceType");
    IFactTemplate item = editor.Engine().FindTemplate("item");
    templateKept = item && item->FindSlot("price")->ExtendedTypeInfo()->Units() == "EUR";
    Type(dialog, "RangeMaxEdit", "1000");  // left pending: OK replaces it
    return PressOk(dialog);
  }}));
  QCOMPARE(shownName, QString("money"));
  QCOMPARE(shownMin, QString("0"));
  QVERIFY(templateKept);
  IIEDefinedType money = engine->FindDefinedType("money");
  QCOMPARE(money->Units(), std::string("EUR"));
  QCOMPARE(money->MaxRange(), 1000.0);
}

void TypesEditorTest::AFuzzyTypesTermsLoadIntoTheListAndThePlot() {
  auto engine = MakeEngine();
  QStringList listed;
  int plotted = -1;
  double coldAtZero = -1, coldAtMax = -1;
  int plottedAfterAdd = -1;
  QVERIFY(Run(*engine, {[&](QDialog& dialog) {
    TTypesEditor& editor = Editor(dialog);
    editor.show();
    editor.SelectType("temp");
    QTableWidget& terms = Child<QTableWidget>(dialog, "TermsTable");
    for (int row = 0; row < terms.rowCount(); ++row) listed << terms.item(row, 0)->text();
    const TFuzzyTermsPlot& plot = *editor.Frame()->Plot();
    plotted = plot.TermCount();
    for (const TFuzzyTermsPlot::TCurve& curve : plot.Curves())
      if (curve.Name == "cold") {
        coldAtZero = curve.Points.first().y();
        coldAtMax = curve.Points.last().y();
      }
    Child<QPushButton>(dialog, "AddTermButton").click();
    int row = terms.rowCount() - 1;
    terms.item(row, 0)->setText("warm");
    terms.item(row, 1)->setText("(tri 30 50 70)");
    plottedAfterAdd = plot.TermCount();
    QCoreApplication::processEvents();
    editor.grab().save(QString(VETTORA_TEST_OUTPUT_DIR) + "/types_editor.png");
    return PressOk(dialog);
  }}));
  // The engine adds the automatic terms to a fuzzy type it files.
  QCOMPARE(listed, QStringList({"cold", "hot", "low", "medium", "high"}));
  QCOMPARE(plotted, 5);
  QCOMPARE(coldAtZero, 1.0);
  QCOMPARE(coldAtMax, 0.0);
  QCOMPARE(plottedAfterAdd, 6);
  IIEDefinedType temp = engine->FindDefinedType("temp");
  QVERIFY(temp->FuzzyVariable()->FindTerm("warm"));
  QCOMPARE(temp->Units(), std::string("C"));
}

void TypesEditorTest::DeleteAndClearRemoveTypesWithTheirTemplates() {
  auto engine = MakeEngine();
  bool itemGone = false;
  int nodesLeft = -1;
  QVERIFY(Run(*engine, {[&](QDialog& dialog) {
    TTypesEditor& editor = Editor(dialog);
    editor.SelectType("money");
    Trigger(dialog, "actDeleteType");
    itemGone = !editor.Engine().FactTemplates().Find("item");
    nodesLeft = editor.Tree()->topLevelItemCount();
    return PressOk(dialog);
  }}));
  QVERIFY(itemGone);
  QCOMPARE(nodesLeft, 1);
  QVERIFY(!engine->FindDefinedType("money"));
  QVERIFY(engine->FindDefinedType("temp"));

  QVERIFY(Run(*engine, {[](QDialog& dialog) {
    Trigger(dialog, "actExpandAll");
    Trigger(dialog, "actClearTypes");
    return PressOk(dialog) && Editor(dialog).Tree()->topLevelItemCount() == 0;
  }}));
  QCOMPARE(engine->DefinedTypes().Count(), 0);
}

void TypesEditorTest::TheActionsHaveTheirCaptionsShortcutsAndHints() {
  TTypesEditor editor;
  const struct {
    const char* Name;
    const char* Caption;
    const char* Shortcut;
  } kActions[] = {
      {"actNewType", "New Defined Type", "Ctrl+N"}, {"actAddType", "Add Type", "Ctrl+A"},
      {"actReplaceType", "Replace Type", "Ctrl+R"}, {"actDeleteType", "Delete Type", "Ctrl+D"},
      {"actExpandAll", "Expand All", ""},           {"actCollapseAll", "Collapse All", ""},
      {"actClearTypes", "Clear Defined Types", ""}};
  for (const auto& expected : kActions) {
    QAction& action = Child<QAction>(editor, expected.Name);
    QCOMPARE(action.text(), QString(expected.Caption));
    QCOMPARE(action.shortcut(), QKeySequence(expected.Shortcut));
    QVERIFY(!action.statusTip().isEmpty());
    action.hover();
    QCOMPARE(editor.StatusText(), action.statusTip());
  }
  QCOMPARE(editor.windowTitle(), QString("Types Editor"));
}

// Each type is shown in the frame and written back; the parser must make
// a type that prints as the original.
void TypesEditorTest::ATypeReadsBackUnchangedThroughTheFields_data() {
  QTest::addColumn<QString>("text");
  QTest::newRow("facets")
      << "(deftype lvl \"a level\" extends (type INTEGER FLOAT) (range 0 ?VARIABLE)"
         " (units \"k g\") (cardinality 1 3) (allowed-values a \"b c\" 1 2.5))";
  QTest::newRow("ancestor") << "(deftype sub extends (type money STRING) (units kg))";
  QTest::newRow("fuzzy") << "(deftype heat extends (type FUZZY) (range -10 50.5) (units C)"
                            " (values (term cold (z 0 10)) (term odd ((0 0) (12.25 1) (20 0)))))";
  QTest::newRow("floats and an empty list") << "(deftype f extends (type FLOAT INTEGER)"
                                               " (allowed-floats 3.25 0.5) (allowed-integers))";
  QTest::newRow("symbols and strings")
      << "(deftype s extends (type SYMBOL STRING)"
         " (allowed-symbols x y) (allowed-strings \"q \\\"x\\\"\"))";
  QTest::newRow("open low bound") << "(deftype n extends (type NUMBER) (range ?VARIABLE -1.5))";
}

void TypesEditorTest::ATypeReadsBackUnchangedThroughTheFields() {
  QFETCH(QString, text);
  TInferenceEngine engine;
  engine.ExecuteText("(deftype money extends (type INTEGER FLOAT) (range 0 ?VARIABLE))");
  IIEDefinedType original = engine.Parser().ParseDefinedType(text.toStdString());
  TTypeEditorFrame frame;
  frame.SetEngine(&engine);
  frame.Load(original);
  std::string written = frame.Text();
  IIEDefinedType copy = engine.Parser().ParseDefinedType(written);
  QCOMPARE(QString::fromStdString(copy->AsText()), QString::fromStdString(original->AsText()));
  QVERIFY(copy->SameAllowedValues(original));
  QVERIFY(frame.Fields() == TypeFieldsOf(*copy));
}

void TypesEditorTest::FieldsThatCannotBeWrittenAreRefusedWithTheirMessage_data() {
  QTest::addColumn<QString>("field");
  QTest::addColumn<QString>("value");
  QTest::addColumn<QString>("message");
  QTest::newRow("no name") << "name"
                           << "" << FormatMessage(kEditorNameMissing, {"defined type"}).c_str();
  QTest::newRow("cardinality")
      << "cardinality"
      << "-1" << FormatMessage(kEditorInvalidCount, {"cardinality minimum", "-1"}).c_str();
  QTest::newRow("allowed variable")
      << "allowed"
      << "a ?x" << FormatMessage(kEditorInvalidAllowedValue, {"?x"}).c_str();
  QTest::newRow("unbalanced allowed")
      << "allowed"
      << "a (b" << FormatMessage(kEditorUnbalanced, {"allowed values", "a (b"}).c_str();
  QTest::newRow("term without shape") << "term"
                                      << "" << FormatMessage(kEditorIncompleteTerm, {1}).c_str();
  QTest::newRow("term closing early")
      << "term"
      << "(z 1 2))"
      << FormatMessage(kEditorUnbalanced, {"membership function", "(z 1 2))"}).c_str();
  QTest::newRow("fuzzy half range") << "fuzzy range"
                                    << "" << kEditorFuzzyRangeIncomplete;
  QTest::newRow("unknown ancestor")
      << "ancestor"
      << "gone" << FormatMessage(kEditorNameNotRead, {"ancestor type", "gone"}).c_str();
}

void TypesEditorTest::FieldsThatCannotBeWrittenAreRefusedWithTheirMessage() {
  QFETCH(QString, field);
  QFETCH(QString, value);
  QFETCH(QString, message);
  TInferenceEngine engine;
  TTypeFields fields = NewTypeFields();
  fields.Name = "t";
  std::string text = value.toStdString();
  if (field == "name") fields.Name = text;
  if (field == "cardinality") fields.CardinalityMin = text;
  if (field == "allowed") fields.AllowedValues = text;
  if (field == "ancestor") fields.Ancestor = text;
  if (field == "term" || field == "fuzzy range") {
    fields.Kinds = {dtFuzzy};
    fields.Terms = {{"a", text.empty() ? "" : text}};
    if (field == "fuzzy range") {
      fields.Terms = {{"a", "(z 1 2)"}};
      fields.RangeMin = "0";
    }
  }
  QCOMPARE(QString::fromStdString(Error([&] { (void)DefinedTypeText(fields, engine); })), message);
}

QTEST_MAIN(TypesEditorTest)
#include "types_editor_test.moc"
