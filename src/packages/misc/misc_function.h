#pragma once
// TMiscFunction: the common base of the miscellaneous package's functions.
// A function sets its name, help text, signature and argument limits once,
// at construction, and reaches its engine through the call's context.

#include <string>

#include "functions/function_call.h"
#include "functions/user_function.h"

namespace vettora {

class IEngineServices;

class TMiscFunction : public TIEUserFunction {
 protected:
  TMiscFunction(const std::string& name, const std::string& help, const std::string& arguments,
                int32_t min, int32_t max);
  // The services of the engine the context evaluates in; raises a clear
  // error when the context belongs to no engine.
  [[nodiscard]] IEngineServices& EngineOf(TIEContext& context) const;
  // Argument i (from 0) evaluated; nil when the argument gave no value.
  [[nodiscard]] static IIEValue Arg(const TFunctionCall& call, int32_t i, TIEContext& context);
};

// Declares a stateless function class of the package: a constructor that
// sets name, help, signature and limits, and Execute.
#define VETTORA_MISC_FUNCTION(Class)                                        \
  class Class : public TMiscFunction {                                      \
   public:                                                                  \
    Class();                                                                \
    [[nodiscard]] std::string ClassName() const override { return #Class; } \
                                                                            \
   protected:                                                               \
    IIEValue Execute(TFunctionCall& call, TIEContext& context) override;    \
  }

// Declares a function class shared by several functions, told apart by a
// type chosen from the function's name.
#define VETTORA_MISC_TYPED_FUNCTION(Class, Type)                            \
  class Class : public TMiscFunction {                                      \
   public:                                                                  \
    explicit Class(Type type);                                              \
    [[nodiscard]] std::string ClassName() const override { return #Class; } \
    [[nodiscard]] Type FunctionType() const { return FType; }               \
                                                                            \
   protected:                                                               \
    IIEValue Execute(TFunctionCall& call, TIEContext& context) override;    \
                                                                            \
   private:                                                                 \
    Type FType;                                                             \
  }

}  // namespace vettora
