#pragma once
// TRightMemory: the right memory of the joins below one pattern node that
// file right tokens under the same keys in the same number of buckets. A
// fact the pattern node passes on is stored once for all of them; each
// join views the tokens it has filed and not yet taken out, as if the
// memory were its own (see TIETokenTree).
//
// The joins are numbered in the order they were connected to the pattern
// node, which is the order the node passes tokens to them; a join leaving
// moves those after it down by one. The tree is made when a join first
// needs it, so rules that never match cost no buckets.

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "matching/token_tree.h"

namespace vettora {

class TJoinNode;
class TReteNode;

class TRightMemory {
 public:
  TRightMemory(int32_t bucketCount, TTokenKeyConfig config, std::string signature = {});

  // Answers the join's viewer number.
  int32_t Attach(TJoinNode* join);
  void Detach(TJoinNode* join);
  [[nodiscard]] int32_t JoinCount() const { return int32_t(FJoins.size()); }
  [[nodiscard]] TIETokenTree& Tree();
  // The token's keys in the tree. The pattern node passes each token to
  // all the memory's joins in turn, so a shared memory keeps the last
  // token's keys (and the token, so that its address stays its own).
  [[nodiscard]] TTokenKeys KeysOf(const IReteToken& token);
  // What the index files the memory under; empty for a memory of one join.
  [[nodiscard]] const std::string& Signature() const { return FSignature; }

 private:
  int32_t FBucketCount;
  TTokenKeyConfig FConfig;
  std::string FSignature;
  std::unique_ptr<TIETokenTree> FTree;
  std::vector<TJoinNode*> FJoins;
  IReteToken FKeyed;  // the token whose keys FKeys holds
  TTokenKeys FKeys;
};

// The shareable right memories of a network, by pattern node, bucket count
// and keys. It holds them weakly: a memory lives as long as a join uses it.
class TRightMemoryIndex {
 public:
  [[nodiscard]] std::shared_ptr<TRightMemory> Find(const TReteNode* alpha, int32_t bucketCount,
                                                   const TTokenKeyConfig& config);
  // Forgets the memory filed under `signature` once no join uses it.
  void Prune(const std::string& signature);
  void Clear() { FMemories.clear(); }

 private:
  std::unordered_map<std::string, std::weak_ptr<TRightMemory>> FMemories;
};

}  // namespace vettora
