#pragma once
// TFacts: the engine's fact list -- the facts in ascending ID order with
// their index, the next-ID counter and the deferred queues (TFactList),
// seen as one of the engine's collections.

#include <string>
#include <vector>

#include "knowledge/fact_list.h"
#include "values/object.h"

namespace vettora {

class TFactTemplate;
class TInferenceEngine;

class TFacts : public TObject, public TFactList {
 public:
  explicit TFacts(IFactEngine* engine) : TFactList(engine) {}

  // Retracts every fact of the template, from the end of the list towards
  // the front.
  void RetractFactsOf(const TFactTemplate* factTemplate);

  // Each fact's Text, in list order: the stored list.
  [[nodiscard]] std::vector<std::string> Texts() const;

  // Empties the list, then asserts a copy of each source fact in order. A
  // fact of another engine is made again from its text under this
  // engine's template of the same name ("Unable to assign slot values,
  // fact templates are different: %s and %s" when that template differs;
  // a copy of the source's template is added when there is none).
  void Assign(const TFacts& source);

 private:
  [[nodiscard]] IFact CopyFact(TInferenceEngine& engine, const IFact& fact) const;
};

}  // namespace vettora
