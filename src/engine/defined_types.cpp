// TIEDefinedTypes: filing, replacing and removing an engine's defined types,
// their texts and copies.
#include "engine/defined_types.h"

#include "engine/collection_text.h"
#include "engine/engine_parser.h"
#include "engine/fact_templates.h"
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
        Replace(old, type);
        return;
    }
  }
  File(type);
}

void TIEDefinedTypes::File(const IIEDefinedType& type) {
  if (TIFuzzyVariable* variable = type->FuzzyVariable().Get()) {
    variable->SetThreshold(FEngine->FuzzyEqualsThreshold());
    if (FEngine->FuzzyAutoTerms()) variable->AddAutoTerms();
  }
  FTable.Put(type->Name(), type);
  FEngine->RaiseAddDefinedType(type);
}

void TIEDefinedTypes::Replace(const IIEDefinedType& old, const IIEDefinedType& now) {
  if (!old || !now || old == now) return;
  if (old->Name() != now->Name()) {
    Remove(old->Name());
    File(now);
    return;
  }
  FEngine->RaiseRemoveDefinedType(old);
  // The dependent templates are read again once the new type is filed, so
  // that their slots find it by name.
  std::vector<std::string> texts;
  std::vector<IFactTemplate> users;
  for (const auto& entry : FEngine->FactTemplates().Table())
    if (entry.Value->SlotOfDefinedType(old.Get())) users.push_back(entry.Value);
  for (const IFactTemplate& user : users) texts.push_back(user->Text());
  File(now);
  for (size_t i = 0; i < users.size(); ++i) {
    IFactTemplate remade;
    try {
      remade = FEngine->Parser().ParseFactTemplate(texts[i]);
    } catch (const std::exception&) {
      FEngine->FactTemplates().Remove(users[i]->Name());
      continue;
    }
    FEngine->FactTemplates().Replace(users[i], remade);
  }
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

// ---- Texts ---------------------------------------------------------------------------

std::vector<IIEDefinedType> TIEDefinedTypes::ParentsFirst() const {
  std::vector<TIEDefinedType*> items;
  items.reserve(size_t(FTable.Count()));
  for (const auto& entry : FTable) items.push_back(entry.Value.Get());
  auto ancestorOf = [this](TIEDefinedType* type) -> TIEDefinedType* {
    const IIEDefinedType& ancestor = type->Ancestor();
    return ancestor && Find(ancestor->Name()) == ancestor ? ancestor.Get() : nullptr;
  };
  std::vector<IIEDefinedType> ordered;
  ordered.reserve(items.size());
  for (TIEDefinedType* type : vettora::ParentsFirst(items, ancestorOf, kDefinedTypesCorrupted))
    ordered.emplace_back(type);
  return ordered;
}

std::vector<std::string> TIEDefinedTypes::Texts() const {
  std::vector<std::string> texts;
  for (const IIEDefinedType& type : ParentsFirst())
    texts.push_back(FEngine->PrintDefinedType(*type));
  return texts;
}

std::string TIEDefinedTypes::Text() const {
  std::string text;
  for (const std::string& item : Texts()) text += item + "\r\n";
  return text;
}

// ---- Copying -------------------------------------------------------------------------

void TIEDefinedTypes::Assign(const TIEDefinedTypes& source) {
  if (&source == this) return;
  TReadBackText exact;  // copied through text: every digit must survive
  std::vector<std::string> texts = source.Texts();
  std::vector<std::string> gone;
  for (const auto& entry : FTable)
    if (!source.Find(entry.Key)) gone.push_back(entry.Key);
  for (const std::string& name : gone) Remove(name);
  TakeTableSettings(FTable, source.FTable);
  for (const std::string& text : texts) {
    IIEDefinedType copy = FEngine->Parser().ParseDefinedType(text);
    if (IIEDefinedType old = Find(copy->Name()))
      Replace(old, copy);
    else
      File(copy);
  }
}

void TIEDefinedTypes::CopyToTree(TTreeNode& root) const {
  for (const auto& entry : FTable) {
    TTreeNode& node = root.Add(entry.Key);
    std::vector<std::string> lines = TrimmedLines(FEngine->PrintDefinedType(*entry.Value));
    for (size_t i = 1; i < lines.size(); ++i)
      if (!lines[i].empty()) node.Add(lines[i]);
  }
}

}  // namespace vettora
