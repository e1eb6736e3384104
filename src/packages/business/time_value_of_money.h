#pragma once
// The financial formulas of the business package, on plain numbers, with
// the sign convention of spreadsheets: money paid out is negative, money
// received positive, so a loan's present value and its payments have
// opposite signs. `due` is true for payments at the start of each period
// (an annuity due) and false for payments at the end (an ordinary annuity).
//
// Rates are per period. The closed forms hold for any rate above -1; at a
// rate of 0 they take their limits. InterestRate and InternalRateOfReturn
// solve by Newton's iteration and answer nothing when it does not converge.

#include <optional>
#include <vector>

namespace vettora::tvm {

[[nodiscard]] double FutureValue(double rate, double periods, double payment, double present,
                                 bool due);
[[nodiscard]] double PresentValue(double rate, double periods, double payment, double future,
                                  bool due);
[[nodiscard]] double Payment(double rate, double periods, double present, double future, bool due);
[[nodiscard]] double NumberOfPeriods(double rate, double payment, double present, double future,
                                     bool due);
// The interest part of the payment of `period` (from 1).
[[nodiscard]] double InterestPayment(double rate, int period, double periods, double present,
                                     double future, bool due);
// The principal part of the payment of `period` (from 1).
[[nodiscard]] double PeriodPayment(double rate, int period, double periods, double present,
                                   double future, bool due);
// The flows discounted at the end of periods 1, 2, ... (or, when due, at
// the start: periods 0, 1, ...).
[[nodiscard]] double NetPresentValue(double rate, const std::vector<double>& flows, bool due);

// The most steps the two iterations take.
inline constexpr int kMaxIterations = 100;
// The rate that makes the annuity balance, starting from 10 %.
[[nodiscard]] std::optional<double> InterestRate(double periods, double payment, double present,
                                                 double future, bool due);
// The rate at which the flows (the first undiscounted) sum to zero.
[[nodiscard]] std::optional<double> InternalRateOfReturn(double guess,
                                                         const std::vector<double>& flows);

[[nodiscard]] double DoubleDecliningBalance(double cost, double salvage, int life, int period);
[[nodiscard]] double StraightLineDepreciation(double cost, double salvage, int life);
[[nodiscard]] double SumOfYearsDigitsDepreciation(double cost, double salvage, int life,
                                                  int period);

}  // namespace vettora::tvm
