#pragma once
// TRecycler<T, Limit>: the memory of a class whose objects are made and dropped by
// the hundred thousand (tokens, facts, values, activations). A freed block
// goes on a free list of the thread and is handed out again to the next
// object of the class, sparing the allocator's bookkeeping on both ends.
//
// Only blocks of exactly sizeof(T) are kept: a derived class of another
// size uses the heap. The list is plain data, so an object dropped while
// the thread's objects are being destroyed still finds it, and it keeps at
// most Limit blocks, so a burst of frees does not pin its peak for good;
// what it holds when a thread ends stays allocated. Sanitizer builds use
// the heap for every object, so that one used after it was freed is caught.
//
// A class opts in with
//   static void* operator new(size_t size) { return TRecycler<T>::Allocate(size); }
//   static void operator delete(void* p, size_t size) noexcept { TRecycler<T>::Free(p, size); }

#include <cstddef>
#include <cstdint>
#include <new>

#include "values/address_sanitizer.h"

namespace vettora {

template <class T, size_t Limit = 4096>
class TRecycler {
 public:
  static void* Allocate(size_t size) {
    if (!kEnabled || size != sizeof(T) || !tFree) return ::operator new(size);
    TFreeBlock* block = tFree;
    tFree = block->Next;
    --tCount;
    return block;
  }

  static void Free(void* memory, size_t size) noexcept {
    if (!kEnabled || size != sizeof(T) || tCount >= Limit) {
      ::operator delete(memory);
      return;
    }
    tFree = new (memory) TFreeBlock{tFree};
    ++tCount;
  }

  // Blocks waiting on this thread's list.
  [[nodiscard]] static size_t Kept() noexcept { return tCount; }

  static constexpr bool kEnabled = !VETTORA_ADDRESS_SANITIZER;

 private:
  struct TFreeBlock {
    TFreeBlock* Next;
  };
  static_assert(sizeof(T) >= sizeof(TFreeBlock));

  static inline thread_local TFreeBlock* tFree = nullptr;
  static inline thread_local size_t tCount = 0;
};

}  // namespace vettora
