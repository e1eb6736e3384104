// TFacts: the engine's fact list.
#include "engine/facts.h"

#include <algorithm>

namespace vettora {

void TFacts::RetractFactsOf(const TFactTemplate* factTemplate) {
  int32_t i = Count() - 1;
  while (i >= 0) {
    if (Items(i)->Template().Get() == factTemplate) Retract(i);
    // A retraction drains queued work, which may shorten the list further.
    i = std::min(i - 1, Count() - 1);
  }
}

}  // namespace vettora
