// TPatternMatchTerminalNode: making, finding and removing activations.
#include "matching/terminal_node.h"

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
  uint64_t identity = IdentityOf(*a->Token());
  auto found = FByIdentity.find(identity);
  if (found == FByIdentity.end()) {
    if (FSpareChain) {
      FSpareChain.key() = identity;
      FSpareChain.mapped() = TChain{};
      found = FByIdentity.insert(std::move(FSpareChain)).position;
    } else {
      found = FByIdentity.emplace(identity, TChain{}).first;
    }
  }
  TChain& chain = found->second;
  a->FSamePrev = chain.Last;
  a->FSameNext = nullptr;
  (chain.Last ? chain.Last->FSameNext : chain.First) = a;
  chain.Last = a;
  a->FSequence = ++FSequence;
  a->FListed = true;
  ++FCount;
}

void TPatternMatchTerminalNode::Unlink(TActivation* a) {
  if (!a->FListed) return;
  (a->FPrev ? a->FPrev->FNext : FFirst) = a->FNext;
  (a->FNext ? a->FNext->FPrev : FLast) = a->FPrev;
  auto it = FByIdentity.find(IdentityOf(*a->Token()));
  if (it != FByIdentity.end()) {
    (a->FSamePrev ? a->FSamePrev->FSameNext : it->second.First) = a->FSameNext;
    (a->FSameNext ? a->FSameNext->FSamePrev : it->second.Last) = a->FSamePrev;
    if (!it->second.First) FSpareChain = FByIdentity.extract(it);
  }
  a->FPrev = a->FNext = a->FSamePrev = a->FSameNext = nullptr;
  a->FListed = false;
  --FCount;
}

TActivation* TPatternMatchTerminalNode::FindEqual(const TIEToken& token) const {
  auto it = FByIdentity.find(IdentityOf(token));
  if (it == FByIdentity.end()) return nullptr;
  for (TActivation* a = it->second.First; a; a = a->FSameNext)
    if (a->Token()->Equals(token)) return a;
  return nullptr;
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
