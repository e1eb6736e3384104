// Conditionals, loops, variables and the run-control functions of the
// standard package. `try` has its own file.
#include "packages/standard/standard_control.h"

#include <stdexcept>

#include "engine/messages.h"
#include "functions/engine_services.h"
#include "matching/context.h"
#include "values/exceptions.h"
#include "values/format.h"
#include "values/value_vector.h"

namespace vettora {

namespace {

constexpr int32_t kMany = TIEUserFunction::kNoLimit;

// Runs a branch of `if`: like RunSequence, except that an expression whose
// value is the atom else ends the branch without becoming the result.
IIEValue RunBranch(const TFunctionCall& call, int32_t first, TIEContext& context) {
  IIEValue result = FalseValue();
  for (int32_t i = first; i < call.ArgumentCount(); ++i) {
    IIEValue value = EvaluateArg(call, i, context);
    if (context.ReturnFlag()) return context.ReturnValue();
    if (value->Equals(ElseKeyword())) break;
    result = std::move(value);
  }
  return result;
}

// Index (from 0) of the first argument from `first` on that is, as
// written, the atom `keyword`; -1 when there is none.
int32_t FindKeyword(const TFunctionCall& call, int32_t first, const IIEValue& keyword) {
  for (int32_t i = first; i < call.ArgumentCount(); ++i)
    if (WrittenArg(call, i)->Equals(keyword)) return i;
  return -1;
}

}  // namespace

bool RunSequence(const TFunctionCall& call, int32_t first, int32_t last, TIEContext& context,
                 IIEValue& result) {
  for (int32_t i = first; i < last; ++i) {
    result = EvaluateArg(call, i, context);
    if (context.ReturnFlag()) {
      result = context.ReturnValue();
      return true;
    }
  }
  return false;
}

// ---- if -----------------------------------------------------------------------

TIfFunction::TIfFunction()
    : TStandardFunction("if",
                        "Evaluates the expressions after then when the condition is not "
                        "FALSE, otherwise those after else; returns the last value evaluated",
                        " <predicate-expression> then <expression>+ [else <expression>+]", 2,
                        kMany) {}

// The else branch is looked for from the third argument on, so that an
// empty then branch, (if ?c then else ...), still has its else branch run.
IIEValue TIfFunction::Execute(TFunctionCall& call, TIEContext& context) {
  if (!WrittenArg(call, 1)->Equals(ThenKeyword()))
    throw EIEException(FormatMessage(kSyntaxError, {kMissingThen}));
  if (!IsFalse(EvaluateArg(call, 0, context))) return RunBranch(call, 2, context);
  int32_t elseAt = FindKeyword(call, 2, ElseKeyword());
  return elseAt < 0 ? FalseValue() : RunBranch(call, elseAt + 1, context);
}

// ---- while --------------------------------------------------------------------

TWhileFunction::TWhileFunction()
    : TStandardFunction("while",
                        "Evaluates the body expressions as long as the condition is not "
                        "FALSE; returns FALSE, or the value given to return",
                        " <boolean-expression> [do] <expression>*", 2, kMany) {}

IIEValue TWhileFunction::Execute(TFunctionCall& call, TIEContext& context) {
  int32_t body = WrittenArg(call, 1)->Equals(DoKeyword()) ? 2 : 1;
  IIEValue result = EvaluateArg(call, 0, context);
  while (!IsFalse(result)) {
    if (RunSequence(call, body, call.ArgumentCount(), context, result)) return result;
    result = EvaluateArg(call, 0, context);
  }
  return result;
}

// ---- foreach ------------------------------------------------------------------

TForEachFunction::TForEachFunction()
    : TStandardFunction("foreach",
                        "Binds the variable to each element of the list in turn and "
                        "evaluates the body expressions; returns the last value evaluated",
                        " <variable-name> <list-expression> <expression>*", 2, kMany) {}

IIEValue TForEachFunction::Execute(TFunctionCall& call, TIEContext& context) {
  std::string name = EvaluateArg(call, 0, context)->AsString();
  IValueVector list = EvaluateArg(call, 1, context)->AsList();
  IIEValue result = NilValue();
  // The count is read every round: the body may shorten a shared list.
  for (int32_t i = 0; i < list->Count(); ++i) {
    IIEValue element = list->Items(i);
    element = element ? element->Evaluate(&context) : NilValue();
    context.SetLocal(name, element ? element : NilValue());
    if (RunSequence(call, 2, call.ArgumentCount(), context, result)) break;
  }
  return result;
}

// ---- throw, return ------------------------------------------------------------

TThrowFunction::TThrowFunction()
    : TStandardFunction("throw", "Raises an error with the given message", " <lexeme-expression>",
                        1, 1) {}

// An ordinary error rather than an engine one, so that it is told apart
// from the engine's own errors; try catches both.
IIEValue TThrowFunction::Execute(TFunctionCall& call, TIEContext& context) {
  throw std::runtime_error(EvaluateArg(call, 0, context)->AsString());
}

TReturnFunction::TReturnFunction()
    : TStandardFunction("return",
                        "Stops the enclosing deffunction, loop or rule and returns the "
                        "argument as its value",
                        " <expression>", 1, 1) {}

// The expression is handed on unevaluated: a deffunction evaluates it where
// its own variables live.
IIEValue TReturnFunction::Execute(TFunctionCall& call, TIEContext& context) {
  IIEValue value = WrittenArg(call, 0);
  context.SetReturnValue(value);
  return value;
}

// ---- bind ---------------------------------------------------------------------

TBindFunction::TBindFunction()
    : TStandardFunction("bind",
                        "Sets the variable to the value of the expression and returns the "
                        "value",
                        " <variable> <expression>", 2, 2) {}

IIEValue TBindFunction::Execute(TFunctionCall& call, TIEContext& context) {
  IIEValue value = EvaluateArg(call, 1, context);
  context.SetLocal(WrittenArg(call, 0)->AsString(), value);
  return value;
}

// ---- halt, exit ---------------------------------------------------------------

THaltFunction::THaltFunction()
    : TStandardFunction("halt", "Stops the run after the rule being fired", "", 0, 0) {}

IIEValue THaltFunction::Execute(TFunctionCall&, TIEContext& context) {
  EngineOf(context).Halt();
  return TrueValue();
}

TExitFunction::TExitFunction()
    : TStandardFunction("exit", "Ends the current run or command at once", "", 0, 0) {}

IIEValue TExitFunction::Execute(TFunctionCall&, TIEContext&) { throw EIEAbort(); }

}  // namespace vettora
