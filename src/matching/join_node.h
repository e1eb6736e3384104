#pragma once
// TJoinNode: a beta node joining partial matches (left input) with facts of
// one pattern (right input). Both inputs are remembered in token memories
// bucketed on the node's key -- the first equality test between whole slots
// (else between elements) -- and indexed on all its equality tests, so a
// probe visits only the tokens that agree on every compared value, in the
// order they were stored.
//
// Joins below one pattern node that key their right tokens alike share one
// right memory (TRightMemory), so a fact that many rules match is stored
// once; each join is a viewer of it.
//
// A negated join passes a partial match on, extended by the engine's
// placeholder fact, while no right fact matches it. It stops at the first
// right token that matches (the blocker) and remembers it in its stored
// copy of the partial match (TBlockedToken), so a blocked match costs
// nothing until its blocker leaves; the number of blocking facts a printed
// memory shows is counted when it is printed. The further joins of a
// multiply negated pattern (exists is two negations) take the previous
// join's output as their right input and match it to the partial match it
// extends.

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "matching/binding_info.h"
#include "matching/pattern.h"
#include "matching/right_memory.h"
#include "matching/test_node.h"
#include "matching/token_tree.h"

namespace vettora {

class TRule;
struct TBlockerSearch;

class TJoinNode : public TTestNode {
 public:
  TJoinNode(TReteNetwork* rete, bool negated, bool unique, int32_t bucketCount);
  ~TJoinNode() override;

  [[nodiscard]] std::string ClassName() const override { return "TJoinNode"; }

  [[nodiscard]] bool NegatedPattern() const { return FNegated; }
  [[nodiscard]] bool Unique() const { return FUnique; }
  [[nodiscard]] int32_t BucketCount() const { return FBucketCount; }
  [[nodiscard]] int32_t MatchCount() const { return FMatchCount; }
  // Made on first use; null before.
  [[nodiscard]] TIETokenTree* LeftMemory() const { return FLeft.get(); }
  [[nodiscard]] TIETokenTree* RightMemory() const { return FRight; }
  // Which of its right memory's viewers the join is.
  [[nodiscard]] int32_t RightViewer() const { return FViewer; }
  void SetRightViewer(int32_t viewer) { FViewer = viewer; }

  // How the right memory files its tokens (the hash key chosen).
  [[nodiscard]] TTokenKeyConfig RightKeyConfig() const;
  // Joins the given right memory, shared with other joins of the same
  // pattern node; only before the first activation. A join given none has
  // one of its own.
  void ShareRightMemory(std::shared_ptr<TRightMemory> memory);
  // What the network's index files the right memory under (empty when the
  // memory is the join's own).
  [[nodiscard]] std::string RightMemorySignature() const;

  // Marks a further join of a multiply negated pattern: its right input is
  // the previous join of the pattern.
  void SetChained(bool chained) { FChained = chained; }
  [[nodiscard]] bool Chained() const { return FChained; }

  // The pattern (copied) and rule for backward chaining; the pattern's
  // template must be a backward-chaining one ("Invalid backward chaining
  // pattern added to the node").
  void SetBackwardChaining(const TIEPattern& pattern, TRule* rule);
  [[nodiscard]] const TIEPattern* BackwardPattern() const { return FBackward.get(); }

  // Picks the hash key among the join tests (moving it to the front) and
  // fixes how both memories file their tokens. Called once the tests are in.
  void ChooseHashKey();
  // The key test, or null when the memories are keyed by token hash and
  // fact ID.
  [[nodiscard]] const TIEJoinTest* KeyTest() const { return FKey; }

  void Activate(const IReteToken& token, TCallType callType) override;

  // The first disagreement between a negated join's recorded blockers and
  // a recount of its right memory, described; empty when there is none or
  // the join is not negated. Pairs whose tests need a general call are not
  // recounted (its output or errors must not happen twice).
  [[nodiscard]] std::string BlockerFault();
  // Whether the network's check will look at the join after this change.
  [[nodiscard]] bool CheckPending() const { return FCheckPending; }
  void SetCheckPending(bool pending) { FCheckPending = pending; }

  // Adds " *NEGATED*" and the two memories' contents.
  [[nodiscard]] std::string Text() const override;

 private:
  void EnsureMemories();
  [[nodiscard]] TTokenKeyConfig LeftKeyConfig() const;
  void LeftActivate(const IReteToken& token);
  void RightActivate(const IReteToken& token);
  // Joins a stored (adding) or removed left token with the right memory.
  // `own`: the token's keys in its own memory, computed once by the caller.
  void JoinLeft(const IReteToken& left, bool removal, const TTokenKeys& own);
  void JoinRight(const IReteToken& right, const TTokenKeys& own);
  // The negated join's side: a new or removed partial match, and a right
  // token arriving or leaving (`stored` is the one the memory held).
  void AddNegatedLeft(const IReteToken& left);
  void RemoveNegatedLeft(const IReteToken& left);
  void JoinRightNegated(const IReteToken& right, const IReteToken& stored, const TTokenKeys& own);
  // Looks for a right token blocking a stored partial match, skipping
  // those its last search found in vain, and records it (see
  // TBlockerSearch for the orders searched).
  bool FindBlocker(const IReteToken& left);
  bool FindKeyedBlocker(const IReteToken& left, const TBlockerSearch& last, const TTokenKeys& keys);
  // Sets each stored partial match's count of blocking right tokens.
  void CountBlockers();
  // The right fact a right token contributes, and whether it matches the
  // partial match.
  [[nodiscard]] bool RightMatches(const IReteToken& left, const IReteToken& right);
  // As RightMatches without a general call: false when that is needed.
  [[nodiscard]] bool RightMatchesQuietly(const IReteToken& left, const IReteToken& right,
                                         bool& matches) const;
  // The fault of one stored partial match, or empty.
  [[nodiscard]] std::string BlockerFaultOf(const IReteToken& left) const;
  // Visits the tokens of `memory` that may match a token of these keys
  // (the viewer's, in the right memory).
  template <class F>
  void Probe(const TIETokenTree& memory, const TTokenKeys& keys, F&& visit,
             int32_t viewer = 0) const;
  template <class F>
  bool FindNewestFirst(const TIETokenTree& memory, const TTokenKeys& keys, F&& visit) const;
  // The keys a left token's matches are filed under in the right memory,
  // and a right token's in the left one.
  [[nodiscard]] TTokenKeys LeftKeys(const TIEToken& left) const;
  [[nodiscard]] TTokenKeys RightKeys(const TIEToken& right) const;
  void ConsiderGoal(const IReteToken& left);
  [[nodiscard]] IIEValue GoalValue(const TIEPatternMatchTest& test, const IReteToken& left) const;

  bool FNegated;
  bool FUnique;
  bool FChained = false;
  bool FCheckPending = false;
  int32_t FBucketCount;
  int32_t FMatchCount = 0;
  const TIEJoinTest* FKey = nullptr;
  bool FKeyChosen = false;
  // Set once a key value that may equal values filed under other keys
  // (a fuzzy value, or a list holding one) entered a memory; probes then
  // visit whole buckets as the memories' layout has them.
  bool FInexactSeen = false;
  std::unique_ptr<TIETokenTree> FLeft;
  std::shared_ptr<TRightMemory> FRightMemory;
  TIETokenTree* FRight = nullptr;  // FRightMemory's tree, once made
  int32_t FViewer = 0;
  std::vector<IReteToken> FSpareOut;  // the buffer activations collect into
  std::unique_ptr<TIEPattern> FBackward;
  TRule* FBackwardRule = nullptr;  // not owned; only read while attaching
  std::unordered_map<std::string, TBindingInfo> FBackwardBindings;
};

}  // namespace vettora
