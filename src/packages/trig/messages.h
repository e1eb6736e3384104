#pragma once
// Texts of the trigonometry package.

namespace vettora {

// A result that is not a number: the argument lies outside the function's
// domain (acos of 2, asin of -1.5, ...).
inline constexpr const char* kOutsideDomain = "The argument %s is outside the domain of %s";
// An infinite result: the argument is a pole of the function (cot of 0)
// or the result is beyond the range of a float (cosh of 1000).
inline constexpr const char* kInfiniteResult = "The result of %s is infinite for the argument %s";
inline constexpr const char* kMultifieldLengthsDiffer =
    "Invalid multifield arguments, the two multifields must be of the same length";

inline constexpr const char* kTrigNumericArgument = " <numeric-expression>";
inline constexpr const char* kTrigPointArguments = " <numeric-expression-X> <numeric-expression-Y>";
inline constexpr const char* kTrigMultifieldArguments =
    " <multifield-expression-1> <multifield-expression-2>";

}  // namespace vettora
