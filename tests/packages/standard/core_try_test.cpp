// try, throw and the error variable.
#include "core_test_util.h"

namespace vettora::testing {
namespace {

TEST_F(CoreTest, TryCatchesErrorsIntoTheErrorVariable) {
  EXPECT_EQ(Eval("(try (throw \"boom\") (printout t never) catch (printout t ?__ERROR))"),
            NilValue());
  EXPECT_EQ(TakeOutput(), "boom");
  EXPECT_EQ(Text("?__ERROR"), "\"boom\"");
  // except is the other word for catch; the catch block's last value is
  // the result, FALSE when it is empty.
  EXPECT_EQ(Text("(try (throw oops) except 1 2)"), "2");
  EXPECT_EQ(Text("(try (throw oops) catch)"), "FALSE");
  // Engine errors are caught just the same.
  EXPECT_EQ(Text("(try (< 1 x) catch ?__ERROR)").find("\"Not a"), 0u);
  // Without an error the catch block does not run.
  EXPECT_EQ(Text("(try 1 2 catch (printout t never))"), "2");
  EXPECT_EQ(Output, "");
}

TEST_F(CoreTest, TryWithOnlyAFinallyBlockSwallowsTheError) {
  EXPECT_EQ(Text("(try (throw \"lost\") finally (printout t \"cleanup\"))"), "FALSE");
  EXPECT_EQ(TakeOutput(), "cleanup");
  EXPECT_EQ(Text("?__ERROR"), "\"lost\"");
  // Without an error the finally block still runs and gives the result.
  EXPECT_EQ(Text("(try 1 finally 2 3)"), "3");
  // Finally runs before catch.
  EXPECT_EQ(Text("(try (throw x) finally (printout t f) catch (printout t c) done)"), "done");
  EXPECT_EQ(TakeOutput(), "fc");
}

TEST_F(CoreTest, TryLetsAbortsAndItsOwnBlocksErrorsPass) {
  EXPECT_THROW((void)Eval("(try (exit) finally (printout t f) catch (printout t c))"), EIEAbort);
  EXPECT_EQ(TakeOutput(), "f");
  EXPECT_EQ(ErrorOf("(try (throw a) catch (throw b))"), "b");
  EXPECT_EQ(ErrorOf("(try 1 finally (throw c))"), "c");
  EXPECT_EQ(ErrorOf("(try 1 2)"), "Missing catch or finally statement for try block");
  // A catch word before finally is no catch keyword: it is part of the
  // try block, and the error is only swallowed.
  EXPECT_EQ(Text("(try (throw x) catch (printout t c) finally (printout t f))"), "FALSE");
  EXPECT_EQ(TakeOutput(), "f");
}

TEST_F(CoreTest, ThrowOutsideTryIsAnOrdinaryError) {
  try {
    (void)Eval("(throw (+ 1 2))");
    FAIL() << "throw returned";
  } catch (const EIEException&) {
    FAIL() << "throw raised an engine error";
  } catch (const std::runtime_error& error) {
    EXPECT_STREQ(error.what(), "3");
  }
  EXPECT_EQ(ErrorOf("(throw)"), "Too few arguments for throw");
}

TEST_F(CoreTest, ReturnInsideTryEndsTheBlock) {
  ASSERT_EQ(Run("(deffunction guarded () (try (return early) (printout t never)"
                "  finally (printout t f)) late)"),
            "");
  EXPECT_EQ(Text("(guarded)"), "early");
  EXPECT_EQ(TakeOutput(), "f");
}

}  // namespace
}  // namespace vettora::testing
