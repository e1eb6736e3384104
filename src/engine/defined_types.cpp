// TIEDefinedTypes: filing and removing an engine's defined types.
#include "engine/defined_types.h"

#include "engine/inference_engine.h"
#include "engine/messages.h"
#include "fuzzy/fuzzy_variable.h"
#include "values/exceptions.h"
#include "values/format.h"

namespace vettora {

IIEDefinedType TIEDefinedTypes::Find(std::string_view name) const {
  const IIEDefinedType* found = FTable.Lookup(name);
  return found ? *found : IIEDefinedType();
}

void TIEDefinedTypes::Add(const IIEDefinedType& type) {
  if (!type) return;
  IIEDefinedType old = Find(type->Name());
  if (old == type) return;
  if (old) {
    switch (FEngine->DuplicateConstructs()) {
      case dcIgnore:
        return;
      case dcError:
        throw EIEException(FormatMessage(kDefinedTypeNameExists, {type->Name()}));
      case dcOverwrite:
        Remove(old->Name());
        break;
    }
  }
  if (type->FuzzyVariable()) type->FuzzyVariable()->SetThreshold(FEngine->FuzzyEqualsThreshold());
  FTable.Put(type->Name(), type);
  FEngine->RaiseAddDefinedType(type);
}

bool TIEDefinedTypes::Remove(std::string_view name) {
  IIEDefinedType type = Find(name);
  if (!type) return false;
  FEngine->RaiseRemoveDefinedType(type);
  FEngine->RemoveDefinedTypeTemplates(type);
  FTable.TryRemove(type->Name());
  return true;
}

void TIEDefinedTypes::Clear() {
  FTable.Clear();
  FEngine->RaiseClearDefinedTypes();
}

void TIEDefinedTypes::SetFuzzyThreshold(double threshold) {
  for (const auto& entry : FTable)
    if (entry.Value->FuzzyVariable()) entry.Value->FuzzyVariable()->SetThreshold(threshold);
}

}  // namespace vettora
