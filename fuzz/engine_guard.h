#pragma once
// TEngineGuard: an engine made safe for one fuzz input. Attach wraps the
// engine's built-in functions with the input's work budget and the
// process's file sandbox, halts its runs once the firings are spent, and
// does so again whenever the engine makes its packages anew (a changed
// Packages setting). Output goes nowhere: the harnesses look for crashes,
// not for texts.
//
// The guard outlives the engines it is attached to (declare it first);
// when it goes, the files the input made are removed.

#include "engine/inference_engine.h"
#include "fuzz/file_sandbox.h"
#include "fuzz/work_budget.h"

namespace vettora::fuzz {

class TEngineGuard {
 public:
  TEngineGuard() : FSandbox(TFileSandbox::Process()) {}
  ~TEngineGuard() { FSandbox.Clean(); }
  TEngineGuard(const TEngineGuard&) = delete;
  TEngineGuard& operator=(const TEngineGuard&) = delete;

  void Attach(TInferenceEngine& engine);
  // Wraps what the engine has filed since (after its packages changed).
  void WrapFunctions(TInferenceEngine& engine);

  [[nodiscard]] TWorkBudget& Budget() { return FBudget; }

 private:
  TWorkBudget FBudget;
  TFileSandbox& FSandbox;
};

}  // namespace vettora::fuzz
