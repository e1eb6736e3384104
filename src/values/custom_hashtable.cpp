#include "values/custom_hashtable.h"

#include <cmath>
#include <exception>

#include "values/exceptions.h"
#include "values/format.h"
#include "values/messages.h"

namespace vettora {

namespace {

// Rounds to the nearest integer, ties to even (75.75 -> 76, 2.5 -> 2).
double RoundHalfEven(double x) {
  double whole = std::floor(x);
  double fraction = x - whole;
  if (fraction > 0.5) return whole + 1;
  if (fraction < 0.5) return whole;
  return std::fmod(whole, 2.0) == 0 ? whole : whole + 1;
}

void CheckLoadFactor(float loadFactor) {
  if (!(loadFactor >= TGCustomHashtable::kMinLoadFactor &&
        loadFactor <= TGCustomHashtable::kMaxLoadFactor))
    throw EGHashtableError(FormatMessage(kHashLoadFactorError, {double(loadFactor)}));
}

void CheckCapacity(uint32_t capacity) {
  if (capacity > TGCustomHashtable::kMaxCapacity)
    throw EGHashtableError(FormatMessage(kHashCapacityError, {capacity}));
}

}  // namespace

TGCustomHashtable::TGCustomHashtable(uint32_t capacity, float loadFactor) {
  CheckLoadFactor(loadFactor);
  CheckCapacity(capacity);
  FLoadFactor = loadFactor;
  FCapacity = capacity;
  FBuckets.assign(capacity, nullptr);
  UpdateThreshold();
}

TGCustomHashtable::~TGCustomHashtable() = default;

void TGCustomHashtable::SetCapacity(uint32_t capacity) {
  CheckCapacity(capacity);
  if (capacity == FCapacity) return;
  if (capacity == 0) {
    BeforeClear();
    std::vector<THashEntry*> old;
    old.swap(FBuckets);
    FCapacity = 0;
    FCount = 0;
    FCollisions = 0;
    UpdateThreshold();
    FreeChains(old);
  } else {
    Rehash(capacity);
  }
  Changed(true);
}

void TGCustomHashtable::SetHashType(TGHashType type) {
  if (type == FHashType) return;
  if (FCount != 0) throw EGHashtableError(kHashNonEmptyTable);
  FHashType = type;
}

void TGCustomHashtable::SetLoadFactor(float loadFactor) {
  CheckLoadFactor(loadFactor);
  FLoadFactor = loadFactor;
  UpdateThreshold();
}

void TGCustomHashtable::EndUpdate() {
  if (FUpdateDepth == 0) return;
  if (--FUpdateDepth == 0 && FChangedInUpdate) {
    FChangedInUpdate = false;
    if (FOnChange) FOnChange(*this);
  }
}

void TGCustomHashtable::EndUpdateQuietly() noexcept {
  if (FUpdateDepth > 0 && --FUpdateDepth == 0) FChangedInUpdate = false;
}

void TGCustomHashtable::Clear() {
  BeforeClear();
  std::vector<THashEntry*> old(FCapacity, nullptr);
  old.swap(FBuckets);
  FCount = 0;
  FCollisions = 0;
  // The table is consistent before any entry (and so any value) is freed.
  FreeChains(old);
  Changed(true);
}

void TGCustomHashtable::DisposeAll() noexcept {
  FreeChains(FBuckets);
  FCount = 0;
  FCollisions = 0;
}

void TGCustomHashtable::FreeChains(std::vector<THashEntry*>& buckets) noexcept {
  for (THashEntry*& head : buckets) {
    THashEntry* entry = head;
    head = nullptr;
    while (entry) {
      THashEntry* next = entry->Next;
      DisposeEntry(entry);
      entry = next;
    }
  }
}

void TGCustomHashtable::UpdateThreshold() {
  FThreshold = RoundHalfEven(double(FCapacity) * double(FLoadFactor));
}

void TGCustomHashtable::GrowIfFull() {
  while (double(FCount) >= FThreshold && FCapacity < kMaxCapacity) {
    uint64_t grown = uint64_t(FCapacity) * 2 + 1;
    Rehash(grown > kMaxCapacity ? kMaxCapacity : uint32_t(grown));
  }
}

// Entries move bucket by bucket from the highest index down, each chain
// from its head, each to the head of its new chain.
void TGCustomHashtable::Rehash(uint32_t capacity) {
  std::vector<THashEntry*> buckets(capacity, nullptr);
  int32_t collisions = 0;
  for (uint32_t i = FCapacity; i-- > 0;) {
    THashEntry* entry = FBuckets[i];
    while (entry) {
      THashEntry* next = entry->Next;
      uint32_t bucket = HashBucket(entry->Hash, capacity, FHashType);
      if (buckets[bucket]) ++collisions;
      entry->Bucket = bucket;
      entry->Next = buckets[bucket];
      buckets[bucket] = entry;
      entry = next;
    }
  }
  FBuckets.swap(buckets);
  FCapacity = capacity;
  FCollisions = collisions;
  UpdateThreshold();
  FCursorEntry = nullptr;
}

void TGCustomHashtable::LinkEntry(THashEntry* entry) {
  uint32_t bucket = BucketOf(entry->Hash);
  entry->Bucket = bucket;
  entry->Next = FBuckets[bucket];
  if (entry->Next) ++FCollisions;
  FBuckets[bucket] = entry;
  ++FCount;
}

void TGCustomHashtable::UnlinkEntry(THashEntry* entry, THashEntry* prev) {
  if (prev)
    prev->Next = entry->Next;
  else
    FBuckets[entry->Bucket] = entry->Next;
  // The chain kept an entry besides this one: one collision fewer.
  if (prev || entry->Next) --FCollisions;
  entry->Next = nullptr;
  --FCount;
}

void TGCustomHashtable::Changed(bool structural) {
  FCursorEntry = nullptr;
  if (structural) ++FStamp;
  if (FUpdateDepth > 0) {
    FChangedInUpdate = true;
    return;
  }
  if (FOnChange) FOnChange(*this);
}

THashEntry* TGCustomHashtable::EnumFrom(uint32_t bucket) const {
  while (bucket-- > 0)
    if (FBuckets[bucket]) return FBuckets[bucket];
  return nullptr;
}

THashEntry* TGCustomHashtable::OrdinalFrom(uint32_t bucket) const {
  for (; bucket < FCapacity; ++bucket)
    if (FBuckets[bucket]) return FBuckets[bucket];
  return nullptr;
}

THashEntry* TGCustomHashtable::OrdinalNext(const THashEntry* entry) const {
  return entry->Next ? entry->Next : OrdinalFrom(entry->Bucket + 1);
}

// Walks on from the cursor when the position lies at or after it, so that
// visiting positions in order costs one step each.
THashEntry* TGCustomHashtable::EntryAt(int32_t ordinal) const {
  if (ordinal < 0 || ordinal >= FCount)
    throw EGHashtableError(FormatMessage(kListIndexError, {ordinal}));
  THashEntry* entry;
  int32_t position;
  if (FCursorEntry && FCursorOrdinal <= ordinal) {
    entry = FCursorEntry;
    position = FCursorOrdinal;
  } else {
    entry = OrdinalFrom(0);
    position = 0;
  }
  for (; position < ordinal; ++position) entry = OrdinalNext(entry);
  FCursorEntry = entry;
  FCursorOrdinal = ordinal;
  return entry;
}

TGHashtableUpdate::TGHashtableUpdate(TGCustomHashtable& table)
    : FTable(table), FUncaught(std::uncaught_exceptions()) {
  FTable.BeginUpdate();
}

TGHashtableUpdate::~TGHashtableUpdate() noexcept(false) {
  if (std::uncaught_exceptions() > FUncaught)
    FTable.EndUpdateQuietly();
  else
    FTable.EndUpdate();
}

}  // namespace vettora
