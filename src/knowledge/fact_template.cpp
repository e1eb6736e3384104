// TFactTemplate: the slot table, the sorted slot layout and the template's
// identity (hash, equality, copying).
#include "knowledge/fact_template.h"

#include <algorithm>

#include "knowledge/construct_name.h"
#include "knowledge/fact.h"
#include "knowledge/fact_engine.h"
#include "knowledge/knowledge_printer.h"
#include "knowledge/messages.h"
#include "values/exceptions.h"
#include "values/format.h"

namespace vettora {

namespace {

// Slot tables start small: most templates have a handful of slots.
constexpr uint32_t kSlotTableCapacity = 11;
constexpr float kSlotTableLoadFactor = 0.75f;

unsigned char LowerByte(char c) {
  auto b = static_cast<unsigned char>(c);
  return (b >= 'A' && b <= 'Z') ? static_cast<unsigned char>(b + ('a' - 'A')) : b;
}

bool IsMultifield(const IIEValue& value) { return value && value->DType() == dtList; }

}  // namespace

bool SlotNameLess(std::string_view a, std::string_view b) {
  size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    unsigned char x = LowerByte(a[i]), y = LowerByte(b[i]);
    if (x != y) return x < y;
  }
  if (a.size() != b.size()) return a.size() < b.size();
  return a < b;
}

TFactTemplate::TFactTemplate(std::string_view name, IFactEngine* engine)
    : FEngine(engine), FName(name), FSlots(kSlotTableCapacity, kSlotTableLoadFactor) {
  CheckConstructName(FName);
  RebuildLayout();
}

TFactTemplate::~TFactTemplate() {
  // Slots held elsewhere outlive the template: they become free-standing.
  for (const auto& entry : FSlots) {
    entry.Value->FOwner = nullptr;
    entry.Value->FPosition = -1;
  }
}

void TFactTemplate::SetName(std::string_view name) {
  if (name == FName) return;
  CheckConstructName(name);
  std::string newName(name);
  if (FEngine) FEngine->RenameFactTemplate(*this, FName, newName);
  FName = std::move(newName);
  FHashDirty = true;
}

// ---- Slots by name --------------------------------------------------------

IFactSlot TFactTemplate::AddMultiSlot(std::string_view name, const IIEValue& defaultValue) {
  if (!defaultValue) throw EIEException(kBadSlotType);
  if (!IsMultifield(defaultValue))
    throw EIEException(FormatMessage(kInvalidMultislotDefault, {defaultValue->AsText()}));
  std::string trimmed = TrimName(name);
  if (trimmed.empty()) throw EIEException(FormatMessage(kBadSlotName, {trimmed}));
  CheckConstructName(trimmed);
  if (const IFactSlot* existing = FSlots.Lookup(trimmed)) {
    if (!IsMultifield((*existing)->SlotDefault())) throw EIEException(kExistingSlotNotMultislot);
    (*existing)->SetSlotDefault(defaultValue);
    return *existing;
  }
  return NewSlot(trimmed, kMultiSlotTypes, defaultValue);
}

IFactSlot TFactTemplate::AddSlot(std::string_view name, const IIEValue& defaultValue) {
  if (!defaultValue) throw EIEException(kBadSlotType);
  if (IsMultifield(defaultValue))
    throw EIEException(FormatMessage(kInvalidDefaultSlotValue, {defaultValue->AsText()}));
  CheckConstructName(name);
  if (const IFactSlot* existing = FSlots.Lookup(name)) {
    if (IsMultifield((*existing)->SlotDefault())) throw EIEException(kExistingMultislotNotSlot);
    (*existing)->SetSlotDefault(defaultValue);
    return *existing;
  }
  return NewSlot(std::string(name), kSingleSlotTypes, defaultValue);
}

// The slot is complete (and its default accepted) before it is filed, so a
// refused default leaves the template unchanged.
IFactSlot TFactTemplate::NewSlot(const std::string& name, TIETypes types,
                                 const IIEValue& defaultValue) {
  IFactSlot slot = MakeRef<TFactSlot>(name, this);
  slot->FSlotType = types;
  slot->SetSlotDefault(defaultValue);
  InsertSlot(slot);
  return slot;
}

IFactSlot TFactTemplate::AddSlotFrom(const TFactSlot& source) {
  IFactSlot slot = MakeRef<TFactSlot>("", this);
  slot->Assign(source);
  if (IFactSlot* old = FSlots.Lookup(slot->Name())) {
    (*old)->FOwner = nullptr;
    (*old)->FPosition = -1;
  }
  InsertSlot(slot);
  return slot;
}

void TFactTemplate::InsertSlot(const IFactSlot& slot) {
  const IFactSlot* old = FSlots.Lookup(slot->Name());
  auto place = old ? std::find(FSlotOrder.begin(), FSlotOrder.end(), *old) : FSlotOrder.end();
  if (place != FSlotOrder.end())
    *place = slot;
  else
    FSlotOrder.push_back(slot);
  FSlots.Put(slot->Name(), slot);
  SlotsChanged();
}

TFactSlot* TFactTemplate::FindSlot(std::string_view name) const {
  const IFactSlot* slot = FSlots.Lookup(name);
  return slot ? slot->Get() : nullptr;
}

bool TFactTemplate::FindSlot(std::string_view name, IFactSlot& slot) const {
  slot = FindSlot(name);
  return bool(slot);
}

const IFactSlot& TFactTemplate::GetSlot(std::string_view name) const {
  const IFactSlot* slot = FSlots.Lookup(name);
  if (!slot) throw EIEException(FormatMessage(kNoSuchSlotName, {name}));
  return *slot;
}

void TFactTemplate::RemoveSlot(std::string_view name) {
  const IFactSlot* found = FSlots.Lookup(name);
  if (!found) throw EIEException(FormatMessage(kNoSuchSlotName, {name}));
  IFactSlot slot = *found;
  FSlots.Remove(name);
  std::erase(FSlotOrder, slot);
  slot->FOwner = nullptr;
  slot->FPosition = -1;
  SlotsChanged();
}

void TFactTemplate::ClearSlots() {
  for (const auto& entry : FSlots) {
    entry.Value->FOwner = nullptr;
    entry.Value->FPosition = -1;
  }
  FSlots.Clear();
  FSlotOrder.clear();
  SlotsChanged();
}

TFactSlot* TFactTemplate::SlotOfDefinedType(const TIEDefinedType* type) const {
  for (const auto& entry : FSlots)
    if (entry.Value->ExtendedTypeInfo().Get() == type) return entry.Value.Get();
  return nullptr;
}

// The slot's name is already the new one. Only a slot filed under the old
// name is moved; a clone that merely points at this template is not.
void TFactTemplate::RenameSlot(TFactSlot& slot, const std::string& oldName) {
  const IFactSlot* found = FSlots.Lookup(oldName);
  if (!found || found->Get() != &slot) return;
  const std::string& newName = slot.Name();
  if (newName.empty()) throw EIEException(FormatMessage(kBadSlotName, {newName}));
  if (FSlots.Lookup(newName)) throw EIEException(FormatMessage(kDuplicateSlotName, {newName}));
  IFactSlot hold = *found;
  FSlots.Remove(oldName);
  FSlots.Put(newName, hold);
  SlotsChanged();
}

void TFactTemplate::SlotsChanged() {
  FImplied = FSlots.Count() <= 1 && FSlots.Lookup(kImpliedSlotName) != nullptr;
  FHashDirty = true;
  FFuzzyDirty = true;
  RebuildLayout();
}

// ---- Sorted layout --------------------------------------------------------

void TFactTemplate::RebuildLayout() {
  ISlotLayout layout = MakeRef<TSlotLayout>();
  layout->FSlots.reserve(size_t(FSlots.Count()));
  for (const auto& entry : FSlots) layout->FSlots.push_back(entry.Value);
  std::sort(
      layout->FSlots.begin(), layout->FSlots.end(),
      [](const IFactSlot& a, const IFactSlot& b) { return SlotNameLess(a->Name(), b->Name()); });
  layout->FNames.reserve(layout->FSlots.size());
  for (size_t i = 0; i < layout->FSlots.size(); ++i) {
    layout->FSlots[i]->FPosition = int32_t(i);
    layout->FNames.push_back(layout->FSlots[i]->Name());
  }
  layout->FTableOrder.reserve(layout->FSlots.size());
  for (const auto& entry : FSlots) layout->FTableOrder.push_back(entry.Value->FPosition);
  FLayout = std::move(layout);
}

int32_t TFactTemplate::SlotIndex(std::string_view name) const {
  TFactSlot* slot = FindSlot(name);
  return slot ? slot->Position() : -1;
}

// ---- Identity -------------------------------------------------------------

bool TFactTemplate::IsFuzzy() const {
  if (FFuzzyDirty) {
    FFuzzy = false;
    for (const auto& entry : FSlots)
      if (entry.Value->IsFuzzy()) FFuzzy = true;
    FFuzzyDirty = false;
  }
  return FFuzzy;
}

uint32_t TFactTemplate::HashCode() const {
  if (FHashDirty) {
    uint32_t h = StringHash(FName);
    for (const std::string& name : FLayout->Names())
      h = StringHashAppend(StringHashAppend(h, name), "\r\n");
    FHash = h;
    FHashDirty = false;
  }
  return FHash;
}

bool TFactTemplate::Equals(const TFactTemplate& other) const {
  if (&other == this) return true;
  if (FImplied != other.FImplied || FName != other.FName) return false;
  for (const auto& entry : FSlots) {
    const TFactSlot* theirs = other.FindSlot(entry.Key);
    if (!theirs || !entry.Value->Equals(*theirs)) return false;
  }
  return true;
}

// ---- Facts ----------------------------------------------------------------

IFact TFactTemplate::CreateFact() {
  IFact fact = MakeRef<TFact>(IFactTemplate(this));
  AssignDefaults(*fact);
  return fact;
}

void TFactTemplate::AssignDefaults(TFact& fact) {
  if (!fact.Template()) throw EIEException(kFactTemplateMissing);
  if (fact.Template().Get() != this)
    throw EIEException(FormatMessage(kFactTemplatesDifferent, {fact.Template()->Name(), FName}));
  ISlotLayout layout = FLayout;  // evaluation may change the template
  for (int32_t i = 0; i < layout->Count(); ++i) {
    const TFactSlot& slot = *layout->Slot(i);
    const IIEValue& initial = slot.SlotDefault();
    IIEValue value;
    if (slot.DefaultDynamic() && FEngine && initial)
      value = CopySlotValue(initial->Evaluate(FEngine->GlobalContext()));
    else
      value = CopySlotValue(initial);
    fact.StoreValue(slot.Name(), std::move(value));
  }
}

// ---- Copying and text -----------------------------------------------------

IFactTemplate TFactTemplate::Clone() const {
  // Made under this name already, so that the copy never asks the engine to
  // re-key a template that is not registered.
  IFactTemplate copy = MakeRef<TFactTemplate>(FName, FEngine);
  copy->Assign(*this);
  return copy;
}

void TFactTemplate::Assign(const TFactTemplate& source) {
  if (&source == this) return;
  FBackwardChaining = source.FBackwardChaining;
  FComment = source.FComment;
  SetName(source.FName);
  ClearSlots();
  for (const IFactSlot& slot : source.FSlotOrder) AddSlotFrom(*slot);
  const IFactTemplate& parent = source.FParent;
  FParent = (!parent || parent->Engine() == FEngine) ? parent : IFactTemplate();
}

std::string TFactTemplate::Text() const {
  return FEngine ? FEngine->PrintFactTemplate(*this) : PrintFactTemplate(*this);
}

}  // namespace vettora
