#pragma once
// Engine housekeeping of the miscellaneous package: parse, guard, time,
// set-reset-globals, setgen and the constraint-checking switches.

#include <cstdint>

#include "knowledge/type_checks.h"
#include "packages/misc/misc_function.h"

namespace vettora {

// Runs a text through the engine's parser; TRUE on success, FALSE when
// reading or running it raised (the statement that failed leaves nothing
// behind; the statements before it keep their effect).
VETTORA_MISC_FUNCTION(TParseFunction);
// Evaluates its arguments with the firing rule disabled, so what they
// assert or modify cannot activate that rule again.
VETTORA_MISC_FUNCTION(TGuardFunction);
VETTORA_MISC_FUNCTION(TTimeFunction);
VETTORA_MISC_FUNCTION(TSetResetGlobalsFunction);
VETTORA_MISC_FUNCTION(TSetGenFunction);

// get-/set-dynamic- and get-/set-static-constraint-checking: the getter
// answers the flag, the setter answers the previous flag and sets it.
class TConstraintCheckingFunction : public TMiscFunction {
 public:
  TConstraintCheckingFunction(TTypeCheck check, bool set);
  [[nodiscard]] std::string ClassName() const override { return "TConstraintCheckingFunction"; }

 protected:
  IIEValue Execute(TFunctionCall& call, TIEContext& context) override;

 private:
  TTypeCheck FCheck;
  bool FSet;
};

}  // namespace vettora
