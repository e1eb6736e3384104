// TBindingInfo and TBinding: positions, equality and texts.
#include "matching/binding_info.h"

#include <typeinfo>

namespace vettora {

std::unique_ptr<TObject> TBindingInfo::Duplicate() const {
  return std::make_unique<TBindingInfo>(FFactIndex, FSlotIndex, FSubIndex);
}

void TBindingInfo::AssignInfo(const TBindingInfo& source) {
  FFactIndex = source.FFactIndex;
  FSlotIndex = source.FSlotIndex;
  FSubIndex = source.FSubIndex;
  FLayout = nullptr;
}

int32_t TBindingInfo::SlotPositionIn(const TFact& fact) const {
  const IFactTemplate& t = fact.Template();
  if (!t) return -1;
  if (t->Layout() != FLayout) {
    FPosition = t->SlotIndex(FSlotIndex);
    FLayout = t->Layout();
  }
  return FPosition;
}

bool TBindingInfo::Equals(const TBindingInfo& other) const {
  return typeid(*this) == typeid(other) && FFactIndex == other.FFactIndex &&
         FSlotIndex == other.FSlotIndex && FSubIndex == other.FSubIndex;
}

std::string TBindingInfo::InfoText() const {
  std::string text = "FactIdx=" + std::to_string(FFactIndex) + " SlotIdx=" + FSlotIndex;
  if (FSubIndex != -1) text += " SubIdx=" + std::to_string(FSubIndex);
  return text;
}

TBinding::TBinding(std::string name, IIEValue value)
    : TBindingInfo(kLocalFactIndex, kLocalSlot, -1),
      FName(std::move(name)),
      FValue(std::move(value)) {}

TBinding::TBinding(std::string name, int32_t factIndex, std::string slotIndex, int32_t subIndex)
    : TBindingInfo(factIndex, std::move(slotIndex), subIndex), FName(std::move(name)) {}

void TBinding::Reset(std::string_view name, IIEValue value) {
  if (FName != name) FName.assign(name);
  SetFactIndex(kLocalFactIndex);
  if (!IsLocal()) SetSlotIndex(kLocalSlot);
  SetSubIndex(-1);
  FValue = std::move(value);
}

std::unique_ptr<TObject> TBinding::Duplicate() const {
  auto copy = std::make_unique<TBinding>(FName, FactIndex(), SlotIndex(), SubIndex());
  copy->SetValue(FValue);
  return copy;
}

bool TBinding::Equals(const TBindingInfo& other) const {
  if (!TBindingInfo::Equals(other)) return false;
  const auto& binding = static_cast<const TBinding&>(other);
  if (FName != binding.FName) return false;
  if (FValue == binding.FValue) return true;
  return FValue && FValue->Equals(binding.FValue);
}

std::string TBinding::BindingText() const {
  std::string text = "name=" + FName;
  if (FValue) text += " value=" + FValue->AsText();
  return text + " " + InfoText();
}

}  // namespace vettora
