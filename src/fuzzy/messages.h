#pragma once
// Message templates of the fuzzy layer, shared by code and tests.

namespace vettora {

// Fuzzy sets.
inline constexpr const char* kFuzzyRangeError =
    "Invalid range arguments.  Left (%.4f) is greater than right (%.4f)";
inline constexpr const char* kFuzzyXRangeIndex = "Invalid index argument to GetXRange.  Index = %d";
inline constexpr const char* kFuzzySetEmpty = "Invalid operation: %s.  Fuzzy set is empty";
inline constexpr const char* kFuzzyGetMaximumY = "Get Maximum Y Value";
inline constexpr const char* kFuzzyGetMinimumY = "Get Minimum Y Value";
inline constexpr const char* kFuzzyInvalidOperation = "Invalid fuzzy operation: %s";
inline constexpr const char* kFuzzyReservedName =
    "Invalid fuzzy set name, \"%s\" is a reserved word";
inline constexpr const char* kFuzzyDivisionByZero = "Floating point division by zero";

// Fuzzy variables and fuzzy expressions.
inline constexpr const char* kFuzzyVariableNotDefined = "fuzzy variable is not defined";
inline constexpr const char* kFuzzyInvalidItem = "Invalid item in fuzzy expression: %s";
inline constexpr const char* kFuzzyMissingCloseBracket =
    "Missing Fuzzy Close Bracket in expression";
inline constexpr const char* kFuzzyMissingOpenBracket = "Missing Fuzzy Open Bracket in expression";
inline constexpr const char* kFuzzyMissingOperand =
    "Missing fuzzy operand to be modified by hedge: %s";

// Names of the special term and of the automatic terms.
inline constexpr const char* kEmptyTermName = "__Empty";
inline constexpr const char* kAutoTermLow = "low";
inline constexpr const char* kAutoTermMedium = "medium";
inline constexpr const char* kAutoTermHigh = "high";

}  // namespace vettora
