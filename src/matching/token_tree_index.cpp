// TIETokenTree: the two indexes threaded through the entries -- tokens by
// probe key, in insertion order per key, and tokens by identity.
#include "matching/token_tree.h"

namespace vettora {

size_t TIETokenTree::SlotOf(uint64_t hash) const {
  // Fibonacci hashing: the top bits of the product spread nearby keys
  // (consecutive fact IDs, small integers) over the whole table.
  return size_t((hash * 0x9E3779B97F4A7C15ull) >> FSlotShift);
}

TIETokenTree::TEntry* TIETokenTree::FindEqual(const TIEToken& token, int32_t bucket,
                                              int32_t viewer, TEntry** pending) const {
  uint64_t identity = IdentityOf(token);
  // The first equal token of the bucket: the one filed earliest.
  TEntry* found = nullptr;
  for (TEntry* e = FIdSlots[SlotOf(identity)]; e; e = e->IdNext) {
    if (e->Identity != identity || BucketIndex(e->Key) != bucket || !token.Equals(*e->Token))
      continue;
    if (e->HeldBy(viewer)) {
      if (!found || e->Sequence < found->Sequence) found = e;
    } else if (pending && e->HeldTo == viewer && e->Sequence == FSequence) {
      *pending = e;
    }
  }
  return found;
}

TIETokenTree::TEntry* TIETokenTree::ChainHead(int32_t probe) const {
  for (TEntry* e = FKeySlots[SlotOf(uint32_t(probe))]; e; e = e->HeadNext)
    if (e->Probe == probe) return e;
  return nullptr;
}

void TIETokenTree::LinkKey(TEntry* e) {
  TEntry* head = ChainHead(e->Probe);
  e->KeyNext = nullptr;
  e->HeadNext = nullptr;
  e->ChainLast = nullptr;
  if (head) {
    e->KeyPrev = head->ChainLast;
    head->ChainLast->KeyNext = e;
    head->ChainLast = e;
    return;
  }
  TEntry*& slot = FKeySlots[SlotOf(uint32_t(e->Probe))];
  e->KeyPrev = nullptr;
  e->ChainLast = e;
  e->HeadNext = slot;
  slot = e;
}

void TIETokenTree::UnlinkKey(TEntry* e) {
  if (e->KeyPrev) {
    e->KeyPrev->KeyNext = e->KeyNext;
    if (e->KeyNext)
      e->KeyNext->KeyPrev = e->KeyPrev;
    else
      ChainHead(e->Probe)->ChainLast = e->KeyPrev;
    return;
  }
  // The first token of its key: the next one of the key takes its place
  // in the slot's list of keys.
  TEntry* next = e->KeyNext;
  if (next) {
    next->KeyPrev = nullptr;
    next->ChainLast = e->ChainLast;
    next->HeadNext = e->HeadNext;
  }
  TEntry** link = &FKeySlots[SlotOf(uint32_t(e->Probe))];
  while (*link != e) link = &(*link)->HeadNext;
  *link = next ? next : e->HeadNext;
}

void TIETokenTree::LinkId(TEntry* e) {
  TEntry*& slot = FIdSlots[SlotOf(e->Identity)];
  e->IdNext = slot;
  slot = e;
}

// The identity table's chains are singly linked (a slot holds one or two
// tokens), so taking one out walks its slot.
void TIETokenTree::UnlinkId(TEntry* e) {
  for (TEntry** link = &FIdSlots[SlotOf(e->Identity)]; *link; link = &(*link)->IdNext)
    if (*link == e) {
      *link = e->IdNext;
      return;
    }
}

void TIETokenTree::GrowIndexes() {
  std::vector<TEntry*> heads;
  for (TEntry* slot : FKeySlots)
    for (TEntry* e = slot; e; e = e->HeadNext) heads.push_back(e);
  std::vector<TEntry*> filed;
  for (TEntry* slot : FIdSlots)
    for (TEntry* e = slot; e; e = e->IdNext) filed.push_back(e);

  --FSlotShift;
  FKeySlots.assign(FKeySlots.size() * 2, nullptr);
  FIdSlots.assign(FIdSlots.size() * 2, nullptr);
  // Each key moves with its whole chain; only the list of keys is rebuilt.
  for (TEntry* head : heads) {
    TEntry*& slot = FKeySlots[SlotOf(uint32_t(head->Probe))];
    head->HeadNext = slot;
    slot = head;
  }
  for (TEntry* e : filed) LinkId(e);
}

}  // namespace vettora
