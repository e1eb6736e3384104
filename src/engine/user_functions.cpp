// TUserFunctions: filing an engine's functions under the duplicate policy.
#include "engine/user_functions.h"

#include <vector>

#include "engine/inference_engine.h"
#include "functions/interpreted_function.h"
#include "functions/messages.h"
#include "values/exceptions.h"
#include "values/format.h"

namespace vettora {

bool IsDeffunction(const TIEUserFunction& function) {
  return dynamic_cast<const TInterpretedFunction*>(&function) != nullptr;
}

TUserFunctions::~TUserFunctions() { Clear(); }

IUserFunction TUserFunctions::Find(std::string_view name) const {
  const IUserFunction* found = FTable.Lookup(name);
  return found ? *found : IUserFunction();
}

void TUserFunctions::Add(const std::string& name, const IUserFunction& function) {
  if (!function) return;
  if (name != function->FunctionName())
    throw EIEException(FormatMessage(kFunctionNamesDoNotMatch, {name, function->FunctionName()}));
  IUserFunction old = Find(name);
  if (old == function) return;
  if (old) {
    switch (FEngine->DuplicateConstructs()) {
      case dcIgnore:
        return;
      case dcError:
        throw EIEException(FormatMessage(kFunctionNameExists, {name}));
      case dcOverwrite:
        Remove(name);
        break;
    }
  }
  FTable.Put(name, function);
  if (IsDeffunction(*function)) ++FDeffunctionCount;
  function->AddReasoner(FEngine);
  FEngine->RaiseAddUserFunction(function);
}

void TUserFunctions::Detach(const IUserFunction& function) {
  if (IsDeffunction(*function)) --FDeffunctionCount;
  function->RemoveReasoner(FEngine);
}

bool TUserFunctions::Remove(std::string_view name) {
  IUserFunction function = Find(name);
  if (!function) return false;
  FEngine->RaiseRemoveUserFunction(function);
  FTable.TryRemove(name);
  Detach(function);
  return true;
}

bool TUserFunctions::RemoveFunction(const IUserFunction& function) {
  if (!function || Find(function->FunctionName()) != function) return false;
  return Remove(function->FunctionName());
}

void TUserFunctions::RemoveDeffunctions() {
  std::vector<std::string> names;
  for (const auto& entry : FTable)
    if (IsDeffunction(*entry.Value)) names.push_back(entry.Key);
  for (const std::string& name : names) Remove(name);
}

void TUserFunctions::Clear() {
  std::vector<IUserFunction> all;
  all.reserve(size_t(FTable.Count()));
  for (const auto& entry : FTable) all.push_back(entry.Value);
  FTable.Clear();
  FDeffunctionCount = 0;
  for (const IUserFunction& function : all) function->RemoveReasoner(FEngine);
}

}  // namespace vettora
