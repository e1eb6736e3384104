#pragma once
// TBindingInfo: where a variable of a rule's left-hand side takes its value
// from (a fact position in the matching token, a slot, an element), and
// TBinding, a named variable with its bound value. A binding record can be
// held by a `dtObject` value: compiled calls carry them in place of
// variables, and evaluating such a value reads the fact it points at.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "knowledge/fact.h"
#include "values/value.h"

namespace vettora {

// Slot markers of a binding.
inline constexpr const char* kPatternSlot = "__PATTERN";  // the fact itself, as a fact id
inline constexpr const char* kLocalSlot = "__LOCAL";      // bound on the right-hand side
// The variable that holds the rule's name in every firing context.
inline constexpr const char* kRuleVariable = "__RULE";
// The FactIndex of a binding made without a position.
inline constexpr int32_t kLocalFactIndex = -2;

class TBindingInfo : public TBindingInfoBase {
 public:
  TBindingInfo() = default;
  TBindingInfo(int32_t factIndex, std::string slotIndex, int32_t subIndex)
      : FFactIndex(factIndex), FSlotIndex(std::move(slotIndex)), FSubIndex(subIndex) {}

  [[nodiscard]] std::string ClassName() const override { return "TBindingInfo"; }
  [[nodiscard]] std::unique_ptr<TObject> Duplicate() const override;

  [[nodiscard]] int32_t FactIndex() const { return FFactIndex; }
  void SetFactIndex(int32_t index) { FFactIndex = index; }
  [[nodiscard]] const std::string& SlotIndex() const { return FSlotIndex; }
  void SetSlotIndex(std::string slot) {
    FSlotIndex = std::move(slot);
    FLayout = nullptr;
  }
  // -1 reads the whole slot; otherwise the element of the slot's multifield.
  [[nodiscard]] int32_t SubIndex() const { return FSubIndex; }
  void SetSubIndex(int32_t index) { FSubIndex = index; }

  [[nodiscard]] bool IsLocal() const { return FSlotIndex == std::string_view(kLocalSlot); }
  [[nodiscard]] bool IsPattern() const { return FSlotIndex == std::string_view(kPatternSlot); }

  // The position of the slot in `fact`'s template, or -1 when it has none
  // (or the fact no template). Looked up by name once per template layout,
  // so reading a bound variable while matching never hashes the name.
  [[nodiscard]] int32_t SlotPositionIn(const TFact& fact) const;
  // The slot's value in `fact`, or null when its template has no such slot.
  [[nodiscard]] const TIEValue* SlotValueIn(const TFact& fact) const {
    int32_t position = SlotPositionIn(fact);
    return position < 0 ? nullptr : fact.ValueAt(position).Get();
  }

  // Takes the position (fact, slot, element) of another record.
  void AssignInfo(const TBindingInfo& source);

  // Same class and the same position.
  [[nodiscard]] virtual bool Equals(const TBindingInfo& other) const;

  // "FactIdx=0 SlotIdx=age", then " SubIdx=n" when an element is read.
  [[nodiscard]] std::string InfoText() const;
  [[nodiscard]] std::string BindingText() const override { return InfoText(); }

 private:
  int32_t FFactIndex = 0;
  std::string FSlotIndex;
  int32_t FSubIndex = -1;
  // The layout SlotPositionIn last looked at (held, so a new layout never
  // reuses its address) and the slot's position in it.
  mutable ISlotLayout FLayout;
  mutable int32_t FPosition = -1;
};

class TBinding : public TBindingInfo {
 public:
  // A positionless binding (FactIndex -2, "__LOCAL", SubIndex -1).
  TBinding(std::string name, IIEValue value);
  TBinding(std::string name, int32_t factIndex, std::string slotIndex, int32_t subIndex);

  [[nodiscard]] std::string ClassName() const override { return "TBinding"; }
  [[nodiscard]] std::unique_ptr<TObject> Duplicate() const override;

  [[nodiscard]] const std::string& Name() const { return FName; }
  [[nodiscard]] const IIEValue& Value() const { return FValue; }
  void SetValue(IIEValue value) { FValue = std::move(value); }
  // Becomes the positionless binding of `name` holding `value`, as if made
  // anew (a binding table reuses its bindings so).
  void Reset(std::string_view name, IIEValue value);

  // The position is equal, the names are equal, and the values are the
  // same object or equal.
  [[nodiscard]] bool Equals(const TBindingInfo& other) const override;

  // "name=x value=5 FactIdx=-2 SlotIdx=__LOCAL" (no value part without one).
  [[nodiscard]] std::string BindingText() const override;

 private:
  std::string FName;
  IIEValue FValue;
};

}  // namespace vettora
