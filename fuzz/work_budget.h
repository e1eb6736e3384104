#pragma once
// TWorkBudget: how much work one fuzz input may make an engine do.
//
// Every call of a built-in function spends a step, and so does every round
// of `while` (whose condition and body may call nothing at all); once the
// steps are spent, the next one raises the silent abort of `exit`, which
// ends the input the way `exit` would. Rule firings are counted apart:
// past their limit the engine is halted after each firing, which also
// ends runs started from inside a rule's actions.
//
// Deffunctions need no wrapper: their bodies reach built-in functions, and
// their depth is bounded by the engine itself.

#include <cstdint>

#include "engine/inference_engine.h"
#include "functions/user_function.h"
#include "fuzz/fuzz_limits.h"

namespace vettora::fuzz {

class TWorkBudget {
 public:
  explicit TWorkBudget(int64_t steps = kMaxSteps, int64_t firings = kMaxFirings)
      : FSteps(steps), FFirings(firings) {}

  // The function wrapped so that its calls spend steps; an empty handle
  // for one already wrapped.
  [[nodiscard]] IUserFunction Wrap(const IUserFunction& function);
  // Counts a firing of the engine's and halts it when they are spent.
  void CountFiring(TInferenceEngine& engine);

  // Raises EIEAbort when no step is left.
  void Spend();
  [[nodiscard]] bool Exhausted() const { return FSteps <= 0; }

 private:
  int64_t FSteps;
  int64_t FFirings;
};

}  // namespace vettora::fuzz
