// create-fuzzy-value and the shape functions s, z, pi, tri and beta.
#include "engine/defined_types.h"
#include "functions/engine_services.h"
#include "functions/function_call.h"
#include "fuzzy/fuzzy_expression.h"
#include "fuzzy/ie_fuzzy_set.h"
#include "knowledge/defined_type.h"
#include "matching/context.h"
#include "packages/fuzzy_logic/fuzzy_logic_package.h"
#include "packages/fuzzy_logic/messages.h"
#include "values/exceptions.h"
#include "values/format.h"
#include "values/value_vector.h"

namespace vettora {

// ---- create-fuzzy-value -------------------------------------------------------

TCreateFuzzySetFunction::TCreateFuzzySetFunction()
    : TFuzzyLogicFunction({"create-fuzzy-value",
                           "Creates a fuzzy value of the named fuzzy variable from the fuzzy "
                           "expression that follows",
                           " <fuzzy-variable-expression> <fuzzy-set-expression>", 2, kNoLimit}) {}

// The written items after the variable form one fuzzy expression, so hedges
// and operators reach the evaluator as the words they are.
IIEValue TCreateFuzzySetFunction::Execute(TFunctionCall& call, TIEContext& context) {
  std::string typeName = call.EvaluateArgument(0, context)->AsString();
  IIEDefinedType type = EngineOf(context).DefinedTypes().Find(typeName);
  if (!type || !type->FuzzyVariable())
    throw EIEException(FormatMessage(kFzNotAFuzzyType, {typeName}));
  IValueVector items = MakeRef<TValueVector>();
  for (int32_t i = 1; i < call.ArgumentCount(); ++i) items->Add(call.Argument(i));
  IIEValue result = EvaluateFuzzyExpression(type->FuzzyVariable().Get(),
                                            MakeList(items), &context);
  if (!result || !FuzzySetOf(*result))
    throw EIEException(FormatMessage(kFzNotOneFuzzyValue, {MakeList(items)->AsText()}));
  return result;
}

// ---- s, z, pi, tri, beta ------------------------------------------------------

const TFuzzyFunctionInfo& TCreateFuzzyShapeFunction::Info(TCreateFuzzyShapeFunctionType type) const {
  static const TFuzzyFunctionInfo infos[] = {
      {"s", "An S curve rising from the first to the second number, 7 points",
       " <numeric-expression> <numeric-expression> ", 2, 2},
      {"z", "A Z curve falling from the first to the second number, 7 points",
       " <numeric-expression> <numeric-expression> ", 2, 2},
      {"pi", "A PI curve by centre and half-width, or by left, centre and right, 7 points",
       " [ <center-numeric-expression> <range-numeric-expression> ] |  [ "
       "<left-numeric-expression> <center-numeric-expression> <right-numeric-expression> ]",
       2, 3},
      {"tri", "A triangle by its left foot, peak and right foot",
       " <left-numeric-expression> <center-numeric-expression> <right-numeric-expression> ", 3,
       3},
      {"beta", "A beta curve by centre, half-range, width and weight, 7 points",
       " <center-numeric-expression> <range-numeric-expression> [ "
       "<inflection-numeric-expression> [ <weight-numeric-expression> ]]",
       2, 4},
  };
  return infos[type];
}

// A new engine set named with the call's text, free of any variable, with
// the engine's equality threshold.
IIEValue TCreateFuzzyShapeFunction::Execute(TFunctionCall& call, TIEContext& context) {
  constexpr int kPoints = 7;
  std::vector<double> a;
  // The call as written, without any comment the parser attached to it.
  std::string name = "(" + FunctionName();
  for (int32_t i = 0; i < call.ArgumentCount(); ++i) {
    a.push_back(call.EvaluateArgument(i, context)->AsNumeric());
    name += " " + call.Argument(i)->AsText();
  }
  auto set = MakeRef<TIEFuzzySet>(name + ")");
  set->SetThreshold(EngineOf(context).FuzzyEqualsThreshold());
  switch (FunctionType()) {
    case fsGrowthShape:
      set->GrowthCurve(a[0], a[1], kPoints);
      break;
    case fsDeclineShape:
      set->DeclineCurve(a[0], a[1], kPoints);
      break;
    case fsPIShape:
      if (a.size() == 2)
        set->PICurveCentered(a[0], a[1], kPoints);
      else
        set->PICurve(a[0], a[2], a[1], kPoints);
      break;
    case fsTriangleShape:
      set->Triangle(a[0], a[1], a[2]);
      break;
    case fsBetaShape: {
      double width = a.size() > 2 ? a[2] : (a[0] + a[1]) / 2;
      double weight = a.size() > 3 ? a[3] : 1.0;
      set->BetaCurve(weight, width, a[0], a[1], kPoints);
      break;
    }
  }
  return MakeRef<TIEValue>(IFuzzySetBase(set));
}

}  // namespace vettora
