#pragma once
// TFacts: the engine's fact list -- the facts in ascending ID order with
// their index, the next-ID counter and the deferred queues (TFactList),
// seen as one of the engine's collections.

#include "knowledge/fact_list.h"
#include "values/object.h"

namespace vettora {

class TFactTemplate;

class TFacts : public TObject, public TFactList {
 public:
  explicit TFacts(IFactEngine* engine) : TFactList(engine) {}

  // Retracts every fact of the template, from the end of the list towards
  // the front.
  void RetractFactsOf(const TFactTemplate* factTemplate);
};

}  // namespace vettora
