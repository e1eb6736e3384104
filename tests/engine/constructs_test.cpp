// Constructs in the engine: the removal cascades, rule naming and
// ownership, duplicate policies, functions and packages.
#include <gtest/gtest.h>

#include "engine/defined_types.h"
#include "engine/fact_set.h"
#include "engine/fact_templates.h"
#include "engine/messages.h"
#include "engine/rules.h"
#include "engine/user_functions.h"
#include "engine_test_util.h"
#include "functions/user_package.h"
#include "matching/rete_network.h"

namespace vettora::testing {
namespace {

std::vector<std::unique_ptr<TIEPattern>> Patterns(std::unique_ptr<TIEPattern> p) {
  std::vector<std::unique_ptr<TIEPattern>> list;
  list.push_back(std::move(p));
  return list;
}

// A rule owned by the engine, as a parsed rule is.
TRule* OwnedRule(TInferenceEngine& engine, const std::string& name, const std::string& on) {
  auto* rule = new TRule(&engine);
  TRule::TUpdateGuard guard(*rule);
  rule->SetRuleName(name);
  rule->AddPattern(OrderedPattern(engine, on, "x"));
  guard.End();
  return rule;
}

TEST(EngineCascades, RemovingATemplateRemovesItsDependents) {
  std::vector<std::string> events;  // outlives the rules that report into it
  TInferenceEngine engine;
  UseOrderedFactReader(engine);
  TFactSet set;
  set.SetEngine(&engine);
  set.SetFacts({"(a 1)", "(b 1)", "(a 2)"});
  engine.Reset();  // f-1 (a 1), f-2 (b 1), f-3 (a 2)
  auto placed = MakeRule(engine, "placed", 0, Patterns(OrderedPattern(engine, "a", "x")));
  OwnedRule(engine, "owned", "a");
  auto other = MakeRule(engine, "other", 0, Patterns(OrderedPattern(engine, "b", "x")));
  EXPECT_EQ(engine.Agenda().Count(), 5);

  engine.OnRemoveFactTemplate = [&](TObject&, const IFactTemplate& t) {
    events.push_back("template " + t->Name());
  };
  engine.OnRetraction = [&](TObject&, const IFact& f) {
    events.push_back("retract f-" + std::to_string(f->ID()));
  };
  engine.OnRemoveRule = [&](TObject&, TRule& r) { events.push_back("rule " + r.RuleName()); };
  IFactTemplate a = engine.FindTemplate("a");
  EXPECT_TRUE(engine.FactTemplates().Remove("a"));
  ASSERT_GE(events.size(), 3u);
  EXPECT_EQ(events[0], "template a");
  EXPECT_EQ(events[1], "retract f-3");  // from the end of the list
  EXPECT_EQ(events[2], "retract f-1");
  EXPECT_EQ(events.size(), 5u);  // and both rules on a
  EXPECT_EQ(FactIds(engine), "f-0 f-2");
  EXPECT_EQ(set.Facts().Count(), 1);
  EXPECT_EQ(set.Facts().Strings(0), "(b 1)");
  EXPECT_EQ(engine.FindRule("placed"), nullptr);
  EXPECT_EQ(engine.FindRule("owned"), nullptr);  // and freed (the sanitizer build checks)
  EXPECT_EQ(engine.FindRule("other"), other.get());
  EXPECT_EQ(engine.Agenda().Count(), 1);
  EXPECT_EQ(a->Engine(), nullptr);  // detached from the engine
  EXPECT_FALSE(engine.FactTemplates().Remove("a"));
}

TEST(EngineCascades, RemovingADefinedTypeRemovesTheTemplatesUsingIt) {
  TInferenceEngine engine;
  IIEDefinedType type = TIEDefinedType::Create(&engine);
  type->SetName("money");
  engine.DefinedTypes().Add(type);
  IFactTemplate offer = MakeRef<TFactTemplate>("offer", &engine);
  offer->AddSlot("salary", MakeInteger(0))->SetExtendedTypeInfo(type);
  engine.FactTemplates().Add(offer);
  IFactTemplate plain = MakeRef<TFactTemplate>("plain", &engine);
  plain->AddSlot("n", MakeInteger(0));
  engine.FactTemplates().Add(plain);
  engine.Assert(offer->CreateFact());

  std::vector<std::string> events;
  engine.OnRemoveDefinedType = [&](TObject&, const IIEDefinedType& t) {
    events.push_back("type " + t->Name());
  };
  engine.OnRemoveFactTemplate = [&](TObject&, const IFactTemplate& t) {
    events.push_back("template " + t->Name());
  };
  EXPECT_TRUE(engine.DefinedTypes().Remove("money"));
  EXPECT_EQ(events, (std::vector<std::string>{"type money", "template offer"}));
  EXPECT_EQ(engine.FindTemplate("offer"), nullptr);
  EXPECT_EQ(engine.FindTemplate("plain"), plain);
  EXPECT_EQ(FactIds(engine), "f-0");
}

TEST(EngineCascades, ReplacingATemplateUnderItsNameKeepsItsFacts) {
  TInferenceEngine engine;
  IFactTemplate v1 = MakeRef<TFactTemplate>("person", &engine);
  v1->AddSlot("name", MakeAtom("nobody"));
  engine.FactTemplates().Add(v1);
  IFact fact = v1->CreateFact();
  fact->SetSlotValue("name", MakeAtom("ann"));
  engine.Assert(fact);

  IFactTemplate v2 = MakeRef<TFactTemplate>("person", &engine);
  v2->AddSlot("name", MakeAtom("nobody"));
  v2->AddSlot("age", MakeInteger(0));
  engine.FactTemplates().Add(v2);  // dcOverwrite: a replacement
  EXPECT_EQ(engine.FindTemplate("person"), v2);
  ASSERT_EQ(FactIds(engine), "f-0 f-2");
  EXPECT_EQ(engine.Facts().Items(1)->Template(), v2);
  EXPECT_EQ(engine.Facts().Items(1)->Text(), "(person (age 0) (name ann))");

  engine.SetDuplicateConstructs(dcError);
  IFactTemplate v3 = MakeRef<TFactTemplate>("person", &engine);
  EXPECT_EQ(ErrorOf([&] { engine.FactTemplates().Add(v3); }),
            "Fact Template Name already exists: \"person\"");
  engine.SetDuplicateConstructs(dcIgnore);
  engine.FactTemplates().Add(v3);
  EXPECT_EQ(engine.FindTemplate("person"), v2);
}

TEST(EngineRules, NamesOwnershipAndDuplicatePolicies) {
  std::vector<std::string> removed;
  TInferenceEngine engine;
  auto r1 = MakeRule(engine, "r1", 0, Patterns(OrderedPattern(engine, "a", "x")));
  auto r2 = MakeRule(engine, "r2", 0, Patterns(OrderedPattern(engine, "a", "x")));
  EXPECT_EQ(engine.Rules().Count(), 2);

  EXPECT_EQ(ErrorOf([&] { engine.RenameRule("r1", "r2"); }),
            "Duplicate Rules defined with same name: \"r2\"");
  EXPECT_EQ(ErrorOf([&] { r1->SetRuleName("r2"); }),
            "Duplicate Rules defined with same name: \"r2\"");
  EXPECT_EQ(r1->RuleName(), "r1");
  engine.RenameRule("r1", "first");
  EXPECT_EQ(r1->RuleName(), "first");
  EXPECT_EQ(engine.FindRule("first"), r1.get());
  EXPECT_EQ(engine.FindRule("r1"), nullptr);
  engine.Assert(OrderedFact(engine, "a", {"1"}));
  EXPECT_EQ(engine.Agenda().Count(), 2);  // still compiled under the new name

  // dcIgnore keeps the filed rule; dcOverwrite removes it.
  engine.OnRemoveRule = [&](TObject&, TRule& r) { removed.push_back(r.RuleName()); };
  engine.SetDuplicateConstructs(dcIgnore);
  auto again = MakeRule(engine, "r2", 5, Patterns(OrderedPattern(engine, "a", "x")));
  EXPECT_EQ(engine.FindRule("r2"), r2.get());
  engine.SetDuplicateConstructs(dcOverwrite);
  auto third = std::make_unique<TRule>();
  third->SetRuleName("first");
  third->SetEngine(&engine);
  EXPECT_EQ(engine.FindRule("first"), third.get());
  EXPECT_EQ(removed, std::vector<std::string>{"first"});
  EXPECT_FALSE(engine.ReteNetwork().HasRule(*r1));

  // A rule placed next to the engine leaves it when destroyed...
  r2.reset();
  EXPECT_EQ(engine.FindRule("r2"), nullptr);
  EXPECT_EQ(engine.Agenda().Count(), 1);  // only third's, on the initial fact
}

TEST(EngineRules, RuleAndEngineMayGoInEitherOrder) {
  std::unique_ptr<TRule> rule;
  {
    TInferenceEngine engine;
    rule = MakeRule(engine, "r", 0, Patterns(OrderedPattern(engine, "a", "x")));
    OwnedRule(engine, "owned", "a");
    engine.Assert(OrderedFact(engine, "a", {"1"}));
  }
  EXPECT_EQ(rule->Engine(), nullptr);
}

TEST(EngineRules, ClearingFreesTheEnginesOwnRulesOnly) {
  TInferenceEngine engine;
  int children = engine.ComponentCount();
  std::vector<TRule*> owned;
  for (int i = 0; i < 20; ++i)
    owned.push_back(OwnedRule(engine, "owned" + std::to_string(i), i % 2 ? "a" : "b"));
  auto placed = MakeRule(engine, "placed", 0, Patterns(OrderedPattern(engine, "a", "x")));
  delete owned[7];  // one gone early, from the middle of the engine's children
  EXPECT_EQ(engine.Rules().Count(), 20);
  EXPECT_EQ(engine.ComponentCount(), children + 19);
  engine.Rules().Clear();
  EXPECT_EQ(engine.Rules().Count(), 0);
  EXPECT_EQ(engine.ComponentCount(), children);
  EXPECT_EQ(placed->RuleName(), "placed");  // still alive, not filed
  EXPECT_EQ(engine.FindRule("placed"), nullptr);
  // A rule made afresh under an old name is filed again.
  TRule* again = OwnedRule(engine, "owned3", "a");
  EXPECT_EQ(engine.FindRule("owned3"), again);
}

TEST(EngineRules, AChangedRuleIsCompiledAgain) {
  TInferenceEngine engine;
  auto rule = MakeRule(engine, "r", 0, Patterns(OrderedPattern(engine, "a", "x")));
  engine.Assert(OrderedFact(engine, "a", {"1"}));
  ASSERT_EQ(engine.Agenda().Count(), 1);
  std::vector<std::string> lines;
  CaptureOutput(engine, lines);
  engine.SetWatch({cwCompilation});
  rule->AddPattern(OrderedPattern(engine, "b", "y"));
  EXPECT_EQ(engine.Agenda().Count(), 0);
  EXPECT_TRUE(lines.empty());  // a recompilation is no new rule
  engine.Assert(OrderedFact(engine, "b", {"2"}));
  EXPECT_EQ(engine.Agenda().Count(), 1);

  auto late = MakeRule(engine, "late", 0, Patterns(OrderedPattern(engine, "b", "y")));
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].rfind("late: ", 0), 0u);
  EXPECT_EQ(lines[0].substr(lines[0].size() - 2), "\r\n");
}

TEST(EngineFunctions, FunctionsAndDuplicatePolicies) {
  TInferenceEngine engine;
  std::vector<std::string> events;
  engine.OnAddUserFunction = [&](TObject&, const IUserFunction& f) {
    events.push_back("add " + f->FunctionName());
  };
  engine.OnRemoveUserFunction = [&](TObject&, const IUserFunction& f) {
    events.push_back("remove " + f->FunctionName());
  };
  auto body = [](TFunctionCall&, TIEContext&) { return TrueValue(); };
  IUserFunction f1 = MakeRef<TBodyFunction>("f", body);
  IUserFunction f2 = MakeRef<TBodyFunction>("f", body);
  engine.AddUserFunction(f1);
  EXPECT_EQ(f1->IndexOfReasoner(&engine), 0);
  engine.AddUserFunction(f2);  // dcOverwrite
  IUserFunction found;
  EXPECT_TRUE(engine.FindFunction("f", found));
  EXPECT_EQ(found, f2);
  EXPECT_EQ(f1->ReasonerCount(), 0);
  EXPECT_EQ(events, (std::vector<std::string>{"add f", "remove f", "add f"}));
  engine.SetDuplicateConstructs(dcError);
  EXPECT_EQ(ErrorOf([&] { engine.AddUserFunction(f1); }), "Function Name already exists: \"f\"");
  EXPECT_EQ(ErrorOf([&] { engine.UserFunctions().Add("g", f1); }),
            "Function names do not match: g and f");
  engine.Clear();  // not a deffunction: it stays
  EXPECT_TRUE(engine.FindFunction("f", found));
}

TEST(EnginePackages, PackagesAreMadeByTheFactoryInTheirOrder) {
  TInferenceEngine engine;
  std::vector<std::string> made;
  engine.SetPackageFactory([&](TFunctionPackage p, TInferenceEngine& owner) {
    made.push_back(std::to_string(int(p)));
    auto* package = NewPackage<TUserPackage>(&owner);
    package->Functions().Add(MakeRef<TBodyFunction>(
        "fn" + std::to_string(int(p)), [](TFunctionCall&, TIEContext&) { return TrueValue(); }));
    return package;
  });
  int added = 0;
  engine.OnAddDefaultPackages = [&](TObject&) { ++added; };
  engine.SetPackages({pMath, pStandard, pMiscellaneous});
  EXPECT_EQ(made, (std::vector<std::string>{"0", "3", "2"}));  // standard, misc, math
  EXPECT_EQ(added, 1);
  IUserFunction found;
  EXPECT_TRUE(engine.FindFunction("fn2", found));

  engine.SetPackages({pStandard});
  EXPECT_TRUE(engine.FindFunction("fn0", found));
  EXPECT_FALSE(engine.FindFunction("fn2", found));
  EXPECT_FALSE(engine.FindFunction("fn3", found));
  int packages = 0;
  for (int32_t i = 0; i < engine.ComponentCount(); ++i)
    packages += dynamic_cast<TUserPackage*>(engine.Components(i)) != nullptr;
  EXPECT_EQ(packages, 1);
}

}  // namespace
}  // namespace vettora::testing
