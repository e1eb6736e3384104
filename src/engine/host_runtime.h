#pragma once
// THostRuntime: how rules reach the host application's objects (the object
// package's functions). The engine only needs these operations: classes by
// name, creating objects and components, published properties by name with
// a typed value, the components a component owns, and actions.
//
// The engine installs a headless runtime over its own components (the
// engine, its rules, fact sets and packages); a GUI host plugs in a runtime
// over its widgets and actions with TInferenceEngine::SetHostRuntime.
//
// Objects cross this interface as plain TObject pointers that stay valid
// for the duration of one call. Whoever keeps an object longer (a rule
// value) holds it through a THostObjectRef, which watches the component's
// free notification, so a freed component is seen as freed, never as a
// dangling pointer. A runtime therefore only hands out objects that are
// TComponents when they may outlive the call.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "values/component.h"
#include "values/object.h"

namespace vettora {

class TInferenceEngine;

// The kind of a published property, which fixes its rule-language value:
// integers and floats as numbers, strings as strings, Booleans as TRUE or
// FALSE, enumerations as the member's name as a symbol, sets as their set
// text "[member1,member2]" (a string), objects as object values.
enum THostPropertyKind : uint8_t {
  hpkInteger,
  hpkFloat,
  hpkString,
  hpkBoolean,
  hpkEnumeration,
  hpkSet,
  hpkObject,
};

// A property's value on its way in or out of a host object. Only the field
// of the kind is meaningful: Integer for hpkInteger, Float for hpkFloat,
// Boolean for hpkBoolean, Text for strings, enumeration members and set
// texts, Object for objects (null for none).
struct THostValue {
  THostPropertyKind Kind = hpkString;
  int32_t Integer = 0;
  double Float = 0;
  bool Boolean = false;
  std::string Text;
  TObject* Object = nullptr;
};

// One published property of an object: its name, kind, the members of an
// enumeration or set in ordinal order, and whether it can be written.
struct THostProperty {
  std::string Name;
  THostPropertyKind Kind = hpkString;
  std::vector<std::string> Members;
  bool ReadOnly = false;
};

// A class of the host object model, held by dtClass values. The runtime
// that made it answers for it.
class THostClass : public TObjectClass {
 public:
  explicit THostClass(std::string name, const THostClass* parent = nullptr)
      : FName(std::move(name)), FParent(parent) {}
  [[nodiscard]] std::string ClassName() const override { return FName; }
  [[nodiscard]] const THostClass* Parent() const { return FParent; }
  // True for this class and every class derived from it.
  [[nodiscard]] bool InheritsFrom(const THostClass& ancestor) const {
    for (const THostClass* c = this; c; c = c->FParent)
      if (c == &ancestor) return true;
    return false;
  }

 private:
  std::string FName;
  const THostClass* FParent;
};

class THostRuntime {
 public:
  virtual ~THostRuntime() = default;

  // ---- Classes.
  // The registered class of that name, or null.
  [[nodiscard]] virtual const THostClass* FindClass(const std::string& name) const = 0;
  // The class of an object the runtime knows, or null.
  [[nodiscard]] virtual const THostClass* ClassOf(const TObject& object) const = 0;
  // A new object of the class that the caller owns (freed with FreeObject);
  // raises EIEException when the class cannot be created.
  [[nodiscard]] virtual TObject* CreateObject(const THostClass& cls) = 0;
  // A new component of the class owned by `owner` (which frees it), placed
  // in `parent` when the host has visual parents; raises EIEException when
  // the class is not a component class.
  [[nodiscard]] virtual TComponent* CreateComponent(const THostClass& cls, TComponent& owner,
                                                    TComponent* parent) = 0;
  // Frees an object the rules asked to free. Raises EIEException for an
  // object the host must keep (the engine itself, for example).
  virtual void FreeObject(TObject& object) = 0;

  // ---- Components.
  // The component get-component returns without arguments: the owner of
  // the engine, or the engine itself when nothing owns it.
  [[nodiscard]] virtual TComponent& Root() = 0;
  // The components `owner` owns, in ownership order.
  [[nodiscard]] virtual std::vector<TComponent*> Components(TComponent& owner) = 0;
  // The component of that name owned by `owner`, or null.
  [[nodiscard]] virtual TComponent* FindComponent(TComponent& owner, const std::string& name) = 0;

  // ---- Published properties.
  // The object's published properties, in declaration order.
  [[nodiscard]] virtual std::vector<THostProperty> Properties(TObject& object) = 0;
  // Reads the property into `value`; false when the object has no
  // property of that name.
  virtual bool GetProperty(TObject& object, const std::string& name, THostValue& value) = 0;
  // Writes the property from `value` (already converted to the property's
  // kind); false when there is no such property. A read-only property or a
  // value the property refuses (an unknown enumeration member) raises
  // EIEException.
  virtual bool SetProperty(TObject& object, const std::string& name, const THostValue& value) = 0;

  // ---- Actions.
  // Runs the action; its result is whether the action handled itself.
  // Raises EIEException when the object is not an action.
  virtual bool ExecuteAction(TObject& action) = 0;
};

// The runtime over the engine's own components; defined in
// headless_runtime.cpp.
[[nodiscard]] std::unique_ptr<THostRuntime> NewHeadlessRuntime(TInferenceEngine& engine);

}  // namespace vettora
