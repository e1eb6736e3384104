#include "knowledge/defined_type.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "knowledge/messages.h"
#include "values/format.h"
#include "values/value_vector.h"

namespace vettora {
namespace {

IIEValue List(std::initializer_list<IIEValue> items) {
  IValueVector list = MakeRef<TValueVector>();
  for (const IIEValue& v : items) list->Add(v);
  return MakeList(list);
}

std::string RaisedBy(const std::function<void()>& action) {
  try {
    action();
  } catch (const EIEException& e) {
    return e.what();
  }
  return "(nothing raised)";
}

class TFakeReasoner : public IDefinedTypeReasoner {
 public:
  std::string PrintDefinedType(const TIEDefinedType& type) override {
    return "printed " + type.Name();
  }
  IFuzzyParser* FuzzyParser() override { return nullptr; }
};

TEST(DefinedType, NewTypeHasDefaultsAndAcceptsPlainValuesAndLists) {
  IIEDefinedType t = TIEDefinedType::Create();
  EXPECT_EQ(t->Name(), "implicit");
  EXPECT_EQ(t->BaseTypes(), TIEDefinedType::DefaultBaseTypes());
  EXPECT_EQ(t->MinRange(), -2147483648.0);
  EXPECT_EQ(t->MaxRange(), 2147483647.0);
  EXPECT_EQ(t->MaxCardinality(), 2147483647);
  EXPECT_TRUE(t->Constraints().Empty());
  EXPECT_TRUE(t->Validate(MakeInteger(5)));
  EXPECT_TRUE(t->Validate(MakeAtom("abc")));
  EXPECT_TRUE(t->Validate(MakeString("x")));
  EXPECT_TRUE(t->Validate(IIEValue()));
  EXPECT_TRUE(t->Validate(List({MakeInteger(5), MakeAtom("abc"), MakeString("x")})));
  EXPECT_EQ(t->ValidationMessage(MakeInteger(5)), "");

  // A list is judged by its elements, not by whether BaseTypes holds lists.
  t->SetBaseTypes({dtInteger});
  EXPECT_TRUE(t->Validate(List({MakeInteger(1), MakeInteger(2)})));
  EXPECT_FALSE(t->Validate(List({MakeInteger(1), MakeAtom("a")})));
}

TEST(DefinedType, RangeAndCardinalitySettersKeepMinBelowMax) {
  IIEDefinedType t = TIEDefinedType::Create();
  t->SetMaxRange(5);
  t->SetMinRange(10);
  EXPECT_EQ(t->MinRange(), 10.0);
  EXPECT_EQ(t->MaxRange(), 10.0);
  t->SetMaxRange(-1);
  EXPECT_EQ(t->MinRange(), -1.0);
  EXPECT_EQ(t->MaxRange(), -1.0);

  t->SetMinCardinality(-4);
  EXPECT_EQ(t->MinCardinality(), 0);
  t->SetMaxCardinality(3);
  t->SetMinCardinality(7);
  EXPECT_EQ(t->MaxCardinality(), 7);
  t->SetMaxCardinality(-2);
  EXPECT_EQ(t->MinCardinality(), 0);
  EXPECT_EQ(t->MaxCardinality(), 0);
}

TEST(DefinedType, SettersReportOnlyRealChanges) {
  IIEDefinedType t = TIEDefinedType::Create();
  int changes = 0;
  t->SetOnChange([&](TIEDefinedType&) { ++changes; });
  t->SetName("size");
  t->SetName("size");
  t->SetUnits("cm");
  t->SetUnits("cm");
  t->SetMinCardinality(-1);  // stores 0: unchanged
  t->SetBaseTypes(TIEDefinedType::DefaultBaseTypes());
  t->SetConstraints({});
  EXPECT_EQ(changes, 2);

  // Update grouping: one report when the outermost bracket closes.
  t->BeginUpdate();
  t->BeginUpdate();
  t->SetComment("c");
  t->SetTag(4);
  t->EndUpdate();
  EXPECT_EQ(changes, 2);
  t->EndUpdate();
  EXPECT_EQ(changes, 3);
  t->EndUpdate();  // unmatched: ignored
  EXPECT_EQ(t->UpdateCount(), 0);

  // The guard closes the bracket even when an exception passes through.
  EXPECT_THROW(
      {
        TIEDefinedType::TUpdateGuard guard(*t);
        t->SetRangeLimited(true);
        throw std::runtime_error("boom");
      },
      std::runtime_error);
  EXPECT_EQ(t->UpdateCount(), 0);
  EXPECT_EQ(changes, 4);
}

TEST(DefinedType, AncestorLoopIsRefusedAndLeavesAncestorUnchanged) {
  IIEDefinedType a = TIEDefinedType::Create();
  IIEDefinedType b = TIEDefinedType::Create();
  IIEDefinedType c = TIEDefinedType::Create();
  a->SetName("a");
  b->SetAncestor(a);
  c->SetAncestor(b);
  std::string loop = FormatMessage(kTypeInheritanceLoop, {"a"});
  EXPECT_EQ(RaisedBy([&] { a->SetAncestor(b); }), loop);
  EXPECT_EQ(RaisedBy([&] { a->SetAncestor(c); }), loop);
  EXPECT_EQ(RaisedBy([&] { a->SetAncestor(a); }), loop);
  EXPECT_EQ(a->Ancestor(), nullptr);

  // Assign would copy b's ancestor (a) into a: refused before any change.
  b->SetName("b");
  EXPECT_EQ(RaisedBy([&] { a->Assign(*b); }), loop);
  EXPECT_EQ(a->Name(), "a");

  IIEDefinedType d = TIEDefinedType::Create();
  d->SetImplicit(true);
  d->SetAncestor(c);
  EXPECT_FALSE(d->Implicit());
}

TEST(DefinedType, BaseTypesRefuseFuzzyMixAndDropStructuralKinds) {
  IIEDefinedType t = TIEDefinedType::Create();
  EXPECT_EQ(RaisedBy([&] { t->SetBaseTypes({dtFuzzy, dtAtom}); }), kCannotMixFuzzyType);
  EXPECT_EQ(t->BaseTypes(), TIEDefinedType::DefaultBaseTypes());
  t->SetBaseTypes({dtInteger, dtList, dtMultiSlot, dtNone, dtSlot, dtMultiVariable});
  EXPECT_EQ(t->BaseTypes(), (TIETypes{dtInteger}));
  t->SetBaseTypes({dtFuzzy, dtList});
  EXPECT_EQ(t->BaseTypes(), (TIETypes{dtFuzzy}));

  // A fuzzy type accepts what can become a fuzzy value, nothing else.
  EXPECT_TRUE(t->Validate(MakeAtom("low")));
  EXPECT_TRUE(t->Validate(MakeFloat(2.5)));
  EXPECT_TRUE(t->Validate(MakeRef<TIEValue>("x", dtVariable)));
  EXPECT_FALSE(t->Validate(MakeRef<TIEValue>(3, dtFactId)));
  EXPECT_EQ(t->ValidationMessage(MakeRef<TIEValue>(3, dtFactId)),
            "Value \"<Fact-3>\" is not valid, invalid fuzzy value");
}

TEST(DefinedType, AllowedValuesAreKeptByKindWithoutDuplicates) {
  IIEDefinedType t = TIEDefinedType::Create();
  t->SetName("color");
  t->SetConstraints({vcAtom, vcInteger});
  t->AddAllowedValue(MakeAtom("red"));
  t->AddAllowedValue(MakeAtom("Red"));
  t->AddAllowedValue(MakeAtom("red"));
  t->AddAllowedValue(MakeInteger(3));
  t->AddAllowedValue(MakeFloat(7.0));  // a whole float joins the integers
  EXPECT_EQ(t->AllowedCount(vcAtom), 2);
  EXPECT_EQ(t->AllowedCount(vcInteger), 2);
  EXPECT_EQ(t->AllowedItem(vcInteger, 1)->AsText(), "7");
  EXPECT_EQ(t->AllowedItem(vcAtom, 1)->AsText(), "Red");

  EXPECT_EQ(RaisedBy([&] { t->AddAllowedValue(MakeString("s")); }),
            "Defined Type color cannot contain String constraint types");
  EXPECT_EQ(RaisedBy([&] { t->AddAllowedValue(MakeFloat(3.5)); }),
            "Defined Type color cannot contain Float constraint types");
  EXPECT_EQ(RaisedBy([&] { t->AddAllowedValue(MakeFloat(1e12)); }),
            "Defined Type color cannot contain Float constraint types");
  EXPECT_EQ(RaisedBy([&] { t->AddAllowedValue(MakeRef<TIEValue>(1, dtFactId)); }),
            "Defined Type color cannot contain FactId constraint types");
  EXPECT_EQ(RaisedBy([&] { (void)t->AllowedItem(vcFloat, 0); }),
            "Defined Type color does not have Float constraints");
  EXPECT_EQ(RaisedBy([&] { t->DeleteAllowedItem(vcString, 0); }),
            "Defined Type color does not have String constraints");
  EXPECT_THROW((void)t->AllowedItem(vcAtom, 2), EListError);

  EXPECT_TRUE(t->RemoveAllowedValue(*MakeFloat(3.0)));  // matched as validation does
  EXPECT_FALSE(t->RemoveAllowedValue(*MakeAtom("blue")));
  t->DeleteAllowedItem(vcAtom, 0);
  EXPECT_EQ(t->AllowedItem(vcAtom, 0)->AsText(), "Red");
  EXPECT_EQ(t->AllowedCount(vcInteger), 1);

  // Dropping a constraint drops its list; adding it again starts empty.
  t->SetConstraints({vcInteger});
  EXPECT_EQ(t->AllowedCount(vcAtom), 0);
  t->SetConstraints({vcInteger, vcAtom});
  EXPECT_EQ(t->AllowedCount(vcAtom), 0);
  EXPECT_EQ(t->AllowedCount(vcInteger), 1);
  t->ClearAllAllowed();
  EXPECT_EQ(t->AllowedCount(vcInteger), 0);
}

TEST(DefinedType, AllowedValuesRestrictOnlyTheirKinds) {
  IIEDefinedType t = TIEDefinedType::Create();
  t->SetConstraints({vcInteger});
  t->AddAllowedValue(MakeInteger(3));
  EXPECT_TRUE(t->Validate(MakeInteger(3)));
  EXPECT_TRUE(t->Validate(MakeFloat(3.0)));
  EXPECT_EQ(t->ValidationMessage(MakeFloat(3.5)),
            "Value \"3.5000\" is not valid, Not in allowed values");
  EXPECT_FALSE(t->Validate(MakeInteger(4)));
  EXPECT_FALSE(t->Validate(MakeFloat(3e12)));
  EXPECT_TRUE(t->Validate(MakeAtom("free")));  // atoms are not restricted

  t->SetConstraints({vcAtom, vcString});
  t->AddAllowedValue(MakeAtom("on"));
  t->AddAllowedValue(MakeString("On"));
  EXPECT_TRUE(t->Validate(MakeAtom("on")));
  EXPECT_FALSE(t->Validate(MakeAtom("On")));
  EXPECT_TRUE(t->Validate(MakeString("On")));
  EXPECT_FALSE(t->Validate(MakeString("on")));
  EXPECT_TRUE(t->Validate(MakeInteger(4)));  // integers no longer restricted
}

TEST(DefinedType, AllowedFloatsMatchWithinTolerance) {
  IIEDefinedType t = TIEDefinedType::Create();
  t->SetConstraints({vcFloat});
  t->AddAllowedValue(MakeFloat(0.12345));
  t->AddAllowedValue(MakeInteger(2));  // an integer joins the floats
  t->AddAllowedValue(MakeFloat(2.0));  // equal: skipped
  EXPECT_EQ(t->AllowedCount(vcFloat), 2);
  EXPECT_TRUE(t->Validate(MakeFloat(0.12345)));
  EXPECT_TRUE(t->Validate(MakeFloat(0.1235)));  // as the printed text reads back
  EXPECT_TRUE(t->Validate(MakeInteger(2)));
  EXPECT_FALSE(t->Validate(MakeFloat(0.1237)));
  EXPECT_FALSE(t->Validate(MakeFloat(2.001)));
  EXPECT_TRUE(t->RemoveAllowedValue(*MakeFloat(2.00005)));
  EXPECT_EQ(t->AllowedCount(vcFloat), 1);
}

TEST(DefinedType, ValidationMessagesNameTheFirstReason) {
  IIEDefinedType t = TIEDefinedType::Create();
  t->SetBaseTypes({dtInteger, dtFloat});
  EXPECT_EQ(t->ValidationMessage(MakeAtom("abc")),
            "Value \"abc\" is not valid, Not a INTEGER, FLOAT type.  Value (abc) is a dtAtom type");
  EXPECT_TRUE(t->Validate(MakeRef<TIEValue>("v", dtVariable)));

  t->SetRangeLimited(true);
  t->SetMinRange(5);
  t->SetMaxRange(9);
  EXPECT_TRUE(t->Validate(MakeInteger(5)));
  EXPECT_TRUE(t->Validate(MakeFloat(9.0)));
  EXPECT_EQ(t->ValidationMessage(MakeFloat(9.5)),
            "Value \"9.5000\" is not valid, Range must be between 5.0000 and 9.0000");

  t->SetCardinalityLimited(true);
  t->SetMinCardinality(1);
  t->SetMaxCardinality(2);
  EXPECT_EQ(t->ValidationMessage(List({MakeInteger(5), MakeInteger(6), MakeInteger(7)})),
            "Value \"5 6 7 \" is not valid, Multislot must have between 1 and 2 elements");
  EXPECT_EQ(t->ValidationMessage(List({})),
            "Value \"\" is not valid, Multislot must have between 1 and 2 elements");
  // An invalid element is reported by its own message.
  EXPECT_EQ(t->ValidationMessage(List({MakeInteger(6), MakeInteger(12)})),
            "Value \"12\" is not valid, Range must be between 5.0000 and 9.0000");
}

TEST(DefinedType, DefaultValueFollowsKindsAllowedValuesAndRange) {
  IIEDefinedType t = TIEDefinedType::Create();
  t->SetBaseTypes({dtInteger});
  t->SetRangeLimited(true);
  t->SetMinRange(5);
  t->SetMaxRange(9);
  t->SetCardinalityLimited(true);
  t->SetMinCardinality(2);
  IIEValue multi = t->DefaultValue(true);
  EXPECT_EQ(multi->AsText(), "5 5 ");
  EXPECT_NE(multi->AsList()->Items(0).Get(), multi->AsList()->Items(1).Get());

  t->SetMinRange(-2147483648.0);
  EXPECT_EQ(t->DefaultValue(false)->AsInteger(), 9);  // only the upper bound is set
  t->SetMaxRange(-3.5);
  EXPECT_EQ(t->DefaultValue(false)->AsInteger(), -4);  // the whole number inside the range
  EXPECT_TRUE(t->Validate(t->DefaultValue(false)));
  t->SetConstraints({vcInteger});
  t->AddAllowedValue(MakeInteger(42));
  EXPECT_EQ(t->DefaultValue(false)->AsInteger(), 42);

  t->SetBaseTypes({dtFloat});
  t->SetMinRange(1.5);
  EXPECT_EQ(t->DefaultValue(false)->AsText(), "1.5000");

  t->SetCardinalityLimited(false);
  IIEValue empty = t->DefaultValue(true);
  EXPECT_EQ(empty->DType(), dtList);
  EXPECT_NE(empty.Get(), EmptyListValue().Get());
  EXPECT_NE(empty->AsList().Get(), EmptyListValue()->AsList().Get());

  t->SetBaseTypes({dtString, dtAtom});
  EXPECT_EQ(t->DefaultValue(false)->DType(), dtAtom);
  t->SetBaseTypes({dtFactId, dtClass});
  EXPECT_EQ(t->DefaultValue(false)->AsText(), "<Fact-0>");
  t->SetBaseTypes({dtFuzzy});
  t->SetFuzzyVariable(nullptr);
  EXPECT_EQ(t->DefaultValue(false).Get(), NilValue().Get());  // fuzzy without a variable
  t->SetBaseTypes({});
  EXPECT_EQ(t->DefaultValue(false)->DType(), dtNone);
}

TEST(DefinedType, SameAllowedValuesComparesListsInOrder) {
  IIEDefinedType a = TIEDefinedType::Create();
  IIEDefinedType b = TIEDefinedType::Create();
  EXPECT_TRUE(a->SameAllowedValues(b));
  EXPECT_FALSE(a->SameAllowedValues(IIEDefinedType()));
  a->SetConstraints({vcAtom, vcFloat});
  EXPECT_FALSE(a->SameAllowedValues(b));
  b->SetConstraints({vcAtom, vcFloat});
  a->AddAllowedValue(MakeAtom("x"));
  a->AddAllowedValue(MakeAtom("y"));
  a->AddAllowedValue(MakeFloat(1.00001));
  b->AddAllowedValue(MakeAtom("x"));
  b->AddAllowedValue(MakeAtom("y"));
  b->AddAllowedValue(MakeFloat(1.0));
  EXPECT_TRUE(a->SameAllowedValues(b));
  b->AddAllowedValue(MakeFloat(2.0));
  EXPECT_FALSE(a->SameAllowedValues(b));

  IIEDefinedType c = TIEDefinedType::Create();
  c->SetConstraints({vcAtom, vcFloat});
  c->AddAllowedValue(MakeAtom("y"));
  c->AddAllowedValue(MakeAtom("x"));
  c->AddAllowedValue(MakeFloat(1.0));
  EXPECT_FALSE(a->SameAllowedValues(c));  // same entries, other order
}

TEST(DefinedType, AllowedValuesTextByConstraints) {
  IIEDefinedType t = TIEDefinedType::Create();
  EXPECT_EQ(t->AllowedValuesText(), "");
  t->SetConstraints(TValueConstraints::All());
  t->AddAllowedValue(MakeFloat(2.5));
  t->AddAllowedValue(MakeInteger(1));
  t->AddAllowedValue(MakeString("s"));
  t->AddAllowedValue(MakeAtom("a"));
  EXPECT_EQ(t->AllowedValuesText(), "    (allowed-values a \"s\" 1 2.5000 )\r\n");

  t->SetConstraints({vcInteger, vcFloat, vcAtom});
  EXPECT_EQ(t->AllowedValuesText(),
            "    (allowed-numbers 1 2.5000 ) \r\n    (allowed-symbols a )\r\n");
  t->SetConstraints({vcInteger, vcString});
  t->AddAllowedValue(MakeString("say \"hi\""));
  EXPECT_EQ(t->AllowedValuesText(),
            "    (allowed-integers 1 ) \r\n    (allowed-strings \"say \\\"hi\\\"\" )\r\n");
  t->SetConstraints({vcFloat});
  EXPECT_EQ(t->AllowedValuesText(), "    (allowed-floats ) \r\n");
  t->SetConstraints({vcAtom, vcString});
  EXPECT_EQ(t->AllowedValuesText(), "    (allowed-lexemes )\r\n");
}

TEST(DefinedType, AssignCopiesEverythingAndCloneIsIndependent) {
  TFakeReasoner engine, other;
  IIEDefinedType base = TIEDefinedType::Create(&engine);
  IIEDefinedType src = TIEDefinedType::Create(&engine);
  src->SetAncestor(base);
  src->SetName("size");
  src->SetComment("c");
  src->SetBaseTypes({dtInteger});
  src->SetRangeLimited(true);
  src->SetMinRange(1);
  src->SetMaxRange(3);
  src->SetCardinalityLimited(true);
  src->SetMaxCardinality(4);
  src->SetUnits("cm");
  src->SetTag(7);
  src->SetConstraints({vcInteger});
  src->AddAllowedValue(MakeInteger(2));

  IIEDefinedType copy = src->Clone();
  EXPECT_EQ(copy->Ancestor(), base);
  EXPECT_EQ(copy->Name(), "size");
  EXPECT_EQ(copy->AsText(), "printed size");
  EXPECT_EQ(copy->BaseTypes(), (TIETypes{dtInteger}));
  EXPECT_EQ(copy->MinRange(), 1.0);
  EXPECT_EQ(copy->MaxRange(), 3.0);
  EXPECT_EQ(copy->MaxCardinality(), 4);
  EXPECT_EQ(copy->Units(), "cm");
  EXPECT_EQ(copy->Tag(), 7);
  EXPECT_TRUE(copy->SameAllowedValues(src));
  copy->AddAllowedValue(MakeInteger(3));
  EXPECT_EQ(src->AllowedCount(vcInteger), 1);

  // Another engine's type does not take the ancestor; Assign replaces the
  // allowed values, the interface form appends to them.
  IIEDefinedType foreign = TIEDefinedType::Create(&other);
  foreign->SetConstraints({vcInteger});
  foreign->AddAllowedValue(MakeInteger(9));
  int changes = 0;
  foreign->SetOnChange([&](TIEDefinedType&) { ++changes; });
  foreign->AssignFromInterface(*src);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(foreign->Ancestor(), nullptr);
  EXPECT_EQ(foreign->AllowedValuesText(), "    (allowed-integers 9 2 ) \r\n");
  foreign->Assign(*src);
  EXPECT_EQ(foreign->AllowedValuesText(), "    (allowed-integers 2 ) \r\n");
  EXPECT_EQ(TIEDefinedType::Create()->AsText(), "");
}

}  // namespace
}  // namespace vettora
