// TReteNetwork: compiling a rule -- alpha chains with sharing, the tests
// between slots of one pattern, the beta chain of join and test nodes, the
// terminal node, and bringing the new rule up to date with the fact list.
#include <optional>
#include <unordered_set>

#include "knowledge/fact_list.h"
#include "matching/join_node.h"
#include "matching/messages.h"
#include "matching/network_call.h"
#include "matching/rete_network.h"
#include "matching/rule.h"
#include "matching/rule_engine.h"
#include "matching/terminal_node.h"
#include "values/exceptions.h"
#include "values/format.h"
#include "values/messages.h"

namespace vettora {

struct TReteNetwork::TCompilation {
  TRule& Rule;
  TRuleEntry& Entry;
  std::vector<TReteNode*> AlphaEnd;  // per pattern
};

void TReteNetwork::Record(TCompilation& c, TReteNode* node, const char* mark) {
  c.Entry.Nodes.push_back(node);
  c.Rule.FCompilationTrace += mark;
}

void TReteNetwork::AddRule(TRule& rule) {
  if (!FEnabled) return;
  if (!FEngine) throw EIEException(kUnknownEngine);
  RemoveRule(rule);
  rule.EnsurePattern();
  TRuleEntry& entry = FRules[&rule];
  entry.Sequence = FCompilations++;
  rule.NetworkAttached(this);
  rule.FCompilationTrace = rule.RuleName() + ": ";
  TCompilation c{rule, entry, {}};
  try {
    CompileAlpha(c);
    CompileIntraPattern(c);
    TReteNode* last = CompileBeta(c);
    auto* terminal = AddNode<TPatternMatchTerminalNode>(this, &rule);
    Connect<TReteEdge>(last, terminal, ctActivate);
    entry.Terminal = terminal;
    Record(c, terminal, "+t");
    rule.FCompilationTrace.shrink_to_fit();  // kept for as long as the rule
    BringUpToDate(entry);
    terminal->SetInitialized(true);
  } catch (...) {
    RemoveRule(rule);
    throw;
  }
}

// ---- Alpha chains -----------------------------------------------------------

TPatternMatchNode* TReteNetwork::FindOrMakeRoot(TCompilation& c, TPatternMatchTest test,
                                                const IIEValue& value) {
  TNodeArgsArray args{int32_t(0), int32_t(0)};
  // A root's value is its template's name: only roots filed under that
  // name can be equal, and they are listed in the order they were made.
  auto named = FRootsByName.find(value->Text());
  if (named != FRootsByName.end())
    for (TPatternMatchNode* root : named->second)
      if (root->SameAs(test, value, args)) {
        root->AddUse();
        Record(c, root, "");  // a shared root made with a value leaves no mark
        return root;
      }
  auto* root = AddNode<TPatternMatchNode>(this, test, value, std::move(args));
  FRoots.push_back(root);
  FRootsByName[value->Text()].push_back(root);
  Record(c, root, "+1");
  return root;
}

TPatternMatchNode* TReteNetwork::FindOrMakeAlpha(TCompilation& c, TReteNode* previous,
                                                 TPatternMatchTest test, const IIEValue& value,
                                                 TNodeArgsArray args) {
  bool searchChildren = false;
  TPatternMatchNode* shared = FAlphaIndex.Find(previous, test, value, args, searchChildren);
  for (int32_t i = 0; searchChildren && !shared && i < previous->OutDegree(); ++i) {
    auto* next = dynamic_cast<TPatternMatchNode*>(previous->Edges(i)->ToNode());
    if (next && next->SameAs(test, value, args)) shared = next;
  }
  if (shared) {
    shared->AddUse();
    Record(c, shared, "=1");
    return shared;
  }
  auto* node = AddNode<TPatternMatchNode>(this, test, value, std::move(args));
  Connect<TReteEdge>(previous, node, ctSingle);
  FAlphaIndex.Add(previous, node);
  Record(c, node, "+1");
  return node;
}

void TReteNetwork::CompileAlpha(TCompilation& c) {
  for (int32_t i = 0; i < c.Rule.PatternCount(); ++i) {
    TIEPattern& pattern = *c.Rule.Patterns(i);
    IIEValue name = MakeAtom(pattern.Name());
    TReteNode* node = FindOrMakeRoot(c, pattern.IsTest() ? pmtUnknown : pmtTestClassType, name);
    c.Entry.Roots.push_back(node);
    if (!pattern.IsTest()) {
      // Splits of multifield variables, then fixed lengths, then the tests.
      for (int32_t s = 0; s < pattern.SlotCount(); ++s)
        for (const auto& test : pattern.Slots(s).Tests)
          if (test->SlotValue() && test->SlotValue()->DType() == dtMultiVariable)
            node = FindOrMakeAlpha(c, node, pmtTestMultiSlotMultiField, nullptr,
                                   {pattern.Slots(s).Name, test->MultiSlotSubIndex(), int32_t(0)});
      for (int32_t s = 0; s < pattern.SlotCount(); ++s)
        if (pattern.Slots(s).Length >= 0)
          node = FindOrMakeAlpha(c, node, pmtTestMultiSlotLength, nullptr,
                                 {pattern.Slots(s).Name, pattern.Slots(s).Length, int32_t(0)});
      for (int32_t s = 0; s < pattern.SlotCount(); ++s)
        for (const auto& test : pattern.Slots(s).Tests) {
          if (test->IsVariable() || !test->SlotValue()) continue;
          bool equal = test->SlotTestType() == sttEquals;
          bool whole = test->MultiSlotSubIndex() == -1;
          TPatternMatchTest kind = whole
                                       ? (equal ? pmtTestEqual : pmtTestNotEqual)
                                       : (equal ? pmtTestMultiSlotEqual : pmtTestMultiSlotNotEqual);
          IIEValue value = test->SlotValue();
          if (test->IsFunctionCall()) {
            TNetworkCall call = CompileNetworkCall(*FEngine, c.Rule, value, i, true);
            if (call.RefersElsewhere) continue;  // left to the join
            value = call.Call;
          }
          node = FindOrMakeAlpha(c, node, kind, value,
                                 {pattern.Slots(s).Name, test->MultiSlotSubIndex()});
        }
    }
    c.AlphaEnd.push_back(node);
  }
}

// A variable used more than once in one pattern: every later occurrence is
// compared with the first (within a multislot too, at another element).
void TReteNetwork::CompileIntraPattern(TCompilation& c) {
  struct TUse {
    std::string Name, Slot;
    int32_t Sub;
    bool Equal;
  };
  for (int32_t i = 0; i < c.Rule.PatternCount(); ++i) {
    TIEPattern& pattern = *c.Rule.Patterns(i);
    if (pattern.IsTest()) continue;
    std::vector<TUse> uses;
    for (int32_t s = 0; s < pattern.SlotCount(); ++s)
      for (const auto& test : pattern.Slots(s).Tests)
        if (test->IsVariable())
          uses.push_back({test->SlotValue()->Text(), pattern.Slots(s).Name,
                          test->MultiSlotSubIndex(), test->SlotTestType() == sttEquals});
    TReteNode* node = c.AlphaEnd[size_t(i)];
    // Each variable's first use without "~" is the one joined (or bound);
    // every other use is related to it, "~" uses as unequal, the others as
    // equal, the earlier use of each pair named first. A variable used
    // only with "~" has no such use and is joined at every use instead.
    std::unordered_set<std::string> seen;
    for (size_t a = 0; a < uses.size(); ++a) {
      if (!uses[a].Equal || !seen.insert(uses[a].Name).second) continue;
      const TUse& anchor = uses[a];
      for (size_t b = 0; b < uses.size(); ++b) {
        const TUse& other = uses[b];
        if (b == a || other.Name != anchor.Name ||
            (other.Slot == anchor.Slot && other.Sub == anchor.Sub))
          continue;
        const TUse& first = b < a ? other : anchor;
        const TUse& later = b < a ? anchor : other;
        TPatternMatchTest kind = other.Equal ? pmtTestSlotValueEqual : pmtTestSlotValueNotEqual;
        node =
            FindOrMakeAlpha(c, node, kind, nullptr, {first.Slot, later.Slot, first.Sub, later.Sub});
      }
    }
    c.AlphaEnd[size_t(i)] = node;
  }
}

// ---- Beta chain -------------------------------------------------------------

void TReteNetwork::CompileJoinTests(TCompilation& c, int32_t position, TTestNode& node) {
  TIEPattern& pattern = *c.Rule.Patterns(position);
  bool isTest = pattern.IsTest();
  std::unordered_set<std::string> seen;
  // "?f <- (...)" with ?f bound earlier: this fact's address must equal it.
  if (!pattern.BoundName().empty()) {
    TBinding* binding = c.Rule.BindingOf(pattern.BoundName());
    if (binding && binding->FactIndex() != position)
      node.AddTest(std::make_unique<TIEJoinTest>(sttEquals, binding->FactIndex(),
                                                 binding->SlotIndex(), binding->SubIndex(),
                                                 kPatternSlot, -1));
  }
  // A variable used here without "~" is joined once, at its first such use;
  // the intra-pattern tests relate its other uses to that one. A variable
  // used only with "~" is joined at every use.
  std::unordered_set<std::string> positive;
  for (int32_t s = 0; s < pattern.SlotCount(); ++s)
    for (const auto& test : pattern.Slots(s).Tests)
      if (test->IsVariable() && test->SlotTestType() == sttEquals)
        positive.insert(test->SlotValue()->Text());
  for (int32_t s = 0; s < pattern.SlotCount(); ++s) {
    const std::string& slotName = pattern.Slots(s).Name;
    for (const auto& test : pattern.Slots(s).Tests) {
      if (test->IsVariable()) {
        const std::string& name = test->SlotValue()->Text();
        bool equal = test->SlotTestType() == sttEquals;
        if (equal != (positive.count(name) > 0) || (equal && !seen.insert(name).second))
          continue;
        TBinding* binding = c.Rule.BindingOf(name);
        if (!binding) throw EIEException(FormatMessage(kCorruptedBinding, {name}));
        if (binding->FactIndex() == position) continue;
        node.AddTest(std::make_unique<TIEJoinTest>(test->SlotTestType(), binding->FactIndex(),
                                                   binding->SlotIndex(), binding->SubIndex(),
                                                   slotName, test->MultiSlotSubIndex()));
      } else if (test->IsFunctionCall()) {
        const IFactTemplate& t = pattern.FactTemplate();
        if (t && t->BackwardChaining())
          throw EIEException(FormatMessage(kBackchainedFunctionCall, {pattern.Name()}));
        TNetworkCall call =
            CompileNetworkCall(*FEngine, c.Rule, test->SlotValue(), position, false);
        if (!isTest && !call.RefersElsewhere) continue;
        auto compiled = std::make_unique<TIEPatternMatchTest>(nullptr, test->SlotTestType(),
                                                              test->MultiSlotSubIndex(), true);
        compiled->SetSlotValueShared(call.Call);
        node.AddTest(std::move(compiled));
      }
    }
  }
}

// Only joins on the same two inputs can be shared; the index lists them in
// the order they were made, that is in the left node's child order.
TJoinNode* TReteNetwork::FindSharedJoin(TReteNode* left, TReteNode* alpha,
                                        const TTestNode& fresh) const {
  const auto* mine = dynamic_cast<const TJoinNode*>(&fresh);
  if (!mine || !Shareable(*mine)) return nullptr;
  for (TJoinNode* join : FJoinIndex.Find(left, alpha))
    if (Shareable(*join) && !join->Chained() && join->Unique() == mine->Unique() &&
        join->SameTests(fresh))
      return join;
  return nullptr;
}

bool TReteNetwork::Shareable(const TJoinNode& join) {
  return !join.NegatedPattern() && !join.BackwardPattern() && !join.HasCallTests();
}

TReteNode* TReteNetwork::LinkJoin(TCompilation& c, int32_t position, TReteNode* left,
                                  std::unique_ptr<TTestNode> fresh) {
  TIEPattern& pattern = *c.Rule.Patterns(position);
  TReteNode* alpha = c.AlphaEnd[size_t(position)];
  bool backward = !pattern.IsTest() && pattern.FactTemplate() &&
                  pattern.FactTemplate()->BackwardChaining() && !pattern.Explicit();
  if (!pattern.IsTest() && pattern.NegatedCount() % 2 == 0 && !backward)
    if (TJoinNode* shared = FindSharedJoin(left, alpha, *fresh)) {
      shared->AddUse();
      Record(c, shared, "=2");
      return shared;
    }
  TTestNode* node = fresh.get();
  Adopt(std::move(fresh));
  Connect<TReteEdge>(left, node, ctLeft);
  Connect<TReteEdge>(alpha, node, ctRight);
  Record(c, node, "+2");
  if (auto* join = dynamic_cast<TJoinNode*>(node)) {
    if (backward) join->SetBackwardChaining(pattern, &c.Rule);
    join->ChooseHashKey();
    // Connected last to the pattern node, the join is also the last viewer
    // of the memory: the order the node passes right tokens in.
    join->ShareRightMemory(FRightMemories.Find(alpha, join->BucketCount(), join->RightKeyConfig()));
    if (Shareable(*join)) FJoinIndex.Add(left, alpha, join);
  }
  return node;
}

TReteNode* TReteNetwork::CompileBeta(TCompilation& c) {
  TReteNode* left = c.AlphaEnd.front();
  for (int32_t i = 1; i < c.Rule.PatternCount(); ++i) {
    TIEPattern& pattern = *c.Rule.Patterns(i);
    std::unique_ptr<TTestNode> fresh;
    if (pattern.IsTest())
      fresh = std::make_unique<TTestNode>(this);
    else
      fresh =
          std::make_unique<TJoinNode>(this, pattern.NegatedCount() > 0, pattern.Unique(), FHashKey);
    CompileJoinTests(c, i, *fresh);
    TReteNode* node = LinkJoin(c, i, left, std::move(fresh));
    // (not (not p)) and deeper: each further negation is a negated join
    // whose right input is the previous one.
    int32_t n = pattern.IsTest() ? 0 : pattern.NegatedCount();
    for (int32_t k = 1; k < n; ++k) {
      auto* extra = AddNode<TJoinNode>(this, n - k > 0, pattern.Unique(), FHashKey);
      extra->SetChained(true);
      Connect<TReteEdge>(node, extra, ctRight);
      Connect<TReteEdge>(left, extra, ctLeft);
      Record(c, extra, "+2");
      extra->ChooseHashKey();
      node = extra;
    }
    left = node;
  }
  return left;
}

// ---- Bringing a new rule up to date -----------------------------------------

// Every listed fact goes through the rule's roots again, as a removal and
// then an addition; rules sharing those roots see it too.
void TReteNetwork::BringUpToDate(TRuleEntry& entry) {
  std::optional<TNetworkCheckScope> check;
  if constexpr (kCheckNetwork) check.emplace(FCheck);
  const TFactList& facts = FEngine->RuleFactList();
  for (int32_t f = 0; f < facts.Count(); ++f) {
    IFact fact = facts.Items(f);
    IReteToken removal = MakeRef<TIEToken>(taRemove, fact);
    IReteToken addition = MakeRef<TIEToken>(taAdd, fact);
    for (TReteNode* root : entry.Roots) {
      root->Activate(removal, ctSingle);
      root->Activate(addition, ctSingle);
    }
  }
}

}  // namespace vettora
