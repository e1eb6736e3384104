#pragma once
// TValueVector: the list behind a multifield value (`dtList`), an ordered
// list of values on the interface list. An element may be empty.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "values/interface_list.h"
#include "values/value.h"

namespace vettora {

class TValueVector : public TCounted {
 public:
  TValueVector() = default;
  // Nested lists held by nothing else go with this one, taken apart from a
  // worklist rather than by recursion, so that no depth of nesting can
  // exhaust the stack.
  ~TValueVector() override;
  // Made and dropped by the hundred thousand: memory comes from the
  // class's recycler (values/recycler.h).
  static void* operator new(size_t size);
  static void operator delete(void* memory, size_t size) noexcept;

  // Replaces the content with clones of the source's elements; copies Tag.
  void Assign(const TValueVector& source);
  [[nodiscard]] IValueVector Clone() const;

  [[nodiscard]] int32_t Tag() const { return FTag; }
  void SetTag(int32_t tag) { FTag = tag; }

  [[nodiscard]] int32_t Count() const { return FItems.Count(); }
  [[nodiscard]] const IIEValue& Items(int32_t i) const { return FItems.Items(i); }
  void SetItems(int32_t i, IIEValue value) { FItems.SetItems(i, std::move(value)); }
  [[nodiscard]] const IIEValue& operator[](int32_t i) const { return FItems.Items(i); }

  // Equal counts, and at every index both elements empty or both Equals.
  [[nodiscard]] bool Equals(const TValueVector& other) const;
  [[nodiscard]] bool Equals(const TValueVector* other) const { return other && Equals(*other); }

  int32_t Add(IIEValue value) { return FItems.Add(std::move(value)); }
  void Clear() { FItems.Clear(); }
  [[nodiscard]] const IIEValue& First() const { return FItems.First(); }
  [[nodiscard]] const IIEValue& Last() const { return FItems.Last(); }
  // The index of this very value object, or -1.
  [[nodiscard]] int32_t IndexOf(const IIEValue& value) const { return FItems.IndexOf(value); }
  void Insert(int32_t i, IIEValue value) { FItems.Insert(i, std::move(value)); }
  void Delete(int32_t i) { FItems.Delete(i); }
  // Appends the source's elements themselves (shared, not cloned).
  void AddAll(const TValueVector& source);

  // Each element's printed form followed by one blank.
  [[nodiscard]] std::string AsText() const;
  // The wrapping sum of the elements' hashes.
  [[nodiscard]] uint32_t HashCode() const;

  auto begin() const { return FItems.begin(); }
  auto end() const { return FItems.end(); }

 private:
  // Moves the lists of the elements that only this list holds, and that
  // are held by nothing but those elements, to `lists`; the elements are
  // left empty.
  void TakeNestedLists(std::vector<IValueVector>& lists);

  TGInterfaceList<TIEValue> FItems;
  int32_t FTag = 0;
};

}  // namespace vettora
