#pragma once
// Rule components -- rules placed on a form, with OnFire handlers of the
// host -- and an engine whose rule collection was replaced wholesale.
//
// Replacing an engine's rules (the rules dialog writing back an edit, the
// edited rules read at start) empties the collection and files plain rules
// of the engine made from the edited texts, the components' rules among
// them. A plain rule has no handlers, so the window would never see an
// offer. ReattachRuleComponent undoes that for one component: it takes
// over the text of the plain rule of its name, which leaves the engine,
// and is filed again. A component whose rule was deleted in the edit stays
// out of the engine (and out of its network) until it is given an engine
// again.

namespace vettora {

class TInferenceEngine;
class TRule;

// Raises EIEException when the rule's text does not parse again; the
// plain rule then stays in the engine and the component out of it.
void ReattachRuleComponent(TInferenceEngine& engine, TRule& component);

}  // namespace vettora
