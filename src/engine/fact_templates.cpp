// TFactTemplates: filing, replacing and removing an engine's templates.
#include "engine/fact_templates.h"

#include <vector>

#include "engine/inference_engine.h"
#include "engine/messages.h"
#include "values/exceptions.h"
#include "values/format.h"

namespace vettora {

TFactTemplates::~TFactTemplates() {
  for (const auto& entry : FTable) Detach(entry.Value);
}

IFactTemplate TFactTemplates::Find(std::string_view name) const {
  const IFactTemplate* found = FTable.Lookup(name);
  return found ? *found : IFactTemplate();
}

void TFactTemplates::Add(const IFactTemplate& factTemplate) {
  if (!factTemplate) return;
  IFactTemplate old = Find(factTemplate->Name());
  if (old == factTemplate) return;
  if (old) {
    switch (FEngine->DuplicateConstructs()) {
      case dcIgnore:
        return;
      case dcError:
        throw EIEException(FormatMessage(kFactTemplateNameExists, {factTemplate->Name()}));
      case dcOverwrite:
        break;
    }
  }
  if (factTemplate->SlotCount() == 0)
    factTemplate->AddMultiSlot(kImpliedSlotName, EmptyListValue());
  factTemplate->SetEngine(FEngine);
  if (old) {
    Replace(old, factTemplate);
    return;
  }
  FTable.Put(factTemplate->Name(), factTemplate);
  FEngine->RaiseNewFactTemplate(factTemplate);
}

void TFactTemplates::Replace(const IFactTemplate& old, const IFactTemplate& now) {
  FEngine->RaiseRemoveFactTemplate(old);
  FEngine->ReplaceTemplate(old, now);
}

bool TFactTemplates::Remove(std::string_view name) {
  IFactTemplate factTemplate = Find(name);
  if (!factTemplate) return false;
  FEngine->RaiseRemoveFactTemplate(factTemplate);
  FEngine->RemoveTemplateDependents(factTemplate);
  FTable.TryRemove(factTemplate->Name());
  Detach(factTemplate);
  return true;
}

void TFactTemplates::Rekey(const std::string& oldName, const std::string& newName) {
  IFactTemplate factTemplate = Find(oldName);
  if (!factTemplate) return;
  FTable.Remove(oldName);
  FTable.Put(newName, factTemplate);
}

void TFactTemplates::Clear() {
  FEngine->ClearTemplateDependents();
  std::vector<IFactTemplate> all;
  all.reserve(size_t(FTable.Count()));
  for (const auto& entry : FTable) all.push_back(entry.Value);
  FTable.Clear();
  for (const IFactTemplate& factTemplate : all) Detach(factTemplate);
  FEngine->RaiseClearFactTemplates();
}

// A template that leaves the engine must not call it any more: facts kept
// by a host may outlive the engine.
void TFactTemplates::Detach(const IFactTemplate& factTemplate) {
  if (factTemplate && factTemplate->Engine() == static_cast<IFactEngine*>(FEngine))
    factTemplate->SetEngine(nullptr);
}

}  // namespace vettora
