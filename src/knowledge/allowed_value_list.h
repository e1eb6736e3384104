#pragma once
// The allowed-value lists of a defined type: ordered lists without
// duplicates, with an index so that adding and validating stay constant or
// logarithmic time however long a list grows. The order is the order in
// which values were added; printing and "first allowed value" defaults
// depend on it.

#include <cstdint>
#include <set>
#include <string>
#include <unordered_set>
#include <vector>

#include "values/exceptions.h"
#include "values/format.h"
#include "values/messages.h"

namespace vettora {

// Atoms, strings (compared by text, with case) and integers (by value).
template <class T>
class TAllowedValueList {
 public:
  [[nodiscard]] int32_t Count() const { return int32_t(FItems.size()); }
  [[nodiscard]] const T& Items(int32_t i) const {
    CheckIndex(i);
    return FItems[size_t(i)];
  }
  [[nodiscard]] bool Contains(const T& item) const { return FIndex.contains(item); }

  // Appends the item unless an equal one is already there; true if appended.
  bool Add(const T& item) {
    if (!FIndex.insert(item).second) return false;
    FItems.push_back(item);
    return true;
  }
  // Removes the entry equal to `item`; false when there is none.
  bool Remove(const T& item) {
    if (FIndex.erase(item) == 0) return false;
    for (auto it = FItems.begin(); it != FItems.end(); ++it)
      if (*it == item) {
        FItems.erase(it);
        break;
      }
    return true;
  }
  void Delete(int32_t i) {
    CheckIndex(i);
    FIndex.erase(FItems[size_t(i)]);
    FItems.erase(FItems.begin() + i);
  }
  void Clear() {
    FItems.clear();
    FIndex.clear();
  }
  // Same entries in the same order.
  [[nodiscard]] bool SameAs(const TAllowedValueList& other) const { return FItems == other.FItems; }

  auto begin() const { return FItems.begin(); }
  auto end() const { return FItems.end(); }

 private:
  void CheckIndex(int32_t i) const {
    if (i < 0 || i >= Count()) throw EListError(FormatMessage(kListIndexError, {i}));
  }

  std::vector<T> FItems;
  std::unordered_set<T> FIndex;
};

using TAllowedTextList = TAllowedValueList<std::string>;
using TAllowedIntegerList = TAllowedValueList<int32_t>;

// Allowed floats. Adding skips a value exactly equal to an entry (the value
// equality of floats), but a value is matched against the list -- when
// validating and when removing by value -- with an absolute tolerance of
// kFloatMatchTolerance. The list is printed with four decimals, so a type
// printed and read back holds entries up to 0.00005 away from the ones
// first added; the tolerance keeps every value that was allowed before
// allowed after such a round trip, and is the tolerance SameAllowedValues
// uses. A NaN entry is kept once and matches only NaN.
class TAllowedFloatList {
 public:
  static constexpr double kFloatMatchTolerance = 1e-4;

  [[nodiscard]] int32_t Count() const { return int32_t(FItems.size()); }
  [[nodiscard]] double Items(int32_t i) const;

  // Appends unless an exactly equal entry exists; true if appended.
  bool Add(double value);
  // True when some entry lies within the tolerance of `value`.
  [[nodiscard]] bool Matches(double value) const;
  // Removes the first entry, in list order, that matches `value`.
  bool RemoveMatch(double value);
  void Delete(int32_t i);
  void Clear();
  // Same number of entries, pairwise within the tolerance.
  [[nodiscard]] bool SameAs(const TAllowedFloatList& other) const;

  auto begin() const { return FItems.begin(); }
  auto end() const { return FItems.end(); }

  [[nodiscard]] static bool Close(double a, double b);

 private:
  void CheckIndex(int32_t i) const;
  void Unindex(double value);

  std::vector<double> FItems;
  std::set<double> FIndex;  // every entry but NaN; no two equal
  bool FHasNaN = false;
};

}  // namespace vettora
