// The standard package's storage and symbol functions.
#include "packages/standard/standard_storage.h"

#include "engine/engine_variables.h"
#include "functions/engine_services.h"
#include "functions/function_call.h"
#include "matching/binding_info.h"
#include "matching/context.h"
#include "packages/standard/standard_facts.h"

namespace vettora {

namespace {

constexpr const char* kSymbolPrefix = "gen";

// The nil value (the empty atom) stands for "no value" in the table.
bool IsNil(const IIEValue& value) { return !value || value->Equals(NilValue()); }

}  // namespace

// ---- store ----------------------------------------------------------------------

TStoreFunction::TStoreFunction()
    : TStandardFunction("store",
                        "Stores the value under the name, replacing any earlier value; "
                        "returns the value",
                        " <variable-name> <value>", 2, 2) {}

// The table keeps its own copy, so later changes to the caller's value do
// not reach the stored one.
IIEValue TStoreFunction::Execute(TFunctionCall& call, TIEContext& context) {
  TEngineVariables& table = EngineOf(context).EngineVariables();
  IIEValue value = call.EvaluateArgument(1, context);
  std::string key = call.EvaluateArgument(0, context)->AsString();
  if (IsNil(value)) {
    (void)table.Store(key, IIEValue());
    return NilValue();
  }
  (void)table.Store(key, value->Clone());
  return value;
}

// ---- fetch ----------------------------------------------------------------------

TFetchFunction::TFetchFunction()
    : TStandardFunction("fetch",
                        "Returns the value stored under the name, or nil when there is none",
                        " <lexeme-expression>", 1, 1) {}

// The name is evaluated like store's, so a key held in a variable or made
// by a call finds what store filed under it; a constant name is itself.
IIEValue TFetchFunction::Execute(TFunctionCall& call, TIEContext& context) {
  TEngineVariables& table = EngineOf(context).EngineVariables();
  IIEValue value = table.Fetch(call.EvaluateArgument(0, context)->AsString());
  return value ? value : NilValue();
}

// ---- clear-storage --------------------------------------------------------------

TClearStorageFunction::TClearStorageFunction()
    : TStandardFunction("clear-storage", "Removes every stored value", "", 0, 0) {}

IIEValue TClearStorageFunction::Execute(TFunctionCall& call, TIEContext& context) {
  (void)call;
  EngineOf(context).EngineVariables().Clear();
  return NilValue();
}

// ---- __get-var ------------------------------------------------------------------

TExtractGlobalFunction::TExtractGlobalFunction()
    : TStandardFunction("__get-var",
                        "Returns the value of a variable, or of the variable named by the "
                        "argument; nil when it is not bound",
                        " <variable-name>", 1, 1) {}

// The parser turns a call written as (?x ...) into (__get-var ?x ...): a
// variable stands for its binding; any other argument names a variable.
IIEValue TExtractGlobalFunction::Execute(TFunctionCall& call, TIEContext& context) {
  TIEType kind = call.Argument(0)->DType();
  if (kind == dtVariable || kind == dtMultiVariable) return call.EvaluateArgument(0, context);
  TBinding* binding = context.FindBinding(call.EvaluateArgument(0, context)->AsString());
  return binding && binding->Value() ? binding->Value() : NilValue();
}

// ---- gensym* --------------------------------------------------------------------

TGenSymStarFunction::TGenSymStarFunction()
    : TStandardFunction("gensym*", "Returns a new symbol, gen followed by a number", "", 0, 0) {}

IIEValue TGenSymStarFunction::Execute(TFunctionCall& call, TIEContext& context) {
  (void)call;
  return MakeAtom(EngineOf(context).GenerateSymbol(kSymbolPrefix));
}

}  // namespace vettora
