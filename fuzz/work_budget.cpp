// TWorkBudget: wrappers that spend a step per call, and a `while` that
// spends one per round.
#include "fuzz/work_budget.h"

#include "fuzz/function_wrap.h"
#include "matching/context.h"
#include "packages/standard/standard_control.h"
#include "values/exceptions.h"

namespace vettora::fuzz {

namespace {

class TBudgetedFunction : public TWrappedFunction {
 public:
  TBudgetedFunction(IUserFunction original, TWorkBudget& budget)
      : TWrappedFunction(std::move(original)), FBudget(budget) {}

 protected:
  IIEValue Execute(TFunctionCall& call, TIEContext& context) override {
    FBudget.Spend();
    return TWrappedFunction::Execute(call, context);
  }
  [[nodiscard]] TWorkBudget& Budget() const { return FBudget; }

 private:
  TWorkBudget& FBudget;
};

// The standard `while`, step for step, with a step spent per round: its
// loop is the one place where the engine repeats without calling anything.
class TBudgetedWhile : public TBudgetedFunction {
 public:
  using TBudgetedFunction::TBudgetedFunction;

 protected:
  IIEValue Execute(TFunctionCall& call, TIEContext& context) override {
    Budget().Spend();
    int32_t body = WrittenArg(call, 1)->Equals(DoKeyword()) ? 2 : 1;
    IIEValue result = EvaluateArg(call, 0, context);
    while (!IsFalse(result)) {
      Budget().Spend();
      if (RunSequence(call, body, call.ArgumentCount(), context, result)) return result;
      result = EvaluateArg(call, 0, context);
    }
    return result;
  }
};

}  // namespace

IUserFunction TWorkBudget::Wrap(const IUserFunction& function) {
  if (dynamic_cast<const TBudgetedFunction*>(function.Get())) return {};
  if (dynamic_cast<const TWhileFunction*>(function.Get()))
    return MakeRef<TBudgetedWhile>(function, *this);
  return MakeRef<TBudgetedFunction>(function, *this);
}

void TWorkBudget::CountFiring(TInferenceEngine& engine) {
  if (FFirings > 0) --FFirings;
  if (FFirings == 0) engine.Halt();
}

void TWorkBudget::Spend() {
  if (FSteps <= 0) throw EIEAbort();
  --FSteps;
}

}  // namespace vettora::fuzz
