// The headless host runtime over the engine's components, and freed-safe
// object references.
#include <gtest/gtest.h>

#include "engine/host_object_ref.h"
#include "engine/host_runtime.h"
#include "engine/inference_engine.h"
#include "values/exceptions.h"

namespace vettora::testing {
namespace {

TEST(HostObjectRef, ForgetsAComponentWhenItIsDestroyed) {
  auto* component = new TComponent();
  THostObjectRef ref(component);
  std::unique_ptr<TObject> copy = ref.Duplicate();
  EXPECT_EQ(&ref.Live(), component);
  delete component;
  EXPECT_EQ(ref.Target(), nullptr);
  EXPECT_EQ(static_cast<THostObjectRef&>(*copy).Target(), nullptr);
  EXPECT_EQ(ref.ClassName(), "TComponent");
  EXPECT_THROW((void)ref.Live(), EIEException);
}

TEST(HostObjectRef, MayOutliveOrPrecedeItsComponent) {
  auto* component = new TComponent();
  { THostObjectRef ref(component); }  // the watch unregisters itself
  delete component;                   // and is not told again
  SUCCEED();
}

class HeadlessRuntimeTest : public ::testing::Test {
 protected:
  TInferenceEngine Engine;
  THostRuntime& Runtime = Engine.HostRuntime();

  THostValue Get(TObject& object, const std::string& name) {
    THostValue value;
    EXPECT_TRUE(Runtime.GetProperty(object, name, value)) << name;
    return value;
  }
};

TEST_F(HeadlessRuntimeTest, EnginePropertiesHaveTheirKindsAndMembers) {
  std::vector<THostProperty> properties = Runtime.Properties(Engine);
  auto strategy = std::find_if(properties.begin(), properties.end(),
                               [](const THostProperty& p) { return p.Name == "Strategy"; });
  ASSERT_NE(strategy, properties.end());
  EXPECT_EQ(strategy->Kind, hpkEnumeration);
  EXPECT_EQ(strategy->Members, (std::vector<std::string>{"ssDepthFirst", "ssBreadthFirst"}));
  EXPECT_EQ(Get(Engine, "Strategy").Text, "ssDepthFirst");
  EXPECT_EQ(Get(Engine, "ParserMaxErrors").Integer, 10);
  EXPECT_TRUE(Get(Engine, "ResetGlobals").Boolean);
  THostValue value;
  EXPECT_FALSE(Runtime.GetProperty(Engine, "Colour", value));
}

TEST_F(HeadlessRuntimeTest, SetsAreWrittenAndReadAsSetText) {
  THostValue watch{.Kind = hpkSet, .Text = " [ cwRule ,cwFact] "};
  EXPECT_TRUE(Runtime.SetProperty(Engine, "Watch", watch));
  EXPECT_EQ(Engine.Watch(), TConstructWatches({cwFact, cwRule}));
  EXPECT_EQ(Get(Engine, "Watch").Text, "[cwFact,cwRule]");
  watch.Text = "[cwFact,cwEverything]";
  EXPECT_THROW(Runtime.SetProperty(Engine, "Watch", watch), EIEException);
  EXPECT_EQ(Engine.Watch(), TConstructWatches({cwFact, cwRule}));  // a refusal changes nothing
}

TEST_F(HeadlessRuntimeTest, EnumerationsAndReadOnlyPropertiesRefuseBadWrites) {
  THostValue strategy{.Kind = hpkEnumeration, .Text = "ssBreadthFirst"};
  EXPECT_TRUE(Runtime.SetProperty(Engine, "Strategy", strategy));
  EXPECT_EQ(Engine.Strategy(), ssBreadthFirst);
  strategy.Text = "ssbreadthfirst";  // member names are exact
  EXPECT_THROW(Runtime.SetProperty(Engine, "Strategy", strategy), EIEException);
  TComponent* package = Runtime.Components(Engine).front();
  EXPECT_EQ(Get(*package, "ClassName").Text, "TStandardPackage");
  THostValue name{.Kind = hpkString, .Text = "x"};
  EXPECT_THROW(Runtime.SetProperty(*package, "ClassName", name), EIEException);
}

TEST_F(HeadlessRuntimeTest, ClassesComponentsAndTheRoot) {
  EXPECT_EQ(&Runtime.Root(), &Engine);
  const THostClass* rule = Runtime.FindClass("TRule");
  const THostClass* component = Runtime.FindClass("TComponent");
  ASSERT_TRUE(rule && component);
  EXPECT_TRUE(rule->InheritsFrom(*component));
  EXPECT_FALSE(component->InheritsFrom(*rule));
  EXPECT_EQ(Runtime.ClassOf(Engine)->ClassName(), "TInferenceEngine");
  TComponent* made = Runtime.CreateComponent(*component, Engine, nullptr);
  made->SetName("made");
  EXPECT_EQ(Runtime.FindComponent(Engine, "made"), made);
  Runtime.FreeObject(*made);
  EXPECT_EQ(Runtime.FindComponent(Engine, "made"), nullptr);
  EXPECT_THROW(Runtime.FreeObject(Engine), EIEException);
  EXPECT_THROW((void)Runtime.CreateObject(*rule), EIEException);
}

TEST(HostRuntimeOwner, AnEngineOwnedByAHostHasTheHostAsRoot) {
  TComponent form;
  auto* engine = new TInferenceEngine(&form);
  EXPECT_EQ(&engine->HostRuntime().Root(), &form);
}

}  // namespace
}  // namespace vettora::testing
