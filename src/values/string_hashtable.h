#pragma once
// String-keyed tables of the hash-table family. Keys compare exactly
// (case-sensitive, byte for byte); the empty string is the missing key.
// Lookups take a string_view, so no string is built to look a key up.

#include <string>
#include <string_view>

#include "values/counted.h"
#include "values/hashtable.h"

namespace vettora {

struct TGStringKeyTraits {
  using TLookup = std::string_view;
  static bool IsMissing(std::string_view key) { return key.empty(); }
  static uint32_t Hash(std::string_view key) { return HashStringKey(key); }
  static bool Equal(const std::string& stored, std::string_view key) { return stored == key; }
  static std::string MakeKey(std::string_view key) { return std::string(key); }
  static std::string Text(std::string_view key) { return std::string(key); }
};

template <class V>
class TGStringHashtable : public TGKeyedHashtable<std::string, V, TGStringKeyTraits> {
 public:
  using TGKeyedHashtable<std::string, V, TGStringKeyTraits>::TGKeyedHashtable;
};

// String-keyed table of counted references: the table holds one reference
// per entry. The base of the engine's named collections. A lookup by name of
// an absent key raises "No such element: %s" with the key.
template <class T>
class TIStringHashTable : public TGStringHashtable<Ref<T>> {
 public:
  using TGStringHashtable<Ref<T>>::TGStringHashtable;

  [[nodiscard]] const Ref<T>& Get(std::string_view key) const {
    return this->GetEntry(key, true)->Value;
  }
};

}  // namespace vettora
