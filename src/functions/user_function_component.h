#pragma once
// Host-supplied functions: a TUserFunction component placed by the host
// answers calls through its OnCall event. The component owns an inner
// function object (TIEInnerFunction) that engines register and calls
// resolve to; the inner function outlives the component if calls still
// hold it, and then fails as unimplemented.

#include <cstdint>
#include <functional>
#include <string>

#include "functions/function_call.h"
#include "functions/reasoner.h"
#include "functions/user_function.h"
#include "values/component.h"

namespace vettora {

class TCustomUserFunction;

class TIEInnerFunction : public TIEUserFunction {
 public:
  explicit TIEInnerFunction(TCustomUserFunction* component) : FComponent(component) {}

  [[nodiscard]] std::string ClassName() const override { return "TIEInnerFunction"; }
  // The component this function stands for; null once it is destroyed.
  [[nodiscard]] TCustomUserFunction* Component() const { return FComponent; }

 protected:
  IIEValue Execute(TFunctionCall& call, TIEContext& context) override;

 private:
  friend class TCustomUserFunction;
  TCustomUserFunction* FComponent;
};

class TCustomUserFunction : public TComponent {
 public:
  // Receives the component, the call (arguments unevaluated), the context,
  // and the result, which starts as nil.
  using TCallEvent = std::function<void(TObject& sender, TFunctionCall& call, TIEContext& context,
                                        IIEValue& result)>;

  explicit TCustomUserFunction(TComponent* owner = nullptr);
  ~TCustomUserFunction() override;

  [[nodiscard]] std::string ClassName() const override { return "TCustomUserFunction"; }

  // The function engines register; always present.
  [[nodiscard]] const IUserFunction& Function() const { return FFunction; }

  [[nodiscard]] const std::string& ArgumentString() const { return FFunction->ArgumentString(); }
  void SetArgumentString(std::string text) { FFunction->SetArgumentString(std::move(text)); }
  [[nodiscard]] const std::string& Comment() const { return FFunction->Comment(); }
  void SetComment(std::string comment) { FFunction->SetComment(std::move(comment)); }
  [[nodiscard]] const std::string& FunctionName() const { return FFunction->FunctionName(); }
  // Renames the function (re-registering it), and registers it with the
  // engine when it was waiting for a name.
  void SetFunctionName(const std::string& name);
  // Changing a limit also rebuilds ArgumentString from its own items.
  [[nodiscard]] int32_t MinArgumentCount() const { return FFunction->MinArgumentCount(); }
  void SetMinArgumentCount(int32_t count);
  [[nodiscard]] int32_t MaxArgumentCount() const { return FFunction->MaxArgumentCount(); }
  void SetMaxArgumentCount(int32_t count);

  // The engine the function is registered with. Setting it unregisters the
  // function from the old engine and registers it with the new one (each
  // only when the function has a name); an engine that is destroyed is
  // dropped.
  [[nodiscard]] IReasoner* Engine() const { return FEngine; }
  void SetEngine(IReasoner* engine);

  // While designing, calls answer nil without raising OnCall.
  [[nodiscard]] bool Designing() const { return FDesigning; }
  void SetDesigning(bool designing) { FDesigning = designing; }

  [[nodiscard]] const TCallEvent& OnCall() const { return FOnCall; }
  void SetOnCall(TCallEvent handler) { FOnCall = std::move(handler); }

  // Takes Comment, FunctionName and the limits of another component.
  void Assign(const TCustomUserFunction& source);

  // What a call of the function does: nil, or what OnCall makes of it.
  virtual IIEValue DoCall(TFunctionCall& call, TIEContext& context);

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  void RebuildArgumentString();

  IUserFunction FFunction;
  IReasoner* FEngine = nullptr;
  TComponent* FEngineComponent = nullptr;  // FEngine's component, for free notification
  TCallEvent FOnCall;
  bool FDesigning = false;
};

class TUserFunction : public TCustomUserFunction {
 public:
  using TCustomUserFunction::TCustomUserFunction;
  [[nodiscard]] std::string ClassName() const override { return "TUserFunction"; }
};

}  // namespace vettora
