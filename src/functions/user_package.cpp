// TUserPackage: keeping a package's functions and engines in step.
#include "functions/user_package.h"

#include <algorithm>

#include "functions/messages.h"
#include "values/exceptions.h"
#include "values/format.h"
#include "values/messages.h"

namespace vettora {

// ---- TUserFunctionList -------------------------------------------------------

int32_t TUserFunctionList::Add(const IUserFunction& function) {
  int32_t i = IndexOf(function);
  if (i >= 0 || !function) return i;
  FItems.push_back(function);
  FPackage.FunctionAdded(function);
  return Count() - 1;
}

void TUserFunctionList::Remove(const IUserFunction& function) {
  int32_t i = IndexOf(function);
  if (i >= 0) Delete(i);
}

void TUserFunctionList::Delete(int32_t i) {
  if (i < 0 || i >= Count()) throw EListError(FormatMessage(kListIndexError, {i}));
  IUserFunction removed = std::move(FItems[size_t(i)]);
  FItems.erase(FItems.begin() + i);
  FPackage.FunctionRemoved(removed);
}

void TUserFunctionList::Clear() {
  while (!FItems.empty()) Delete(Count() - 1);
}

const IUserFunction& TUserFunctionList::Items(int32_t i) const {
  if (i < 0 || i >= Count()) throw EListError(FormatMessage(kListIndexError, {i}));
  return FItems[size_t(i)];
}

int32_t TUserFunctionList::IndexOf(const IUserFunction& function) const {
  auto it = std::find(FItems.begin(), FItems.end(), function);
  return it == FItems.end() ? -1 : int32_t(it - FItems.begin());
}

IUserFunction TUserFunctionList::Find(const std::string& name) const {
  for (const IUserFunction& f : FItems)
    if (f->FunctionName() == name) return f;
  return {};
}

// ---- TUserPackage ------------------------------------------------------------

TUserPackage::TUserPackage(TComponent* owner) : TCustomReasonerOwner(owner) {
  if (auto* engine = dynamic_cast<IReasoner*>(owner)) SetEngine(engine);
}

TUserPackage::~TUserPackage() {
  BeginDestroy();
  FFunctions.Clear();
}

void TUserPackage::SetEngine(IReasoner* engine) {
  if (engine == FEngine) return;
  IReasoner* old = FEngine;
  FEngine = engine;
  if (FDesigning) return;
  if (old) RemoveReasoner(old);
  if (engine) AddReasoner(engine);
}

void TUserPackage::SetReset(bool reset) {
  if (!reset) return;
  FFunctions.Clear();
  CreateFunctions();
}

void TUserPackage::CreateFunctions() {
  if (FOnCreateFunctions) FOnCreateFunctions(*this);
}

void TUserPackage::FunctionAdded(const IUserFunction& function) {
  for (int32_t i = 0; i < ReasonerCount(); ++i) Reasoners(i)->RegisterFunction(function);
}

void TUserPackage::FunctionRemoved(const IUserFunction& function) {
  for (int32_t i = 0; i < ReasonerCount(); ++i) Reasoners(i)->UnregisterFunction(function);
}

void TUserPackage::ReasonerAdded(IReasoner* reasoner) {
  for (const IUserFunction& f : FFunctions) reasoner->RegisterFunction(f);
}

void TUserPackage::ReasonerRemoved(IReasoner* reasoner) {
  // Copied: unregistering may run code that changes the list.
  std::vector<IUserFunction> functions(FFunctions.begin(), FFunctions.end());
  for (const IUserFunction& f : functions)
    if (f->IndexOfReasoner(reasoner) >= 0) reasoner->UnregisterFunction(f);
}

void TUserPackage::ReasonerDestroyed(IReasoner* reasoner) {
  if (FEngine == reasoner) FEngine = nullptr;
}

std::vector<TPackageFunctionItem> TUserPackage::PackageFunctions() const {
  std::vector<TPackageFunctionItem> items;
  for (const IUserFunction& f : FFunctions) {
    if (!f->CanStream()) continue;
    items.push_back({f->ClassName(), f->FunctionName(), f->Comment(), f->MaxArgumentCount(),
                     f->MinArgumentCount(), f->OwnData()});
  }
  return items;
}

void TUserPackage::SetPackageFunctions(const std::vector<TPackageFunctionItem>& items,
                                       const TFunctionFactory& factory) {
  FFunctions.Clear();
  for (const TPackageFunctionItem& item : items) {
    IUserFunction f = factory ? factory(item.ClassName) : IUserFunction();
    if (!f) throw EIEException(FormatMessage(kUnknownFunctionClass, {item.ClassName}));
    if (!f->CanStream()) continue;
    f->SetFunctionName(item.FunctionName);
    f->SetComment(item.Comment);
    f->SetMaxArgumentCount(item.MaxArgumentCount);
    f->SetMinArgumentCount(item.MinArgumentCount);
    f->SetOwnData(item.Data);
    FFunctions.Add(f);
  }
}

}  // namespace vettora
