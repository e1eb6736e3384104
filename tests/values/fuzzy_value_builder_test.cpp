// A singleton list is evaluated through the builder the fuzzy layer
// registers; values alone link no fuzzy code, so without one the
// evaluation fails with a clear error instead of reaching missing code.
#include <gtest/gtest.h>

#include "values/exceptions.h"
#include "values/singletons_vector.h"
#include "values/value.h"
#include "values/value_links.h"

namespace vettora {
namespace {

class NoContext : public IEvalContext {
  IIEValue VariableValue(const std::string&) override { return IIEValue(); }
  IIEValue BindingValue(const TBindingInfoBase&) override { return IIEValue(); }
};

// What the stand-in builder was called with.
const TSingletonsVector* gSeenList = nullptr;
IEvalContext* gSeenContext = nullptr;

IIEValue CountingBuilder(const TSingletonsVector& singletons, IEvalContext* context) {
  gSeenList = &singletons;
  gSeenContext = context;
  return MakeInteger(singletons.Count());
}

// Puts back whatever builder the program had before the test.
class FuzzyValueBuilderTest : public ::testing::Test {
 protected:
  FuzzyValueBuilderTest() : FSaved(FuzzyValueBuilder()) {
    Points->Add(MakeInteger(1), MakeFloat(0.5));
    Points->Add(MakeInteger(2), MakeInteger(1));
  }
  ~FuzzyValueBuilderTest() override { SetFuzzyValueBuilder(FSaved); }

  ISingletonsVector Points = MakeRef<TSingletonsVector>();
  IIEValue List = MakeRef<TIEValue>(Points);

 private:
  TFuzzyValueBuilder FSaved;
};

TEST_F(FuzzyValueBuilderTest, WithoutABuilderEvaluatingRaisesANamedError) {
  SetFuzzyValueBuilder(nullptr);
  try {
    (void)List->Evaluate(nullptr);
    FAIL() << "no error";
  } catch (const EIEException& e) {
    EXPECT_EQ(std::string(e.what()),
              "No fuzzy value builder is registered to evaluate the singleton list " +
                  List->AsText());
  }
  // Values that need no builder still evaluate.
  EXPECT_EQ(MakeInteger(3)->Evaluate(nullptr)->AsInteger(), 3);
}

TEST_F(FuzzyValueBuilderTest, TheRegisteredBuilderGetsTheListAndTheContext) {
  SetFuzzyValueBuilder(&CountingBuilder);
  EXPECT_EQ(FuzzyValueBuilder(), &CountingBuilder);
  NoContext context;
  IIEValue result = List->Evaluate(&context);
  EXPECT_EQ(result->AsInteger(), 2);
  EXPECT_EQ(gSeenList, Points.Get());
  EXPECT_EQ(gSeenContext, &context);

  SetFuzzyValueBuilder(nullptr);  // unregistered again
  EXPECT_THROW((void)List->Evaluate(&context), EIEException);
}

}  // namespace
}  // namespace vettora
