// TIETokenTree: buckets in insertion order with key and identity indexes.
#include "matching/token_tree.h"

#include <cstdlib>

#include "knowledge/fact.h"
#include "matching/messages.h"
#include "values/exceptions.h"
#include "values/format.h"
#include "values/value_vector.h"

namespace vettora {

TIETokenTree::TIETokenTree(int32_t bucketCount, TTokenKeyConfig config)
    : FConfig(std::move(config)), FLow(bucketCount + 1) {
  if (bucketCount < 1) throw EIEException(FormatMessage(kTokenTreeBuckets, {bucketCount}));
  FBuckets.resize(size_t(bucketCount));
}

TIETokenTree::~TIETokenTree() {
  Clear();
  while (FFree) {
    TEntry* next = FFree->Next;
    delete FFree;
    FFree = next;
  }
}

int32_t TIETokenTree::KeyOf(const TIEToken& token) const {
  if (FConfig.UseTokenHash) return token.Hash();
  TFact* fact = token.FactAt(FConfig.FactIndex).Get();
  if (!fact) return 0;
  if (FConfig.SlotName.empty()) return fact->ID();
  IIEValue value;
  if (!fact->FindSlotValue(FConfig.SlotName, value) || !value) return 0;
  if (FConfig.SubIndex < 0) return int32_t(value->HashCode());
  if (value->DType() != dtList) return 0;
  IValueVector list = value->AsList();
  if (FConfig.SubIndex >= list->Count()) return 0;
  const IIEValue& element = list->Items(FConfig.SubIndex);
  return element ? int32_t(element->HashCode()) : 0;
}

int32_t TIETokenTree::BucketIndex(int32_t key) const {
  return int32_t(std::llabs(int64_t(key)) % int64_t(FBuckets.size()));
}

uint64_t TIETokenTree::IdentityOf(const TIEToken& token) {
  // Equal tokens have equal hashes and equal last fact IDs.
  return (uint64_t(uint32_t(token.Hash())) << 32) | uint32_t(token.LastFactId());
}

TIETokenTree::TEntry* TIETokenTree::FindEqual(const TIEToken& token, int32_t bucket) const {
  auto it = FById.find(IdentityOf(token));
  if (it == FById.end()) return nullptr;
  // The first equal token of the bucket: the one filed earliest.
  TEntry* found = nullptr;
  for (TEntry* e = it->second; e; e = e->IdNext) {
    if (BucketIndex(e->Key) != bucket || !token.Equals(*e->Token)) continue;
    if (!found || e->Sequence < found->Sequence) found = e;
  }
  return found;
}

bool TIETokenTree::Add(const IReteToken& token) {
  int32_t key = KeyOf(*token);
  int32_t index = BucketIndex(key);
  TBucket& bucket = FBuckets[size_t(index)];
  bucket.Exists = true;
  if (index < FLow) FLow = index;
  if (index > FHigh) FHigh = index;
  if (FindEqual(*token, index)) return false;
  TEntry* e = NewEntry();
  e->Token = token;
  e->Key = key;
  e->Identity = IdentityOf(*token);
  e->Sequence = ++FSequence;
  Link(e, bucket);
  FEmpty = false;
  return true;
}

bool TIETokenTree::Remove(const TIEToken& token) { return bool(Take(token)); }

IReteToken TIETokenTree::Take(const TIEToken& token) {
  int32_t index = BucketIndex(KeyOf(token));
  TBucket& bucket = FBuckets[size_t(index)];
  if (!bucket.Exists) return nullptr;
  TEntry* e = FindEqual(token, index);
  if (!e) return nullptr;
  IReteToken taken = std::move(e->Token);
  Unlink(e, bucket);
  FreeEntry(e);
  return taken;
}

void TIETokenTree::Clear() {
  if (FEmpty) return;
  for (TBucket& bucket : FBuckets) {
    for (TEntry* e = bucket.First; e;) {
      TEntry* next = e->Next;
      FreeEntry(e);
      e = next;
    }
    bucket.First = bucket.Last = nullptr;
    bucket.Count = 0;
  }
  FByKey.clear();
  FById.clear();
  FCount = 0;
  FEmpty = true;
  FLow = BucketCount() + 1;
  FHigh = -1;
}

const TIETokenTree::TBucket* TIETokenTree::Bucket(int32_t index) {
  if (index < 0 || index >= BucketCount()) return nullptr;
  TBucket& bucket = FBuckets[size_t(index)];
  if (!bucket.Exists && !FAllowNilBucket) bucket.Exists = true;
  return bucket.Exists ? &bucket : nullptr;
}

TIETokenTree::TEntry* TIETokenTree::NewEntry() {
  if (!FFree) return new TEntry();
  TEntry* e = FFree;
  FFree = e->Next;
  *e = TEntry();
  return e;
}

void TIETokenTree::FreeEntry(TEntry* e) {
  e->Token = nullptr;
  e->Next = FFree;
  FFree = e;
}

void TIETokenTree::Link(TEntry* e, TBucket& bucket) {
  e->Prev = bucket.Last;
  (bucket.Last ? bucket.Last->Next : bucket.First) = e;
  bucket.Last = e;
  ++bucket.Count;

  TKeyChain& chain = FByKey[e->Key];
  e->KeyPrev = chain.Last;
  (chain.Last ? chain.Last->KeyNext : chain.First) = e;
  chain.Last = e;

  TEntry*& head = FById[e->Identity];
  e->IdNext = head;
  if (head) head->IdPrev = e;
  head = e;
  ++FCount;
}

void TIETokenTree::Unlink(TEntry* e, TBucket& bucket) {
  (e->Prev ? e->Prev->Next : bucket.First) = e->Next;
  (e->Next ? e->Next->Prev : bucket.Last) = e->Prev;
  --bucket.Count;

  auto chain = FByKey.find(e->Key);
  (e->KeyPrev ? e->KeyPrev->KeyNext : chain->second.First) = e->KeyNext;
  (e->KeyNext ? e->KeyNext->KeyPrev : chain->second.Last) = e->KeyPrev;
  if (!chain->second.First) FByKey.erase(chain);

  if (e->IdPrev) {
    e->IdPrev->IdNext = e->IdNext;
  } else {
    auto id = FById.find(e->Identity);
    if (e->IdNext)
      id->second = e->IdNext;
    else
      FById.erase(id);
  }
  if (e->IdNext) e->IdNext->IdPrev = e->IdPrev;
  --FCount;
}

template <class F>
std::string TIETokenTree::Listing(F&& textOf) const {
  std::string text;
  for (const TBucket& bucket : FBuckets) {
    if (!bucket.First) continue;
    for (TEntry* e = bucket.First; e; e = e->Next) text += textOf(*e->Token);
    text += "\r\n";
  }
  return text;
}

std::string TIETokenTree::Text() const {
  return Listing([](const TIEToken& t) { return t.Text(); });
}

std::string TIETokenTree::FactListText() const {
  return Listing([](const TIEToken& t) { return t.FactList(); });
}

}  // namespace vettora
