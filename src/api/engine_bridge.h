#pragma once
// What the public engine keeps behind its pointer: the engine component
// itself, the host functions added to it, and the handlers the public
// events forward to.

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "engine/inference_engine.h"
#include "functions/user_function_component.h"
#include "vettora/engine.h"

namespace vettora {

struct TEngine::TImpl {
  TImpl();
  ~TImpl();

  // Runs `action`, turning every engine error into an EEngineError.
  template <class F>
  auto Guarded(F&& action) -> decltype(action());

  void PrintOut(const std::string& outId, const std::string& text);
  [[nodiscard]] static TFactView View(TFact& fact);

  TInferenceEngine Engine;
  // Declared after the engine: destroyed first, so each unregisters itself
  // from a live engine.
  std::vector<std::unique_ptr<TCustomUserFunction>> Functions;
  TPrintOutHandler OnPrintOut;
  std::ostream* Output = nullptr;
  TFactHandler OnAssertion;
  TFactHandler OnRetraction;
  TRuleHandler OnRuleFired;
  TNotifyHandler OnReset;
  TNotifyHandler OnClear;
};

// Rethrows the exception being handled as an EEngineError: parse errors
// keep their line, the silent abort of (exit) says so.
[[noreturn]] void ThrowEngineError();

template <class F>
auto TEngine::TImpl::Guarded(F&& action) -> decltype(action()) {
  try {
    return action();
  } catch (...) {
    ThrowEngineError();
  }
}

}  // namespace vettora
