#include <gtest/gtest.h>

#include "fuzzy/ie_fuzzy_variable.h"
#include "fuzzy/ifuzzy_set.h"
#include "knowledge/defined_type.h"
#include "knowledge/messages.h"

namespace vettora {
namespace {

class TFakeParser : public IFuzzyParser {
 public:
  TFzyFloat FuzzyEqualsThreshold() const override { return 0.5; }
};

class TFakeEngine : public IDefinedTypeReasoner {
 public:
  std::string PrintDefinedType(const TIEDefinedType&) override { return ""; }
  IFuzzyParser* FuzzyParser() override { return &Parser; }
  TFakeParser Parser;
};

IIEValue FuzzyValue(const IFuzzySet& set) { return MakeRef<TIEValue>(IFuzzySetBase(set)); }

TEST(DefinedTypeFuzzy, BecomingFuzzyCreatesAVariableThatFollowsTheType) {
  TFakeEngine engine;
  IIEDefinedType t = TIEDefinedType::Create(&engine);
  t->SetName("temperature");
  t->SetUnits("C");
  t->SetRangeLimited(true);
  t->SetMinRange(10);
  t->SetMaxRange(40);
  t->SetBaseTypes({dtFuzzy});
  IFuzzyVariable v = t->FuzzyVariable();
  ASSERT_TRUE(v);
  EXPECT_EQ(v->Name(), "temperature");
  EXPECT_EQ(v->Units(), "C");
  EXPECT_EQ(v->Minimum(), 10.0);
  EXPECT_EQ(v->Maximum(), 40.0);
  EXPECT_EQ(v->Parser(), &engine.Parser);

  t->SetMaxRange(100);
  t->SetMinRange(0);
  t->SetUnits("K");
  EXPECT_EQ(v->Minimum(), 0.0);
  EXPECT_EQ(v->Maximum(), 100.0);
  EXPECT_EQ(v->Units(), "K");

  t->SetBaseTypes({dtFuzzy, dtList});  // the same fuzzy set: variable kept
  EXPECT_EQ(t->FuzzyVariable(), v);
  t->SetBaseTypes({dtFloat});
  EXPECT_FALSE(t->FuzzyVariable());
}

TEST(DefinedTypeFuzzy, SettingAVariableMakesTheTypeFuzzy) {
  TFakeEngine engine;
  IIEDefinedType t = TIEDefinedType::Create(&engine);
  IFuzzyVariable v = MakeRef<TIEFuzzyVariable>("speed");
  v->SetMaximum(120);
  v->SetUnits("km/h");
  t->SetFuzzyVariable(v);
  EXPECT_EQ(t->BaseTypes(), (TIETypes{dtFuzzy}));
  EXPECT_EQ(t->MinRange(), 0.0);
  EXPECT_EQ(t->MaxRange(), 120.0);
  EXPECT_EQ(t->Units(), "km/h");
  EXPECT_EQ(v->Parser(), &engine.Parser);
  t->SetFuzzyVariable(nullptr);
  EXPECT_EQ(v->Parser(), nullptr);
}

TEST(DefinedTypeFuzzy, ValidatesOwnFuzzyValuesAndDefaultsToTheEmptyTerm) {
  IIEDefinedType t = TIEDefinedType::Create();
  t->SetBaseTypes({dtFuzzy});
  IFuzzySet low = t->FuzzyVariable()->AddTerm("low");
  EXPECT_TRUE(t->Validate(FuzzyValue(low)));

  IFuzzyVariable other = MakeRef<TIEFuzzyVariable>("other");
  IIEValue foreign = FuzzyValue(other->AddTerm("low"));
  EXPECT_FALSE(t->Validate(foreign));
  EXPECT_EQ(t->ValidationMessage(foreign),
            FormatMessage(kValueNotValid, {foreign->AsText(), kInvalidFuzzyValue}));

  IIEValue def = t->DefaultValue(false);
  ASSERT_EQ(def->DType(), dtFuzzy);
  EXPECT_EQ(FuzzySetOf(*def), t->FuzzyVariable()->FindTerm("__Empty").Get());
  EXPECT_TRUE(t->Validate(def));
}

TEST(DefinedTypeFuzzy, CloneCopiesTheVariable) {
  IIEDefinedType t = TIEDefinedType::Create();
  t->SetName("level");
  t->SetBaseTypes({dtFuzzy});
  t->FuzzyVariable()->AddTerm("low");
  IIEDefinedType copy = t->Clone();
  ASSERT_TRUE(copy->FuzzyVariable());
  EXPECT_NE(copy->FuzzyVariable(), t->FuzzyVariable());
  EXPECT_EQ(copy->FuzzyVariable()->Name(), "level");
  EXPECT_TRUE(copy->FuzzyVariable()->FindTerm("low"));
}

}  // namespace
}  // namespace vettora
