// TReteNetwork: rule removal, propagation, activation notifications, the
// tree view, and discarding the network. Compilation is in
// rete_compile.cpp.
#include "matching/rete_network.h"

#include <algorithm>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "knowledge/fact.h"
#include "matching/activation.h"
#include "matching/inline_vector.h"
#include "matching/join_node.h"
#include "matching/messages.h"
#include "matching/rule.h"
#include "matching/rule_engine.h"
#include "matching/terminal_node.h"
#include "values/exceptions.h"
#include "values/format.h"

namespace vettora {

TReteNetwork::TReteNetwork(TComponent* owner, IRuleEngine* engine)
    : TGGraph(owner), FEngine(engine), FAlphaIndex(engine) {}

TReteNetwork::~TReteNetwork() {
  // Activations live on in the engine's agenda; they must not reach back
  // into nodes that are going away.
  for (int32_t i = 0; i < NodeCount(); ++i)
    if (auto* terminal = dynamic_cast<TPatternMatchTerminalNode*>(Nodes(i))) terminal->DetachAll();
  for (auto& [rule, entry] : FRules) const_cast<TRule*>(rule)->NetworkDetached(this);
  FRules.clear();
}

void TReteNetwork::SetHashKey(int32_t buckets) {
  if (buckets < 1) throw EIEException(FormatMessage(kTokenTreeBuckets, {buckets}));
  FHashKey = buckets;
}

void TReteNetwork::SetEnabled(bool enabled) {
  if (enabled == FEnabled) return;
  FEnabled = enabled;
  if (!enabled) Discard();
}

// The rules go last compiled first: their nodes are then the newest ones,
// which the graph takes out of its node list in constant time.
void TReteNetwork::Discard() {
  std::vector<std::pair<uint64_t, TRule*>> rules;
  rules.reserve(FRules.size());
  for (auto& [rule, entry] : FRules) rules.emplace_back(entry.Sequence, const_cast<TRule*>(rule));
  std::sort(rules.begin(), rules.end(), std::greater<>());
  // A rule a removal handler took out (or compiled again) meanwhile is left
  // to the loop below.
  for (const auto& [sequence, rule] : rules)
    if (auto it = FRules.find(rule); it != FRules.end() && it->second.Sequence == sequence)
      RemoveRule(*rule);
  while (!FRules.empty()) RemoveRule(*const_cast<TRule*>(FRules.begin()->first));
  for (int32_t i = 0; i < NodeCount(); ++i)
    if (auto* terminal = dynamic_cast<TPatternMatchTerminalNode*>(Nodes(i)))
      terminal->RemoveAllActivations();
  FRoots.clear();
  FRootsByName.clear();
  FAlphaIndex.Clear();
  FJoinIndex.Clear();
  Clear();
  FRightMemories.Clear();
}

const std::vector<TReteNode*>* TReteNetwork::RuleNodes(const TRule& rule) const {
  auto it = FRules.find(&rule);
  return it == FRules.end() ? nullptr : &it->second.Nodes;
}

TPatternMatchTerminalNode* TReteNetwork::TerminalOf(const TRule& rule) const {
  auto it = FRules.find(&rule);
  return it == FRules.end() ? nullptr : it->second.Terminal;
}

void TReteNetwork::RemoveRule(TRule& rule) {
  auto it = FRules.find(&rule);
  if (it == FRules.end()) return;
  TRuleEntry entry = std::move(it->second);
  FRules.erase(it);
  ++FRulesRemoved;
  rule.NetworkDetached(this);
  for (auto node = entry.Nodes.rbegin(); node != entry.Nodes.rend(); ++node) {
    (*node)->SetRuleUseCount((*node)->RuleUseCount() - 1);
    if ((*node)->RuleUseCount() == 0) DestroyNode(*node);
  }
}

void TReteNetwork::DestroyNode(TReteNode* node) {
  if (auto* terminal = dynamic_cast<TPatternMatchTerminalNode*>(node))
    terminal->RemoveAllActivations();
  if (auto* alpha = dynamic_cast<TPatternMatchNode*>(node)) FAlphaIndex.Remove(alpha);
  std::string rightMemory;
  if (auto* join = dynamic_cast<TJoinNode*>(node)) {
    FJoinIndex.Remove(join);
    rightMemory = join->RightMemorySignature();
  }
  if (auto* root = dynamic_cast<TPatternMatchNode*>(node); root && node->IsRoot()) {
    FRoots.erase(std::remove(FRoots.begin(), FRoots.end(), root), FRoots.end());
    auto named = FRootsByName.find(root->Value() ? root->Value()->Text() : std::string());
    if (named != FRootsByName.end()) {
      auto& list = named->second;
      list.erase(std::remove(list.begin(), list.end(), root), list.end());
      if (list.empty()) FRootsByName.erase(named);
    }
  }
  DeleteNode(node);
  if (!rightMemory.empty()) FRightMemories.Prune(rightMemory);
}

bool TReteNetwork::Propagate(const IReteToken& token) {
  TTokenAction tag = token->Tag();
  if (!FEnabled && (tag == taAdd || tag == taUpdate)) return false;
  if (tag == taClear) {
    std::vector<TPatternMatchNode*> roots = FRoots;
    for (TPatternMatchNode* root : roots) root->Activate(token, ctSingle);
    return !roots.empty();
  }
  const TFact* fact = token->Fact().Get();
  if (!fact || !fact->Template()) return false;
  auto it = FRootsByName.find(fact->Template()->Name());
  if (it == FRootsByName.end()) return false;
  std::optional<TNetworkCheckScope> check;
  if constexpr (kCheckNetwork) check.emplace(FCheck);
  // Only the class roots of the fact's template can pass it; a root made
  // for a test element (same name) never does.
  bool passed = false;
  // Taken aside: a root's successors may change the network.
  TInlineVector<TPatternMatchNode*, 16> roots(it->second.size());
  for (TPatternMatchNode* root : it->second) roots.Add(root);
  for (TPatternMatchNode* root : roots) {
    root->Activate(token, ctSingle);
    passed = passed || root->PatternMatchTest() == pmtTestClassType;
  }
  return passed;
}

void TReteNetwork::ActivationCreated(std::unique_ptr<TActivation> activation) {
  TActivation* made = activation.get();
  TPatternMatchTerminalNode* node = made->Node();
  if (FEngine) FEngine->AddActivation(std::move(activation));
  // The engine drops an activation it could not place; only a listed one
  // is still alive.
  if (FOnActivation && node->Lists(made)) FOnActivation(*this, *made);
}

void TReteNetwork::ActivationRemoved(TActivation& activation) {
  std::unique_ptr<TActivation> owned;
  if (FEngine) owned = FEngine->RemoveActivation(activation);
  if (FOnDeactivation) FOnDeactivation(*this, activation);
}

void TReteNetwork::ActivationFired(TActivation& activation) {
  if (FEngine) FEngine->ActivationFired(activation);
  if (FOnRuleFired) FOnRuleFired(*this, activation);
}

void TReteNetwork::ActivationDestroyed(TActivation& activation) {
  if (FEngine) FEngine->ActivationDestroyed(activation);
  if (FOnDeactivation) FOnDeactivation(*this, activation);
}

std::vector<TReteNetwork::TTreeItem> TReteNetwork::TreeItems() const {
  std::vector<TTreeItem> items;
  std::function<void(const TReteNode&, int32_t)> children = [&](const TReteNode& node,
                                                                int32_t depth) {
    for (int32_t i = 0; i < node.OutDegree(); ++i) {
      auto* edge = static_cast<TReteEdge*>(node.Edges(i));
      auto* child = static_cast<const TReteNode*>(edge->ToNode());
      items.push_back({depth, std::string(CallTypeName(edge->CallType())) + " " + child->Text()});
      children(*child, depth + 1);
    }
  };
  for (TPatternMatchNode* root : FRoots) {
    items.push_back({0, root->Text()});
    children(*root, 1);
  }
  return items;
}

}  // namespace vettora
