#include "fuzzy/fuzzy_variable.h"

#include <gtest/gtest.h>

#include "fuzzy/fuzzy_error.h"
#include "fuzzy_test_util.h"

namespace vettora {
namespace {

using namespace fuzzy_test;

TEST(FuzzyVariable, DefaultsAndTheUniverseNeverBecomesEmpty) {
  IFuzzyVariable v = MakeRef<TIEFuzzyVariable>("temp");
  EXPECT_EQ(v->Minimum(), 0);
  EXPECT_EQ(v->Maximum(), 1.0);
  EXPECT_EQ(v->NumFunctionValues(), 7);
  EXPECT_EQ(v->DefuzzificationMethod(), dmCenterOfGravity);
  int changes = 0, variableChanges = 0;
  v->SetOnChange([&](TIFuzzyVariable&) { ++changes; });
  v->SetOnVariableChange([&](TIFuzzyVariable&) { ++variableChanges; });
  v->SetMinimum(5);  // drags Maximum along
  EXPECT_EQ(v->Maximum(), 5);
  v->SetMaximum(-2);  // drags Minimum along
  EXPECT_EQ(v->Minimum(), -2);
  v->SetNumFunctionValues(9);
  EXPECT_EQ(changes, 3);
  EXPECT_EQ(variableChanges, 3);
  v->SetThreshold(-1);
  EXPECT_EQ(v->Threshold(), 0);
  v->SetThreshold(2);
  EXPECT_EQ(v->Threshold(), 1);
}

TEST(FuzzyVariable, TermsAreFoundByNameAndKeepTheirOrder) {
  IFuzzyVariable v = Variable("temp", 0, 100);
  IFuzzySet cold = v->AddTerm("cold");
  IFuzzySet hot = v->AddTerm("hot");
  EXPECT_EQ(v->FindTerm("hot"), hot);
  EXPECT_FALSE(v->FindTerm("warm"));
  EXPECT_TRUE(hot->IsTerm());
  EXPECT_EQ(hot->Variable(), v.Get());
  hot->SetName("warm");
  EXPECT_FALSE(v->FindTerm("hot"));
  EXPECT_EQ(v->FindTerm("warm"), hot);
  EXPECT_EQ(v->Items()[1], hot);
  IFuzzySet other = v->AddTerm("warm");  // replaces the old "warm" in place
  EXPECT_EQ(v->Items().Count(), 2);
  EXPECT_EQ(v->Items()[1], other);
  EXPECT_FALSE(hot->IsTerm());
  EXPECT_EQ(hot->Variable(), v.Get());  // still has its universe
  v->RemoveTerm(*cold);
  EXPECT_EQ(v->Items().Count(), 1);
  EXPECT_EQ(v->Items()[0], other);
  IFuzzySet empty = v->EmptyTerm();
  EXPECT_EQ(empty, v->FindTerm("__Empty"));
  EXPECT_EQ(empty, v->EmptyTerm());
  EXPECT_TRUE(empty->Values().Empty());
}

TEST(FuzzyVariable, ReservedWordsAreRefusedAsTermNames) {
  IFuzzyVariable v = Variable("temp", 0, 100);
  EXPECT_EQ(ErrorOf([&] { v->AddTerm("very"); }),
            "Invalid fuzzy set name, \"very\" is a reserved word");
  for (const char* word : {"not", "*", ">=X", "and-mean", "or-sum"})
    EXPECT_THROW(v->AddTerm(word), EFuzzyError) << word;
  IFuzzySet hot = v->AddTerm("hot");
  EXPECT_THROW(hot->SetName("or"), EIEException);
  EXPECT_EQ(hot->Name(), "hot");
  TFuzzySet free;  // only terms are restricted
  free.SetName("very");
  EXPECT_EQ(free.Name(), "very");
}

TEST(FuzzyVariable, AutoTermsAddOnlyWhatIsMissing) {
  IFuzzyVariable v = Variable("temp", 0, 100);
  IFuzzySet mine = v->AddTerm("low");
  mine->Values().Add(0, 1);
  v->AddAutoTerms();
  EXPECT_EQ(v->FindTerm("low"), mine);
  EXPECT_EQ(v->FindTerm("low")->PrintValues(), "((0.0000 1.0000) )");
  EXPECT_EQ(v->FindTerm("medium")->PrintValues(),
            "((0.0000 0.0000) (50.0000 1.0000) (100.0000 0.0000) )");
  EXPECT_EQ(v->FindTerm("high")->PrintValues(), "((0.0000 0.0000) (100.0000 1.0000) )");
  IFuzzyVariable w = Variable("w", 0, 10);
  w->AddAutoTerms();
  EXPECT_EQ(w->FindTerm("low")->PrintValues(), "((0.0000 1.0000) (10.0000 0.0000) )");
  EXPECT_EQ(w->Items().Count(), 3);
}

TEST(FuzzyVariable, TermChangesReachTheVariableOncePerOperation) {
  IFuzzyVariable v = Variable("temp", 0, 100);
  IFuzzySet hot = v->AddTerm("hot");
  int setChanges = 0;
  v->SetOnFuzzySetChange([&](TIFuzzyVariable&, TFuzzySet& set) {
    EXPECT_EQ(&set, hot.Get());
    ++setChanges;
  });
  hot->Triangle(10, 20, 30);
  EXPECT_EQ(setChanges, 1);
  hot->ApplyHedge(fhVery);
  EXPECT_EQ(setChanges, 2);
  IFuzzySet copy = hot->Clone();  // copies are not terms
  copy->ApplyHedge(fhNot);
  EXPECT_EQ(setChanges, 2);
}

TEST(FuzzyVariable, TermsOutliveTheirVariableAndSetsKeepTheirUniverse) {
  IFuzzySet term, derived;
  {
    IFuzzyVariable v = Variable("temp", 0, 10);
    term = v->AddTerm("hot");
    term->Values().Add(20, 1);  // clamped to 10
  }
  EXPECT_EQ(term->Variable(), nullptr);
  EXPECT_FALSE(term->IsTerm());
  EXPECT_EQ(term->PrintValues(), "((10.0000 1.0000) )");
  TIFuzzyVariable* raw;
  {
    IFuzzyVariable v = Variable("temp", 0, 10);
    raw = v.Get();
    derived = v->AddTerm("hot")->Clone();
  }
  EXPECT_EQ(derived->Variable(), raw);  // held alive by the derived set
  EXPECT_EQ(derived->GetXRange(0), 10);
  EXPECT_TRUE(raw->FindTerm("hot"));
}

TEST(FuzzyVariable, CloneCopiesPropertiesAndTerms) {
  IFuzzyVariable v = Variable("temp", 0, 50);
  v->SetUnits("C");
  v->AddTerm("hot")->Triangle(20, 30, 40);
  IFuzzyVariable copy = v->Clone();
  EXPECT_EQ(copy->Name(), "temp");
  EXPECT_EQ(copy->Units(), "C");
  EXPECT_EQ(copy->Maximum(), 50);
  IFuzzySet hot = copy->FindTerm("hot");
  ASSERT_TRUE(hot);
  EXPECT_NE(hot, v->FindTerm("hot"));
  EXPECT_EQ(hot->Variable(), copy.Get());
  EXPECT_TRUE(hot->IsTerm());
  EXPECT_TRUE(hot->Values().Equals(v->FindTerm("hot")->Values()));
  EXPECT_NE(dynamic_cast<TIEFuzzySet*>(hot.Get()), nullptr);
}

}  // namespace
}  // namespace vettora
