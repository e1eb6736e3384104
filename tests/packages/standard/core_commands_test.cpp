// run, reset, clear, version, watch and unwatch.
#include "core_test_util.h"
#include "engine/facts.h"

namespace vettora::testing {
namespace {

TEST_F(CoreTest, RunFiresUpToTheLimitWrittenInTheCall) {
  ASSERT_EQ(Run("(defrule a (declare (salience 2)) => (printout t a))"
                "(defrule b (declare (salience 1)) => (printout t b))"
                "(defrule c => (printout t c))"),
            "");
  EXPECT_EQ(Text("(reset)"), "TRUE");
  EXPECT_EQ(Text("(run 2)"), "2");
  EXPECT_EQ(TakeOutput(), "ab");
  EXPECT_EQ(Text("(run)"), "1");
  EXPECT_EQ(TakeOutput(), "c");
  EXPECT_EQ(Text("(run)"), "0");
  // The limit is read as written, not evaluated.
  EXPECT_TRUE(Contains(ErrorOf("(run (+ 1 1))"), "Not a"));
  EXPECT_EQ(ErrorOf("(run 1 2)"), "Too many arguments for run");
}

TEST_F(CoreTest, ResetAndClearRebuildTheKnowledgeBase) {
  ASSERT_EQ(Run("(defrule a => (printout t a))"), "");
  Eval("(reset)");
  EXPECT_EQ(Engine.Facts().Count(), 1);  // the initial fact
  EXPECT_EQ(Engine.Agenda().Count(), 1);
  EXPECT_EQ(Text("(clear)"), "TRUE");
  EXPECT_EQ(Engine.FindRule("a"), nullptr);
  EXPECT_EQ(Engine.Agenda().Count(), 0);
  // The built-in functions survive a clear.
  EXPECT_EQ(Text("(and)"), "TRUE");
}

TEST_F(CoreTest, VersionIsAFloat) {
  IIEValue version = Eval("(version)");
  EXPECT_EQ(version->DType(), dtFloat);
  EXPECT_EQ(version->AsFloat(), 2.0);
}

TEST_F(CoreTest, WatchAndUnwatchChangeTheWatchSet) {
  EXPECT_EQ(Text("(watch facts)"), "TRUE");
  EXPECT_EQ(Engine.Watch(), TConstructWatches({cwFact}));
  Eval("(watch rules)");
  Eval("(unwatch facts)");
  EXPECT_EQ(Engine.Watch(), TConstructWatches({cwRule}));
  Eval("(watch all)");
  EXPECT_EQ(Engine.Watch(), TConstructWatches::All());
  Eval("(unwatch all)");
  EXPECT_TRUE(Engine.Watch().Empty());
  Eval("(watch activations)");
  Eval("(watch compilations)");
  Eval("(watch statistics)");
  EXPECT_EQ(Engine.Watch(), TConstructWatches({cwActivation, cwCompilation, cwStatistics}));
  EXPECT_EQ(ErrorOf("(watch Facts)"), "Cannot watch Facts");  // exact, case-sensitive
  EXPECT_EQ(ErrorOf("(unwatch everything)"), "Cannot unwatch everything");
  // watch evaluates its word, unwatch takes it as written.
  Eval("(bind ?w rules)");
  Eval("(watch ?w)");
  EXPECT_TRUE(Engine.Watch().Contains(cwRule));
  EXPECT_EQ(ErrorOf("(unwatch ?w)"), "Cannot unwatch w");
}

}  // namespace
}  // namespace vettora::testing
