#pragma once
// Message templates of the object package, shared by code and tests.

namespace vettora {

inline constexpr const char* kObjClassNotFound = "Class not registered: %s";
inline constexpr const char* kObjPropertyNotFound = "Property %s not found in %s";
inline constexpr const char* kObjNotAComponent = "Object of class %s is not a component";

}  // namespace vettora
