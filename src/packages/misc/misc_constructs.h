#pragma once
// The pretty printers (ppdef...) and the deleting commands (undef...).
// The printers reach the rule-language printer through the engine's
// parser interface only.

#include <cstdint>

#include "packages/misc/misc_function.h"

namespace vettora {

enum TPrettyPrintFunctionType : uint8_t {
  ppfFactSet,
  ppfUserFunction,
  ppfFactTemplate,
  ppfRule,
  ppfDefType,
};

// What an undef... command deletes.
enum TUndefineFunctionType : uint8_t {
  udfRule,
  udfFactSet,
  udfUserFunction,
  udfFactTemplate,
  udfDefType,
};

// Answers the named construct's parsable text as a symbol; "Unknown %s
// name: %s" when there is none.
VETTORA_MISC_TYPED_FUNCTION(TPrettyPrintFunction, TPrettyPrintFunctionType);
// Deletes the named construct with what depends on it; TRUE when it
// existed, FALSE (and nothing changed) otherwise. A construct the firing
// rule cannot do without (the rule itself, a template or type its patterns
// use) is refused with an error rather than freed under it.
VETTORA_MISC_TYPED_FUNCTION(TUndefineFunction, TUndefineFunctionType);

}  // namespace vettora
