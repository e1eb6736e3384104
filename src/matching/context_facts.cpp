// TIEContext: the parts that reach facts and tokens — construction (the
// fact and token handles need their classes), pattern bindings and the
// instantiation of facts.
#include <typeinfo>
#include <vector>

#include "fuzzy/fuzzy_expression.h"
#include "knowledge/defined_type.h"
#include "knowledge/fact.h"
#include "knowledge/fact_slot.h"
#include "matching/context.h"
#include "matching/messages.h"
#include "matching/token.h"
#include "values/exceptions.h"
#include "values/format.h"

namespace vettora {

TIEContext::TIEContext(TComponent* engine, TIEContext* parent, IEngineServices* services)
    : FEngine(engine),
      FServices(services || !parent ? services : parent->FServices),
      FParent(parent),
      FRoot(parent ? parent->FRoot : this) {
  if (parent) FCallDepth = parent->FCallDepth;
}

TIEContext::~TIEContext() = default;

void TIEContext::SetFact(IFact fact) { FFact = std::move(fact); }

void TIEContext::SetToken(IReteToken token) { FToken = std::move(token); }

void TIEContext::Recycle() {
  ClearBindings();
  FFact = nullptr;
  FToken = nullptr;
  FCallDepth = FParent ? FParent->FCallDepth : 0;
}

IIEValue TIEContext::BindingValue(const TBindingInfoBase& base) {
  const TBindingInfo* binding = typeid(base) == typeid(TBindingInfo)
                                    ? static_cast<const TBindingInfo*>(&base)
                                    : dynamic_cast<const TBindingInfo*>(&base);
  if (!binding) return {};
  // The fact under test is not yet part of the token: a binding one past
  // the token's last fact names it.
  int32_t tokenCount = FToken ? FToken->Count() : 0;
  TFact* fact = nullptr;
  if (binding->FactIndex() == tokenCount && FFact)
    fact = FFact.Get();
  else if (FToken)
    fact = FToken->FactAt(binding->FactIndex()).Get();
  if (!fact)
    throw EIEException(
        FormatMessage(kBindingWithoutFact, {binding->FactIndex(), binding->InfoText()}));
  if (binding->IsPattern()) return MakeRef<TIEValue>(fact->ID(), dtFactId);
  const TIEValue* value = StoredSlotValue(*fact, *binding);
  if (binding->SubIndex() == -1) return IIEValue(const_cast<TIEValue*>(value));
  const TValueVector* list = value->ListPayload();
  if (!list) (void)value->AsList();  // raises the kind error
  if (binding->SubIndex() < 0 || binding->SubIndex() >= list->Count())
    throw EIEException(FormatMessage(kBindingElementRange,
                                     {binding->SubIndex(), binding->SlotIndex(), list->Count()}));
  return list->Items(binding->SubIndex());
}

// The slot's stored value, reached by position. A slot with no value yet
// is read by name, which stores a copy of its default first; so is a slot
// the template lacks, which raises "No such slot name".
const TIEValue* TIEContext::StoredSlotValue(TFact& fact, const TBindingInfo& binding) {
  int32_t position = binding.SlotPositionIn(fact);
  if (position >= 0) {
    const IIEValue& stored = fact.ValueAt(position);
    if (stored.Get() != fact.Template()->SlotAt(position)->SlotDefault().Get()) return stored.Get();
  }
  return fact.GetSlotValue(binding.SlotIndex()).Get();
}

namespace {

TIFuzzyVariable* FuzzyVariableOf(const TFactSlot& slot) {
  const IIEDefinedType& type = slot.ExtendedTypeInfo();
  return type ? type->FuzzyVariable().Get() : nullptr;
}

}  // namespace

const IFact& TIEContext::InstantiateFact(const IFact& fact) {
  IFactTemplate factTemplate = fact->Template();  // held: evaluation may change the fact
  InstantiateSlots(*fact, factTemplate, false);
  return fact;
}

IFact TIEContext::InstantiateCopy(const TFact& pattern) {
  // The pattern (an action's argument, held by the caller) keeps its
  // template for the whole instantiation.
  const IFactTemplate& factTemplate = pattern.Template();
  if (!factTemplate || factTemplate->IsFuzzy()) {
    IFact copy = pattern.Clone();
    InstantiateSlots(*copy, factTemplate, false);
    return copy;
  }
  IFact copy = pattern.CloneSharingValues();
  InstantiateSlots(*copy, factTemplate, true);
  return copy;
}

// Slots are visited in the template's table order and reached by position
// while the template's layout stays the one they were taken from, by name
// otherwise; the layout is held, and with it its slots, as evaluating a
// value may run code that changes the template. With `unshare`, the fact
// holds the pattern's own values: a value that evaluates to itself (a
// constant, also inside a list) is stored as a copy, so no two facts share
// it.
void TIEContext::InstantiateSlots(TFact& fact, const IFactTemplate& factTemplate, bool unshare) {
  if (!factTemplate) return;
  bool fuzzyTemplate = factTemplate->IsFuzzy();
  ISlotLayout layout = factTemplate->Layout();
  for (int32_t at : layout->TableOrder()) {
    const TFactSlot& slot = *layout->Slot(at);
    bool current = factTemplate->Layout() == layout;
    int32_t position = current ? slot.Position() : -1;
    // The stored value stays held by the fact, which nothing else reaches
    // until its value is replaced below.
    const TIEValue* stored = nullptr;
    IIEValue byName;
    bool shared = false;
    if (position >= 0) {
      const IIEValue& value = fact.ValueAt(position);
      if (value.Get() != slot.SlotDefault().Get()) {
        stored = value.Get();
        shared = unshare;
      }
    }
    if (!stored) {
      byName = fact.GetSlotValue(slot.Name());
      stored = byName.Get();
    }
    IIEValue result = stored ? const_cast<TIEValue*>(stored)->Evaluate(this) : IIEValue();
    bool itself = shared && result.Get() == stored;
    if (!fuzzyTemplate) {
      if (const TValueVector* items = result ? result->ListPayload() : nullptr) {
        IValueVector list = MakeRef<TValueVector>();
        AppendEvaluated(*list, *items, itself);
        result = MakeList(std::move(list));
      } else if (itself) {
        result = CopySlotValue(result);
      }
    } else if (slot.IsFuzzy()) {
      result = EvaluateFuzzyExpression(FuzzyVariableOf(slot), result, this);
    } else if (slot.AdmitsLists() && !(result && result->DType() == dtList)) {
      IValueVector single = MakeRef<TValueVector>();
      single->Add(result);
      result = MakeList(std::move(single));
    }
    if (position >= 0 && factTemplate->Layout() == layout)
      fact.SetValueAt(position, std::move(result));
    else
      fact.SetSlotValue(slot.Name(), std::move(result));
  }
}

}  // namespace vettora
