// TFunctionCall: arguments, resolution, execution, equality and copying.
#include "functions/function_call.h"

#include <typeinfo>

#include "functions/messages.h"
#include "matching/context.h"
#include "values/exceptions.h"
#include "values/format.h"
#include "values/messages.h"
#include "values/number_text.h"

namespace vettora {

TFunctionCall::TFunctionCall(IReasoner* reasoner, std::string name)
    : TFunctionCall(reasoner ? reasoner->Link() : Ref<TReasonerLink>(), std::move(name)) {}

TFunctionCall::TFunctionCall(Ref<TReasonerLink> reasoner, std::string name)
    : FReasoner(std::move(reasoner)) {
  SetFunctionName(std::move(name));
}

TFunctionCall::TFunctionCall(const IUserFunction& function) { SetFunction(function); }

void TFunctionCall::SetFunctionName(std::string name) {
  FFunctionName = std::move(name);
  FNameHash = ValueStringHash(FFunctionName);
}

const std::string& TFunctionCall::Comment() const {
  static const std::string none;
  return FComment ? *FComment : none;
}

void TFunctionCall::SetComment(std::string comment) {
  if (comment.empty())
    FComment.reset();
  else
    FComment = std::make_unique<std::string>(std::move(comment));
}

void TFunctionCall::SetFunction(IUserFunction function) {
  ReplaceFunction(std::move(function));
  if (FFunction) SetFunctionName(FFunction->FunctionName());
}

void TFunctionCall::ReplaceFunction(IUserFunction function) {
  if (FRunning > 0 && FFunction) {
    if (!FRetired) FRetired = std::make_unique<std::vector<IUserFunction>>();
    FRetired->push_back(std::move(FFunction));
  }
  FFunction = std::move(function);
}

void TFunctionCall::Unresolve() {
  ReplaceFunction(nullptr);
  for (const IIEValue& a : FArguments) UnresolveCalls(a);
}

void UnresolveCalls(const IIEValue& value) {
  if (!value) return;
  if (value->DType() == dtFunCall) {
    if (auto* call = dynamic_cast<TFunctionCall*>(value->AsFunCall().Get())) call->Unresolve();
  } else if (value->DType() == dtList) {
    for (const IIEValue& item : *value->AsList()) UnresolveCalls(item);
  }
}

void TFunctionCall::Assign(const TFunctionCall& source) {
  if (&source == this) return;
  SetFunctionName(source.FFunctionName);
  SetComment(source.Comment());
  FTag = source.FTag;
  // Built aside first: a source argument may hold this very call.
  std::vector<IIEValue> arguments;
  arguments.reserve(source.FArguments.size());
  for (const IIEValue& a : source.FArguments) arguments.push_back(a ? a->Clone() : a);
  FArguments.swap(arguments);
}

IFunCall TFunctionCall::Clone() const {
  IFunCall copy = MakeRef<TFunctionCall>(FReasoner, FFunctionName);
  copy->Assign(*this);
  return copy;
}

int32_t TFunctionCall::AddArgument(IIEValue value) {
  FArguments.push_back(std::move(value));
  return ArgumentCount() - 1;
}

int32_t TFunctionCall::AddFloatArgument(double value, TIEType kind) {
  if (kind == dtFloat) return AddArgument(MakeFloat(value));
  if (kind == dtInteger) {
    int32_t whole = 0;
    if (!TryTruncToInt32(value, whole))
      throw EIEException(FormatMessage(kIntegerOutOfRange, {FormatFloat4(value)}));
    return AddArgument(MakeInteger(whole));
  }
  throw EIEException(FormatMessage(kNotAType, {"Float", FormatFloat4(value), TypeName(kind)}));
}

int32_t TFunctionCall::AddIntegerArgument(int32_t value, TIEType kind) {
  if (kind == dtInteger) return AddArgument(MakeInteger(value));
  if (kind == dtFloat) return AddArgument(MakeFloat(double(value)));
  throw EIEException(FormatMessage(kNotAType, {"Integer", value, TypeName(kind)}));
}

int32_t TFunctionCall::AddTextArgument(std::string_view text, TIEType kind) {
  if (!IsTextKind(kind))
    throw EIEException(FormatMessage(kNotAType, {"String", text, TypeName(kind)}));
  return AddArgument(MakeRef<TIEValue>(text, kind));
}

int32_t TFunctionCall::AddFactArgument(IFactBase fact) {
  return AddArgument(MakeRef<TIEValue>(std::move(fact)));
}

int32_t TFunctionCall::AddCallArgument(const IFunCall& call) {
  return AddArgument(MakeRef<TIEValue>(IFunCallBase(call)));
}

int32_t TFunctionCall::AddListArgument(IValueVector list) {
  return AddArgument(MakeRef<TIEValue>(std::move(list)));
}

void TFunctionCall::DeleteArgument(int32_t i) {
  if (i < 0 || i >= ArgumentCount()) throw EListError(FormatMessage(kListIndexError, {i}));
  FArguments.erase(FArguments.begin() + i);
}

const IIEValue& TFunctionCall::Argument(int32_t i) const {
  if (i < 0 || i >= ArgumentCount()) throw EListError(FormatMessage(kListIndexError, {i}));
  return FArguments[size_t(i)];
}

void TFunctionCall::SetArgument(int32_t i, IIEValue value) {
  if (i < 0 || i >= ArgumentCount()) throw EListError(FormatMessage(kListIndexError, {i}));
  FArguments[size_t(i)] = std::move(value);
}

IIEValue TFunctionCall::EvaluateArgument(int32_t i, TIEContext& context) const {
  const IIEValue& argument = Argument(i);
  return argument ? argument->Evaluate(&context) : argument;
}

void TFunctionCall::Unimplemented() const {
  throw EIEException(FormatMessage(kFunctionUnimplemented, {FFunctionName}));
}

bool TFunctionCall::Resolve() {
  if (FFunction) return true;
  IReasoner* reasoner = Reasoner();
  IUserFunction found;
  if (!reasoner || !reasoner->FindFunction(FFunctionName, found) || !found) return false;
  SetFunction(std::move(found));
  return true;
}

IIEValue TFunctionCall::Execute(TIEContext* context) {
  if (!Resolve()) Unimplemented();
  return Run(context);
}

namespace {

// Ends one run of a call, also by an error; the outermost run lets go of
// the functions retired meanwhile.
class TRunScope {
 public:
  TRunScope(int32_t& running, std::unique_ptr<std::vector<IUserFunction>>& retired)
      : FRunning(running), FRetired(retired) {
    ++FRunning;
  }
  ~TRunScope() {
    if (--FRunning == 0 && FRetired) FRetired.reset();
  }
  TRunScope(const TRunScope&) = delete;
  TRunScope& operator=(const TRunScope&) = delete;

 private:
  int32_t& FRunning;
  std::unique_ptr<std::vector<IUserFunction>>& FRetired;
};

}  // namespace

IIEValue TFunctionCall::Run(TIEContext* context) {
  TRunScope scope(FRunning, FRetired);
  return FFunction->Call(*this, context);
}

const TIEValue* TFunctionCall::CallArgument(int32_t i) const {
  return i >= 0 && i < ArgumentCount() ? FArguments[size_t(i)].Get() : nullptr;
}

bool TFunctionCall::TryCompare(const TIEValue& first, const TIEValue& second, bool& result) {
  if (ArgumentCount() != 2 || !Resolve()) return false;
  return FFunction->TryCompare(first, second, result);
}

IIEValue TFunctionCall::Call(TIEContext* context) {
  if (!FFunction) Unimplemented();
  try {
    return Run(context);
  } catch (const EIEAbort&) {
    throw;  // the silent abort is not an error
  } catch (const std::exception& e) {
    throw EIEException(FormatMessage(kFunctionCallError, {FFunctionName, e.what()}));
  }
}

bool TFunctionCall::Equals(const TFunctionCall& other) const {
  if (&other == this) return true;
  if (FFunctionName != other.FFunctionName || FArguments.size() != other.FArguments.size())
    return false;
  for (size_t i = 0; i < FArguments.size(); ++i) {
    const IIEValue& a = FArguments[i];
    const IIEValue& b = other.FArguments[i];
    if (a == b) continue;
    if (!a || !a->Equals(b)) return false;
  }
  return true;
}

bool TFunctionCall::Equals(const TFunCallBase& other) const {
  auto* call = dynamic_cast<const TFunctionCall*>(&other);
  return call && Equals(*call);
}

uint32_t TFunctionCall::HashCode() const {
  uint32_t h = FNameHash;
  for (const IIEValue& a : FArguments)
    if (a) h += a->HashCode();
  return h;
}

std::string TFunctionCall::AsText() const {
  if (IReasoner* reasoner = Reasoner()) return reasoner->PrintFunCall(*this);
  return FunCallText(*this);
}

IIEValue TFunctionCall::Evaluate(IEvalContext* context) {
  // Every evaluation passes here: the exact class is recognised without a
  // full dynamic cast.
  if (context && typeid(*context) == typeid(TIEContext))
    return Execute(static_cast<TIEContext*>(context));
  return Execute(dynamic_cast<TIEContext*>(context));
}

}  // namespace vettora
