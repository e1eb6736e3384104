#pragma once
// TReteNetwork: compiles rules into a directed graph of nodes and matches
// facts against them incrementally.
//
// Tokens enter at the root nodes (one per template name, plus the roots of
// test elements), pass alpha nodes that test single facts, join and test
// nodes that build partial matches, and reach one terminal node per rule,
// which makes and removes activations and hands them to the engine.
//
// A fact only visits the roots of its own template: the roots are indexed
// by template name, each name's list kept in root order. Nodes are shared
// between rules where they would be identical and counted by the rules
// that use them (found through hash indexes of the alpha nodes and of the
// joins, so that adding a rule does not search the network); each rule
// keeps the list of nodes it uses, in the order they were made or shared.
// Joins below one pattern node that file right tokens alike share their
// right memory (TRightMemoryIndex), so each fact is stored there once.

#include <cstdint>
#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

#include "matching/alpha_index.h"
#include "matching/join_index.h"
#include "matching/network_check.h"
#include "matching/pattern_match_node.h"
#include "matching/rete_node.h"
#include "matching/right_memory.h"
#include "values/graph.h"

namespace vettora {

class IRuleEngine;
class TActivation;
class TIEPattern;
class TJoinNode;
class TPatternMatchTerminalNode;
class TRule;
class TTestNode;

class TReteNetwork : public TGGraph {
 public:
  using TActivationEvent = std::function<void(TObject& sender, TActivation& activation)>;

  // One line of the network's tree view: its depth below a root and its
  // label (a root's text, or a child's call type name and text).
  struct TTreeItem {
    int32_t Depth;
    std::string Label;
  };

  TReteNetwork(TComponent* owner, IRuleEngine* engine);
  ~TReteNetwork() override;

  [[nodiscard]] std::string ClassName() const override { return "TReteNetwork"; }

  // ---- Published properties.
  [[nodiscard]] bool Enabled() const { return FEnabled; }
  // Setting false discards the whole compiled network.
  void SetEnabled(bool enabled);
  [[nodiscard]] IRuleEngine* Engine() const { return FEngine; }
  // The bucket count of every join memory made from now on (default 101).
  [[nodiscard]] int32_t HashKey() const { return FHashKey; }
  // At least 1 ("Token memory needs at least one bucket (%d)").
  void SetHashKey(int32_t buckets);
  // Fuzzy matches below this degree are dropped.
  [[nodiscard]] float MinActivationStrength() const { return FMinActivationStrength; }
  void SetMinActivationStrength(float strength) { FMinActivationStrength = strength; }
  [[nodiscard]] const TActivationEvent& OnActivation() const { return FOnActivation; }
  void SetOnActivation(TActivationEvent handler) { FOnActivation = std::move(handler); }
  [[nodiscard]] const TActivationEvent& OnDeactivation() const { return FOnDeactivation; }
  void SetOnDeactivation(TActivationEvent handler) { FOnDeactivation = std::move(handler); }
  [[nodiscard]] const TActivationEvent& OnRuleFired() const { return FOnRuleFired; }
  void SetOnRuleFired(TActivationEvent handler) { FOnRuleFired = std::move(handler); }

  // ---- Rules.
  // Compiles the rule (after removing an earlier compilation of it) and
  // brings it up to date with the fact list. Does nothing while disabled.
  // An error leaves none of the rule's nodes behind.
  void AddRule(TRule& rule);
  // Releases the rule's nodes, last made first; a node no rule uses any
  // more is destroyed (a terminal node with its activations).
  void RemoveRule(TRule& rule);
  // How many rules have left the network so far: a firing compares it
  // before and after its actions to know whether its rule may be gone.
  [[nodiscard]] uint64_t RulesRemoved() const { return FRulesRemoved; }
  [[nodiscard]] bool HasRule(const TRule& rule) const { return FRules.count(&rule) != 0; }
  // The nodes the rule uses, in the order they were made or shared; null
  // when the rule is not compiled.
  [[nodiscard]] const std::vector<TReteNode*>* RuleNodes(const TRule& rule) const;
  [[nodiscard]] TPatternMatchTerminalNode* TerminalOf(const TRule& rule) const;

  // ---- Matching.
  // Passes an assertion (taAdd), retraction (taRemove) or clearing token
  // to the roots, in root order; add and update tokens are ignored while
  // disabled. Answers whether a root passed it on.
  bool Propagate(const IReteToken& token);

  // ---- Inspection.
  [[nodiscard]] int32_t RootCount() const { return int32_t(FRoots.size()); }
  [[nodiscard]] TPatternMatchNode* Roots(int32_t i) const { return FRoots.at(size_t(i)); }
  // One item per node reached from each root, depth first, children in
  // edge order.
  [[nodiscard]] std::vector<TTreeItem> TreeItems() const;

  // The invariant checks of a checking build.
  [[nodiscard]] TNetworkCheck& Check() { return FCheck; }

  // ---- Called by terminal nodes and activations.
  void ActivationCreated(std::unique_ptr<TActivation> activation);
  void ActivationRemoved(TActivation& activation);
  void ActivationFired(TActivation& activation);
  void ActivationDestroyed(TActivation& activation);

 private:
  struct TRuleEntry {
    std::vector<TReteNode*> Nodes;  // made or shared, in order
    std::vector<TReteNode*> Roots;  // one per pattern, in pattern order
    TPatternMatchTerminalNode* Terminal = nullptr;
    uint64_t Sequence = 0;  // compilations so far, when this one began
  };
  struct TCompilation;

  // Compilation steps (rete_compile.cpp).
  void CompileAlpha(TCompilation& c);
  void CompileIntraPattern(TCompilation& c);
  TReteNode* CompileBeta(TCompilation& c);
  void CompileJoinTests(TCompilation& c, int32_t position, TTestNode& node);
  TReteNode* LinkJoin(TCompilation& c, int32_t position, TReteNode* left,
                      std::unique_ptr<TTestNode> fresh);
  void BringUpToDate(TRuleEntry& entry);
  TPatternMatchNode* FindOrMakeRoot(TCompilation& c, TPatternMatchTest test, const IIEValue& value);
  TPatternMatchNode* FindOrMakeAlpha(TCompilation& c, TReteNode* previous, TPatternMatchTest test,
                                     const IIEValue& value, TNodeArgsArray args);
  [[nodiscard]] TJoinNode* FindSharedJoin(TReteNode* left, TReteNode* alpha,
                                          const TTestNode& fresh) const;
  // A join that is not negated, not backward chained and without calls.
  [[nodiscard]] static bool Shareable(const TJoinNode& join);
  void Record(TCompilation& c, TReteNode* node, const char* mark);

  void DestroyNode(TReteNode* node);
  void Discard();

  IRuleEngine* FEngine;  // not owned
  bool FEnabled = true;
  int32_t FHashKey = 101;
  float FMinActivationStrength = 0.0f;
  TActivationEvent FOnActivation;
  TActivationEvent FOnDeactivation;
  TActivationEvent FOnRuleFired;
  uint64_t FRulesRemoved = 0;
  std::vector<TPatternMatchNode*> FRoots;
  std::unordered_map<std::string, std::vector<TPatternMatchNode*>> FRootsByName;
  std::unordered_map<const TRule*, TRuleEntry> FRules;
  uint64_t FCompilations = 0;
  TAlphaIndex FAlphaIndex;  // the alpha nodes below roots and alpha nodes
  TJoinIndex FJoinIndex;    // the joins that may be shared, by their inputs
  TRightMemoryIndex FRightMemories;  // right memories joins share
  TNetworkCheck FCheck;
};

}  // namespace vettora
