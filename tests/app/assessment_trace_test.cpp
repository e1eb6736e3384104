// The explanation trace: built from engine events only, so any rule base
// gets one -- here a counter that is modified twice and a guard that holds
// because a fact is absent.
#include "app/assessment_trace.h"

#include <gtest/gtest.h>

#include "engine/inference_engine.h"

namespace vettora {
namespace {

class AssessmentTrace : public ::testing::Test {
 protected:
  void SetUp() override {
    FEngine.ExecuteText(
        "(deftemplate counter (slot n (default 0)) (slot label (default \"c\")))"
        "(defrule count \"counts up to two\" ?c <- (counter (n ?n&:(< ?n 2))) =>"
        "  (modify ?c (n (+ ?n 1))))"
        "(defrule finish (counter (n 2)) (not (done ?n)) => (assert (done 2)))");
  }
  TInferenceEngine FEngine;
};

TEST_F(AssessmentTrace, ListsEachFiringWithWhatItChanged) {
  TAssessmentTrace trace(FEngine);
  FEngine.Reset();
  FEngine.AssertString("(counter)");
  FEngine.Run();
  ASSERT_EQ(trace.Firings().size(), 3u) << ::testing::PrintToString(trace.Lines());
  const TRuleFiring& first = trace.Firings()[0];
  EXPECT_EQ(first.RuleName, "count");
  EXPECT_EQ(first.Comment, "counts up to two");
  ASSERT_EQ(first.Changes.size(), 1u);
  EXPECT_NE(first.Changes[0].find("n 0 -> 1"), std::string::npos)
      << ::testing::PrintToString(trace.Lines());
  // Unchanged slots (label) stay out of the change list.
  EXPECT_TRUE(first.Changes[0].ends_with("): n 0 -> 1")) << first.Changes[0];
  EXPECT_NE(trace.Firings()[1].Changes[0].find("n 1 -> 2"), std::string::npos);
  const TRuleFiring& last = trace.Firings()[2];
  EXPECT_EQ(last.RuleName, "finish");
  ASSERT_EQ(last.AbsentFacts.size(), 1u);
  EXPECT_NE(last.AbsentFacts[0].find("done"), std::string::npos);
  EXPECT_EQ(last.Changes, (std::vector<std::string>{"added (done 2 )"}));
  std::vector<std::string> lines = trace.Lines();
  EXPECT_EQ(lines.front(), "1. count -- counts up to two");
  EXPECT_EQ(lines.back(), "    added (done 2 )");
}

TEST_F(AssessmentTrace, StartsAfreshEachRunAndKeepsOtherHandlers) {
  int assertions = 0;
  FEngine.OnAssertion = [&assertions](TObject&, const IFact&) { ++assertions; };
  {
    TAssessmentTrace trace(FEngine);
    FEngine.Reset();
    FEngine.AssertString("(counter (n 2))");
    FEngine.Run();
    EXPECT_EQ(trace.Firings().size(), 1u);
    FEngine.Run();
    EXPECT_TRUE(trace.Firings().empty());
    EXPECT_EQ(trace.Lines(), (std::vector<std::string>{"No rule fired."}));
  }
  EXPECT_EQ(assertions, 3);  // Initial-Fact, the counter, (done 2)
  FEngine.AssertString("(done 3)");
  EXPECT_EQ(assertions, 4);  // the trace gave the handler back
  EXPECT_FALSE(FEngine.OnRuleFired);
}

}  // namespace
}  // namespace vettora
