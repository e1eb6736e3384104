#pragma once
// The bases of the trigonometry package's functions. Every function takes
// numbers and answers a float; a result that is not a finite number is an
// error naming the function and its arguments, never a NaN or infinity
// handed on silently.
//
// One class per function: a class only names its base's formula.

#include <string>

#include "functions/built_in_function.h"

namespace vettora {

// A function of one number: f(x).
class TUnaryTrigFunction : public TBuiltInFunction {
 public:
  using TFormula = double (*)(double);

 protected:
  TUnaryTrigFunction(const std::string& name, const std::string& help, TFormula formula);
  IIEValue Execute(TFunctionCall& call, TIEContext& context) override;

 private:
  TFormula FFormula;
};

// A function of a point: f(X, Y).
class TPointTrigFunction : public TBuiltInFunction {
 public:
  using TFormula = double (*)(double x, double y);

 protected:
  TPointTrigFunction(const std::string& name, const std::string& help, TFormula formula);
  IIEValue Execute(TFunctionCall& call, TIEContext& context) override;

 private:
  TFormula FFormula;
};

// A distance between two multifields of numbers of equal length: the
// finish applied to the sum of term(aᵢ − bᵢ) over the element pairs.
class TDistanceFunctionBase : public TBuiltInFunction {
 public:
  using TTerm = double (*)(double difference);
  using TFinish = double (*)(double sum);

 protected:
  TDistanceFunctionBase(const std::string& name, const std::string& help, TTerm term,
                        TFinish finish);
  IIEValue Execute(TFunctionCall& call, TIEContext& context) override;

 private:
  TTerm FTerm;
  TFinish FFinish;
};

// Declares a function class of the package over one of the bases.
#define VETTORA_TRIG_FUNCTION(Class, Base)                                  \
  class Class : public Base {                                               \
   public:                                                                  \
    Class();                                                                \
    [[nodiscard]] std::string ClassName() const override { return #Class; } \
  }

}  // namespace vettora
