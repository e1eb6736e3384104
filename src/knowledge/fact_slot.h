#pragma once
// TFactSlot: one named slot of a fact template -- a single-value slot or a
// multislot, with the value kinds it admits, an optional defined type that
// constrains it further, and a default that is either a constant or an
// expression evaluated afresh for every new fact ("default-dynamic").
//
// Slots are counted (IFactSlot) and normally held by their template, which
// they know through a plain back pointer; every change of name or type goes
// through that template so that its slot table, its sorted slot order and
// its caches stay in step. A slot with no template is "free-standing".

#include <cstdint>
#include <string>
#include <string_view>

#include "knowledge/defined_type.h"
#include "values/counted.h"
#include "values/value.h"
#include "values/value_type.h"

namespace vettora {

class IFactEngine;
class TFactSlot;
class TFactTemplate;
using IFactSlot = Ref<TFactSlot>;

// The kind sets slots are made with and tested against.
// Any single value: the SlotType of a new single slot.
inline constexpr TIETypes kSingleSlotTypes{dtAtom,       dtString, dtInteger, dtVariable,
                                           dtFactId,     dtFloat,  dtFunCall, dtFact,
                                           dtDescriptor, dtObject, dtClass,   dtExternalAddress};
// What a new multislot admits on top of a single slot's kinds.
inline constexpr TIETypes kListPartTypes{dtList, dtMultiSlot};
inline constexpr TIETypes kMultiSlotTypes = kSingleSlotTypes | kListPartTypes;
// Kinds a slot test never rejects: they are tested once evaluated.
inline constexpr TIETypes kAlwaysAdmittedTypes{dtVariable, dtFunCall, dtMultiVariable};
// Element kinds always admitted inside a multifield.
inline constexpr TIETypes kListElementTypes{dtNone, dtVariable, dtFunCall, dtMultiVariable};
// The kinds that may accompany dtFuzzy in one SlotType.
inline constexpr TIETypes kFuzzyCompatibleTypes{dtFuzzy, dtList, dtMultiSlot};

// A copy of a value for storing as a default or slot value: shared
// constants as they are, lists element by element (so that no two owners
// share one list), anything else as a record copy. Empty stays empty.
[[nodiscard]] IIEValue CopySlotValue(const IIEValue& value);

class TFactSlot : public TCounted {
 public:
  // A slot named `name` admitting any single value, with no default.
  explicit TFactSlot(std::string_view name = "", TFactTemplate* owner = nullptr);
  ~TFactSlot() override;
  TFactSlot(const TFactSlot&) = delete;
  TFactSlot& operator=(const TFactSlot&) = delete;

  // The template that holds the slot (or made it, for a clone); may be null.
  [[nodiscard]] TFactTemplate* Owner() const { return FOwner; }
  // The owner's engine, or null.
  [[nodiscard]] IFactEngine* Engine() const;
  // The slot's place in its template's sorted slot order; -1 while it is
  // not one of the template's slots.
  [[nodiscard]] int32_t Position() const { return FPosition; }

  [[nodiscard]] const std::string& Name() const { return FName; }
  // Refuses forbidden characters; a slot of a template is moved under the
  // new name there (refused when another slot has that name).
  void SetName(std::string_view name);

  [[nodiscard]] const IIEValue& SlotDefault() const { return FSlotDefault; }
  // Under tcDynamic an inadmissible value is refused with "Invalid default
  // slot value: %s". Stores a copy (CopySlotValue).
  void SetSlotDefault(const IIEValue& value);

  [[nodiscard]] TIETypes SlotType() const { return FSlotType; }
  // dtFuzzy mixes only with dtList and dtMultiSlot ("Cannot mix fuzzy type
  // with other primitive types"). An implicit defined type follows the new
  // set; a missing or no longer admissible default is replaced by
  // MakeDefault.
  void SetSlotType(TIETypes types);

  [[nodiscard]] int32_t Tag() const { return FTag; }
  void SetTag(int32_t tag) { FTag = tag; }

  [[nodiscard]] const IIEDefinedType& ExtendedTypeInfo() const { return FExtendedTypeInfo; }
  // The slot takes the type's base kinds (plus the list part for "__Data"
  // and for a multislot, which stays one) and a default the type admits.
  void SetExtendedTypeInfo(const IIEDefinedType& type);

  [[nodiscard]] bool DefaultDynamic() const { return FDefaultDynamic; }
  void SetDefaultDynamic(bool dynamic) { FDefaultDynamic = dynamic; }

  [[nodiscard]] bool IsMultiSlot() const { return FSlotType.Contains(dtMultiSlot); }
  [[nodiscard]] bool AdmitsLists() const { return FSlotType.Contains(dtList); }
  [[nodiscard]] bool IsFuzzy() const { return FSlotType.Contains(dtFuzzy); }

  // Whether the slot can hold the value (see the rules in fact_slot.cpp).
  // Never raises.
  [[nodiscard]] bool Admits(const TIEValue* value) const;
  [[nodiscard]] bool Admits(const IIEValue& value) const { return Admits(value.Get()); }
  // Under tcDynamic raises "Value \"%s\" is not valid, %s" for an
  // inadmissible value.
  void CheckValue(const IIEValue& value) const;
  // The text of a type error for the value, empty when it is admissible.
  [[nodiscard]] std::string TypeError(const TIEValue* value) const;
  [[nodiscard]] std::string TypeError(const IIEValue& value) const {
    return TypeError(value.Get());
  }
  // A fresh default for a single slot or a multislot (`multi`).
  [[nodiscard]] IIEValue MakeDefault(bool multi) const;

  // Same name, kinds, defined type and default.
  [[nodiscard]] bool Equals(const TFactSlot& other) const;
  // A new free-standing slot with the same owner, assigned from this one.
  [[nodiscard]] IFactSlot Clone() const;
  // Copies name, DefaultDynamic, Tag, defined type, kinds and default. From
  // another engine, the defined type is this engine's type of that name
  // where there is one, and a call, fact or fuzzy default is re-read here.
  void Assign(const TFactSlot& source);

  // The slot's rule-language text.
  [[nodiscard]] std::string Text() const;

 private:
  friend class TFactTemplate;

  void ApplySlotType(TIETypes types);
  void EnsureAdmissibleDefault();
  [[nodiscard]] bool DynamicChecks() const;
  [[nodiscard]] std::string KindErrorText(const TIEValue& value) const;

  TFactTemplate* FOwner;  // not counted
  int32_t FPosition = -1;
  std::string FName;
  IIEValue FSlotDefault;
  TIETypes FSlotType = kSingleSlotTypes;
  int32_t FTag = 0;
  IIEDefinedType FExtendedTypeInfo;
  bool FDefaultDynamic = false;
};

// Whether two defined types constrain values alike: the same object, or
// equal names, kinds, range, cardinality, units and allowed values.
[[nodiscard]] bool SameDefinedType(const TIEDefinedType* a, const TIEDefinedType* b);

}  // namespace vettora
