// TJoinIndex: join nodes by their inputs, for sharing.
#include "matching/join_index.h"

#include <algorithm>
#include <iterator>

namespace vettora {

const std::vector<TJoinNode*>& TJoinIndex::Find(const TReteNode* left,
                                                const TReteNode* alpha) const {
  static const std::vector<TJoinNode*> kNone;
  auto it = FByInputs.find({left, alpha});
  return it == FByInputs.end() ? kNone : it->second;
}

void TJoinIndex::Add(const TReteNode* left, const TReteNode* alpha, TJoinNode* join) {
  FByInputs[{left, alpha}].push_back(join);
  FInputsOf[join] = {left, alpha};
}

void TJoinIndex::Remove(const TJoinNode* join) {
  auto inputs = FInputsOf.find(join);
  if (inputs == FInputsOf.end()) return;
  auto filed = FByInputs.find(inputs->second);
  std::vector<TJoinNode*>& joins = filed->second;
  // From the back: joins mostly go newest first.
  joins.erase(std::next(std::find(joins.rbegin(), joins.rend(), join)).base());
  if (joins.empty()) FByInputs.erase(filed);
  FInputsOf.erase(inputs);
}

void TJoinIndex::Clear() {
  FByInputs.clear();
  FInputsOf.clear();
}

}  // namespace vettora
