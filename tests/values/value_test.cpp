#include "values/value.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <map>

#include "values/component.h"
#include "values/exceptions.h"
#include "values/singletons_vector.h"
#include "values/value_vector.h"

namespace vettora {
namespace {

IIEValue List(std::initializer_list<IIEValue> items) {
  IValueVector list = MakeRef<TValueVector>();
  for (const IIEValue& v : items) list->Add(v);
  return MakeList(list);
}

std::string ErrorOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const std::exception& e) {
    return e.what();
  }
  return "(no error)";
}

TEST(ValuePrintedForm, EachKindPrintsAsTheLanguageWritesIt) {
  // a"b\c: the backslash is doubled before the quote is escaped.
  EXPECT_EQ(MakeString("a\"b\\c")->AsText(), "\"a\\\"b\\\\c\"");
  EXPECT_EQ(MakeAtom("abc")->AsText(), "abc");
  EXPECT_EQ(MakeInteger(-12)->AsText(), "-12");
  EXPECT_EQ(MakeFloat(0.1)->AsText(), "0.1000");
  EXPECT_EQ(MakeFloat(1e10)->AsText(), "10000000000.0000");
  EXPECT_EQ(MakeRef<TIEValue>("x", dtVariable)->AsText(), "?x");
  EXPECT_EQ(MakeRef<TIEValue>("x", dtMultiVariable)->AsText(), "$?x");
  EXPECT_EQ(MakeRef<TIEValue>("slot", dtSlot)->AsText(), "slot");
  EXPECT_EQ(MakeRef<TIEValue>(7, dtFactId)->AsText(), "<Fact-7>");
  EXPECT_EQ(MakeRef<TIEValue>(7, dtDescriptor)->AsText(), "<UNKNOWN>");
  EXPECT_EQ(MakeRef<TIEValue>()->AsText(), "");
  IIEValue ext = MakeRef<TIEValue>();
  ext->SetAsExternalAddress(42);
  EXPECT_EQ(ext->AsText(), "<External-Address: 42>");
}

TEST(ValuePrintedForm, ListsPrintEachElementFollowedByABlank) {
  EXPECT_EQ(List({})->AsText(), "");
  EXPECT_EQ(List({MakeInteger(1), MakeInteger(2)})->AsText(), "1 2 ");
  EXPECT_EQ(EmptyListValue()->AsText(), "");
}

struct TPlainThing : TObject {
  explicit TPlainThing(int* deaths) : Deaths(deaths) {}
  ~TPlainThing() override { ++*Deaths; }
  [[nodiscard]] std::string ClassName() const override { return "TPlainThing"; }
  int* Deaths;
};

TEST(ValuePrintedForm, ObjectsPrintTheirClass) {
  int deaths = 0;
  TPlainThing thing(&deaths);
  IIEValue v = MakeRef<TIEValue>();
  v->SetAsObject(&thing);
  EXPECT_EQ(v->AsText(), "<Object: TPlainThing>");
  v->SetAsObject(nullptr);
  EXPECT_EQ(v->AsText(), "");
}

TEST(ValueReaders, ConvertAcrossKinds) {
  EXPECT_EQ(MakeAtom("7.9")->AsInteger(), 7);
  EXPECT_EQ(MakeString("-7.9")->AsInteger(), -7);
  EXPECT_EQ(MakeString("42")->AsInteger(), 42);
  EXPECT_EQ(MakeFloat(-2.99)->AsInteger(), -2);
  EXPECT_EQ(MakeFloat(2.5)->AsString(), "2.5000");
  EXPECT_EQ(MakeInteger(3)->AsString(), "3");
  EXPECT_DOUBLE_EQ(NilValue()->AsNumeric(), 0.0);
  EXPECT_DOUBLE_EQ(MakeAtom("1e3")->AsNumeric(), 1000.0);
  EXPECT_EQ(MakeFloat(3.7)->AsFactId(), 3);
  EXPECT_EQ(MakeString("a\"b")->AsString(), "a\"b");  // unquoted
}

TEST(ValueReaders, RefuseKindsTheyCannotServe) {
  IIEValue x = MakeAtom("x");
  EXPECT_EQ(ErrorOf([&] { (void)x->AsInteger(); }),
            "Not a integer type.  Value (x) is a dtAtom type");
  EXPECT_EQ(ErrorOf([&] { (void)x->AsNumeric(); }),
            "Not a numeric type.  Value (x) is a dtAtom type");
  EXPECT_EQ(ErrorOf([&] { (void)MakeInteger(1)->AsList(); }),
            "Not a list type.  Value (1) is a dtInteger type");
  EXPECT_EQ(ErrorOf([&] { (void)MakeInteger(1)->AsDescriptor(); }),
            "Not a descriptor type.  Value (1) is a dtInteger type");
  EXPECT_EQ(ErrorOf([&] { (void)List({})->AsString(); }),
            "Not a string type.  Value () is a dtList type");
  EXPECT_THROW((void)MakeString("")->AsNumeric(), EIEException);
  // A failed read leaves the value as it was.
  EXPECT_EQ(x->DType(), dtAtom);
  EXPECT_EQ(x->AsText(), "x");
}

TEST(ValueReaders, IntegersThatDoNotFitRaiseAConversionError) {
  EXPECT_THROW((void)MakeFloat(3e9)->AsInteger(), EConvertError);
  EXPECT_THROW((void)MakeFloat(-3e9)->AsInteger(), EConvertError);
  EXPECT_THROW((void)MakeString("3000000000")->AsInteger(), EConvertError);
  EXPECT_THROW((void)MakeFloat(std::nan(""))->AsInteger(), EConvertError);
  EXPECT_EQ(MakeString("2147483647")->AsInteger(), 2147483647);
  EXPECT_EQ(MakeString("-2147483648")->AsInteger(), -2147483647 - 1);
}

TEST(ValueConstruction, RefusesKindsThatDoNotFitTheContent) {
  EXPECT_EQ(ErrorOf([] { TIEValue v("x", dtInteger); }), "Value and type mismatch");
  EXPECT_EQ(ErrorOf([] { TIEValue v(3, dtAtom); }), "Value and type mismatch");
  EXPECT_EQ(ErrorOf([] { TIEValue v(3, dtExternalAddress); }), "Value and type mismatch");
  EXPECT_NO_THROW(TIEValue("x", dtMultiSlot));
  EXPECT_NO_THROW(TIEValue(3, dtDescriptor));
}

TEST(ValueEquality, EqComparesKindAndValue) {
  EXPECT_FALSE(MakeInteger(1)->Equals(MakeFloat(1.0)));
  EXPECT_TRUE(MakeInteger(1)->Equals(MakeInteger(1)));
  EXPECT_FALSE(MakeAtom("a")->Equals(MakeString("a")));
  EXPECT_FALSE(MakeAtom("a")->Equals(MakeAtom("A")));
  EXPECT_FALSE(MakeAtom("a")->Equals(IIEValue()));
  EXPECT_TRUE(MakeRef<TIEValue>()->Equals(MakeRef<TIEValue>()));
  EXPECT_TRUE(List({MakeInteger(1), MakeAtom("b")})->Equals(List({MakeInteger(1), MakeAtom("b")})));
  EXPECT_FALSE(List({MakeInteger(1)})->Equals(List({MakeFloat(1)})));
  // Two empty atoms are equal though they are distinct constants.
  EXPECT_TRUE(NilValue()->Equals(BlankValue()));
}

TEST(ValueEquality, EqStarReadsTheOtherValueInThisKind) {
  EXPECT_TRUE(MakeInteger(1)->ValueEquals(MakeFloat(1.0)));
  EXPECT_TRUE(MakeFloat(1.0)->ValueEquals(MakeString("1")));
  EXPECT_TRUE(MakeInteger(3)->ValueEquals(MakeString("3")));
  EXPECT_TRUE(MakeString("3")->ValueEquals(MakeInteger(3)));
  // Not symmetric: "3.0" read as text differs from "3", 3 reads "3.0" as 3.
  EXPECT_FALSE(MakeString("3.0")->ValueEquals(MakeInteger(3)));
  EXPECT_TRUE(MakeInteger(3)->ValueEquals(MakeString("3.0")));
  EXPECT_TRUE(MakeRef<TIEValue>()->ValueEquals(MakeAtom("anything")));
  EXPECT_THROW((void)MakeInteger(3)->ValueEquals(MakeAtom("x")), EIEException);
}

TEST(ValueHash, TextsHashAllOrASampleOfTheirBytes) {
  auto h31 = [](std::string_view s) {
    uint32_t h = 0;
    for (char c : s) h = h * 31u + static_cast<unsigned char>(c);
    return h;
  };
  EXPECT_EQ(MakeAtom("abc")->HashCode(), h31("abc"));
  std::string fifteen = "abcdefghijklmno";
  EXPECT_EQ(MakeAtom(fifteen)->HashCode(), h31(fifteen));
  // 16 bytes: step 2, so positions 1, 3, ..., 15 (1-based).
  std::string sixteen = "abcdefghijklmnop";
  EXPECT_EQ(MakeString(sixteen)->HashCode(), h31("acegikmo"));
  EXPECT_EQ(MakeInteger(-5)->HashCode(), uint32_t(-5));
  EXPECT_EQ(MakeFloat(7.9)->HashCode(), 7u);
  EXPECT_NO_THROW((void)MakeFloat(1e300)->HashCode());
  EXPECT_EQ(List({MakeInteger(2), MakeInteger(3)})->HashCode(), 5u);
  EXPECT_EQ(MakeRef<TIEValue>()->HashCode(), 0u);
  // High bytes count as unsigned.
  EXPECT_EQ(MakeAtom("\xff")->HashCode(), 255u);
}

TEST(ValueCopy, CloneSharesListsAssignFromInterfaceCopiesThem) {
  IIEValue original = List({MakeInteger(1)});
  original->SetTag(9);
  IIEValue clone = original->Clone();
  EXPECT_EQ(clone->AsList().Get(), original->AsList().Get());
  EXPECT_EQ(clone->Tag(), 9);
  IIEValue deep = MakeRef<TIEValue>();
  deep->AssignFromInterface(*original);
  EXPECT_NE(deep->AsList().Get(), original->AsList().Get());
  EXPECT_TRUE(deep->Equals(original));
  EXPECT_EQ(deep->Tag(), 9);
}

TEST(ValueChangeEvent, FiresAfterEveryWriterButNotOnClear) {
  IIEValue v = MakeRef<TIEValue>();
  int fired = 0;
  TIEType seen = dtNone;
  v->SetOnChange([&](TIEValue& sender) {
    ++fired;
    seen = sender.DType();
  });
  v->SetAsInteger(3);
  EXPECT_EQ(fired, 1);
  EXPECT_EQ(seen, dtInteger);
  v->SetAsAtom("x");
  v->Assign(*MakeFloat(2));
  EXPECT_EQ(fired, 3);
  EXPECT_EQ(seen, dtFloat);
  v->Clear();
  EXPECT_EQ(fired, 3);
  EXPECT_EQ(v->DType(), dtNone);
}

TEST(ValueCopy, SettingAValueFromItsOwnTextIsSafe) {
  IIEValue v = MakeAtom("self");
  v->SetAsString(v->Text());
  EXPECT_EQ(v->AsText(), "\"self\"");
  IIEValue list = List({MakeInteger(1)});
  list->SetAsList(list->AsList());
  EXPECT_EQ(list->AsText(), "1 ");
}

TEST(SharedConstants, AreFourteenDistinctObjects) {
  std::vector<const IIEValue*> all = {
      &TrueValue(),    &FalseValue(),    &NilValue(),       &EmptyListValue(), &CatchKeyword(),
      &ExceptKeyword(), &FinallyKeyword(), &ElseKeyword(),  &DoKeyword(),      &EOFValue(),
      &ThenKeyword(),  &PIValue(),       &BlankValue(),     &ZeroValue()};
  for (const IIEValue* c : all) EXPECT_TRUE(IsSharedConstant(c->Get())) << (*c)->AsText();
  EXPECT_NE(NilValue().Get(), BlankValue().Get());
  EXPECT_FALSE(IsSharedConstant(MakeAtom("TRUE").Get()));
  EXPECT_FALSE(IsSharedConstant(nullptr));
  EXPECT_EQ(TrueValue()->AsText(), "TRUE");
  EXPECT_EQ(PIValue()->AsText(), "3.1416");
  EXPECT_EQ(EmptyListValue()->DType(), dtList);
  EXPECT_EQ(&BoolValue(false), &FalseValue());
}

class TMapContext : public IEvalContext {
 public:
  std::map<std::string, IIEValue> Vars;
  IIEValue VariableValue(const std::string& name) override {
    auto it = Vars.find(name);
    return it == Vars.end() ? IIEValue() : it->second;
  }
  IIEValue BindingValue(const TBindingInfoBase&) override { return MakeAtom("bound"); }
};

TEST(ValueEvaluation, VariablesNeedAContextAndABinding) {
  IIEValue var = MakeRef<TIEValue>("x", dtVariable);
  EXPECT_EQ(ErrorOf([&] { (void)var->Evaluate(nullptr); }),
            "No context found when trying to resolve a dtVariable value");
  TMapContext context;
  EXPECT_EQ(ErrorOf([&] { (void)var->Evaluate(&context); }),
            "Corrupted Binding, variable not found: x");
  context.Vars["x"] = MakeInteger(5);
  EXPECT_EQ(var->Evaluate(&context)->AsInteger(), 5);
  IIEValue constant = MakeAtom("c");
  EXPECT_EQ(constant->Evaluate(nullptr).Get(), constant.Get());
}

class TTestBinding : public TBindingInfoBase {
 public:
  [[nodiscard]] std::string ClassName() const override { return "TBindingInfo"; }
  [[nodiscard]] std::string BindingText() const override { return "?x"; }
};

TEST(ValueEvaluation, PatternBindingsResolveThroughTheContext) {
  TTestBinding binding;
  IIEValue v = MakeRef<TIEValue>();
  v->SetAsObject(&binding);
  EXPECT_EQ(v->AsText(), "<TBindingInfo: ?x>");
  EXPECT_THROW((void)v->Evaluate(nullptr), EIEException);
  TMapContext context;
  EXPECT_EQ(v->Evaluate(&context)->AsText(), "bound");
}

struct TCountedComponent : TComponent {
  explicit TCountedComponent(int* deaths, TComponent* owner = nullptr)
      : TComponent(owner), Deaths(deaths) {}
  ~TCountedComponent() override { ++*Deaths; }
  [[nodiscard]] std::string ClassName() const override { return "TCountedComponent"; }
  [[nodiscard]] std::unique_ptr<TObject> Duplicate() const override {
    return std::make_unique<TCountedComponent>(Deaths, Owner());
  }
  int* Deaths;
};

TEST(ValueOwnership, ClearingFreesTheOwnedObject) {
  int deaths = 0;
  IIEValue v = MakeRef<TIEValue>();
  v->SetAsOwnedObject(new TPlainThing(&deaths));
  EXPECT_TRUE(v->OwnsObject());
  v->SetAsInteger(1);  // changing kind frees it too
  EXPECT_EQ(deaths, 1);
  EXPECT_FALSE(v->OwnsObject());

  v->SetAsOwnedObject(new TCountedComponent(&deaths));
  v->Clear();
  EXPECT_EQ(deaths, 2);

  v->SetAsObject(new TPlainThing(&deaths));  // not owned: survives
  TObject* loose = v->AsObject();
  v->Clear();
  EXPECT_EQ(deaths, 2);
  delete loose;
}

TEST(ValueOwnership, AComponentDestroyedElsewhereLeavesTheValueEmpty) {
  int deaths = 0;
  auto* component = new TCountedComponent(&deaths);
  IIEValue v = MakeRef<TIEValue>();
  v->SetAsOwnedObject(component);
  delete component;
  EXPECT_EQ(deaths, 1);
  EXPECT_EQ(v->DType(), dtNone);
  v = nullptr;  // destroying the value must not free it twice
  EXPECT_EQ(deaths, 1);
}

TEST(ValueOwnership, CopiesDuplicateOwnedObjectsOrNameTheClass) {
  int deaths = 0;
  IIEValue v = MakeRef<TIEValue>();
  v->SetAsOwnedObject(new TCountedComponent(&deaths));
  IIEValue copy = v->Clone();
  EXPECT_TRUE(copy->OwnsObject());
  EXPECT_NE(copy->AsObject(), v->AsObject());
  copy = nullptr;
  v = nullptr;
  EXPECT_EQ(deaths, 2);

  IIEValue plain = MakeRef<TIEValue>();
  plain->SetAsOwnedObject(new TPlainThing(&deaths));
  EXPECT_EQ(ErrorOf([&] { (void)plain->Clone(); }),
            "Cannot copy an owned object of class TPlainThing");
}

TEST(ValueVectorTest, IdentityEqualityAndSharing) {
  IValueVector list = MakeRef<TValueVector>();
  IIEValue a = MakeAtom("a");
  list->Add(a);
  list->Add(IIEValue());
  EXPECT_EQ(list->IndexOf(a), 0);
  EXPECT_EQ(list->IndexOf(MakeAtom("a")), -1);  // equal but not the same
  EXPECT_EQ(list->AsText(), "a  ");

  IValueVector other = MakeRef<TValueVector>();
  other->Add(MakeAtom("a"));
  other->Add(IIEValue());
  EXPECT_TRUE(list->Equals(*other));
  other->SetItems(1, MakeAtom("b"));
  EXPECT_FALSE(list->Equals(*other));

  IValueVector shared = MakeRef<TValueVector>();
  shared->AddAll(*list);
  EXPECT_EQ(shared->Items(0).Get(), a.Get());
  shared->AddAll(*shared);
  EXPECT_EQ(shared->Count(), 4);
  IValueVector clone = list->Clone();
  EXPECT_NE(clone->Items(0).Get(), a.Get());
  EXPECT_THROW((void)list->Items(2), EListError);
}

TEST(SingletonsVectorTest, PrintsPairsAndComparesBothLists) {
  ISingletonsVector s = MakeRef<TSingletonsVector>();
  s->Add(MakeInteger(1), MakeFloat(0.5));
  s->Add(MakeInteger(2), MakeInteger(1));
  EXPECT_EQ(s->AsText(), "(1 0.5000) (2 1) ");
  ISingletonsVector copy = s->Clone();
  EXPECT_TRUE(copy->Equals(*s));
  EXPECT_NE(copy->X(0).Get(), s->X(0).Get());
  copy->Delete(0);
  EXPECT_FALSE(copy->Equals(*s));
  IIEValue v = MakeRef<TIEValue>(s);
  EXPECT_EQ(v->HashCode(), s->HashCode());
}

}  // namespace
}  // namespace vettora
