#pragma once
// TStandardPackage: the core of the rule language — logic and comparison,
// control structures, variables, output and files, engine commands, fact
// commands, storage and the multifield functions.
//
// The function classes live in files by area (standard_*.cpp, declared in
// the matching headers); Table() lists every function once, by name, in the
// package's fixed order.

#include <cstdint>
#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

#include "functions/package_table.h"
#include "functions/user_function.h"
#include "functions/user_package.h"

namespace vettora {

class TFunctionCall;
class TIEContext;
class IEngineServices;

// Common base: a standard function sets its name, help text, signature and
// argument limits once, at construction.
class TStandardFunction : public TIEUserFunction {
 protected:
  TStandardFunction(const std::string& name, const std::string& help, const std::string& arguments,
                    int32_t min, int32_t max);
  // The services of the engine the context evaluates in; raises a clear
  // error when the context belongs to no engine.
  [[nodiscard]] IEngineServices& EngineOf(TIEContext& context) const;
};

// Declares a stateless function class of the standard package: a
// constructor that sets name, help, signature and limits, and Execute.
#define VETTORA_STANDARD_FUNCTION(Class)                                    \
  class Class : public TStandardFunction {                                  \
   public:                                                                  \
    Class();                                                                \
    [[nodiscard]] std::string ClassName() const override { return #Class; } \
                                                                            \
   protected:                                                               \
    IIEValue Execute(TFunctionCall& call, TIEContext& context) override;    \
  }

class TStandardPackage : public TUserPackage {
 public:
  using TUserPackage::TUserPackage;
  [[nodiscard]] std::string ClassName() const override { return "TStandardPackage"; }

  // The package's functions by name, in the order they are added.
  [[nodiscard]] static TPackageTable Table();

 protected:
  void CreateFunctions() override;
};

}  // namespace vettora
