#pragma once
// TErrorHandling: how the rule-language parser reports errors -- at the
// first one, or collected (up to a maximum) and raised together at the end.
// An engine setting passed on to its parser.

#include <cstdint>

namespace vettora {

enum TErrorHandling : uint8_t { ehRaiseImmediate, ehRaiseAllAtEnd };

}  // namespace vettora
