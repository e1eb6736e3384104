// The business package's table.
#include "packages/business/business_package.h"

#include "packages/business/business_functions.h"

namespace vettora {

TPackageTable TBusinessPackage::Table() {
  return {
      TableEntry<TDoubleDecliningBalanceFunction>("double-declining-balance"),
      TableEntry<TFutureValueFunction>("future-value"),
      TableEntry<TInterestPaymentFunction>("interest-payment"),
      TableEntry<TInterestRateFunction>("interest-rate"),
      TableEntry<TInternalRateOfReturnFunction>("internal-rate-of-return"),
      TableEntry<TNetPresentValueFunction>("net-present-value"),
      TableEntry<TNumberOfPeriodsFunction>("number-of-periods"),
      TableEntry<TPaymentFunction>("payment"),
      TableEntry<TPeriodPaymentFunction>("period-payment"),
      TableEntry<TPresentValueFunction>("present-value"),
      TableEntry<TSLNDepreciationFunction>("sln-depreciation"),
      TableEntry<TSYDDepreciationFunction>("syd-depreciation"),
  };
}

void TBusinessPackage::CreateFunctions() {
  TUserPackage::CreateFunctions();
  AddFromTable(*this, Table());
}

}  // namespace vettora
