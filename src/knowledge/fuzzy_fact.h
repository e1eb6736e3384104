#pragma once
// Correlation and combination of fuzzy facts: the strength of the rule
// that asserts a fuzzy fact limits the fact's memberships, and a fuzzy fact
// asserted where an equal one is listed is merged with it slot by slot.
//
// Fuzzy sets in a fact may be shared (a term of a fuzzy variable, a value
// of another fact), so both operations store new sets and never change a
// set in place. Each checks everything before it stores anything.

#include "fuzzy/fuzzy_types.h"
#include "knowledge/fact.h"
#include "knowledge/fuzzy_methods.h"

namespace vettora {

// Every fuzzy value of the fact's fuzzy slots (also inside a list) gets the
// modifier ">" (fcmMinimum: memberships above `strength` cut to it) or "*"
// (fcmProduct) with x = strength. "Fact is not a fuzzy fact" when the
// template has no fuzzy slot.
void CorrelateFuzzyFact(TFact& fact, double strength, TFuzzyCorrelationMethod method);

// Merges `listedFact` into `newFact`: each fuzzy slot of `newFact` becomes
// the union (`isUnion`) or intersection of the two facts' values under
// `operation`. Both must have the same template ("Cannot union two facts
// with different fact templates: %s and %s") and it must be fuzzy.
void CombineFuzzyFacts(TFact& newFact, const TFact& listedFact, bool isUnion,
                       TFuzzyOperation operation);

}  // namespace vettora
