#include "packages/misc/misc_package.h"

#include "packages/misc/misc_constructs.h"
#include "packages/misc/misc_date_time.h"
#include "packages/misc/misc_dialogs.h"
#include "packages/misc/misc_engine_commands.h"
#include "packages/misc/misc_listings.h"

namespace vettora {

namespace {

// An entry whose function class is built from a value (a type or a flag).
template <class T, class... Args>
TPackageTableEntry Made(std::string name, Args... args) {
  return {std::move(name), [=] { return IUserFunction(MakeRef<T>(args...)); }};
}

}  // namespace

TPackageTable TMiscPackage::Table() {
  return {
      Made<TUndefineFunction>("undeftype", udfDefType),
      TableEntry<TParseFunction>("parse"),
      TableEntry<TGuardFunction>("guard"),
      TableEntry<TTimeFunction>("time"),
      TableEntry<TAgendaFunction>("agenda"),
      Made<TListConstructsFunction>("list-defrules", lctRules),
      Made<TListConstructsFunction>("list-deftypes", lctDefinedTypes),
      Made<TListConstructsFunction>("list-deffacts", lctFactSets),
      Made<TListConstructsFunction>("list-deffunctions", lctFunctions),
      Made<TListConstructsFunction>("list-deftemplates", lctFactTemplates),
      TableEntry<TSetResetGlobalsFunction>("set-reset-globals"),
      TableEntry<TSetGenFunction>("setgen"),
      TableEntry<TFactsFunction>("facts"),
      TableEntry<TRulesFunction>("rules"),
      Made<TPrettyPrintFunction>("ppdeffacts", ppfFactSet),
      Made<TPrettyPrintFunction>("ppdeffunction", ppfUserFunction),
      Made<TPrettyPrintFunction>("ppdeftemplate", ppfFactTemplate),
      Made<TPrettyPrintFunction>("ppdefrule", ppfRule),
      Made<TPrettyPrintFunction>("ppdeftype", ppfDefType),
      Made<TUndefineFunction>("undefrule", udfRule),
      Made<TUndefineFunction>("undeffacts", udfFactSet),
      Made<TUndefineFunction>("undeffunction", udfUserFunction),
      Made<TUndefineFunction>("undeftemplate", udfFactTemplate),
      Made<TConstraintCheckingFunction>("get-dynamic-constraint-checking", tcDynamic, false),
      Made<TConstraintCheckingFunction>("get-static-constraint-checking", tcStatic, false),
      Made<TConstraintCheckingFunction>("set-dynamic-constraint-checking", tcDynamic, true),
      Made<TConstraintCheckingFunction>("set-static-constraint-checking", tcStatic, true),
      Made<TInputDialogFunction>("input-box", idfInputBox),
      Made<TInputDialogFunction>("input-query", idfInputQuery),
      TableEntry<TMessageDlgFunction>("message-dlg"),
      TableEntry<TShowMessageFunction>("show-message"),
      Made<TSystemDateTimeFunction>("system-datetime", sdtDateTime),
      Made<TSystemDateTimeFunction>("system-date", sdtDate),
      Made<TSystemDateTimeFunction>("system-time", sdtTime),
      Made<TDateTimeStringFunction>("str-datetime", dtsStrDateTime),
      Made<TDateTimeStringFunction>("str-date", dtsStrDate),
      Made<TDateTimeStringFunction>("str-time", dtsStrTime),
      Made<TDateTimeStringFunction>("datetime-str", dtsDateTimeStr),
      Made<TDateTimeStringFunction>("date-str", dtsDateStr),
      Made<TDateTimeStringFunction>("time-str", dtsTimeStr),
      Made<TDateTimeStringFunction>("datetime-str-format", dtsDateTimeStrFormat),
      Made<TDecodeDateTimeFunction>("decode-year", ddtYear),
      Made<TDecodeDateTimeFunction>("decode-month", ddtMonth),
      Made<TDecodeDateTimeFunction>("decode-day", ddtDay),
      Made<TDecodeDateTimeFunction>("decode-hour", ddtHour),
      Made<TDecodeDateTimeFunction>("decode-minute", ddtMinute),
      Made<TDecodeDateTimeFunction>("decode-second", ddtSecond),
      Made<TDecodeDateTimeFunction>("decode-millisecond", ddtMillisecond),
      Made<TEncodeDateTimeFunction>("encode-date", edtDate),
      Made<TEncodeDateTimeFunction>("encode-time", edtTime),
  };
}

void TMiscPackage::CreateFunctions() {
  TUserPackage::CreateFunctions();
  AddFromTable(*this, Table());
}

}  // namespace vettora
