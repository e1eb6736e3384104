// Files the logic, comparison, control, output, file and engine-command
// functions of the standard package by name.
#include "engine/standard_commands.h"
#include "engine/standard_control.h"
#include "engine/standard_files.h"
#include "engine/standard_logic.h"
#include "engine/standard_output.h"
#include "engine/standard_package.h"

namespace vettora {

namespace {

template <class T>
void File(TStandardFactories& factories, const char* name) {
  factories[name] = [] { return IUserFunction(MakeRef<T>()); };
}

}  // namespace

void RegisterStandardCoreFunctions(TStandardFactories& factories) {
  // Logic and comparison.
  File<TAndFunction>(factories, "and");
  File<TOrFunction>(factories, "or");
  File<TNotFunction>(factories, "not");
  File<TEqFunction>(factories, "eq");
  File<TNeqFunction>(factories, "neq");
  File<TEqStarFunction>(factories, "eq*");
  File<TEqualsFunction>(factories, "=");
  File<TNotEqualsFunction>(factories, "<>");
  File<TGtFunction>(factories, ">");
  File<TGtOrEqFunction>(factories, ">=");
  File<TLtFunction>(factories, "<");
  File<TLtOrEqFunction>(factories, "<=");
  // Control and variables.
  File<TIfFunction>(factories, "if");
  File<TWhileFunction>(factories, "while");
  File<TForEachFunction>(factories, "foreach");
  File<TTryFunction>(factories, "try");
  File<TThrowFunction>(factories, "throw");
  File<TReturnFunction>(factories, "return");
  File<TBindFunction>(factories, "bind");
  File<THaltFunction>(factories, "halt");
  File<TExitFunction>(factories, "exit");
  // Output.
  File<TPrintOutFunction>(factories, "printout");
  File<TFormatFunction>(factories, "format");
  // Streams and files.
  File<TOpenFunction>(factories, "open");
  File<TCloseFunction>(factories, "close");
  File<TReadFunction>(factories, "read");
  File<TReadLineFunction>(factories, "readline");
  File<TRemoveFunction>(factories, "remove");
  File<TRenameFunction>(factories, "rename");
  File<TDribbleOnFunction>(factories, "dribble-on");
  File<TDribbleOffFunction>(factories, "dribble-off");
  File<TLoadFunction>(factories, "load");
  File<TSaveFunction>(factories, "save");
  File<TBatchFunction>(factories, "batch");
  // Engine commands.
  File<TRunFunction>(factories, "run");
  File<TResetFunction>(factories, "reset");
  File<TClearFunction>(factories, "clear");
  File<TVersionFunction>(factories, "version");
  File<TWatchFunction>(factories, "watch");
  File<TUnwatchFunction>(factories, "unwatch");
}

}  // namespace vettora
