// undefrule, undeffacts, undeffunction, undeftemplate and undeftype.
#include <string>

#include "engine/defined_types.h"
#include "engine/fact_set.h"
#include "engine/fact_sets.h"
#include "engine/fact_templates.h"
#include "engine/rules.h"
#include "engine/user_functions.h"
#include "functions/engine_services.h"
#include "matching/activation.h"
#include "matching/pattern.h"
#include "matching/rule.h"
#include "packages/misc/messages.h"
#include "packages/misc/misc_constructs.h"
#include "values/exceptions.h"
#include "values/format.h"

namespace vettora {

namespace {

struct TUndefineKind {
  const char* Name;
  const char* Help;
  const char* Argument;
};

constexpr TUndefineKind kUndefineKinds[] = {
    {"undefrule", "Deletes the named rule", " <rule-name>"},
    {"undeffacts", "Deletes the named fact set", " <fact-set-name>"},
    {"undeffunction", "Deletes the named function", " <function-name>"},
    {"undeftemplate", "Deletes the named fact template with its facts and the rules using it",
     " <fact-template-name>"},
    {"undeftype",
     "Deletes the named defined type with the fact templates, facts and rules that depend on it",
     "<defined-type-name-expression>"},
};

// The rule whose actions are running, or null outside a firing.
const TRule* FiringRule(const IEngineServices& engine) {
  const TActivation* activation = engine.FiringActivation();
  return activation ? activation->Rule() : nullptr;
}

bool RuleUsesTemplate(const TRule& rule, const TFactTemplate* factTemplate) {
  for (int32_t i = 0; i < rule.PatternCount(); ++i)
    if (rule.Patterns(i)->FactTemplate().Get() == factTemplate) return true;
  return false;
}

bool RuleUsesType(IEngineServices& engine, const TRule& rule, const TIEDefinedType* type) {
  for (const auto& entry : engine.FactTemplates().Table())
    if (entry.Value->SlotOfDefinedType(type) && RuleUsesTemplate(rule, entry.Value.Get()))
      return true;
  return false;
}

bool UndefineRule(IEngineServices& engine, const std::string& name) {
  TRule* rule = engine.Rules().Find(name);
  if (rule == nullptr) return false;
  // Freeing the rule would free the actions that are running.
  if (rule == FiringRule(engine))
    throw EIEException(FormatMessage(kCannotRemoveFiringRule, {name}));
  return engine.Rules().Remove(name);
}

bool UndefineFactSet(IEngineServices& engine, const std::string& name) {
  TFactSet* set = engine.FactSets().Find(name);
  if (set == nullptr) return false;
  engine.FactSets().Remove(set);
  // A set the engine made from text is reachable only through its list.
  if (set->Owner() == engine.EngineComponent() && !set->Destroying()) delete set;
  return true;
}

bool UndefineTemplate(IEngineServices& engine, const std::string& name) {
  IFactTemplate factTemplate = engine.FactTemplates().Find(name);
  if (!factTemplate) return false;
  const TRule* firing = FiringRule(engine);
  if (firing && RuleUsesTemplate(*firing, factTemplate.Get()))
    throw EIEException(FormatMessage(kCannotRemoveFiringTemplate, {name}));
  return engine.FactTemplates().Remove(name);
}

bool UndefineType(IEngineServices& engine, const std::string& name) {
  IIEDefinedType type = engine.DefinedTypes().Find(name);
  if (!type) return false;
  const TRule* firing = FiringRule(engine);
  if (firing && RuleUsesType(engine, *firing, type.Get()))
    throw EIEException(FormatMessage(kCannotRemoveFiringType, {name}));
  return engine.DefinedTypes().Remove(name);
}

}  // namespace

TUndefineFunction::TUndefineFunction(TUndefineFunctionType type)
    : TMiscFunction(kUndefineKinds[type].Name, kUndefineKinds[type].Help,
                    kUndefineKinds[type].Argument, 1, 1),
      FType(type) {}

IIEValue TUndefineFunction::Execute(TFunctionCall& call, TIEContext& context) {
  IEngineServices& engine = EngineOf(context);
  std::string name = Arg(call, 0, context)->AsString();
  switch (FType) {
    case udfRule:
      return BoolValue(UndefineRule(engine, name));
    case udfFactSet:
      return BoolValue(UndefineFactSet(engine, name));
    case udfUserFunction:
      return BoolValue(engine.UserFunctions().Remove(name));
    case udfFactTemplate:
      return BoolValue(UndefineTemplate(engine, name));
    case udfDefType:
      return BoolValue(UndefineType(engine, name));
  }
  return FalseValue();
}

}  // namespace vettora
