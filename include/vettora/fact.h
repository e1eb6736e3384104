#pragma once
// vettora::TFactView: a copy of one fact of an engine's fact list, taken
// when it was read (TEngine::Facts, TEngine::FindFact, the fact events).
// It does not change when the fact does and stays valid after the engine
// is gone.

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "vettora/export.h"
#include "vettora/value.h"

namespace vettora {

struct VETTORA_API TFactView {
  // The fact's ID, as (facts) prints it after "f-".
  int32_t ID = -1;
  // The name of the fact's template.
  std::string TemplateName;
  // The slots in the template's order, each with its value.
  std::vector<std::pair<std::string, TValue>> Slots;
  // The fact as (facts) prints it, without the "f-N" prefix.
  std::string Text;

  // The value of the slot of that name, or nothing when the template has
  // no such slot.
  [[nodiscard]] std::optional<TValue> Slot(const std::string& name) const;
};

}  // namespace vettora
