#pragma once
// TFactTemplate: one kind of fact -- its name, comment, optional parent,
// backward-chaining flag and named slots.
//
// The slots live in three indexes kept in step: the slot table (a string
// hash table, for lookups by name), the definition order (the order the
// slots were added in: the template's printed text and its copies follow
// it, so a print/parse round trip keeps the order) and the slot layout, the same slots sorted case-insensitively by
// name. The layout is the order in which facts enumerate, print, hash and
// default their slots, and a slot's index in it (its Position) is how a fact
// reaches its value without looking a name up. Every change of the slot set
// or of a slot's name makes a new layout; facts notice by comparing layout
// pointers and re-map their values by name.
//
// A template whose only slot is the multislot "__Data" is implied: its facts
// are written as plain ordered lists, as in (penalties married).

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "knowledge/fact_slot.h"
#include "values/counted.h"
#include "values/string_hashtable.h"
#include "values/value.h"

namespace vettora {

class IFactEngine;
class TFact;
class TFactTemplate;
using IFact = Ref<TFact>;
using IFactTemplate = Ref<TFactTemplate>;

// The single multislot of an implied template, and the comment that
// implied templates are made with.
inline constexpr const char* kImpliedSlotName = "__Data";
inline constexpr const char* kImpliedComment = "(Implied)";

// The slots of a template in sorted order, frozen: a template makes a new
// layout instead of changing one, so a fact can tell by identity whether
// its values still line up with its template's slots.
class TSlotLayout : public TCounted {
 public:
  [[nodiscard]] int32_t Count() const { return int32_t(FSlots.size()); }
  [[nodiscard]] const IFactSlot& Slot(int32_t position) const { return FSlots[size_t(position)]; }
  // The slot names as they were when the layout was made.
  [[nodiscard]] const std::string& Name(int32_t position) const { return FNames[size_t(position)]; }
  [[nodiscard]] const std::vector<std::string>& Names() const { return FNames; }
  // The positions in the order the template's slot table enumerates its
  // slots, for work that must visit the slots in that order (evaluating
  // the slot expressions of a new fact) without walking the table.
  [[nodiscard]] const std::vector<int32_t>& TableOrder() const { return FTableOrder; }

 private:
  friend class TFactTemplate;
  std::vector<IFactSlot> FSlots;
  std::vector<std::string> FNames;
  std::vector<int32_t> FTableOrder;
};
using ISlotLayout = Ref<TSlotLayout>;

// The order of slot names: case-insensitive, names that differ only in case
// by their bytes.
[[nodiscard]] bool SlotNameLess(std::string_view a, std::string_view b);

class TFactTemplate : public TCounted {
 public:
  using TSlotTable = TIStringHashTable<TFactSlot>;

  // Refuses a name with a forbidden character, as SetName does.
  explicit TFactTemplate(std::string_view name = "", IFactEngine* engine = nullptr);
  ~TFactTemplate() override;
  TFactTemplate(const TFactTemplate&) = delete;
  TFactTemplate& operator=(const TFactTemplate&) = delete;

  // The owning engine (not counted), or null.
  [[nodiscard]] IFactEngine* Engine() const { return FEngine; }
  void SetEngine(IFactEngine* engine) { FEngine = engine; }

  [[nodiscard]] const std::string& Name() const { return FName; }
  // Refuses forbidden characters, then lets the engine re-key its template
  // collection, then stores the name.
  void SetName(std::string_view name);
  [[nodiscard]] const std::string& Comment() const { return FComment; }
  void SetComment(std::string_view comment) { FComment = std::string(comment); }
  [[nodiscard]] const IFactTemplate& Parent() const { return FParent; }
  void SetParent(const IFactTemplate& parent) { FParent = parent; }
  [[nodiscard]] bool BackwardChaining() const { return FBackwardChaining; }
  void SetBackwardChaining(bool value) { FBackwardChaining = value; }
  [[nodiscard]] int32_t Tag() const { return FTag; }
  void SetTag(int32_t tag) { FTag = tag; }

  // ---- Slots by name.
  // A multislot with a multifield default, or a new default for the
  // existing multislot of that name. The trimmed name must not be empty.
  IFactSlot AddMultiSlot(std::string_view name, const IIEValue& defaultValue);
  // A single slot with a non-multifield default, or a new default for the
  // existing single slot of that name.
  IFactSlot AddSlot(std::string_view name, const IIEValue& defaultValue);
  // A new slot assigned from `slot`, replacing a slot of the same name.
  IFactSlot AddSlotFrom(const TFactSlot& slot);
  // The slot of that name, or null; never raises.
  [[nodiscard]] TFactSlot* FindSlot(std::string_view name) const;
  bool FindSlot(std::string_view name, IFactSlot& slot) const;
  // Raises "No such slot name: \"%s\"" when absent.
  [[nodiscard]] const IFactSlot& GetSlot(std::string_view name) const;
  [[nodiscard]] bool HasSlot(std::string_view name) const { return FindSlot(name) != nullptr; }
  // Raises "No such slot name: \"%s\"" when absent.
  void RemoveSlot(std::string_view name);
  void ClearSlots();
  [[nodiscard]] int32_t SlotCount() const { return FSlots.Count(); }
  // The slot table, iterated in its enumeration order.
  [[nodiscard]] const TSlotTable& Slots() const { return FSlots; }
  // The slots in the order they were defined; a renamed slot keeps its
  // place, a slot replaced by one of the same name takes the old one's.
  [[nodiscard]] const std::vector<IFactSlot>& SlotsInOrder() const { return FSlotOrder; }
  // The first slot constrained by `type`, or null.
  [[nodiscard]] TFactSlot* SlotOfDefinedType(const TIEDefinedType* type) const;

  // ---- Slots by position in the sorted order.
  [[nodiscard]] const ISlotLayout& Layout() const { return FLayout; }
  // The sorted slot names.
  [[nodiscard]] const std::vector<std::string>& SlotNames() const { return Layout()->Names(); }
  // The position of the named slot, or -1.
  [[nodiscard]] int32_t SlotIndex(std::string_view name) const;
  [[nodiscard]] const IFactSlot& SlotAt(int32_t position) const { return Layout()->Slot(position); }

  [[nodiscard]] bool IsImplied() const { return FImplied; }
  // True when any slot admits dtFuzzy.
  [[nodiscard]] bool IsFuzzy() const;
  // StringHash of the name followed by each sorted slot name and CR LF.
  [[nodiscard]] uint32_t HashCode() const;
  // The same object; or the same implied flag and name, with every slot of
  // this template present and equal in `other`.
  [[nodiscard]] bool Equals(const TFactTemplate& other) const;

  // A new fact of this template holding every slot's default.
  [[nodiscard]] IFact CreateFact();
  // Fills every slot of `fact` (a fact of this template) with a copy of its
  // default, or, for a default-dynamic slot under an engine, with the
  // default evaluated in the engine's global context.
  void AssignDefaults(TFact& fact);

  // A new template with the same engine, assigned from this one; it is not
  // registered anywhere.
  [[nodiscard]] IFactTemplate Clone() const;
  // Copies BackwardChaining, Comment, the name (through SetName), the slots
  // and, when it belongs to this engine (or is empty), Parent. Not Tag.
  void Assign(const TFactTemplate& source);

  // The `deftemplate` text.
  [[nodiscard]] std::string Text() const;

 private:
  friend class TFactSlot;

  // Called by a slot: its name changed from `oldName` (already stored).
  void RenameSlot(TFactSlot& slot, const std::string& oldName);
  // Called by a slot before its kinds or defined type change.
  void SlotTypeChanged() { FFuzzyDirty = true; }
  IFactSlot NewSlot(const std::string& name, TIETypes types, const IIEValue& defaultValue);
  void InsertSlot(const IFactSlot& slot);
  void SlotsChanged();
  void RebuildLayout();

  IFactEngine* FEngine;  // not counted
  std::string FName;
  std::string FComment;
  IFactTemplate FParent;
  bool FBackwardChaining = false;
  int32_t FTag = 0;
  TSlotTable FSlots;
  std::vector<IFactSlot> FSlotOrder;
  bool FImplied = false;
  ISlotLayout FLayout;
  mutable uint32_t FHash = 0;
  mutable bool FHashDirty = true;
  mutable bool FFuzzy = false;
  mutable bool FFuzzyDirty = true;
};

}  // namespace vettora
