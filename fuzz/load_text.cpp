// Harness: a knowledge-base text loaded as a file is (`load`, the
// engine's SetText): cleared, read and executed item by item, reset. What
// loaded is written out again and that text loaded into a second engine,
// so the printer and the reader of every construct meet what the other
// makes of fuzzed input.
#include <cstddef>
#include <cstdint>
#include <exception>
#include <string>

#include "engine/inference_engine.h"
#include "fuzz/engine_guard.h"
#include "values/exceptions.h"

namespace {

using vettora::TInferenceEngine;

// False when the text did not load (an error, or `exit`).
bool Load(TInferenceEngine& engine, const std::string& text) {
  try {
    engine.SetText(text);
    return true;
  } catch (const vettora::EIEAbort&) {
  } catch (const std::exception&) {
  }
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > vettora::fuzz::kMaxInputBytes) return 0;
  vettora::fuzz::TEngineGuard guard;
  TInferenceEngine engine;
  guard.Attach(engine);
  if (!Load(engine, std::string(reinterpret_cast<const char*>(data), size))) return 0;
  std::string saved = engine.GetText();
  TInferenceEngine copy;
  guard.Attach(copy);
  (void)Load(copy, saved);
  (void)copy.GetText();
  return 0;
}
