// TFactTemplates: filing, replacing and removing an engine's templates.
#include "engine/fact_templates.h"

#include <vector>

#include "engine/collection_text.h"
#include "engine/defined_types.h"
#include "engine/inference_engine.h"
#include "engine/messages.h"
#include "knowledge/knowledge_printer.h"
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

// ---- Texts ---------------------------------------------------------------------------

std::vector<IFactTemplate> TFactTemplates::ParentsFirst() const {
  std::vector<TFactTemplate*> items;
  items.reserve(size_t(FTable.Count()));
  for (const auto& entry : FTable) items.push_back(entry.Value.Get());
  // Only a parent filed here constrains the order; one of another engine
  // (or one replaced since) is written elsewhere, if at all.
  auto parentOf = [this](TFactTemplate* t) -> TFactTemplate* {
    const IFactTemplate& parent = t->Parent();
    return parent && Find(parent->Name()) == parent ? parent.Get() : nullptr;
  };
  std::vector<IFactTemplate> ordered;
  ordered.reserve(items.size());
  for (TFactTemplate* t : vettora::ParentsFirst(items, parentOf, kFactTemplatesCorrupted))
    ordered.emplace_back(t);
  return ordered;
}

std::vector<std::string> TFactTemplates::Texts() const {
  std::vector<std::string> texts;
  for (const IFactTemplate& t : ParentsFirst()) texts.push_back(t->Text());
  return texts;
}

std::string TFactTemplates::Text() const {
  std::string text;
  for (const std::string& item : Texts()) text += item + "\r\n";
  return text;
}

// ---- Copying -------------------------------------------------------------------------

void TFactTemplates::Assign(const TFactTemplates& source) {
  if (&source == this) return;
  TReadBackText exact;  // copied through text: every digit must survive
  std::vector<std::string> gone;
  std::vector<IFactTemplate> differing;
  for (const auto& entry : FTable) {
    IFactTemplate theirs = source.Find(entry.Key);
    if (!theirs)
      gone.push_back(entry.Key);
    else if (!entry.Value->Equals(*theirs))
      differing.push_back(theirs);
  }
  for (const std::string& name : gone) Remove(name);
  for (const IFactTemplate& theirs : differing) TakeOver(theirs);
  TakeTableSettings(FTable, source.FTable);
  for (const IFactTemplate& theirs : source.ParentsFirst()) {
    IFactTemplate mine = Find(theirs->Name());
    if (mine == theirs) continue;
    if (mine)
      mine->Assign(*theirs);
    else
      TakeOver(theirs);
  }
  LinkParents(source);
}

// Files a copy of `source` made for this engine, replacing (with its
// dependents carried over) a template of that name whatever the duplicate
// policy: a copy must end up equal to its source.
void TFactTemplates::TakeOver(const IFactTemplate& source) {
  IFactTemplate copy = MakeRef<TFactTemplate>(source->Name(), FEngine);
  copy->Assign(*source);
  if (IFactTemplate old = Find(copy->Name())) {
    Replace(old, copy);
    return;
  }
  if (copy->SlotCount() == 0) copy->AddMultiSlot(kImpliedSlotName, EmptyListValue());
  FTable.Put(copy->Name(), copy);
  FEngine->RaiseNewFactTemplate(copy);
}

// A copied template drops a parent of another engine; this engine's
// template of the parent's name stands in for it.
void TFactTemplates::LinkParents(const TFactTemplates& source) {
  for (const auto& entry : source.FTable) {
    const IFactTemplate& parent = entry.Value->Parent();
    IFactTemplate mine = Find(entry.Key);
    if (!mine || mine == entry.Value) continue;
    mine->SetParent(parent ? Find(parent->Name()) : IFactTemplate());
  }
}

// ---- Tree view -----------------------------------------------------------------------

namespace {

// "ATOM, STRING": the kinds a type statement can name, as the editors list
// them.
std::string TypeWordList(TIETypes types) {
  std::string words = TypeWords(types);
  std::string list;
  for (char c : words) list += c == ' ' ? std::string(", ") : std::string(1, c);
  return list;
}

void AddSlotNode(TTreeNode& parent, const TFactSlot& slot) {
  TTreeNode& node = parent.Add(slot.Name());
  std::string prefix = slot.IsMultiSlot() ? "Type: (Multislot) " : "Type: ";
  if (const IIEDefinedType& type = slot.ExtendedTypeInfo()) {
    TTreeNode& typeNode = node.Add(prefix + (type->Implicit() ? std::string() : type->Name()));
    for (const std::string& line : TrimmedLines(type->AsText()))
      if (!line.empty()) typeNode.Add(line);
  } else {
    node.Add(prefix + TypeWordList(slot.SlotType()));
  }
  if (slot.SlotDefault() && slot.SlotDefault() != NilValue())
    node.Add("Default: " + slot.SlotDefault()->AsText());
}

}  // namespace

void TFactTemplates::CopyToTree(TTreeNode& root) const {
  for (const auto& entry : FTable) {
    TTreeNode& node = root.Add(entry.Value->Name());
    node.Add(entry.Value->Comment());
    for (const IFactSlot& slot : entry.Value->SlotsInOrder()) AddSlotNode(node, *slot);
  }
}

}  // namespace vettora
