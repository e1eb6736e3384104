// TSlotFunctions: the list of functions with fact or slot-pair arguments.
#include "functions/slot_functions.h"

#include "values/exceptions.h"
#include "values/format.h"
#include "values/messages.h"

namespace vettora {

TSlotFunctions TSlotFunctions::Defaults() {
  TSlotFunctions list;
  list.Add("assert", 0);
  list.Add("fuzzy-assert", 0);
  list.Add("fuzzy-assert-unconditional", 0);
  list.Add("modify", MakeWord(1, kNoLimit));
  list.Add("duplicate", MakeWord(1, kNoLimit));
  return list;
}

TSlotFunctions::TEntry& TSlotFunctions::Entry(int32_t i) {
  if (i < 0 || i >= Count()) throw EListError(FormatMessage(kListIndexError, {i}));
  return FEntries[size_t(i)];
}

const std::string& TSlotFunctions::Names(int32_t i) const {
  return const_cast<TSlotFunctions*>(this)->Entry(i).Name;
}

uint32_t TSlotFunctions::Words(int32_t i) const {
  return const_cast<TSlotFunctions*>(this)->Entry(i).Word;
}

void TSlotFunctions::SetWords(int32_t i, uint32_t word) { Entry(i).Word = word; }

void TSlotFunctions::SetFirst(int32_t i, uint16_t first) {
  uint16_t last = Last(i);
  if (last < first) last = first;
  SetWords(i, MakeWord(first, last));
}

void TSlotFunctions::SetLast(int32_t i, uint16_t last) {
  // 0 stands for no limit, as it reads.
  if (last == 0) last = kNoLimit;
  uint16_t first = First(i);
  if (first > last) first = last;
  SetWords(i, MakeWord(first, last));
}

int32_t TSlotFunctions::Add(const std::string& name, uint32_t word) {
  int32_t i = IndexOf(name);
  if (i >= 0) {
    FEntries[size_t(i)].Word = word;
    return i;
  }
  FEntries.push_back({name, word});
  i = Count() - 1;
  FIndex.emplace(name, i);
  return i;
}

void TSlotFunctions::Delete(int32_t i) {
  (void)Entry(i);
  FEntries.erase(FEntries.begin() + i);
  Reindex();
}

void TSlotFunctions::Clear() {
  FEntries.clear();
  FIndex.clear();
}

int32_t TSlotFunctions::IndexOf(const std::string& name) const {
  auto it = FIndex.find(name);
  return it == FIndex.end() ? -1 : it->second;
}

bool TSlotFunctions::Find(const std::string& name, TRange& range) const {
  int32_t i = IndexOf(name);
  if (i < 0) return false;
  range.First = First(i);
  range.Last = Last(i);
  return true;
}

void TSlotFunctions::Reindex() {
  FIndex.clear();
  for (size_t i = 0; i < FEntries.size(); ++i) FIndex.emplace(FEntries[i].Name, int32_t(i));
}

}  // namespace vettora
