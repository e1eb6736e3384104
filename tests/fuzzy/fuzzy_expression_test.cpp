#include "fuzzy/fuzzy_expression.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "fuzzy/fuzzy_error.h"
#include "fuzzy/singletons_evaluation.h"
#include "fuzzy_test_util.h"
#include "values/singletons_vector.h"
#include "values/value_vector.h"

namespace vettora {
namespace {

using namespace fuzzy_test;

// A context that knows a few variables.
class TTestContext : public IEvalContext {
 public:
  std::map<std::string, IIEValue> Vars;
  IIEValue VariableValue(const std::string& name) override {
    auto it = Vars.find(name);
    return it == Vars.end() ? IIEValue() : it->second;
  }
  IIEValue BindingValue(const TBindingInfoBase&) override { return IIEValue(); }
};

class FuzzyExpression : public ::testing::Test {
 protected:
  void SetUp() override {
    Temp = Variable("temp", 0, 100);
    Hot = Temp->AddTerm("hot");
    Hot->Values().Add(50, 0);
    Hot->Values().Add(100, 1);
    Cold = Temp->AddTerm("cold");
    Cold->Values().Add(0, 1);
    Cold->Values().Add(50, 0);
  }

  static IIEValue Items(std::initializer_list<IIEValue> items) {
    IValueVector list = MakeRef<TValueVector>();
    for (const IIEValue& v : items) list->Add(v);
    return MakeList(list);
  }
  static IIEValue A(const char* text) { return MakeAtom(text); }

  IIEValue Eval(const IIEValue& value, IEvalContext* context = nullptr) {
    return EvaluateFuzzyExpression(Temp.Get(), value, context);
  }
  // The set a result holds; the result is kept alive for the test.
  TIFuzzySet& Set(const IIEValue& value) {
    Keep.push_back(value);
    TIFuzzySet* set = FuzzySetOf(*value);
    EXPECT_NE(set, nullptr) << value->AsText();
    return *set;
  }

  IFuzzyVariable Temp;
  IFuzzySet Hot, Cold;
  std::vector<IIEValue> Keep;
};

TEST_F(FuzzyExpression, TermNamesNumbersAndTheEmptyTerm) {
  EXPECT_EQ(FuzzySetOf(*Eval(A("hot"))), Hot.Get());
  EXPECT_EQ(FuzzySetOf(*Eval(MakeString("cold"))), Cold.Get());
  TIFuzzySet* empty = FuzzySetOf(*Eval(A("")));
  EXPECT_EQ(empty, Temp->FindTerm("__Empty").Get());
  EXPECT_EQ(FuzzySetOf(*Eval(A("__Empty"))), empty);
  TIFuzzySet& number = Set(Eval(MakeInteger(30)));
  EXPECT_EQ(number.Print(), "(30 (30.0000 1.0000) )");
  EXPECT_EQ(number.Variable(), Temp.Get());
  EXPECT_EQ(Set(Eval(MakeFloat(250))).Print(), "(250.0000 (100.0000 1.0000) )");  // clamped
  EXPECT_EQ(ErrorOf([&] { (void)Eval(A("warm")); }), "Invalid item in fuzzy expression: warm");
  EXPECT_EQ(ErrorOf([&] { (void)EvaluateFuzzyExpression(nullptr, A("hot"), nullptr); }),
            "fuzzy variable is not defined");
}

TEST_F(FuzzyExpression, HedgesAndOperatorsLeaveTermsUnchanged) {
  TIFuzzySet& veryHot = Set(Eval(Items({A("very"), A("hot")})));
  EXPECT_EQ(veryHot.Name(), "very hot");
  EXPECT_EQ(veryHot.Values().Count(), 7);
  EXPECT_FALSE(veryHot.IsTerm());
  EXPECT_EQ(veryHot.Variable(), Temp.Get());
  EXPECT_EQ(Hot->Name(), "hot");
  EXPECT_EQ(Hot->Values().Count(), 2);

  TIFuzzySet& half = Set(Eval(Items({A("hot"), A("*"), MakeFloat(0.5)})));
  EXPECT_EQ(half.Print(), "(hot * 0.5000 (50.0000 0.0000) (100.0000 0.5000) )");
  TIFuzzySet& shifted = Set(Eval(Items({A("cold"), A("+X"), MakeInteger(10)})));
  EXPECT_EQ(shifted.Print(), "(cold +X 10.0000 (10.0000 1.0000) (60.0000 0.0000) )");
  EXPECT_EQ(Cold->PrintValues(), "((0.0000 1.0000) (50.0000 0.0000) )");
}

TEST_F(FuzzyExpression, PrecedenceAndBrackets) {
  // Hedges bind tighter than and/or; and/or and arithmetic group from the left.
  EXPECT_EQ(Set(Eval(Items({A("not"), A("hot"), A("and"), A("cold")}))).Name(),
            "[not hot] and cold");
  EXPECT_EQ(Set(Eval(Items({A("not"), A("["), A("hot"), A("or"), A("cold"), A("]")}))).Name(),
            "not [hot or cold]");
  EXPECT_EQ(Set(Eval(Items({A("hot"), A("or"), A("cold"), A("and-product"), A("hot")}))).Name(),
            "[hot or cold] and-product hot");
  EXPECT_EQ(Set(Eval(Items({A("very"), A("not"), A("hot")}))).Name(), "very [not hot]");
  TIFuzzySet& both = Set(Eval(Items({A("hot"), A("or"), A("cold")})));
  EXPECT_EQ(both.PrintValues(), "((0.0000 1.0000) (50.0000 0.0000) (100.0000 1.0000) )");
  // Brackets written as one-character strings, as function arguments deliver them.
  EXPECT_EQ(Set(Eval(Items({A("very"), MakeString("["), A("hot"), MakeString("]")}))).Name(),
            "very hot");
}

TEST_F(FuzzyExpression, BracketAndOperandErrors) {
  EXPECT_EQ(ErrorOf([&] {
              (void)Eval(Items({A("["), A("hot")}));
            }),
            "Missing Fuzzy Close Bracket in expression");
  EXPECT_EQ(ErrorOf([&] {
              (void)Eval(Items({A("["), A("hot"), A("cold"), A("]")}));
            }),
            "Missing Fuzzy Close Bracket in expression");
  EXPECT_EQ(ErrorOf([&] {
              (void)Eval(Items({A("hot"), A("]")}));
            }),
            "Missing Fuzzy Open Bracket in expression");
  EXPECT_EQ(ErrorOf([&] { (void)Eval(Items({A("very")})); }),
            "Missing fuzzy operand to be modified by hedge: very");
  EXPECT_EQ(ErrorOf([&] {
              (void)Eval(Items({A("hot"), A("and")}));
            }),
            "Missing fuzzy operand to be modified by hedge: and");
  EXPECT_EQ(ErrorOf([&] {
              (void)Eval(Items({A("hot"), A("*")}));
            }),
            "Missing fuzzy operand to be modified by hedge: *");
  EXPECT_THROW((void)Eval(Items({A("hot"), A("and-sum"), A("cold")})), EFuzzyError);
}

TEST_F(FuzzyExpression, JuxtaposedOperandsMakeAList) {
  // "very" is an operator, so "hot very cold" is one expression.
  ASSERT_EQ(Eval(Items({A("hot"), A("very"), A("cold")}))->DType(), dtFuzzy);
  IIEValue list = Eval(Items({A("hot"), A("cold"), MakeInteger(30)}));
  ASSERT_EQ(list->DType(), dtList);
  ASSERT_EQ(list->AsList()->Count(), 3);
  EXPECT_EQ(FuzzySetOf(*list->AsList()->Items(0)), Hot.Get());
  EXPECT_EQ(FuzzySetOf(*list->AsList()->Items(2))->Name(), "30");
  // An operator after an operand continues that expression: "cold not hot"
  // is one expression whose result is the value left on top, "not hot".
  IIEValue two = Eval(Items({A("hot"), A("cold"), A("not"), A("hot")}));
  ASSERT_EQ(two->AsList()->Count(), 2);
  EXPECT_EQ(FuzzySetOf(*two->AsList()->Items(1))->Name(), "not hot");
  EXPECT_EQ(Eval(Items({})), NilValue());
}

TEST_F(FuzzyExpression, VariablesNeedAContext) {
  IIEValue x = MakeRef<TIEValue>("x", dtVariable);
  IIEValue expression = Items({A("very"), x});
  EXPECT_EQ(Eval(expression), expression);  // left unresolved without a context
  EXPECT_EQ(Eval(x), x);
  TTestContext context;
  context.Vars["x"] = A("cold");
  EXPECT_EQ(Set(Eval(expression, &context)).Name(), "very cold");
  context.Vars["x"] = MakeFloat(0.5);
  EXPECT_EQ(Set(Eval(Items({A("cold"), A("*"), x}), &context)).PrintValues(),
            "((0.0000 0.5000) (50.0000 0.0000) )");
  // Other kinds: an error with a context, nil without.
  IIEValue id = MakeRef<TIEValue>(3, dtFactId);
  EXPECT_EQ(Eval(id), NilValue());
  EXPECT_EQ(ErrorOf([&] { (void)Eval(id, &context); }),
            "Invalid item in fuzzy expression: <Fact-3>");
}

TEST_F(FuzzyExpression, ValuesOfVariablesAreCopiedBeforeTheyChange) {
  IFuzzySet stored = Points({{10, 0.5}, {20, 1}}, Temp.Get(), "stored");
  TTestContext context;
  context.Vars["x"] = MakeRef<TIEValue>(IFuzzySetBase(stored));
  TIFuzzySet& result = Set(Eval(Items({A("not"), MakeRef<TIEValue>("x", dtVariable)}), &context));
  EXPECT_NE(&result, stored.Get());
  EXPECT_EQ(stored->PrintValues(), "((10.0000 0.5000) (20.0000 1.0000) )");
}

TEST_F(FuzzyExpression, SingletonsAndFreeSetsJoinTheVariable) {
  ISingletonsVector points = MakeRef<TSingletonsVector>();
  points->Add(MakeInteger(10), MakeFloat(0.25));
  points->Add(MakeInteger(200), MakeInteger(1));
  TIFuzzySet& set = Set(Eval(MakeRef<TIEValue>(points)));
  EXPECT_EQ(set.Variable(), Temp.Get());
  EXPECT_EQ(set.Name(), "((10.0000 0.2500) (200.0000 1.0000) )");  // named before it joined
  ISingletonsVector symbolic = MakeRef<TSingletonsVector>();
  symbolic->Add(MakeRef<TIEValue>("x", dtVariable), MakeInteger(1));
  IIEValue kept = MakeRef<TIEValue>(symbolic);
  EXPECT_EQ(Eval(kept), kept);  // not numeric and no context: kept as written
}

TEST(BuildFuzzyValue, EvaluatesEveryPointInOneUpdate) {
  RegisterFuzzyValues();  // what an engine does when it is made
  IFuzzyVariable v = Variable("v", 0, 10);
  ISingletonsVector points = MakeRef<TSingletonsVector>();
  points->SetOwner(v);
  points->Add(MakeRef<TIEValue>("x", dtVariable), MakeFloat(0.5));
  points->Add(MakeInteger(20), MakeInteger(1));
  EXPECT_EQ(points->AsText(), "((?x 0.5000) (20 1) )");
  class TCtx : public IEvalContext {
    IIEValue VariableValue(const std::string&) override { return MakeInteger(4); }
    IIEValue BindingValue(const TBindingInfoBase&) override { return IIEValue(); }
  } context;
  IIEValue value = MakeRef<TIEValue>(points)->Evaluate(&context);
  ASSERT_EQ(value->DType(), dtFuzzy);
  TIFuzzySet* set = FuzzySetOf(*value);
  EXPECT_EQ(set->Variable(), v.Get());
  EXPECT_EQ(set->Name(), "((4.0000 0.5000) (10.0000 1.0000) )");
  EXPECT_NE(dynamic_cast<TIEFuzzySet*>(set), nullptr);
  points->Add(MakeAtom("oops"), MakeInteger(1));
  EXPECT_THROW((void)MakeRef<TIEValue>(points)->Evaluate(&context), EIEException);
}

TEST_F(FuzzyExpression, MatchingAndCompatibilityWithSetsAndNumbers) {
  IIEValue hot = Eval(A("hot")), cold = Eval(A("cold"));
  IIEValue veryHot = Eval(Items({A("very"), A("hot")}));
  // hot and cold touch only at 50 with membership 0.
  EXPECT_FALSE(hot->Equals(cold));
  EXPECT_EQ(Hot->CompatibilityIndex(*cold), 0);
  EXPECT_TRUE(hot->Equals(veryHot));
  EXPECT_DOUBLE_EQ(Hot->CompatibilityIndex(*veryHot), 1);
  // A crossing decides: min(hot, not hot) peaks at 0.5 at x = 75.
  IIEValue notHot = Eval(Items({A("not"), A("hot")}));
  EXPECT_DOUBLE_EQ(Hot->CompatibilityIndex(*notHot), 0.5);
  Temp->SetThreshold(0.5);
  EXPECT_TRUE(hot->Equals(notHot));
  Temp->SetThreshold(0.6);
  EXPECT_FALSE(hot->Equals(notHot));
  // Numbers: the membership at x must exceed the threshold.
  EXPECT_DOUBLE_EQ(Hot->CompatibilityIndex(*MakeInteger(80)), 0.6);
  EXPECT_FALSE(hot->Equals(MakeInteger(80)));
  EXPECT_TRUE(hot->Equals(MakeFloat(81)));
  EXPECT_TRUE(MakeFloat(81)->Equals(hot));  // the fuzzy side decides
  EXPECT_FALSE(hot->Equals(A("hot")));
  // A counted set that is not an engine set compares only with fuzzy values.
  IFuzzySet plain = MakeRef<TIFuzzySet>("plain");
  plain->Values().Add(80, 1);
  EXPECT_FALSE(plain->FuzzyMatches(*MakeInteger(80)));
  EXPECT_EQ(plain->CompatibilityIndex(*MakeInteger(80)), 0);
}

}  // namespace
}  // namespace vettora
