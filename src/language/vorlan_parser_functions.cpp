// TIEVorlanParser: function calls and their argument forms, value pairs,
// `deffunction` and `defglobal`.
#include "engine/engine_variables.h"
#include "engine/inference_engine.h"
#include "engine/messages.h"
#include "functions/function_call.h"
#include "functions/interpreted_function.h"
#include "language/vorlan_parser.h"
#include "matching/context.h"
#include "reader/vorlan_stream.h"
#include "values/exceptions.h"
#include "values/format.h"

namespace vettora {

namespace {

constexpr const char* kWhereCall = "ParseFunCall";
constexpr const char* kWherePair = "ParseValuePair";
constexpr const char* kWhereFunction = "ParseFunction";
constexpr const char* kWhereVariable = "ParseVariable";
constexpr const char* kWhereGlobals = "ParseGlobalVariables";
constexpr const char* kGetVarFunction = "__get-var";

bool IsValueToken(int32_t kind) {
  return kind == dtAtom || kind == dtString || kind == dtInteger || kind == dtVariable ||
         kind == dtFloat || kind == dtMultiVariable;
}

}  // namespace

// ( <name> <argument>* )
IFunCall TIEVorlanParser::ParseFunCall() {
  TNestingGuard nesting(*this, kWhereCall);
  IStreamToken open = Next();
  if (open->DataType() != tkOpenParen) Fail(kWhereCall, kExpectedOpenParen);
  IStreamToken name = Next();
  auto* reasoner = static_cast<IReasoner*>(&FEngine);
  IFunCall call;
  switch (name->DataType()) {
    case dtAtom:
      call = MakeRef<TFunctionCall>(reasoner, name->Text());
      break;
    case tkEquals:
      call = MakeRef<TFunctionCall>(reasoner, "=");
      break;
    case dtVariable:
    case dtMultiVariable:
      call = MakeRef<TFunctionCall>(reasoner, kGetVarFunction);
      call->AddArgument(name->ToValue());
      break;
    default:
      Fail(kWhereCall, kMissingName);
  }
  call->SetComment(TrimText(open->WhiteSpace()));
  TSlotFunctions::TRange range;
  bool hasRange = FSlotFunctions.Find(call->FunctionName(), range);
  for (;;) {
    IStreamToken token = Next();
    if (token->DataType() == tkCloseParen) break;
    ParseArgument(*call, token, hasRange, range);
  }
  if (OnParseFunCall) OnParseFunCall(*this, call);
  return call;
}

void TIEVorlanParser::ParseArgument(TFunctionCall& call, const IStreamToken& token, bool hasRange,
                                    const TSlotFunctions::TRange& range) {
  int32_t kind = token->DataType();
  if (IsValueToken(kind)) {
    call.AddArgument(token->ToValue());
    return;
  }
  if (kind == tkEndOfStream) Fail(kWhereCall, kUnexpectedEndOfStream);
  if (kind != tkOpenParen) {
    // & = | ~ [ ] stand for themselves.
    call.AddTextArgument(token->AsText(), dtString);
    return;
  }
  PushBack(token);
  if (hasRange && range.TakesFacts()) {
    call.AddFactArgument(ParseFact());
  } else if (hasRange && range.PairAt(call.ArgumentCount() + 1)) {
    call.AddListArgument(ParseValuePair());
  } else {
    call.AddArgument(ParseParenthesisedValue());
  }
}

// ( <atom> <value>... ): the slot name as an atom, then the value, or a
// list of the values when there are several.
IValueVector TIEVorlanParser::ParseValuePair() {
  TNestingGuard nesting(*this, kWherePair);
  (void)Expect(tkOpenParen, kWherePair, kExpectedOpenAtom);
  IStreamToken name = Next();
  if (name->DataType() != dtAtom) Fail(kWherePair, kExpectedOpenAtom);
  std::vector<IIEValue> values = ParseValueItems(false, kWherePair);
  if (values.empty()) Fail(kWherePair, kExpectedValueMissing);
  ExpectClose(kWherePair);
  IValueVector pair = MakeRef<TValueVector>();
  pair->Add(MakeAtom(name->Text()));
  if (values.size() == 1) {
    pair->Add(values.front());
  } else {
    IValueVector list = MakeRef<TValueVector>();
    for (IIEValue& value : values) list->Add(std::move(value));
    pair->Add(MakeList(list));
  }
  return pair;
}

// A top-level command is a unit of its own: a `return` inside it ends only
// that command, so the context's return state is cleared afterwards (also
// after an error) -- otherwise every later `if` or `while` typed at the top
// level would stop after its first expression.
IIEValue TIEVorlanParser::EvaluateFunCall() {
  IFunCall call = ParseFunCall();
  TIEContext* context = Context();
  struct TClearReturn {
    TIEContext* Context;
    ~TClearReturn() {
      if (Context != nullptr) Context->ClearReturn();
    }
  } clear{context};
  return call->Execute(context);
}

// (deffunction <name> [<comment>] (<parameter>*) [<comment>] <action>*)
IInterpretedFunction TIEVorlanParser::ParseFunction() {
  TConstructHeader header = ParseHeader("deffunction", kExpectedDeffunction, kWhereFunction, true);
  IInterpretedFunction function = MakeRef<TInterpretedFunction>();
  try {
    function->SetFunctionName(header.Name);
  } catch (const EIEException& error) {
    Fail(kWhereFunction, error.what());
  }
  function->SetComment(header.Comment);
  if (header.Next->DataType() != tkOpenParen) Fail(kWhereFunction, kExpectedOpenParen);
  for (;;) {
    IStreamToken token = Next();
    if (token->DataType() == tkCloseParen) break;
    if (token->DataType() != dtVariable && token->DataType() != dtMultiVariable)
      Fail(kWhereFunction, kExpectedCloseParen);
    function->AddParameter(token->Text(), TIEType(token->DataType()));
  }
  IStreamToken token = Next();
  if (token->DataType() == dtString) {
    function->SetComment(token->Text());
    token = Next();
  }
  while (token->DataType() != tkCloseParen) {
    if (token->DataType() == tkOpenParen) {
      PushBack(token);
      function->AddAction(ParseFunCall());
    } else if (IsValueToken(token->DataType())) {
      function->AddAction(token->ToValue());
    } else {
      Fail(kWhereFunction, FormatMessage(kUnexpectedCharacter, {token->AsText()}));
    }
    token = Next();
  }
  if (OnParseFunction) OnParseFunction(*this, function);
  return function;
}

// (defglobal ?*<name>* = <value> ...)
void TIEVorlanParser::ParseGlobalVariables() {
  (void)Expect(tkOpenParen, kWhereGlobals, kExpectedOpenParen);
  (void)Next();  // "defglobal"
  for (;;) {
    IStreamToken token = Peek();
    if (token->DataType() == tkCloseParen) break;
    if (token->DataType() == tkEndOfStream) Fail(kWhereGlobals, kExpectedCloseParen);
    IIEValue value;
    std::string name = ParseVariable(value);
    FEngine.GlobalVariables().Add(name, value);
  }
  ExpectClose(kWhereGlobals);
}

// ?*<name>* = <value>: the value is one constant or variable, or a call
// kept unevaluated.
std::string TIEVorlanParser::ParseVariable(IIEValue& value) {
  IStreamToken variable = Next();
  if (variable->DataType() != dtVariable) Fail(kWhereVariable, kMissingName);
  const std::string& name = variable->Text();
  if (name.size() < 2 || name.front() != '*' || name.back() != '*')
    Fail(kWhereVariable, FormatMessage(kBadGlobalName, {name}));
  IStreamToken equals = Next();
  if (equals->DataType() != tkEquals) Fail(kWhereVariable, FormatMessage(kExpectedWord, {"="}));
  IStreamToken token = Next();
  if (token->DataType() == tkOpenParen) {
    PushBack(token);
    value = MakeRef<TIEValue>(IFunCallBase(ParseFunCall()));
  } else if (IsValueToken(token->DataType())) {
    value = token->ToValue();
  } else {
    Fail(kWhereVariable, kExpectedValueMissing);
  }
  if (OnParseVariable) OnParseVariable(*this, name, value);
  return name;
}

}  // namespace vettora
