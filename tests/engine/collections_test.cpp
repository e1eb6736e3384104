// The engine's collections: texts with parents before children, copies
// between engines, tree views, and the deferred queues on template removal.
#include <gtest/gtest.h>

#include <algorithm>

#include "engine/defined_types.h"
#include "engine/engine_variables.h"
#include "engine/fact_sets.h"
#include "engine/fact_templates.h"
#include "engine/messages.h"
#include "engine/rules.h"
#include "engine/user_functions.h"
#include "engine_test_util.h"

namespace vettora::testing {
namespace {

void Load(TInferenceEngine& engine, const std::string& text) { engine.Parser().ExecuteText(text); }

// Where `needle` starts in `text`, or npos.
size_t At(const std::string& text, const std::string& needle) { return text.find(needle); }

TEST(EngineCollections, TextsPutParentsBeforeChildren) {
  TInferenceEngine engine;
  // Many unrelated templates spread the chain over the table, so that the
  // table's own order cannot be relied on.
  for (int i = 0; i < 30; ++i) Load(engine, "(deftemplate t" + std::to_string(i) + " (slot a))");
  Load(engine, "(deftemplate base (slot a))");
  Load(engine, "(deftemplate kid extends base (slot b))");
  Load(engine, "(deftemplate grandkid extends kid (slot c))");
  // Re-parent so that the parent is filed after its child.
  Load(engine, "(deftemplate zz-late (slot z))");
  engine.FindTemplate("t3")->SetParent(engine.FindTemplate("zz-late"));
  std::string text = engine.FactTemplates().Text();
  EXPECT_LT(At(text, "(deftemplate base"), At(text, "(deftemplate kid"));
  EXPECT_LT(At(text, "(deftemplate kid"), At(text, "(deftemplate grandkid"));
  EXPECT_LT(At(text, "(deftemplate zz-late"), At(text, "(deftemplate t3 "));
  std::vector<std::string> texts = engine.FactTemplates().Texts();
  EXPECT_EQ(int32_t(texts.size()), engine.FactTemplates().Count());
  EXPECT_EQ(text.substr(text.size() - 2), "\r\n");

  // A cycle of parents cannot be written.
  engine.FindTemplate("base")->SetParent(engine.FindTemplate("grandkid"));
  EXPECT_EQ(ErrorOf([&] { (void)engine.FactTemplates().Text(); }), kFactTemplatesCorrupted);
  engine.FindTemplate("base")->SetParent(nullptr);

  for (int i = 0; i < 30; ++i)
    Load(engine, "(deftype d" + std::to_string(i) + " extends (type INTEGER))");
  Load(engine, "(deftype level extends (type INTEGER) (range 0 10))");
  Load(engine, "(deftype low-level extends (type level) (range 0 3))");
  std::string types = engine.DefinedTypes().Text();
  EXPECT_LT(At(types, "(deftype level "), At(types, "(deftype low-level "));
}

TEST(EngineCollections, TemplateSlotOrderSurvivesARoundTrip) {
  const std::string definition =
      "(deftemplate applicant (slot zeta) (slot alpha) (multislot mid) (slot Beta) (slot omega)"
      " (slot kappa) (slot delta))";
  TInferenceEngine first;
  Load(first, definition);
  std::string text = first.FactTemplates().Find("applicant")->Text();
  EXPECT_LT(At(text, "zeta"), At(text, "alpha"));
  EXPECT_LT(At(text, "omega"), At(text, "kappa"));
  TInferenceEngine second;
  Load(second, text);
  EXPECT_EQ(second.FactTemplates().Find("applicant")->Text(), text);
  // Facts keep their sorted order.
  EXPECT_EQ(second.FactTemplates().Find("applicant")->SlotNames().front(), "alpha");
}

TEST(EngineCollections, QueuedFactsOfARemovedTemplateAreDropped) {
  TInferenceEngine engine;
  Load(engine, "(deftemplate gone (slot a)) (deftemplate kept (slot a))");
  IFact doomed = engine.FindTemplate("gone")->CreateFact();
  IFact survivor = engine.FindTemplate("kept")->CreateFact();
  engine.QueueFact(doomed, true);
  engine.QueueFact(survivor, true);
  EXPECT_TRUE(engine.FactTemplates().Remove("gone"));
  engine.AssertString("(trigger)");  // drains the queues
  std::string facts = engine.Facts().Text();
  EXPECT_EQ(At(facts, "(gone"), std::string::npos);
  EXPECT_NE(At(facts, "(kept"), std::string::npos);

  // Replaced by a template of the same name, queued facts follow it.
  IFact queued = engine.FindTemplate("kept")->CreateFact();
  engine.QueueFact(queued, true);
  Load(engine, "(deftemplate kept (slot a) (slot b))");
  EXPECT_EQ(queued->Template(), engine.FindTemplate("kept"));
}

TEST(EngineCollections, RuleTextsAndRuleCopies) {
  TInferenceEngine source;
  Load(source, "(defrule zebra (a) => (assert (b)))");
  Load(source, "(defrule apple \"first\" (b) => (assert (c)))");
  std::string text = source.Rules().Text();
  EXPECT_LT(At(text, "(defrule apple"), At(text, "(defrule zebra"));

  TInferenceEngine target;
  target.Rules().Assign(source.Rules());
  ASSERT_EQ(target.Rules().Count(), 2);
  TRule* copy = target.Rules().Find("apple");
  ASSERT_NE(copy, nullptr);
  EXPECT_NE(copy, source.Rules().Find("apple"));  // made again by text
  EXPECT_EQ(copy->Owner(), &target);
  EXPECT_EQ(target.Rules().Text(), text);
  target.AssertString("(b)");
  EXPECT_EQ(target.Agenda().Count(), 1);  // compiled into the target's network

  TTreeNode root;
  source.Rules().CopyToTree(root);
  auto apple = std::find_if(root.Children.begin(), root.Children.end(),
                            [](const TTreeNode& n) { return n.Text.rfind("apple", 0) == 0; });
  ASSERT_NE(apple, root.Children.end());
  EXPECT_EQ(apple->Text, "apple  \"first\"");
  ASSERT_FALSE(apple->Children.empty());
  EXPECT_EQ(apple->Children.back().Text, ")");
}

TEST(EngineCollections, TemplateCopiesAndTreeView) {
  TInferenceEngine source;
  Load(source, "(deftemplate base \"root\" (slot a (type INTEGER) (default 4)) (multislot m))");
  Load(source, "(deftemplate kid extends base (slot b))");
  TInferenceEngine target;
  Load(target, "(deftemplate stray (slot x))");
  Load(target, "(deftemplate base (slot other))");
  target.FactTemplates().Assign(source.FactTemplates());
  EXPECT_FALSE(target.FindTemplate("stray"));
  ASSERT_TRUE(target.FindTemplate("base"));
  EXPECT_TRUE(target.FindTemplate("base")->Equals(*source.FindTemplate("base")));
  EXPECT_EQ(target.FindTemplate("kid")->Parent(), target.FindTemplate("base"));
  EXPECT_EQ(target.FindTemplate("kid")->Engine(), static_cast<IFactEngine*>(&target));

  TTreeNode root;
  source.FactTemplates().CopyToTree(root);
  auto base = std::find_if(root.Children.begin(), root.Children.end(),
                           [](const TTreeNode& n) { return n.Text == "base"; });
  ASSERT_NE(base, root.Children.end());
  ASSERT_EQ(base->Children.size(), 3u);
  EXPECT_EQ(base->Children[0].Text, "root");
  EXPECT_EQ(base->Children[1].Text, "a");
  ASSERT_EQ(base->Children[1].Children.size(), 2u);
  EXPECT_EQ(base->Children[1].Children[1].Text, "Default: 4");
  EXPECT_EQ(base->Children[2].Children[0].Text.rfind("Type: (Multislot) ", 0), 0u);
}

TEST(EngineCollections, GlobalsTextRedefinesThem) {
  TInferenceEngine source;
  Load(source, "(defglobal ?*rate* = 3 ?*name* = \"x\")");
  std::string text = source.GlobalVariables().Text();
  EXPECT_NE(At(text, "(defglobal ?*rate* = 3)\r\n"), std::string::npos);
  TInferenceEngine target;
  Load(target, "(defglobal ?*old* = 1)");
  target.GlobalVariables().Assign(source.GlobalVariables());
  EXPECT_EQ(target.GlobalVariables().Count(), 2);
  EXPECT_FALSE(target.GlobalVariables().Fetch("*old*"));
  EXPECT_EQ(target.GlobalVariables().Fetch("*rate*")->AsText(), "3");
}

TEST(EngineCollections, DeffunctionsCopyInDefinitionOrder) {
  TInferenceEngine source;
  Load(source, "(deffunction zz-first (?x) (* ?x 2))");
  Load(source, "(deffunction aa-second (?x) (zz-first ?x))");
  std::vector<IUserFunction> order = source.UserFunctions().Deffunctions();
  ASSERT_EQ(order.size(), 2u);
  EXPECT_EQ(order[0]->FunctionName(), "zz-first");
  EXPECT_LT(At(source.UserFunctions().Text(), "zz-first"),
            At(source.UserFunctions().Text(), "aa-second"));
  TInferenceEngine target;
  target.UserFunctions().Assign(source.UserFunctions());
  EXPECT_EQ(target.UserFunctions().DeffunctionCount(), 2);
  EXPECT_NE(target.UserFunctions().Find("aa-second"), source.UserFunctions().Find("aa-second"));
  EXPECT_TRUE(target.UserFunctions().Find("+"));  // its own built-ins stay
}

}  // namespace
}  // namespace vettora::testing
