// Unions, intersections, fuzzy-assert and the fuzzy settings of the engine.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "engine/facts.h"
#include "functions/engine_services.h"
#include "functions/function_call.h"
#include "knowledge/fact.h"
#include "knowledge/fact_template.h"
#include "matching/context.h"
#include "packages/fuzzy_logic/fuzzy_logic_package.h"
#include "packages/fuzzy_logic/messages.h"
#include "values/exceptions.h"
#include "values/format.h"

namespace vettora {

namespace {

// The method names the rule language uses, in enumeration order.
constexpr const char* kOperationWords[] = {"zadeh",   "mean",        "mean-sqr", "mean-sqrt",
                                           "product", "bounded-sum", "sum"};
constexpr const char* kInferenceWords[] = {"min-max", "sum", "mean", "product", "bounded-sum"};
constexpr const char* kCorrelationWords[] = {"minimum", "product"};
// The enumeration members without prefix, lower-cased, for the messages.
constexpr const char* kInferenceExpected = "minmax, additive, mean, product, boundedsum";
constexpr const char* kCorrelationExpected = "minimum, product";
constexpr const char* kOperationExpected =
    "zadeh, mean, mean-sqr, mean-sqrt, product, bounded-sum, or sum";

template <size_t N>
int WordIndex(const std::string& word, const char* const (&words)[N]) {
  for (size_t i = 0; i < N; ++i)
    if (word == words[i]) return int(i);
  return -1;
}

TFuzzyInferenceMethod InferenceNamed(const std::string& word) {
  int i = WordIndex(word, kInferenceWords);
  if (i < 0) throw EIEException(FormatMessage(kFzInvalidInference, {word, kInferenceExpected}));
  return TFuzzyInferenceMethod(i);
}

TFuzzyCorrelationMethod CorrelationNamed(const std::string& word) {
  int i = WordIndex(word, kCorrelationWords);
  if (i < 0) throw EIEException(FormatMessage(kFzInvalidCorrelation, {word, kCorrelationExpected}));
  return TFuzzyCorrelationMethod(i);
}

IIEValue FactIdValue(int32_t id) { return MakeRef<TIEValue>(id, dtFactId); }

// A single-precision setting as the decimal it was given as (0.4, not
// 0.4000000059604645).
IIEValue SingleValue(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.7g", value);
  return MakeFloat(std::strtod(text, nullptr));
}

}  // namespace

// ---- fuzzy-union, fuzzy-union-x, fuzzy-intersection, fuzzy-intersection-x -----

const TFuzzyFunctionInfo& TFuzzyOperationFunction::Info(TFuzzyOperationFunctionType type) const {
  static const TFuzzyFunctionInfo infos[] = {
      {"fuzzy-union", "The zadeh union of the fuzzy values, folded from the left",
       " <fuzzy-value-expression> <fuzzy-value-expression>+", 2, kNoLimit},
      {"fuzzy-union-x", "The union of the fuzzy values with the named operation, folded from "
                        "the left",
       " <fuzzy-union-type-expression> <fuzzy-value-expression> <fuzzy-value-expression>+", 3,
       kNoLimit},
      {"fuzzy-intersection", "The zadeh intersection of the fuzzy values, folded from the left",
       " <fuzzy-value-expression> <fuzzy-value-expression>+", 2, kNoLimit},
      {"fuzzy-intersection-x", "The intersection of the fuzzy values with the named "
                               "operation, folded from the left",
       " <fuzzy-intersection-type-expression> <fuzzy-value-expression> "
       "<fuzzy-value-expression>+",
       3, kNoLimit},
  };
  return infos[type];
}

IIEValue TFuzzyOperationFunction::Execute(TFunctionCall& call, TIEContext& context) {
  bool isUnion = FunctionType() == fofFuzzyUnion || FunctionType() == fofFuzzyUnionX;
  bool named = FunctionType() == fofFuzzyUnionX || FunctionType() == fofFuzzyIntersectionX;
  TFuzzyOperation op = foZadeh;
  int32_t first = 0;
  if (named) {
    std::string word = call.EvaluateArgument(0, context)->AsString();
    int i = WordIndex(word, kOperationWords);
    if (i < 0)
      throw EIEException(FormatMessage(kFzInvalidOperation, {word, FunctionName(), kOperationExpected}));
    op = TFuzzyOperation(i);
    first = 1;
  }
  IFuzzySet result = FuzzyArgument(call, first, context);
  for (int32_t i = first + 1; i < call.ArgumentCount(); ++i) {
    IFuzzySet next = FuzzyArgument(call, i, context);
    result = isUnion ? result->Union(*next, op) : result->Intersection(*next, op);
  }
  return MakeRef<TIEValue>(IFuzzySetBase(result));
}

// ---- fuzzy-assert, fuzzy-assert-unconditional ---------------------------------

const TFuzzyFunctionInfo& TFuzzyAssertFunction::Info(TFuzzyAssertFunctionType type) const {
  static const TFuzzyFunctionInfo infos[] = {
      {"fuzzy-assert", "Asserts each fact, merging a fuzzy fact with an equal one by union "
                       "with the named inference method; returns the last fact ID or FALSE",
       " <fuzzy-inference-expression> <fact-expression>*", 1, kNoLimit},
      {"fuzzy-assert-unconditional",
       "Asserts each fact, merging a fuzzy fact with an equal one by intersection; returns "
       "the last fact ID or FALSE",
       " [<fuzzy-inference-expression>] <fact-expression>*", 0, kNoLimit},
  };
  return infos[type];
}

IIEValue TFuzzyAssertFunction::Execute(TFunctionCall& call, TIEContext& context) {
  IEngineServices& engine = EngineOf(context);
  bool intersection = FunctionType() == fafAssertUnconditional;
  TFuzzyInferenceMethod method = engine.FuzzyInferenceMethod();
  int32_t i = 0;
  IIEValue value = call.ArgumentCount() > 0 ? call.EvaluateArgument(0, context) : nullptr;
  // The method may be left out of the unconditional form only.
  if (value && (!intersection || value->DType() != dtFact)) {
    method = InferenceNamed(value->AsString());
    value = nullptr;
    i = 1;
  }
  int32_t id = -1;
  for (; i < call.ArgumentCount(); ++i) {
    if (!value) value = call.EvaluateArgument(i, context);
    auto* base = dynamic_cast<TFact*>(value->AsFact().Get());
    value = nullptr;
    if (!base) continue;
    IFact fact = base->Clone();
    context.InstantiateFact(fact);
    id = fact->Template() && fact->Template()->IsFuzzy()
             ? engine.Facts().AssertFuzzy(fact, intersection, method)
             : engine.Assert(fact);
  }
  return id < 0 ? FalseValue() : FactIdValue(id);
}

// ---- the settings -------------------------------------------------------------

const TFuzzyFunctionInfo& TRWActivationThresholdFunction::Info(
    TRWActivationThresholdFunctionType type) const {
  static const TFuzzyFunctionInfo infos[] = {
      {"get-activation-threshold", "The least activation strength at which a rule fires", "", 0,
       0},
      {"set-activation-threshold",
       "Sets the least activation strength at which a rule fires; returns the previous one",
       " <numeric-expression>", 1, 1},
  };
  return infos[type];
}

IIEValue TRWActivationThresholdFunction::Execute(TFunctionCall& call, TIEContext& context) {
  IEngineServices& engine = EngineOf(context);
  double previous = engine.MinActivationStrength();
  if (FunctionType() == atfSetActivationThreshold)
    engine.SetMinActivationStrength(float(call.EvaluateArgument(0, context)->AsNumeric()));
  return SingleValue(previous);
}

const TFuzzyFunctionInfo& TRWFuzzyAutoTerms::Info(TRWFuzzyAutoTermsType type) const {
  static const TFuzzyFunctionInfo infos[] = {
      {"get-fuzzy-auto-terms", "TRUE when new fuzzy types get the terms low, medium and high",
       "", 0, 0},
      {"set-fuzzy-auto-terms",
       "Sets whether new fuzzy types get the terms low, medium and high; returns the previous "
       "setting",
       " <boolean-expression>", 1, 1},
  };
  return infos[type];
}

IIEValue TRWFuzzyAutoTerms::Execute(TFunctionCall& call, TIEContext& context) {
  IEngineServices& engine = EngineOf(context);
  bool previous = engine.FuzzyAutoTerms();
  if (FunctionType() == fatSetFuzzyAutoTerms)
    engine.SetFuzzyAutoTerms(!call.EvaluateArgument(0, context)->Equals(FalseValue()));
  return BoolValue(previous);
}

const TFuzzyFunctionInfo& TRWFuzzyCorrelationFunction::Info(
    TRWFuzzyCorrelationFunctionType type) const {
  static const TFuzzyFunctionInfo infos[] = {
      {"get-fuzzy-correlation", "The fuzzy correlation method: minimum or product", "", 0, 0},
      {"set-fuzzy-correlation",
       "Sets the fuzzy correlation method (minimum or product); returns the previous one",
       " <correlation-expression>", 1, 1},
  };
  return infos[type];
}

IIEValue TRWFuzzyCorrelationFunction::Execute(TFunctionCall& call, TIEContext& context) {
  IEngineServices& engine = EngineOf(context);
  TFuzzyCorrelationMethod previous = engine.FuzzyCorrelationMethod();
  if (FunctionType() == fcfSetCorrelation)
    engine.SetFuzzyCorrelationMethod(
        CorrelationNamed(call.EvaluateArgument(0, context)->AsString()));
  return MakeAtom(kCorrelationWords[previous]);
}

const TFuzzyFunctionInfo& TRWFuzzyInferenceFunction::Info(TRWFuzzyInferenceFunctionType type) const {
  static const TFuzzyFunctionInfo infos[] = {
      {"get-fuzzy-inference",
       "The fuzzy inference method: min-max, sum, mean, product or bounded-sum", "", 0, 0},
      {"set-fuzzy-inference", "Sets the fuzzy inference method; returns the previous one",
       " <fuzzy-inference-expression>", 1, 1},
  };
  return infos[type];
}

IIEValue TRWFuzzyInferenceFunction::Execute(TFunctionCall& call, TIEContext& context) {
  IEngineServices& engine = EngineOf(context);
  TFuzzyInferenceMethod previous = engine.FuzzyInferenceMethod();
  if (FunctionType() == fifSetInference)
    engine.SetFuzzyInferenceMethod(InferenceNamed(call.EvaluateArgument(0, context)->AsString()));
  return MakeAtom(kInferenceWords[previous]);
}

const TFuzzyFunctionInfo& TRWFuzzyThresholdFunction::Info(TRWFuzzyThresholdFunctionType type) const {
  static const TFuzzyFunctionInfo infos[] = {
      {"get-fuzzy-threshold", "The membership at which two fuzzy values count as equal", "", 0,
       0},
      {"set-fuzzy-threshold",
       "Sets the membership at which two fuzzy values count as equal; returns the previous one",
       " <numeric-expression>", 1, 1},
  };
  return infos[type];
}

IIEValue TRWFuzzyThresholdFunction::Execute(TFunctionCall& call, TIEContext& context) {
  IEngineServices& engine = EngineOf(context);
  double previous = engine.FuzzyEqualsThreshold();
  if (FunctionType() == ftfSetFuzzyThreshold)
    engine.SetFuzzyEqualsThreshold(float(call.EvaluateArgument(0, context)->AsNumeric()));
  return SingleValue(previous);
}

}  // namespace vettora
