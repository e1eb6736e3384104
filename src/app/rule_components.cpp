// ReattachRuleComponent: a form's rule component takes the place of the
// plain rule of its name.
#include "app/rule_components.h"

#include <memory>
#include <string>

#include "engine/engine_parser.h"
#include "engine/inference_engine.h"
#include "engine/rule_assign.h"
#include "engine/rules.h"
#include "matching/rule.h"

namespace vettora {

void ReattachRuleComponent(TInferenceEngine& engine, TRule& component) {
  TRule* filed = engine.Rules().Find(component.RuleName());
  if (filed == &component) return;
  // The emptied collection let the component go (and took it out of the
  // network); it keeps no engine either until it takes over its edited rule
  // below, so a component whose rule was deleted stays out.
  component.SetEngine(nullptr);
  if (!filed || filed->Owner() != &engine) return;
  // Parsed before the plain rule goes, so that a failure loses nothing.
  std::unique_ptr<TRule> parsed(engine.Parser().ParseRule(filed->Text()));
  engine.RemoveRule(*filed);
  component.SetEngine(&engine);
  AssignParsedRule(component, *parsed, engine);
  // AssignParsedRule keeps the old number for a plain salience of 0; an
  // edit that dropped the salience must take effect all the same.
  const IIEValue& salience = parsed->SalienceExpression();
  if (!salience || salience->DType() == dtInteger) component.SetSalience(parsed->Salience());
}

}  // namespace vettora
