// Facts: slot access by name and position, dynamic checks and conversions,
// printed forms, identity, copying and the value-table enumeration.
#include "knowledge/fact.h"

#include <gtest/gtest.h>

#include "fake_fact_engine.h"
#include "knowledge/construct_name.h"
#include "knowledge/fact_template.h"
#include "values/value_vector.h"

namespace vettora {
namespace {

template <class F>
std::string ErrorOf(F&& f) {
  try {
    f();
  } catch (const std::exception& e) {
    return e.what();
  }
  return "<no error>";
}

IFactTemplate JobTemplate(IFactEngine* engine = nullptr) {
  IFactTemplate t = MakeRef<TFactTemplate>("job", engine);
  t->AddSlot("title", MakeAtom("none"));
  t->AddSlot("salary", MakeInteger(0));
  return t;
}

IFactTemplate Implied(const char* name) {
  IFactTemplate t = MakeRef<TFactTemplate>(name);
  t->AddMultiSlot("__Data", MakeList(MakeRef<TValueVector>()));
  return t;
}

TEST(FactTest, SlotAccessNeedsTemplateAndSlot) {
  TFact bare;
  EXPECT_EQ(ErrorOf([&] { (void)bare.GetSlotValue("x"); }), "Fact Template is missing");
  EXPECT_EQ(ErrorOf([&] { bare.SetSlotValue("x", MakeInteger(1)); }), "Fact Template is missing");
  EXPECT_EQ(bare.Text(), "()");

  IFact fact = MakeRef<TFact>(JobTemplate());  // no values yet
  IIEValue value;
  EXPECT_FALSE(fact->FindSlotValue("bonus", value));
  EXPECT_EQ(ErrorOf([&] { (void)fact->GetSlotValue("bonus"); }), "No such slot name: \"bonus\"");
  EXPECT_EQ(ErrorOf([&] { fact->SetSlotValue("bonus", MakeInteger(1)); }),
            "No such slot name: \"bonus\"");
  // A missing entry is filled from the default, as its own copy.
  IIEValue title = fact->GetSlotValue("title");
  EXPECT_EQ(title->AsText(), "none");
  EXPECT_NE(title.Get(), fact->Template()->GetSlot("title")->SlotDefault().Get());
  EXPECT_EQ(fact->GetSlotValue("title").Get(), title.Get());
  // By position, in sorted order: salary is 0, title is 1.
  fact->SetValueAt(0, MakeInteger(5));
  EXPECT_EQ(fact->GetSlotValue("salary")->AsInteger(), 5);
  EXPECT_EQ(fact->ValueAt(1).Get(), title.Get());
  EXPECT_THROW((void)fact->ValueAt(2), EListError);
}

TEST(FactTest, TextListsSlotsSortedAndSkipsEmptyValues) {
  IFact fact = JobTemplate()->CreateFact();
  fact->SetSlotValue("title", MakeAtom("Programmer"));
  fact->SetSlotValue("salary", MakeInteger(5));
  EXPECT_EQ(fact->Text(), "(job (salary 5) (title Programmer))");
  fact->SetSlotValue("title", MakeAtom(""));
  EXPECT_EQ(fact->Text(), "(job (salary 5))");

  IFact ordered = Implied("penalties")->CreateFact();
  EXPECT_EQ(ordered->Text(), "(penalties)");
  IValueVector data = MakeRef<TValueVector>();
  data->Add(MakeAtom("married"));
  ordered->SetSlotValue("__Data", MakeList(data));
  EXPECT_EQ(ordered->Text(), "(penalties married )");
}

TEST(FactTest, IdTextPadsToTheCounterWidth) {
  TFakeFactEngine engine;
  IFact fact = Implied("a")->CreateFact();
  fact->SetID(3);
  EXPECT_EQ(fact->IdText(), "f-3 (a)");  // no engine: plain
  IFactTemplate t = MakeRef<TFactTemplate>("a", &engine);
  t->AddMultiSlot("__Data", MakeList(MakeRef<TValueVector>()));
  fact = t->CreateFact();
  fact->SetID(3);
  engine.Counter = 12;
  EXPECT_EQ(fact->IdText(), "f-03 (a)");
  fact->SetID(5);
  engine.Counter = 100;
  EXPECT_EQ(fact->IdText(), "f-005 (a)");
  fact->SetID(1234);
  EXPECT_EQ(fact->IdText(), "f-1234 (a)");
}

TEST(FactTest, DynamicChecksConvertIntegersForFloatSlots) {
  TFakeFactEngine engine;
  IFactTemplate t = MakeRef<TFactTemplate>("m", &engine);
  t->AddSlot("price", MakeFloat(0))->SetSlotType({dtFloat});
  t->AddSlot("count", MakeInteger(0))->SetSlotType({dtInteger});
  IFact fact = t->CreateFact();
  fact->SetSlotValue("price", MakeInteger(3));  // tcStatic only: unchanged
  EXPECT_EQ(fact->GetSlotValue("price")->DType(), dtInteger);
  fact->SetSlotValue("count", MakeAtom("many"));
  engine.Checks = {tcStatic, tcDynamic};
  fact->SetSlotValue("price", MakeInteger(3));
  EXPECT_EQ(fact->GetSlotValue("price")->DType(), dtFloat);
  EXPECT_EQ(fact->GetSlotValue("price")->AsFloat(), 3.0);
  EXPECT_EQ(ErrorOf([&] { fact->SetSlotValue("count", MakeAtom("many")); }),
            "Not a INTEGER type.  Value (many) is a dtAtom type for count slot");
  EXPECT_EQ(ErrorOf([&] { fact->SetSlotValue("count", MakeFloat(1.5)); }),
            "Not a INTEGER type.  Value (1.5000) is a dtFloat type for count slot");
  // A call is checked once evaluated, not when stored.
  fact->SetSlotValue("count", MakeRef<TIEValue>("x", dtVariable));
  EXPECT_EQ(fact->GetSlotValue("count")->DType(), dtVariable);
}

TEST(FactTest, EqualityAndHashFollowSortedValues) {
  IFactTemplate t = JobTemplate();
  IFact a = t->CreateFact();
  IFact b = t->CreateFact();
  a->SetSlotValue("title", MakeAtom("Programmer"));
  b->SetSlotValue("title", MakeAtom("Programmer"));
  a->SetSlotValue("salary", MakeInteger(5));
  b->SetSlotValue("salary", MakeInteger(5));
  EXPECT_TRUE(a->Equals(*b));
  EXPECT_EQ(a->HashCode(), b->HashCode());
  EXPECT_EQ(a->HashCode(), t->HashCode() * 31u + StringHash("5Programmer"));
  b->SetSlotValue("salary", MakeFloat(5));
  EXPECT_FALSE(a->Equals(*b));
  // The very same template object is required.
  IFactTemplate twin = JobTemplate();
  IFact c = twin->CreateFact();
  c->AssignValues(*twin->CreateFact());
  EXPECT_FALSE(c->Equals(*t->CreateFact()));
  EXPECT_EQ(ErrorOf([&] { c->AssignValues(*a); }),
            "Unable to assign slot values, fact templates are different: job and job");
  // Fuzzy slots take no part in equality.
  t->AddSlot("level", MakeAtom("x"))->SetSlotType({dtFuzzy});
  b->SetSlotValue("salary", MakeInteger(5));
  a->SetSlotValue("level", MakeAtom("high"));
  EXPECT_TRUE(a->Equals(*b));
  EXPECT_EQ(a->NonFuzzyHashCode(), b->NonFuzzyHashCode());
}

TEST(FactTest, HashOfMultifieldsFollowsTheirPrintedForm) {
  // Multifields, nested ones too, hash as StringHash over their printed
  // text would, without building it.
  IFactTemplate t = Implied("n");
  IValueVector inner = MakeRef<TValueVector>();
  inner->Add(MakeString("a b"));
  inner->Add(MakeFloat(2.5));
  IValueVector items = MakeRef<TValueVector>();
  for (IIEValue v : {MakeInteger(-12), MakeAtom("x"), MakeList(inner), FalseValue()}) items->Add(v);
  IFact fact = t->CreateFact();
  fact->SetSlotValue("__Data", MakeList(items));
  EXPECT_EQ(fact->HashCode(), t->HashCode() * 31u + StringHash(MakeList(items)->AsText()));
}

TEST(FactTest, SharedCloneAndLayoutTableOrder) {
  IFactTemplate t = JobTemplate();
  t->AddSlot("age", MakeInteger(30));
  IFact fact = t->CreateFact();
  fact->SetSlotValue("title", MakeAtom("Boss"));
  fact->SetID(6);
  IFact copy = fact->CloneSharingValues();
  EXPECT_EQ(copy->GetSlotValue("title").Get(), fact->GetSlotValue("title").Get());
  EXPECT_EQ(copy->ID(), 6);
  copy->SetSlotValue("title", MakeAtom("Clerk"));
  EXPECT_EQ(fact->Text(), "(job (age 30) (salary 0) (title Boss))");
  // The layout lists the positions in the slot table's order.
  std::string order, byLayout;
  for (const auto& entry : t->Slots()) order += entry.Value->Name() + " ";
  for (int32_t at : t->Layout()->TableOrder()) byLayout += t->Layout()->Name(at) + " ";
  EXPECT_EQ(byLayout, order);
}

TEST(FactTest, ValuesFollowTemplateChanges) {
  IFactTemplate t = JobTemplate();
  IFact fact = t->CreateFact();
  fact->SetSlotValue("title", MakeAtom("Boss"));
  t->AddSlot("age", MakeInteger(30));  // sorts first: positions shift
  EXPECT_EQ(fact->GetSlotValue("title")->AsText(), "Boss");
  EXPECT_EQ(fact->ValueAt(0)->AsInteger(), 30);
  t->RemoveSlot("title");
  EXPECT_EQ(fact->Text(), "(job (age 30) (salary 0))");

  IFactTemplate other = MakeRef<TFactTemplate>("staff");
  other->AddSlot("salary", MakeInteger(1));
  other->AddSlot("name", MakeAtom("anon"));
  fact->SetSlotValue("salary", MakeInteger(9));
  fact->SetTemplate(other);
  EXPECT_EQ(fact->Text(), "(staff (name anon) (salary 9))");
  fact->SetTemplate(nullptr);
  EXPECT_EQ(fact->Text(), "()");
}

TEST(FactTest, CloneCopiesValuesIdAndTag) {
  IFactTemplate t = MakeRef<TFactTemplate>("bag");
  IValueVector items = MakeRef<TValueVector>();
  items->Add(MakeAtom("a"));
  t->AddMultiSlot("items", MakeList(items));
  IFact fact = t->CreateFact();
  fact->SetID(4);
  fact->SetTag(9);
  IFact copy = fact->Clone();
  EXPECT_EQ(copy->ID(), 4);
  EXPECT_EQ(copy->Tag(), 9);
  EXPECT_TRUE(copy->Equals(*fact));
  copy->GetSlotValue("items")->AsList()->Add(MakeAtom("b"));
  EXPECT_EQ(fact->Text(), "(bag (items a ))");
  IFactBase asBase = copy;
  EXPECT_EQ(MakeRef<TIEValue>(asBase)->AsText(), "(bag (items a b ))");
}

TEST(FactTest, ValueEnumerationWalksBucketsFromTheTop) {
  // "a" and "l" share bucket 9 of 11, "b" is in bucket 10: b first, then
  // the chain of bucket 9 newest first.
  IFactTemplate t = MakeRef<TFactTemplate>("t");
  t->AddSlot("l", MakeInteger(1));
  t->AddSlot("a", MakeInteger(2));
  t->AddSlot("b", MakeInteger(3));
  IFact fact = t->CreateFact();
  TFact::TValueEnumerator values = fact->Values();
  std::string order;
  while (values.HasMoreElements()) order += values.NextElement().first;
  EXPECT_EQ(order, "bla");
  EXPECT_EQ(ErrorOf([&] { values.NextElement(); }), "No such element");
}

}  // namespace
}  // namespace vettora
