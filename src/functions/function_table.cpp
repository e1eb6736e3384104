// TFunctionTable: registration under the duplicate-name policy.
#include "functions/function_table.h"

#include <vector>

#include "functions/interpreted_function.h"
#include "functions/messages.h"
#include "values/exceptions.h"
#include "values/format.h"

namespace vettora {

namespace {

bool IsDeffunction(const IUserFunction& f) {
  return dynamic_cast<TInterpretedFunction*>(f.Get()) != nullptr;
}

}  // namespace

TFunctionTable::TAddResult TFunctionTable::Add(const std::string& name,
                                               const IUserFunction& function,
                                               TDuplicateConstructs policy) {
  if (!function) return {};
  if (name != function->FunctionName())
    throw EIEException(FormatMessage(kFunctionNamesDoNotMatch, {name, function->FunctionName()}));
  TAddResult result;
  auto it = FFunctions.find(name);
  if (it != FFunctions.end()) {
    if (it->second == function) return result;
    if (policy == dcIgnore) return result;
    if (policy == dcError) throw EIEException(FormatMessage(kFunctionNameExists, {name}));
    result.Replaced = std::move(it->second);
    FFunctions.erase(it);
    Detach(result.Replaced);
  }
  FFunctions.emplace(name, function);
  if (IsDeffunction(function)) ++FDeffunctionCount;
  function->AddReasoner(FReasoner);
  result.Added = true;
  return result;
}

void TFunctionTable::Detach(const IUserFunction& function) {
  if (IsDeffunction(function)) --FDeffunctionCount;
  function->RemoveReasoner(FReasoner);
}

IUserFunction TFunctionTable::Remove(std::string_view name) {
  auto it = FFunctions.find(name);
  if (it == FFunctions.end()) return {};
  IUserFunction removed = std::move(it->second);
  FFunctions.erase(it);
  Detach(removed);
  return removed;
}

bool TFunctionTable::RemoveFunction(const IUserFunction& function) {
  if (!function) return false;
  auto it = FFunctions.find(function->FunctionName());
  if (it == FFunctions.end() || it->second != function) return false;
  IUserFunction removed = std::move(it->second);
  FFunctions.erase(it);
  Detach(removed);
  return true;
}

void TFunctionTable::Clear() {
  std::vector<IUserFunction> all;
  all.reserve(FFunctions.size());
  for (auto& [name, f] : FFunctions) all.push_back(std::move(f));
  FFunctions.clear();
  FDeffunctionCount = 0;
  for (const IUserFunction& f : all) f->RemoveReasoner(FReasoner);
}

IUserFunction TFunctionTable::Find(std::string_view name) const {
  auto it = FFunctions.find(name);
  return it == FFunctions.end() ? IUserFunction() : it->second;
}

void TFunctionTable::ForEach(const std::function<void(const IUserFunction&)>& visit) const {
  for (const auto& [name, f] : FFunctions) visit(f);
}

}  // namespace vettora
