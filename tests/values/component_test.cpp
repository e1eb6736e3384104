#include "values/component.h"

#include <gtest/gtest.h>

namespace vettora {
namespace {

struct TWatcher : TComponent {
  using TComponent::TComponent;
  std::vector<TComponent*> Removed;
  void Notification(TComponent* c, TOperation op) override {
    if (op == opRemove) Removed.push_back(c);
  }
};

TEST(ComponentTest, OwnerFreesChildrenAndObserversAreTold) {
  auto* owner = new TComponent();
  auto* child = new TComponent(owner);
  child->SetName("child");
  EXPECT_EQ(owner->ComponentCount(), 1);
  EXPECT_EQ(owner->FindComponent("child"), child);
  TWatcher watcher;
  watcher.FreeNotification(child);
  delete owner;  // frees the child, which tells the watcher
  ASSERT_EQ(watcher.Removed.size(), 1u);
  EXPECT_EQ(watcher.Removed[0], child);
}

TEST(ComponentTest, ObserverDestroyedFirstUnlinksItself) {
  TComponent subject;
  {
    TWatcher watcher;
    watcher.FreeNotification(&subject);
  }
  // Destroying the subject must not reach the gone watcher (ASan checks).
  SUCCEED();
}

}  // namespace
}  // namespace vettora
