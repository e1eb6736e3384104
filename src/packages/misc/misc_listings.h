#pragma once
// The listing commands: agenda, the list-def... family, facts and rules.
// A listing goes to its output stream in one print-out call, its closing
// sentence right after its last line.

#include <cstdint>

#include "packages/misc/misc_function.h"

namespace vettora {

// What a list-def... command lists.
enum TListConstructsType : uint8_t {
  lctRules,
  lctDefinedTypes,
  lctFactSets,
  lctFunctions,
  lctFactTemplates,
};

VETTORA_MISC_FUNCTION(TAgendaFunction);
VETTORA_MISC_FUNCTION(TFactsFunction);
VETTORA_MISC_FUNCTION(TRulesFunction);
// Names sorted as strings, one per line, then "for a total of N <kind>.".
VETTORA_MISC_TYPED_FUNCTION(TListConstructsFunction, TListConstructsType);

}  // namespace vettora
