#include "values/interface_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "values/exceptions.h"
#include "values/messages.h"

namespace vettora {
namespace {

struct TItem : TCounted {
  explicit TItem(int v = 0) : V(v) {}
  int V;
};
using IItem = Ref<TItem>;

template <class F>
std::string ListError(F f) {
  try {
    f();
  } catch (const EListError& e) {
    return e.what();
  }
  return "<no error>";
}

TEST(InterfaceList, GrowthSteps) {
  TGInterfaceList<TItem> list;
  std::vector<int32_t> capacities;
  for (int i = 0; i < 120; ++i) {
    int32_t before = list.Capacity();
    list.Add(MakeRef<TItem>(i));
    if (list.Capacity() != before) capacities.push_back(list.Capacity());
  }
  // +4 below 9, +16 from 9 to 64, then a quarter.
  EXPECT_EQ(capacities, (std::vector<int32_t>{4, 8, 12, 28, 44, 60, 76, 95, 118, 147}));
  // Insert grows the same way.
  TGInterfaceList<TItem> other;
  other.SetCapacity(64);
  other.SetCount(64);
  other.Insert(0, MakeRef<TItem>());
  EXPECT_EQ(other.Capacity(), 80);
  other.Clear();
  EXPECT_EQ(other.Capacity(), 0);
  EXPECT_EQ(other.Count(), 0);
}

TEST(InterfaceList, IndexCapacityAndCountErrors) {
  TGInterfaceList<TItem> list;
  IItem a = MakeRef<TItem>(1);
  list.Add(a);
  EXPECT_EQ(ListError([&] { (void)list.Items(1); }), "List index out of bounds (1)");
  EXPECT_EQ(ListError([&] { (void)list.Items(-1); }), "List index out of bounds (-1)");
  EXPECT_EQ(ListError([&] { list.Delete(1); }), "List index out of bounds (1)");
  EXPECT_EQ(ListError([&] { list.Insert(2, a); }), "List index out of bounds (2)");
  EXPECT_EQ(ListError([&] { list.SetCapacity(0); }), "List capacity out of bounds (0)");
  EXPECT_EQ(ListError([&] { list.SetCapacity(134217728); }),
            "List capacity out of bounds (134217728)");
  EXPECT_EQ(ListError([&] { list.SetCount(-1); }), "List count out of bounds (-1)");
  EXPECT_EQ(ListError([&] { list.SetCount(134217728); }), "List count out of bounds (134217728)");
  list.SetCount(3);  // appends empty entries
  EXPECT_EQ(list.Count(), 3);
  EXPECT_EQ(list.Items(2), nullptr);
  list.SetCount(1);  // drops from the end
  EXPECT_EQ(list.Items(0), a);
  EXPECT_EQ(a->RefCount(), 2);
}

TEST(InterfaceList, IdentityInsertAndRemove) {
  TGInterfaceList<TItem> list;
  IItem a = MakeRef<TItem>(1);
  IItem twin = MakeRef<TItem>(1);
  IItem b = MakeRef<TItem>(2);
  list.Add(a);
  list.Insert(1, b);  // at Count: appends
  list.Insert(0, b);
  EXPECT_EQ(list.IndexOf(a), 1);
  EXPECT_EQ(list.IndexOf(b), 0);      // the first occurrence
  EXPECT_EQ(list.IndexOf(twin), -1);  // equal content is not the same object
  EXPECT_EQ(list.Remove(b), 0);
  EXPECT_EQ(list.First(), a);
  EXPECT_EQ(list.Last(), b);
  list.SetItems(1, twin);
  EXPECT_EQ(list.IndexOf(twin), 1);
  EXPECT_EQ(b->RefCount(), 1);
  list.Clear();
  EXPECT_EQ(a->RefCount(), 1);
}

TEST(InterfaceList, StackAndQueue) {
  TGInterfaceStack<TItem> stack;
  TGInterfaceQueue<TItem> queue;
  EXPECT_EQ(ListError([&] { stack.Pop(); }), kListEmpty);
  EXPECT_EQ(ListError([&] { (void)stack.Peek(); }), kListEmpty);
  EXPECT_EQ(ListError([&] { queue.Pop(); }), kListEmpty);
  EXPECT_EQ(ListError([&] { (void)queue.Peek(); }), kListEmpty);
  for (int i = 1; i <= 3; ++i) {
    stack.Push(MakeRef<TItem>(i));
    queue.Push(MakeRef<TItem>(i));
  }
  EXPECT_EQ(stack.Peek()->V, 3);
  EXPECT_EQ(queue.Peek()->V, 1);
  std::vector<int> popped;
  while (!stack.Empty()) popped.push_back(stack.Pop()->V);
  while (!queue.Empty()) popped.push_back(queue.Pop()->V);
  EXPECT_EQ(popped, (std::vector<int>{3, 2, 1, 1, 2, 3}));
}

}  // namespace
}  // namespace vettora
