// CheckStackSpace: the current frame's address against the lowest address
// of the thread's stack (stacks grow downwards on every platform we build
// for).
#include "values/stack_space.h"

#include <pthread.h>

#include <cstdint>

#include "values/exceptions.h"
#include "values/format.h"
#include "values/messages.h"

namespace vettora {

namespace {

// The lowest address the calling thread's stack may reach before a check
// fails, or 0 when the system does not tell (then nothing is checked).
uintptr_t StackLimit() {
  pthread_attr_t attributes;
  if (pthread_getattr_np(pthread_self(), &attributes) != 0) return 0;
  void* low = nullptr;
  size_t size = 0;
  int failed = pthread_attr_getstack(&attributes, &low, &size);
  pthread_attr_destroy(&attributes);
  if (failed != 0 || low == nullptr) return 0;
  size_t reserve = size < 4 * kStackReserve ? size / 4 : kStackReserve;
  return reinterpret_cast<uintptr_t>(low) + reserve;
}

}  // namespace

void CheckStackSpace(const char* what) {
  static thread_local const uintptr_t tLimit = StackLimit();
  if (tLimit == 0) return;
  // The frame address, not a local's: sanitizers may move locals to a heap
  // "fake stack".
  auto here = reinterpret_cast<uintptr_t>(__builtin_frame_address(0));
  if (here < tLimit) throw EIEException(FormatMessage(kStackExhausted, {what}));
}

}  // namespace vettora
