// Counted handles: the first handle, an object that counts a handle to
// itself while being made, and counts kept right by handles on several
// threads.
#include "values/counted.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

namespace vettora {
namespace {

// Counts its destructions; may keep a handle to itself until Drop.
class TTracked : public TCounted {
 public:
  TTracked(int& destroyed, bool holdSelf) : FDestroyed(destroyed) {
    if (holdSelf) FSelf = this;
  }
  ~TTracked() override { ++FDestroyed; }
  void Drop() { FSelf = nullptr; }

 private:
  int& FDestroyed;
  Ref<TTracked> FSelf;
};

TEST(CountedTest, FirstHandlesAndTheLastRelease) {
  int destroyed = 0;
  Ref<TTracked> plain = MakeRef<TTracked>(destroyed, false);
  EXPECT_EQ(plain->RefCount(), 1);
  Ref<TTracked> self = MakeRef<TTracked>(destroyed, true);
  EXPECT_EQ(self->RefCount(), 2);  // its own handle was counted first
  self->Drop();
  EXPECT_EQ(self->RefCount(), 1);
  EXPECT_EQ(destroyed, 0);
  self = nullptr;
  plain = nullptr;
  EXPECT_EQ(destroyed, 2);
}

TEST(CountedTest, HandlesOnSeveralThreadsFreeTheObjectOnce) {
  int destroyed = 0;
  for (int round = 0; round < 50; ++round) {
    Ref<TTracked> shared = MakeRef<TTracked>(destroyed, false);
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
      threads.emplace_back([held = shared]() mutable {
        for (int i = 0; i < 1000; ++i) Ref<TTracked> copy = held;
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
