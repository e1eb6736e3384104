#pragma once
// The file functions of the standard package: open and close (named
// streams), read and readline (input by logical name), remove and rename
// (files), dribble-on and dribble-off (copying the standard output to a
// file), load and save (the whole knowledge base) and batch (commands from
// a file).

#include "engine/standard_core.h"

namespace vettora {

VETTORA_CORE_FUNCTION(TOpenFunction);
VETTORA_CORE_FUNCTION(TCloseFunction);
VETTORA_CORE_FUNCTION(TReadFunction);
VETTORA_CORE_FUNCTION(TReadLineFunction);
VETTORA_CORE_FUNCTION(TRemoveFunction);
VETTORA_CORE_FUNCTION(TRenameFunction);
VETTORA_CORE_FUNCTION(TDribbleOnFunction);
VETTORA_CORE_FUNCTION(TDribbleOffFunction);
VETTORA_CORE_FUNCTION(TLoadFunction);
VETTORA_CORE_FUNCTION(TSaveFunction);
VETTORA_CORE_FUNCTION(TBatchFunction);

}  // namespace vettora
