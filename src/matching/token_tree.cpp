// TIETokenTree: buckets in insertion order with key and identity indexes.
#include "matching/token_tree.h"

#include <cstdlib>

#include "knowledge/fact.h"
#include "matching/messages.h"
#include "values/exceptions.h"
#include "values/format.h"
#include "values/value_vector.h"

namespace vettora {

namespace {

constexpr int32_t kFirstSlotBits = 3;
constexpr size_t kFirstSlots = size_t(1) << kFirstSlotBits;
constexpr size_t kMaxBlock = 32;

}  // namespace

TIETokenTree::TIETokenTree(int32_t bucketCount, TTokenKeyConfig config)
    : FConfig(std::move(config)), FLow(bucketCount + 1) {
  if (bucketCount < 1) throw EIEException(FormatMessage(kTokenTreeBuckets, {bucketCount}));
  FFirst = {FConfig.FactIndex, TSlotRef(FConfig.SlotName), FConfig.SubIndex};
  for (const TTokenKeyPart& part : FConfig.More)
    FMore.push_back({part.FactIndex, TSlotRef(part.SlotName), part.SubIndex});
  FKeySlots.resize(kFirstSlots);
  FIdSlots.resize(kFirstSlots);
  FSlotShift = 64 - kFirstSlotBits;
  FBuckets.resize(size_t(bucketCount));
}

TIETokenTree::~TIETokenTree() { Clear(); }

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
    probe = CombinedProbe(probe, uint32_t(PartHash(part, token, keys.Inexact)));
  keys.Probe = int32_t(probe);
  return keys;
}

// Text hashes are themselves sums of powers of 31, so combining them as
// h * 31 + part would make many value pairs collide ((5, "g21") and
// (6, "g11") alike): the partial matches of one probe key would then no
// longer agree on their values, and probes would test most of them in
// vain. Instead both values, side by side, go through a 64-bit finaliser
// (a bijection), so distinct pairs collide only by chance in the 32 bits
// kept.
uint32_t TIETokenTree::CombinedProbe(uint32_t probe, uint32_t part) {
  uint64_t x = (uint64_t(probe) << 32) | part;
  x ^= x >> 33;
  x *= 0xFF51AFD7ED558CCDull;
  x ^= x >> 33;
  x *= 0xC4CEB9FE1A85EC53ull;
  x ^= x >> 33;
  return uint32_t(x);
}

int32_t TIETokenTree::BucketIndex(int32_t key) const {
  return int32_t(std::llabs(int64_t(key)) % int64_t(FBuckets.size()));
}

uint64_t TIETokenTree::IdentityOf(const TIEToken& token) {
  // Equal tokens have equal hashes and equal last fact IDs.
  return (uint64_t(uint32_t(token.Hash())) << 32) | uint32_t(token.LastFactId());
}

bool TIETokenTree::Add(const IReteToken& token) { return Add(token, KeysOf(*token)); }

bool TIETokenTree::Add(const IReteToken& token, const TTokenKeys& keys, int32_t viewer) {
  int32_t index = BucketIndex(keys.Key);
  TBucket& bucket = FBuckets[size_t(index)];
  bucket.Exists = true;
  if (index < FLow) FLow = index;
  if (index > FHigh) FHigh = index;
  TEntry* pending = nullptr;
  if (FindEqual(*token, index, viewer, viewer > 0 ? &pending : nullptr)) return false;
  FEmpty = false;
  if (pending) {
    pending->HeldTo = viewer + 1;
    FLastFiled = pending->Sequence;
    return true;
  }
  if (size_t(FCount) >= FKeySlots.size()) GrowIndexes();
  TEntry* e = NewEntry();
  e->Token = token;
  e->Key = keys.Key;
  e->Probe = keys.Probe;
  e->Identity = IdentityOf(*token);
  e->Sequence = FLastFiled = ++FSequence;
  e->HeldFrom = viewer;
  e->HeldTo = viewer + 1;
  Link(e, bucket);
  return true;
}

bool TIETokenTree::Remove(const TIEToken& token) { return bool(Take(token)); }

IReteToken TIETokenTree::Take(const TIEToken& token) { return Take(token, KeysOf(token)); }

IReteToken TIETokenTree::Take(const TIEToken& token, const TTokenKeys& keys, int32_t viewer) {
  int32_t index = BucketIndex(keys.Key);
  TBucket& bucket = FBuckets[size_t(index)];
  if (!bucket.Exists) return nullptr;
  TEntry* e = FindEqual(token, index, viewer, nullptr);
  if (!e) return nullptr;
  if (e->HeldFrom + 1 == e->HeldTo) {  // the only holder: the common case
    Unlink(e, bucket);
    IReteToken taken = std::move(e->Token);
    FreeEntry(e);
    return taken;
  }
  IReteToken taken = e->Token;
  Release(e, viewer, bucket);
  return taken;
}

// Viewers take a token out in their order, so the hold normally shrinks
// from below; the other cases keep the range whole all the same.
void TIETokenTree::Release(TEntry* e, int32_t viewer, TBucket& bucket) {
  if (e->HeldFrom == viewer)
    ++e->HeldFrom;
  else if (e->HeldTo == viewer + 1)
    --e->HeldTo;
  else
    SplitAbove(e, viewer, bucket);
  if (e->HeldFrom < e->HeldTo) return;
  Unlink(e, bucket);
  FreeEntry(e);
}

void TIETokenTree::SplitAbove(TEntry* e, int32_t viewer, TBucket& bucket) {
  if (size_t(FCount) >= FKeySlots.size()) GrowIndexes();
  TEntry* upper = NewEntry();
  upper->Token = e->Token;
  upper->Key = e->Key;
  upper->Probe = e->Probe;
  upper->Identity = e->Identity;
  upper->Sequence = e->Sequence;
  upper->HeldFrom = viewer + 1;
  upper->HeldTo = e->HeldTo;
  e->HeldTo = viewer;
  upper->Prev = e;
  upper->Next = e->Next;
  (e->Next ? e->Next->Prev : bucket.Last) = upper;
  e->Next = upper;
  ++bucket.Count;
  upper->KeyPrev = e;
  upper->KeyNext = e->KeyNext;
  (e->KeyNext ? e->KeyNext->KeyPrev : ChainHead(e->Probe)->ChainLast) = upper;
  e->KeyNext = upper;
  LinkId(upper);
  ++FCount;
}

void TIETokenTree::RemoveViewer(int32_t viewer) {
  for (TBucket& bucket : FBuckets)
    for (TEntry* e = bucket.First; e;) {
      TEntry* next = e->Next;
      if (e->HeldFrom > viewer) --e->HeldFrom;
      if (e->HeldTo > viewer) --e->HeldTo;
      if (e->HeldFrom == e->HeldTo) {
        Unlink(e, bucket);
        FreeEntry(e);
      }
      e = next;
    }
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
  std::fill(FKeySlots.begin(), FKeySlots.end(), nullptr);
  std::fill(FIdSlots.begin(), FIdSlots.end(), nullptr);
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
  if (!FFree) {
    // Blocks grow with the tree, so a small memory stays small.
    size_t size = std::min<size_t>(kMaxBlock, size_t(4) << std::min<size_t>(FBlocks.size(), 3));
    FBlocks.push_back(std::make_unique<TEntry[]>(size));
    for (size_t i = 0; i < size; ++i) FreeEntry(&FBlocks.back()[i]);
  }
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
  LinkKey(e);
  LinkId(e);
  ++FCount;
}

void TIETokenTree::Unlink(TEntry* e, TBucket& bucket) {
  (e->Prev ? e->Prev->Next : bucket.First) = e->Next;
  (e->Next ? e->Next->Prev : bucket.Last) = e->Prev;
  --bucket.Count;
  UnlinkKey(e);
  UnlinkId(e);
  --FCount;
}

template <class F>
std::string TIETokenTree::Listing(int32_t viewer, F&& textOf) const {
  std::string text;
  for (const TBucket& bucket : FBuckets) {
    bool listed = false;
    for (TEntry* e = bucket.First; e; e = e->Next)
      if (e->HeldBy(viewer)) {
        text += textOf(*e->Token);
        listed = true;
      }
    if (listed) text += "\r\n";
  }
  return text;
}

std::string TIETokenTree::Text(int32_t viewer) const {
  return Listing(viewer, [](const TIEToken& t) { return t.Text(); });
}

std::string TIETokenTree::FactListText(int32_t viewer) const {
  return Listing(viewer, [](const TIEToken& t) { return t.FactList(); });
}

}  // namespace vettora
