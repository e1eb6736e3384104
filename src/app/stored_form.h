#pragma once
// TStoredForm: the non-visual components of a window -- engines, rule
// components and fact-set components -- restored from the window's stored
// form.
//
// The stored form is a JSON object with one member per component, in
// creation order; each member is that component's stored properties in the
// TPropertyStore format, plus "Class" (TInferenceEngine, TRule, TFactSet)
// and the names of the handlers its events are bound to ("OnAssertion",
// "OnFire"). Components are created and read in the stored order, so an
// engine is read completely before the rule and fact-set components that
// refer to it attach themselves. The form owns the components; rule and
// fact-set components go before the engines they are attached to.

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "engine/engine_events.h"
#include "matching/rule.h"
#include "values/component.h"

namespace vettora {

class TFactSet;
class TInferenceEngine;
class TPropertyStore;

// The host's handlers, by the names the stored form binds events to.
struct TFormHandlers {
  std::unordered_map<std::string, TFactEvent> FactEvents;
  std::unordered_map<std::string, TRule::TRuleFireEvent> RuleFireEvents;
};

class TStoredForm {
 public:
  TStoredForm() = default;
  ~TStoredForm();
  TStoredForm(const TStoredForm&) = delete;
  TStoredForm& operator=(const TStoredForm&) = delete;

  // Creates and reads every component of the form. Raises EIEException
  // for a damaged form or a stored text that does not parse.
  void Load(std::string_view json, const TFormHandlers& handlers);

  // Every component, in creation order.
  [[nodiscard]] std::vector<TComponent*> Components() const;
  // The component of that name, or null.
  [[nodiscard]] TComponent* Find(const std::string& name) const;
  // The component of that name and class; "Stored form: component %s is
  // missing" when there is none.
  template <class T>
  [[nodiscard]] T& Get(const std::string& name) const {
    auto* component = dynamic_cast<T*>(Find(name));
    if (!component) MissingComponent(name);
    return *component;
  }

 private:
  [[noreturn]] static void MissingComponent(const std::string& name);
  void ReadComponent(const std::string& name, TPropertyStore& store, const TFormHandlers& handlers);
  void ReadEngine(TInferenceEngine& engine, TPropertyStore& store, const TFormHandlers& handlers);
  void ReadRule(TRule& rule, const TPropertyStore& store, const TFormHandlers& handlers);
  void ReadFactSet(TFactSet& factSet, const TPropertyStore& store);
  [[nodiscard]] TInferenceEngine& EngineOf(const std::string& component,
                                           const TPropertyStore& store) const;

  std::vector<std::unique_ptr<TComponent>> FComponents;  // creation order
  std::unordered_map<std::string, TComponent*> FByName;
};

}  // namespace vettora
