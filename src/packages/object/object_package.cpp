// The object package: its function table, the argument readers and the
// conversion between rule values and host property values.
#include "packages/object/object_package.h"

#include "engine/host_object_ref.h"
#include "engine/host_runtime.h"
#include "engine/messages.h"
#include "functions/engine_services.h"
#include "functions/function_call.h"
#include "matching/context.h"
#include "packages/object/messages.h"
#include "values/exceptions.h"
#include "values/format.h"
#include "values/value_vector.h"

namespace vettora {

namespace {

// A dtObject value owning a freed-safe reference to the object; nil for none.
IIEValue ObjectValue(TObject* object) {
  if (!object) return NilValue();
  auto value = MakeRef<TIEValue>();
  value->SetAsOwnedObject(new THostObjectRef(object));
  return value;
}

IIEValue ComponentList(const std::vector<TComponent*>& components) {
  IValueVector list = MakeRef<TValueVector>();
  for (TComponent* component : components) list->Add(ObjectValue(component));
  return MakeList(list);
}

// A host property value as the rule value of its kind.
IIEValue RuleValue(const THostValue& value) {
  switch (value.Kind) {
    case hpkInteger:
      return MakeInteger(value.Integer);
    case hpkFloat:
      return MakeFloat(value.Float);
    case hpkBoolean:
      return BoolValue(value.Boolean);
    case hpkEnumeration:
      return MakeAtom(value.Text);
    case hpkObject:
      return ObjectValue(value.Object);
    case hpkString:
    case hpkSet:
      break;
  }
  return MakeString(value.Text);
}

TObject& LiveObject(const TIEValue& value) {
  TObject* object = value.AsObject();  // raises the conversion error for other kinds
  if (auto* ref = dynamic_cast<THostObjectRef*>(object)) return ref->Live();
  if (!object) throw EIEException(FormatMessage(kHostObjectFreed, {"TObject"}));
  return *object;
}

// A rule value converted to the kind of the property it will be written to.
THostValue HostValue(const TIEValue& value, THostPropertyKind kind) {
  THostValue host;
  host.Kind = kind;
  switch (kind) {
    case hpkInteger:
      host.Integer = value.AsInteger();
      break;
    case hpkFloat:
      host.Float = value.AsNumeric();
      break;
    case hpkBoolean:
      host.Boolean = !value.Equals(FalseValue().Get());
      break;
    case hpkObject:
      host.Object = value.Equals(NilValue().Get()) ? nullptr : &LiveObject(value);
      break;
    case hpkString:
    case hpkEnumeration:
    case hpkSet:
      host.Text = value.AsString();
      break;
  }
  return host;
}

}  // namespace

TObjectFunction::TObjectFunction(const std::string& name, const std::string& help,
                                 const std::string& arguments, int32_t min, int32_t max) {
  SetFunctionName(name);
  SetComment(help);
  SetArgumentString(arguments);
  SetArgumentLimits(min, max);
}

THostRuntime& TObjectFunction::RuntimeOf(TIEContext& context) const {
  IEngineServices* engine = context.Services();
  if (engine == nullptr)
    throw EIEException(FormatMessage(kFunctionNeedsEngine, {FunctionName()}));
  return engine->HostRuntime();
}

TObject& TObjectFunction::ObjectArgument(TFunctionCall& call, int32_t i,
                                         TIEContext& context) const {
  return LiveObject(*call.EvaluateArgument(i, context));
}

TComponent& TObjectFunction::ComponentArgument(TFunctionCall& call, int32_t i,
                                               TIEContext& context) const {
  TObject& object = ObjectArgument(call, i, context);
  auto* component = dynamic_cast<TComponent*>(&object);
  if (!component) throw EIEException(FormatMessage(kObjNotAComponent, {object.ClassName()}));
  return *component;
}

const THostClass& TObjectFunction::ClassArgument(TFunctionCall& call, int32_t i,
                                                 TIEContext& context) const {
  IIEValue value = call.EvaluateArgument(i, context);
  if (value->DType() == dtClass)
    if (auto* cls = dynamic_cast<const THostClass*>(value->AsClass())) return *cls;
  std::string name = value->DType() == dtClass ? value->AsText() : value->AsString();
  const THostClass* cls = RuntimeOf(context).FindClass(name);
  if (!cls) throw EIEException(FormatMessage(kObjClassNotFound, {name}));
  return *cls;
}

// ---- the functions, in table order -------------------------------------------

TCreateComponentFunction::TCreateComponentFunction()
    : TObjectFunction("create-component",
                      "Creates a component of the class owned by the second argument, placed "
                      "in the third when given; returns the component",
                      " <TComponentClass-expression> <TComponent-expression> "
                      "[<TWinControl-expression>]",
                      2, 3) {}

IIEValue TCreateComponentFunction::Execute(TFunctionCall& call, TIEContext& context) {
  const THostClass& cls = ClassArgument(call, 0, context);
  TComponent& owner = ComponentArgument(call, 1, context);
  TComponent* parent = call.ArgumentCount() > 2 ? &ComponentArgument(call, 2, context) : nullptr;
  return ObjectValue(RuntimeOf(context).CreateComponent(cls, owner, parent));
}

TCreateObjectFunction::TCreateObjectFunction()
    : TObjectFunction("create-object", "Creates and returns an object of the class",
                      " <TClass-expression>", 1, 1) {}

IIEValue TCreateObjectFunction::Execute(TFunctionCall& call, TIEContext& context) {
  return ObjectValue(RuntimeOf(context).CreateObject(ClassArgument(call, 0, context)));
}

TExecuteActionFunction::TExecuteActionFunction()
    : TObjectFunction("execute-action", "Executes the action; returns TRUE when it was handled",
                      " <TBasicAction-expression>", 1, 1) {}

IIEValue TExecuteActionFunction::Execute(TFunctionCall& call, TIEContext& context) {
  return BoolValue(RuntimeOf(context).ExecuteAction(ObjectArgument(call, 0, context)));
}

TFreeObjectFunction::TFreeObjectFunction()
    : TObjectFunction("free-object", "Frees every object argument", " <TObject-expression>*", 1,
                      kNoLimit) {}

IIEValue TFreeObjectFunction::Execute(TFunctionCall& call, TIEContext& context) {
  for (int32_t i = 0; i < call.ArgumentCount(); ++i)
    RuntimeOf(context).FreeObject(ObjectArgument(call, i, context));
  return TrueValue();
}

TGetComponentFunction::TGetComponentFunction()
    : TObjectFunction("get-component",
                      "The engine's owner; the component of that name it owns; or the "
                      "component of that name owned by the first argument",
                      " [<component-name>] | \n [<TComponent-expression> <component-name>]", 0,
                      2) {}

IIEValue TGetComponentFunction::Execute(TFunctionCall& call, TIEContext& context) {
  THostRuntime& runtime = RuntimeOf(context);
  int32_t count = call.ArgumentCount();
  if (count == 0) return ObjectValue(&runtime.Root());
  TComponent& owner = count == 2 ? ComponentArgument(call, 0, context) : runtime.Root();
  std::string name = call.EvaluateArgument(count - 1, context)->AsString();
  return ObjectValue(runtime.FindComponent(owner, name));
}

TGetComponentsFunction::TGetComponentsFunction()
    : TObjectFunction("get-components",
                      "A multifield of the components the argument (or the engine's owner) "
                      "owns",
                      " [<TComponent-expression>]", 0, 1) {}

IIEValue TGetComponentsFunction::Execute(TFunctionCall& call, TIEContext& context) {
  THostRuntime& runtime = RuntimeOf(context);
  TComponent& owner = call.ArgumentCount() > 0 ? ComponentArgument(call, 0, context)
                                               : runtime.Root();
  return ComponentList(runtime.Components(owner));
}

TGetClassFunction::TGetClassFunction()
    : TObjectFunction("get-class", "The registered class of that name", " <class-name>", 1, 1) {}

IIEValue TGetClassFunction::Execute(TFunctionCall& call, TIEContext& context) {
  auto value = MakeRef<TIEValue>();
  value->SetAsClass(&ClassArgument(call, 0, context));
  return value;
}

TGetPropertyFunction::TGetPropertyFunction()
    : TObjectFunction("get-property", "The value of the object's published property",
                      " <TObject-expression> <property-name>", 2, 2) {}

IIEValue TGetPropertyFunction::Execute(TFunctionCall& call, TIEContext& context) {
  TObject& object = ObjectArgument(call, 0, context);
  std::string name = call.EvaluateArgument(1, context)->AsString();
  THostValue value;
  if (!RuntimeOf(context).GetProperty(object, name, value))
    throw EIEException(FormatMessage(kObjPropertyNotFound, {name, object.ClassName()}));
  return RuleValue(value);
}

TGetPropertiesFunction::TGetPropertiesFunction()
    : TObjectFunction("get-properties", "A multifield of the object's published property names",
                      " <TObject-expression>", 1, 1) {}

IIEValue TGetPropertiesFunction::Execute(TFunctionCall& call, TIEContext& context) {
  IValueVector list = MakeRef<TValueVector>();
  for (const THostProperty& p : RuntimeOf(context).Properties(ObjectArgument(call, 0, context)))
    list->Add(MakeAtom(p.Name));
  return MakeList(list);
}

TSetPropertyFunction::TSetPropertyFunction()
    : TObjectFunction("set-property",
                      "Sets the object's published property; TRUE when the property exists",
                      " <TObject-expression> <property-name> <expression>", 3, 3) {}

IIEValue TSetPropertyFunction::Execute(TFunctionCall& call, TIEContext& context) {
  THostRuntime& runtime = RuntimeOf(context);
  TObject& object = ObjectArgument(call, 0, context);
  std::string name = call.EvaluateArgument(1, context)->AsString();
  for (const THostProperty& p : runtime.Properties(object))
    if (p.Name == name) {
      IIEValue value = call.EvaluateArgument(2, context);
      // The runtime may have freed nothing meanwhile, but the argument could
      // have freed the object: read it again before writing.
      TObject& target = ObjectArgument(call, 0, context);
      return BoolValue(runtime.SetProperty(target, name, HostValue(*value, p.Kind)));
    }
  return FalseValue();
}

TIsClassFunction::TIsClassFunction()
    : TObjectFunction("is-class",
                      "TRUE when the object is an instance of the class or of a descendant",
                      " <TObject-expression> <TClass-expression>", 2, 2) {}

IIEValue TIsClassFunction::Execute(TFunctionCall& call, TIEContext& context) {
  const THostClass* cls = RuntimeOf(context).ClassOf(ObjectArgument(call, 0, context));
  const THostClass& ancestor = ClassArgument(call, 1, context);
  return BoolValue(cls && cls->InheritsFrom(ancestor));
}

TPackageTable TObjectPackage::Table() {
  return {
      TableEntry<TCreateComponentFunction>("create-component"),
      TableEntry<TCreateObjectFunction>("create-object"),
      TableEntry<TExecuteActionFunction>("execute-action"),
      TableEntry<TFreeObjectFunction>("free-object"),
      TableEntry<TGetComponentFunction>("get-component"),
      TableEntry<TGetComponentsFunction>("get-components"),
      TableEntry<TGetClassFunction>("get-class"),
      TableEntry<TGetPropertyFunction>("get-property"),
      TableEntry<TGetPropertiesFunction>("get-properties"),
      TableEntry<TSetPropertyFunction>("set-property"),
      TableEntry<TIsClassFunction>("is-class"),
  };
}

void TObjectPackage::CreateFunctions() {
  TUserPackage::CreateFunctions();
  AddFromTable(*this, Table());
}

}  // namespace vettora
