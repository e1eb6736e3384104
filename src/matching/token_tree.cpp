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
  FFirst = {FConfig.FactIndex, TSlotRef(FConfig.SlotName), FConfig.SubIndex};
  for (const TTokenKeyPart& part : FConfig.More)
    FMore.push_back({part.FactIndex, TSlotRef(part.SlotName), part.SubIndex});
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

namespace {

// A value that may be Equal to values with other hash codes: a fuzzy value
// matches by degree, and a list compares its elements with Equals.
bool IsInexact(const TIEValue* value) {
  if (!value) return false;
  if (value->DType() == dtFuzzy) return true;
  if (value->DType() != dtList) return false;
  for (const IIEValue& item : *value->AsList())
    if (item && item->DType() == dtFuzzy) return true;
  return false;
}

}  // namespace

int32_t TIETokenTree::PartHash(const TPartRef& part, const TIEToken& token, bool& inexact) {
  if (part.FactIndex >= token.Count()) return 0;
  const TFact* fact = token.FactAt(part.FactIndex).Get();
  if (!fact) return 0;
  if (part.Slot.Name().empty()) return fact->ID();
  const TIEValue* value = ElementOf(part.Slot.ValueIn(*fact), part.SubIndex);
  if (!value) return 0;
  if (IsInexact(value)) inexact = true;
  return int32_t(value->HashCode());
}

TTokenKeys TIETokenTree::KeysOf(const TIEToken& token) const {
  TTokenKeys keys;
  if (FConfig.UseTokenHash) {
    keys.Key = keys.Probe = token.Hash();
    return keys;
  }
  keys.Key = PartHash(FFirst, token, keys.Inexact);
  auto probe = uint32_t(keys.Key);
  for (const TPartRef& part : FMore)
    probe = probe * 31u + uint32_t(PartHash(part, token, keys.Inexact));
  keys.Probe = int32_t(probe);
  return keys;
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
  TTokenKeys keys = KeysOf(*token);
  int32_t index = BucketIndex(keys.Key);
  TBucket& bucket = FBuckets[size_t(index)];
  bucket.Exists = true;
  if (index < FLow) FLow = index;
  if (index > FHigh) FHigh = index;
  if (FindEqual(*token, index)) return false;
  TEntry* e = NewEntry();
  e->Token = token;
  e->Key = keys.Key;
  e->Probe = keys.Probe;
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

  TKeyChain& chain = FByKey[e->Probe];
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

  auto chain = FByKey.find(e->Probe);
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
