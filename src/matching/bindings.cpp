// TBindings: hashed lookup of a context's variables.
#include "matching/bindings.h"

namespace vettora {

uint32_t TBindings::NameHash(std::string_view name) {
  // FNV-1a: cheap for the short names variables have, and well spread for
  // the power-of-two index.
  uint32_t h = 2166136261u;
  for (char c : name) h = (h ^ static_cast<unsigned char>(c)) * 16777619u;
  return h;
}

int32_t TBindings::IndexOf(std::string_view name, uint32_t hash) const {
  if (FSlots.empty()) {
    for (size_t i = 0; i < FItems.size(); ++i)
      if (FItems[i].Hash == hash && FItems[i].Binding->Name() == name) return int32_t(i);
    return -1;
  }
  size_t mask = FSlots.size() - 1;
  for (size_t s = hash & mask;; s = (s + 1) & mask) {
    int32_t i = FSlots[s];
    if (i < 0) return -1;
    const TEntry& e = FItems[size_t(i)];
    if (e.Hash == hash && e.Binding->Name() == name) return i;
  }
}

TBinding* TBindings::Find(std::string_view name) const {
  int32_t i = IndexOf(name, NameHash(name));
  return i < 0 ? nullptr : FItems[size_t(i)].Binding.get();
}

TBinding* TBindings::Add(std::unique_ptr<TBinding> binding) {
  uint32_t hash = NameHash(binding->Name());
  TBinding* added = binding.get();
  int32_t i = IndexOf(binding->Name(), hash);
  if (i >= 0) {
    // Same name, same hash: the index stays valid.
    FItems[size_t(i)].Binding = std::move(binding);
    return added;
  }
  return Append(hash, std::move(binding));
}

TBinding* TBindings::Append(uint32_t hash, std::unique_ptr<TBinding> binding) {
  TBinding* added = binding.get();
  FItems.push_back({hash, std::move(binding)});
  if (FItems.size() > kScanLimit) {
    // Keep the index at most half full.
    if (FSlots.size() < FItems.size() * 2)
      Reindex();
    else
      IndexEntry(int32_t(FItems.size() - 1));
  }
  return added;
}

TBinding* TBindings::Set(std::string_view name, IIEValue value) {
  uint32_t hash = NameHash(name);
  int32_t i = IndexOf(name, hash);
  if (i >= 0) {
    TBinding* binding = FItems[size_t(i)].Binding.get();
    binding->Reset(name, std::move(value));
    return binding;
  }
  if (FSpares.empty())
    return Append(hash, std::make_unique<TBinding>(std::string(name), std::move(value)));
  std::unique_ptr<TBinding> binding = std::move(FSpares.back());
  FSpares.pop_back();
  binding->Reset(name, std::move(value));
  return Append(hash, std::move(binding));
}

bool TBindings::Remove(std::string_view name) {
  int32_t i = IndexOf(name, NameHash(name));
  if (i < 0) return false;
  FItems.erase(FItems.begin() + i);
  // Removal is rare (bindings are replaced, or cleared all at once), so the
  // index is simply rebuilt.
  FSlots.clear();
  if (FItems.size() > kScanLimit) Reindex();
  return true;
}

void TBindings::Clear() {
  // Detached first, so a value freed with its binding never sees a
  // half-emptied table.
  std::vector<TEntry> old;
  old.swap(FItems);
  FSlots.clear();
  // Spares are taken from the back: stacked last binding first, so a table
  // filled again with the same names gets each binding back under its own
  // name.
  for (auto e = old.rbegin(); e != old.rend(); ++e) {
    e->Binding->SetValue(nullptr);
    if (FSpares.size() < kSpareLimit) FSpares.push_back(std::move(e->Binding));
  }
  old.clear();
  if (FItems.empty()) FItems.swap(old);  // keeps the storage for the next fill
}

void TBindings::ForEach(const std::function<void(TBinding&)>& visit) const {
  for (const TEntry& e : FItems) visit(*e.Binding);
}

void TBindings::Reindex() {
  size_t size = 32;
  while (size < FItems.size() * 4) size *= 2;
  FSlots.assign(size, -1);
  for (size_t i = 0; i < FItems.size(); ++i) IndexEntry(int32_t(i));
}

void TBindings::IndexEntry(int32_t item) {
  size_t mask = FSlots.size() - 1;
  size_t s = FItems[size_t(item)].Hash & mask;
  while (FSlots[s] >= 0) s = (s + 1) & mask;
  FSlots[s] = item;
}

}  // namespace vettora
