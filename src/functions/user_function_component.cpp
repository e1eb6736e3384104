// Host-supplied functions: the component and its inner function.
#include "functions/user_function_component.h"

#include "functions/messages.h"
#include "functions/signature.h"
#include "values/exceptions.h"
#include "values/format.h"

namespace vettora {

IIEValue TIEInnerFunction::Execute(TFunctionCall& call, TIEContext& context) {
  if (!FComponent) throw EIEException(FormatMessage(kFunctionUnimplemented, {FunctionName()}));
  return FComponent->DoCall(call, context);
}

TCustomUserFunction::TCustomUserFunction(TComponent* owner)
    : TComponent(owner), FFunction(MakeRef<TIEInnerFunction>(this)) {}

TCustomUserFunction::~TCustomUserFunction() {
  BeginDestroy();
  SetEngine(nullptr);
  static_cast<TIEInnerFunction*>(FFunction.Get())->FComponent = nullptr;
}

void TCustomUserFunction::SetFunctionName(const std::string& name) {
  FFunction->SetFunctionName(name);
  if (FEngine && !name.empty() && FFunction->IndexOfReasoner(FEngine) < 0)
    FEngine->RegisterFunction(FFunction);
}

void TCustomUserFunction::SetMinArgumentCount(int32_t count) {
  FFunction->SetMinArgumentCount(count);
  RebuildArgumentString();
}

void TCustomUserFunction::SetMaxArgumentCount(int32_t count) {
  FFunction->SetMaxArgumentCount(count);
  RebuildArgumentString();
}

void TCustomUserFunction::RebuildArgumentString() {
  FFunction->SetArgumentString(BuildArgumentString(
      FFunction->ArgumentString(), FFunction->MinArgumentCount(), FFunction->MaxArgumentCount()));
}

void TCustomUserFunction::SetEngine(IReasoner* engine) {
  if (engine == FEngine) return;
  IReasoner* old = FEngine;
  FEngine = nullptr;
  if (old) {
    if (!FunctionName().empty()) old->UnregisterFunction(FFunction);
    if (FEngineComponent) RemoveFreeNotification(FEngineComponent);
    FEngineComponent = nullptr;
  }
  FEngine = engine;
  if (!engine) return;
  FEngineComponent = engine->ReasonerComponent();
  if (FEngineComponent) FreeNotification(FEngineComponent);
  if (!FunctionName().empty()) engine->RegisterFunction(FFunction);
}

void TCustomUserFunction::Assign(const TCustomUserFunction& source) {
  if (&source == this) return;
  SetComment(source.Comment());
  SetFunctionName(source.FunctionName());
  SetMaxArgumentCount(source.MaxArgumentCount());
  SetMinArgumentCount(source.MinArgumentCount());
}

IIEValue TCustomUserFunction::DoCall(TFunctionCall& call, TIEContext& context) {
  IIEValue result = NilValue();
  if (!FDesigning && FOnCall) FOnCall(*this, call, context, result);
  return result;
}

void TCustomUserFunction::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  // The engine is going away and has already let go of its functions. Only
  // its component part is left, so it is recognised by the cached pointer.
  if (operation == opRemove && FEngineComponent == component) {
    FEngine = nullptr;
    FEngineComponent = nullptr;
  }
}

}  // namespace vettora
