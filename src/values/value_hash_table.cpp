#include "values/value_hash_table.h"

namespace vettora {

IIEValue TValueHashTable::Fetch(std::string_view key) const {
  const IIEValue* found = Lookup(key);
  return found ? *found : IIEValue();
}

void TValueHashTable::Assign(const TValueHashTable& source) {
  AssignWith(source, [](const IIEValue& value) { return value ? value->Clone() : IIEValue(); });
}

std::string TValueHashTable::AsText() const {
  std::string text;
  for (const TEntry& entry : *this) {
    text += entry.Key;
    text += " = ";
    if (entry.Value) text += entry.Value->AsText();
    text += "\r\n";
  }
  return text;
}

}  // namespace vettora
