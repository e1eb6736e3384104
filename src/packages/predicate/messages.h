#pragma once
// Texts of the predicate package.

namespace vettora {

// A type test's help text; %s is the list of accepted kinds.
inline constexpr const char* kVerifyTypeHelp =
    "Returns TRUE if the argument is of the following type(s): %s.  If the argument is any "
    "other type, FALSE is returned";
// Stands for the kind list of a type test that accepts no kind.
inline constexpr const char* kNoValueTypes = "NONE";
inline constexpr const char* kVerifyTypeArguments = " <expression>";

inline constexpr const char* kEvenPHelp =
    "Returns TRUE if the argument is an even integer, FALSE otherwise";
inline constexpr const char* kOddPHelp =
    "Returns TRUE if the argument is an odd integer, FALSE otherwise";
inline constexpr const char* kGetTypeHelp = "Returns the type of the argument";

}  // namespace vettora
