#pragma once
// TMathPackage: the arithmetic functions of the rule language (+, -, *, /,
// div, mod, abs, max, min, exp, log, log10, sqrt, **, float, integer,
// round, PI, random, randomize, seed), registered in that table order.

#include <string>

#include "functions/package_table.h"
#include "functions/user_function.h"
#include "functions/user_package.h"
#include "packages/math/math_random.h"

namespace vettora {

// Common base: a math function sets its name, help text, signature and
// argument limits once, at construction.
class TMathFunction : public TIEUserFunction {
 protected:
  TMathFunction(const std::string& name, const std::string& help, const std::string& arguments,
                int32_t min, int32_t max);
};

// Declares a stateless math function class.
#define VETTORA_MATH_FUNCTION(Class)                                        \
  class Class : public TMathFunction {                                      \
   public:                                                                  \
    Class();                                                                \
    [[nodiscard]] std::string ClassName() const override { return #Class; } \
                                                                            \
   protected:                                                               \
    IIEValue Execute(TFunctionCall& call, TIEContext& context) override;    \
  }

VETTORA_MATH_FUNCTION(TAbsFunction);
VETTORA_MATH_FUNCTION(TIntegerDivideFunction);
VETTORA_MATH_FUNCTION(TDivideFunction);
VETTORA_MATH_FUNCTION(TExpFunction);
VETTORA_MATH_FUNCTION(TExptFunction);
VETTORA_MATH_FUNCTION(TFloatFunction);
VETTORA_MATH_FUNCTION(TIntegerFunction);
VETTORA_MATH_FUNCTION(TLogFunction);
VETTORA_MATH_FUNCTION(TLog10Function);
VETTORA_MATH_FUNCTION(TMaxFunction);
VETTORA_MATH_FUNCTION(TMinFunction);
VETTORA_MATH_FUNCTION(TMinusFunction);
VETTORA_MATH_FUNCTION(TModFunction);
VETTORA_MATH_FUNCTION(TPiFunction);
VETTORA_MATH_FUNCTION(TPlusFunction);
VETTORA_MATH_FUNCTION(TRoundFunction);
VETTORA_MATH_FUNCTION(TSqrtFunction);
VETTORA_MATH_FUNCTION(TTimesFunction);

#undef VETTORA_MATH_FUNCTION

// The random functions share their package's generator.
class TRandomFunctionBase : public TMathFunction {
 protected:
  TRandomFunctionBase(TMathRandomRef random, const std::string& name, const std::string& help,
                      const std::string& arguments, int32_t min, int32_t max)
      : TMathFunction(name, help, arguments, min, max), FRandom(std::move(random)) {}
  TMathRandomRef FRandom;
};

class TRandomFunction : public TRandomFunctionBase {
 public:
  explicit TRandomFunction(TMathRandomRef random);
  [[nodiscard]] std::string ClassName() const override { return "TRandomFunction"; }

 protected:
  IIEValue Execute(TFunctionCall& call, TIEContext& context) override;
};

class TRandomizeFunction : public TRandomFunctionBase {
 public:
  explicit TRandomizeFunction(TMathRandomRef random);
  [[nodiscard]] std::string ClassName() const override { return "TRandomizeFunction"; }

 protected:
  IIEValue Execute(TFunctionCall& call, TIEContext& context) override;
};

class TSeedFunction : public TRandomFunctionBase {
 public:
  explicit TSeedFunction(TMathRandomRef random);
  [[nodiscard]] std::string ClassName() const override { return "TSeedFunction"; }

 protected:
  IIEValue Execute(TFunctionCall& call, TIEContext& context) override;
};

class TMathPackage : public TUserPackage {
 public:
  explicit TMathPackage(TComponent* owner = nullptr) : TUserPackage(owner) {}
  [[nodiscard]] std::string ClassName() const override { return "TMathPackage"; }
  [[nodiscard]] TMathRandom& Random() { return *FRandom; }
  // The package's functions by name, in the order they are added.
  [[nodiscard]] TPackageTable Table() const;

 protected:
  void CreateFunctions() override;

 private:
  TMathRandomRef FRandom = std::make_shared<TMathRandom>();
};

}  // namespace vettora
