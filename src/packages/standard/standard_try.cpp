// `try`: runs a block, then its finally block whatever happened, and on an
// error its catch block with the message in ?__ERROR.
#include <exception>
#include <string>

#include "engine/messages.h"
#include "matching/context.h"
#include "packages/standard/standard_control.h"
#include "values/exceptions.h"

namespace vettora {

namespace {

// Where the keywords of a try call stand (indexes from 0, -1 when absent).
struct TTryLayout {
  int32_t Finally = -1;
  int32_t Catch = -1;
};

bool IsCatchWord(const IIEValue& value) {
  return value->DType() == dtAtom &&
         (value->Equals(CatchKeyword()) || value->Equals(ExceptKeyword()));
}

TTryLayout LayoutOf(const TFunctionCall& call) {
  TTryLayout layout;
  for (int32_t i = 0; i < call.ArgumentCount() && layout.Finally < 0; ++i)
    if (WrittenArg(call, i)->Equals(FinallyKeyword())) layout.Finally = i;
  for (int32_t i = layout.Finally + 1; i < call.ArgumentCount() && layout.Catch < 0; ++i)
    if (IsCatchWord(WrittenArg(call, i))) layout.Catch = i;
  return layout;
}

}  // namespace

TTryFunction::TTryFunction()
    : TStandardFunction("try",
                        "Evaluates the expressions of the try block, then those after "
                        "finally; when an error occurs, the expressions after catch run with "
                        "its message in ?__ERROR",
                        " [<expression>*] [finally [<expression>*>] [catch|except "
                        "[<expression>*]]",
                        1, TIEUserFunction::kNoLimit) {}

// Every error is caught except the silent abort of `exit`, which passes on
// after the finally block. Errors raised by the finally or catch block
// propagate.
IIEValue TTryFunction::Execute(TFunctionCall& call, TIEContext& context) {
  TTryLayout layout = LayoutOf(call);
  if (layout.Finally < 0 && layout.Catch < 0) throw EIEException(kMissingCatchOrFinally);
  int32_t count = call.ArgumentCount();
  IIEValue result = NilValue();
  std::exception_ptr abort;
  bool failed = false;
  std::string message;
  try {
    RunSequence(call, 0, layout.Finally >= 0 ? layout.Finally : layout.Catch, context, result);
  } catch (const EIEAbort&) {
    abort = std::current_exception();
  } catch (const std::exception& error) {
    failed = true;
    message = error.what();
  }
  if (layout.Finally >= 0)
    RunSequence(call, layout.Finally + 1, layout.Catch >= 0 ? layout.Catch : count, context,
                result);
  if (abort) std::rethrow_exception(abort);
  if (!failed) return result;
  result = FalseValue();
  context.SetLocal(kErrorVariable, MakeString(message));
  if (layout.Catch >= 0) RunSequence(call, layout.Catch + 1, count, context, result);
  return result;
}

}  // namespace vettora
