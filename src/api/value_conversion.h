#pragma once
// Values across the public boundary: the engine's counted values become
// plain vettora::TValue copies, and back.

#include "values/value.h"
#include "vettora/value.h"

namespace vettora {

// A copy of the value; lists are copied item by item. Nil (the empty
// atom) becomes a nil TValue; kinds a host cannot make keep their text.
[[nodiscard]] TValue ToPublicValue(const IIEValue& value);
// A new engine value; "other" values are made atoms of their text.
[[nodiscard]] IIEValue ToEngineValue(const TValue& value);

}  // namespace vettora
