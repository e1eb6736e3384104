#pragma once
// TFact: one record of the knowledge base -- its template, a value for each
// slot, an identifier (-1 while not on a fact list) and a tag.
//
// Values are kept in a vector indexed by the template's sorted slot
// position (TSlotLayout), so a compiled pattern reaches a slot by number.
// A missing entry is an empty handle: reading it by name stores a copy of
// the slot's default, as a keyed table would. The fact remembers the layout
// its vector follows; when the template's slots change, the fact re-maps
// its values by name on its next use, dropping values whose slot is gone.
//
// A fact derives from TFactBase, so a dtFact value can hold it.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "knowledge/fact_template.h"
#include "values/value.h"
#include "values/value_links.h"

namespace vettora {

class TFact;
class TFactList;
using IFact = Ref<TFact>;

class TFact : public TFactBase {
 public:
  // A fact of `factTemplate` (may be empty) with no values yet and ID -1.
  explicit TFact(IFactTemplate factTemplate = nullptr);
  // A fact assigned from `source`.
  explicit TFact(const TFact& source);
  // A fact holding the very value handles of `source` (CloneSharingValues).
  struct TShareValues {};
  TFact(const TFact& source, TShareValues);
  TFact& operator=(const TFact&) = delete;
  ~TFact() override;
  // Made and dropped by the hundred thousand: memory comes from the
  // class's recycler (values/recycler.h).
  static void* operator new(size_t size);
  static void operator delete(void* memory, size_t size) noexcept;

  [[nodiscard]] const IFactTemplate& Template() const { return FTemplate; }
  [[nodiscard]] int32_t ID() const { return FID; }
  void SetID(int32_t id) { FID = id; }
  [[nodiscard]] int32_t Tag() const { return FTag; }
  void SetTag(int32_t tag) { FTag = tag; }

  // The stored value; without one, a copy of the slot's default is stored
  // and returned. Raises "Fact Template is missing" or "No such slot name".
  IIEValue GetSlotValue(std::string_view name);
  // As GetSlotValue, but false when the template has no such slot.
  bool FindSlotValue(std::string_view name, IIEValue& value);
  // Stores the value. Under the engine's tcDynamic check an inadmissible
  // integer becomes a float for a float slot and an atom or string becomes
  // the fuzzy term it names for a fuzzy slot; any other inadmissible value
  // is refused with the slot's TypeError text. An empty handle stores an
  // empty value.
  void SetSlotValue(std::string_view name, IIEValue value);

  // By position in the template's sorted slot order: the stored value, or
  // the slot's default (not stored) when there is none. Never raises for a
  // position below the template's SlotCount.
  [[nodiscard]] const IIEValue& ValueAt(int32_t position) const {
    // The join loop reads slots this way: a stored value of an up-to-date
    // fact is answered inline, everything else by the full path.
    if (FTemplate && FTemplate->Layout() == FLayout && uint32_t(position) < FValues.size())
      if (const IIEValue& value = FValues[size_t(position)]) return value;
    return ValueAtSlow(position);
  }
  // Stores at a position, with the checks and conversions of SetSlotValue.
  void SetValueAt(int32_t position, IIEValue value);
  // Stores at a position without any check, for values already known to
  // fit the slot (a combined fuzzy set, a split multifield).
  void StoreValueAt(int32_t position, IIEValue value);

  // Replaces every value by a copy of `other`'s; both must have the very
  // same template.
  void AssignValues(const TFact& other);
  // Keeps the values of slots the new template also has, drops the others
  // and gives the new template's other slots their defaults.
  void SetTemplate(const IFactTemplate& factTemplate);
  // Takes the template, copies of the values, ID and Tag. A fact of another
  // engine is rebuilt in this fact's engine from its text, under that
  // engine's template of the same name (created when missing).
  void Assign(const TFact& source);
  [[nodiscard]] IFact Clone() const;
  // As Clone, but the copy holds the very value handles of this fact: for
  // a caller that gives every slot a new value next (an assertion filling
  // in the fact its action names).
  [[nodiscard]] IFact CloneSharingValues() const;

  // The very same template and, slot by slot in sorted order except fuzzy
  // slots, equal values.
  [[nodiscard]] bool Equals(const TFactBase& other) const override;
  [[nodiscard]] bool Equals(const TFact& other) const;
  // Template hash * 31 + StringHash of all value texts in sorted order.
  [[nodiscard]] uint32_t HashCode() const override;
  // As HashCode, but over the slots that do not admit dtFuzzy only: equal
  // facts of a fuzzy template share it.
  [[nodiscard]] uint32_t NonFuzzyHashCode() const;

  // The fact's rule-language body, "(name (slot value) ...)".
  [[nodiscard]] std::string Text() const;
  [[nodiscard]] std::string AsText() const override { return Text(); }
  // "f-" + ID (zero-padded to the engine's next-ID counter width) + " " + Text.
  [[nodiscard]] std::string IdText() const;

  // Walks the fact's entries as its value table would: the buckets of a
  // table of capacity 11 from last to first, each chain newest first.
  class TValueEnumerator {
   public:
    [[nodiscard]] bool HasMoreElements() const { return FNext < FEntries.size(); }
    // The next entry's slot name and value; "No such element" past the end.
    std::pair<std::string, IIEValue> NextElement();

   private:
    friend class TFact;
    std::vector<std::pair<std::string, IIEValue>> FEntries;
    size_t FNext = 0;
  };
  [[nodiscard]] TValueEnumerator Values() const;

 private:
  friend class TFactTemplate;
  friend class TFactList;

  // Re-maps the values when the template's layout has changed.
  void Sync() const;
  [[nodiscard]] const IIEValue& ValueAtSlow(int32_t position) const;
  [[nodiscard]] int32_t PositionOf(std::string_view name) const;
  // Stores without checks; an empty handle stores an empty value.
  void StoreAt(int32_t position, IIEValue value);
  void StoreValue(std::string_view name, IIEValue value);
  [[nodiscard]] IIEValue CheckedValue(const TFactSlot& slot, IIEValue value) const;
  void AssignFromOtherEngine(const TFact& source, class IFactEngine& engine);
  [[nodiscard]] uint32_t ValuesHash(bool skipFuzzy) const;

  IFactTemplate FTemplate;
  mutable ISlotLayout FLayout;
  mutable std::vector<IIEValue> FValues;
  // When each entry was made, for the value table's enumeration order.
  mutable std::vector<uint32_t> FMade;
  uint32_t FMadeCounter = 0;
  int32_t FID = -1;
  int32_t FTag = 0;
  // Kept by the fact list while the fact is on it: the key it is indexed
  // under, and whether that is the fuzzy index.
  uint32_t FIndexKey = 0;
  bool FIndexedFuzzy = false;
};

}  // namespace vettora
