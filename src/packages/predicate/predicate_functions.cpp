// evenp, oddp and get-type.
#include "packages/predicate/predicate_functions.h"

#include "functions/argument_values.h"
#include "packages/predicate/messages.h"

namespace vettora {
namespace {

// The argument read as an integer: a float is truncated toward zero and a
// numeric text is read as a number; anything else raises the reader's error.
bool IsEven(TFunctionCall& call, TIEContext& context) {
  return IntegerArgument(call, 0, context) % 2 == 0;
}

const IIEValue& Boolean(bool answer) { return answer ? TrueValue() : FalseValue(); }

}  // namespace

TEvenPFunction::TEvenPFunction()
    : TBuiltInFunction("evenp", kEvenPHelp, " <numeric-expression>", 1, 1) {}

IIEValue TEvenPFunction::Execute(TFunctionCall& call, TIEContext& context) {
  return Boolean(IsEven(call, context));
}

TOddPFunction::TOddPFunction()
    : TBuiltInFunction("oddp", kOddPHelp, " <numeric-expression>", 1, 1) {}

IIEValue TOddPFunction::Execute(TFunctionCall& call, TIEContext& context) {
  return Boolean(!IsEven(call, context));
}

TGetValueTypeFunction::TGetValueTypeFunction()
    : TBuiltInFunction("get-type", kGetTypeHelp, " <expression> ", 1, 1) {}

IIEValue TGetValueTypeFunction::Execute(TFunctionCall& call, TIEContext& context) {
  IIEValue value = call.EvaluateArgument(0, context);
  return MakeAtom(TypeName(value ? value->DType() : dtNone));
}

}  // namespace vettora
