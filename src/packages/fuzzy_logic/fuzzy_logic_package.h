#pragma once
// TFuzzyLogicPackage: rule-language access to fuzzy values -- creating and
// combining them, asserting fuzzy facts, reading them back, defuzzifying
// and plotting them, the shape functions and the engine's fuzzy settings.
//
// Several functions share one class whose function type (an enumeration)
// is chosen by the function's name; choosing a type sets the name, help
// text, argument text and argument limits together.

#include <string>

#include "functions/package_table.h"
#include "functions/user_function.h"
#include "functions/user_package.h"
#include "fuzzy/ie_fuzzy_set.h"

namespace vettora {

class TFunctionCall;
class TIEContext;
class IEngineServices;
class TIFuzzyVariable;

// What a function type fixes about its function.
struct TFuzzyFunctionInfo {
  const char* Name;
  const char* Help;
  const char* Arguments;
  int32_t Min;
  int32_t Max;
};

// Common base: the engine of the call and the conversion every function
// shares from an argument to the fuzzy value it stands for.
class TFuzzyLogicFunction : public TIEUserFunction {
 protected:
  TFuzzyLogicFunction() = default;
  explicit TFuzzyLogicFunction(const TFuzzyFunctionInfo& info) { Describe(info); }
  void Describe(const TFuzzyFunctionInfo& info);
  [[nodiscard]] IEngineServices& EngineOf(TIEContext& context) const;
  // A fact (its first fuzzy slot), an integer or fact id naming a fact, or
  // any value read as a fuzzy value.
  // The set is held, so it outlives the value it came from.
  [[nodiscard]] IFuzzySet FuzzyArgument(TIEContext& context, const IIEValue& value) const;
  [[nodiscard]] IFuzzySet FuzzyArgument(TFunctionCall& call, int32_t i,
                                        TIEContext& context) const;
};

// A function class with a function-type enumeration E whose last member is
// Last; Info(type) gives what the type fixes.
template <class E, E Last>
class TTypedFuzzyFunction : public TFuzzyLogicFunction {
 public:
  [[nodiscard]] E FunctionType() const { return FFunctionType; }
  void SetFunctionType(E type) {
    FFunctionType = type;
    Describe(Info(type));
  }
  // Chooses the type whose function name is `name`; false, with nothing
  // changed, when no type of this class has that name.
  bool SelectType(const std::string& name) {
    for (int t = 0; t <= int(Last); ++t)
      if (name == Info(E(t)).Name) {
        SetFunctionType(E(t));
        return true;
      }
    return false;
  }

 protected:
  // The derived constructor chooses the type: Info is virtual.
  TTypedFuzzyFunction() = default;
  [[nodiscard]] virtual const TFuzzyFunctionInfo& Info(E type) const = 0;

 private:
  E FFunctionType{};
};

enum TFuzzyAssertFunctionType : uint8_t { fafAssert, fafAssertUnconditional };
enum TFuzzyOperationFunctionType : uint8_t {
  fofFuzzyUnion,
  fofFuzzyUnionX,
  fofFuzzyIntersection,
  fofFuzzyIntersectionX,
};
enum TGetFuzzyFunctionType : uint8_t {
  gffGetFs,
  gffGetFsLength,
  gffGetFsX,
  gffGetFsY,
  gffGetFsVariable,
  gffGetFsValue,
};
enum TRWActivationThresholdFunctionType : uint8_t {
  atfGetActivationThreshold,
  atfSetActivationThreshold,
};
enum TRWFuzzyAutoTermsType : uint8_t { fatGetFuzzyAutoTerms, fatSetFuzzyAutoTerms };
enum TRWFuzzyCorrelationFunctionType : uint8_t { fcfGetCorrelation, fcfSetCorrelation };
enum TRWFuzzyInferenceFunctionType : uint8_t { fifGetInference, fifSetInference };
enum TRWFuzzyThresholdFunctionType : uint8_t { ftfGetFuzzyThreshold, ftfSetFuzzyThreshold };
enum TUniverseOfDiscourseFunctionType : uint8_t { uodGet, uodGetFrom, uodGetTo, uodGetUnits };
enum TDefuzzifyFunctionType : uint8_t {
  dftMoment,
  dftMaximum,
  dftUndecidable,
  dftCompatibilityIndex,
};
enum TCreateFuzzyShapeFunctionType : uint8_t {
  fsGrowthShape,
  fsDeclineShape,
  fsPIShape,
  fsTriangleShape,
  fsBetaShape,
};

// Declares a function class without a type.
#define VETTORA_FUZZY_FUNCTION(Class)                                       \
  class Class : public TFuzzyLogicFunction {                                \
   public:                                                                  \
    Class();                                                                \
    [[nodiscard]] std::string ClassName() const override { return #Class; } \
                                                                            \
   protected:                                                               \
    IIEValue Execute(TFunctionCall& call, TIEContext& context) override;    \
  }

// Declares a function class with the function-type enumeration E.
#define VETTORA_TYPED_FUZZY_FUNCTION(Class, E, Last)                              \
  class Class : public TTypedFuzzyFunction<E, Last> {                             \
   public:                                                                        \
    explicit Class(E type) { SetFunctionType(type); }                             \
    [[nodiscard]] std::string ClassName() const override { return #Class; }       \
                                                                                  \
   protected:                                                                     \
    [[nodiscard]] const TFuzzyFunctionInfo& Info(E type) const override;          \
    IIEValue Execute(TFunctionCall& call, TIEContext& context) override;          \
  }

VETTORA_FUZZY_FUNCTION(TCreateFuzzySetFunction);
VETTORA_TYPED_FUZZY_FUNCTION(TFuzzyAssertFunction, TFuzzyAssertFunctionType,
                             fafAssertUnconditional);
VETTORA_TYPED_FUZZY_FUNCTION(TFuzzyOperationFunction, TFuzzyOperationFunctionType,
                             fofFuzzyIntersectionX);
VETTORA_TYPED_FUZZY_FUNCTION(TGetFuzzyFunction, TGetFuzzyFunctionType,
                             gffGetFsValue);
VETTORA_TYPED_FUZZY_FUNCTION(TRWActivationThresholdFunction, TRWActivationThresholdFunctionType,
                             atfSetActivationThreshold);
VETTORA_TYPED_FUZZY_FUNCTION(TRWFuzzyAutoTerms, TRWFuzzyAutoTermsType,
                             fatSetFuzzyAutoTerms);
VETTORA_TYPED_FUZZY_FUNCTION(TRWFuzzyCorrelationFunction, TRWFuzzyCorrelationFunctionType,
                             fcfSetCorrelation);
VETTORA_TYPED_FUZZY_FUNCTION(TRWFuzzyInferenceFunction, TRWFuzzyInferenceFunctionType,
                             fifSetInference);
VETTORA_TYPED_FUZZY_FUNCTION(TRWFuzzyThresholdFunction, TRWFuzzyThresholdFunctionType,
                             ftfSetFuzzyThreshold);
VETTORA_TYPED_FUZZY_FUNCTION(TUniverseOfDiscourseFunction, TUniverseOfDiscourseFunctionType,
                             uodGetUnits);
VETTORA_TYPED_FUZZY_FUNCTION(TDefuzzifyFunction, TDefuzzifyFunctionType,
                             dftCompatibilityIndex);
VETTORA_FUZZY_FUNCTION(TPlotFuzzySetFunction);
VETTORA_TYPED_FUZZY_FUNCTION(TCreateFuzzyShapeFunction, TCreateFuzzyShapeFunctionType,
                             fsBetaShape);

#undef VETTORA_FUZZY_FUNCTION
#undef VETTORA_TYPED_FUZZY_FUNCTION

class TFuzzyLogicPackage : public TUserPackage {
 public:
  explicit TFuzzyLogicPackage(TComponent* owner = nullptr) : TUserPackage(owner) {}
  [[nodiscard]] std::string ClassName() const override { return "TFuzzyLogicPackage"; }
  // The package's functions by name, in the order they are added.
  [[nodiscard]] static TPackageTable Table();

 protected:
  void CreateFunctions() override;
};

}  // namespace vettora
