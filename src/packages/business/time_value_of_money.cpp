// Time-value-of-money formulas and the two rate iterations.
#include "packages/business/time_value_of_money.h"

#include <cmath>

namespace vettora::tvm {
namespace {

// (1 + rate)^periods, accurate for rates near zero.
double Growth(double rate, double periods) { return std::exp(periods * std::log1p(rate)); }

// The annuity factor ((1 + rate)^periods - 1) / rate, with its limit
// `periods` at rate 0; expm1 keeps it accurate for small rates.
double Annuity(double rate, double periods) {
  if (rate == 0.0) return periods;
  return std::expm1(periods * std::log1p(rate)) / rate;
}

// The factor of a payment: one period's interest more when paid in advance.
double Timing(double rate, bool due) { return due ? 1.0 + rate : 1.0; }

// Newton's iteration on f from `guess`; `step(r)` answers f(r) / f'(r).
// Converged once a step is tiny next to the rate: the iteration converges
// quadratically, so the rate is then accurate to the last digits.
template <class Step>
std::optional<double> SolveRate(double guess, Step step) {
  double rate = guess;
  for (int i = 0; i < kMaxIterations; ++i) {
    double delta = step(rate);
    if (!std::isfinite(delta)) return std::nullopt;
    rate -= delta;
    if (!std::isfinite(rate) || rate <= -1.0) return std::nullopt;
    if (std::fabs(delta) <= 1e-12 * std::fmax(1.0, std::fabs(rate))) return rate;
  }
  return std::nullopt;
}

}  // namespace

double FutureValue(double rate, double periods, double payment, double present, bool due) {
  return -(present * Growth(rate, periods) + payment * Timing(rate, due) * Annuity(rate, periods));
}

double PresentValue(double rate, double periods, double payment, double future, bool due) {
  return -(future + payment * Timing(rate, due) * Annuity(rate, periods)) / Growth(rate, periods);
}

double Payment(double rate, double periods, double present, double future, bool due) {
  return -(future + present * Growth(rate, periods)) / (Timing(rate, due) * Annuity(rate, periods));
}

double NumberOfPeriods(double rate, double payment, double present, double future, bool due) {
  if (rate == 0.0) return -(present + future) / payment;
  double paid = payment * Timing(rate, due);
  return std::log((paid - future * rate) / (paid + present * rate)) / std::log1p(rate);
}

double InterestPayment(double rate, int period, double periods, double present, double future,
                       bool due) {
  double payment = Payment(rate, periods, present, future, due);
  // Interest accrues on the balance owed during the period: after
  // period - 1 payments, or, paid in advance, one payment sooner.
  if (!due) return FutureValue(rate, period - 1, payment, present, false) * rate;
  if (period == 1) return 0.0;
  return (FutureValue(rate, period - 2, payment, present, true) - payment) * rate;
}

double PeriodPayment(double rate, int period, double periods, double present, double future,
                     bool due) {
  return Payment(rate, periods, present, future, due) -
         InterestPayment(rate, period, periods, present, future, due);
}

double NetPresentValue(double rate, const std::vector<double>& flows, bool due) {
  double sum = 0.0;
  double discount = due ? 1.0 : 1.0 / (1.0 + rate);
  for (double flow : flows) {
    sum += flow * discount;
    discount /= 1.0 + rate;
  }
  return sum;
}

std::optional<double> InterestRate(double periods, double payment, double present, double future,
                                   bool due) {
  double timing = due ? 1.0 : 0.0;
  return SolveRate(0.1, [&](double r) {
    double growth = Growth(r, periods);
    double annuity = Annuity(r, periods);
    double growthSlope = periods * growth / (1.0 + r);
    // The annuity factor's slope, with its limit near rate 0.
    double annuitySlope =
        std::fabs(r) < 1e-7 ? periods * (periods - 1.0) / 2.0 : (growthSlope - annuity) / r;
    double value = present * growth + payment * Timing(r, due) * annuity + future;
    double slope =
        present * growthSlope + payment * (timing * annuity + Timing(r, due) * annuitySlope);
    return value / slope;
  });
}

std::optional<double> InternalRateOfReturn(double guess, const std::vector<double>& flows) {
  return SolveRate(guess, [&](double r) {
    double value = 0.0;
    double slope = 0.0;
    double discount = 1.0;  // (1 + r)^-i
    for (size_t i = 0; i < flows.size(); ++i) {
      value += flows[i] * discount;
      slope -= double(i) * flows[i] * discount / (1.0 + r);
      discount /= 1.0 + r;
    }
    return value / slope;
  });
}

double DoubleDecliningBalance(double cost, double salvage, int life, int period) {
  // Each period writes off 2 / life of the book value, never taking the
  // book value below the salvage value. Until that floor is reached the
  // book value after k periods is cost * (1 - 2 / life)^k; once reached,
  // the later periods write off nothing, which the formula below gives too.
  double factor = 2.0 / life;
  double book = cost * std::pow(1.0 - factor, period - 1);
  return std::fmax(0.0, std::fmin(book * factor, book - salvage));
}

double StraightLineDepreciation(double cost, double salvage, int life) {
  return (cost - salvage) / life;
}

double SumOfYearsDigitsDepreciation(double cost, double salvage, int life, int period) {
  double years = life;
  return (cost - salvage) * (years - period + 1.0) * 2.0 / (years * (years + 1.0));
}

}  // namespace vettora::tvm
