#pragma once
// TValueHashTable: a string-keyed table of values (the engine's stored
// values and its variables). An entry may hold no value.

#include <string>
#include <string_view>

#include "values/string_hashtable.h"
#include "values/value.h"

namespace vettora {

class TValueHashTable : public TIStringHashTable<TIEValue> {
 public:
  explicit TValueHashTable(uint32_t capacity = 101, float loadFactor = 0.75f)
      : TIStringHashTable<TIEValue>(capacity, loadFactor) {}

  // The value stored under `key`, or none when the key is absent (never
  // raises, also not for the empty key or an empty table).
  [[nodiscard]] IIEValue Fetch(std::string_view key) const;
  // Stores `value` (possibly none) under `key`, replacing any earlier one;
  // returns the earlier value. The empty key raises "Argument is null".
  IIEValue Store(std::string_view key, IIEValue value) { return Put(key, std::move(value)); }
  // Removes `key` when present; returns whether it was.
  bool Discard(std::string_view key) { return TryRemove(key); }

  // Empties this table, takes the source's load factor, capacity and hash
  // method, and stores a clone of every source value under its key, in the
  // source's enumeration order, inside one update bracket.
  void Assign(const TValueHashTable& source);

  // For each entry in enumeration order: key, " = ", the value's printed
  // form, CR LF.
  [[nodiscard]] std::string AsText() const;
};

}  // namespace vettora
