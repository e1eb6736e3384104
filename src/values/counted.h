#pragma once
// Intrusive reference counting: the base of every shared object of the
// engine (values, facts, templates, functions, tokens, fuzzy sets) and the
// handle type `Ref<T>` through which they are held.

#include <atomic>
#include <cstdint>
#include <utility>

namespace vettora {

// A shared object counts the handles that hold it and deletes itself when the
// last one lets go. A new object starts at 0; the first Ref takes it to 1.
// Counts change atomically; nothing else about a shared object is
// synchronised.
//
// Two moments need no read-modify-write: a handle that sees a count of 1
// is the only holder (any other would have to hold a handle too), so it
// frees the object without decrementing; and MakeRef's first handle to an
// object nobody else can see yet stores the 1. Both keep every change of a
// count visible to other threads, and spare the locked instruction that
// otherwise dominates the cost of a short-lived object.
class TCounted {
 public:
  TCounted() = default;
  TCounted(const TCounted&) : FRefCount(0) {}
  TCounted& operator=(const TCounted&) { return *this; }
  virtual ~TCounted() = default;

  void AddRef() const noexcept { FRefCount.fetch_add(1, std::memory_order_relaxed); }
  void Release() const noexcept {
    if (FRefCount.load(std::memory_order_acquire) == 1 ||
        FRefCount.fetch_sub(1, std::memory_order_acq_rel) == 1)
      Destroy();
  }
  // The first handle to an object just made: a constructor that kept a
  // handle to itself has already counted, so that one is added to.
  void AddFirstRef() const noexcept {
    if (FRefCount.load(std::memory_order_relaxed) == 0)
      FRefCount.store(1, std::memory_order_relaxed);
    else
      AddRef();
  }
  [[nodiscard]] int32_t RefCount() const noexcept {
    return FRefCount.load(std::memory_order_relaxed);
  }

 private:
  // Out of line: the virtual destructor finds the object's start, which
  // inlined code seen through a secondary base cannot show the compiler.
  [[gnu::noinline]] void Destroy() const noexcept { delete this; }

  mutable std::atomic<int32_t> FRefCount{0};
};

// Handle to a counted object; an empty handle means "no value".
template <class T>
class Ref {
 public:
  Ref() noexcept = default;
  Ref(std::nullptr_t) noexcept {}
  Ref(T* p) noexcept : FPtr(p) {  // NOLINT: implicit, like an interface assignment
    if (FPtr) FPtr->AddRef();
  }
  Ref(const Ref& other) noexcept : Ref(other.FPtr) {}
  Ref(Ref&& other) noexcept : FPtr(std::exchange(other.FPtr, nullptr)) {}
  template <class U>
    requires std::is_convertible_v<U*, T*>
  Ref(const Ref<U>& other) noexcept : Ref(static_cast<T*>(other.Get())) {}
  template <class U>
    requires std::is_convertible_v<U*, T*>
  Ref(Ref<U>&& other) noexcept : FPtr(other.Detach()) {}
  ~Ref() {
    if (FPtr) FPtr->Release();
  }

  Ref& operator=(const Ref& other) noexcept {
    Ref(other).Swap(*this);
    return *this;
  }
  Ref& operator=(Ref&& other) noexcept {
    Ref(std::move(other)).Swap(*this);
    return *this;
  }
  Ref& operator=(std::nullptr_t) noexcept {
    Ref().Swap(*this);
    return *this;
  }

  [[nodiscard]] T* Get() const noexcept { return FPtr; }
  T* operator->() const noexcept { return FPtr; }
  T& operator*() const noexcept { return *FPtr; }
  explicit operator bool() const noexcept { return FPtr != nullptr; }
  void Swap(Ref& other) noexcept { std::swap(FPtr, other.FPtr); }

  // Gives up the reference without releasing it.
  [[nodiscard]] T* Detach() noexcept { return std::exchange(FPtr, nullptr); }

  // The first handle to an object just made (MakeRef).
  [[nodiscard]] static Ref AdoptNew(T* p) noexcept {
    Ref r;
    r.FPtr = p;
    p->AddFirstRef();
    return r;
  }

  friend bool operator==(const Ref& a, const Ref& b) noexcept { return a.FPtr == b.FPtr; }
  friend bool operator==(const Ref& a, std::nullptr_t) noexcept { return a.FPtr == nullptr; }

 private:
  T* FPtr = nullptr;
};

// Creates a counted object and returns the first handle to it.
template <class T, class... Args>
[[nodiscard]] Ref<T> MakeRef(Args&&... args) {
  return Ref<T>::AdoptNew(new T(std::forward<Args>(args)...));
}

// A checked downcast between handles; empty when the object is not a U.
template <class U, class T>
[[nodiscard]] Ref<U> RefCast(const Ref<T>& r) noexcept {
  return Ref<U>(dynamic_cast<U*>(r.Get()));
}

}  // namespace vettora
