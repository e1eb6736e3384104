// The get-fs readers, the universe functions and defuzzification.
#include "engine/defined_types.h"
#include "functions/engine_services.h"
#include "functions/function_call.h"
#include "functions/messages.h"
#include "fuzzy/fuzzy_variable.h"
#include "knowledge/defined_type.h"
#include "matching/context.h"
#include "packages/fuzzy_logic/fuzzy_logic_package.h"
#include "packages/fuzzy_logic/messages.h"
#include "values/exceptions.h"
#include "values/format.h"
#include "values/singletons_vector.h"
#include "values/value_type.h"

namespace vettora {

namespace {

constexpr const char* kFactOrFuzzy = " <fact-expression> | <fact-id-expression> | <fuzzy-value-expression>";
constexpr const char* kUniverseArguments =
    " <fuzzy-type-expression> | <fuzzy-fact-expression> | <fuzzy-fact-id-expression>";
constexpr const char* kDefuzzifyArguments =
    " <fact-id-expression> | <fact-expression> | <fuzzy-value-expression> ";
constexpr const char* kUniverseKinds = "FuzzyType, Fact, FactId";

}  // namespace

// ---- get-fs, get-fs-length, get-fs-x, get-fs-y, get-fs-variable, get-fs-value --

const TFuzzyFunctionInfo& TGetFuzzyFunction::Info(TGetFuzzyFunctionType type) const {
  static const std::string indexed = std::string(kFactOrFuzzy) + " <integer-expression>";
  static const std::string valued = std::string(kFactOrFuzzy) + " <numeric-expression>";
  static const TFuzzyFunctionInfo infos[] = {
      {"get-fs", "The points of the fuzzy value as ((x y) ...)", kFactOrFuzzy, 1, 1},
      {"get-fs-length", "The number of points of the fuzzy value", kFactOrFuzzy, 1, 1},
      {"get-fs-x", "X of the point with that 0-based index", indexed.c_str(), 2, 2},
      {"get-fs-y", "Y of the point with that 0-based index", indexed.c_str(), 2, 2},
      {"get-fs-variable", "The name of the fuzzy value's variable", kFactOrFuzzy, 1, 1},
      {"get-fs-value", "The membership of the fuzzy value at X", valued.c_str(), 2, 2},
  };
  return infos[type];
}

IIEValue TGetFuzzyFunction::Execute(TFunctionCall& call, TIEContext& context) {
  IFuzzySet held = FuzzyArgument(call, 0, context);
  TIFuzzySet& set = *held;
  const TFuzzySetValues& points = set.Values();
  switch (FunctionType()) {
    case gffGetFs: {
      auto singletons = MakeRef<TSingletonsVector>();
      for (const TFuzzySetValue& p : points.Points())
        singletons->Add(MakeFloat(p.X()), MakeFloat(p.Y()));
      return MakeRef<TIEValue>(ISingletonsVector(singletons));
    }
    case gffGetFsLength:
      return MakeInteger(points.Count());
    case gffGetFsX:
    case gffGetFsY: {
      int32_t i = call.EvaluateArgument(1, context)->AsInteger();
      // An index outside the points is reported, never read.
      if (i < 0 || i >= points.Count())
        throw EIEException(FormatMessage(kFzPointIndex, {i, points.Count() - 1, set.Name()}));
      return MakeFloat(FunctionType() == gffGetFsX ? points[i].X() : points[i].Y());
    }
    case gffGetFsVariable:
      return set.Variable() ? MakeAtom(set.Variable()->Name()) : NilValue();
    case gffGetFsValue:
      return MakeFloat(set.Membership(call.EvaluateArgument(1, context)->AsNumeric()));
  }
  return NilValue();
}

// ---- get-u, get-u-from, get-u-to, get-u-units ---------------------------------

const TFuzzyFunctionInfo& TUniverseOfDiscourseFunction::Info(
    TUniverseOfDiscourseFunctionType type) const {
  static const TFuzzyFunctionInfo infos[] = {
      {"get-u", "The universe of discourse as \"low - high units\"", kUniverseArguments, 1, 1},
      {"get-u-from", "The lower limit of the universe of discourse", kUniverseArguments, 1, 1},
      {"get-u-to", "The upper limit of the universe of discourse", kUniverseArguments, 1, 1},
      {"get-u-units", "The units of the universe of discourse", kUniverseArguments, 1, 1},
  };
  return infos[type];
}

// A fuzzy type by name, a fuzzy value, a fuzzy fact or a fact id.
IIEValue TUniverseOfDiscourseFunction::Execute(TFunctionCall& call, TIEContext& context) {
  IIEValue value = call.EvaluateArgument(0, context);
  TIFuzzyVariable* variable = nullptr;
  TIEType kind = value->DType();
  if (kind == dtAtom || kind == dtString) {
    IIEDefinedType type = EngineOf(context).DefinedTypes().Find(value->AsString());
    if (type) variable = type->FuzzyVariable().Get();
  } else if (kind == dtFuzzy || kind == dtFact || kind == dtFactId || kind == dtInteger) {
    variable = FuzzyArgument(context, value)->Variable();
  }
  if (!variable)
    throw EIEException(FormatMessage(kFzInvalidArgumentType, {TypeName(kind), kUniverseKinds}));
  switch (FunctionType()) {
    case uodGet:
      return MakeString(FormatMessage(
          kFzUniverse, {variable->Minimum(), variable->Maximum(), variable->Units()}));
    case uodGetFrom:
      return MakeFloat(variable->Minimum());
    case uodGetTo:
      return MakeFloat(variable->Maximum());
    case uodGetUnits:
      return MakeString(variable->Units());
  }
  return NilValue();
}

// ---- moment-defuzzify, maximum-defuzzify, is-undecidable, get-compatibility-index

const TFuzzyFunctionInfo& TDefuzzifyFunction::Info(TDefuzzifyFunctionType type) const {
  static const TFuzzyFunctionInfo infos[] = {
      {"moment-defuzzify", "The centre of gravity of the fuzzy value", kDefuzzifyArguments, 1,
       1},
      {"maximum-defuzzify", "The mean of the maxima of the fuzzy value", kDefuzzifyArguments, 1,
       1},
      {"is-undecidable",
       "TRUE when the fuzzy value's last defuzzification remembered a membership of 0",
       kDefuzzifyArguments, 1, 1},
      {"get-compatibility-index", "The membership the last defuzzification remembered",
       kDefuzzifyArguments, 1, 1},
  };
  return infos[type];
}

IIEValue TDefuzzifyFunction::Execute(TFunctionCall& call, TIEContext& context) {
  IFuzzySet held = FuzzyArgument(call, 0, context);
  TIFuzzySet& set = *held;
  switch (FunctionType()) {
    case dftMoment:
      return MakeFloat(set.MomentDefuzzify());
    case dftMaximum:
      return MakeFloat(set.MaximumDefuzzify());
    case dftUndecidable:
      return BoolValue(set.DefuzzifyMembership() == 0);
    case dftCompatibilityIndex:
      return MakeFloat(set.DefuzzifyMembership());
  }
  return NilValue();
}

}  // namespace vettora
