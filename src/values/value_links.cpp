// The fuzzy value builder a singleton list is evaluated through.
#include <atomic>

#include "values/value_links.h"

namespace vettora {

namespace {

// Atomic: engines made on two threads both register the same builder.
std::atomic<TFuzzyValueBuilder> gFuzzyValueBuilder = nullptr;

}  // namespace

void SetFuzzyValueBuilder(TFuzzyValueBuilder builder) {
  gFuzzyValueBuilder.store(builder, std::memory_order_release);
}

TFuzzyValueBuilder FuzzyValueBuilder() { return gFuzzyValueBuilder.load(std::memory_order_acquire); }

}  // namespace vettora
