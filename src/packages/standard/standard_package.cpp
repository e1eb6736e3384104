// The standard package: its function table and the shared function base.
#include "packages/standard/standard_package.h"

#include "engine/messages.h"
#include "functions/engine_services.h"
#include "functions/package_table.h"
#include "matching/context.h"
#include "packages/standard/standard_commands.h"
#include "packages/standard/standard_control.h"
#include "packages/standard/standard_facts.h"
#include "packages/standard/standard_files.h"
#include "packages/standard/standard_logic.h"
#include "packages/standard/standard_multifield.h"
#include "packages/standard/standard_output.h"
#include "packages/standard/standard_storage.h"
#include "values/exceptions.h"
#include "values/format.h"

namespace vettora {

TStandardFunction::TStandardFunction(const std::string& name, const std::string& help,
                                     const std::string& arguments, int32_t min, int32_t max) {
  SetFunctionName(name);
  SetComment(help);
  SetArgumentString(arguments);
  SetArgumentLimits(min, max);
}

IEngineServices& TStandardFunction::EngineOf(TIEContext& context) const {
  IEngineServices* engine = context.Services();
  if (engine == nullptr) throw EIEException(FormatMessage(kFunctionNeedsEngine, {FunctionName()}));
  return *engine;
}

TPackageTable TStandardPackage::Table() {
  return {
      TableEntry<TAndFunction>("and"),
      TableEntry<TAssertFunction>("assert"),
      TableEntry<TAssertStringFunction>("assert-string"),
      TableEntry<TBatchFunction>("batch"),
      TableEntry<TBindFunction>("bind"),
      TableEntry<TClearFunction>("clear"),
      TableEntry<TClearStorageFunction>("clear-storage"),
      TableEntry<TCloseFunction>("close"),
      TableEntry<TDoBackwardChainingFunction>("do-backward-chaining"),
      TableEntry<TDribbleOnFunction>("dribble-on"),
      TableEntry<TDribbleOffFunction>("dribble-off"),
      TableEntry<TDuplicateFunction>("duplicate"),
      TableEntry<TEqFunction>("eq"),
      TableEntry<TEqStarFunction>("eq*"),
      TableEntry<TEqualsFunction>("="),
      TableEntry<TExitFunction>("exit"),
      TableEntry<TExtractGlobalFunction>("__get-var"),
      TableEntry<TFetchFunction>("fetch"),
      TableEntry<TForEachFunction>("foreach"),
      TableEntry<TFormatFunction>("format"),
      TableEntry<TGenSymStarFunction>("gensym*"),
      TableEntry<TGetFactDuplicationFunction>("get-fact-duplication"),
      TableEntry<TGetSlotValueFunction>("get-slot-value"),
      TableEntry<TGtFunction>(">"),
      TableEntry<TGtOrEqFunction>(">="),
      TableEntry<THaltFunction>("halt"),
      TableEntry<TIfFunction>("if"),
      TableEntry<TLoadFunction>("load"),
      TableEntry<TLoadFactsFunction>("load-facts"),
      TableEntry<TLtFunction>("<"),
      TableEntry<TLtOrEqFunction>("<="),
      TableEntry<TMemberFunction>("member"),
      TableEntry<TModifyFunction>("modify"),
      TableEntry<TNeqFunction>("neq"),
      TableEntry<TNotEqualsFunction>("<>"),
      TableEntry<TNotFunction>("not"),
      TableEntry<TOpenFunction>("open"),
      TableEntry<TOrFunction>("or"),
      TableEntry<TPrintOutFunction>("printout"),
      TableEntry<TReadFunction>("read"),
      TableEntry<TReadLineFunction>("readline"),
      TableEntry<TRemoveFunction>("remove"),
      TableEntry<TRenameFunction>("rename"),
      TableEntry<TResetFunction>("reset"),
      TableEntry<TRetractFunction>("retract"),
      TableEntry<TRetractStringFunction>("retract-string"),
      TableEntry<TReturnFunction>("return"),
      TableEntry<TRunFunction>("run"),
      TableEntry<TSaveFunction>("save"),
      TableEntry<TSaveFactsFunction>("save-facts"),
      TableEntry<TSetFactDuplicationFunction>("set-fact-duplication"),
      TableEntry<TStoreFunction>("store"),
      TableEntry<TTryFunction>("try"),
      TableEntry<TThrowFunction>("throw"),
      TableEntry<TUnwatchFunction>("unwatch"),
      TableEntry<TVersionFunction>("version"),
      TableEntry<TWatchFunction>("watch"),
      TableEntry<TWhileFunction>("while"),
      TableEntry<TCreateMFFunction>("create$"),
      TableEntry<TDeleteMFFunction>("delete$"),
      TableEntry<TExplodeMFFunction>("explode$"),
      TableEntry<TFirstMFFunction>("first$"),
      TableEntry<TLengthMFFunction>("length$"),
      TableEntry<TImplodeMFFunction>("implode$"),
      TableEntry<TInsertMFFunction>("insert$"),
      TableEntry<TMemberMFFunction>("member$"),
      TableEntry<TNthMFFunction>("nth$"),
      TableEntry<TReplaceMFFunction>("replace$"),
      TableEntry<TRestMFFunction>("rest$"),
      TableEntry<TSubSeqMFFunction>("subseq$"),
      TableEntry<TSubSetpMFFunction>("subsetp"),
  };
}

void TStandardPackage::CreateFunctions() {
  TUserPackage::CreateFunctions();
  AddFromTable(*this, Table());
}

}  // namespace vettora
