#pragma once
// TSlotRef: a slot named when a rule is compiled and reached by position
// when facts are matched. The position is looked up once per template
// layout (a template makes a new layout whenever its slots change) and
// remembered, so matching a fact never looks a slot name up.

#include <cstdint>
#include <string>

#include "knowledge/fact.h"
#include "knowledge/fact_template.h"
#include "values/value_vector.h"

namespace vettora {

class TSlotRef {
 public:
  TSlotRef() = default;
  explicit TSlotRef(std::string name) : FName(std::move(name)) {}

  [[nodiscard]] const std::string& Name() const { return FName; }

  // The slot's value in `fact` (its default when none is stored), or null
  // when the fact's template has no such slot.
  [[nodiscard]] const TIEValue* ValueIn(const TFact& fact) const {
    const IFactTemplate& t = fact.Template();
    if (!t) return nullptr;
    if (t->Layout() != FLayout) Resolve(*t);
    if (FPosition < 0) return nullptr;
    return fact.ValueAt(FPosition).Get();
  }

  // The slot's position in `fact`'s template, or -1.
  [[nodiscard]] int32_t PositionIn(const TFact& fact) const {
    const IFactTemplate& t = fact.Template();
    if (!t) return -1;
    if (t->Layout() != FLayout) Resolve(*t);
    return FPosition;
  }

 private:
  void Resolve(const TFactTemplate& t) const {
    FLayout = t.Layout();  // held, so a new layout can never reuse its address
    FPosition = t.SlotIndex(FName);
  }

  std::string FName;
  mutable ISlotLayout FLayout;
  mutable int32_t FPosition = -1;
};

// The element `subIndex` of a multifield value, or the value itself for -1;
// null when the value is no multifield or too short.
[[nodiscard]] inline const TIEValue* ElementOf(const TIEValue* value, int32_t subIndex) {
  if (subIndex < 0 || !value) return value;
  // Read in place: a counted handle here would cost two locked
  // instructions per element read, and every token is tested this way.
  const TValueVector* list = value->ListPayload();
  if (!list || subIndex >= list->Count()) return nullptr;
  return list->Items(subIndex).Get();
}

}  // namespace vettora
