#pragma once
// Texts of the string package.

namespace vettora {

inline constexpr const char* kInvalidSubstringParameters = "Invalid substring parameters: %d, %d";

inline constexpr const char* kSymCatHelp =
    "Returns all of its arguments concatenated into a symbol";
inline constexpr const char* kLowCaseHelp =
    "Returns the argument with its letters A-Z in lower case, as a symbol for a symbol and a "
    "string otherwise";
inline constexpr const char* kStrCatHelp =
    "Returns all of its arguments concatenated into a string";
inline constexpr const char* kStrCompareHelp =
    "Returns an integer that is negative, 0 or positive when the first argument sorts before, "
    "equal to or after the second, comparing character codes";
inline constexpr const char* kStrIndexHelp =
    "Returns the position of the first argument within the second, counting from 1, or FALSE "
    "when it does not occur";
inline constexpr const char* kStrLengthHelp = "Returns the number of characters of the argument";
inline constexpr const char* kSubStringHelp =
    "Returns the string of the characters from the start position to the end position (both "
    "included, counting from 1) of the third argument";
inline constexpr const char* kUpCaseHelp =
    "Returns the argument with its letters a-z in upper case, as a symbol for a symbol and a "
    "string otherwise";

}  // namespace vettora
