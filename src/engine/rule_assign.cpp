#include "engine/rule_assign.h"

#include <vector>

#include "engine/inference_engine.h"
#include "matching/rule.h"

namespace vettora {

void AssignParsedRule(TRule& rule, const TRule& parsed, TInferenceEngine& engine) {
  TRule::TUpdateGuard guard(rule);
  rule.SetRuleName(parsed.RuleName());
  rule.SetComment(parsed.Comment());
  std::vector<const TIEPattern*> patterns;
  for (int32_t i = 0; i < parsed.PatternCount(); ++i) patterns.push_back(parsed.Patterns(i));
  rule.SetPatterns(patterns);
  rule.ClearActions();
  for (int32_t i = 0; i < parsed.ActionCount(); ++i)
    rule.AddAction(engine.CopyFunctionCall(*parsed.Actions(i)));
  const IIEValue& salience = parsed.SalienceExpression();
  if (salience && (parsed.Salience() != 0 || salience->DType() != dtInteger))
    rule.SetSalienceExpression(salience);
  guard.End();
}

}  // namespace vettora
