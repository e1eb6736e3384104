// TIEUserFunction: limits, names, reasoners and the checked call.
#include "functions/user_function.h"

#include <algorithm>

#include "functions/function_call.h"
#include "functions/messages.h"
#include "values/exceptions.h"
#include "values/format.h"
#include "values/messages.h"

namespace vettora {

void TIEUserFunction::AddReasoner(IReasoner* reasoner) {
  if (reasoner && IndexOfReasoner(reasoner) < 0) FReasoners.push_back(reasoner);
}

void TIEUserFunction::DeleteReasoner(int32_t i) {
  if (i < 0 || i >= ReasonerCount()) throw EListError(FormatMessage(kListIndexError, {i}));
  FReasoners.erase(FReasoners.begin() + i);
  if (FReasoners.empty()) Detached();
}

void TIEUserFunction::RemoveReasoner(IReasoner* reasoner) {
  int32_t i = IndexOfReasoner(reasoner);
  if (i >= 0) DeleteReasoner(i);
}

void TIEUserFunction::RemoveAllReasoners() {
  if (FReasoners.empty()) return;
  FReasoners.clear();
  Detached();
}

int32_t TIEUserFunction::IndexOfReasoner(const IReasoner* reasoner) const {
  auto it = std::find(FReasoners.begin(), FReasoners.end(), reasoner);
  return it == FReasoners.end() ? -1 : int32_t(it - FReasoners.begin());
}

IReasoner* TIEUserFunction::Reasoners(int32_t i) const {
  if (i < 0 || i >= ReasonerCount()) throw EListError(FormatMessage(kListIndexError, {i}));
  return FReasoners[size_t(i)];
}

void TIEUserFunction::SetMinArgumentCount(int32_t count) {
  if (count == FMinArgumentCount) return;
  FMinArgumentCount = count;
  if (FMaxArgumentCount < count) FMaxArgumentCount = count;
}

void TIEUserFunction::SetMaxArgumentCount(int32_t count) {
  if (count == FMaxArgumentCount) return;
  FMaxArgumentCount = count;
  if (FMinArgumentCount > count) FMinArgumentCount = count;
}

void TIEUserFunction::SetArgumentLimits(int32_t min, int32_t max) {
  FMinArgumentCount = min;
  FMaxArgumentCount = max;
}

void TIEUserFunction::SetFunctionName(const std::string& name) {
  if (name == FFunctionName) return;
  if (FReasoners.empty()) {
    FFunctionName = name;
    NameChanged();
    return;
  }
  // The reasoners hold this function; keep it alive while it is taken off
  // and filed again.
  IUserFunction self(this);
  std::vector<IReasoner*> reasoners = FReasoners;
  for (IReasoner* r : reasoners) r->UnregisterFunction(self);
  FFunctionName = name;
  NameChanged();
  for (IReasoner* r : reasoners) r->RegisterFunction(self);
}

std::string TIEUserFunction::Print() const {
  if (!FReasoners.empty()) return FReasoners.front()->PrintFunction(*this);
  return DefaultText();
}

IIEValue TIEUserFunction::Call(TFunctionCall& call, TIEContext* context) {
  int32_t count = call.ArgumentCount();
  if (count < FMinArgumentCount)
    throw EIEException(FormatMessage(kTooFewArguments, {FFunctionName}));
  if (count > FMaxArgumentCount)
    throw EIEException(FormatMessage(kTooManyArguments, {FFunctionName}));
  if (!context) throw EIEException(FormatMessage(kFunctionNeedsContext, {FFunctionName}));
  return Execute(call, *context);
}

void TIEUserFunction::Assign(const TIEUserFunction& source) {
  if (&source == this) return;
  SetMinArgumentCount(source.FMinArgumentCount);
  SetMaxArgumentCount(source.FMaxArgumentCount);
  FComment = source.FComment;
  SetFunctionName(source.FFunctionName);
}

}  // namespace vettora
