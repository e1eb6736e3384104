#pragma once
// TFactList: the fact base -- the facts on the list in ascending ID order,
// the next-ID counter, the index that finds an equal fact, and the steps
// of assertion, retraction, modification and duplication, with the
// deferred queues that assertions and retractions drain.
//
// Everything the list needs from its engine (settings, the Rete network,
// events, watches, the firing rule) goes through IFactEngine; without an
// engine the list works alone: no duplicates, no network, no events.
//
// Equal facts are found through hash indexes: non-fuzzy facts under their
// HashCode, fuzzy facts under the hash of their non-fuzzy slots (the only
// slots fuzzy equality looks at). A hit is confirmed with Equals, so facts
// whose hash codes collide are never taken for one another; among several
// equal facts (duplicates allowed) the one with the lowest ID -- the first
// on the list -- is answered, as a scan from the front would.
//
// A listed fact is indexed under the values it had when it was asserted:
// change a listed fact through Modify (retract, change, assert), not in
// place, and never change its ID.
//
// The list holds its facts counted; the engine pointer is not counted.

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

#include "knowledge/fact.h"
#include "knowledge/fact_hash_index.h"
#include "knowledge/fact_sequence.h"
#include "knowledge/fuzzy_methods.h"

namespace vettora {

class IFactEngine;

class TFactList {
 public:
  // Changes the slots of a fact that is off the list (modify, duplicate).
  using TFactChange = std::function<void(TFact& fact)>;

  explicit TFactList(IFactEngine* engine = nullptr);
  TFactList(const TFactList&) = delete;
  TFactList& operator=(const TFactList&) = delete;
  ~TFactList();

  [[nodiscard]] IFactEngine* Engine() const { return FEngine; }
  void SetEngine(IFactEngine* engine) { FEngine = engine; }

  // ---- The list.
  [[nodiscard]] int32_t Count() const { return FFacts.Count(); }
  // "List index out of bounds (%d)" outside 0..Count-1.
  [[nodiscard]] const IFact& Items(int32_t index) const { return FFacts.Items(index); }
  // The list index of the fact with this ID, or -1.
  [[nodiscard]] int32_t IndexOfId(int32_t id) const { return FFacts.IndexOfId(id); }
  // The fact with this ID, or an empty handle.
  [[nodiscard]] IFact FindById(int32_t id) const;
  // The list index of the first fact equal to `fact`, or -1.
  [[nodiscard]] int32_t FindEqual(const TFact& fact) const;
  // The highest ID the list has held since it was last cleared, or -1.
  [[nodiscard]] int32_t HighestId() const { return FHighestId; }

  // The next-ID counter: the ID the next assertion gives. Reset and clear
  // set it to 0; identifiers are never negative, so neither is the counter.
  [[nodiscard]] int32_t NextId() const { return FNextId; }
  void SetNextId(int32_t id) { FNextId = id < 0 ? 0 : id; }

  // ---- Assertion and retraction.
  // Asserts the fact and returns its new ID, or -1 when an equal fact is
  // already listed and duplicates are not allowed (the fact's ID then
  // stays as it was). A fuzzy fact is first correlated with the firing
  // rule's strength, and replaces an equal listed fact with its
  // combination: the union, or the intersection when `intersection`.
  int32_t Assert(const IFact& fact, bool intersection = false);
  // As Assert, combining with `method` instead of the engine's
  // FuzzyInferenceMethod (fuzzy-assert names its method).
  int32_t AssertFuzzy(const IFact& fact, bool intersection, TFuzzyInferenceMethod method);
  // Asserts a fact under its own stored ID when that ID is free (loading
  // a saved fact list); the counter then ends above every ID seen. A fact
  // whose ID is taken or negative is asserted normally.
  int32_t AssertKeepingId(const IFact& fact);
  // Retracts the fact at a list index.
  void Retract(int32_t index);
  // Retracts the first fact equal to `fact`; returns the list index it had,
  // or -1 when there is none.
  int32_t RetractEqual(const TFact& fact);
  // Retracts the fact with this ID, changes it and asserts the same fact
  // object again (also when the change fails); returns its new ID.
  // "No Such Fact with ID=%s exists" for an unknown ID.
  int32_t Modify(int32_t id, const TFactChange& change);
  // Asserts a changed copy of the fact with this ID; the original stays.
  int32_t Duplicate(int32_t id, const TFactChange& change);
  // Empties the list and its indexes, sends one clear token through the
  // network and raises OnClearFacts. The counter and the queues stay.
  void Clear();

  // ---- Deferred work, drained at the end of every assertion and
  // retraction: all queued assertions first, then all queued retractions
  // (each of the equal fact).
  void QueueFact(const IFact& fact, bool assert);
  void ClearQueues();
  // Takes the queued facts of a template out of both queues, in queue
  // order: a template that leaves the engine must not have facts asserted
  // (or retracted) against it later.
  struct TQueuedFacts {
    std::vector<IFact> Assertions;
    std::vector<IFact> Retractions;
  };
  TQueuedFacts TakeQueuedFactsOf(const TFactTemplate* factTemplate);
  [[nodiscard]] int32_t QueuedAssertions() const { return int32_t(FAssertQueue.size()); }
  [[nodiscard]] int32_t QueuedRetractions() const { return int32_t(FRetractQueue.size()); }

  // ---- Changes without assertion semantics, for a collection that updates
  // the list itself: the fact is filed under the ID it has (in ID order)
  // and indexed; Delete takes it out of list and indexes. No events, no
  // network, no counter.
  void AddFact(const IFact& fact);
  IFact DeleteFact(int32_t index);

  // ---- Text: the facts' Text (or IdText) joined by CR LF.
  [[nodiscard]] std::string Text() const;
  [[nodiscard]] std::string IdText() const;

 private:
  [[nodiscard]] bool AllowsDuplicates() const;
  [[nodiscard]] int32_t FindListed(const TFact& fact) const;
  [[nodiscard]] int32_t FindEqualIn(const TFactHashIndex& index, uint32_t key,
                                    const TFact& fact) const;
  int32_t AssertWith(const IFact& fact, bool intersection, const TFuzzyInferenceMethod* method);
  void PrepareFuzzyFact(const IFact& fact, bool intersection, const TFuzzyInferenceMethod* method);
  void RestoreCounterAfterLoad(int32_t saved);
  [[nodiscard]] int32_t TakeNextId();
  [[nodiscard]] static uint32_t IndexKey(const TFact& fact, bool fuzzy);
  void File(const IFact& fact, bool fuzzy, uint32_t key);
  IFact Unfile(int32_t index);
  void Watch(const char* arrow, const TFact& fact);
  void DrainQueues();

  IFactEngine* FEngine;  // not counted
  TFactSequence FFacts;
  TFactHashIndex FHashIndex;   // non-fuzzy facts
  TFactHashIndex FFuzzyIndex;  // fuzzy facts
  int32_t FNextId = 0;
  int32_t FHighestId = -1;
  std::deque<IFact> FAssertQueue;
  std::deque<IFact> FRetractQueue;
  bool FDraining = false;
};

}  // namespace vettora
