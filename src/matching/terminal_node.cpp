// TPatternMatchTerminalNode: making, finding and removing activations.
#include "matching/terminal_node.h"

#include <bit>

#include "matching/activation.h"
#include "matching/rete_network.h"
#include "matching/rule.h"

namespace vettora {

namespace {

uint64_t IdentityOf(const TIEToken& token) {
  return (uint64_t(uint32_t(token.Hash())) << 32) | uint32_t(token.LastFactId());
}

}  // namespace

TPatternMatchTerminalNode::TPatternMatchTerminalNode(TReteNetwork* rete, TRule* rule)
    : TReteNode(rete), FRule(rule) {}

TPatternMatchTerminalNode::~TPatternMatchTerminalNode() { DetachAll(); }

std::vector<TActivation*> TPatternMatchTerminalNode::Activations() const {
  std::vector<TActivation*> list;
  list.reserve(size_t(FCount));
  for (TActivation* a = FFirst; a; a = a->FNext) list.push_back(a);
  return list;
}

bool TPatternMatchTerminalNode::Lists(const TActivation* activation) const {
  for (TActivation* a = FFirst; a; a = a->FNext)
    if (a == activation) return true;
  return false;
}

void TPatternMatchTerminalNode::Link(TActivation* a) {
  a->FPrev = FLast;
  a->FNext = nullptr;
  (FLast ? FLast->FNext : FFirst) = a;
  FLast = a;
  a->FSequence = ++FSequence;
  a->FListed = true;
  ++FCount;
  if (FSlotCount > 0 && uint32_t(FCount) <= FSlotCount)
    Index(a);
  else if (FCount > kUnindexedActivations)
    BuildIndex(FSlotCount > 0 ? 2 * FSlotCount : 4 * kUnindexedActivations);
}

size_t TPatternMatchTerminalNode::SlotOf(uint64_t identity) const {
  // Fibonacci hashing spreads consecutive fact IDs over the whole table.
  return size_t((identity * 0x9E3779B97F4A7C15ull) >> FSlotShift);
}

void TPatternMatchTerminalNode::BuildIndex(uint32_t slots) {
  FSlots = std::make_unique<TActivation*[]>(slots);  // all null
  FSlotCount = slots;
  FSlotShift = uint32_t(64 - std::countr_zero(slots));
  for (TActivation* a = FFirst; a; a = a->FNext) Index(a);
}

void TPatternMatchTerminalNode::Index(TActivation* a) {
  a->FIdentity = IdentityOf(*a->Token());
  TActivation*& slot = FSlots[SlotOf(a->FIdentity)];
  a->FSamePrev = nullptr;
  a->FSameNext = slot;
  if (slot) slot->FSamePrev = a;
  slot = a;
}

void TPatternMatchTerminalNode::Unlink(TActivation* a) {
  if (!a->FListed) return;
  (a->FPrev ? a->FPrev->FNext : FFirst) = a->FNext;
  (a->FNext ? a->FNext->FPrev : FLast) = a->FPrev;
  if (FSlotCount > 0) {
    (a->FSamePrev ? a->FSamePrev->FSameNext : FSlots[SlotOf(a->FIdentity)]) = a->FSameNext;
    if (a->FSameNext) a->FSameNext->FSamePrev = a->FSamePrev;
  }
  a->FPrev = a->FNext = a->FSamePrev = a->FSameNext = nullptr;
  a->FListed = false;
  if (--FCount == 0) {
    FSlots.reset();
    FSlotCount = 0;
  }
}

// The oldest activation of an equal token.
TActivation* TPatternMatchTerminalNode::FindEqual(const TIEToken& token) const {
  uint64_t identity = IdentityOf(token);
  if (FSlotCount == 0) {
    for (TActivation* a = FFirst; a; a = a->FNext)
      if (IdentityOf(*a->Token()) == identity && a->Token()->Equals(token)) return a;
    return nullptr;
  }
  TActivation* found = nullptr;
  for (TActivation* a = FSlots[SlotOf(identity)]; a; a = a->FSameNext)
    if (a->FIdentity == identity && (!found || a->FSequence < found->FSequence) &&
        a->Token()->Equals(token))
      found = a;
  return found;
}

void TPatternMatchTerminalNode::RemoveOne(TActivation* activation) {
  Unlink(activation);
  Rete()->ActivationRemoved(*activation);
}

void TPatternMatchTerminalNode::Activate(const IReteToken& token, TCallType) {
  switch (token->Tag()) {
    case taClear:
      RemoveAllActivations();
      return;
    case taRemove:
      if (TActivation* a = FindEqual(*token)) RemoveOne(a);
      return;
    case taUpdate:
      if (FInitialized) return;
      break;
    case taAdd:
      break;
  }
  if (!FRule->Enabled() || (FRule->OneShot() && FRule->Fired())) return;
  auto activation = std::make_unique<TActivation>(FRule, token->Strength(), this, token);
  Link(activation.get());
  Rete()->ActivationCreated(std::move(activation));
}

void TPatternMatchTerminalNode::RemoveAllActivations() {
  while (FLast) RemoveOne(FLast);
}

void TPatternMatchTerminalNode::DetachAll() {
  while (FLast) {
    TActivation* a = FLast;
    Unlink(a);
    a->FNode = nullptr;
  }
}

void TPatternMatchTerminalNode::Fired(TActivation& activation) {
  Unlink(&activation);
  Rete()->ActivationFired(activation);
}

void TPatternMatchTerminalNode::Destroyed(TActivation& activation) {
  Unlink(&activation);
  Rete()->ActivationDestroyed(activation);
}

std::string TPatternMatchTerminalNode::Text() const {
  return TReteNode::Text() + " Rule: " + (FRule ? FRule->RuleName() : std::string());
}

}  // namespace vettora
