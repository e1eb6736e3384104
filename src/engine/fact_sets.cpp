// TFactSets: membership of fact sets in their engine.
#include "engine/fact_sets.h"

#include <algorithm>

#include "engine/construct_factory.h"
#include "engine/fact_set.h"
#include "engine/inference_engine.h"
#include "values/exceptions.h"
#include "values/format.h"
#include "values/messages.h"

namespace vettora {

TFactSet* TFactSets::Items(int32_t index) const {
  if (index < 0 || index >= Count()) throw EListError(FormatMessage(kListIndexError, {index}));
  return FItems[size_t(index)];
}

int32_t TFactSets::IndexOf(const TFactSet* factSet) const {
  auto it = std::find(FItems.begin(), FItems.end(), factSet);
  return it == FItems.end() ? -1 : int32_t(it - FItems.begin());
}

TFactSet* TFactSets::Find(const std::string& name) const {
  for (TFactSet* set : FItems)
    if (set->FactSetName() == name) return set;
  return nullptr;
}

void TFactSets::Add(TFactSet* factSet) {
  if (!factSet || IndexOf(factSet) >= 0) return;
  if (TFactSet* old = Find(factSet->FactSetName())) Release(old);
  if (factSet->Engine() && factSet->Engine() != FEngine)
    factSet->Engine()->FactSets().Remove(factSet);
  FItems.push_back(factSet);
  factSet->AttachEngine(FEngine);
}

void TFactSets::Remove(TFactSet* factSet) {
  int32_t i = IndexOf(factSet);
  if (i < 0) return;
  FItems.erase(FItems.begin() + i);
  factSet->AttachEngine(nullptr);
}

// A set the engine made (by parsing) is reachable only through this list.
void TFactSets::Release(TFactSet* factSet) {
  Remove(factSet);
  if (factSet->Owner() == FEngine && !factSet->Destroying()) delete factSet;
}

void TFactSets::Clear() {
  while (!FItems.empty()) Release(FItems.back());
}

std::string TFactSets::Text() const {
  std::string text;
  for (const TFactSet* set : FItems) text += set->Text();
  return text;
}

std::vector<std::string> TFactSets::OwnTexts() const {
  std::vector<std::string> texts;
  for (const TFactSet* set : FItems)
    if (set->Owner() == FEngine) texts.push_back(set->Text());
  return texts;
}

void TFactSets::Assign(const TFactSets& source) {
  if (&source == this) return;
  TReadBackText exact;  // copied through text: every digit must survive
  // Taken first: clearing frees the sets this engine owns.
  std::vector<TFactSet*> sets(source.FItems.begin(), source.FItems.end());
  Clear();
  for (const TFactSet* set : sets) {
    TFactSet* copy = NewParsedFactSet(*FEngine);
    try {
      copy->Assign(*set);
    } catch (...) {
      delete copy;
      throw;
    }
    AddParsedFactSet(*FEngine, copy);
  }
}

}  // namespace vettora
