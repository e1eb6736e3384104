#pragma once
// TBindings: the variables of one evaluation context, by name. The table
// owns its bindings. Lookups happen for every variable read while rules
// fire, so a handful of bindings are found by comparing cached hashes and
// larger tables through an open-addressing index; bindings are kept, and
// enumerated, in the order they were first added.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "matching/binding_info.h"

namespace vettora {

class TBindings {
 public:
  TBindings() = default;
  TBindings(const TBindings&) = delete;
  TBindings& operator=(const TBindings&) = delete;

  [[nodiscard]] int32_t Count() const { return int32_t(FItems.size()); }
  [[nodiscard]] TBinding* Find(std::string_view name) const;

  // Files the binding under its name. A binding already filed under that
  // name is freed first; the new one takes its place in the order.
  TBinding* Add(std::unique_ptr<TBinding> binding);
  // A positionless binding of that name holding `value`. One already filed
  // under the name is updated in place (made positionless); otherwise a
  // binding left over from Clear is reused before a new one is made.
  TBinding* Set(std::string_view name, IIEValue value);
  // Frees the binding of that name; false when there is none.
  bool Remove(std::string_view name);
  // Empties the table: every binding lets go of its value; a few bindings
  // and the table's storage are kept for Set to reuse, so a context that is
  // cleared and filled again per rule firing allocates nothing. The owning
  // context clears its return state after.
  void Clear();

  [[nodiscard]] TBinding* Items(int32_t i) const { return FItems.at(size_t(i)).Binding.get(); }
  void ForEach(const std::function<void(TBinding&)>& visit) const;

 private:
  struct TEntry {
    uint32_t Hash;
    std::unique_ptr<TBinding> Binding;
  };
  // Up to this many bindings are found by a scan of cached hashes.
  static constexpr size_t kScanLimit = 8;
  // At most this many cleared bindings wait for reuse.
  static constexpr size_t kSpareLimit = 16;

  [[nodiscard]] static uint32_t NameHash(std::string_view name);
  [[nodiscard]] int32_t IndexOf(std::string_view name, uint32_t hash) const;
  void Reindex();
  void IndexEntry(int32_t item);
  TBinding* Append(uint32_t hash, std::unique_ptr<TBinding> binding);

  std::vector<TEntry> FItems;
  std::vector<int32_t> FSlots;  // open addressing over FItems; -1 = free; empty while small
  std::vector<std::unique_ptr<TBinding>> FSpares;  // cleared bindings, values released
};

}  // namespace vettora
