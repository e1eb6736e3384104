// TStoredForm: creating the form's components and reading their stored
// properties in the stored order.
#include "app/stored_form.h"

#include <nlohmann/json.hpp>

#include "app/messages.h"
#include "engine/fact_set.h"
#include "engine/inference_engine.h"
#include "engine/rule_assign.h"
#include "engine/messages.h"
#include "values/exceptions.h"
#include "values/format.h"
#include "values/property_store.h"

namespace vettora {

namespace {

using TJson = nlohmann::ordered_json;

constexpr const char* kClass = "Class";

[[noreturn]] void Fail(const char* message, std::initializer_list<TFormatArg> args) {
  throw EIEException(FormatMessage(message, args));
}

template <class TEvent>
const TEvent& Handler(const std::unordered_map<std::string, TEvent>& handlers,
                      const std::string& component, const std::string& name) {
  auto it = handlers.find(name);
  if (it == handlers.end()) Fail(kFormUnknownHandler, {component, name});
  return it->second;
}

}  // namespace

// Rule and fact-set components leave their engine before it goes.
TStoredForm::~TStoredForm() {
  while (!FComponents.empty()) FComponents.pop_back();
}

std::vector<TComponent*> TStoredForm::Components() const {
  std::vector<TComponent*> list;
  for (const auto& component : FComponents) list.push_back(component.get());
  return list;
}

void TStoredForm::MissingComponent(const std::string& name) { Fail(kFormMissing, {name}); }

TComponent* TStoredForm::Find(const std::string& name) const {
  auto it = FByName.find(name);
  return it == FByName.end() ? nullptr : it->second;
}

void TStoredForm::Load(std::string_view json, const TFormHandlers& handlers) {
  TJson form = TJson::parse(json.begin(), json.end(), nullptr, false);
  if (form.is_discarded() || !form.is_object()) Fail(kFormInvalid, {"not a JSON object"});
  for (const auto& [name, properties] : form.items()) {
    if (!properties.is_object()) Fail(kFormInvalid, {name});
    TPropertyStore store;
    store.FromJson(properties.dump());
    ReadComponent(name, store, handlers);
  }
}

void TStoredForm::ReadComponent(const std::string& name, TPropertyStore& store,
                                const TFormHandlers& handlers) {
  std::string className = store.Has(kClass) ? store.ReadString(kClass) : std::string();
  store.Remove(kClass);
  std::unique_ptr<TComponent> component;
  if (className == "TInferenceEngine") {
    auto engine = std::make_unique<TInferenceEngine>();
    engine->SetName(name);
    ReadEngine(*engine, store, handlers);
    component = std::move(engine);
  } else if (className == "TRule") {
    auto rule = std::make_unique<TRule>();
    rule->SetName(name);
    ReadRule(*rule, store, handlers);
    component = std::move(rule);
  } else if (className == "TFactSet") {
    auto factSet = std::make_unique<TFactSet>();
    factSet->SetName(name);
    ReadFactSet(*factSet, store);
    component = std::move(factSet);
  } else {
    Fail(kFormUnknownClass, {className, name});
  }
  FByName[name] = component.get();
  FComponents.push_back(std::move(component));
}

// The engine reads its own properties; the form binds its event.
void TStoredForm::ReadEngine(TInferenceEngine& engine, TPropertyStore& store,
                             const TFormHandlers& handlers) {
  if (store.Has("OnAssertion")) {
    engine.OnAssertion =
        Handler(handlers.FactEvents, engine.Name(), store.ReadString("OnAssertion"));
    store.Remove("OnAssertion");
  }
  engine.ReadProperties(store);
}

TInferenceEngine& TStoredForm::EngineOf(const std::string& component,
                                        const TPropertyStore& store) const {
  const std::string& name = store.ReadString("Engine");
  auto* engine = dynamic_cast<TInferenceEngine*>(Find(name));
  if (!engine) Fail(kFormUnknownEngine, {component, name});
  return *engine;
}

// A rule's name and settings come first, then its engine (which files and
// compiles it), then its text, parsed by that engine.
void TStoredForm::ReadRule(TRule& rule, const TPropertyStore& store,
                           const TFormHandlers& handlers) {
  for (const TPropertyStore::TProperty& property : store.Properties()) {
    const std::string& n = property.Name;
    if (n == "RuleName") {
      rule.SetRuleName(store.ReadString(n));
    } else if (n == "Comment") {
      rule.SetComment(store.ReadString(n));
    } else if (n == "Salience") {
      rule.SetSalience(store.ReadInteger(n));
    } else if (n == "OneShot") {
      rule.SetOneShot(store.ReadBool(n));
    } else if (n == "Enabled") {
      rule.SetEnabled(store.ReadBool(n));
    } else if (n == "Engine") {
      rule.SetEngine(&EngineOf(rule.Name(), store));
    } else if (n == "Text") {
      TInferenceEngine& engine = EngineOf(rule.Name(), store);
      std::unique_ptr<TRule> parsed(engine.Parser().ParseRule(store.ReadString(n)));
      AssignParsedRule(rule, *parsed, engine);
    } else if (n == "OnFire") {
      rule.SetOnFire(Handler(handlers.RuleFireEvents, rule.Name(), store.ReadString(n)));
    } else {
      Fail(kUnknownStoredProperty, {n});
    }
  }
}

// Loaded with its form, a fact set asserts its facts at once.
void TStoredForm::ReadFactSet(TFactSet& factSet, const TPropertyStore& store) {
  for (const TPropertyStore::TProperty& property : store.Properties()) {
    const std::string& n = property.Name;
    if (n == "FactSetName") {
      factSet.SetFactSetName(store.ReadString(n));
    } else if (n == "Comment") {
      factSet.SetComment(store.ReadString(n));
    } else if (n == "Engine") {
      factSet.SetEngine(&EngineOf(factSet.Name(), store));
    } else if (n == "Facts") {
      factSet.SetFacts(store.ReadStrings(n));
    } else {
      Fail(kUnknownStoredProperty, {n});
    }
  }
  factSet.Loaded();
}

}  // namespace vettora
