// TRightMemory: a right memory shared by joins, and the index that finds it.
#include "matching/right_memory.h"

#include <algorithm>
#include <cstdio>

#include "matching/join_node.h"

namespace vettora {

TRightMemory::TRightMemory(int32_t bucketCount, TTokenKeyConfig config, std::string signature)
    : FBucketCount(bucketCount), FConfig(std::move(config)), FSignature(std::move(signature)) {}

int32_t TRightMemory::Attach(TJoinNode* join) {
  FJoins.push_back(join);
  return int32_t(FJoins.size()) - 1;
}

void TRightMemory::Detach(TJoinNode* join) {
  auto it = std::find(FJoins.begin(), FJoins.end(), join);
  if (it == FJoins.end()) return;
  auto viewer = int32_t(it - FJoins.begin());
  FJoins.erase(it);
  // A memory no join uses any more goes with its last join as it is.
  if (FJoins.empty()) return;
  for (size_t i = size_t(viewer); i < FJoins.size(); ++i) FJoins[i]->SetRightViewer(int32_t(i));
  if (FTree) FTree->RemoveViewer(viewer);
}

TIETokenTree& TRightMemory::Tree() {
  if (!FTree) FTree = std::make_unique<TIETokenTree>(FBucketCount, FConfig);
  return *FTree;
}

TTokenKeys TRightMemory::KeysOf(const IReteToken& token) {
  if (FJoins.size() < 2) return Tree().KeysOf(*token);  // nothing to share
  if (token != FKeyed) {
    FKeys = Tree().KeysOf(*token);
    FKeyed = token;
  }
  return FKeys;
}

namespace {

std::string PartText(int32_t factIndex, const std::string& slot, int32_t subIndex) {
  return std::to_string(factIndex) + ':' + std::to_string(subIndex) + ':' + slot + '\n';
}

}  // namespace

std::shared_ptr<TRightMemory> TRightMemoryIndex::Find(const TReteNode* alpha, int32_t bucketCount,
                                                      const TTokenKeyConfig& config) {
  char node[32];
  std::snprintf(node, sizeof node, "%p", static_cast<const void*>(alpha));
  std::string signature = std::string(node) + ' ' + std::to_string(bucketCount) + ' ' +
                          (config.UseTokenHash ? "hash\n" : "\n") +
                          PartText(config.FactIndex, config.SlotName, config.SubIndex);
  for (const TTokenKeyPart& part : config.More)
    signature += PartText(part.FactIndex, part.SlotName, part.SubIndex);
  std::weak_ptr<TRightMemory>& filed = FMemories[signature];
  std::shared_ptr<TRightMemory> memory = filed.lock();
  if (!memory) {
    memory = std::make_shared<TRightMemory>(bucketCount, config, signature);
    filed = memory;
  }
  return memory;
}

void TRightMemoryIndex::Prune(const std::string& signature) {
  auto it = FMemories.find(signature);
  if (it != FMemories.end() && it->second.expired()) FMemories.erase(it);
}

}  // namespace vettora
