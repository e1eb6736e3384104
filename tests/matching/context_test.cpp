#include "matching/context.h"

#include <gtest/gtest.h>

#include "knowledge/defined_type.h"
#include "matching/token.h"
#include "matching_helpers.h"

namespace vettora {
namespace {

using namespace vettora::testing;

TEST(ContextLookup, BindingsAreFoundOutwardsAndGlobalsInTheRoot) {
  TIEContext root;
  root.SetGlobal("g", MakeInteger(1));
  auto rule = root.CreateChild();
  rule->AddBinding("x", MakeInteger(2));
  auto inner = rule->CreateChild();

  EXPECT_EQ(inner->Root(), &root);
  EXPECT_EQ(inner->GetValue("g")->AsInteger(), 1);
  EXPECT_EQ(inner->GetValue("x")->AsInteger(), 2);
  EXPECT_EQ(inner->FindGlobal("x"), nullptr);  // only the root counts
  EXPECT_NE(inner->FindGlobal("g"), nullptr);
  EXPECT_EQ(ErrorOf([&] { (void)inner->GetValue("nope"); }), "Unknown variable name: nope");
  // Evaluating a variable goes through the same lookup.
  EXPECT_EQ(MakeRef<TIEValue>("x", dtVariable)->Evaluate(inner.get())->AsInteger(), 2);
  EXPECT_FALSE(inner->VariableValue("nope"));
}

TEST(ContextLookup, SetVariableUpdatesTheInnermostExistingBinding) {
  TIEContext root;
  root.SetGlobal("g", MakeInteger(1));
  auto rule = root.CreateChild();
  rule->SetVariable("g", MakeInteger(5));
  EXPECT_EQ(rule->Bindings().Count(), 0);  // no local copy was made
  EXPECT_EQ(root.GetValue("g")->AsInteger(), 5);
  rule->SetVariable("fresh", MakeInteger(6));
  EXPECT_EQ(rule->Bindings().Count(), 1);
  EXPECT_EQ(root.FindBinding("fresh"), nullptr);
}

TEST(ContextLookup, SetLocalOfAnOuterNameChangesTheOuterBinding) {
  TIEContext root;
  auto rule = root.CreateChild();
  rule->AddBinding("x", MakeInteger(1));
  auto loop = rule->CreateChild();
  loop->SetLocal("x", MakeInteger(2));
  EXPECT_EQ(loop->Bindings().Count(), 0);
  EXPECT_EQ(rule->GetValue("x")->AsInteger(), 2);
  // A name this context holds itself is updated here.
  loop->AddBinding("x", MakeInteger(3));
  loop->SetLocal("x", MakeInteger(4));
  EXPECT_EQ(loop->GetValue("x")->AsInteger(), 4);
  EXPECT_EQ(rule->GetValue("x")->AsInteger(), 2);
  // A name nobody holds becomes local.
  loop->SetLocal("y", MakeInteger(7));
  EXPECT_NE(loop->Bindings().Find("y"), nullptr);
}

TEST(ContextLookup, AnInnerBindingHidesTheOuterOneWithoutHarmingIt) {
  TIEContext root;
  root.AddBinding("v", MakeInteger(1));
  {
    auto child = root.CreateChild();
    TBinding* outer = root.FindBinding("v");
    child->Bind("v", 0, "slot", -1);
    EXPECT_NE(child->FindBinding("v"), outer);
    EXPECT_EQ(root.FindBinding("v"), outer);
    child->AddBinding("v", MakeInteger(2));
    EXPECT_EQ(child->GetValue("v")->AsInteger(), 2);
  }
  EXPECT_EQ(root.GetValue("v")->AsInteger(), 1);
  root.SetGlobal("v", MakeInteger(3));
  EXPECT_EQ(root.Bindings().Count(), 1);
  EXPECT_EQ(root.GetValue("v")->AsInteger(), 3);
}

TEST(ContextLookup, ManyBindingsStayFindableAndReplaceable) {
  TIEContext context;
  for (int i = 0; i < 200; ++i) context.AddBinding("v" + std::to_string(i), MakeInteger(i));
  for (int i = 0; i < 200; i += 7) context.AddBinding("v" + std::to_string(i), MakeInteger(-i));
  EXPECT_EQ(context.Bindings().Count(), 200);
  for (int i = 0; i < 200; ++i)
    EXPECT_EQ(context.GetValue("v" + std::to_string(i))->AsInteger(), i % 7 == 0 ? -i : i);
  EXPECT_TRUE(context.Bindings().Remove("v10"));
  EXPECT_FALSE(context.Bindings().Remove("v10"));
  EXPECT_EQ(context.FindBinding("v10"), nullptr);
  EXPECT_EQ(context.GetValue("v199")->AsInteger(), 199);
  // Kept in the order first added.
  EXPECT_EQ(context.Bindings().Items(0)->Name(), "v0");
  EXPECT_EQ(context.Bindings().Items(10)->Name(), "v11");
}

TEST(ContextReturn, ReturnStateMovesOutwardsAndClearsWithTheBindings) {
  TIEContext root;
  auto child = root.CreateChild();
  child->SetReturnValue(MakeInteger(9));
  EXPECT_TRUE(child->ReturnFlag());
  EXPECT_EQ(child->ReturnToParent(), &root);
  EXPECT_TRUE(root.ReturnFlag());
  EXPECT_EQ(root.ReturnValue()->AsInteger(), 9);
  EXPECT_EQ(root.ReturnToParent(), &root);

  root.AddBinding("x", MakeInteger(1));
  root.ClearBindings();
  EXPECT_FALSE(root.ReturnFlag());
  EXPECT_FALSE(root.ReturnValue());
  EXPECT_EQ(root.Bindings().Count(), 0);
}

TEST(ContextBindings, TextsAndEquality) {
  TBinding local("x", MakeInteger(5));
  EXPECT_EQ(local.BindingText(), "name=x value=5 FactIdx=-2 SlotIdx=__LOCAL");
  TBinding positioned("y", 1, "__Data", 0);
  EXPECT_EQ(positioned.BindingText(), "name=y FactIdx=1 SlotIdx=__Data SubIdx=0");
  TBindingInfo info(1, "__Data", 0);
  IIEValue held = MakeRef<TIEValue>();
  held->SetAsOwnedObject(new TBindingInfo(0, "age", -1));
  EXPECT_EQ(held->AsText(), "<TBindingInfo: FactIdx=0 SlotIdx=age>");
  EXPECT_EQ(held->Clone()->AsText(), "<TBindingInfo: FactIdx=0 SlotIdx=age>");

  EXPECT_TRUE(info.Equals(TBindingInfo(1, "__Data", 0)));
  EXPECT_FALSE(info.Equals(TBindingInfo(1, "__Data", 1)));
  EXPECT_FALSE(info.Equals(positioned));  // another class
  EXPECT_TRUE(local.Equals(TBinding("x", MakeInteger(5))));
  EXPECT_FALSE(local.Equals(TBinding("x", MakeInteger(6))));
  EXPECT_FALSE(local.Equals(TBinding("z", MakeInteger(5))));
}

TEST(ContextEvaluation, EvaluateListFlattensNestedLists) {
  TIEContext context;
  context.AddBinding("bc", ListOf({MakeAtom("b"), MakeAtom("c")}));
  IIEValue input = ListOf({MakeAtom("a"), MakeRef<TIEValue>("bc", dtVariable),
                           ListOf({MakeAtom("d"), ListOf({MakeAtom("e")})})});
  EXPECT_EQ(MakeList(context.EvaluateList(*input->AsList()))->AsText(), "a b c d e ");
}

TEST(ContextEvaluation, PatternBindingsReadTheTokenAndTheFactUnderTest) {
  IFactTemplate salary = ImpliedTemplate("base-salary");
  IFact first = Implied(salary, 3, {MakeAtom("Programmer"), MakeInteger(40000)});
  IFact second = Implied(salary, 8, {MakeAtom("Manager"), MakeInteger(60000)});
  TIEContext context;
  context.SetToken(MakeRef<TIEToken>(taAdd, first));
  context.SetFact(second);

  auto read = [&](int32_t factIndex, const char* slot, int32_t sub) {
    IIEValue binding = MakeRef<TIEValue>();
    binding->SetAsOwnedObject(new TBindingInfo(factIndex, slot, sub));
    return binding->Evaluate(&context);
  };
  EXPECT_EQ(read(0, "__Data", 0)->AsText(), "Programmer");
  EXPECT_EQ(read(0, "__Data", 1)->AsInteger(), 40000);
  // Position 1 is one past the token: the fact under test.
  EXPECT_EQ(read(1, "__Data", 0)->AsText(), "Manager");
  EXPECT_EQ(read(0, kPatternSlot, -1)->AsText(), "<Fact-3>");
  EXPECT_EQ(read(0, "__Data", -1)->AsText(), "Programmer 40000 ");
  EXPECT_EQ(ErrorOf([&] { (void)read(0, "__Data", 5); }),
            "Element 5 of slot __Data is out of range (the multifield has 2 elements)");
  context.SetToken(nullptr);
  context.SetFact(nullptr);
  EXPECT_EQ(ErrorOf([&] { (void)read(0, "__Data", 0); }),
            "No fact at position 0 for binding FactIdx=0 SlotIdx=__Data SubIdx=0");
}

TEST(ContextEvaluation, InstantiateFactReplacesExpressionsInPlace) {
  IFactTemplate person = MakeRef<TFactTemplate>("person");
  person->AddSlot("name", MakeAtom(""));
  person->AddMultiSlot("tags", EmptyListValue());
  TIEContext context;
  context.AddBinding("n", MakeAtom("ann"));
  context.AddBinding("more", ListOf({MakeAtom("y"), MakeAtom("z")}));
  IFact fact = person->CreateFact();
  fact->SetSlotValue("name", MakeRef<TIEValue>("n", dtVariable));
  fact->SetSlotValue("tags", ListOf({MakeAtom("x"), MakeRef<TIEValue>("more", dtVariable)}));

  const IFact& result = context.InstantiateFact(fact);
  EXPECT_EQ(result, fact);
  EXPECT_EQ(fact->GetSlotValue("name")->AsText(), "ann");
  EXPECT_EQ(fact->GetSlotValue("tags")->AsText(), "x y z ");

  // An unbound variable fails; the context is unchanged.
  fact->SetSlotValue("name", MakeRef<TIEValue>("missing", dtVariable));
  EXPECT_NE(ErrorOf([&] { context.InstantiateFact(fact); }), "(no error)");
  EXPECT_EQ(context.Bindings().Count(), 2);
}

TEST(ContextEvaluation, FuzzyTemplatesReadFuzzySlotsAsExpressionsAndWrapLists) {
  IIEDefinedType temperature = TIEDefinedType::Create();
  temperature->SetName("temperature");
  temperature->SetBaseTypes({dtFuzzy});
  temperature->FuzzyVariable()->AddAutoTerms();
  IFactTemplate reading = MakeRef<TFactTemplate>("reading");
  reading->AddSlot("t", MakeAtom(""));
  reading->GetSlot("t")->SetExtendedTypeInfo(temperature);
  reading->AddMultiSlot("notes", EmptyListValue());
  ASSERT_TRUE(reading->IsFuzzy());

  TIEContext context;
  context.AddBinding("n", MakeAtom("checked"));
  IFact fact = reading->CreateFact();
  fact->SetSlotValue("t", MakeAtom("high"));
  fact->SetSlotValue("notes", MakeRef<TIEValue>("n", dtVariable));
  context.InstantiateFact(fact);
  EXPECT_EQ(fact->GetSlotValue("t")->DType(), dtFuzzy);
  // A single value in a list slot of a fuzzy template becomes a list.
  EXPECT_EQ(fact->GetSlotValue("notes")->DType(), dtList);
  EXPECT_EQ(fact->GetSlotValue("notes")->AsText(), "checked ");
}

// A context is recycled between rule firings: nothing of one firing may
// show in the next, and the values it held must be let go of.
TEST(ContextRecycling, ARecycledContextKeepsNothingOfTheLastUse) {
  TIEContext root;
  auto context = root.CreateChild();
  IIEValue held = MakeInteger(7);
  context->Bind("x", 0, "__Data", 0)->SetValue(held);
  context->AddBinding("y", held);
  context->SetReturnValue(MakeInteger(1));
  context->SetFact(Implied(ImpliedTemplate("a"), 1, {MakeAtom("b")}));
  context->SetCallDepth(5);
  EXPECT_EQ(held->RefCount(), 3);

  context->Recycle();
  EXPECT_EQ(held->RefCount(), 1);
  EXPECT_EQ(context->Bindings().Count(), 0);
  EXPECT_EQ(context->FindBinding("x"), nullptr);
  EXPECT_FALSE(context->ReturnFlag());
  EXPECT_FALSE(context->Fact());
  EXPECT_EQ(context->CallDepth(), root.CallDepth());

  // Filled again under other names: each binding is positionless, holds
  // exactly its new value and is found under its new name only.
  TBinding* z = context->AddBinding("z", MakeInteger(3));
  TBinding* x = context->AddBinding("x", MakeInteger(4));
  EXPECT_EQ(context->Bindings().Count(), 2);
  EXPECT_EQ(z->Name(), "z");
  EXPECT_EQ(z->FactIndex(), kLocalFactIndex);
  EXPECT_TRUE(x->IsLocal());
  EXPECT_EQ(x->SubIndex(), -1);
  EXPECT_EQ(context->GetValue("x")->AsInteger(), 4);
  EXPECT_EQ(context->FindBinding("y"), nullptr);
}

TEST(ContextRecycling, AddingANameAgainReplacesItsPositionAndValue) {
  TIEContext context;
  context.Bind("x", 2, "age", 1)->SetValue(MakeInteger(1));
  TBinding* again = context.AddBinding("x", MakeInteger(2));
  EXPECT_EQ(context.Bindings().Count(), 1);
  EXPECT_EQ(context.FindBinding("x"), again);
  EXPECT_TRUE(again->IsLocal());
  EXPECT_EQ(again->FactIndex(), kLocalFactIndex);
  EXPECT_EQ(again->SubIndex(), -1);
  EXPECT_EQ(again->Value()->AsInteger(), 2);
  // Many names after a clear: the hashed index is rebuilt from reused
  // bindings and still finds every one.
  context.ClearBindings();
  for (int32_t i = 0; i < 40; ++i) context.AddBinding("v" + std::to_string(i), MakeInteger(i));
  for (int32_t i = 0; i < 40; ++i)
    EXPECT_EQ(context.GetValue("v" + std::to_string(i))->AsInteger(), i);
}

TEST(ContextEvaluation, InstantiateCopyLeavesThePatternAndSharesNoConstant) {
  IFactTemplate person = MakeRef<TFactTemplate>("person");
  person->AddSlot("name", MakeAtom(""));
  person->AddSlot("age", MakeInteger(0));
  person->AddMultiSlot("tags", EmptyListValue());
  TIEContext context;
  context.AddBinding("n", MakeAtom("ann"));
  IFact pattern = person->CreateFact();
  pattern->SetSlotValue("name", MakeRef<TIEValue>("n", dtVariable));
  pattern->SetSlotValue("age", MakeInteger(30));
  pattern->SetSlotValue("tags", ListOf({MakeAtom("x"), MakeRef<TIEValue>("n", dtVariable)}));

  IFact first = context.InstantiateCopy(*pattern);
  context.AddBinding("n", MakeAtom("bob"));
  IFact second = context.InstantiateCopy(*pattern);
  EXPECT_EQ(first->Text(), "(person (age 30) (name ann) (tags x ann ))");
  EXPECT_EQ(second->Text(), "(person (age 30) (name bob) (tags x bob ))");
  // The pattern still holds its expressions.
  EXPECT_EQ(pattern->GetSlotValue("name")->DType(), dtVariable);
  // Constants are copies: changing one fact's never shows in the other or
  // in the pattern.
  EXPECT_NE(first->GetSlotValue("age"), pattern->GetSlotValue("age"));
  EXPECT_NE(first->GetSlotValue("age"), second->GetSlotValue("age"));
  const IIEValue& tag = first->GetSlotValue("tags")->AsList()->Items(0);
  EXPECT_NE(tag, pattern->GetSlotValue("tags")->AsList()->Items(0));
  first->GetSlotValue("age")->SetAsInteger(31);
  EXPECT_EQ(second->GetSlotValue("age")->AsInteger(), 30);
  EXPECT_EQ(pattern->GetSlotValue("age")->AsInteger(), 30);
}

TEST(ContextEvaluation, SlotBindingsFollowTheTemplateWhenItsSlotsChange) {
  IFactTemplate person = MakeRef<TFactTemplate>("person");
  person->AddSlot("name", MakeAtom("nobody"));
  person->AddSlot("zip", MakeInteger(0));
  IFact fact = person->CreateFact();
  fact->SetSlotValue("zip", MakeInteger(12));
  TIEContext context;
  context.SetToken(MakeRef<TIEToken>(taAdd, fact));
  IIEValue zip = MakeRef<TIEValue>();
  zip->SetAsOwnedObject(new TBindingInfo(0, "zip", -1));
  IIEValue name = MakeRef<TIEValue>();
  name->SetAsOwnedObject(new TBindingInfo(0, "name", -1));
  EXPECT_EQ(zip->Evaluate(&context)->AsInteger(), 12);
  // A slot without a value reads its default.
  EXPECT_EQ(name->Evaluate(&context)->AsText(), "nobody");
  // A slot added in front moves the others: the binding finds its slot again.
  person->AddSlot("age", MakeInteger(3));
  EXPECT_EQ(zip->Evaluate(&context)->AsInteger(), 12);
  person->RemoveSlot("zip");
  EXPECT_EQ(ErrorOf([&] { (void)zip->Evaluate(&context); }), "No such slot name: \"zip\"");
}

}  // namespace
}  // namespace vettora
