// The four dialog components: their missing-target errors, the working
// copy they hand to the editor, and what they write back on OK and
// Cancel. Each editor window is driven by a scripted step that edits its
// working copy and answers OK or Cancel.
#include <QtTest>
#include <memory>

#include "editors/defined_types_dialog.h"
#include "editors/editor_window.h"
#include "editors/fact_set_dialog.h"
#include "editors/fact_templates_dialog.h"
#include "editors/messages.h"
#include "editors/rules_dialog.h"
#include "engine/defined_types.h"
#include "engine/engine_parser.h"
#include "engine/fact_set.h"
#include "engine/fact_templates.h"
#include "engine/facts.h"
#include "engine/inference_engine.h"
#include "engine/rules.h"
#include "knowledge/defined_type.h"
#include "matching/rete_network.h"
#include "matching/rule.h"
#include "scripted_prompts.h"
#include "values/exceptions.h"

using namespace vettora;

namespace {

// The knowledge-base text without its "; Created:" line, whose clock time
// differs between two reads a second apart.
std::string KnowledgeText(TInferenceEngine& engine) {
  std::string text = engine.GetText();
  size_t start = text.find("; Created: ");
  if (start != std::string::npos) text.erase(start, text.find('\n', start) - start);
  return text;
}

constexpr const char* kProgram =
    "(deftype money extends (type INTEGER FLOAT))"
    "(deftemplate item (slot name) (slot price (type money)))"
    "(defrule cheap (item (name ?n) (price ?p&:(< ?p 10))) => (printout t ?n \" is cheap\" crlf))"
    "(defrule dear (item (name ?n) (price ?p&:(> ?p 100))) => (printout t ?n \" is dear\" crlf))";

std::unique_ptr<TInferenceEngine> MakeEngine() {
  auto engine = std::make_unique<TInferenceEngine>();
  engine->ExecuteText(kProgram);
  return engine;
}

QString ErrorOf(const std::function<void()>& run) {
  try {
    run();
  } catch (const EIEException& e) {
    return QString::fromUtf8(e.what());
  }
  return {};
}

TEditorWindow& Window(QDialog& dialog) { return dynamic_cast<TEditorWindow&>(dialog); }

}  // namespace

class EditorDialogsTest : public QObject {
  Q_OBJECT
 private slots:
  void MissingTargetsAreRefusedWithTheirMessages();
  void CancelLeavesRulesTemplatesAndTypesAsTheyWere();
  void OkWithMultiEditReplacesTheWholeRuleBase();
  void TypesAreWrittenBackOnlyWhenTheTypeEditorIsEnabled();
  void TheWorkingCopyChecksTypesAndKeepsTheTargetsPackages();
  void TemplateAndTypeDialogsWriteBackOnOkOnly();
  void AConfirmedFactSetHoldsExactlyTheEditedFactsInOrder();
  void NumbersComeBackWithEveryDigit();
  void ADestroyedTargetIsForgotten();
  void TheCaptionBecomesTheWindowTitle();
};

void EditorDialogsTest::MissingTargetsAreRefusedWithTheirMessages() {
  TRulesDialog rules;
  QCOMPARE(ErrorOf([&] { rules.Execute(); }), QString(kEditorUnknownEngine));
  auto engine = MakeEngine();
  rules.SetEngine(engine.get());
  rules.SetMultiEdit(false);
  QCOMPARE(ErrorOf([&] { rules.Execute(); }), QString(kEditorMissingRule));

  TFactTemplatesDialog templates;
  QCOMPARE(ErrorOf([&] { templates.Execute(); }), QString(kEditorUnknownEngine));
  TDefinedTypesDialog types;
  QCOMPARE(ErrorOf([&] { types.Execute(); }), QString(kEditorUnknownEngine));

  TFactSetDialog facts;
  QCOMPARE(ErrorOf([&] { facts.Execute(); }), QString(kEditorEmptyFactSet));
  TFactSet loose;  // a set that belongs to no engine
  facts.SetFactSet(&loose);
  QCOMPARE(ErrorOf([&] { facts.Execute(); }), QString(kEditorUnknownEngine));
}

void EditorDialogsTest::CancelLeavesRulesTemplatesAndTypesAsTheyWere() {
  auto engine = MakeEngine();
  const std::string before = KnowledgeText(*engine);
  auto prompts = std::make_shared<TScriptedPrompts>();
  bool sawCopy = false;
  prompts->Steps.push_back([&](QDialog& dialog) {
    TInferenceEngine& copy = Window(dialog).Engine();
    sawCopy = copy.FindRule("cheap") && copy.FindRule("dear") && copy.FindTemplate("item");
    copy.Rules().Remove("cheap");
    copy.ExecuteText("(deftemplate other (slot x)) (deftype level extends (type INTEGER))");
    return false;
  });
  TRulesDialog dialog;
  dialog.SetPrompts(prompts);
  dialog.SetEngine(engine.get());
  QVERIFY(!dialog.Execute());
  QVERIFY(sawCopy);
  QCOMPARE(KnowledgeText(*engine), before);
}

void EditorDialogsTest::OkWithMultiEditReplacesTheWholeRuleBase() {
  auto engine = MakeEngine();
  auto prompts = std::make_shared<TScriptedPrompts>();
  prompts->Steps.push_back([](QDialog& dialog) {
    TInferenceEngine& copy = Window(dialog).Engine();
    copy.Rules().Remove("dear");
    copy.ExecuteText("(defrule free (item (name ?n) (price 0)) => (printout t ?n \" is free\" crlf))");
    return true;
  });
  TRulesDialog dialog;
  dialog.SetPrompts(prompts);
  dialog.SetEngine(engine.get());
  QVERIFY(dialog.Execute());
  QVERIFY(engine->FindRule("cheap"));
  QVERIFY(engine->FindRule("free"));
  QVERIFY(!engine->FindRule("dear"));  // deleted in the editor: gone
  QCOMPARE(engine->Rules().Count(), 2);

  // The copied rules work in the target's own network.
  std::string out;
  engine->OnPrintOut = [&](TObject&, const std::string&, const std::string& text) { out += text; };
  engine->Reset();
  engine->AssertString("(item (name pen) (price 0))");
  engine->AssertString("(item (name car) (price 1000))");
  engine->Run();
  QVERIFY(out.find("pen is free") != std::string::npos);
  QVERIFY(out.find("pen is cheap") != std::string::npos);
  QVERIFY(out.find("car") == std::string::npos);
}

void EditorDialogsTest::TypesAreWrittenBackOnlyWhenTheTypeEditorIsEnabled() {
  for (bool enabled : {false, true}) {
    auto engine = MakeEngine();
    auto prompts = std::make_shared<TScriptedPrompts>();
    prompts->Steps.push_back([](QDialog& dialog) {
      Window(dialog).Engine().ExecuteText("(deftype level extends (type INTEGER))");
      return true;
    });
    TRulesDialog dialog;
    dialog.SetPrompts(prompts);
    dialog.SetEngine(engine.get());
    dialog.SetEnableTypeEditor(enabled);
    QVERIFY(dialog.Execute());
    QCOMPARE(bool(engine->FindDefinedType("level")), enabled);
    QVERIFY(engine->FindDefinedType("money"));
  }
}

void EditorDialogsTest::TheWorkingCopyChecksTypesAndKeepsTheTargetsPackages() {
  auto engine = MakeEngine();
  TFunctionPackages fewer = engine->Packages();
  fewer.Exclude(pFuzzyLogic);
  engine->SetPackages(fewer);
  auto prompts = std::make_shared<TScriptedPrompts>();
  prompts->Steps.push_back([&](QDialog& dialog) {
    TInferenceEngine& copy = Window(dialog).Engine();
    TTypeChecks both{tcStatic, tcDynamic};
    return copy.TypeChecks() == both && copy.Packages() == fewer &&
           copy.ReteNetwork().Enabled();
  });
  TRulesDialog dialog;
  dialog.SetPrompts(prompts);
  dialog.SetEngine(engine.get());
  QVERIFY(dialog.Execute());
}

void EditorDialogsTest::TemplateAndTypeDialogsWriteBackOnOkOnly() {
  for (bool ok : {false, true}) {
    auto engine = MakeEngine();
    auto prompts = std::make_shared<TScriptedPrompts>();
    prompts->Steps.push_back([ok](QDialog& dialog) {
      Window(dialog).Engine().ExecuteText("(deftype level extends (type INTEGER)) (deftemplate other (slot x))");
      return ok;
    });
    TFactTemplatesDialog templates;
    templates.SetPrompts(prompts);
    templates.SetEngine(engine.get());
    QCOMPARE(templates.Execute(), ok);
    QCOMPARE(bool(engine->FactTemplates().Find("other")), ok);
    QCOMPARE(bool(engine->FindDefinedType("level")), ok);

    auto engine2 = MakeEngine();
    prompts->Steps.push_back([ok](QDialog& dialog) {
      Window(dialog).Engine().ExecuteText("(deftype grade extends (type SYMBOL))");
      return ok;
    });
    TDefinedTypesDialog types;
    types.SetPrompts(prompts);
    types.SetEngine(engine2.get());
    QCOMPARE(types.Execute(), ok);
    QCOMPARE(bool(engine2->FindDefinedType("grade")), ok);
  }
}

void EditorDialogsTest::AConfirmedFactSetHoldsExactlyTheEditedFactsInOrder() {
  auto engine = MakeEngine();
  auto* set = new TFactSet(engine.get());
  set->SetFactSetName("stock");
  set->SetFacts({"(item (name pen) (price 2))", "(item (name car) (price 1000))"});
  auto prompts = std::make_shared<TScriptedPrompts>();
  std::vector<std::string> seen;
  prompts->Steps.push_back([&](QDialog& dialog) {
    TInferenceEngine& copy = Window(dialog).Engine();
    seen = copy.Facts().Texts();
    copy.Facts().Retract(0);
    copy.AssertString("(item (name cup) (price 5))");
    copy.AssertString("(item (name pen) (price 3))");
    return true;
  });
  TFactSetDialog dialog;
  dialog.SetPrompts(prompts);
  dialog.SetFactSet(set);
  QVERIFY(dialog.Execute());
  // The editor starts from exactly the set's facts, in the set's order.
  QCOMPARE(seen.size(), size_t(2));
  QCOMPARE(QString::fromStdString(seen[0]), QString("(item (name pen) (price 2))"));
  QCOMPARE(set->Facts().Count(), 3);
  QCOMPARE(QString::fromStdString(set->Facts().Strings(0)), QString("(item (name car) (price 1000))"));
  QCOMPARE(QString::fromStdString(set->Facts().Strings(1)), QString("(item (name cup) (price 5))"));
  QCOMPARE(QString::fromStdString(set->Facts().Strings(2)), QString("(item (name pen) (price 3))"));
  QVERIFY(set->Facts().Facts(2));  // parsed in the set's engine

  // Cancel keeps the set as it is.
  prompts->Steps.push_back([](QDialog& dialog) {
    Window(dialog).Engine().Facts().Clear();
    return false;
  });
  QVERIFY(!dialog.Execute());
  QCOMPARE(set->Facts().Count(), 3);
}

// The working copy and the write-back go through text; four decimals
// would quietly change 0.00125 into 0.0013.
void EditorDialogsTest::NumbersComeBackWithEveryDigit() {
  auto engine = MakeEngine();
  engine->ExecuteText("(deftype share extends (type FLOAT) (range 0.00125 0.5))");
  auto* set = new TFactSet(engine.get());
  set->SetFacts({"(item (name pin) (price 0.00125))"});
  auto prompts = std::make_shared<TScriptedPrompts>();
  std::string shown;
  prompts->Steps.push_back([&](QDialog& dialog) {
    shown = Window(dialog).Engine().Facts().Texts().at(0);
    return true;
  });
  prompts->Steps.push_back([](QDialog&) { return true; });
  TFactSetDialog facts;
  facts.SetPrompts(prompts);
  facts.SetFactSet(set);
  QVERIFY(facts.Execute());
  QVERIFY2(shown.find("0.00125") != std::string::npos, shown.c_str());
  QVERIFY(set->Facts().Strings(0).find("0.00125") != std::string::npos);
  TDefinedTypesDialog types;
  types.SetPrompts(prompts);
  types.SetEngine(engine.get());
  QVERIFY(types.Execute());
  QCOMPARE(engine->FindDefinedType("share")->MinRange(), 0.00125);
}

void EditorDialogsTest::ADestroyedTargetIsForgotten() {
  TRulesDialog rules;
  TFactSetDialog facts;
  auto engine = MakeEngine();
  auto* set = new TFactSet(engine.get());
  rules.SetEngine(engine.get());
  rules.SetRule(engine->FindRule("cheap"));
  facts.SetFactSet(set);
  engine.reset();
  QVERIFY(rules.Engine() == nullptr);
  QVERIFY(rules.Rule() == nullptr);
  QVERIFY(facts.FactSet() == nullptr);
}

void EditorDialogsTest::TheCaptionBecomesTheWindowTitle() {
  auto engine = MakeEngine();
  auto prompts = std::make_shared<TScriptedPrompts>();
  QString title;
  prompts->Steps.push_back([&](QDialog& dialog) {
    title = dialog.windowTitle();
    return false;
  });
  prompts->Steps.push_back([&](QDialog& dialog) {
    title = dialog.windowTitle();
    return false;
  });
  TDefinedTypesDialog dialog;
  dialog.SetPrompts(prompts);
  dialog.SetEngine(engine.get());
  (void)dialog.Execute();
  QCOMPARE(title, QString("Types Editor"));
  dialog.SetCaption("Edit the types...");
  (void)dialog.Execute();
  QCOMPARE(title, QString("Edit the types..."));
}

QTEST_MAIN(EditorDialogsTest)
#include "editor_dialogs_test.moc"
