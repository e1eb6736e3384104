// vettora::TEngine::AddFunction: a host callable registered as a function
// of the rule language through a TCustomUserFunction component.
#include "api/engine_bridge.h"
#include "api/value_conversion.h"
#include "functions/function_call.h"
#include "values/exceptions.h"

namespace vettora {

namespace {

// Arguments are evaluated in the caller's context, handed over as copies,
// and the callable's exceptions become engine errors that name the
// function, so a rule's error message says where it came from.
TCustomUserFunction::TCallEvent CallHandler(std::string name, TEngine::THostFunction function) {
  return [name = std::move(name), function = std::move(function)](
             TObject&, TFunctionCall& call, TIEContext& context, IIEValue& result) {
    std::vector<TValue> arguments;
    arguments.reserve(size_t(call.ArgumentCount()));
    for (int32_t i = 0; i < call.ArgumentCount(); ++i)
      arguments.push_back(ToPublicValue(call.EvaluateArgument(i, context)));
    TValue answer;
    try {
      answer = function(arguments);
    } catch (const std::exception& error) {
      throw EIEException(name + ": " + error.what());
    }
    result = ToEngineValue(answer);
  };
}

}  // namespace

void TEngine::AddFunction(const std::string& name, int32_t minArguments, int32_t maxArguments,
                          const std::string& help, THostFunction function) {
  FImpl->Guarded([&] {
    IUserFunction existing;
    if (name.empty()) throw EEngineError("A host function needs a name");
    if (FImpl->Engine.FindFunction(name, existing))
      throw EEngineError("A function named " + name + " already exists");
    if (!function) throw EEngineError("No callable given for the host function " + name);
    auto component = std::make_unique<TCustomUserFunction>();
    component->SetMinArgumentCount(minArguments < 0 ? 0 : minArguments);
    component->SetMaxArgumentCount(maxArguments < 0 ? TIEUserFunction::kNoLimit : maxArguments);
    component->SetComment(help);
    component->SetOnCall(CallHandler(name, std::move(function)));
    component->SetFunctionName(name);
    component->SetEngine(&FImpl->Engine);
    FImpl->Functions.push_back(std::move(component));
  });
}

}  // namespace vettora
