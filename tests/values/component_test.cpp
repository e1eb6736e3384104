#include "values/component.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

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

TEST(ComponentTest, ChildrenFreedInAnyOrderLeaveTheOthersInInsertionOrder) {
  TComponent owner;
  std::vector<TComponent*> children;
  for (int i = 0; i < 6; ++i) children.push_back(new TComponent(&owner));
  delete children[5];  // the newest
  delete children[0];  // the oldest
  delete children[2];
  ASSERT_EQ(owner.ComponentCount(), 3);
  EXPECT_EQ(owner.Components(0), children[1]);
  EXPECT_EQ(owner.Components(1), children[3]);
  EXPECT_EQ(owner.Components(2), children[4]);
  // Observers are unlinked one by one too: only the ones still listed are
  // told, by name here as the pointers are gone afterwards.
  struct TNameWatcher : TComponent {
    std::vector<std::string> Removed;
    void Notification(TComponent* c, TOperation op) override {
      if (op == opRemove) Removed.push_back(c->Name());
    }
  } watcher;
  for (int i : {1, 3, 4}) {
    children[size_t(i)]->SetName("c" + std::to_string(i));
    watcher.FreeNotification(children[size_t(i)]);
  }
  watcher.RemoveFreeNotification(children[3]);
  delete children[3];
  delete children[1];
  EXPECT_EQ(watcher.Removed, std::vector<std::string>{"c1"});
}

}  // namespace
}  // namespace vettora
