#pragma once
// TIFuzzySets: the terms of a fuzzy variable, in term-number order, with a
// hashed index by name. A name occurs at most once: adding a set under a
// name that is already there replaces the old term in its place.
//
// The list only keeps sets; linking a set to its variable is the
// variable's business.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "fuzzy/ifuzzy_set.h"

namespace vettora {

class TIFuzzySets {
 public:
  [[nodiscard]] int32_t Count() const { return int32_t(FItems.size()); }
  // Raises "List index out of bounds (%d)" for a bad index.
  [[nodiscard]] const IFuzzySet& Items(int32_t i) const;
  [[nodiscard]] const IFuzzySet& operator[](int32_t i) const { return Items(i); }
  // The term named `name`, or an empty handle.
  [[nodiscard]] IFuzzySet Find(std::string_view name) const;
  [[nodiscard]] int32_t IndexOf(std::string_view name) const;
  [[nodiscard]] int32_t IndexOf(const TFuzzySet* set) const;

  // Appends `set` under its name, or replaces the term of that name; returns
  // the replaced term (empty when none).
  IFuzzySet Add(IFuzzySet set);
  // Removes the term at i and returns it.
  IFuzzySet Delete(int32_t i);
  void Clear();
  // Re-keys a term whose name changed from `oldName`; returns the term that
  // held the new name before (removed from the list), or an empty handle.
  IFuzzySet Rename(const TFuzzySet& set, const std::string& oldName);

  auto begin() const { return FItems.begin(); }
  auto end() const { return FItems.end(); }

 private:
  struct TNameHash {
    using is_transparent = void;
    size_t operator()(std::string_view s) const noexcept {
      return std::hash<std::string_view>{}(s);
    }
  };
  void Reindex(size_t from);

  std::vector<IFuzzySet> FItems;
  std::unordered_map<std::string, size_t, TNameHash, std::equal_to<>> FIndex;  // name -> position
};

}  // namespace vettora
