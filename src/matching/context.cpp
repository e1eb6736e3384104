// TIEContext: bindings, lookups and the return state. The parts that
// touch facts and tokens are in context_facts.cpp.
#include "matching/context.h"

#include "matching/messages.h"
#include "values/exceptions.h"
#include "values/format.h"

namespace vettora {

std::unique_ptr<TIEContext> TIEContext::CreateChild() {
  return std::make_unique<TIEContext>(FEngine, this, FServices);
}

std::unique_ptr<TIEContext> TIEContext::TakeChild() {
  if (FSpareChildren.empty()) return CreateChild();
  std::unique_ptr<TIEContext> child = std::move(FSpareChildren.back());
  FSpareChildren.pop_back();
  return child;
}

void TIEContext::ReturnChild(std::unique_ptr<TIEContext> child) {
  // Firings nest only as deep as rules run rules; a few spares cover that.
  constexpr size_t kSpareLimit = 8;
  if (child && child->FParent == this && FSpareChildren.size() < kSpareLimit)
    FSpareChildren.push_back(std::move(child));
}

void TIEContext::SetReturnValue(IIEValue value) {
  FReturnValue = std::move(value);
  FReturnFlag = true;
}

void TIEContext::ClearReturn() {
  FReturnFlag = false;
  FReturnValue = nullptr;
}

TIEContext* TIEContext::ReturnToParent() {
  if (!FParent) return this;
  FParent->Assign(*this);
  return FParent;
}

void TIEContext::Assign(const TIEContext& source) {
  FReturnFlag = source.FReturnFlag;
  FReturnValue = source.FReturnValue;
}

TBinding* TIEContext::FindBinding(std::string_view name) const {
  for (const TIEContext* c = this; c; c = c->FParent)
    if (TBinding* b = c->FBindings.Find(name)) return b;
  return nullptr;
}

TBinding* TIEContext::FindGlobal(std::string_view name) const {
  return FRoot->FBindings.Find(name);
}

IIEValue TIEContext::GetValue(std::string_view name) const {
  TBinding* b = FindBinding(name);
  if (!b) throw EIEException(FormatMessage(kUnknownVariable, {name}));
  return b->Value();
}

void TIEContext::SetVariable(std::string_view name, IIEValue value) {
  if (TBinding* b = FindBinding(name))
    b->SetValue(std::move(value));
  else
    AddBinding(name, std::move(value));
}

void TIEContext::SetLocal(std::string_view name, IIEValue value) {
  if (TBinding* b = FBindings.Find(name))
    b->SetValue(std::move(value));
  else
    SetVariable(name, std::move(value));
}

void TIEContext::SetGlobal(std::string_view name, IIEValue value) {
  if (TBinding* b = FRoot->FBindings.Find(name))
    b->SetValue(std::move(value));
  else
    FRoot->AddBinding(name, std::move(value));
}

TBinding* TIEContext::AddBinding(std::string_view name, IIEValue value) {
  return FBindings.Set(name, std::move(value));
}

TBinding* TIEContext::Bind(std::string_view name, int32_t factIndex, std::string_view slotIndex,
                           int32_t subIndex) {
  return FBindings.Add(
      std::make_unique<TBinding>(std::string(name), factIndex, std::string(slotIndex), subIndex));
}

void TIEContext::ClearBindings() {
  FBindings.Clear();
  ClearReturn();
}

IValueVector TIEContext::EvaluateList(const TValueVector& list) {
  IValueVector out = MakeRef<TValueVector>();
  AppendEvaluated(*out, list, false);
  return out;
}

void TIEContext::AppendEvaluated(TValueVector& out, const TValueVector& list, bool unshare) {
  for (const IIEValue& item : list) {
    if (!item) {
      out.Add(item);
      continue;
    }
    IIEValue value = item->Evaluate(this);
    bool itself = unshare && value.Get() == item.Get();
    if (value && value->DType() == dtList)
      AppendEvaluated(out, *value->ListPayload(), itself);
    else
      out.Add(itself ? value->Clone() : std::move(value));
  }
}

IIEValue TIEContext::VariableValue(const std::string& name) {
  TBinding* b = FindBinding(name);
  return b ? b->Value() : IIEValue();
}

}  // namespace vettora
