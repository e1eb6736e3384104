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
inline constexpr const char* kStackExhausted = "%s nested too deeply: the stack is nearly used up";

// Hash tables and the directed graph.
inline constexpr const char* kHashArgumentNull = "Argument is null";
inline constexpr const char* kHashTableEmpty = "Table is empty";
inline constexpr const char* kHashNoSuchElement = "No such element";
inline constexpr const char* kHashNoSuchElementKey = "No such element: %s";
inline constexpr const char* kHashNonEmptyTable =
    "Cannot perform this operation with non-empty table";
inline constexpr const char* kHashIllegalNextKey =
    "Illegal NextElement Call, must be iterating over the keys";
inline constexpr const char* kHashLoadFactorError = "Load factor out of bounds (%s)";
inline constexpr const char* kHashCapacityError = "Hash table capacity out of bounds (%u)";
inline constexpr const char* kHashChangedWhileEnumerating = "Table changed during enumeration";
inline constexpr const char* kGraphNodeUnconnected = "Node \"%s\" is unconnected to any graph";
inline constexpr const char* kGraphEdgeNodes = "Edge must be created with two valid nodes";
inline constexpr const char* kGraphNodeCounterOverflow = "Node counter overflow";
inline constexpr const char* kGraphInvalidNode = "Invalid graph node";

// ---- Stored properties ------------------------------------------------------
inline constexpr const char* kPropertyNotFound = "Stored property not found: %s";
inline constexpr const char* kPropertyWrongKind =
    "Stored property %s is not of the kind expected (%s)";
inline constexpr const char* kInvalidStoredProperties = "Invalid stored properties: %s";
inline constexpr const char* kPropertyFileOpen = "Cannot open file \"%s\"";
inline constexpr const char* kPropertyFileCreate = "Cannot create file \"%s\"";
inline constexpr const char* kNoFuzzyValueBuilder =
    "No fuzzy value builder is registered to evaluate the singleton list %s";
// ---- end of stored properties -----------------------------------------------

}  // namespace vettora
