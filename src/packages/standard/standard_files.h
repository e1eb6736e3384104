#pragma once
// The file functions of the standard package: open and close (named
// streams), read and readline (input by logical name), remove and rename
// (files), dribble-on and dribble-off (copying the standard output to a
// file), load and save (the whole knowledge base) and batch (commands from
// a file).

#include "packages/standard/standard_core.h"

namespace vettora {

VETTORA_STANDARD_FUNCTION(TOpenFunction);
VETTORA_STANDARD_FUNCTION(TCloseFunction);
VETTORA_STANDARD_FUNCTION(TReadFunction);
VETTORA_STANDARD_FUNCTION(TReadLineFunction);
VETTORA_STANDARD_FUNCTION(TRemoveFunction);
VETTORA_STANDARD_FUNCTION(TRenameFunction);
VETTORA_STANDARD_FUNCTION(TDribbleOnFunction);
VETTORA_STANDARD_FUNCTION(TDribbleOffFunction);
VETTORA_STANDARD_FUNCTION(TLoadFunction);
VETTORA_STANDARD_FUNCTION(TSaveFunction);
VETTORA_STANDARD_FUNCTION(TBatchFunction);

}  // namespace vettora
