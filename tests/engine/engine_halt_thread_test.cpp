// The engine's thread contract: Halt() may be called from any thread at any
// time, while everything else (runs, resets, events) stays on the thread
// that runs the engine. Built on its own so that the thread-sanitizer build
// compiles only this program.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>

#include "engine_test_util.h"

namespace vettora::testing {
namespace {

using namespace std::chrono_literals;

// A run that never ends by itself: the rule count on (n ?x) retracts the
// fact and asserts (n ?x+1). A failing halt still ends at kLimit firings.
class EngineHaltThread : public ::testing::Test {
 protected:
  static constexpr int32_t kLimit = 1'000'000;

  EngineHaltThread() {
    IFunCallBase next = Action(Engine, "next", [this](TFunctionCall&, TIEContext& context) {
      int32_t x = context.GetValue("x")->AsInteger();
      (void)Engine.RetractEqual(N(x));
      (void)Engine.Assert(N(x + 1));
      LastSeen = x;
      FiringThread = std::this_thread::get_id();
      Started.store(true);
      return TrueValue();
    });
    std::vector<std::unique_ptr<TIEPattern>> patterns;
    patterns.push_back(OrderedPattern(Engine, "n", "x"));
    Rule = MakeRule(Engine, "count", 0, std::move(patterns), {next});
    (void)Engine.Assert(N(0));
  }

  IFact N(int32_t x) { return OrderedFact(Engine, "n", {std::to_string(x)}); }

  // Runs on this thread while another one waits for the first firing, lets
  // the run go on a little and halts it.
  int32_t RunUntilHaltedFromAnotherThread() {
    Started.store(false);
    std::thread stopper([this] {
      while (!Started.load()) std::this_thread::sleep_for(1ms);
      std::this_thread::sleep_for(20ms);
      Engine.Halt();
    });
    int32_t fired = Engine.Run(kLimit);
    stopper.join();
    return fired;
  }

  TInferenceEngine Engine;
  std::unique_ptr<TRule> Rule;
  std::atomic<bool> Started = false;
  int32_t LastSeen = -1;
  std::thread::id FiringThread;
};

TEST_F(EngineHaltThread, HaltFromAnotherThreadEndsTheRunAndKeepsTheEngineUsable) {
  int32_t fired = RunUntilHaltedFromAnotherThread();
  EXPECT_GT(fired, 0);
  EXPECT_LT(fired, kLimit);
  EXPECT_EQ(LastSeen, fired - 1);  // every firing finished its actions
  EXPECT_EQ(FiringThread, std::this_thread::get_id());
  EXPECT_TRUE(Engine.HaltRequested());  // until the next run or clear
  EXPECT_EQ(Engine.Agenda().Count(), 1);

  Engine.Reset();
  (void)Engine.Assert(N(0));
  EXPECT_EQ(Engine.Run(3), 3);
  EXPECT_FALSE(Engine.HaltRequested());
  EXPECT_EQ(LastSeen, 2);
  EXPECT_EQ(FactIds(Engine), "f-0 f-4");  // (n 3) after the initial fact
}

// A run starts by clearing the request: a halt asked before it, or left
// from a halted run, does not stop it. Clear drops the request too.
TEST_F(EngineHaltThread, EveryRunAndClearStartsWithoutAHaltRequest) {
  Engine.Halt();
  EXPECT_TRUE(Engine.HaltRequested());
  EXPECT_EQ(Engine.Run(5), 5);
  EXPECT_EQ(LastSeen, 4);

  int32_t fired = RunUntilHaltedFromAnotherThread();
  EXPECT_GT(fired, 0);
  int32_t before = LastSeen;
  EXPECT_EQ(Engine.Run(5), 5);  // goes on where the halted run stopped
  EXPECT_EQ(LastSeen, before + 5);

  Engine.Halt();
  Engine.Clear();
  EXPECT_FALSE(Engine.HaltRequested());
}

// A Stop button pressed over and over while runs come and go: the requests
// may land anywhere, and no run goes past its step limit.
TEST_F(EngineHaltThread, HaltsAtAnyTimeDuringRepeatedRuns) {
  std::atomic<bool> done = false;
  std::thread stopper([&] {
    while (!done.load()) {
      Engine.Halt();
      std::this_thread::sleep_for(100us);
    }
  });
  int32_t total = 0;
  for (int i = 0; i < 20; ++i) {
    int32_t fired = Engine.Run(50);
    EXPECT_LE(fired, 50);
    total += fired;
  }
  done.store(true);
  stopper.join();
  EXPECT_EQ(LastSeen, total - 1);
}

}  // namespace
}  // namespace vettora::testing
