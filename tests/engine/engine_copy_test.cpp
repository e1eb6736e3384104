// Copying an engine into another (Assign) and storing an engine as
// properties, with the store's JSON form.
#include <gtest/gtest.h>

#include <cstdio>

#include "engine/defined_types.h"
#include "engine/engine_variables.h"
#include "engine/fact_sets.h"
#include "engine/fact_templates.h"
#include "engine/messages.h"
#include "engine/rules.h"
#include "engine/user_functions.h"
#include "fuzzy/ifuzzy_set.h"
#include "knowledge/fact_slot.h"
#include "matching/agenda.h"
#include "matching/rule.h"
#include "engine_test_util.h"
#include "values/format.h"
#include "values/messages.h"
#include "values/property_store.h"

namespace vettora::testing {
namespace {

const char* const kKnowledge =
    "(deftype level extends (type INTEGER) (range 0 10))\n"
    "(deftemplate person (slot name) (slot skill (type level)))\n"
    "(deftemplate expert extends person (slot field))\n"
    "(deffunction twice (?x) (* ?x 2))\n"
    "(defglobal ?*limit* = 5)\n"
    "(deffacts staff (person (name ann) (skill 7)))\n"
    "(defrule promote (person (name ?n) (skill ?s&:(> ?s 5))) => (assert (senior ?n)))\n";

void Build(TInferenceEngine& engine) {
  engine.Parser().ExecuteText(kKnowledge);
  engine.Reset();
  engine.AssertString("(person (name bob) (skill 2))");
}

std::vector<std::string> Names(const TPropertyStore& store) {
  std::vector<std::string> names;
  for (const auto& property : store.Properties()) names.push_back(property.Name);
  return names;
}

TEST(EngineAssign, CopiesSettingsAndKnowledgeButNotPackages) {
  TInferenceEngine source;
  Build(source);
  source.SetStrategy(ssBreadthFirst);
  source.SetFuzzyInferenceMethod(fimMean);
  source.SetTypeChecks({tcStatic, tcDynamic});
  TInferenceEngine target;
  target.SetPackages({pStandard, pMath});
  target.Parser().ExecuteText("(deftemplate leftover (slot x))");

  target.Assign(source);
  EXPECT_TRUE(target.Packages() == (TFunctionPackages{pStandard, pMath}));
  EXPECT_EQ(target.Strategy(), ssBreadthFirst);
  EXPECT_EQ(target.FuzzyInferenceMethod(), fimMean);
  EXPECT_TRUE(target.TypeChecks() == (TTypeChecks{tcStatic, tcDynamic}));
  EXPECT_FALSE(target.FindTemplate("leftover"));
  EXPECT_EQ(target.DefinedTypes().Text(), source.DefinedTypes().Text());
  EXPECT_EQ(target.FactTemplates().Text(), source.FactTemplates().Text());
  EXPECT_EQ(target.FindTemplate("expert")->Parent(), target.FindTemplate("person"));
  EXPECT_EQ(target.UserFunctions().Text(), source.UserFunctions().Text());
  EXPECT_EQ(target.GlobalVariables().Text(), source.GlobalVariables().Text());
  EXPECT_EQ(target.FactSets().Text(), source.FactSets().Text());
  EXPECT_EQ(target.Facts().Text(), source.Facts().Text());
  EXPECT_EQ(target.Rules().Text(), source.Rules().Text());
  EXPECT_EQ(target.Agenda().Count(), source.Agenda().Count());
  // The copy lives on its own.
  EXPECT_EQ(target.Run(), 1);
  EXPECT_NE(target.Facts().Text().find("(senior ann"), std::string::npos);
  EXPECT_EQ(source.Facts().Text().find("(senior ann"), std::string::npos);
}

// A copy goes through rule-language text; numbers must come through with
// every digit, not with the four decimals listings print.
TEST(EngineAssign, NumbersKeepEveryDigitInTheCopy) {
  TInferenceEngine source;
  source.Parser().ExecuteText(
      "(deftype rate extends (type FLOAT) (range 0.00125 0.5))\n"
      "(deftemplate loan (slot rate (type rate) (default 0.00125)))\n"
      "(defglobal ?*fee* = 0.00125)\n"
      "(deffacts book (loan (rate 0.0625001)))\n"
      "(defrule cheap (loan (rate ?r&:(< ?r 0.00126))) => (printout t cheap crlf))\n");
  source.Reset();
  source.AssertString("(loan)");
  TInferenceEngine target;
  target.Assign(source);
  TReadBackText exact;
  EXPECT_EQ(target.DefinedTypes().Text(), source.DefinedTypes().Text());
  EXPECT_EQ(target.FactTemplates().Text(), source.FactTemplates().Text());
  EXPECT_EQ(target.GlobalVariables().Text(), source.GlobalVariables().Text());
  EXPECT_EQ(target.FactSets().Text(), source.FactSets().Text());
  EXPECT_EQ(target.Facts().Text(), source.Facts().Text());
  EXPECT_EQ(target.Rules().Text(), source.Rules().Text());
  EXPECT_NE(target.Rules().Text().find("0.00126"), std::string::npos);
  EXPECT_EQ(target.Agenda().Count(), 1);  // (loan) at 0.00125 is cheap
}

// Emptying the rules lets a rule of another component go without freeing
// it, and it no longer fires on what it matched.
TEST(EngineAssign, ClearedRulesOfOtherComponentsLeaveTheNetwork) {
  TInferenceEngine engine;
  engine.Parser().ExecuteText("(deftemplate job (slot title))");
  TComponent host;
  auto* rule = new TRule(&host);
  rule->SetRuleName("watch-jobs");
  rule->SetEngine(&engine);
  engine.Parser().ParseRulePatterns(*rule, "(job (title ?t))");
  engine.AssertString("(job (title a))");
  EXPECT_EQ(engine.Agenda().Count(), 1);
  engine.Rules().Clear();
  EXPECT_EQ(engine.Agenda().Count(), 0);
  engine.AssertString("(job (title b))");
  EXPECT_EQ(engine.Agenda().Count(), 0);
  EXPECT_EQ(rule->RuleName(), "watch-jobs");  // still the host's
}

TEST(EngineAssign, TypeChecksComeBackAfterAnError) {
  TInferenceEngine source;
  Build(source);
  source.SetTypeChecks({tcDynamic});
  // Rules are copied last, by text, through the parser events taken from
  // the source: a failing handler aborts the copy there.
  source.Parser().Events().OnParseRule = [](auto&, TRule&) { throw EIEException("refused"); };
  TInferenceEngine target;
  EXPECT_EQ(ErrorOf([&] { target.Assign(source); }), "refused");
  EXPECT_TRUE(target.TypeChecks() == TTypeChecks{tcDynamic});
  EXPECT_EQ(target.Facts().Text(), source.Facts().Text());  // copied before the rules
}

// A fuzzy default is a set of the source's type; the copy's default must
// be a term of the copy's own type, or the copy's facts would mix the two
// engines' variables.
TEST(EngineAssign, FuzzySlotDefaultsBecomeTermsOfTheCopysTypes) {
  TInferenceEngine source;
  source.Parser().ExecuteText(
      "(deftype temp extends (type FUZZY) (range 0 100) (values (term cold (z 10 40))))\n"
      "(deftemplate room (slot heat (type temp) (default cold)) (slot other (type temp)))\n");
  TInferenceEngine target;
  target.Assign(source);
  EXPECT_EQ(target.FactTemplates().Text(), source.FactTemplates().Text());
  IFactTemplate room = target.FindTemplate("room");
  const TIEDefinedType* temp = target.FindDefinedType("temp").Get();
  for (const char* slot : {"heat", "other"}) {
    const TIFuzzySet* set = FuzzySetOf(*room->FindSlot(slot)->SlotDefault());
    ASSERT_TRUE(set) << slot;
    EXPECT_EQ(set->Variable(), temp->FuzzyVariable().Get()) << slot;
  }
  EXPECT_EQ(FuzzySetOf(*room->FindSlot("heat")->SlotDefault())->Name(), "cold");
}

TEST(EngineProperties, WrittenInDeclarationOrderAndReadBack) {
  TInferenceEngine source;
  Build(source);
  source.SetDuplicateConstructs(dcIgnore);
  source.SetWatch({cwRule});
  TPropertyStore store;
  source.WriteProperties(store);
  const std::vector<std::string> expected = {"DuplicateConstructs",
                                             "DefinedTypes.Capacity",
                                             "DefinedTypes.LoadFactor",
                                             "DefinedTypes.DefTypes",
                                             "FactTemplates.Capacity",
                                             "FactTemplates.LoadFactor",
                                             "FactTemplates.Templates",
                                             "GlobalVariables.Capacity",
                                             "GlobalVariables.LoadFactor",
                                             "GlobalVariables.Variables",
                                             "Rules.Capacity",
                                             "Rules.LoadFactor",
                                             "Rules.Rules",
                                             "Watch",
                                             "FactsList",
                                             "FactSets"};
  EXPECT_EQ(Names(store), expected);
  EXPECT_EQ(store.ReadStrings("GlobalVariables.Variables"),
            std::vector<std::string>{"?*limit* = 5"});

  TPropertyStore json;
  json.FromJson(store.ToJson());
  EXPECT_EQ(Names(json), expected);
  TInferenceEngine copy;
  copy.ReadProperties(json);
  EXPECT_EQ(copy.DuplicateConstructs(), dcIgnore);
  EXPECT_TRUE(copy.Watch() == TConstructWatches{cwRule});
  EXPECT_EQ(copy.FactTemplates().Text(), source.FactTemplates().Text());
  EXPECT_EQ(copy.DefinedTypes().Text(), source.DefinedTypes().Text());
  EXPECT_EQ(copy.GlobalVariables().Text(), source.GlobalVariables().Text());
  EXPECT_EQ(copy.Rules().Text(), source.Rules().Text());
  EXPECT_EQ(copy.FactSets().Text(), source.FactSets().Text());
  EXPECT_EQ(copy.Facts().Text(), source.Facts().Text());
}

TEST(EngineProperties, EmptyCollectionsWriteNoListsAndBadStoresAreRefused) {
  TInferenceEngine engine;
  engine.Clear();
  TPropertyStore store;
  engine.WriteProperties(store);
  EXPECT_FALSE(store.Has("Rules.Rules"));
  EXPECT_FALSE(store.Has("DefinedTypes.DefTypes"));
  EXPECT_FALSE(store.Has("FactSets"));
  EXPECT_FALSE(store.Has("FactsList"));            // cleared: not even the initial fact
  EXPECT_FALSE(store.Has("DuplicateConstructs"));  // at its default

  TPropertyStore bad;
  bad.WriteString("NoSuchSetting", "x");
  EXPECT_EQ(ErrorOf([&] { engine.ReadProperties(bad); }), "Unknown stored property: NoSuchSetting");
  bad.Clear();
  bad.WriteString("Strategy", "ssSideways");
  EXPECT_EQ(ErrorOf([&] { engine.ReadProperties(bad); }),
            "Invalid value for stored property Strategy: ssSideways");
  bad.Clear();
  bad.WriteInteger("Rules.Capacity", 0);
  EXPECT_NE(ErrorOf([&] { engine.ReadProperties(bad); }), "(no error)");
  bad.Clear();
  bad.WriteStrings("Rules.Rules", {"(defrule broken"});
  EXPECT_NE(ErrorOf([&] { engine.ReadProperties(bad); }), "(no error)");
}

TEST(PropertyStore, KeepsOrderKindsAndRefusesBadJson) {
  TPropertyStore store;
  store.WriteString("b", "text");
  store.WriteInteger("a", 4000000000);
  store.WriteFloat("c", 0.25);
  store.WriteBool("d", true);
  store.WriteStrings("e", {"x\r\ny", ""});
  store.WriteInteger("b", 7);  // replaced in place
  TPropertyStore loaded;
  loaded.FromJson(store.ToJson());
  EXPECT_EQ(Names(loaded), (std::vector<std::string>{"b", "a", "c", "d", "e"}));
  EXPECT_EQ(loaded.ReadInteger("b"), 7);
  EXPECT_EQ(loaded.ReadFloat("a"), 4000000000.0);
  EXPECT_EQ(ErrorOf([&] { (void)loaded.ReadInteger("a"); }),
            "Stored property a is not of the kind expected (integer)");
  EXPECT_EQ(loaded.ReadFloat("c"), 0.25);
  EXPECT_TRUE(loaded.ReadBool("d"));
  EXPECT_EQ(loaded.ReadStrings("e")[0], "x\r\ny");
  EXPECT_EQ(ErrorOf([&] { (void)loaded.ReadBool("zz"); }), "Stored property not found: zz");

  for (const char* json : {"[1]", "{\"a\": {\"b\": 1}}", "{\"a\": [1]}", "{\"a\": null}", "{", ""})
    EXPECT_EQ(ErrorOf([&] { loaded.FromJson(json); }).rfind("Invalid stored properties", 0), 0u)
        << json;
  EXPECT_EQ(loaded.Count(), 5);  // unchanged by a failed load

  std::string file = ::testing::TempDir() + "vettora_store.json";
  store.SaveToFile(file);
  TPropertyStore fromFile;
  fromFile.LoadFromFile(file);
  EXPECT_EQ(fromFile.ToJson(), store.ToJson());
  std::remove(file.c_str());
}

}  // namespace
}  // namespace vettora::testing
