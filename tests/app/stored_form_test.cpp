// The stored form: components made and read in stored order, events bound
// by handler name, and damaged forms refused with a clear message.
#include "app/stored_form.h"

#include <gtest/gtest.h>

#include "engine/fact_set.h"
#include "engine/facts.h"
#include "engine/inference_engine.h"
#include "engine/rules.h"
#include "matching/context.h"
#include "values/exceptions.h"

namespace vettora {
namespace {

constexpr const char* kEngine = R"js("Engine1": {"Class": "TInferenceEngine",
  "FactTemplates.Templates": ["(deftemplate item (slot size (default 1)))"],
  "Rules.Rules": ["(defrule big (item (size ?s&:(> ?s 5))) => (assert (big ?s)))"],
  "FactsList": ["(Initial-Fact)"],
  "OnAssertion": "Asserted"})js";

std::string Form(const std::string& more) { return std::string("{") + kEngine + more + "}"; }

std::string LoadError(const std::string& json, const TFormHandlers& handlers = {}) {
  TStoredForm form;
  try {
    form.Load(json, handlers);
  } catch (const EIEException& error) {
    return error.what();
  }
  return "";
}

struct Recorder {
  std::vector<std::string> Assertions;
  std::vector<std::string> Fired;
  TFormHandlers Handlers() {
    TFormHandlers h;
    h.FactEvents["Asserted"] = [this](TObject&, const IFact& f) {
      Assertions.push_back(f->Text());
    };
    h.RuleFireEvents["Seen"] = [this](TObject&, TIEContext& c) {
      Fired.push_back(c.GetValue("s")->AsText());
    };
    return h;
  }
};

TEST(StoredForm, ReadsEngineThenAttachesRuleAndFactSetComponents) {
  Recorder recorder;
  TStoredForm form;
  form.Load(Form(R"js(,
    "Rule1": {"Class": "TRule", "RuleName": "seen", "Salience": 10, "Engine": "Engine1",
              "Text": "(defrule seen\r\n    (item (size ?s))\r\n    =>\r\n)", "OnFire": "Seen"},
    "FactSet1": {"Class": "TFactSet", "FactSetName": "stock", "Engine": "Engine1",
                 "Facts": ["(item (size 3))", "(item (size 8))"]})js"),
            recorder.Handlers());
  auto& engine = form.Get<TInferenceEngine>("Engine1");
  auto& rule = form.Get<TRule>("Rule1");
  EXPECT_EQ(engine.Rules().Count(), 2);
  EXPECT_EQ(engine.Rules().Find("seen"), &rule);
  EXPECT_EQ(rule.Salience(), 10);
  EXPECT_EQ(rule.PatternCount(), 1);
  // A fact set loaded with its form asserts its facts at once.
  EXPECT_EQ(recorder.Assertions,
            (std::vector<std::string>{"(Initial-Fact)", "(item (size 3))", "(item (size 8))"}));
  engine.Reset();
  engine.Run();
  // Salience 10 puts the component's firings first, newest fact first.
  EXPECT_EQ(recorder.Fired, (std::vector<std::string>{"8", "3"}));
  EXPECT_EQ(engine.Facts().Count(), 4);  // Initial-Fact, two items, (big 8)
}

TEST(StoredForm, RefusesDamagedForms) {
  Recorder recorder;
  EXPECT_EQ(LoadError("[1, 2]"), "Invalid stored form: not a JSON object");
  EXPECT_EQ(LoadError(Form(R"js(, "Button1": {"Class": "TButton"})js"), recorder.Handlers()),
            "Stored form: unknown component class TButton of Button1");
  EXPECT_EQ(LoadError(Form(""), {}), "Stored form: Engine1 names unknown handler Asserted");
  EXPECT_EQ(LoadError(Form(R"js(, "Rule1": {"Class": "TRule", "Engine": "Engine9"})js"),
                      recorder.Handlers()),
            "Stored form: Rule1 refers to unknown engine Engine9");
  EXPECT_EQ(
      LoadError(Form(R"js(, "Rule1": {"Class": "TRule", "Colour": "red"})js"), recorder.Handlers()),
      "Unknown stored property: Colour");
  TStoredForm empty;
  EXPECT_THROW((void)empty.Get<TRule>("Rule1"), EIEException);
}

TEST(StoredForm, ARuleTextThatDoesNotParseStopsLoading) {
  Recorder recorder;
  std::string error = LoadError(
      Form(
          R"js(, "Rule1": {"Class": "TRule", "Engine": "Engine1", "Text": "(defrule broken (item"})js"),
      recorder.Handlers());
  EXPECT_FALSE(error.empty());
}

}  // namespace
}  // namespace vettora
