#pragma once
// TAlphaIndex: finds the alpha node a new pattern test can share among the
// children of a node by a hash of the test, its arguments and its value,
// so that adding a rule does not search every child. Function calls are
// hashed by their name and arguments, read through the rule engine, so
// that the many calls of a large rule base are found at once too. Values
// whose equality does not follow such a hash (fuzzy values match by
// degree; facts, lists and singletons, also inside a call) are not
// indexed; a node that has such a child is searched child by child, as
// before, so the first equal child in edge order is always the one shared.

#include <cstddef>
#include <cstdint>
#include <unordered_map>

#include "matching/pattern_match_node.h"

namespace vettora {

class IRuleEngine;

class TAlphaIndex {
 public:
  // Calls are indexed only with an engine to read their arguments.
  explicit TAlphaIndex(IRuleEngine* engine) : FEngine(engine) {}

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
  [[nodiscard]] bool KeyOf(const TReteNode* previous, TPatternMatchTest test, const IIEValue& value,
                           const TNodeArgsArray& args, size_t& key) const;
  [[nodiscard]] bool ValueHash(const IIEValue& value, size_t& hash) const;
  [[nodiscard]] bool CallHash(const TFunCallBase& call, size_t& hash) const;

  IRuleEngine* FEngine;  // not owned; may be null

  std::unordered_multimap<size_t, TPatternMatchNode*> FByKey;
  std::unordered_map<const TReteNode*, int32_t> FUnindexedChildren;
  std::unordered_map<const TPatternMatchNode*, TFiled> FFiled;
};

}  // namespace vettora
