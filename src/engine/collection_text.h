#pragma once
// Helpers the engine's collections share to write their texts, read their
// stored lists back and copy themselves to tree views.

#include <string>
#include <unordered_set>
#include <vector>

#include "values/exceptions.h"
#include "values/value.h"

namespace vettora {

class TGCustomHashtable;
class TInferenceEngine;

// Takes a source table's load factor, capacity and hash method. A capacity
// of 0 (which would drop the entries without their owners knowing) is not
// taken, nor a hash method that a table holding entries cannot change to.
void TakeTableSettings(TGCustomHashtable& table, const TGCustomHashtable& source);

// "?*x* = 1": one global's definition as the parser reads it back.
[[nodiscard]] std::string GlobalDefinitionText(TInferenceEngine& engine, const std::string& name,
                                               const IIEValue& value);

// The lines of a text (split at LF, CR LF or CR), each trimmed of blanks.
[[nodiscard]] std::vector<std::string> TrimmedLines(const std::string& text);

// The items in an order where every item comes after its parent: first
// the items without one, in the given order, then the others, each
// preceded by its not yet placed ancestors. `parentOf(item)` answers the
// item's parent when it is one of `items`, else null. A parent chain that
// returns to itself raises EIEException(`cycleMessage`).
template <class T, class F>
[[nodiscard]] std::vector<T*> ParentsFirst(const std::vector<T*>& items, F parentOf,
                                           const char* cycleMessage) {
  std::vector<T*> ordered;
  ordered.reserve(items.size());
  std::unordered_set<const T*> placed;
  for (T* item : items)
    if (!parentOf(item)) {
      ordered.push_back(item);
      placed.insert(item);
    }
  std::vector<T*> chain;
  std::unordered_set<const T*> onChain;
  for (T* item : items) {
    chain.clear();
    onChain.clear();
    for (T* up = item; up && !placed.count(up); up = parentOf(up)) {
      if (!onChain.insert(up).second) throw EIEException(cycleMessage);
      chain.push_back(up);
    }
    for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
      ordered.push_back(*it);
      placed.insert(*it);
    }
  }
  return ordered;
}

}  // namespace vettora
