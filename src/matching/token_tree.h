#pragma once
// TIETokenTree: a join node's memory of tokens, hashed into a fixed number
// of buckets by a key taken from each token (the token's hash, a fact's ID,
// or the hash of a slot value or of one element of it).
//
// Each bucket keeps its tokens in insertion order, and every visit of a
// bucket or of the whole memory follows that order. Two secondary indexes
// keep the hot operations off long buckets without changing any order:
// tokens by probe key, so a join probe touches only tokens with the probed
// key, and tokens by identity (hash and last fact), so Add and Remove find
// an equal token without scanning. Both are hash tables threaded through
// the entries themselves, and entries come from blocks the tree recycles,
// so filing a token allocates nothing once the tree has grown.
//
// Joins below one pattern node that key their right tokens alike share one
// memory (TRightMemory). Each such join is a viewer, numbered in the order
// the pattern node passes tokens to them, and sees exactly the tokens it
// has filed and not yet taken out. Since every token reaches the viewers
// in their order, the viewers holding a token form a range, kept in its
// entry; a token is stored once however many joins hold it. A memory of
// one join has the single viewer 0.

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "matching/slot_ref.h"
#include "matching/token.h"

namespace vettora {

// A value of a token a memory keys on: the slot of the fact at FactIndex,
// or with a SubIndex that element of the slot's multifield.
struct TTokenKeyPart {
  int32_t FactIndex = 0;
  std::string SlotName;
  int32_t SubIndex = -1;
};

// Which key a memory files its tokens under, in this order of precedence:
// the token's hash; the ID of the fact at FactIndex when no slot is named;
// the value hash of that fact's slot; with a SubIndex, the value hash of
// that element of the slot's multifield. The key alone places a token in
// its bucket, so it fixes the printed layout. The values of a join's
// further equality tests (More) are combined with it into the probe key,
// under which probes find the tokens that agree on all of them.
struct TTokenKeyConfig {
  bool UseTokenHash = false;
  int32_t FactIndex = 0;
  std::string SlotName;
  int32_t SubIndex = -1;
  std::vector<TTokenKeyPart> More;
};

// A token's keys under a memory's configuration.
struct TTokenKeys {
  int32_t Key = 0;    // its bucket's key
  int32_t Probe = 0;  // the key combined with the further parts
  // Some value may equal values of other hashes (a fuzzy value, or a list
  // holding one): a probe must then visit the whole bucket of Key.
  bool Inexact = false;
};

class TIETokenTree {
 public:
  // One stored token and its links; owned by the tree.
  struct TEntry {
    IReteToken Token;
    int32_t Key = 0;         // the bucket's key
    int32_t Probe = 0;       // the probe key
    uint64_t Identity = 0;   // hash and last fact ID when filed
    uint64_t Sequence = 0;   // insertion order, for ties within a bucket
    TEntry* Prev = nullptr;  // bucket order
    TEntry* Next = nullptr;
    TEntry* KeyPrev = nullptr;  // tokens of the same probe key, in insertion order
    TEntry* KeyNext = nullptr;
    TEntry* IdNext = nullptr;  // tokens in the same slot of the identity table
    // Kept by the first token of a probe key: the first token of the next
    // key in the same slot of the key table, and its own key's last token.
    TEntry* HeadNext = nullptr;
    TEntry* ChainLast = nullptr;
    // The viewers holding the token: HeldFrom up to but not including HeldTo.
    int32_t HeldFrom = 0;
    int32_t HeldTo = 1;

    [[nodiscard]] bool HeldBy(int32_t viewer) const {
      return HeldFrom <= viewer && viewer < HeldTo;
    }
  };

  // A bucket: absent until first written, then a list (possibly empty).
  struct TBucket {
    bool Exists = false;
    int32_t Count = 0;
    TEntry* First = nullptr;
    TEntry* Last = nullptr;
  };

  // `bucketCount` must be at least 1.
  TIETokenTree(int32_t bucketCount, TTokenKeyConfig config);
  ~TIETokenTree();
  TIETokenTree(const TIETokenTree&) = delete;
  TIETokenTree& operator=(const TIETokenTree&) = delete;

  [[nodiscard]] int32_t BucketCount() const { return int32_t(FBuckets.size()); }
  [[nodiscard]] const TTokenKeyConfig& KeyConfig() const { return FConfig; }
  // The lowest and highest bucket written since the last clear (initially
  // bucket count + 1 and -1).
  [[nodiscard]] int32_t LowIndex() const { return FLow; }
  [[nodiscard]] int32_t HighIndex() const { return FHigh; }
  // Set by Clear (and at creation), cleared by the first successful Add;
  // removals leave it alone.
  [[nodiscard]] bool Empty() const { return FEmpty; }
  // Tokens currently held.
  [[nodiscard]] int32_t Count() const { return FCount; }
  // When false, asking for an absent bucket creates it.
  [[nodiscard]] bool AllowNilBucket() const { return FAllowNilBucket; }
  void SetAllowNilBucket(bool allow) { FAllowNilBucket = allow; }

  // The keys of `token` under this memory's configuration. A missing fact,
  // slot or element keys as 0.
  [[nodiscard]] TTokenKeys KeysOf(const TIEToken& token) const;
  [[nodiscard]] int32_t KeyOf(const TIEToken& token) const { return KeysOf(token).Key; }
  // |key| mod bucket count.
  [[nodiscard]] int32_t BucketIndex(int32_t key) const;

  // Files the token unless its bucket already holds an equal one.
  bool Add(const IReteToken& token);
  // As Add and Take, with the token's keys already known (KeysOf), for
  // one viewer: an equal token the viewer does not hold yet is held from
  // now on, and a token taken out stays for the viewers still holding it.
  bool Add(const IReteToken& token, const TTokenKeys& keys, int32_t viewer = 0);
  IReteToken Take(const TIEToken& token, const TTokenKeys& keys, int32_t viewer = 0);
  // The number of the token the last successful Add filed or held.
  [[nodiscard]] uint64_t LastFiled() const { return FLastFiled; }
  // The viewer numbered `viewer` leaves; those after it move down by one.
  void RemoveViewer(int32_t viewer);
  // Takes out the first token of its bucket equal to `token`.
  bool Remove(const TIEToken& token);
  // As Remove, answering the token taken out (null when none).
  IReteToken Take(const TIEToken& token);
  // Tokens are numbered from 1 as they are filed; the newest one's number.
  [[nodiscard]] uint64_t LastSequence() const { return FSequence; }
  // Empties every bucket (the buckets stay), sets Empty, resets the range.
  void Clear();

  // The bucket at `index`, or null when absent (see AllowNilBucket).
  const TBucket* Bucket(int32_t index);

  // Visits the viewer's tokens in bucket order; `visit` may remove the
  // token it is given, but nothing else.
  template <class F>
  void ForEachInBucket(int32_t index, F&& visit, int32_t viewer = 0) const;
  // Visits the viewer's tokens filed under exactly the probe key `key`, in
  // insertion order.
  template <class F>
  void ForEachWithKey(int32_t key, F&& visit, int32_t viewer = 0) const;
  // Visits every token of the viewer, bucket by bucket from the lowest
  // written to the highest.
  template <class F>
  void ForEach(F&& visit, int32_t viewer = 0) const;

  // Newest-first visits for searches whose order shows nowhere, of every
  // entry whoever holds it: visit(entry) answers true to stop, and so does
  // the function when a visit stopped. The same three scopes as above.
  template <class F>
  bool FindInBucketNewestFirst(int32_t index, F&& visit) const;
  template <class F>
  bool FindWithKeyNewestFirst(int32_t key, F&& visit) const;
  template <class F>
  bool FindNewestFirst(F&& visit) const;
  // As FindWithKeyNewestFirst, in insertion order.
  template <class F>
  bool FindWithKeyOldestFirst(int32_t key, F&& visit) const;

  // Each token's Text, bucket by bucket, CR LF after each bucket holding
  // some of the viewer's tokens; the second form lists each token's
  // FactList instead.
  [[nodiscard]] std::string Text(int32_t viewer = 0) const;
  [[nodiscard]] std::string FactListText(int32_t viewer = 0) const;

 private:
  // A key part resolved to slot positions once per template layout.
  struct TPartRef {
    int32_t FactIndex = 0;
    TSlotRef Slot;
    int32_t SubIndex = -1;
  };
  [[nodiscard]] static int32_t PartHash(const TPartRef& part, const TIEToken& token, bool& inexact);
  [[nodiscard]] static uint64_t IdentityOf(const TIEToken& token);
  [[nodiscard]] static uint32_t CombinedProbe(uint32_t probe, uint32_t part);
  [[nodiscard]] size_t SlotOf(uint64_t hash) const;
  // The viewer's first token of the bucket equal to `token`; `pending`, when
  // given, receives the newest entry of an equal token held by the viewers
  // just before this one and by no later viewer, if it is the newest
  // entry of the memory (the viewer then holds that entry rather than
  // filing a new one, and keeps the order it would have seen alone).
  [[nodiscard]] TEntry* FindEqual(const TIEToken& token, int32_t bucket, int32_t viewer,
                                  TEntry** pending) const;
  // Ends the viewer's hold on `e`, freeing it when no viewer holds it.
  void Release(TEntry* e, int32_t viewer, TBucket& bucket);
  // Gives the viewers after `viewer` an entry of their own, next to `e`.
  void SplitAbove(TEntry* e, int32_t viewer, TBucket& bucket);
  // The first token filed under the probe key, or null.
  [[nodiscard]] TEntry* ChainHead(int32_t probe) const;
  void LinkKey(TEntry* e);
  void UnlinkKey(TEntry* e);
  void LinkId(TEntry* e);
  void UnlinkId(TEntry* e);
  // Doubles both index tables once they hold as many tokens as slots: a
  // lookup then meets one entry or two, each a likely cache miss.
  void GrowIndexes();
  TEntry* NewEntry();
  void Link(TEntry* e, TBucket& bucket);
  void Unlink(TEntry* e, TBucket& bucket);
  void FreeEntry(TEntry* e);
  template <class F>
  [[nodiscard]] std::string Listing(int32_t viewer, F&& textOf) const;

  TTokenKeyConfig FConfig;
  TPartRef FFirst;
  std::vector<TPartRef> FMore;
  std::vector<TBucket> FBuckets;
  // The index tables, of the same power-of-two size: first tokens of probe
  // keys (chained through HeadNext), and tokens by identity.
  std::vector<TEntry*> FKeySlots;
  std::vector<TEntry*> FIdSlots;
  int32_t FSlotShift = 64;
  std::vector<std::unique_ptr<TEntry[]>> FBlocks;  // where entries live
  TEntry* FFree = nullptr;                         // recycled entries, linked through Next
  uint64_t FSequence = 0;
  uint64_t FLastFiled = 0;
  int32_t FCount = 0;
  int32_t FLow;
  int32_t FHigh = -1;
  bool FEmpty = true;
  bool FAllowNilBucket = true;
};

template <class F>
void TIETokenTree::ForEachInBucket(int32_t index, F&& visit, int32_t viewer) const {
  if (index < 0 || index >= BucketCount()) return;
  for (TEntry* e = FBuckets[size_t(index)].First; e;) {
    TEntry* next = e->Next;
    if (e->HeldBy(viewer)) visit(e->Token);
    e = next;
  }
}

template <class F>
void TIETokenTree::ForEachWithKey(int32_t key, F&& visit, int32_t viewer) const {
  for (TEntry* e = ChainHead(key); e;) {
    TEntry* next = e->KeyNext;
    if (e->HeldBy(viewer)) visit(e->Token);
    e = next;
  }
}

template <class F>
void TIETokenTree::ForEach(F&& visit, int32_t viewer) const {
  for (int32_t i = FLow < 0 ? 0 : FLow; i <= FHigh && i < BucketCount(); ++i)
    ForEachInBucket(i, visit, viewer);
}

template <class F>
bool TIETokenTree::FindInBucketNewestFirst(int32_t index, F&& visit) const {
  if (index < 0 || index >= BucketCount()) return false;
  for (TEntry* e = FBuckets[size_t(index)].Last; e; e = e->Prev)
    if (visit(std::as_const(*e))) return true;
  return false;
}

template <class F>
bool TIETokenTree::FindWithKeyNewestFirst(int32_t key, F&& visit) const {
  TEntry* head = ChainHead(key);
  for (TEntry* e = head ? head->ChainLast : nullptr; e; e = e->KeyPrev)
    if (visit(std::as_const(*e))) return true;
  return false;
}

template <class F>
bool TIETokenTree::FindWithKeyOldestFirst(int32_t key, F&& visit) const {
  for (TEntry* e = ChainHead(key); e; e = e->KeyNext)
    if (visit(std::as_const(*e))) return true;
  return false;
}

template <class F>
bool TIETokenTree::FindNewestFirst(F&& visit) const {
  for (int32_t i = std::min(FHigh, BucketCount() - 1); i >= 0 && i >= FLow; --i)
    if (FindInBucketNewestFirst(i, visit)) return true;
  return false;
}

}  // namespace vettora
