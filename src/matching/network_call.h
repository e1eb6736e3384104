#pragma once
// Compiling a function call of a pattern for the Rete network: a copy of
// the call in which every variable the rule binds is replaced by a binding
// record (pattern position, slot, element), so evaluating the call against
// a token reads the values straight from its facts. Variables the rule does
// not bind must be global variables of the engine and stay as they are.

#include <cstdint>

#include "values/value.h"

namespace vettora {

class IRuleEngine;
class TRule;

struct TNetworkCall {
  IIEValue Call;                 // the compiled call (a dtFunCall value)
  bool RefersElsewhere = false;  // uses a variable bound in another pattern
};

// `position` is the pattern the call belongs to. For an alpha node
// (`alpha`), that pattern's own variables refer to position 0, the only
// fact of the token. Raises "Unknown variable name: %s" for a variable that
// is neither bound by the rule nor global.
[[nodiscard]] TNetworkCall CompileNetworkCall(IRuleEngine& engine, const TRule& rule,
                                              const IIEValue& call, int32_t position, bool alpha);

}  // namespace vettora
