#pragma once
// TGInterfaceList: the ordered list of counted references behind value lists
// and the engine's stacks and queues. Its capacity grows in the fixed steps
// callers can observe (a quarter above 64, 16 from 9 to 64, 4 below 9).

#include <cstdint>
#include <vector>

#include "values/counted.h"
#include "values/exceptions.h"
#include "values/format.h"
#include "values/messages.h"

namespace vettora {

template <class T>
class TGInterfaceList {
 public:
  static constexpr int32_t MaxListSize = 134217727;

  [[nodiscard]] int32_t Count() const { return int32_t(FItems.size()); }
  [[nodiscard]] int32_t Capacity() const { return FCapacity; }

  [[nodiscard]] const Ref<T>& Items(int32_t i) const {
    CheckIndex(i, Count() - 1);
    return FItems[size_t(i)];
  }
  void SetItems(int32_t i, Ref<T> item) {
    CheckIndex(i, Count() - 1);
    FItems[size_t(i)] = std::move(item);
  }

  int32_t Add(Ref<T> item) {
    if (Count() == FCapacity) Grow();
    FItems.push_back(std::move(item));
    return Count() - 1;
  }
  void Insert(int32_t i, Ref<T> item) {
    CheckIndex(i, Count());
    if (Count() == FCapacity) Grow();
    FItems.insert(FItems.begin() + i, std::move(item));
  }
  void Delete(int32_t i) {
    CheckIndex(i, Count() - 1);
    FItems.erase(FItems.begin() + i);
  }
  // Removes the first occurrence of this very object; returns its old index.
  int32_t Remove(const Ref<T>& item) {
    int32_t i = IndexOf(item);
    if (i >= 0) Delete(i);
    return i;
  }
  void Clear() {
    FItems.clear();
    FItems.shrink_to_fit();
    FCapacity = 0;
  }
  [[nodiscard]] int32_t IndexOf(const Ref<T>& item) const {
    for (size_t i = 0; i < FItems.size(); ++i)
      if (FItems[i].Get() == item.Get()) return int32_t(i);
    return -1;
  }
  [[nodiscard]] const Ref<T>& First() const { return Items(0); }
  [[nodiscard]] const Ref<T>& Last() const { return Items(Count() - 1); }

  void SetCapacity(int32_t capacity) {
    if (capacity < Count() || capacity > MaxListSize)
      throw EListError(FormatMessage(kListCapacityError, {capacity}));
    FCapacity = capacity;
    FItems.reserve(size_t(capacity));
  }
  // A larger count appends empty entries, a smaller one drops from the end.
  void SetCount(int32_t count) {
    if (count < 0 || count > MaxListSize)
      throw EListError(FormatMessage(kListCountError, {count}));
    if (count > FCapacity) SetCapacity(count);
    FItems.resize(size_t(count));
  }

  auto begin() const { return FItems.begin(); }
  auto end() const { return FItems.end(); }

 private:
  void CheckIndex(int32_t i, int32_t max) const {
    if (i < 0 || i > max) throw EListError(FormatMessage(kListIndexError, {i}));
  }
  void Grow() {
    int32_t delta = FCapacity > 64 ? FCapacity / 4 : (FCapacity > 8 ? 16 : 4);
    SetCapacity(FCapacity + delta);
  }

  std::vector<Ref<T>> FItems;
  int32_t FCapacity = 0;
};

// Last-in-first-out stack on the interface list.
template <class T>
class TGInterfaceStack {
 public:
  void Push(Ref<T> item) { FList.Add(std::move(item)); }
  Ref<T> Pop() {
    Ref<T> top = Peek();
    FList.Delete(FList.Count() - 1);
    return top;
  }
  [[nodiscard]] const Ref<T>& Peek() const {
    if (FList.Count() == 0) throw EListError(kListEmpty);
    return FList.Last();
  }
  [[nodiscard]] int32_t Count() const { return FList.Count(); }
  [[nodiscard]] bool Empty() const { return FList.Count() == 0; }
  void Clear() { FList.Clear(); }

 private:
  TGInterfaceList<T> FList;
};

// First-in-first-out queue on the interface list. Popping advances a head
// index and compacts only when half the list is consumed, so a pop is O(1)
// amortised.
template <class T>
class TGInterfaceQueue {
 public:
  void Push(Ref<T> item) { FList.Add(std::move(item)); }
  Ref<T> Pop() {
    Ref<T> front = Peek();
    FList.SetItems(FHead++, nullptr);
    if (FHead * 2 >= FList.Count()) Compact();
    return front;
  }
  [[nodiscard]] const Ref<T>& Peek() const {
    if (Empty()) throw EListError(kListEmpty);
    return FList.Items(FHead);
  }
  [[nodiscard]] int32_t Count() const { return FList.Count() - FHead; }
  [[nodiscard]] bool Empty() const { return Count() == 0; }
  void Clear() {
    FList.Clear();
    FHead = 0;
  }

 private:
  void Compact() {
    TGInterfaceList<T> rest;
    for (int32_t i = FHead; i < FList.Count(); ++i) rest.Add(FList.Items(i));
    FList = std::move(rest);
    FHead = 0;
  }

  TGInterfaceList<T> FList;
  int32_t FHead = 0;
};

}  // namespace vettora
