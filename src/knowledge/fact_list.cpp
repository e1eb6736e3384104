// TFactList: identifiers, the equal-fact indexes, and the steps of
// assertion, retraction, modification, duplication and deferred work.
#include "knowledge/fact_list.h"

#include <algorithm>
#include <limits>

#include "knowledge/fact_engine.h"
#include "knowledge/fuzzy_fact.h"
#include "knowledge/messages.h"
#include "values/exceptions.h"
#include "values/format.h"

namespace vettora {

namespace {

constexpr int32_t kMaxId = std::numeric_limits<int32_t>::max();

// Clears a flag when the scope ends, also on error.
class TFlagGuard {
 public:
  explicit TFlagGuard(bool& flag) : FFlag(flag) { FFlag = true; }
  ~TFlagGuard() { FFlag = false; }
  TFlagGuard(const TFlagGuard&) = delete;
  TFlagGuard& operator=(const TFlagGuard&) = delete;

 private:
  bool& FFlag;
};

}  // namespace

TFactList::TFactList(IFactEngine* engine) : FEngine(engine) {}

TFactList::~TFactList() = default;

// ---- Lookup -------------------------------------------------------------------

IFact TFactList::FindById(int32_t id) const {
  int32_t index = IndexOfId(id);
  return index < 0 ? IFact() : Items(index);
}

int32_t TFactList::FindEqual(const TFact& fact) const {
  if (!fact.Template()) return -1;
  bool fuzzy = fact.Template()->IsFuzzy();
  return FindEqualIn(fuzzy ? FFuzzyIndex : FHashIndex, IndexKey(fact, fuzzy), fact);
}

int32_t TFactList::FindEqualIn(const TFactHashIndex& index, uint32_t key,
                               const TFact& fact) const {
  int32_t first = -1;
  index.ForEachWithHash(key, [&](const TFact& listed) {
    if ((first < 0 || listed.ID() < first) && listed.Equals(fact)) first = listed.ID();
  });
  return first < 0 ? -1 : IndexOfId(first);
}

// The list index of this very fact object, or -1.
int32_t TFactList::FindListed(const TFact& fact) const {
  if (fact.ID() < 0) return -1;
  int32_t index = IndexOfId(fact.ID());
  return (index >= 0 && Items(index).Get() == &fact) ? index : -1;
}

bool TFactList::AllowsDuplicates() const { return FEngine && FEngine->FactDuplication(); }

// ---- Filing ---------------------------------------------------------------------

uint32_t TFactList::IndexKey(const TFact& fact, bool fuzzy) {
  return fuzzy ? fact.NonFuzzyHashCode() : fact.HashCode();
}

void TFactList::File(const IFact& fact, bool fuzzy, uint32_t key) {
  FFacts.Add(fact);
  fact->FIndexedFuzzy = fuzzy;
  fact->FIndexKey = key;
  (fuzzy ? FFuzzyIndex : FHashIndex).Insert(key, fact.Get());
  FHighestId = std::max(FHighestId, fact->ID());
}

// Takes the fact out of the list and out of the index it was filed in,
// under the key it was filed with (its values may have changed since).
IFact TFactList::Unfile(int32_t index) {
  IFact fact = FFacts.Delete(index);
  (fact->FIndexedFuzzy ? FFuzzyIndex : FHashIndex).Erase(fact->FIndexKey, fact.Get());
  return fact;
}

int32_t TFactList::TakeNextId() {
  if (FNextId == kMaxId) throw EIEException(kFactIdOverflow);
  return FNextId++;
}

void TFactList::Watch(const char* arrow, const TFact& fact) {
  if (FEngine && FEngine->WatchingFacts())
    FEngine->PrintOut("", std::string(arrow) + fact.IdText() + "\r\n");
}

// ---- Assertion ------------------------------------------------------------------

int32_t TFactList::Assert(const IFact& fact, bool intersection) {
  return AssertWith(fact, intersection, nullptr);
}

int32_t TFactList::AssertFuzzy(const IFact& fact, bool intersection, TFuzzyInferenceMethod method) {
  return AssertWith(fact, intersection, &method);
}

int32_t TFactList::AssertWith(const IFact& fact, bool intersection,
                              const TFuzzyInferenceMethod* method) {
  if (!fact || !fact->Template()) throw EIEException(kFactTemplateMissing);
  // A fact already on the list is not filed a second time.
  if (FindListed(*fact) >= 0) return -1;
  bool fuzzy = fact->Template()->IsFuzzy();
  if (fuzzy) PrepareFuzzyFact(fact, intersection, method);
  uint32_t key = IndexKey(*fact, fuzzy);
  if (!fuzzy && !AllowsDuplicates() && FindEqualIn(FHashIndex, key, *fact) >= 0) return -1;
  int32_t id = TakeNextId();
  fact->SetID(id);
  File(fact, fuzzy, key);
  Watch(" ==> ", *fact);
  if (FEngine) FEngine->ReteAddFact(fact);
  DrainQueues();
  if (FEngine) FEngine->FactAsserted(fact);
  return id;
}

// Correlation with the firing rule's strength, then the merge with an equal
// listed fact, which is retracted. An error leaves the list unchanged.
void TFactList::PrepareFuzzyFact(const IFact& fact, bool intersection,
                                 const TFuzzyInferenceMethod* method) {
  double strength = 1.0;
  if (FEngine && FEngine->FiringStrength(strength) && strength != 1.0) {
    if (!FEngine->FuzzyCorrelationDone(fact, strength))
      CorrelateFuzzyFact(*fact, strength, FEngine->FuzzyCorrelationMethod());
  }
  int32_t index = FindEqual(*fact);
  if (index < 0) return;
  IFact listed = Items(index);
  if (!FEngine || !FEngine->FuzzyInferenceDone(fact, listed)) {
    TFuzzyInferenceMethod chosen = method    ? *method
                                   : FEngine ? FEngine->FuzzyInferenceMethod()
                                             : fimMinMax;
    CombineFuzzyFacts(*fact, *listed, !intersection, InferenceOperation(chosen));
  }
  int32_t at = FindListed(*listed);  // the handler may have changed the list
  if (at >= 0) Retract(at);
}

int32_t TFactList::AssertKeepingId(const IFact& fact) {
  if (!fact) throw EIEException(kFactTemplateMissing);
  int32_t id = fact->ID();
  if (id < 0 || IndexOfId(id) >= 0) return Assert(fact);
  int32_t saved = FNextId;
  FNextId = id;
  int32_t result;
  try {
    result = Assert(fact);
  } catch (...) {
    RestoreCounterAfterLoad(saved);
    throw;
  }
  RestoreCounterAfterLoad(saved);
  return result;
}

void TFactList::RestoreCounterAfterLoad(int32_t saved) {
  int32_t afterHighest = FHighestId < kMaxId ? FHighestId + 1 : kMaxId;
  FNextId = std::max(saved, afterHighest);
}

// ---- Retraction -----------------------------------------------------------------

void TFactList::Retract(int32_t index) {
  IFact fact = Items(index);  // held while the events run
  if (FEngine) {
    FEngine->FactRetracting(fact);
    FEngine->ReteRemoveFact(fact);
  }
  Watch(" <== ", *fact);
  int32_t at = FindListed(*fact);
  if (at >= 0) Unfile(at);
  DrainQueues();
}

int32_t TFactList::RetractEqual(const TFact& fact) {
  int32_t index = FindEqual(fact);
  if (index >= 0) Retract(index);
  return index;
}

// The fact given by ID is the one retracted, even when an equal fact with
// a lower ID is listed too (duplicates allowed).
int32_t TFactList::Modify(int32_t id, const TFactChange& change) {
  int32_t index = IndexOfId(id);
  if (index < 0) throw EIEException(FormatMessage(kNoSuchFactId, {id}));
  IFact fact = Items(index);
  Retract(index);
  try {
    if (change) change(*fact);
  } catch (...) {
    Assert(fact);
    throw;
  }
  return Assert(fact);
}

int32_t TFactList::Duplicate(int32_t id, const TFactChange& change) {
  IFact original = FindById(id);
  if (!original) throw EIEException(FormatMessage(kNoSuchFactId, {id}));
  IFact copy = original->Clone();
  copy->SetID(-1);
  if (change) change(*copy);
  return Assert(copy);
}

void TFactList::Clear() {
  FFacts.Clear();
  FHashIndex.Clear();
  FFuzzyIndex.Clear();
  FHighestId = -1;
  if (FEngine) {
    FEngine->ReteClearFacts();
    FEngine->FactsCleared();
  }
}

// ---- Deferred queues ------------------------------------------------------------

void TFactList::QueueFact(const IFact& fact, bool assert) {
  (assert ? FAssertQueue : FRetractQueue).push_back(fact);
}

void TFactList::ClearQueues() {
  FAssertQueue.clear();
  FRetractQueue.clear();
}

TFactList::TQueuedFacts TFactList::TakeQueuedFactsOf(const TFactTemplate* factTemplate) {
  TQueuedFacts taken;
  auto take = [factTemplate](std::deque<IFact>& queue, std::vector<IFact>& into) {
    std::erase_if(queue, [&](const IFact& fact) {
      if (!fact || fact->Template().Get() != factTemplate) return false;
      into.push_back(fact);
      return true;
    });
  };
  take(FAssertQueue, taken.Assertions);
  take(FRetractQueue, taken.Retractions);
  return taken;
}

// Drains in a loop rather than by recursion, so a long chain of deferred
// work cannot exhaust the stack: a nested assertion or retraction leaves
// the queues to the loop already running. Queued assertions go first,
// also those queued by a retraction.
void TFactList::DrainQueues() {
  if (FDraining) return;
  TFlagGuard draining(FDraining);
  while (!FAssertQueue.empty() || !FRetractQueue.empty()) {
    if (!FAssertQueue.empty()) {
      IFact fact = std::move(FAssertQueue.front());
      FAssertQueue.pop_front();
      Assert(fact);
    } else {
      IFact fact = std::move(FRetractQueue.front());
      FRetractQueue.pop_front();
      RetractEqual(*fact);
    }
  }
}

// ---- Direct changes -------------------------------------------------------------

void TFactList::AddFact(const IFact& fact) {
  if (!fact) throw EIEException(kFactTemplateMissing);
  if (fact->ID() < 0 || IndexOfId(fact->ID()) >= 0) fact->SetID(TakeNextId());
  bool fuzzy = fact->Template() && fact->Template()->IsFuzzy();
  File(fact, fuzzy, IndexKey(*fact, fuzzy));
}

IFact TFactList::DeleteFact(int32_t index) { return Unfile(index); }

// ---- Text -------------------------------------------------------------------------

std::string TFactList::Text() const {
  std::string text;
  for (int32_t i = 0; i < Count(); ++i) {
    if (i) text += "\r\n";
    text += Items(i)->Text();
  }
  return text;
}

std::string TFactList::IdText() const {
  std::string text;
  for (int32_t i = 0; i < Count(); ++i) {
    if (i) text += "\r\n";
    text += Items(i)->IdText();
  }
  return text;
}

}  // namespace vettora
