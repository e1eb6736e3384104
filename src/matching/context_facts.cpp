// TIEContext: the parts that reach facts and tokens — construction (the
// fact and token handles need their classes), pattern bindings and the
// instantiation of facts.
#include <typeinfo>
#include <vector>

#include "fuzzy/fuzzy_expression.h"
#include "knowledge/defined_type.h"
#include "knowledge/fact.h"
#include "matching/context.h"
#include "matching/messages.h"
#include "matching/token.h"
#include "values/exceptions.h"
#include "values/format.h"

namespace vettora {

TIEContext::TIEContext(TComponent* engine, TIEContext* parent)
    : FEngine(engine), FParent(parent), FRoot(parent ? parent->FRoot : this) {
  if (parent) FCallDepth = parent->FCallDepth;
}

TIEContext::~TIEContext() = default;

void TIEContext::SetFact(IFact fact) { FFact = std::move(fact); }

void TIEContext::SetToken(IReteToken token) { FToken = std::move(token); }

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
  IIEValue value = fact->GetSlotValue(binding->SlotIndex());
  if (binding->SubIndex() == -1) return value;
  IValueVector list = value->AsList();
  if (binding->SubIndex() < 0 || binding->SubIndex() >= list->Count())
    throw EIEException(FormatMessage(kBindingElementRange,
                                     {binding->SubIndex(), binding->SlotIndex(), list->Count()}));
  return list->Items(binding->SubIndex());
}

namespace {

TIFuzzyVariable* FuzzyVariableOf(const TFactSlot& slot) {
  const IIEDefinedType& type = slot.ExtendedTypeInfo();
  return type ? type->FuzzyVariable().Get() : nullptr;
}

}  // namespace

const IFact& TIEContext::InstantiateFact(const IFact& fact) {
  const IFactTemplate& factTemplate = fact->Template();
  if (!factTemplate) return fact;
  bool fuzzyTemplate = factTemplate->IsFuzzy();
  // Taken aside: evaluating a value may run code that touches the template.
  std::vector<IFactSlot> slots;
  slots.reserve(size_t(factTemplate->SlotCount()));
  for (const auto& entry : factTemplate->Slots()) slots.push_back(entry.Value);
  for (const IFactSlot& slot : slots) {
    IIEValue current = fact->GetSlotValue(slot->Name());
    IIEValue result = current ? current->Evaluate(this) : current;
    if (!fuzzyTemplate) {
      if (result && result->DType() == dtList) result = MakeList(EvaluateList(*result->AsList()));
    } else if (slot->IsFuzzy()) {
      result = EvaluateFuzzyExpression(FuzzyVariableOf(*slot), result, this);
    } else if (slot->AdmitsLists() && !(result && result->DType() == dtList)) {
      IValueVector single = MakeRef<TValueVector>();
      single->Add(result);
      result = MakeList(std::move(single));
    }
    fact->SetSlotValue(slot->Name(), std::move(result));
  }
  return fact;
}

}  // namespace vettora
