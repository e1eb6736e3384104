// The headless host runtime: the engine's own components -- the engine,
// its rules, fact sets and packages -- with their published properties,
// reachable by name from the object package.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/fact_set.h"
#include "engine/host_runtime.h"
#include "engine/inference_engine.h"
#include "engine/messages.h"
#include "engine/setting_names.h"
#include "functions/user_package.h"
#include "matching/rule.h"
#include "values/exceptions.h"
#include "values/format.h"

namespace vettora {

namespace {

using TGetter = std::function<void(TObject&, THostValue&)>;
using TSetter = std::function<void(TObject&, const THostValue&)>;

struct TPropertyDef {
  THostProperty Info;
  TGetter Get;
  TSetter Set;  // empty: read-only
};

struct TClassDef {
  const THostClass* Class;
  std::vector<TPropertyDef> Properties;
};

template <size_t N>
std::vector<std::string> Names(const char* const (&names)[N]) {
  return {names, names + N};
}

// The ordinal of an enumeration member by name; refuses an unknown one.
size_t MemberIndex(const THostProperty& info, const std::string& text) {
  for (size_t i = 0; i < info.Members.size(); ++i)
    if (info.Members[i] == text) return i;
  throw EIEException(FormatMessage(kHostBadMember, {text, info.Name}));
}

// "[a,b]" from the members a set holds, in ordinal order.
template <class TSet, class E>
std::string SetText(const TSet& set, const std::vector<std::string>& members) {
  std::string text = "[";
  for (size_t i = 0; i < members.size(); ++i)
    if (set.Contains(E(i))) text += (text.size() > 1 ? "," : "") + members[i];
  return text + "]";
}

std::string Trimmed(const std::string& text) {
  size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// Reads set text "[a, b]" (brackets optional) into a set of the members.
template <class TSet, class E>
TSet ParseSetText(const THostProperty& info, std::string text) {
  text = Trimmed(text);
  if (!text.empty() && text.front() == '[') text.erase(0, 1);
  if (!text.empty() && text.back() == ']') text.pop_back();
  TSet set;
  size_t start = 0;
  while (start <= text.size()) {
    size_t comma = text.find(',', start);
    std::string member = Trimmed(text.substr(start, comma - start));
    if (!member.empty()) set.Include(E(MemberIndex(info, member)));
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  return set;
}

template <class C>
C& As(TObject& object) {
  return static_cast<C&>(object);
}

// ---- Property makers, one per kind.

template <class C>
TPropertyDef IntegerProperty(std::string name, std::function<int32_t(C&)> get,
                             std::function<void(C&, int32_t)> set) {
  TPropertyDef def{{std::move(name), hpkInteger, {}, !set}, nullptr, nullptr};
  def.Get = [get](TObject& o, THostValue& v) { v.Integer = get(As<C>(o)); };
  if (set) def.Set = [set](TObject& o, const THostValue& v) { set(As<C>(o), v.Integer); };
  return def;
}

template <class C>
TPropertyDef FloatProperty(std::string name, std::function<double(C&)> get,
                           std::function<void(C&, double)> set) {
  TPropertyDef def{{std::move(name), hpkFloat, {}, false}, nullptr, nullptr};
  def.Get = [get](TObject& o, THostValue& v) { v.Float = get(As<C>(o)); };
  def.Set = [set](TObject& o, const THostValue& v) { set(As<C>(o), v.Float); };
  return def;
}

template <class C>
TPropertyDef BoolProperty(std::string name, std::function<bool(C&)> get,
                          std::function<void(C&, bool)> set) {
  TPropertyDef def{{std::move(name), hpkBoolean, {}, false}, nullptr, nullptr};
  def.Get = [get](TObject& o, THostValue& v) { v.Boolean = get(As<C>(o)); };
  def.Set = [set](TObject& o, const THostValue& v) { set(As<C>(o), v.Boolean); };
  return def;
}

template <class C>
TPropertyDef StringProperty(std::string name, std::function<std::string(C&)> get,
                            std::function<void(C&, const std::string&)> set) {
  TPropertyDef def{{std::move(name), hpkString, {}, !set}, nullptr, nullptr};
  def.Get = [get](TObject& o, THostValue& v) { v.Text = get(As<C>(o)); };
  if (set) def.Set = [set](TObject& o, const THostValue& v) { set(As<C>(o), v.Text); };
  return def;
}

template <class C>
TPropertyDef ObjectProperty(std::string name, std::function<TObject*(C&)> get) {
  TPropertyDef def{{std::move(name), hpkObject, {}, true}, nullptr, nullptr};
  def.Get = [get](TObject& o, THostValue& v) { v.Object = get(As<C>(o)); };
  return def;
}

template <class C, class E, size_t N>
TPropertyDef EnumProperty(std::string name, const char* const (&names)[N],
                          std::function<E(C&)> get, std::function<void(C&, E)> set) {
  TPropertyDef def{{std::move(name), hpkEnumeration, Names(names), false}, nullptr, nullptr};
  std::vector<std::string> members = def.Info.Members;
  def.Get = [get, members](TObject& o, THostValue& v) { v.Text = members[size_t(get(As<C>(o)))]; };
  THostProperty info = def.Info;
  def.Set = [set, info](TObject& o, const THostValue& v) {
    set(As<C>(o), E(MemberIndex(info, v.Text)));
  };
  return def;
}

template <class C, class E, class TSet, size_t N>
TPropertyDef SetProperty(std::string name, const char* const (&names)[N],
                         std::function<TSet(C&)> get, std::function<void(C&, TSet)> set) {
  TPropertyDef def{{std::move(name), hpkSet, Names(names), false}, nullptr, nullptr};
  THostProperty info = def.Info;
  def.Get = [get, info](TObject& o, THostValue& v) {
    v.Text = SetText<TSet, E>(get(As<C>(o)), info.Members);
  };
  def.Set = [set, info](TObject& o, const THostValue& v) {
    set(As<C>(o), ParseSetText<TSet, E>(info, v.Text));
  };
  return def;
}

// ---- The classes and their published properties.

const THostClass kComponentClass("TComponent");
const THostClass kEngineClass("TInferenceEngine", &kComponentClass);
const THostClass kRuleClass("TRule", &kComponentClass);
const THostClass kFactSetClass("TFactSet", &kComponentClass);
const THostClass kPackageClass("TUserPackage", &kComponentClass);

TPropertyDef NameProperty() {
  return StringProperty<TComponent>(
      "Name", [](TComponent& c) { return c.Name(); },
      [](TComponent& c, const std::string& name) { c.SetName(name); });
}

std::vector<TPropertyDef> EngineProperties() {
  using E = TInferenceEngine;
  return {
      EnumProperty<E, TDuplicateConstructs>(
          "DuplicateConstructs", kDuplicateNames, [](E& e) { return e.DuplicateConstructs(); },
          [](E& e, TDuplicateConstructs v) { e.SetDuplicateConstructs(v); }),
      BoolProperty<E>(
          "FactDuplication", [](E& e) { return e.FactDuplication(); },
          [](E& e, bool v) { e.SetFactDuplication(v); }),
      BoolProperty<E>(
          "FuzzyAutoTerms", [](E& e) { return e.FuzzyAutoTerms(); },
          [](E& e, bool v) { e.SetFuzzyAutoTerms(v); }),
      EnumProperty<E, TFuzzyCorrelationMethod>(
          "FuzzyCorrelationMethod", kCorrelationNames,
          [](E& e) { return e.FuzzyCorrelationMethod(); },
          [](E& e, TFuzzyCorrelationMethod v) { e.SetFuzzyCorrelationMethod(v); }),
      FloatProperty<E>(
          "FuzzyEqualsThreshold", [](E& e) { return double(float(e.FuzzyEqualsThreshold())); },
          [](E& e, double v) { e.SetFuzzyEqualsThreshold(float(v)); }),
      EnumProperty<E, TFuzzyInferenceMethod>(
          "FuzzyInferenceMethod", kInferenceNames, [](E& e) { return e.FuzzyInferenceMethod(); },
          [](E& e, TFuzzyInferenceMethod v) { e.SetFuzzyInferenceMethod(v); }),
      FloatProperty<E>(
          "MinActivationStrength", [](E& e) { return double(e.MinActivationStrength()); },
          [](E& e, double v) { e.SetMinActivationStrength(float(v)); }),
      NameProperty(),
      SetProperty<E, TFunctionPackage, TFunctionPackages>(
          "Packages", kPackageNames, [](E& e) { return e.Packages(); },
          [](E& e, TFunctionPackages v) { e.SetPackages(v); }),
      EnumProperty<E, TErrorHandling>(
          "ParserErrorHandling", kErrorHandlingNames, [](E& e) { return e.ParserErrorHandling(); },
          [](E& e, TErrorHandling v) { e.SetParserErrorHandling(v); }),
      IntegerProperty<E>(
          "ParserMaxErrors", [](E& e) { return e.ParserMaxErrors(); },
          [](E& e, int32_t v) { e.SetParserMaxErrors(v); }),
      BoolProperty<E>(
          "ResetGlobals", [](E& e) { return e.ResetGlobals(); },
          [](E& e, bool v) { e.SetResetGlobals(v); }),
      EnumProperty<E, TSearchStrategy>(
          "Strategy", kStrategyNames, [](E& e) { return e.Strategy(); },
          [](E& e, TSearchStrategy v) { e.SetStrategy(v); }),
      IntegerProperty<E>(
          "SymbolIndex", [](E& e) { return e.SymbolIndex(); },
          [](E& e, int32_t v) { e.SetSymbolIndex(v); }),
      SetProperty<E, TTypeCheck, TTypeChecks>(
          "TypeChecks", kTypeCheckNames, [](E& e) { return e.TypeChecks(); },
          [](E& e, TTypeChecks v) { e.SetTypeChecks(v); }),
      SetProperty<E, TConstructWatch, TConstructWatches>(
          "Watch", kWatchNames, [](E& e) { return e.Watch(); },
          [](E& e, TConstructWatches v) { e.SetWatch(v); }),
  };
}

std::vector<TPropertyDef> RuleProperties() {
  return {
      StringProperty<TRule>(
          "Comment", [](TRule& r) { return r.Comment(); },
          [](TRule& r, const std::string& v) { r.SetComment(v); }),
      BoolProperty<TRule>(
          "Enabled", [](TRule& r) { return r.Enabled(); },
          [](TRule& r, bool v) { r.SetEnabled(v); }),
      NameProperty(),
      BoolProperty<TRule>(
          "OneShot", [](TRule& r) { return r.OneShot(); },
          [](TRule& r, bool v) { r.SetOneShot(v); }),
      StringProperty<TRule>(
          "RuleName", [](TRule& r) { return r.RuleName(); },
          [](TRule& r, const std::string& v) { r.SetRuleName(v); }),
      IntegerProperty<TRule>(
          "Salience", [](TRule& r) { return r.Salience(); },
          [](TRule& r, int32_t v) { r.SetSalience(v); }),
  };
}

std::vector<TPropertyDef> FactSetProperties() {
  return {
      StringProperty<TFactSet>(
          "Comment", [](TFactSet& f) { return f.Comment(); },
          [](TFactSet& f, const std::string& v) { f.SetComment(v); }),
      ObjectProperty<TFactSet>("Engine", [](TFactSet& f) -> TObject* { return f.Engine(); }),
      StringProperty<TFactSet>(
          "FactSetName", [](TFactSet& f) { return f.FactSetName(); },
          [](TFactSet& f, const std::string& v) { f.SetFactSetName(v); }),
      NameProperty(),
  };
}

std::vector<TPropertyDef> PackageProperties() {
  return {
      NameProperty(),
      StringProperty<TUserPackage>(
          "ClassName", [](TUserPackage& p) { return p.ClassName(); }, nullptr),
  };
}

class THeadlessRuntime : public THostRuntime {
 public:
  explicit THeadlessRuntime(TInferenceEngine& engine)
      : FEngine(engine),
        FClasses{{&kEngineClass, EngineProperties()},
                 {&kRuleClass, RuleProperties()},
                 {&kFactSetClass, FactSetProperties()},
                 {&kPackageClass, PackageProperties()},
                 {&kComponentClass, {NameProperty()}}} {}

  const THostClass* FindClass(const std::string& name) const override {
    for (const TClassDef& def : FClasses)
      if (def.Class->ClassName() == name) return def.Class;
    return nullptr;
  }

  const THostClass* ClassOf(const TObject& object) const override {
    const TClassDef* def = DefOf(object);
    return def ? def->Class : nullptr;
  }

  TObject* CreateObject(const THostClass& cls) override {
    throw EIEException(FormatMessage(kHostCannotCreate, {cls.ClassName()}));
  }

  TComponent* CreateComponent(const THostClass& cls, TComponent& owner, TComponent*) override {
    if (&cls == &kFactSetClass) return new TFactSet(&owner);
    if (&cls == &kComponentClass) return new TComponent(&owner);
    throw EIEException(FormatMessage(kHostCannotCreate, {cls.ClassName()}));
  }

  // Fact sets and plain components can go; the engine, its rules and its
  // packages are the engine's to free.
  void FreeObject(TObject& object) override {
    const TClassDef* def = DefOf(object);
    if (!def || (def->Class != &kFactSetClass && def->Class != &kComponentClass) ||
        &object == &Root())
      throw EIEException(FormatMessage(kHostCannotFree, {object.ClassName()}));
    delete &object;
  }

  TComponent& Root() override { return FEngine.Owner() ? *FEngine.Owner() : FEngine; }

  std::vector<TComponent*> Components(TComponent& owner) override {
    std::vector<TComponent*> list;
    for (int i = 0; i < owner.ComponentCount(); ++i) list.push_back(owner.Components(i));
    return list;
  }

  // Rules and fact sets answer to their rule or fact-set name as well, as
  // the engine names them by those.
  TComponent* FindComponent(TComponent& owner, const std::string& name) override {
    if (name.empty()) return nullptr;
    if (TComponent* found = owner.FindComponent(name)) return found;
    for (int i = 0; i < owner.ComponentCount(); ++i) {
      TComponent* child = owner.Components(i);
      auto* rule = dynamic_cast<TRule*>(child);
      auto* factSet = dynamic_cast<TFactSet*>(child);
      if ((rule && rule->RuleName() == name) || (factSet && factSet->FactSetName() == name))
        return child;
    }
    return nullptr;
  }

  std::vector<THostProperty> Properties(TObject& object) override {
    std::vector<THostProperty> list;
    if (const TClassDef* def = DefOf(object))
      for (const TPropertyDef& p : def->Properties) list.push_back(p.Info);
    return list;
  }

  bool GetProperty(TObject& object, const std::string& name, THostValue& value) override {
    const TPropertyDef* p = Find(object, name);
    if (!p) return false;
    value = THostValue{};
    value.Kind = p->Info.Kind;
    p->Get(object, value);
    return true;
  }

  bool SetProperty(TObject& object, const std::string& name, const THostValue& value) override {
    const TPropertyDef* p = Find(object, name);
    if (!p) return false;
    if (!p->Set) throw EIEException(FormatMessage(kHostReadOnlyProperty, {name}));
    p->Set(object, value);
    return true;
  }

  bool ExecuteAction(TObject& action) override {
    throw EIEException(FormatMessage(kHostNotAnAction, {action.ClassName()}));
  }

 private:
  const TClassDef* DefOf(const TObject& object) const {
    const THostClass* cls = &kComponentClass;
    if (dynamic_cast<const TInferenceEngine*>(&object))
      cls = &kEngineClass;
    else if (dynamic_cast<const TRule*>(&object))
      cls = &kRuleClass;
    else if (dynamic_cast<const TFactSet*>(&object))
      cls = &kFactSetClass;
    else if (dynamic_cast<const TUserPackage*>(&object))
      cls = &kPackageClass;
    else if (!dynamic_cast<const TComponent*>(&object))
      return nullptr;
    for (const TClassDef& def : FClasses)
      if (def.Class == cls) return &def;
    return nullptr;
  }

  const TPropertyDef* Find(TObject& object, const std::string& name) const {
    if (const TClassDef* def = DefOf(object))
      for (const TPropertyDef& p : def->Properties)
        if (p.Info.Name == name) return &p;
    return nullptr;
  }

  TInferenceEngine& FEngine;
  std::vector<TClassDef> FClasses;
};

}  // namespace

std::unique_ptr<THostRuntime> NewHeadlessRuntime(TInferenceEngine& engine) {
  return std::make_unique<THeadlessRuntime>(engine);
}

THostRuntime& TInferenceEngine::HostRuntime() {
  if (!FHostRuntime) FHostRuntime = NewHeadlessRuntime(*this);
  return *FHostRuntime;
}

void TInferenceEngine::SetHostRuntime(std::unique_ptr<THostRuntime> runtime) {
  FHostRuntime = std::move(runtime);
}

}  // namespace vettora
