// The business package: its table and signatures, and each financial
// function against the published examples of the spreadsheet function of
// the same name (Microsoft Excel's function reference). The published
// figures are rounded for display; each case gives the figure as published
// and the full value (worked out to 40 digits with the same definitions),
// which the result must match to 1e-9 relative.
#include "packages/business/business_package.h"

#include <cmath>
#include <iomanip>
#include <memory>
#include <sstream>

#include "packages/package_test_util.h"

namespace vettora::testing {
namespace {

class BusinessTest : public PackageTest {
 protected:
  // The float result of `call`, checked against the full reference value
  // to 1e-9 relative and against the published figure at its rounding.
  void ExpectReference(const std::string& call, double reference, double published,
                       double rounding) {
    IIEValue value = Eval(call);
    ASSERT_EQ(value->DType(), dtFloat) << call;
    double result = value->AsFloat();
    EXPECT_NEAR(result, reference, 1e-9 * std::fabs(reference)) << call;
    EXPECT_NEAR(result, published, rounding / 2) << call;
  }
};

TEST(BusinessPackage, HoldsExactlyItsTableInOrderWithItsSignatures) {
  const std::vector<std::string> expected = {
      "double-declining-balance", "future-value",      "interest-payment",  "interest-rate",
      "internal-rate-of-return",  "net-present-value", "number-of-periods", "payment",
      "period-payment",           "present-value",     "sln-depreciation",  "syd-depreciation"};
  EXPECT_EQ(TableNames(TBusinessPackage::Table()), expected);
  std::unique_ptr<TBusinessPackage> package(NewPackage<TBusinessPackage>());
  EXPECT_EQ(FunctionNames(*package), expected);
  const int32_t counts[] = {4, 5, 6, 5, 2, 3, 5, 5, 6, 5, 3, 4};
  for (int32_t i = 0; i < package->Functions().Count(); ++i) {
    const IUserFunction& f = package->Functions().Items(i);
    EXPECT_EQ(f->MinArgumentCount(), counts[i]) << f->FunctionName();
    EXPECT_EQ(f->MaxArgumentCount(), counts[i]) << f->FunctionName();
  }
  EXPECT_EQ(package->Functions().Find("payment")->ArgumentString(),
            " <rate-numeric-expression> <num-periods-integer-expression>"
            " <present-value-numeric-expression> <future-value-numeric-expression>"
            " <ptEndOfPeriod|ptStartOfPeriod>");
  EXPECT_EQ(package->Functions().Find("internal-rate-of-return")->ArgumentString(),
            " <guess-numeric-expression> <cash-flows-multifield-expression>");
  EXPECT_EQ(package->Functions().Find("sln-depreciation")->ClassName(), "TSLNDepreciationFunction");
}

TEST_F(BusinessTest, PaymentPresentAndFutureValue) {
  // PMT(8%/12, 10, 10000) = -$1,037.03; paid in advance -$1,030.16.
  ExpectReference("(payment (/ 0.08 12) 10 10000 0 ptEndOfPeriod)", -1037.0320893591521757,
                  -1037.03, 0.01);
  ExpectReference("(payment (/ 0.08 12) 10 10000 0 ptStartOfPeriod)", -1030.1643271779657374,
                  -1030.16, 0.01);
  // PMT(6%/12, 18*12, 0, 50000) = -$129.08.
  ExpectReference("(payment (/ 0.06 12) 216 0 50000 ptEndOfPeriod)", -129.08116086799092305,
                  -129.08, 0.01);
  // FV(6%/12, 10, -200, -500, 1) = $2,581.40; FV(12%/12, 12, -1000) =
  // $12,682.50; FV(11%/12, 35, -2000, , 1) = $82,846.25.
  ExpectReference("(future-value (/ 0.06 12) 10 -200 -500 ptStartOfPeriod)", 2581.4033740601791537,
                  2581.40, 0.01);
  ExpectReference("(future-value (/ 0.12 12) 12 -1000 0 ptEndOfPeriod)", 12682.503013196972066,
                  12682.50, 0.01);
  ExpectReference("(future-value (/ 0.11 12) 35 -2000 0 ptStartOfPeriod)", 82846.246371899520082,
                  82846.25, 0.01);
  // PV(8%/12, 12*20, 500, , 0) = -$59,777.15.
  ExpectReference("(present-value (/ 0.08 12) 240 500 0 ptEndOfPeriod)", -59777.145851188021817,
                  -59777.15, 0.01);
  // A rate of zero takes the limits of the formulas.
  EXPECT_EQ(Eval("(payment 0 10 1000 0 ptEndOfPeriod)")->AsFloat(), -100.0);
  EXPECT_EQ(Eval("(future-value 0 10 -100 -1000 ptEndOfPeriod)")->AsFloat(), 2000.0);
  EXPECT_EQ(Eval("(present-value 0 10 -100 0 ptStartOfPeriod)")->AsFloat(), 1000.0);
}

TEST_F(BusinessTest, NumberOfPeriods) {
  // NPER(12%/12, -100, -1000, 10000, 1) = 59.6738657; without the 1
  // 60.0821229; NPER(12%/12, -100, -1000) = -9.57859404.
  ExpectReference("(number-of-periods 0.01 -100 -1000 10000 ptStartOfPeriod)",
                  59.673865674294625588, 59.6738657, 1e-7);
  ExpectReference("(number-of-periods 0.01 -100 -1000 10000 ptEndOfPeriod)", 60.082122853761722554,
                  60.0821229, 1e-7);
  ExpectReference("(number-of-periods 0.01 -100 -1000 0 ptEndOfPeriod)", -9.5785940398131666704,
                  -9.57859404, 1e-8);
  EXPECT_EQ(Eval("(number-of-periods 0 -100 1000 0 ptEndOfPeriod)")->AsFloat(), 10.0);
  // A payment below the interest never pays the loan off.
  EXPECT_EQ(ErrorOf("(number-of-periods 0.01 -5 1000 0 ptEndOfPeriod)"),
            "number-of-periods has no finite result for these arguments");
}

TEST_F(BusinessTest, InterestAndPrincipalOfOnePayment) {
  // IPMT(10%/12, 1, 3*12, 8000) = -$66.67; IPMT(10%, 3, 3, 8000) = -$292.45.
  ExpectReference("(interest-payment (/ 0.1 12) 1 36 8000 0 ptEndOfPeriod)", -66.666666666666666667,
                  -66.67, 0.01);
  ExpectReference("(interest-payment 0.1 3 3 8000 0 ptEndOfPeriod)", -292.44712990936555891,
                  -292.45, 0.01);
  // PPMT(10%/12, 1, 2*12, 2000) = -$75.62; PPMT(8%, 10, 10, 200000) = -$27,598.05.
  ExpectReference("(period-payment (/ 0.1 12) 1 24 2000 0 ptEndOfPeriod)", -75.623186008366340239,
                  -75.62, 0.01);
  ExpectReference("(period-payment 0.08 10 10 200000 0 ptEndOfPeriod)", -27598.053462421375459,
                  -27598.05, 0.01);
}

TEST_F(BusinessTest, InterestAndPrincipalAddUpToThePaymentsAndTheLoan) {
  for (const char* time : {"ptEndOfPeriod", "ptStartOfPeriod"}) {
    SCOPED_TRACE(time);
    const std::string tail = std::string(" 12 5000 0 ") + time + ")";
    double payment = Eval("(payment 0.01" + tail)->AsFloat();
    double principal = 0.0;
    for (int period = 1; period <= 12; ++period) {
      const std::string args = "0.01 " + std::to_string(period) + tail;
      double interest = Eval("(interest-payment " + args)->AsFloat();
      double part = Eval("(period-payment " + args)->AsFloat();
      EXPECT_NEAR(interest + part, payment, 1e-9);
      principal += part;
    }
    EXPECT_NEAR(principal, -5000.0, 1e-8);
  }
  EXPECT_EQ(Eval("(interest-payment 0.01 1 12 5000 0 ptStartOfPeriod)")->AsFloat(), 0.0);
  EXPECT_EQ(ErrorOf("(interest-payment 0.01 13 12 5000 0 ptEndOfPeriod)"),
            "The period 13 of interest-payment is not between 1 and 12");
  EXPECT_EQ(ErrorOf("(period-payment 0.01 0 12 5000 0 ptEndOfPeriod)"),
            "The period 0 of period-payment is not between 1 and 12");
}

TEST_F(BusinessTest, RatesFoundByIteration) {
  // RATE(4*12, -200, 8000) = 0.77% (per month).
  ExpectReference("(interest-rate 48 -200 8000 0 ptEndOfPeriod)", 0.007701472488202043816, 0.0077,
                  0.0001);
  // The rate found reproduces the payment it was found from.
  double rate = Eval("(interest-rate 60 -250 10000 -1000 ptStartOfPeriod)")->AsFloat();
  std::ostringstream again;
  again << std::setprecision(17) << "(payment " << rate << " 60 10000 -1000 ptStartOfPeriod)";
  EXPECT_NEAR(Eval(again.str())->AsFloat(), -250.0, 1e-9);
  // IRR of -70000, 12000, 15000, 18000, 21000 = -2.1%; with 26000 added
  // 8.7%; IRR(-70000, 12000, 15000; guess -10%) = -44.4%.
  ExpectReference("(internal-rate-of-return 0.1 (create$ -70000 12000 15000 18000 21000))",
                  -0.021244848273410991031, -0.021, 0.001);
  ExpectReference("(internal-rate-of-return 0.1 (create$ -70000 12000 15000 18000 21000 26000))",
                  0.086630948036531614293, 0.087, 0.001);
  ExpectReference("(internal-rate-of-return -0.1 (create$ -70000 12000 15000))",
                  -0.4435069413347405395, -0.444, 0.001);
  // Flows that never change sign have no rate.
  EXPECT_EQ(ErrorOf("(internal-rate-of-return 0.1 (create$ 100 200 300))"),
            "internal-rate-of-return found no rate: the iteration did not converge within 100 "
            "steps");
  EXPECT_EQ(ErrorOf("(internal-rate-of-return 0.1 (create$))"),
            "internal-rate-of-return found no rate: the iteration did not converge within 100 "
            "steps");
  EXPECT_EQ(ErrorOf("(interest-rate 10 100 1000 0 ptEndOfPeriod)"),
            "interest-rate found no rate: the iteration did not converge within 100 steps");
}

TEST_F(BusinessTest, NetPresentValue) {
  // NPV(10%, -10000, 3000, 4200, 6800) = $1,188.44.
  ExpectReference("(net-present-value 0.1 (create$ -10000 3000 4200 6800) ptEndOfPeriod)",
                  1188.4434123352230039, 1188.44, 0.01);
  // Flows at the start of each period are discounted one period less.
  EXPECT_NEAR(
      Eval("(net-present-value 0.1 (create$ -10000 3000 4200 6800) ptStartOfPeriod)")->AsFloat(),
      1188.4434123352230039 * 1.1, 1e-9);
  EXPECT_EQ(Eval("(net-present-value 0.1 (create$) ptEndOfPeriod)")->AsFloat(), 0.0);
}

TEST_F(BusinessTest, Depreciation) {
  // SLN(30000, 7500, 10) = $2,250.00.
  ExpectReference("(sln-depreciation 30000 7500 10)", 2250.0, 2250.0, 0.01);
  // SYD(30000, 7500, 10, 1) = $4,090.91; for year 10 $409.09.
  ExpectReference("(syd-depreciation 30000 7500 10 1)", 4090.9090909090909091, 4090.91, 0.01);
  ExpectReference("(syd-depreciation 30000 7500 10 10)", 409.09090909090909091, 409.09, 0.01);
  // DDB(2400, 300, 10*365, 1) = $1.32; DDB(2400, 300, 10*12, 1) = $40.00;
  // DDB(2400, 300, 10, 1) = $480.00; DDB(2400, 300, 10, 10) = $22.12.
  ExpectReference("(double-declining-balance 2400 300 3650 1)", 1.3150684931506849315, 1.32, 0.01);
  ExpectReference("(double-declining-balance 2400 300 120 1)", 40.0, 40.0, 0.01);
  ExpectReference("(double-declining-balance 2400 300 10 1)", 480.0, 480.0, 0.01);
  ExpectReference("(double-declining-balance 2400 300 10 10)", 22.1225472, 22.12, 0.01);
  // The book value never drops below the salvage value.
  double total = 0.0;
  for (int period = 1; period <= 5; ++period)
    total +=
        Eval("(double-declining-balance 1000 400 5 " + std::to_string(period) + ")")->AsFloat();
  EXPECT_NEAR(total, 600.0, 1e-9);
  EXPECT_EQ(ErrorOf("(syd-depreciation 30000 7500 10 11)"),
            "The period 11 of syd-depreciation is not between 1 and 10");
  EXPECT_EQ(ErrorOf("(double-declining-balance 2400 300 0 1)"),
            "The period 1 of double-declining-balance is not between 1 and 0");
  EXPECT_EQ(ErrorOf("(sln-depreciation 100 10 0)"),
            "sln-depreciation has no finite result for these arguments");
}

TEST_F(BusinessTest, PaymentTimeIsAnEnumerationName) {
  EXPECT_EQ(Eval("(payment 0 10 1000 0 ptstartofperiod)")->AsFloat(), -100.0);
  EXPECT_EQ(ErrorOf("(payment 0.1 10 1000 0 later)"),
            "Invalid payment time: later.  Expected ptEndOfPeriod or ptStartOfPeriod");
  EXPECT_EQ(ErrorOf("(payment 0.1 10 1000 0)"), "Too few arguments for payment");
}

}  // namespace
}  // namespace vettora::testing
