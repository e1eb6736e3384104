// The object package from the rule language, over the headless runtime and
// over a host runtime of the test's own.
#include <gtest/gtest.h>

#include "engine/fact_sets.h"
#include "engine/host_runtime.h"
#include "packages/object/object_package.h"
#include "../standard/core_test_util.h"

namespace vettora::testing {
namespace {

using ObjectPackageTest = CoreTest;

TEST_F(ObjectPackageTest, TableOrderIsTheRegisteredOrder) {
  EXPECT_EQ(TableNames(TObjectPackage::Table()),
            (std::vector<std::string>{"create-component", "create-object", "execute-action",
                                      "free-object", "get-component", "get-components",
                                      "get-class", "get-property", "get-properties",
                                      "set-property", "is-class"}));
}

TEST_F(ObjectPackageTest, PropertiesConvertToTheValueOfTheirKind) {
  EXPECT_EQ(Eval("(get-property (get-component) Strategy)")->DType(), dtAtom);
  EXPECT_EQ(Eval("(get-property (get-component) ParserMaxErrors)")->DType(), dtInteger);
  EXPECT_EQ(Eval("(get-property (get-component) MinActivationStrength)")->DType(), dtFloat);
  EXPECT_EQ(Eval("(get-property (get-component) TypeChecks)")->DType(), dtString);
  EXPECT_EQ(Text("(set-property (get-component) ParserMaxErrors 3)"), "TRUE");
  EXPECT_EQ(Engine.ParserMaxErrors(), 3);
  EXPECT_EQ(Text("(set-property (get-component) FactDuplication TRUE)"), "TRUE");
  EXPECT_TRUE(Engine.FactDuplication());
  EXPECT_EQ(Text("(set-property (get-component) Nothing 3)"), "FALSE");
  EXPECT_TRUE(Contains(ErrorOf("(set-property (get-component) ParserMaxErrors abc)"), "Not a"));
}

TEST_F(ObjectPackageTest, AFreedComponentIsReportedNotTouched) {
  Eval("(bind ?c (create-component TFactSet (get-component)))");
  EXPECT_EQ(Text("(set-property ?c FactSetName spare)"), "TRUE");
  EXPECT_EQ(Engine.FactSets().Count(), 1);
  // A copy of the value names the same component.
  Eval("(bind ?copy ?c)");
  Eval("(free-object ?c)");
  EXPECT_EQ(Engine.FactSets().Count(), 0);
  EXPECT_EQ(ErrorOf("(get-property ?copy FactSetName)"), "Object has been freed: TFactSet");
  EXPECT_EQ(Text("?c"), "<Object: TFactSet>");
}

// A host's own runtime replaces the headless one.
class TOneButtonRuntime : public THostRuntime {
 public:
  TComponent Form;
  TComponent* Button = new TComponent(&Form);
  THostClass ButtonClass{"TButton"};
  std::string Caption = "OK";
  int Clicks = 0;

  TOneButtonRuntime() { Button->SetName("Button1"); }
  const THostClass* FindClass(const std::string& name) const override {
    return name == "TButton" ? &ButtonClass : nullptr;
  }
  const THostClass* ClassOf(const TObject& o) const override {
    return &o == Button ? &ButtonClass : nullptr;
  }
  TObject* CreateObject(const THostClass&) override { return nullptr; }
  TComponent* CreateComponent(const THostClass&, TComponent&, TComponent*) override {
    return nullptr;
  }
  void FreeObject(TObject& o) override { delete &o; }
  TComponent& Root() override { return Form; }
  std::vector<TComponent*> Components(TComponent&) override { return {Button}; }
  TComponent* FindComponent(TComponent& owner, const std::string& name) override {
    return owner.FindComponent(name);
  }
  std::vector<THostProperty> Properties(TObject&) override { return {{"Caption", hpkString, {}, false}}; }
  bool GetProperty(TObject&, const std::string& name, THostValue& value) override {
    value.Kind = hpkString;
    value.Text = Caption;
    return name == "Caption";
  }
  bool SetProperty(TObject&, const std::string& name, const THostValue& value) override {
    Caption = value.Text;
    return name == "Caption";
  }
  bool ExecuteAction(TObject&) override { return ++Clicks > 0; }
};

TEST_F(ObjectPackageTest, AHostRuntimeServesTheSameFunctions) {
  auto runtime = std::make_unique<TOneButtonRuntime>();
  TOneButtonRuntime& host = *runtime;
  Engine.SetHostRuntime(std::move(runtime));
  EXPECT_EQ(Text("(get-property (get-component Button1) Caption)"), "\"OK\"");
  EXPECT_EQ(Text("(set-property (get-component Button1) Caption Cancel)"), "TRUE");
  EXPECT_EQ(host.Caption, "Cancel");
  EXPECT_EQ(Text("(execute-action (get-component Button1))"), "TRUE");
  EXPECT_EQ(host.Clicks, 1);
  EXPECT_EQ(Text("(is-class (get-component Button1) (get-class TButton))"), "TRUE");
  Eval("(bind ?b (get-component Button1))");
  Eval("(free-object ?b)");
  EXPECT_EQ(ErrorOf("(get-property ?b Caption)"), "Object has been freed: TComponent");
}

}  // namespace
}  // namespace vettora::testing
