#pragma once
// TJoinIndex: the join nodes a new join may share, filed by their two
// inputs (the left node and the alpha node on the right), so that adding
// a rule looks only at the joins made on the same inputs instead of every
// child of the left node. Each input pair keeps its joins in the order they
// were made, which is their order among the left node's children, so the
// first equal one found is the one a search of those children would find.

#include <cstddef>
#include <functional>
#include <unordered_map>
#include <utility>
#include <vector>

namespace vettora {

class TJoinNode;
class TReteNode;

class TJoinIndex {
 public:
  using TInputs = std::pair<const TReteNode*, const TReteNode*>;  // left, alpha

  // The joins filed on these inputs, oldest first (empty when none).
  [[nodiscard]] const std::vector<TJoinNode*>& Find(const TReteNode* left,
                                                    const TReteNode* alpha) const;
  // Files a join just made on these inputs.
  void Add(const TReteNode* left, const TReteNode* alpha, TJoinNode* join);
  // Forgets a join about to be destroyed (nothing when it is not filed).
  void Remove(const TJoinNode* join);
  void Clear();

 private:
  struct TInputsHash {
    size_t operator()(const TInputs& inputs) const {
      size_t h = std::hash<const void*>()(inputs.first);
      return h ^ (std::hash<const void*>()(inputs.second) + 0x9e3779b97f4a7c15ull + (h << 6) +
                  (h >> 2));
    }
  };

  std::unordered_map<TInputs, std::vector<TJoinNode*>, TInputsHash> FByInputs;
  std::unordered_map<const TJoinNode*, TInputs> FInputsOf;
};

}  // namespace vettora
