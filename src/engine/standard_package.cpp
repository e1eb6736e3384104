// The standard package: its function order and the shared function base.
#include "engine/standard_package.h"

#include "engine/inference_engine.h"
#include "engine/messages.h"
#include "matching/context.h"
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

TInferenceEngine& TStandardFunction::EngineOf(TIEContext& context) const {
  auto* engine = dynamic_cast<TInferenceEngine*>(context.Engine());
  if (engine == nullptr)
    throw EIEException(FormatMessage(kFunctionNeedsEngine, {FunctionName()}));
  return *engine;
}

const std::vector<std::string>& TStandardPackage::FunctionOrder() {
  static const std::vector<std::string> order = {
      "and", "assert", "assert-string", "batch", "bind", "clear", "clear-storage", "close",
      "do-backward-chaining", "dribble-on", "dribble-off", "duplicate", "eq", "eq*", "=",
      "exit", "__get-var", "fetch", "foreach", "format", "gensym*", "get-fact-duplication",
      "get-slot-value", ">", ">=", "halt", "if", "load", "load-facts", "<", "<=", "member",
      "modify", "neq", "<>", "not", "open", "or", "printout", "read", "readline", "remove",
      "rename", "reset", "retract", "retract-string", "return", "run", "save", "save-facts",
      "set-fact-duplication", "store", "try", "throw", "unwatch", "version", "watch", "while",
      // The multifield functions.
      "create$", "delete$", "explode$", "first$", "length$", "implode$", "insert$",
      "member$", "nth$", "replace$", "rest$", "subseq$", "subsetp"};
  return order;
}

void TStandardPackage::CreateFunctions() {
  TUserPackage::CreateFunctions();
  TStandardFactories factories;
  RegisterStandardCoreFunctions(factories);
  RegisterStandardFactFunctions(factories);
  RegisterStandardMultifieldFunctions(factories);
  for (const std::string& name : FunctionOrder()) {
    auto found = factories.find(name);
    if (found != factories.end()) Functions().Add(found->second());
  }
}

}  // namespace vettora
