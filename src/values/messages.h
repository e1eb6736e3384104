#pragma once
// Message templates of values and containers, shared by code and tests.

namespace vettora {

// Interface list, stack and queue.
inline constexpr const char* kListIndexError = "List index out of bounds (%d)";
inline constexpr const char* kListCapacityError = "List capacity out of bounds (%d)";
inline constexpr const char* kListCountError = "List count out of bounds (%d)";
inline constexpr const char* kListEmpty = "list is empty";

// Values.
inline constexpr const char* kValueTypeMismatch = "Value and type mismatch";
inline constexpr const char* kNotAType = "Not a %s type.  Value (%s) is a %s type";
inline constexpr const char* kCorruptedBinding = "Corrupted Binding, variable not found: %s";
inline constexpr const char* kNoContext = "No context found when trying to resolve a %s value";
inline constexpr const char* kCannotCopyObject = "Cannot copy an owned object of class %s";
inline constexpr const char* kIntegerOutOfRange = "Value (%s) does not fit in a 32-bit integer";

}  // namespace vettora
