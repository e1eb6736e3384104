#pragma once
// TInlineVector<T, N>: a list of known size taken aside for one loop (a
// copy that stays valid while the loop runs code that may change the
// original). Up to N elements live inside the object, so the usual short
// list costs no allocation; a longer one goes to the heap.

#include <array>
#include <cstddef>
#include <vector>

namespace vettora {

template <class T, size_t N>
class TInlineVector {
 public:
  // Room for `capacity` elements; Add beyond that is ignored.
  explicit TInlineVector(size_t capacity) : FCapacity(capacity) {
    if (capacity > N) FHeap.resize(capacity);
    FItems = capacity > N ? FHeap.data() : FInline.data();
  }
  TInlineVector(const TInlineVector&) = delete;
  TInlineVector& operator=(const TInlineVector&) = delete;

  void Add(T item) {
    if (FCount < FCapacity) FItems[FCount++] = std::move(item);
  }
  [[nodiscard]] size_t Count() const { return FCount; }
  [[nodiscard]] const T* begin() const { return FItems; }
  [[nodiscard]] const T* end() const { return FItems + FCount; }

 private:
  std::array<T, N> FInline{};
  std::vector<T> FHeap;
  T* FItems = nullptr;
  size_t FCapacity;
  size_t FCount = 0;
};

}  // namespace vettora
