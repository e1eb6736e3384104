#pragma once
// Texts of the business package.

namespace vettora {

inline constexpr const char* kInvalidPaymentTime =
    "Invalid payment time: %s.  Expected ptEndOfPeriod or ptStartOfPeriod";
inline constexpr const char* kPeriodOutOfRange = "The period %d of %s is not between 1 and %d";
inline constexpr const char* kNoFiniteResult = "%s has no finite result for these arguments";
inline constexpr const char* kNoConvergence =
    "%s found no rate: the iteration did not converge within %d steps";

// Argument items of the signatures.
inline constexpr const char* kRateArg = " <rate-numeric-expression>";
inline constexpr const char* kPeriodsArg = " <num-periods-integer-expression>";
inline constexpr const char* kPaymentArg = " <payment-numeric-expression>";
inline constexpr const char* kPresentValueArg = " <present-value-numeric-expression>";
inline constexpr const char* kFutureValueArg = " <future-value-numeric-expression>";
inline constexpr const char* kPeriodArg = " <period-integer-expression>";
inline constexpr const char* kCostArg = " <cost-numeric-expression>";
inline constexpr const char* kSalvageArg = " <salvage-numeric-expression>";
inline constexpr const char* kLifeArg = " <life-integer-expression>";
inline constexpr const char* kGuessArg = " <guess-numeric-expression>";
inline constexpr const char* kCashFlowsArg = " <cash-flows-multifield-expression>";
inline constexpr const char* kPaymentTimeArg = " <ptEndOfPeriod|ptStartOfPeriod>";

}  // namespace vettora
