// Package functions reach their engine through the evaluation context:
// from the root, from a rule's firing, from a deffunction, from a context
// a host makes under the root, and never from a context of no engine.
#include <algorithm>
#include <string>
#include <vector>

#include "core_test_util.h"
#include "engine/facts.h"
#include "functions/engine_services.h"
#include "functions/function_call.h"

namespace vettora::testing {
namespace {

// Whether a listed fact's text starts with `factStart`, "(noted rule" say.
bool Lists(const TInferenceEngine& engine, const std::string& factStart) {
  std::vector<std::string> texts = engine.Facts().Texts();
  return std::any_of(texts.begin(), texts.end(),
                     [&](const std::string& text) { return text.rfind(factStart, 0) == 0; });
}

class EngineServicesTest : public CoreTest {
 protected:
  EngineServicesTest() {
    Other.OnPrintOut = [this](TObject&, const std::string&, const std::string& text) {
      OtherOutput += text;
    };
  }

  // A second engine alive beside the first: a function that reached the
  // wrong engine would change this one.
  TInferenceEngine Other;
  std::string OtherOutput;
};

TEST_F(EngineServicesTest, EveryContextOfTheEngineHandsOutTheEngineItself) {
  TIEContext& root = *Engine.RootContext();
  EXPECT_EQ(root.Services(), static_cast<IEngineServices*>(&Engine));
  std::unique_ptr<TIEContext> child = root.CreateChild();
  std::unique_ptr<TIEContext> grandChild = child->TakeChild();
  EXPECT_EQ(child->Services(), root.Services());
  EXPECT_EQ(grandChild->Services(), root.Services());
  // A context a host makes under the root takes the root's services.
  TIEContext hosted(&Engine, &root);
  EXPECT_EQ(hosted.Services(), root.Services());
  EXPECT_EQ(TIEContext().Services(), nullptr);
  EXPECT_EQ(Other.RootContext()->Services(), static_cast<IEngineServices*>(&Other));
}

TEST_F(EngineServicesTest, RuleAndDeffunctionReachTheFiringEnginesFactsAndOutput) {
  ASSERT_EQ(Run("(deffunction note (?what) (assert (noted ?what)) (printout t \"noted \" ?what))"
                "(defrule on-start (start) => (note rule) (printout t \" fired\"))"),
            "");
  Eval("(assert (start))");
  EXPECT_EQ(Engine.Run(), 1);
  EXPECT_EQ(TakeOutput(), "noted rule fired");
  EXPECT_TRUE(Lists(Engine, "(noted rule"));
  EXPECT_EQ(Text("(note call)"), "");
  EXPECT_EQ(TakeOutput(), "noted call");
  EXPECT_TRUE(Lists(Engine, "(noted call"));
  EXPECT_EQ(Other.Facts().Count(), 1);  // only its initial fact
  EXPECT_EQ(OtherOutput, "");
}

TEST_F(EngineServicesTest, HostContextUnderTheRootAssertsIntoTheEngine) {
  IFunCall call = Reader().ParseFunCall("(assert (hosted))");
  TIEContext hosted(&Engine, Engine.RootContext());
  EXPECT_EQ(call->Evaluate(&hosted)->AsText(), "<Fact-1>");
  EXPECT_TRUE(Lists(Engine, "(hosted"));
}

TEST_F(EngineServicesTest, ContextOfNoEngineRefusesEngineFunctions) {
  TIEContext loose;
  for (const char* text : {"(assert (x))", "(halt)", "(printout t x)"}) {
    IFunCall call = Reader().ParseFunCall(text);
    std::string name = call->FunctionName();
    try {
      (void)call->Evaluate(&loose);
      ADD_FAILURE() << text << " ran without an engine";
    } catch (const EIEException& error) {
      EXPECT_EQ(std::string(error.what()), name + " can run only inside an engine");
    }
  }
  EXPECT_EQ(Engine.Facts().Count(), 1);
  EXPECT_EQ(Output, "");
}

}  // namespace
}  // namespace vettora::testing
