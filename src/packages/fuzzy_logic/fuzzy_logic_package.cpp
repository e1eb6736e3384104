// The fuzzy logic package, its function table and the conversion every
// function shares from an argument to a fuzzy value.
#include "packages/fuzzy_logic/fuzzy_logic_package.h"

#include "engine/facts.h"
#include "engine/messages.h"
#include "functions/engine_services.h"
#include "functions/function_call.h"
#include "knowledge/fact.h"
#include "knowledge/fact_template.h"
#include "matching/context.h"
#include "packages/fuzzy_logic/messages.h"
#include "values/exceptions.h"
#include "values/format.h"

namespace vettora {

namespace {

// An entry whose function class takes its function type.
template <class T, class E>
TPackageTableEntry TypedEntry(std::string name, E type) {
  return {std::move(name), [type] { return IUserFunction(MakeRef<T>(type)); }};
}

}  // namespace

void TFuzzyLogicFunction::Describe(const TFuzzyFunctionInfo& info) {
  SetFunctionName(info.Name);
  SetComment(info.Help);
  SetArgumentString(info.Arguments);
  SetArgumentLimits(info.Min, info.Max);
}

IEngineServices& TFuzzyLogicFunction::EngineOf(TIEContext& context) const {
  IEngineServices* engine = context.Services();
  if (engine == nullptr)
    throw EIEException(FormatMessage(kFunctionNeedsEngine, {FunctionName()}));
  return *engine;
}

// The first fuzzy slot of a fact, in the template's declaration order.
static IFuzzySet FirstFuzzySlot(const TFact& fact) {
  if (fact.Template())
    for (const IFactSlot& slot : fact.Template()->SlotsInOrder())
      if (slot->IsFuzzy())
        if (TIFuzzySet* set = FuzzySetOf(*fact.ValueAt(slot->Position()))) return IFuzzySet(set);
  throw EIEException(kFzNotFuzzyFact);
}

IFuzzySet TFuzzyLogicFunction::FuzzyArgument(TIEContext& context, const IIEValue& value) const {
  switch (value->DType()) {
    case dtInteger:
    case dtFactId: {
      IFact fact = EngineOf(context).Facts().FindById(value->AsFactId());
      if (!fact) throw EIEException(FormatMessage(kFzNoSuchFact, {value->AsText()}));
      return FirstFuzzySlot(*fact);
    }
    case dtFact: {
      auto* fact = dynamic_cast<TFact*>(value->AsFact().Get());
      if (!fact) throw EIEException(kFzNotFuzzyFact);
      return FirstFuzzySlot(*fact);
    }
    default:
      (void)value->AsFuzzy();  // raises the conversion error for other kinds
      return IFuzzySet(FuzzySetOf(*value));
  }
}

IFuzzySet TFuzzyLogicFunction::FuzzyArgument(TFunctionCall& call, int32_t i,
                                               TIEContext& context) const {
  return FuzzyArgument(context, call.EvaluateArgument(i, context));
}

TPackageTable TFuzzyLogicPackage::Table() {
  using A = TFuzzyAssertFunction;
  using O = TFuzzyOperationFunction;
  using G = TGetFuzzyFunction;
  using U = TUniverseOfDiscourseFunction;
  using D = TDefuzzifyFunction;
  using S = TCreateFuzzyShapeFunction;
  return {
      TableEntry<TCreateFuzzySetFunction>("create-fuzzy-value"),
      TypedEntry<A>("fuzzy-assert", fafAssert),
      TypedEntry<A>("fuzzy-assert-unconditional", fafAssertUnconditional),
      TypedEntry<O>("fuzzy-union", fofFuzzyUnion),
      TypedEntry<O>("fuzzy-union-x", fofFuzzyUnionX),
      TypedEntry<O>("fuzzy-intersection", fofFuzzyIntersection),
      TypedEntry<O>("fuzzy-intersection-x", fofFuzzyIntersectionX),
      TypedEntry<G>("get-fs", gffGetFs),
      TypedEntry<G>("get-fs-length", gffGetFsLength),
      TypedEntry<G>("get-fs-x", gffGetFsX),
      TypedEntry<G>("get-fs-y", gffGetFsY),
      TypedEntry<G>("get-fs-variable", gffGetFsVariable),
      TypedEntry<G>("get-fs-value", gffGetFsValue),
      TypedEntry<TRWActivationThresholdFunction>("get-activation-threshold",
                                                 atfGetActivationThreshold),
      TypedEntry<TRWActivationThresholdFunction>("set-activation-threshold",
                                                 atfSetActivationThreshold),
      TypedEntry<TRWFuzzyAutoTerms>("get-fuzzy-auto-terms", fatGetFuzzyAutoTerms),
      TypedEntry<TRWFuzzyAutoTerms>("set-fuzzy-auto-terms", fatSetFuzzyAutoTerms),
      TypedEntry<TRWFuzzyCorrelationFunction>("get-fuzzy-correlation", fcfGetCorrelation),
      TypedEntry<TRWFuzzyCorrelationFunction>("set-fuzzy-correlation", fcfSetCorrelation),
      TypedEntry<TRWFuzzyInferenceFunction>("get-fuzzy-inference", fifGetInference),
      TypedEntry<TRWFuzzyInferenceFunction>("set-fuzzy-inference", fifSetInference),
      TypedEntry<TRWFuzzyThresholdFunction>("get-fuzzy-threshold", ftfGetFuzzyThreshold),
      TypedEntry<TRWFuzzyThresholdFunction>("set-fuzzy-threshold", ftfSetFuzzyThreshold),
      TypedEntry<U>("get-u", uodGet),
      TypedEntry<U>("get-u-from", uodGetFrom),
      TypedEntry<U>("get-u-to", uodGetTo),
      TypedEntry<U>("get-u-units", uodGetUnits),
      TypedEntry<D>("moment-defuzzify", dftMoment),
      TypedEntry<D>("maximum-defuzzify", dftMaximum),
      TypedEntry<D>("is-undecidable", dftUndecidable),
      TypedEntry<D>("get-compatibility-index", dftCompatibilityIndex),
      TableEntry<TPlotFuzzySetFunction>("plot-fuzzy-value"),
      TypedEntry<S>("s", fsGrowthShape),
      TypedEntry<S>("z", fsDeclineShape),
      TypedEntry<S>("pi", fsPIShape),
      TypedEntry<S>("tri", fsTriangleShape),
      TypedEntry<S>("beta", fsBetaShape),
  };
}

void TFuzzyLogicPackage::CreateFunctions() {
  TUserPackage::CreateFunctions();
  AddFromTable(*this, Table());
}

}  // namespace vettora
