#pragma once
// Putting a harness's own function in place of an engine's built-in one.
//
// TWrappedFunction answers to the same name, argument limits and class
// name as the function it wraps and hands each call on to it, so the
// rule language sees no difference; a subclass adds its check in Execute.
// ReplaceBuiltIns files wrappers under the engine's built-in (package and
// host) names; deffunctions are left alone, they come and go with the
// input.

#include <functional>
#include <string>
#include <vector>

#include "engine/inference_engine.h"
#include "functions/user_function.h"

namespace vettora::fuzz {

class TWrappedFunction : public TIEUserFunction {
 public:
  explicit TWrappedFunction(IUserFunction original);

  [[nodiscard]] std::string ClassName() const override { return FOriginal->ClassName(); }
  [[nodiscard]] bool CanStream() const override { return FOriginal->CanStream(); }
  [[nodiscard]] std::vector<int32_t> OwnData() const override { return FOriginal->OwnData(); }
  [[nodiscard]] bool TryCompare(const TIEValue& first, const TIEValue& second,
                                bool& result) const override {
    return FOriginal->TryCompare(first, second, result);
  }
  [[nodiscard]] const IUserFunction& Original() const { return FOriginal; }

 protected:
  IIEValue Execute(TFunctionCall& call, TIEContext& context) override;

 private:
  IUserFunction FOriginal;
};

// Called with each built-in function; answers its replacement, or an
// empty handle to keep it.
using TFunctionWrapper = std::function<IUserFunction(const IUserFunction& function)>;

void ReplaceBuiltIns(TInferenceEngine& engine, const TFunctionWrapper& wrap);

}  // namespace vettora::fuzz
