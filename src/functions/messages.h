#pragma once
// Message templates of function calls, deffunctions, host functions and
// packages, shared by code and tests.

namespace vettora {

// ---- Function calls, deffunctions and packages -----------------------------
inline constexpr const char* kTooFewArguments = "Too few arguments for %s";
inline constexpr const char* kTooManyArguments = "Too many arguments for %s";
inline constexpr const char* kFunctionUnimplemented = "Function is unimplemented or unassigned: %s";
inline constexpr const char* kFunctionCallError = "%s error: %s";
inline constexpr const char* kInvalidDeffunctionParameter =
    "Invalid argument type for deffunction: \"%s\".  Expected %s";
inline constexpr const char* kFunctionNamesDoNotMatch = "Function names do not match: %s and %s";
inline constexpr const char* kFunctionNameExists = "Function Name already exists: \"%s\"";
inline constexpr const char* kFunctionNeedsContext = "No evaluation context for function %s";
inline constexpr const char* kDeffunctionTooDeep =
    "Deffunction calls nested too deeply (more than %d levels) in %s";
inline constexpr const char* kUnknownFunctionClass = "Unknown function class: %s";
// ---- end of function calls, deffunctions and packages ----------------------

}  // namespace vettora

namespace vettora {

// ---- Math package ------------------------------------------------------------
inline constexpr const char* kExpectedNumericArgument =
    "Expected numeric argument to %s function call";
inline constexpr const char* kIntegerDivisionByZero = "Division by zero";
inline constexpr const char* kFloatDivisionByZero = "Floating point division by zero";
inline constexpr const char* kIntegerOverflow =
    "Integer overflow in %s: the result does not fit in 32 bits";
inline constexpr const char* kRandomBoundNotPositive =
    "The upper bound of %s must be positive, not %d";
// ---- end of math package -------------------------------------------------------

// A built-in package's table names one function and its maker builds another.
inline constexpr const char* kPackageTableMismatch = "Package table entry %s makes function %s";

}  // namespace vettora
