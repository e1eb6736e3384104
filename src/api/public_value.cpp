// vettora::TValue and vettora::TFactView.
#include <cmath>

#include "api/value_conversion.h"
#include "vettora/fact.h"
#include "vettora/value.h"

namespace vettora {

TValue TValue::Atom(std::string name) {
  TValue v;
  v.FKind = name.empty() ? vkNil : vkAtom;
  v.FText = std::move(name);
  return v;
}

TValue TValue::String(std::string text) {
  TValue v;
  v.FKind = vkString;
  v.FText = std::move(text);
  return v;
}

TValue TValue::Integer(int32_t number) {
  TValue v;
  v.FKind = vkInteger;
  v.FNumber = number;
  v.FText = std::to_string(number);
  return v;
}

TValue TValue::Float(double number) {
  TValue v;
  v.FKind = vkFloat;
  v.FNumber = number;
  v.FText = ToEngineValue(v)->AsText();
  return v;
}

TValue TValue::List(std::vector<TValue> items) {
  TValue v;
  v.FKind = vkList;
  v.FItems = std::move(items);
  v.FText = v.AsText();
  return v;
}

TValue TValue::Other(std::string text) {
  TValue v;
  v.FKind = vkOther;
  v.FText = std::move(text);
  return v;
}

// A float out of the 32-bit range (or NaN) answers 0 rather than being
// converted with undefined behaviour.
int32_t TValue::AsInteger() const {
  if (FKind == vkInteger) return int32_t(FNumber);
  if (FKind != vkFloat || !(std::fabs(FNumber) < 2147483648.0)) return 0;
  return int32_t(FNumber);
}

std::string TValue::AsText() const {
  if (FKind == vkOther) return FText;
  return ToEngineValue(*this)->AsText();
}

bool operator==(const TValue& a, const TValue& b) {
  return a.FKind == b.FKind && a.FText == b.FText && a.FNumber == b.FNumber && a.FItems == b.FItems;
}

std::optional<TValue> TFactView::Slot(const std::string& name) const {
  for (const auto& [slot, value] : Slots)
    if (slot == name) return value;
  return std::nullopt;
}

}  // namespace vettora
