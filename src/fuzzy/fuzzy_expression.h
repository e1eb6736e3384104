#pragma once
// The fuzzy-expression evaluator: turns a rule-language value written where
// a fuzzy value is expected into a fuzzy value of one fuzzy variable.
//
// Input is a value as the value-sequence reader delivers it: a single value
// (term name, number, variable, function call, singleton list, fuzzy value)
// or a list of such items, where the atoms (or one-character strings) "["
// and "]" are brackets and hedge, arithmetic and and/or words are
// operators, e.g. the items  very [ hot or warm ]  or  hot * 0.5 .
//
// A list is converted to postfix (shunting yard) and evaluated with a stack.
// Operands written one after another without an operator make separate
// expressions, and the result is then a list of fuzzy values.
//
// Results:
// - one fuzzy value (attached to the variable when it had none);
// - a list of fuzzy values, for juxtaposed expressions;
// - the input itself, unchanged, when an operand does not resolve to a
//   fuzzy value (e.g. a variable when there is no context);
// - NilValue for an empty expression, and for a value of a kind that
//   cannot be fuzzy when there is no context.
//
// Errors (EFuzzyError): "fuzzy variable is not defined", "Invalid item in
// fuzzy expression: %s", "Missing Fuzzy Close Bracket in expression",
// "Missing Fuzzy Open Bracket in expression", "Missing fuzzy operand to be
// modified by hedge: %s".
//
// Sets that the expression did not create itself (terms, values of
// variables) are copied before a hedge or modifier changes them.

#include <optional>

#include "fuzzy/fuzzy_variable.h"
#include "values/value.h"

namespace vettora {

[[nodiscard]] IIEValue EvaluateFuzzyExpression(TIFuzzyVariable* variable, const IIEValue& value,
                                               IEvalContext* context);

// Resolves one operand to a fuzzy value (or leaves it unresolved, see
// above). When the operand is, or evaluates to, a number, `number` receives
// it: arithmetic modifiers use the number itself.
[[nodiscard]] IIEValue ResolveFuzzyValue(TIFuzzyVariable* variable, const IIEValue& value,
                                         IEvalContext* context,
                                         std::optional<TFzyFloat>* number = nullptr);

// The list case: `list` (a dtList value) evaluated as a fuzzy expression.
[[nodiscard]] IIEValue EvaluateFuzzyList(TIFuzzyVariable* variable, const IIEValue& list,
                                         IEvalContext* context);

}  // namespace vettora
