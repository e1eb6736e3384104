// TInterpretedFunction: parameters, binding of arguments and the body.
#include "functions/interpreted_function.h"

#include <vector>

#include "functions/messages.h"
#include "matching/context.h"
#include "values/exceptions.h"
#include "values/format.h"
#include "values/stack_space.h"

namespace vettora {

namespace {

bool IsParameterKind(TIEType kind) {
  return kind == dtAtom || kind == dtVariable || kind == dtMultiVariable;
}

// "Atom, Variable, MultiVariable": the admitted kinds without their "dt".
std::string ParameterKindList() {
  std::string list;
  for (TIEType kind : {dtAtom, dtVariable, dtMultiVariable}) {
    if (!list.empty()) list += ", ";
    list += TypeName(kind) + 2;
  }
  return list;
}

// Unwinds a deffunction's local context: its return state goes to the
// caller's context also when the body raises.
class TReturnGuard {
 public:
  explicit TReturnGuard(TIEContext& local) : FLocal(local) {}
  ~TReturnGuard() { FLocal.ReturnToParent(); }
  TReturnGuard(const TReturnGuard&) = delete;
  TReturnGuard& operator=(const TReturnGuard&) = delete;

 private:
  TIEContext& FLocal;
};

bool IsExpression(const IIEValue& value) {
  TIEType k = value->DType();
  return k == dtFunCall || k == dtVariable || k == dtMultiVariable;
}

}  // namespace

TInterpretedFunction::TInterpretedFunction()
    : FParameters(MakeRef<TValueVector>()), FActions(MakeRef<TValueVector>()) {
  SetArgumentLimits(0, 0);
}

int32_t TInterpretedFunction::AddParameter(std::string_view name, TIEType kind) {
  if (!IsParameterKind(kind))
    throw EIEException(
        FormatMessage(kInvalidDeffunctionParameter, {TypeName(kind), ParameterKindList()}));
  int32_t index = FParameters->Add(MakeRef<TIEValue>(name, kind));
  int32_t count = ParameterCount();
  SetArgumentLimits(count, kind == dtMultiVariable ? kNoLimit : count);
  return index;
}

int32_t TInterpretedFunction::AddParameter(const IIEValue& parameter) {
  if (!parameter) return AddParameter("", dtNone);
  return AddParameter(parameter->Text(), parameter->DType());
}

int32_t TInterpretedFunction::AddAction(const IFunCall& call) {
  return FActions->Add(MakeRef<TIEValue>(IFunCallBase(call)));
}

int32_t TInterpretedFunction::AddAction(IIEValue action) {
  return FActions->Add(std::move(action));
}

IIEValue TInterpretedFunction::Execute(TFunctionCall& call, TIEContext& context) {
  if (call.ArgumentCount() < ParameterCount())
    throw EIEException(FormatMessage(kTooFewArguments, {FunctionName()}));
  if (context.CallDepth() >= kMaxNestingDepth)
    throw EIEException(FormatMessage(kDeffunctionTooDeep, {kMaxNestingDepth, FunctionName()}));
  // The depth counts the calls of one text; `parse` or `load` in a body
  // starts a text of its own, with its calls counted from 0 again.
  CheckStackSpace("Deffunction calls");
  std::unique_ptr<TIEContext> local = context.CreateChild();
  local->SetCallDepth(context.CallDepth() + 1);
  TReturnGuard guard(*local);
  BindParameters(call, context, *local);
  IIEValue result = RunActions(*local);
  // A returned expression is evaluated where its variables live.
  if (result && IsExpression(result)) result = result->Evaluate(local.get());
  return result ? result : NilValue();
}

// Every argument is evaluated in the caller's context before any parameter
// is bound, so that an argument never sees a parameter of the call being
// made: (gcd ?b (mod ?a ?b)) passes the caller's ?a and ?b both times.
void TInterpretedFunction::BindParameters(TFunctionCall& call, TIEContext& caller,
                                          TIEContext& local) {
  // An atom parameter takes its position without evaluating the argument.
  std::vector<IIEValue> arguments(size_t(call.ArgumentCount()));
  for (int32_t i = 0; i < call.ArgumentCount(); ++i)
    if (i >= ParameterCount() || Parameters(i)->DType() != dtAtom)
      arguments[size_t(i)] = call.EvaluateArgument(i, caller);
  for (int32_t i = 0; i < ParameterCount(); ++i) {
    const IIEValue& parameter = Parameters(i);
    const std::string& name = parameter->Text();
    switch (parameter->DType()) {
      case dtAtom:
        local.SetLocal(name, NilValue());
        break;
      case dtVariable:
        local.AddBinding(name, arguments[size_t(i)]);
        break;
      default: {  // the wildcard takes the remaining arguments
        IValueVector rest = MakeRef<TValueVector>();
        for (size_t j = size_t(i); j < arguments.size(); ++j) rest->Add(arguments[j]);
        local.AddBinding(name, MakeList(std::move(rest)));
        break;
      }
    }
  }
}

IIEValue TInterpretedFunction::RunActions(TIEContext& local) {
  IIEValue result;
  for (const IIEValue& action : *FActions) {
    if (!action) continue;
    result = action->Evaluate(&local);
    if (local.ReturnFlag()) {
      result = local.ReturnValue();
      local.ClearReturn();
      break;
    }
  }
  return result;
}

void TInterpretedFunction::Detached() {
  for (const IIEValue& action : *FActions) UnresolveCalls(action);
}

std::string TInterpretedFunction::DefaultText() const {
  std::string text = "(deffunction " + FunctionName() + " (";
  for (int32_t i = 0; i < ParameterCount(); ++i) {
    if (i > 0) text += " ";
    text += Parameters(i)->AsText();
  }
  text += ")\r\n";
  if (!Comment().empty()) text += "    \"" + Comment() + "\"\r\n";
  for (const IIEValue& action : *FActions)
    text += "    " + (action ? action->AsText() : "") + "\r\n";
  return text + ")\r\n";
}

}  // namespace vettora
