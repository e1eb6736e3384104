#pragma once
// AssignParsedRule: gives an existing rule (a component with its own
// events, such as a host's rule) the left- and right-hand side, comment and
// salience of another rule, typically one just parsed from text.

namespace vettora {

class TInferenceEngine;
class TRule;

// The actions are copied through `engine`, the engine the target works in.
// A plain salience of 0 leaves the target's salience as it is, so that a
// stored salience read before the rule's text survives.
void AssignParsedRule(TRule& rule, const TRule& parsed, TInferenceEngine& engine);

}  // namespace vettora
