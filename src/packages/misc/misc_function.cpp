#include "packages/misc/misc_function.h"

#include "engine/messages.h"
#include "functions/engine_services.h"
#include "matching/context.h"
#include "values/exceptions.h"
#include "values/format.h"

namespace vettora {

TMiscFunction::TMiscFunction(const std::string& name, const std::string& help,
                             const std::string& arguments, int32_t min, int32_t max) {
  SetFunctionName(name);
  SetComment(help);
  SetArgumentString(arguments);
  SetArgumentLimits(min, max);
}

IEngineServices& TMiscFunction::EngineOf(TIEContext& context) const {
  IEngineServices* engine = context.Services();
  if (engine == nullptr) throw EIEException(FormatMessage(kFunctionNeedsEngine, {FunctionName()}));
  return *engine;
}

IIEValue TMiscFunction::Arg(const TFunctionCall& call, int32_t i, TIEContext& context) {
  IIEValue value = call.EvaluateArgument(i, context);
  return value ? value : NilValue();
}

}  // namespace vettora
