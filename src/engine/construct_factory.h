#pragma once
// How the parser makes the engine-owned constructs it builds -- rules and
// fact sets -- and hands them to the engine once they are complete.
//
// A rule or fact set the parser builds belongs to the engine (its
// collections free it when it is removed) but stays out of the engine's
// collection until it is complete, so that a construct under construction
// is never seen by the engine (no compilation, no activations, no name
// clash). A rule is made unfiled from the start (TRule::TUnfiled): filing
// it early and taking it out again would cost a compilation and a removal
// per rule. A fact set is taken out of its collection right after it is
// made. A construct that fails is simply deleted.

namespace vettora {

class TFactSet;
class TInferenceEngine;
class TRule;

// An empty rule owned by the engine and not in its rule collection.
[[nodiscard]] TRule* NewParsedRule(TInferenceEngine& engine);
// Files the rule in the engine's collection (duplicate policy, compilation,
// OnAddRule). A rule the collection does not keep (an ignored duplicate, a
// refused one, a compilation error) is deleted; errors propagate. True when
// the rule was kept.
bool AddParsedRule(TInferenceEngine& engine, TRule* rule);

// An empty fact set owned by the engine and not in its fact-set collection.
[[nodiscard]] TFactSet* NewParsedFactSet(TInferenceEngine& engine);
// Adds the set to the engine's fact sets (replacing a set of the same name).
void AddParsedFactSet(TInferenceEngine& engine, TFactSet* factSet);

}  // namespace vettora
