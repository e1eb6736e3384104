#pragma once
// The standard package's storage and symbol functions: store, fetch and
// clear-storage over the engine's table of stored values, __get-var (the
// value of a variable named at run time) and gensym* (a fresh symbol).

#include <string>

#include "engine/standard_package.h"

namespace vettora {

class TFunctionCall;

// Declares a storage function class of the standard package.
#define VETTORA_STORAGE_FUNCTION(Class)                                     \
  class Class : public TStandardFunction {                                  \
   public:                                                                  \
    Class();                                                                \
    [[nodiscard]] std::string ClassName() const override { return #Class; } \
                                                                            \
   protected:                                                               \
    IIEValue Execute(TFunctionCall& call, TIEContext& context) override;    \
  }

VETTORA_STORAGE_FUNCTION(TStoreFunction);
VETTORA_STORAGE_FUNCTION(TFetchFunction);
VETTORA_STORAGE_FUNCTION(TClearStorageFunction);
VETTORA_STORAGE_FUNCTION(TExtractGlobalFunction);
VETTORA_STORAGE_FUNCTION(TGenSymStarFunction);

#undef VETTORA_STORAGE_FUNCTION

}  // namespace vettora
