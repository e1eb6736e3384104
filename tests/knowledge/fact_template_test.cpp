// Fact templates and slots: implied templates, naming rules, kinds and
// defaults, sorted slot order and hashing, copying and printed forms.
#include "knowledge/fact_template.h"

#include <gtest/gtest.h>

#include "fake_fact_engine.h"
#include "knowledge/construct_name.h"
#include "knowledge/fact.h"
#include "values/value_vector.h"

namespace vettora {
namespace {

IIEValue EmptyList() { return MakeList(MakeRef<TValueVector>()); }

IIEValue ListOf(std::initializer_list<IIEValue> items) {
  IValueVector list = MakeRef<TValueVector>();
  for (const IIEValue& item : items) list->Add(item);
  return MakeList(list);
}

template <class F>
std::string ErrorOf(F&& f) {
  try {
    f();
  } catch (const std::exception& e) {
    return e.what();
  }
  return "<no error>";
}

TEST(FactTemplateTest, ImpliedOnlyWithDataAlone) {
  IFactTemplate t = MakeRef<TFactTemplate>("penalties");
  EXPECT_FALSE(t->IsImplied());
  t->AddMultiSlot("__Data", EmptyList());
  EXPECT_TRUE(t->IsImplied());
  t->AddSlot("extra", MakeAtom("x"));
  EXPECT_FALSE(t->IsImplied());
  t->RemoveSlot("extra");
  EXPECT_TRUE(t->IsImplied());
  t->GetSlot("__Data")->SetName("data");
  EXPECT_FALSE(t->IsImplied());
}

TEST(FactTemplateTest, SlotNamesAndDefaultsAreChecked) {
  IFactTemplate t = MakeRef<TFactTemplate>("t");
  EXPECT_EQ(ErrorOf([&] { t->AddMultiSlot("  ", EmptyList()); }), "Bad Slot Name: ");
  EXPECT_EQ(ErrorOf([&] { t->AddSlot("a", nullptr); }), "Bad Slot Type");
  EXPECT_EQ(ErrorOf([&] { t->AddMultiSlot("m", MakeAtom("x")); }),
            "Invalid default value for a multislot, must be a multifield: x");
  EXPECT_EQ(ErrorOf([&] { t->AddSlot("s", ListOf({MakeAtom("a")})); }),
            "Invalid default slot value: a ");
  EXPECT_EQ(ErrorOf([&] { t->AddSlot("a(b", MakeAtom("x")); }),
            "Invalid name \"a(b\": the character '(' is not allowed");
  t->AddSlot("s", MakeAtom("x"));
  t->AddMultiSlot("m", EmptyList());
  EXPECT_EQ(ErrorOf([&] { t->AddMultiSlot("s", EmptyList()); }),
            "Invalid value for existing slot, slot is not multislot");
  EXPECT_EQ(ErrorOf([&] { t->AddSlot("m", MakeAtom("y")); }),
            "Invalid value for existing slot, multislot is not slot");
  EXPECT_EQ(ErrorOf([&] { (void)t->GetSlot("q"); }), "No such slot name: \"q\"");
  EXPECT_EQ(ErrorOf([&] { t->RemoveSlot("q"); }), "No such slot name: \"q\"");
  // Re-adding replaces only the default; renaming onto another slot is refused.
  t->AddSlot("s", MakeAtom("z"));
  EXPECT_EQ(t->GetSlot("s")->SlotDefault()->AsText(), "z");
  EXPECT_EQ(ErrorOf([&] { t->GetSlot("s")->SetName("m"); }), "Slot name already exists: \"m\"");
  EXPECT_EQ(t->GetSlot("s")->Name(), "s");
  EXPECT_EQ(ErrorOf([&] { t->SetName("a;b"); }),
            "Invalid name \"a;b\": the character ';' is not allowed");
}

TEST(FactTemplateTest, FuzzyKindsMixOnlyWithListParts) {
  IFactTemplate t = MakeRef<TFactTemplate>("t");
  IFactSlot slot = t->AddSlot("temp", MakeAtom("x"));
  EXPECT_FALSE(t->IsFuzzy());
  slot->SetSlotType({dtFuzzy});
  EXPECT_TRUE(t->IsFuzzy());
  EXPECT_EQ(slot->SlotDefault(), NilValue());
  slot->SetSlotType({dtFuzzy, dtList, dtMultiSlot});
  EXPECT_EQ(slot->SlotType(), (TIETypes{dtFuzzy, dtList, dtMultiSlot}));
  EXPECT_EQ(ErrorOf([&] {
              slot->SetSlotType({dtFuzzy, dtInteger});
            }),
            "Cannot mix fuzzy type with other primitive types");
  EXPECT_EQ(slot->SlotType(), (TIETypes{dtFuzzy, dtList, dtMultiSlot}));
  slot->SetSlotType({dtAtom});
  EXPECT_FALSE(t->IsFuzzy());
}

TEST(FactTemplateTest, NarrowingKindsReplacesOnlyInadmissibleDefaults) {
  IFactTemplate t = MakeRef<TFactTemplate>("t");
  IFactSlot text = t->AddSlot("text", MakeString(""));
  text->SetSlotType({dtInteger});
  EXPECT_EQ(text->SlotDefault()->DType(), dtInteger);
  EXPECT_EQ(text->SlotDefault()->AsInteger(), 0);
  IFactSlot number = t->AddSlot("number", MakeInteger(5));
  const TIEValue* before = number->SlotDefault().Get();
  number->SetSlotType({dtInteger});
  EXPECT_EQ(number->SlotDefault().Get(), before);
  // The first kind in the default precedence wins; fuzzy slots get nil,
  // multislots an empty list, a fact slot the empty fact.
  EXPECT_EQ(number->MakeDefault(false)->AsText(), "0");
  number->SetSlotType({dtFactId, dtFloat});
  EXPECT_EQ(number->MakeDefault(false)->DType(), dtFloat);
  EXPECT_EQ(number->MakeDefault(true)->DType(), dtList);
  number->SetSlotType({dtFact});
  EXPECT_EQ(number->SlotDefault()->AsText(), "()");
  number->SetSlotType({dtMultiVariable});
  EXPECT_EQ(number->SlotDefault()->DType(), dtNone);
}

TEST(FactTemplateTest, AdmissionAndTypeErrors) {
  IFactTemplate t = MakeRef<TFactTemplate>("t");
  IFactSlot n = t->AddSlot("n", MakeInteger(0));
  n->SetSlotType({dtInteger});
  EXPECT_TRUE(n->Admits(nullptr));
  EXPECT_TRUE(n->Admits(NilValue()));
  EXPECT_FALSE(n->Admits(EmptyListValue()));
  EXPECT_FALSE(n->Admits(MakeAtom("foo")));
  EXPECT_EQ(n->TypeError(MakeInteger(3)), "");
  EXPECT_EQ(n->TypeError(MakeAtom("foo")),
            "Not a INTEGER type.  Value (foo) is a dtAtom type for n slot");
  // Variables and calls are checked once evaluated.
  EXPECT_EQ(n->TypeError(MakeRef<TIEValue>("x", dtVariable)), "");

  IFactSlot m = t->AddMultiSlot("m", EmptyList());
  m->SetSlotType({dtInteger, dtList, dtMultiSlot});
  EXPECT_TRUE(m->Admits(EmptyListValue()));
  EXPECT_TRUE(m->Admits(ListOf({MakeInteger(1), MakeInteger(2)})));
  EXPECT_FALSE(m->Admits(ListOf({MakeInteger(1), MakeString("s")})));
  EXPECT_EQ(m->TypeError(ListOf({MakeInteger(1), MakeString("s")})),
            "Not a INTEGER, LIST, MULTISLOT type.  Value (1 \"s\" ) is a dtString (\"s\") type "
            "for m slot");
}

TEST(FactTemplateTest, DynamicChecksGuardDefaultsAndValues) {
  TFakeFactEngine engine;
  IFactTemplate t = MakeRef<TFactTemplate>("t", &engine);
  IFactSlot n = t->AddSlot("n", MakeInteger(1));
  n->SetSlotType({dtInteger});
  n->SetSlotDefault(MakeAtom("static"));  // tcStatic only: stored as given
  n->CheckValue(MakeAtom("ok"));
  engine.Checks = {tcDynamic};
  EXPECT_EQ(ErrorOf([&] { n->SetSlotDefault(MakeAtom("bad")); }),
            "Invalid default slot value: bad");
  EXPECT_EQ(ErrorOf([&] { n->CheckValue(MakeAtom("bad")); }), "Value \"bad\" is not valid, n");
  EXPECT_EQ(ErrorOf([&] { t->AddSlot("other", MakeAtom("x"))->SetSlotType({dtFloat}); }),
            "<no error>");
}

TEST(FactTemplateTest, SlotsAreSortedCaseInsensitivelyAndHashedInThatOrder) {
  IFactTemplate a = MakeRef<TFactTemplate>("job");
  a->AddSlot("title", MakeAtom("x"));
  a->AddSlot("Salary", MakeInteger(0));
  a->AddSlot("age", MakeInteger(0));
  EXPECT_EQ(a->SlotNames(), (std::vector<std::string>{"age", "Salary", "title"}));
  EXPECT_EQ(a->SlotIndex("title"), 2);
  EXPECT_EQ(a->SlotAt(1)->Name(), "Salary");
  EXPECT_EQ(a->SlotIndex("none"), -1);

  IFactTemplate b = MakeRef<TFactTemplate>("job");
  b->AddSlot("age", MakeInteger(0));
  b->AddSlot("title", MakeAtom("x"));
  b->AddSlot("Salary", MakeInteger(0));
  EXPECT_EQ(a->HashCode(), b->HashCode());
  EXPECT_EQ(a->HashCode(), StringHash("jobage\r\nSalary\r\ntitle\r\n"));
  EXPECT_TRUE(a->Equals(*b));
  b->GetSlot("age")->SetName("years");
  EXPECT_NE(a->HashCode(), b->HashCode());
  EXPECT_EQ(b->SlotNames(), (std::vector<std::string>{"Salary", "title", "years"}));
  EXPECT_FALSE(a->Equals(*b));
  b->SetName("other");
  EXPECT_EQ(b->HashCode(), StringHash("otherSalary\r\ntitle\r\nyears\r\n"));
}

TEST(FactTemplateTest, CloneAndAssignCopyEverythingButTag) {
  TFakeFactEngine engine, elsewhere;
  IFactTemplate parent = MakeRef<TFactTemplate>("base", &elsewhere);
  IFactTemplate t = MakeRef<TFactTemplate>("job", &engine);
  t->SetComment("a job");
  t->SetTag(7);
  t->SetBackwardChaining(true);
  t->AddSlot("title", MakeString("Programmer"))->SetTag(3);
  t->AddMultiSlot("skills", ListOf({MakeAtom("c")}));
  IFactTemplate copy = t->Clone();
  EXPECT_TRUE(copy->Equals(*t));
  EXPECT_EQ(copy->Comment(), "a job");
  EXPECT_TRUE(copy->BackwardChaining());
  EXPECT_EQ(copy->Tag(), 0);
  EXPECT_EQ(copy->GetSlot("title")->Tag(), 3);
  EXPECT_NE(copy->GetSlot("title").Get(), t->GetSlot("title").Get());
  EXPECT_TRUE(engine.Log.empty());  // a clone is never re-keyed in the engine

  t->SetParent(parent);  // of another engine: not carried over
  IFactTemplate target = MakeRef<TFactTemplate>("old", &engine);
  target->AddSlot("gone", MakeAtom("x"));
  target->Assign(*t);
  EXPECT_EQ(target->Name(), "job");
  EXPECT_EQ(engine.Log, (std::vector<std::string>{"rename old job"}));
  EXPECT_FALSE(target->HasSlot("gone"));
  EXPECT_FALSE(target->Parent());
}

TEST(FactTemplateTest, DefaultsFillNewFactsAndDynamicOnesAreEvaluated) {
  struct TCounterContext : IEvalContext {
    int32_t Next = 0;
    IIEValue VariableValue(const std::string&) override { return MakeInteger(++Next); }
    IIEValue BindingValue(const TBindingInfoBase&) override { return nullptr; }
  } context;
  TFakeFactEngine engine;
  engine.Context = &context;
  IFactTemplate t = MakeRef<TFactTemplate>("t", &engine);
  IFactSlot id = t->AddSlot("id", MakeRef<TIEValue>("n", dtVariable));
  id->SetDefaultDynamic(true);
  IFactSlot list = t->AddMultiSlot("items", ListOf({MakeAtom("a")}));
  IFact first = t->CreateFact();
  IFact second = t->CreateFact();
  EXPECT_EQ(first->GetSlotValue("id")->AsInteger(), 1);
  EXPECT_EQ(second->GetSlotValue("id")->AsInteger(), 2);
  // Each fact owns its own copy of a list default.
  first->GetSlotValue("items")->AsList()->Add(MakeAtom("b"));
  EXPECT_EQ(list->SlotDefault()->AsText(), "a ");

  IFactTemplate other = MakeRef<TFactTemplate>("u");
  EXPECT_EQ(ErrorOf([&] { other->AssignDefaults(*first); }),
            "Unable to assign slot values, fact templates are different: t and u");
  TFact bare;
  EXPECT_EQ(ErrorOf([&] { t->AssignDefaults(bare); }), "Fact Template is missing");
}

TEST(FactTemplateTest, FreeStandingTextFollowsTheSlotTable) {
  IFactTemplate implied = MakeRef<TFactTemplate>("penalties");
  implied->SetComment("(Implied)");
  implied->AddMultiSlot("__Data", EmptyList());
  EXPECT_EQ(implied->Text(), "(deftemplate penalties \"(Implied)\")");

  IFactTemplate t = MakeRef<TFactTemplate>("job");
  IFactSlot title = t->AddSlot("title", MakeString("Programmer"));
  EXPECT_EQ(title->Text(), "(slot title (default \"Programmer\") )");
  IFactSlot n = t->AddSlot("n", MakeInteger(0));
  n->SetSlotType({dtInteger, dtFloat});
  EXPECT_EQ(n->Text(), "(slot n (type INTEGER FLOAT)\r\n        (default 0) )");
  IFactSlot m = t->AddMultiSlot("m", EmptyList());
  EXPECT_EQ(m->Text(), "(multislot m )");
  std::string text = t->Text();
  EXPECT_EQ(text.rfind("(deftemplate job\r\n", 0), 0u);
  EXPECT_NE(text.find("    (slot title (default \"Programmer\") )\r\n"), std::string::npos);

  TFakeFactEngine engine;
  t->SetEngine(&engine);
  EXPECT_EQ(t->Text(), "<template>");
  EXPECT_EQ(title->Text(), "<slot>");
}

}  // namespace
}  // namespace vettora
