// vettora::TEngine: the public members, each a thin call into the engine
// component guarded so that only EEngineError leaves.
#include <fstream>
#include <iterator>
#include <string>

#include "api/engine_bridge.h"
#include "api/value_conversion.h"
#include "engine/engine_parser.h"
#include "engine/facts.h"
#include "functions/function_call.h"
#include "knowledge/fact.h"
#include "knowledge/messages.h"
#include "values/format.h"

namespace vettora {

TEngine::TEngine() : FImpl(std::make_unique<TImpl>()) {}
TEngine::~TEngine() = default;

void TEngine::Load(const std::string& text) {
  FImpl->Guarded([&] { FImpl->Engine.ExecuteText(text); });
}

void TEngine::LoadFile(const std::string& fileName) {
  std::ifstream file(fileName, std::ios::binary);
  if (!file) throw EEngineError("Unable to read the file " + fileName);
  std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  if (file.bad()) throw EEngineError("Unable to read the file " + fileName);
  Load(text);
}

TValue TEngine::Evaluate(const std::string& command) {
  return FImpl->Guarded([&] { return ToPublicValue(FImpl->Engine.Parser().EvaluateFunCall(command)); });
}

int32_t TEngine::Assert(const std::string& factText) {
  return FImpl->Guarded([&] { return FImpl->Engine.AssertString(factText); });
}

void TEngine::Retract(int32_t factId) {
  FImpl->Guarded([&] {
    int32_t index = FImpl->Engine.Facts().IndexOfId(factId);
    if (index < 0) throw EEngineError(FormatMessage(kNoSuchFactId, {std::to_string(factId)}));
    FImpl->Engine.Retract(index);
  });
}

int32_t TEngine::Modify(int32_t factId, const std::string& slot, const TValue& value) {
  return FImpl->Guarded([&] {
    IIEValue engineValue = ToEngineValue(value);
    return FImpl->Engine.Facts().Modify(
        factId, [&](TFact& fact) { fact.SetSlotValue(slot, engineValue); });
  });
}

std::vector<TFactView> TEngine::Facts() const {
  std::vector<TFactView> views;
  const TFacts& facts = FImpl->Engine.Facts();
  views.reserve(size_t(facts.Count()));
  for (int32_t i = 0; i < facts.Count(); ++i) views.push_back(TImpl::View(*facts.Items(i)));
  return views;
}

std::optional<TFactView> TEngine::FindFact(int32_t factId) const {
  IFact fact = FImpl->Engine.Facts().FindById(factId);
  if (!fact) return std::nullopt;
  return TImpl::View(*fact);
}

void TEngine::Reset() {
  FImpl->Guarded([&] { FImpl->Engine.Reset(); });
}

void TEngine::Clear() {
  FImpl->Guarded([&] { FImpl->Engine.Clear(); });
}

int32_t TEngine::Run(int32_t maximum) {
  return FImpl->Guarded([&] { return FImpl->Engine.Run(maximum); });
}

void TEngine::Halt() { FImpl->Engine.Halt(); }

int32_t TEngine::RulesFired() const { return FImpl->Engine.RulesFired(); }

std::string TEngine::Version() { return VETTORA_VERSION; }

void TEngine::SetOnPrintOut(TPrintOutHandler handler) { FImpl->OnPrintOut = std::move(handler); }
void TEngine::SetOutput(std::ostream* stream) { FImpl->Output = stream; }
void TEngine::SetOnAssertion(TFactHandler handler) { FImpl->OnAssertion = std::move(handler); }
void TEngine::SetOnRetraction(TFactHandler handler) { FImpl->OnRetraction = std::move(handler); }
void TEngine::SetOnRuleFired(TRuleHandler handler) { FImpl->OnRuleFired = std::move(handler); }
void TEngine::SetOnReset(TNotifyHandler handler) { FImpl->OnReset = std::move(handler); }
void TEngine::SetOnClear(TNotifyHandler handler) { FImpl->OnClear = std::move(handler); }

}  // namespace vettora
