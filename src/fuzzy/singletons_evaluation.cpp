// Evaluation of a singleton list into a fuzzy value: every X and Y is
// evaluated in the context and read as a number.

#include "fuzzy/fuzzy_error.h"
#include "fuzzy/fuzzy_variable.h"
#include "fuzzy/ie_fuzzy_set.h"
#include "fuzzy/messages.h"
#include "fuzzy/singletons_evaluation.h"
#include "values/format.h"
#include "values/singletons_vector.h"

namespace vettora {

namespace {

TFzyFloat EvaluateCoordinate(const IIEValue& value, IEvalContext* context) {
  if (!value) throw EFuzzyError(FormatMessage(kFuzzyInvalidItem, {""}));
  IIEValue result = value->Evaluate(context);
  if (!result) throw EFuzzyError(FormatMessage(kFuzzyInvalidItem, {value->AsText()}));
  return result->AsNumeric();
}

}  // namespace

IIEValue BuildFuzzyValue(const TSingletonsVector& singletons, IEvalContext* context) {
  IFuzzySet set = MakeRef<TIEFuzzySet>();
  if (auto* variable = dynamic_cast<TIFuzzyVariable*>(singletons.Owner().Get()))
    set->SetVariable(variable);
  {
    TFuzzySetUpdate update(*set);
    for (int32_t i = 0; i < singletons.Count(); ++i) {
      TFzyFloat x = EvaluateCoordinate(singletons.X(i), context);
      TFzyFloat y = EvaluateCoordinate(singletons.Y(i), context);
      set->Values().Add(x, y);
    }
  }
  set->SetName(set->PrintValues());
  return MakeRef<TIEValue>(IFuzzySetBase(set));
}

void RegisterFuzzyValues() { SetFuzzyValueBuilder(&BuildFuzzyValue); }

}  // namespace vettora
