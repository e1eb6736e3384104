// The standard package's modify and duplicate: slot changes applied to a
// listed fact (modify) or to a copy of it (duplicate).
//
// A slot change is a list: the slot name, then the value, or the values of
// a multislot. The parser reads (slot a b c) as the name and one list of
// the values, and (slot a) as the name and the value.
#include "engine/facts.h"
#include "functions/engine_services.h"
#include "functions/function_call.h"
#include "fuzzy/fuzzy_expression.h"
#include "knowledge/defined_type.h"
#include "knowledge/fact_slot.h"
#include "knowledge/messages.h"
#include "matching/context.h"
#include "packages/standard/standard_facts.h"
#include "values/exceptions.h"

namespace vettora {

namespace {

bool IsList(const IIEValue& value) { return value && value->DType() == dtList; }

TIFuzzyVariable* FuzzyVariableOf(const TFactSlot& slot) {
  const IIEDefinedType& type = slot.ExtendedTypeInfo();
  return type ? type->FuzzyVariable().Get() : nullptr;
}

// A copy of the change whose value is a fuzzy value of the slot's fuzzy
// variable: a term name, hedged expression or list of points becomes the
// fuzzy set it describes.
IValueVector FuzzyChange(const TValueVector& change, const TFactSlot& slot, TIEContext& context) {
  IValueVector copy = change.Clone();
  if (copy->Count() < 2) return copy;
  const IIEValue& value = copy->Items(1);
  if (value && value->DType() != dtFuzzy)
    copy->SetItems(1, EvaluateFuzzyExpression(FuzzyVariableOf(slot), value, &context));
  return copy;
}

IIEValue Evaluated(const IIEValue& value, TIEContext& context) {
  return value ? value->Evaluate(&context) : value;
}

// Sets one slot from a change. A single slot, or a multislot given one
// list, takes the value; a multislot given separate values takes the list
// of them. Values are stored as copies, so the call's constants are never
// shared with a fact.
void ApplySlotChange(TFact& fact, const IIEValue& changeValue, TIEContext& context,
                     bool convertFuzzy) {
  IValueVector change = changeValue->AsList();
  std::string name = change->Items(0)->AsString();
  if (!fact.Template()) throw EIEException(kFactTemplateMissing);
  const IFactSlot& slot = fact.Template()->GetSlot(name);
  if (convertFuzzy && slot->IsFuzzy()) change = FuzzyChange(*change, *slot, context);
  if (!slot->IsMultiSlot() || (change->Count() > 1 && IsList(change->Items(1)))) {
    fact.SetSlotValue(name, CopySlotValue(Evaluated(change->Items(1), context)));
    return;
  }
  IValueVector values = MakeRef<TValueVector>();
  for (int32_t i = 1; i < change->Count(); ++i)
    values->Add(CopySlotValue(Evaluated(change->Items(i), context)));
  fact.SetSlotValue(name, MakeList(values));
}

// Applies the changes of arguments 2 and on, then evaluates what the
// fact's slots still hold as expressions.
void ApplySlotChanges(TFunctionCall& call, TIEContext& context, TFact& fact, bool convertFuzzy) {
  for (int32_t i = 1; i < call.ArgumentCount(); ++i)
    ApplySlotChange(fact, call.EvaluateArgument(i, context), context, convertFuzzy);
  context.InstantiateFact(IFact(&fact));
}

// A fact that could not be added (an equal fact is listed and duplicates
// are refused) answers FALSE, as assert does.
IIEValue AssertedId(int32_t id) { return id < 0 ? FalseValue() : FactIdValue(id); }

}  // namespace

// ---- modify -----------------------------------------------------------------------

TModifyFunction::TModifyFunction()
    : TStandardFunction("modify",
                        "Retracts the fact, changes the given slots and asserts it again; "
                        "returns its new fact ID",
                        " <fact-index> (<slot-name> <expression>)+", 1, kNoLimit) {}

// The fact list retracts the fact, runs the changes and asserts the same
// fact again -- also when a change fails, so an error never loses it.
IIEValue TModifyFunction::Execute(TFunctionCall& call, TIEContext& context) {
  IEngineServices& engine = EngineOf(context);
  int32_t id = call.EvaluateArgument(0, context)->AsFactId();
  return AssertedId(
      engine.Facts().Modify(id, [&](TFact& fact) { ApplySlotChanges(call, context, fact, true); }));
}

// ---- duplicate --------------------------------------------------------------------

TDuplicateFunction::TDuplicateFunction()
    : TStandardFunction("duplicate",
                        "Asserts a copy of the fact with the given slots changed; returns the "
                        "copy's fact ID",
                        " <fact-index> (<slot-name> <expression>)*", 2, kNoLimit) {}

IIEValue TDuplicateFunction::Execute(TFunctionCall& call, TIEContext& context) {
  IEngineServices& engine = EngineOf(context);
  int32_t id = call.EvaluateArgument(0, context)->AsFactId();
  TFactList& facts = engine.Facts();  // TObject has a Duplicate of its own
  return AssertedId(
      facts.Duplicate(id, [&](TFact& fact) { ApplySlotChanges(call, context, fact, false); }));
}

}  // namespace vettora
