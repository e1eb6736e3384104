// Counted handles: the first handle, sharing, the last release, objects
// that count a handle to themselves while being made, and counts kept
// right by handles on several threads.
#include "values/counted.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

namespace vettora {
namespace {

// Counts its destructions into a counter the test owns.
class TTracked : public TCounted {
 public:
  explicit TTracked(int& destroyed) : FDestroyed(destroyed) {}
  ~TTracked() override { ++FDestroyed; }

 private:
  int& FDestroyed;
};

// Keeps a handle to itself from its constructor until Drop.
class TSelfHeld : public TTracked {
 public:
  explicit TSelfHeld(int& destroyed) : TTracked(destroyed), FSelf(this) {}
  void Drop() { FSelf = nullptr; }

 private:
  Ref<TSelfHeld> FSelf;
};

// A second base before the counted one: the object starts elsewhere.
struct TPadding {
  virtual ~TPadding() = default;
  char Bytes[40] = {};
};
class TSecondBase : public TPadding, public TTracked {
 public:
  using TTracked::TTracked;
};

TEST(CountedTest, FirstHandleCountsOneAndLastReleaseFrees) {
  int destroyed = 0;
  Ref<TTracked> a = MakeRef<TTracked>(destroyed);
  EXPECT_EQ(a->RefCount(), 1);
  {
    Ref<TTracked> b = a;
    Ref<TTracked> c(a.Get());
    EXPECT_EQ(a->RefCount(), 3);
  }
  EXPECT_EQ(a->RefCount(), 1);
  EXPECT_EQ(destroyed, 0);
  a = nullptr;
  EXPECT_EQ(destroyed, 1);
}

TEST(CountedTest, ObjectHoldingItselfWhileMadeIsCountedTwice) {
  int destroyed = 0;
  Ref<TSelfHeld> made = MakeRef<TSelfHeld>(destroyed);
  EXPECT_EQ(made->RefCount(), 2);
  made->Drop();
  EXPECT_EQ(made->RefCount(), 1);
  EXPECT_EQ(destroyed, 0);
  made = nullptr;
  EXPECT_EQ(destroyed, 1);
}

TEST(CountedTest, ReleaseThroughASecondBaseFreesTheWholeObject) {
  int destroyed = 0;
  Ref<TTracked> held = MakeRef<TSecondBase>(destroyed);
  Ref<TTracked> other = held;
  held = nullptr;
  EXPECT_EQ(destroyed, 0);
  other = nullptr;
  EXPECT_EQ(destroyed, 1);
}

TEST(CountedTest, HandlesOnSeveralThreadsFreeTheObjectOnce) {
  int destroyed = 0;
  for (int round = 0; round < 50; ++round) {
    Ref<TTracked> shared = MakeRef<TTracked>(destroyed);
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
      threads.emplace_back([held = shared]() mutable {
        for (int i = 0; i < 1000; ++i) {
          Ref<TTracked> copy = held;
          Ref<TTracked> moved = std::move(copy);
        }
        held = nullptr;  // may be the last handle
      });
    }
    shared = nullptr;
    for (std::thread& thread : threads) thread.join();
  }
  EXPECT_EQ(destroyed, 50);
}

}  // namespace
}  // namespace vettora
