// Resolution of one value to a fuzzy value of a variable: term names,
// numbers, variables and calls, lists (fuzzy expressions), singleton lists
// and fuzzy values.

#include "fuzzy/fuzzy_error.h"
#include "fuzzy/fuzzy_expression.h"
#include "fuzzy/ie_fuzzy_set.h"
#include "fuzzy/messages.h"
#include "fuzzy/singletons_evaluation.h"
#include "values/format.h"
#include "values/singletons_vector.h"

namespace vettora {

namespace {

IIEValue FuzzyValue(IFuzzySet set) { return MakeRef<TIEValue>(IFuzzySetBase(std::move(set))); }

IIEValue ResolveTermName(TIFuzzyVariable* variable, const TIEValue& value) {
  if (!variable) throw EFuzzyError(kFuzzyVariableNotDefined);
  const std::string& name = value.Text();
  if (name.empty() || name == kEmptyTermName) return FuzzyValue(variable->EmptyTerm());
  IFuzzySet term = variable->FindTerm(name);
  if (!term) throw EFuzzyError(FormatMessage(kFuzzyInvalidItem, {value.AsText()}));
  return FuzzyValue(term);
}

// A single point at x with membership 1, named with the number's text.
IIEValue NumberSet(TIFuzzyVariable* variable, const TIEValue& value) {
  IFuzzySet set = MakeRef<TIEFuzzySet>(value.AsText());
  set->SetVariable(variable);
  set->Values().Add(value.AsNumeric(), 1);
  return FuzzyValue(set);
}

bool IsNumeric(const IIEValue& value) {
  return value && (value->DType() == dtInteger || value->DType() == dtFloat);
}

bool AllNumeric(const TSingletonsVector& singletons) {
  for (int32_t i = 0; i < singletons.Count(); ++i)
    if (!IsNumeric(singletons.X(i)) || !IsNumeric(singletons.Y(i))) return false;
  return true;
}

IIEValue ResolveSingletons(const IIEValue& value, IEvalContext* context) {
  ISingletonsVector singletons = value->AsSingletons();
  if (!context && !AllNumeric(*singletons)) return value;
  return BuildFuzzyValue(*singletons, context);
}

bool IsEvaluated(TIEType kind) {
  return kind == dtVariable || kind == dtMultiVariable || kind == dtFunCall || kind == dtObject;
}

IIEValue Unresolvable(const IIEValue& value, IEvalContext* context) {
  if (context) throw EFuzzyError(FormatMessage(kFuzzyInvalidItem, {value ? value->AsText() : ""}));
  return NilValue();
}

// The threshold new fuzzy values of the variable get: the engine's, when
// the variable knows its engine.
TFzyFloat EngineThreshold(const TIFuzzyVariable& variable) {
  return variable.Parser() ? variable.Parser()->FuzzyEqualsThreshold() : variable.Threshold();
}

IIEValue ResolveByKind(TIFuzzyVariable* variable, const IIEValue& value, IEvalContext* context,
                       std::optional<TFzyFloat>* number) {
  if (!value) return Unresolvable(value, context);
  TIEType kind = value->DType();
  if (kind == dtAtom || kind == dtString) return ResolveTermName(variable, *value);
  if (kind == dtInteger || kind == dtFloat) {
    if (number) *number = value->AsNumeric();
    return NumberSet(variable, *value);
  }
  if (kind == dtList) return EvaluateFuzzyList(variable, value, context);
  if (kind == dtSingletons) return ResolveSingletons(value, context);
  if (kind == dtFuzzy) return value;
  if (IsEvaluated(kind) && context) {
    IIEValue result = value->Evaluate(context);
    if (result && result.Get() != value.Get())
      return ResolveByKind(variable, result, context, number);
  }
  if (IsEvaluated(kind) && kind != dtObject && !context) return value;
  return Unresolvable(value, context);
}

}  // namespace

IIEValue ResolveFuzzyValue(TIFuzzyVariable* variable, const IIEValue& value, IEvalContext* context,
                           std::optional<TFzyFloat>* number) {
  IIEValue result = ResolveByKind(variable, value, context, number);
  TIFuzzySet* set = result ? FuzzySetOf(*result) : nullptr;
  if (set && variable && !set->Variable()) {
    set->SetVariable(variable);
    set->SetThreshold(EngineThreshold(*variable));
  }
  return result;
}

IIEValue EvaluateFuzzyExpression(TIFuzzyVariable* variable, const IIEValue& value,
                                 IEvalContext* context) {
  return ResolveFuzzyValue(variable, value, context);
}

}  // namespace vettora
