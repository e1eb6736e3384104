#pragma once
// TAlphaIndex: finds the alpha node a new pattern test can share among the
// children of a node by a hash of the test, its arguments and its value,
// so that adding a rule does not search every child. Values whose equality
// does not follow their hash (fuzzy values match by degree, function calls
// and lists compare structurally) are not indexed; a node that has such a
// child is searched child by child, as before, so the first equal child in
// edge order is always the one shared.

#include <cstddef>
#include <cstdint>
#include <unordered_map>

#include "matching/pattern_match_node.h"

namespace vettora {

class TAlphaIndex {
 public:
  // The indexed child of `previous` a node made with these would be, or
  // null; `searchChildren` is set when the children must be searched.
  [[nodiscard]] TPatternMatchNode* Find(const TReteNode* previous, TPatternMatchTest test,
                                        const IIEValue& value, const TNodeArgsArray& args,
                                        bool& searchChildren) const;
  // Files a new child of `previous`.
  void Add(const TReteNode* previous, TPatternMatchNode* node);
  // Forgets a node about to be destroyed.
  void Remove(TPatternMatchNode* node);
  void Clear();

 private:
  struct TFiled {
    const TReteNode* Previous;
    size_t Key;
    bool Indexed;
  };
  [[nodiscard]] static bool KeyOf(const TReteNode* previous, TPatternMatchTest test,
                                  const IIEValue& value, const TNodeArgsArray& args, size_t& key);

  std::unordered_multimap<size_t, TPatternMatchNode*> FByKey;
  std::unordered_map<const TReteNode*, int32_t> FUnindexedChildren;
  std::unordered_map<const TPatternMatchNode*, TFiled> FFiled;
};

}  // namespace vettora
