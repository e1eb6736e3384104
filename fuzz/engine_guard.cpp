// TEngineGuard: budget, sandbox and silent output on one engine.
#include "fuzz/engine_guard.h"

#include "fuzz/function_wrap.h"

namespace vettora::fuzz {

void TEngineGuard::Attach(TInferenceEngine& engine) {
  WrapFunctions(engine);
  TInferenceEngine* target = &engine;
  engine.OnAddDefaultPackages = [this, target](TObject&) { WrapFunctions(*target); };
  engine.OnRuleFired = [this, target](TObject&, TRule&) { FBudget.CountFiring(*target); };
  if (!engine.OnPrintOut)
    engine.OnPrintOut = [](TObject&, const std::string&, const std::string&) {};
}

// The sandbox wraps first, so that a file function also spends a step.
void TEngineGuard::WrapFunctions(TInferenceEngine& engine) {
  ReplaceBuiltIns(engine, [this](const IUserFunction& f) { return FSandbox.Wrap(f); });
  ReplaceBuiltIns(engine, [this](const IUserFunction& f) { return FBudget.Wrap(f); });
}

}  // namespace vettora::fuzz
