#pragma once
// A guard against running out of the C++ stack. The rule language can nest
// without bound where no counter of its own applies: a rule's actions run
// the engine again, `parse`, `load` and `batch` execute texts that may call
// back into themselves. Each such nesting point asks here first, and a
// nesting that would leave less than kStackReserve bytes of the thread's
// stack is an error instead of a crash.
//
// The reserve covers the deepest work done between two checks (the parser
// nests up to 500 groups, sanitizer builds use larger frames): 1 MB, or a
// quarter of a smaller thread's stack, so that such a thread can still
// nest as deep as its stack allows.

#include <cstddef>

namespace vettora {

inline constexpr size_t kStackReserve = size_t(1) << 20;

// Raises EIEException (kStackExhausted, naming `what`) when the calling
// thread's stack has less than its reserve left. Cheap: the stack's bounds
// are looked up once per thread.
void CheckStackSpace(const char* what);

}  // namespace vettora
