// Fuzzy correlation of a fact with a rule's strength, and the slot-by-slot
// union or intersection of two equal fuzzy facts.
#include "knowledge/fuzzy_fact.h"

#include <utility>
#include <vector>

#include "fuzzy/ifuzzy_set.h"
#include "knowledge/messages.h"
#include "values/exceptions.h"
#include "values/format.h"
#include "values/value_vector.h"

namespace vettora {

namespace {

IIEValue FuzzyValue(const IFuzzySet& set) { return MakeRef<TIEValue>(IFuzzySetBase(set)); }

// A modified copy of a fuzzy value; other values, and lists without fuzzy
// elements, come back as they are.
IIEValue Limited(const IIEValue& value, TFuzzyArithmetic op, double strength) {
  if (!value) return value;
  if (TIFuzzySet* set = FuzzySetOf(*value)) {
    IFuzzySet copy = set->Clone();
    copy->ApplyOperator(op, false, strength);
    return FuzzyValue(copy);
  }
  if (value->DType() != dtList) return value;
  IValueVector elements = value->AsList();
  IValueVector limited = MakeRef<TValueVector>();
  bool changed = false;
  for (const IIEValue& element : *elements) {
    IIEValue next = Limited(element, op, strength);
    changed = changed || next != element;
    limited->Add(next);
  }
  return changed ? MakeList(limited) : value;
}

IIEValue CombinedSets(const TIFuzzySet& a, const TIFuzzySet& b, bool isUnion,
                      TFuzzyOperation operation) {
  return FuzzyValue(isUnion ? a.Union(b, operation) : a.Intersection(b, operation));
}

// The combination of two slot values: two fuzzy values, or two lists of the
// same length element by element. Anything else keeps the new value (an
// empty handle says so).
IIEValue Combined(const IIEValue& mine, const IIEValue& theirs, bool isUnion,
                  TFuzzyOperation operation) {
  if (!mine || !theirs) return nullptr;
  TIFuzzySet* a = FuzzySetOf(*mine);
  TIFuzzySet* b = FuzzySetOf(*theirs);
  if (a && b) return CombinedSets(*a, *b, isUnion, operation);
  if (mine->DType() != dtList || theirs->DType() != dtList) return nullptr;
  IValueVector left = mine->AsList();
  IValueVector right = theirs->AsList();
  if (left->Count() != right->Count()) return nullptr;
  IValueVector merged = MakeRef<TValueVector>();
  bool changed = false;
  for (int32_t i = 0; i < left->Count(); ++i) {
    IIEValue element = Combined(left->Items(i), right->Items(i), isUnion, operation);
    changed = changed || element;
    merged->Add(element ? element : left->Items(i));
  }
  return changed ? MakeList(merged) : nullptr;
}

void RequireFuzzy(const TFact& fact) {
  if (!fact.Template() || !fact.Template()->IsFuzzy()) throw EIEException(kNotAFuzzyFact);
}

}  // namespace

void CorrelateFuzzyFact(TFact& fact, double strength, TFuzzyCorrelationMethod method) {
  RequireFuzzy(fact);
  TFuzzyArithmetic op = method == fcmProduct ? faTimes : faGreater;
  const TFactTemplate& factTemplate = *fact.Template();
  std::vector<std::pair<int32_t, IIEValue>> changes;
  for (int32_t i = 0; i < factTemplate.SlotCount(); ++i) {
    if (!factTemplate.SlotAt(i)->IsFuzzy()) continue;
    const IIEValue& value = fact.ValueAt(i);
    IIEValue limited = Limited(value, op, strength);
    if (limited != value) changes.emplace_back(i, std::move(limited));
  }
  for (auto& [position, value] : changes) fact.StoreValueAt(position, std::move(value));
}

void CombineFuzzyFacts(TFact& newFact, const TFact& listedFact, bool isUnion,
                       TFuzzyOperation operation) {
  if (!newFact.Template() || newFact.Template() != listedFact.Template()) {
    std::string mine = newFact.Template() ? newFact.Template()->Name() : "";
    std::string theirs = listedFact.Template() ? listedFact.Template()->Name() : "";
    throw EIEException(FormatMessage(kCannotUnionFacts, {mine, theirs}));
  }
  RequireFuzzy(newFact);
  const TFactTemplate& factTemplate = *newFact.Template();
  std::vector<std::pair<int32_t, IIEValue>> changes;
  for (int32_t i = 0; i < factTemplate.SlotCount(); ++i) {
    if (!factTemplate.SlotAt(i)->IsFuzzy()) continue;
    IIEValue merged = Combined(newFact.ValueAt(i), listedFact.ValueAt(i), isUnion, operation);
    if (merged) changes.emplace_back(i, std::move(merged));
  }
  for (auto& [position, value] : changes) newFact.StoreValueAt(position, std::move(value));
}

}  // namespace vettora
