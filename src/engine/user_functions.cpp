// TUserFunctions: filing an engine's functions under the duplicate policy.
#include "engine/user_functions.h"

#include <algorithm>
#include <limits>
#include <vector>

#include "engine/collection_text.h"
#include "engine/engine_parser.h"
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
  if (IsDeffunction(*function)) {
    ++FDeffunctionCount;
    if (FLastSequence < std::numeric_limits<int32_t>::max()) ++FLastSequence;
    static_cast<TInterpretedFunction&>(*function).SetDefinitionSequence(FLastSequence);
  }
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

std::vector<IUserFunction> TUserFunctions::Deffunctions() const {
  std::vector<IUserFunction> list;
  for (const auto& entry : FTable)
    if (IsDeffunction(*entry.Value)) list.push_back(entry.Value);
  auto sequence = [](const IUserFunction& f) {
    return static_cast<const TInterpretedFunction&>(*f).DefinitionSequence();
  };
  std::stable_sort(list.begin(), list.end(), [&](const IUserFunction& a, const IUserFunction& b) {
    return sequence(a) < sequence(b);
  });
  return list;
}

std::string TUserFunctions::Text() const {
  std::string text;
  for (const IUserFunction& function : Deffunctions())
    text += "\r\n" + FEngine->PrintFunction(*function);
  return text;
}

bool TUserFunctions::CopyFrom(const TUserFunctions& source, bool skipFailures) {
  if (&source == this) return true;
  TGHashtableUpdate update(FTable);
  std::vector<IUserFunction> own;
  for (const auto& entry : FTable)
    if (!IsDeffunction(*entry.Value)) own.push_back(entry.Value);
  Clear();
  TakeTableSettings(FTable, source.FTable);
  for (const IUserFunction& function : own) Add(function->FunctionName(), function);
  for (const auto& entry : source.FTable)
    if (!IsDeffunction(*entry.Value) && !Find(entry.Key)) Add(entry.Key, entry.Value);
  if (!skipFailures) {
    for (const IUserFunction& function : source.Deffunctions())
      AddParsed(source.FEngine->PrintFunction(*function));
    return true;
  }
  return AddDeffunctionsOf(source);
}

bool TUserFunctions::AddDeffunctionsOf(const TUserFunctions& source) {
  bool all = true;
  for (const IUserFunction& function : source.Deffunctions()) {
    try {
      AddParsed(source.FEngine->PrintFunction(*function));
    } catch (const std::exception&) {
      all = false;
    }
  }
  return all;
}

void TUserFunctions::AddParsed(const std::string& text) {
  IInterpretedFunction made = FEngine->Parser().ParseFunction(text);
  Add(made->FunctionName(), made);
}

}  // namespace vettora
