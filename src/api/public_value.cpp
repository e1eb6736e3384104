// vettora::TValue and vettora::TFactView.
#include <cmath>

#include "api/value_conversion.h"
#include "vettora/fact.h"
#include "vettora/value.h"

namespace vettora {

TValue::TValue(TKind kind, std::string text, double number, std::vector<TValue> items)
    : FKind(kind), FText(std::move(text)), FNumber(number), FItems(std::move(items)) {}

TValue TValue::Atom(std::string name) {
  TKind kind = name.empty() ? vkNil : vkAtom;
  return TValue(kind, std::move(name));
}

TValue TValue::String(std::string text) { return TValue(vkString, std::move(text)); }
TValue TValue::Integer(int32_t number) { return TValue(vkInteger, std::to_string(number), number); }
TValue TValue::Other(std::string text) { return TValue(vkOther, std::move(text)); }

// Floats and lists keep the text the engine prints them with.
TValue TValue::Float(double number) {
  return TValue(vkFloat, MakeFloat(number)->AsText(), number);
}

TValue TValue::List(std::vector<TValue> items) {
  TValue list(vkList, "", 0.0, std::move(items));
  list.FText = ToEngineValue(list)->AsText();
  return list;
}

// A float out of the 32-bit range (or NaN) answers 0 rather than being
// converted with undefined behaviour.
int32_t TValue::AsInteger() const {
  if (FKind == vkInteger) return int32_t(FNumber);
  if (FKind != vkFloat || !(std::fabs(FNumber) < 2147483648.0)) return 0;
  return int32_t(FNumber);
}

// Numbers, lists and other values keep their printed text; nil, atoms and
// strings are printed as the engine prints them (strings in quotes).
std::string TValue::AsText() const {
  if (FKind == vkNil || FKind == vkAtom || FKind == vkString) return ToEngineValue(*this)->AsText();
  return FText;
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
