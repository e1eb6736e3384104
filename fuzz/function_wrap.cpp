// Wrapped built-in functions: same name and limits, calls handed on.
#include "fuzz/function_wrap.h"

#include "engine/user_functions.h"
#include "functions/function_call.h"

namespace vettora::fuzz {

TWrappedFunction::TWrappedFunction(IUserFunction original) : FOriginal(std::move(original)) {
  Assign(*FOriginal);
  SetArgumentString(FOriginal->ArgumentString());
}

IIEValue TWrappedFunction::Execute(TFunctionCall& call, TIEContext& context) {
  return FOriginal->Call(call, &context);
}

// The names are gathered first: filing a replacement changes the table
// being walked.
void ReplaceBuiltIns(TInferenceEngine& engine, const TFunctionWrapper& wrap) {
  std::vector<IUserFunction> builtIns;
  for (const auto& entry : engine.UserFunctions().Table())
    if (entry.Value && !IsDeffunction(*entry.Value)) builtIns.push_back(entry.Value);
  for (const IUserFunction& function : builtIns)
    if (IUserFunction replacement = wrap(function)) engine.AddUserFunction(replacement);
}

}  // namespace vettora::fuzz
