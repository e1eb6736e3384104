// TJoinNode: memories, key choice, the left and right activations of
// positive, negated and chained joins, and backward-chaining goals.
#include "matching/join_node.h"

#include <algorithm>

#include "knowledge/fact.h"
#include "matching/blocked_token.h"
#include "matching/messages.h"
#include "matching/network_check.h"
#include "matching/rete_network.h"
#include "matching/rule.h"
#include "matching/rule_engine.h"
#include "values/exceptions.h"
#include "values/format.h"
#include "values/value_vector.h"

namespace vettora {

namespace {

// An equality test between values rather than fact addresses: memories can
// be keyed on its values.
bool IsKeyTest(const TIEJoinTest* test) {
  return test && test->SlotTestType() == sttEquals && !test->ComparesAddress();
}

// The tokens one activation passes on, collected first so that nothing is
// passed on while a memory is being walked. The node lends out one buffer,
// so a steady stream of activations allocates none; a nested activation of
// the same node works in a fresh one.
class TOutTokens {
 public:
  explicit TOutTokens(std::vector<IReteToken>& spare) : FSpare(spare), FTokens(std::move(spare)) {
    FTokens.clear();
  }
  ~TOutTokens() {
    FTokens.clear();
    FSpare = std::move(FTokens);
  }
  TOutTokens(const TOutTokens&) = delete;
  TOutTokens& operator=(const TOutTokens&) = delete;

  void Add(IReteToken token) { FTokens.push_back(std::move(token)); }
  [[nodiscard]] const std::vector<IReteToken>& Tokens() const { return FTokens; }

 private:
  std::vector<IReteToken>& FSpare;
  std::vector<IReteToken> FTokens;
};

int32_t ExtendedHash(int32_t hash, int32_t id) {
  return int32_t(uint32_t(hash) * 8u + uint32_t(id));
}

}  // namespace

TJoinNode::TJoinNode(TReteNetwork* rete, bool negated, bool unique, int32_t bucketCount)
    : TTestNode(rete), FNegated(negated), FUnique(unique), FBucketCount(bucketCount) {}

TJoinNode::~TJoinNode() {
  if (FCheckPending) Rete()->Check().Forget(this);
  if (FRightMemory) FRightMemory->Detach(this);
}

void TJoinNode::SetBackwardChaining(const TIEPattern& pattern, TRule* rule) {
  const IFactTemplate& t = pattern.FactTemplate();
  if (!t || !t->BackwardChaining()) throw EIEException(kInvalidBackwardChaining);
  FBackward = pattern.Clone();
  // The rule's bindings of the pattern's variables are copied into the
  // pattern's own list: the node may outlive the rule when it is shared.
  FBackwardRule = rule;
  FBackwardBindings.clear();
  if (!rule) return;
  for (int32_t s = 0; s < FBackward->SlotCount(); ++s)
    for (const auto& test : FBackward->Slots(s).Tests)
      if (test->IsVariable())
        if (TBinding* b = rule->BindingOf(test->SlotValue()->Text()))
          FBackwardBindings.emplace(b->Name(),
                                    TBindingInfo(b->FactIndex(), b->SlotIndex(), b->SubIndex()));
}

void TJoinNode::ChooseHashKey() {
  FKeyChosen = true;
  FKey = nullptr;
  if (FChained) return;
  auto pick = [&](TJoinTestType type) -> int32_t {
    for (size_t i = 0; i < FJoinTests.size(); ++i)
      if (IsKeyTest(FJoinTests[i]) && FJoinTests[i]->JoinTestType() == type) return int32_t(i);
    return -1;
  };
  int32_t at = pick(tstSlot);
  if (at < 0) at = pick(tstMultiSlot);
  if (at < 0) return;
  std::rotate(FTests.begin(), FTests.begin() + at, FTests.begin() + at + 1);
  std::rotate(FJoinTests.begin(), FJoinTests.begin() + at, FJoinTests.begin() + at + 1);
  std::rotate(FCompiled.begin(), FCompiled.begin() + at, FCompiled.begin() + at + 1);
  FKey = FJoinTests.front();
}

TTokenKeyConfig TJoinNode::LeftKeyConfig() const {
  TTokenKeyConfig left;
  if (!FKey) {
    left.UseTokenHash = true;
    return left;
  }
  left.FactIndex = FKey->TokenIndex();
  left.SlotName = FKey->LeftIndex();
  left.SubIndex = FKey->LeftSubIndex();
  for (const TIEJoinTest* test : FJoinTests)
    if (test != FKey && IsKeyTest(test))
      left.More.push_back({test->TokenIndex(), test->LeftIndex(), test->LeftSubIndex()});
  return left;
}

TTokenKeyConfig TJoinNode::RightKeyConfig() const {
  TTokenKeyConfig right;
  if (!FKey) {
    right.UseTokenHash = FChained;
    return right;
  }
  right.SlotName = FKey->RightIndex();
  right.SubIndex = FKey->RightSubIndex();
  for (const TIEJoinTest* test : FJoinTests)
    if (test != FKey && IsKeyTest(test))
      right.More.push_back({0, test->RightIndex(), test->RightSubIndex()});
  return right;
}

void TJoinNode::ShareRightMemory(std::shared_ptr<TRightMemory> memory) {
  if (FRightMemory) FRightMemory->Detach(this);
  FRightMemory = std::move(memory);
  FViewer = FRightMemory->Attach(this);
  FRight = FLeft ? &FRightMemory->Tree() : nullptr;
}

std::string TJoinNode::RightMemorySignature() const {
  return FRightMemory ? FRightMemory->Signature() : std::string();
}

void TJoinNode::EnsureMemories() {
  if (FLeft) return;
  if (!FKeyChosen) ChooseHashKey();
  FLeft = std::make_unique<TIETokenTree>(FBucketCount, LeftKeyConfig());
  if (!FRightMemory)
    ShareRightMemory(std::make_shared<TRightMemory>(FBucketCount, RightKeyConfig()));
  FRight = &FRightMemory->Tree();
}

// The keys under which a left token's matches are filed in the right memory.
TTokenKeys TJoinNode::LeftKeys(const TIEToken& left) const {
  TTokenKeys keys;
  if (FChained) {
    keys.Key = keys.Probe = ExtendedHash(left.Hash(), Rete()->Engine()->NotOrTestFact()->ID());
    return keys;
  }
  return FLeft->KeysOf(left);
}

// The keys under which a right token's matches are filed in the left memory.
TTokenKeys TJoinNode::RightKeys(const TIEToken& right) const {
  TTokenKeys keys;
  if (FChained) {
    keys.Key = keys.Probe = right.Parent() ? right.Parent()->Hash() : 0;
    return keys;
  }
  return FRight->KeysOf(right);
}

template <class F>
void TJoinNode::Probe(const TIETokenTree& memory, const TTokenKeys& keys, F&& visit,
                      int32_t viewer) const {
  if (!FKey && !FChained) {
    memory.ForEach(visit, viewer);
  } else if (keys.Inexact || FInexactSeen) {
    memory.ForEachInBucket(memory.BucketIndex(keys.Key), visit, viewer);
  } else {
    memory.ForEachWithKey(keys.Probe, visit, viewer);
  }
}

bool TJoinNode::RightMatches(const IReteToken& left, const IReteToken& right) {
  if (FChained) return right->Parent() && right->Parent()->Equals(*left);
  return TestsPass(left, right->Fact());
}

void TJoinNode::Activate(const IReteToken& token, TCallType callType) {
  if (callType != ctLeft && callType != ctRight)
    throw EIEException(FormatMessage(kInvalidCallType, {CallTypeName(callType)}));
  FMatchCount = 0;
  if (token->Tag() == taClear) {
    if (FLeft) {
      FLeft->Clear();
      FRight->Clear();
    }
    PassOn(token);
    return;
  }
  EnsureMemories();
  if constexpr (kCheckNetwork)
    if (FNegated) Rete()->Check().Touched(this);
  if (callType == ctLeft)
    LeftActivate(token);
  else
    RightActivate(token);
}

void TJoinNode::LeftActivate(const IReteToken& token) {
  if (token->Tag() == taRemove) {
    if (FNegated)
      RemoveNegatedLeft(token);
    else if (TTokenKeys keys = FLeft->KeysOf(*token); FLeft->Take(*token, keys))
      JoinLeft(token, true, keys);
    return;
  }
  // A negated join records its blocker in a copy of its own; other joins
  // never change a token, so they keep the token itself.
  IReteToken stored = FNegated ? IReteToken(MakeRef<TBlockedToken>(*token)) : token;
  TTokenKeys keys = FLeft->KeysOf(*stored);
  if (!FLeft->Add(stored, keys)) return;
  if (FNegated)
    AddNegatedLeft(stored);
  else
    JoinLeft(stored, false, keys);
  if (FBackward && FMatchCount == 0 && FBackward->Name().rfind(kGoalPrefix, 0) != 0)
    ConsiderGoal(stored);
}

void TJoinNode::RightActivate(const IReteToken& token) {
  TTokenKeys keys = FRightMemory->KeysOf(token);
  if (token->Tag() == taRemove) {
    IReteToken stored = FRight->Take(*token, keys, FViewer);
    if (!stored) return;
    if (FNegated)
      JoinRightNegated(token, stored, keys);
    else
      JoinRight(token, keys);
    return;
  }
  if (!FRight->Add(token, keys, FViewer)) return;
  if (FNegated)
    JoinRightNegated(token, token, keys);
  else
    JoinRight(token, keys);
}

// `own`: the token's keys in its memory, which are also the keys its
// matches are probed with unless the join is chained.
void TJoinNode::JoinLeft(const IReteToken& left, bool removal, const TTokenKeys& own) {
  TOutTokens out(FSpareOut);
  TTokenKeys keys = FChained ? LeftKeys(*left) : own;
  if (keys.Inexact && !removal) FInexactSeen = true;
  bool done = false;
  Probe(
      *FRight, keys,
      [&](const IReteToken& right) {
        if (done || !RightMatches(left, right)) return;
        IReteToken joined = TIEToken::Extend(left, right->Fact());
        joined->SetStrength(std::min(left->Strength(), right->Strength()));
        if (!removal) ++FMatchCount;
        out.Add(std::move(joined));
        if (FUnique && !removal) done = true;
      },
      FViewer);
  for (const IReteToken& t : out.Tokens()) PassOn(t);
}

void TJoinNode::JoinRight(const IReteToken& right, const TTokenKeys& own) {
  TTokenKeys keys = FChained ? RightKeys(*right) : own;
  if (keys.Inexact && right->Tag() != taRemove) FInexactSeen = true;
  TOutTokens out(FSpareOut);
  Probe(*FLeft, keys, [&](const IReteToken& left) {
    if (!RightMatches(left, right)) return;
    IReteToken joined = TIEToken::Extend(left, right->Fact());
    joined->SetTag(right->Tag());
    joined->SetStrength(std::min(left->Strength(), right->Strength()));
    out.Add(std::move(joined));
  });
  for (const IReteToken& t : out.Tokens()) PassOn(t);
}

template <class F>
bool TJoinNode::FindNewestFirst(const TIETokenTree& memory, const TTokenKeys& keys,
                                F&& visit) const {
  if (!FKey && !FChained) return memory.FindNewestFirst(visit);
  if (keys.Inexact || FInexactSeen)
    return memory.FindInBucketNewestFirst(memory.BucketIndex(keys.Key), visit);
  return memory.FindWithKeyNewestFirst(keys.Probe, visit);
}

bool TJoinNode::FindBlocker(const IReteToken& left) {
  auto& blocked = static_cast<TBlockedToken&>(*left);
  TBlockerSearch last = blocked.Search();
  blocked.ClearBlocker();
  if (FRight->Count() == 0) return false;
  TTokenKeys keys = LeftKeys(*left);
  if (keys.Inexact) FInexactSeen = true;
  // A bucket holds tokens of other keys that a keyed search never tested.
  if (FInexactSeen) last.SearchedUpTo = 0;
  if ((FKey || FChained) && !FInexactSeen) return FindKeyedBlocker(left, last, keys);
  // A search of the whole memory visits it bucket by bucket, so what it
  // tested depends on the buckets as well as on the numbers.
  bool wholeMemory = !FKey && !FChained;
  auto bucketOf = [&](const TIETokenTree::TEntry& e) {
    return wholeMemory ? FRight->BucketIndex(e.Key) : -1;
  };
  // Tokens this join has not filed yet were not searched: the run of
  // searched tokens ends below the oldest of them met above the blocker.
  uint64_t searched = FRight->LastSequence();
  return FindNewestFirst(*FRight, keys, [&](const TIETokenTree::TEntry& e) {
    if (!e.HeldBy(FViewer)) {
      if (e.HeldTo <= FViewer) searched = std::min(searched, e.Sequence - 1);
      return false;
    }
    int32_t bucket = bucketOf(e);
    if (last.TriedInVain(e.Sequence, bucket) || !RightMatches(left, e.Token)) return false;
    blocked.SetBlocker(e.Token, {e.Sequence, searched, std::max(bucket, 0), false});
    return true;
  });
}

// The tokens of the probe key, oldest first; those below the blocker were
// tested in vain, up to the first one this join has not filed yet.
bool TJoinNode::FindKeyedBlocker(const IReteToken& left, const TBlockerSearch& last,
                                 const TTokenKeys& keys) {
  auto& blocked = static_cast<TBlockedToken&>(*left);
  uint64_t unfiled = FRight->LastSequence() + 1;
  return FRight->FindWithKeyOldestFirst(keys.Probe, [&](const TIETokenTree::TEntry& e) {
    if (!e.HeldBy(FViewer)) {
      if (e.HeldTo <= FViewer) unfiled = std::min(unfiled, e.Sequence);
      return false;
    }
    if (last.TriedInVain(e.Sequence, -1) || !RightMatches(left, e.Token)) return false;
    blocked.SetBlocker(e.Token, {e.Sequence, std::min(e.Sequence, unfiled) - 1, 0, true});
    return true;
  });
}

void TJoinNode::AddNegatedLeft(const IReteToken& left) {
  if (FindBlocker(left)) return;
  ++FMatchCount;
  PassOn(TIEToken::Extend(left, Rete()->Engine()->NotOrTestFact()));
}

// What the join passed on for a partial match leaves with it; a blocked
// match passed nothing on.
void TJoinNode::RemoveNegatedLeft(const IReteToken& left) {
  IReteToken stored = FLeft->Take(*left);
  if (!stored || static_cast<const TBlockedToken&>(*stored).Blocker()) return;
  PassOn(TIEToken::Extend(left, Rete()->Engine()->NotOrTestFact()));
}

// An arriving right token blocks the unblocked partial matches it matches
// and retracts what they passed on; a leaving one sends the matches it
// blocked looking for another blocker, and passes on those that find none.
// Both follow the left memory's order, as the agenda sees it.
void TJoinNode::JoinRightNegated(const IReteToken& right, const IReteToken& stored,
                                 const TTokenKeys& own) {
  const IFact& placeholder = Rete()->Engine()->NotOrTestFact();
  bool adding = right->Tag() != taRemove;
  TTokenKeys keys = FChained ? RightKeys(*right) : own;
  if (keys.Inexact && adding) FInexactSeen = true;
  // An arriving blocker was found without a search: nothing is known to
  // have been tested in vain.
  TBlockerSearch arrival{FRight->LastFiled(), 0, 0, false};
  TOutTokens out(FSpareOut);
  Probe(*FLeft, keys, [&](const IReteToken& left) {
    auto& blocked = static_cast<TBlockedToken&>(*left);
    if (adding) {
      if (blocked.Blocker() || !RightMatches(left, right)) return;
      blocked.SetBlocker(stored, arrival);
      IReteToken retract = TIEToken::Extend(left, placeholder);
      retract->SetTag(taRemove);
      out.Add(std::move(retract));
    } else if (blocked.Blocker() == stored && !FindBlocker(left)) {
      out.Add(TIEToken::Extend(left, placeholder));
    }
  });
  for (const IReteToken& t : out.Tokens()) PassOn(t);
}

void TJoinNode::CountBlockers() {
  if (!FNegated || !FLeft) return;
  FLeft->ForEach([&](const IReteToken& left) {
    int32_t count = 0;
    Probe(
        *FRight, LeftKeys(*left),
        [&](const IReteToken& right) {
          if (RightMatches(left, right)) ++count;
        },
        FViewer);
    left->SetNegatedCount(count);
  });
}

IIEValue TJoinNode::GoalValue(const TIEPatternMatchTest& test, const IReteToken& left) const {
  const IIEValue& value = test.SlotValue();
  if (!test.IsVariable()) return value;
  auto it = FBackwardBindings.find(value->Text());
  if (it == FBackwardBindings.end()) return NilValue();
  const TBindingInfo& b = it->second;
  if (b.FactIndex() < 0 || b.FactIndex() >= left->Count()) return NilValue();
  const IFact& fact = left->FactAt(b.FactIndex());
  if (!fact) return NilValue();
  if (b.IsPattern()) return MakeRef<TIEValue>(fact->ID(), dtFactId);
  IIEValue slot;
  if (!fact->FindSlotValue(b.SlotIndex(), slot) || !slot) return NilValue();
  const TIEValue* element = ElementOf(slot.Get(), b.SubIndex());
  return element ? IIEValue(const_cast<TIEValue*>(element)) : NilValue();
}

// Builds the goal fact "need-<pattern>" from the pattern's equality tests
// and queues it for assertion.
void TJoinNode::ConsiderGoal(const IReteToken& left) {
  IRuleEngine* engine = Rete()->Engine();
  std::string name = kGoalPrefix + FBackward->Name();
  IFactTemplate t = engine->FindTemplate(name);
  if (!t) t = engine->FindOrCreateTemplate(name);
  IFact goal = t->CreateFact();
  for (int32_t s = 0; s < FBackward->SlotCount(); ++s) {
    const TIEPattern::TPatternSlot& slot = FBackward->Slots(s);
    TFactSlot* target = t->FindSlot(slot.Name);
    if (slot.Tests.empty() || !target) continue;
    if (!target->IsMultiSlot()) {
      IIEValue value = NilValue();
      for (const auto& test : slot.Tests)
        if (test->SlotTestType() == sttEquals) {
          value = GoalValue(*test, left);
          break;
        }
      goal->SetSlotValue(slot.Name, value);
      continue;
    }
    IValueVector list = MakeRef<TValueVector>();
    for (const auto& test : slot.Tests) {
      if (test->SlotTestType() != sttEquals) continue;
      int32_t at = std::max(test->MultiSlotSubIndex(), 0);
      while (list->Count() <= at) list->Add(nullptr);
      list->SetItems(at, GoalValue(*test, left));
    }
    for (int32_t i = 0; i < list->Count(); ++i)
      if (!list->Items(i)) list->SetItems(i, NilValue());
    goal->SetSlotValue(slot.Name, MakeList(list));
  }
  engine->QueueGoalFact(goal);
}

std::string TJoinNode::Text() const {
  // The counts are derived from the memories; refreshing them changes
  // nothing the node matches on.
  const_cast<TJoinNode*>(this)->CountBlockers();
  std::string text = TTestNode::Text();
  if (FNegated) text += " *NEGATED*";
  text += " Left Memory: " + (FLeft ? FLeft->Text() : std::string());
  text += " Right Memory: " + (FRight ? FRight->Text(FViewer) : std::string());
  return text;
}

}  // namespace vettora
