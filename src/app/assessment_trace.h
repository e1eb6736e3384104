#pragma once
// TAssessmentTrace: what each rule firing of a run changed, gathered from
// the engine's events alone -- assertions, retractions and fired rules --
// so the explanation follows whatever rules the engine holds. A change
// belongs to the firing in progress (the engine's firing activation and its
// count of rules fired tell which); a rule that changed nothing is seen when
// the engine reports it fired.
//
// A retraction followed, within the same firing, by the assertion of the
// same fact object (what `modify` does) is one change listed slot by slot.
// For each firing the trace also keeps the rule's variable values and the
// conditions that held because no fact matched them (negated patterns).
//
// The trace chains itself in front of the handlers already assigned to
// those events and puts them back when it is destroyed.

#include <memory>
#include <string>
#include <vector>

#include "engine/engine_events.h"

namespace vettora {

class TFact;
class TInferenceEngine;
class TRule;

struct TRuleFiring {
  std::string RuleName;
  std::string Comment;
  std::vector<std::string> Changes;      // "added ...", "removed ...", "changed ..."
  std::vector<std::string> Bindings;     // "?name = value"
  std::vector<std::string> AbsentFacts;  // the negated patterns' texts
};

class TAssessmentTrace {
 public:
  explicit TAssessmentTrace(TInferenceEngine& engine);
  ~TAssessmentTrace();
  TAssessmentTrace(const TAssessmentTrace&) = delete;
  TAssessmentTrace& operator=(const TAssessmentTrace&) = delete;

  // The firings of the last run, in order.
  [[nodiscard]] const std::vector<TRuleFiring>& Firings() const { return FFirings; }
  // The firings as numbered, indented lines for the reader.
  [[nodiscard]] std::vector<std::string> Lines() const;

 private:
  // A fact as it was when it was retracted.
  struct TRetracted {
    const TFact* Fact;
    std::string Text;
    std::vector<std::string> Values;  // by slot position
  };

  void Started();
  void Ended();
  // The record of the firing in progress, started on its first event;
  // null outside a firing.
  TRuleFiring* Current();
  void Asserted(const TFact& fact);
  void Retracting(const TFact& fact);
  // Retractions without a following assertion are removals.
  void FlushRetracted();
  void AddBindings(TRule& rule, TRuleFiring& firing);

  TInferenceEngine& FEngine;
  TNotifyEvent FPrevStart;
  TEndInferenceEvent FPrevEnd;
  TFactEvent FPrevAssertion;
  TFactEvent FPrevRetraction;
  TRuleEvent FPrevRuleFired;
  std::vector<TRuleFiring> FFirings;
  int32_t FCurrentNumber = -1;  // the engine's rules-fired count of the last record
  std::vector<TRetracted> FRetracted;
};

}  // namespace vettora
