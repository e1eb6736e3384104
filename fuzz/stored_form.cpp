// Harness: a window's stored form (JSON) read as the assessment window
// reads its own, then every engine it made reset and run as an assessment
// runs it, within the fuzz budget.
#include <cstddef>
#include <cstdint>
#include <exception>
#include <string_view>

#include "app/stored_form.h"
#include "engine/inference_engine.h"
#include "fuzz/engine_guard.h"
#include "values/exceptions.h"

namespace {

using namespace vettora;

// Handlers under the names a form may bind its events to.
TFormHandlers Handlers() {
  TFormHandlers handlers;
  handlers.FactEvents["Asserted"] = [](TObject&, const IFact&) {};
  handlers.RuleFireEvents["Fired"] = [](TObject&, TIEContext&) {};
  return handlers;
}

void RunEngines(const TStoredForm& form, fuzz::TEngineGuard& guard) {
  for (TComponent* component : form.Components()) {
    auto* engine = dynamic_cast<TInferenceEngine*>(component);
    if (!engine) continue;
    guard.Attach(*engine);
    try {
      engine->Reset();
      (void)engine->Run(fuzz::kMaxFirings);
    } catch (const EIEAbort&) {
    } catch (const std::exception&) {
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > fuzz::kMaxInputBytes) return 0;
  fuzz::TEngineGuard guard;
  TStoredForm form;
  try {
    form.Load(std::string_view(reinterpret_cast<const char*>(data), size), Handlers());
  } catch (const EIEException&) {
    return 0;
  }
  RunEngines(form, guard);
  return 0;
}
