#pragma once
// TBuiltInFunction: the common base of the functions a built-in package
// supplies. A built-in function sets its name, help text, signature and
// argument limits once, at construction, and then only executes calls.

#include <cstdint>
#include <string>

#include "functions/user_function.h"

namespace vettora {

class TBuiltInFunction : public TIEUserFunction {
 protected:
  TBuiltInFunction(const std::string& name, const std::string& help, const std::string& arguments,
                   int32_t min, int32_t max) {
    SetFunctionName(name);
    SetComment(help);
    SetArgumentString(arguments);
    SetArgumentLimits(min, max);
  }
};

// Declares a stateless built-in function class: a constructor that sets
// name, help, signature and limits, its class name and Execute.
#define VETTORA_BUILT_IN_FUNCTION(Class, Base)                              \
  class Class : public Base {                                               \
   public:                                                                  \
    Class();                                                                \
    [[nodiscard]] std::string ClassName() const override { return #Class; } \
                                                                            \
   protected:                                                               \
    IIEValue Execute(TFunctionCall& call, TIEContext& context) override;    \
  }

}  // namespace vettora
