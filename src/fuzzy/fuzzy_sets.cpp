#include "fuzzy/fuzzy_sets.h"

#include "values/exceptions.h"
#include "values/format.h"
#include "values/messages.h"

namespace vettora {

const IFuzzySet& TIFuzzySets::Items(int32_t i) const {
  if (i < 0 || i >= Count()) throw EListError(FormatMessage(kListIndexError, {i}));
  return FItems[size_t(i)];
}

IFuzzySet TIFuzzySets::Find(std::string_view name) const {
  auto it = FIndex.find(name);
  return it == FIndex.end() ? IFuzzySet() : FItems[it->second];
}

int32_t TIFuzzySets::IndexOf(std::string_view name) const {
  auto it = FIndex.find(name);
  return it == FIndex.end() ? -1 : int32_t(it->second);
}

int32_t TIFuzzySets::IndexOf(const TFuzzySet* set) const {
  if (!set) return -1;
  int32_t i = IndexOf(set->Name());
  return i >= 0 && FItems[size_t(i)].Get() == set ? i : -1;
}

IFuzzySet TIFuzzySets::Add(IFuzzySet set) {
  auto [it, inserted] = FIndex.try_emplace(set->Name(), FItems.size());
  if (inserted) {
    FItems.push_back(std::move(set));
    return IFuzzySet();
  }
  IFuzzySet old = std::exchange(FItems[it->second], std::move(set));
  return old;
}

IFuzzySet TIFuzzySets::Delete(int32_t i) {
  IFuzzySet old = Items(i);
  FIndex.erase(old->Name());
  FItems.erase(FItems.begin() + i);
  Reindex(size_t(i));
  return old;
}

void TIFuzzySets::Clear() {
  FIndex.clear();
  FItems.clear();
}

IFuzzySet TIFuzzySets::Rename(const TFuzzySet& set, const std::string& oldName) {
  auto it = FIndex.find(oldName);
  if (it == FIndex.end() || FItems[it->second].Get() != &set) return IFuzzySet();
  size_t position = it->second;
  FIndex.erase(it);
  IFuzzySet displaced;
  auto found = FIndex.find(set.Name());
  if (found != FIndex.end()) {
    size_t other = found->second;
    displaced = FItems[other];
    FIndex.erase(found);
    FItems.erase(FItems.begin() + ptrdiff_t(other));
    if (other < position) --position;
    Reindex(other);
  }
  FIndex[set.Name()] = position;
  return displaced;
}

void TIFuzzySets::Reindex(size_t from) {
  for (size_t i = from; i < FItems.size(); ++i) FIndex[FItems[i]->Name()] = i;
}

}  // namespace vettora
