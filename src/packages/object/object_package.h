#pragma once
// TObjectPackage: rules reach the host application's objects -- components
// by name, their published properties, registered classes and actions --
// through the engine's THostRuntime. Objects travel as dtObject values that
// hold a THostObjectRef, so a value outliving its component reports the
// component as freed; classes travel as dtClass values.

#include <string>

#include "functions/package_table.h"
#include "functions/user_function.h"
#include "functions/user_package.h"

namespace vettora {

class TFunctionCall;
class TIEContext;
class THostRuntime;
class THostClass;
class TComponent;
class TObject;

// Common base: the runtime of the call's engine and the argument readers.
class TObjectFunction : public TIEUserFunction {
 protected:
  TObjectFunction(const std::string& name, const std::string& help, const std::string& arguments,
                  int32_t min, int32_t max);
  [[nodiscard]] THostRuntime& RuntimeOf(TIEContext& context) const;
  // Argument i as a live object; a freed component raises.
  [[nodiscard]] TObject& ObjectArgument(TFunctionCall& call, int32_t i, TIEContext& context) const;
  [[nodiscard]] TComponent& ComponentArgument(TFunctionCall& call, int32_t i,
                                              TIEContext& context) const;
  // Argument i as a class: a class value or the name of a registered class.
  [[nodiscard]] const THostClass& ClassArgument(TFunctionCall& call, int32_t i,
                                                TIEContext& context) const;
};

#define VETTORA_OBJECT_FUNCTION(Class)                                      \
  class Class : public TObjectFunction {                                    \
   public:                                                                  \
    Class();                                                                \
    [[nodiscard]] std::string ClassName() const override { return #Class; } \
                                                                            \
   protected:                                                               \
    IIEValue Execute(TFunctionCall& call, TIEContext& context) override;    \
  }

VETTORA_OBJECT_FUNCTION(TCreateComponentFunction);
VETTORA_OBJECT_FUNCTION(TCreateObjectFunction);
VETTORA_OBJECT_FUNCTION(TExecuteActionFunction);
VETTORA_OBJECT_FUNCTION(TFreeObjectFunction);
VETTORA_OBJECT_FUNCTION(TGetComponentFunction);
VETTORA_OBJECT_FUNCTION(TGetComponentsFunction);
VETTORA_OBJECT_FUNCTION(TGetClassFunction);
VETTORA_OBJECT_FUNCTION(TGetPropertyFunction);
VETTORA_OBJECT_FUNCTION(TGetPropertiesFunction);
VETTORA_OBJECT_FUNCTION(TSetPropertyFunction);
VETTORA_OBJECT_FUNCTION(TIsClassFunction);

#undef VETTORA_OBJECT_FUNCTION

class TObjectPackage : public TUserPackage {
 public:
  explicit TObjectPackage(TComponent* owner = nullptr) : TUserPackage(owner) {}
  [[nodiscard]] std::string ClassName() const override { return "TObjectPackage"; }
  // The package's functions by name, in the order they are added.
  [[nodiscard]] static TPackageTable Table();

 protected:
  void CreateFunctions() override;
};

}  // namespace vettora
