// The business package's functions: reading the arguments, checking
// periods and results, and calling the formulas.
#include "packages/business/business_functions.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <optional>
#include <string>

#include "functions/argument_values.h"
#include "packages/business/messages.h"
#include "packages/business/time_value_of_money.h"
#include "values/exceptions.h"
#include "values/format.h"

namespace vettora {
namespace {

// The payment-time argument: ptEndOfPeriod or ptStartOfPeriod, in any
// case; true for payments at the start of each period.
bool PaymentDue(TFunctionCall& call, int32_t i, TIEContext& context) {
  std::string text = TextArgument(call, i, context);
  auto same = [&text](const std::string& name) {
    return text.size() == name.size() &&
           std::equal(text.begin(), text.end(), name.begin(), [](char a, char b) {
             return std::tolower(static_cast<unsigned char>(a)) ==
                    std::tolower(static_cast<unsigned char>(b));
           });
  };
  if (same("ptStartOfPeriod")) return true;
  if (same("ptEndOfPeriod")) return false;
  throw EIEException(FormatMessage(kInvalidPaymentTime, {text}));
}

// A period must lie within the periods it is one of.
void CheckPeriod(const std::string& name, int32_t period, int32_t periods) {
  if (period < 1 || period > periods)
    throw EIEException(FormatMessage(kPeriodOutOfRange, {period, name, periods}));
}

IIEValue Finite(const std::string& name, double result) {
  if (!std::isfinite(result)) throw EIEException(FormatMessage(kNoFiniteResult, {name}));
  return MakeFloat(result);
}

IIEValue Converged(const std::string& name, std::optional<double> rate) {
  if (!rate) throw EIEException(FormatMessage(kNoConvergence, {name, tvm::kMaxIterations}));
  return MakeFloat(*rate);
}

std::string Signature(std::initializer_list<const char*> items) {
  std::string text;
  for (const char* item : items) text += item;
  return text;
}

}  // namespace

TDoubleDecliningBalanceFunction::TDoubleDecliningBalanceFunction()
    : TBuiltInFunction("double-declining-balance",
                       "Returns the depreciation of an asset for the period by the "
                       "double-declining-balance method",
                       Signature({kCostArg, kSalvageArg, kLifeArg, kPeriodArg}), 4, 4) {}

IIEValue TDoubleDecliningBalanceFunction::Execute(TFunctionCall& call, TIEContext& context) {
  double cost = NumericArgument(call, 0, context);
  double salvage = NumericArgument(call, 1, context);
  int32_t life = IntegerArgument(call, 2, context);
  int32_t period = IntegerArgument(call, 3, context);
  CheckPeriod(FunctionName(), period, life);
  return Finite(FunctionName(), tvm::DoubleDecliningBalance(cost, salvage, life, period));
}

TFutureValueFunction::TFutureValueFunction()
    : TBuiltInFunction(
          "future-value",
          "Returns the future value of an investment of periodic constant payments "
          "at a constant interest rate",
          Signature({kRateArg, kPeriodsArg, kPaymentArg, kPresentValueArg, kPaymentTimeArg}), 5,
          5) {}

IIEValue TFutureValueFunction::Execute(TFunctionCall& call, TIEContext& context) {
  double rate = NumericArgument(call, 0, context);
  int32_t periods = IntegerArgument(call, 1, context);
  double payment = NumericArgument(call, 2, context);
  double present = NumericArgument(call, 3, context);
  bool due = PaymentDue(call, 4, context);
  return Finite(FunctionName(), tvm::FutureValue(rate, periods, payment, present, due));
}

TInterestPaymentFunction::TInterestPaymentFunction()
    : TBuiltInFunction("interest-payment",
                       "Returns the interest portion of the loan payment for the period",
                       Signature({kRateArg, kPeriodArg, kPeriodsArg, kPresentValueArg,
                                  kFutureValueArg, kPaymentTimeArg}),
                       6, 6) {}

IIEValue TInterestPaymentFunction::Execute(TFunctionCall& call, TIEContext& context) {
  double rate = NumericArgument(call, 0, context);
  int32_t period = IntegerArgument(call, 1, context);
  int32_t periods = IntegerArgument(call, 2, context);
  double present = NumericArgument(call, 3, context);
  double future = NumericArgument(call, 4, context);
  bool due = PaymentDue(call, 5, context);
  CheckPeriod(FunctionName(), period, periods);
  return Finite(FunctionName(), tvm::InterestPayment(rate, period, periods, present, future, due));
}

TInterestRateFunction::TInterestRateFunction()
    : TBuiltInFunction(
          "interest-rate",
          "Returns the interest rate per period needed for the payments to turn "
          "the present value into the future value",
          Signature({kPeriodsArg, kPaymentArg, kPresentValueArg, kFutureValueArg, kPaymentTimeArg}),
          5, 5) {}

IIEValue TInterestRateFunction::Execute(TFunctionCall& call, TIEContext& context) {
  int32_t periods = IntegerArgument(call, 0, context);
  double payment = NumericArgument(call, 1, context);
  double present = NumericArgument(call, 2, context);
  double future = NumericArgument(call, 3, context);
  bool due = PaymentDue(call, 4, context);
  return Converged(FunctionName(), tvm::InterestRate(periods, payment, present, future, due));
}

TInternalRateOfReturnFunction::TInternalRateOfReturnFunction()
    : TBuiltInFunction("internal-rate-of-return",
                       "Returns the internal rate of return of a series of periodic cash flows, "
                       "searching from the guess",
                       Signature({kGuessArg, kCashFlowsArg}), 2, 2) {}

IIEValue TInternalRateOfReturnFunction::Execute(TFunctionCall& call, TIEContext& context) {
  double guess = NumericArgument(call, 0, context);
  return Converged(FunctionName(),
                   tvm::InternalRateOfReturn(guess, NumbersArgument(call, 1, context)));
}

TNetPresentValueFunction::TNetPresentValueFunction()
    : TBuiltInFunction("net-present-value",
                       "Returns the net present value of a series of periodic cash flows at a "
                       "discount rate",
                       Signature({kRateArg, kCashFlowsArg, kPaymentTimeArg}), 3, 3) {}

IIEValue TNetPresentValueFunction::Execute(TFunctionCall& call, TIEContext& context) {
  double rate = NumericArgument(call, 0, context);
  std::vector<double> flows = NumbersArgument(call, 1, context);
  bool due = PaymentDue(call, 2, context);
  return Finite(FunctionName(), tvm::NetPresentValue(rate, flows, due));
}

TNumberOfPeriodsFunction::TNumberOfPeriodsFunction()
    : TBuiltInFunction(
          "number-of-periods",
          "Returns the number of periods of an investment of periodic constant "
          "payments at a constant interest rate",
          Signature({kRateArg, kPaymentArg, kPresentValueArg, kFutureValueArg, kPaymentTimeArg}), 5,
          5) {}

IIEValue TNumberOfPeriodsFunction::Execute(TFunctionCall& call, TIEContext& context) {
  double rate = NumericArgument(call, 0, context);
  double payment = NumericArgument(call, 1, context);
  double present = NumericArgument(call, 2, context);
  double future = NumericArgument(call, 3, context);
  bool due = PaymentDue(call, 4, context);
  return Finite(FunctionName(), tvm::NumberOfPeriods(rate, payment, present, future, due));
}

TPaymentFunction::TPaymentFunction()
    : TBuiltInFunction(
          "payment",
          "Returns the payment per period that fully amortizes a loan at a constant "
          "interest rate",
          Signature({kRateArg, kPeriodsArg, kPresentValueArg, kFutureValueArg, kPaymentTimeArg}), 5,
          5) {}

IIEValue TPaymentFunction::Execute(TFunctionCall& call, TIEContext& context) {
  double rate = NumericArgument(call, 0, context);
  int32_t periods = IntegerArgument(call, 1, context);
  double present = NumericArgument(call, 2, context);
  double future = NumericArgument(call, 3, context);
  bool due = PaymentDue(call, 4, context);
  return Finite(FunctionName(), tvm::Payment(rate, periods, present, future, due));
}

TPeriodPaymentFunction::TPeriodPaymentFunction()
    : TBuiltInFunction("period-payment",
                       "Returns the principal portion of the loan payment for the period",
                       Signature({kRateArg, kPeriodArg, kPeriodsArg, kPresentValueArg,
                                  kFutureValueArg, kPaymentTimeArg}),
                       6, 6) {}

IIEValue TPeriodPaymentFunction::Execute(TFunctionCall& call, TIEContext& context) {
  double rate = NumericArgument(call, 0, context);
  int32_t period = IntegerArgument(call, 1, context);
  int32_t periods = IntegerArgument(call, 2, context);
  double present = NumericArgument(call, 3, context);
  double future = NumericArgument(call, 4, context);
  bool due = PaymentDue(call, 5, context);
  CheckPeriod(FunctionName(), period, periods);
  return Finite(FunctionName(), tvm::PeriodPayment(rate, period, periods, present, future, due));
}

TPresentValueFunction::TPresentValueFunction()
    : TBuiltInFunction(
          "present-value",
          "Returns the present value of an investment of periodic constant "
          "payments at a constant interest rate",
          Signature({kRateArg, kPeriodsArg, kPaymentArg, kFutureValueArg, kPaymentTimeArg}), 5, 5) {
}

IIEValue TPresentValueFunction::Execute(TFunctionCall& call, TIEContext& context) {
  double rate = NumericArgument(call, 0, context);
  int32_t periods = IntegerArgument(call, 1, context);
  double payment = NumericArgument(call, 2, context);
  double future = NumericArgument(call, 3, context);
  bool due = PaymentDue(call, 4, context);
  return Finite(FunctionName(), tvm::PresentValue(rate, periods, payment, future, due));
}

TSLNDepreciationFunction::TSLNDepreciationFunction()
    : TBuiltInFunction("sln-depreciation",
                       "Returns the straight-line depreciation of an asset for one period",
                       Signature({kCostArg, kSalvageArg, kLifeArg}), 3, 3) {}

IIEValue TSLNDepreciationFunction::Execute(TFunctionCall& call, TIEContext& context) {
  double cost = NumericArgument(call, 0, context);
  double salvage = NumericArgument(call, 1, context);
  int32_t life = IntegerArgument(call, 2, context);
  return Finite(FunctionName(), tvm::StraightLineDepreciation(cost, salvage, life));
}

TSYDDepreciationFunction::TSYDDepreciationFunction()
    : TBuiltInFunction("syd-depreciation",
                       "Returns the sum-of-years-digits depreciation of an asset for the period",
                       Signature({kCostArg, kSalvageArg, kLifeArg, kPeriodArg}), 4, 4) {}

IIEValue TSYDDepreciationFunction::Execute(TFunctionCall& call, TIEContext& context) {
  double cost = NumericArgument(call, 0, context);
  double salvage = NumericArgument(call, 1, context);
  int32_t life = IntegerArgument(call, 2, context);
  int32_t period = IntegerArgument(call, 3, context);
  CheckPeriod(FunctionName(), period, life);
  return Finite(FunctionName(), tvm::SumOfYearsDigitsDepreciation(cost, salvage, life, period));
}

}  // namespace vettora
