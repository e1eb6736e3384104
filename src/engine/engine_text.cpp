// TInferenceEngine: output, and the text services it offers the lower
// layers (printing and parsing through its parser, function calls for the
// rule compiler).
#include "engine/inference_engine.h"
#include "engine/io_streams.h"
#include "engine/messages.h"
#include "functions/function_call.h"
#include "values/exceptions.h"
#include "values/format.h"

namespace vettora {

// ---- Output ------------------------------------------------------------------------

void TInferenceEngine::PrintOut(const std::string& outId, const std::string& text) {
  if (outId.empty() || outId == "t") {
    // A capture takes the standard output away from the host.
    if (FCaptureStream)
      FCaptureStream->WriteText(text);
    else if (OnPrintOut)
      OnPrintOut(*this, outId, text);
    return;
  }
  if (TGTextStream* stream = FIOStreams->Find(outId)) {
    stream->WriteText(text);
    return;
  }
  if (!OnPrintOut) throw EIEException(FormatMessage(kPrintOutUnassigned, {"printout"}));
  OnPrintOut(*this, outId, text);
}

// ---- Printing and parsing through the parser --------------------------------------

std::string TInferenceEngine::PrintFunCall(const TFunctionCall& call) {
  return FParser->PrintFunCall(call);
}

std::string TInferenceEngine::PrintFunction(const TIEUserFunction& function) {
  return FParser->PrintFunction(function);
}

std::string TInferenceEngine::PrintTemplateSlot(const TFactSlot& slot) {
  return FParser->PrintTemplateSlot(slot);
}

std::string TInferenceEngine::PrintFactTemplate(const TFactTemplate& factTemplate) {
  return FParser->PrintFactTemplate(factTemplate);
}

std::string TInferenceEngine::PrintDefinedType(const TIEDefinedType& type) {
  return FParser->PrintDefinedType(type);
}

std::string TInferenceEngine::PrintRule(const TRule& rule) { return FParser->PrintRule(rule); }

std::string TInferenceEngine::PrintPattern(const TIEPattern& pattern) {
  return FParser->PrintPattern(pattern);
}

IIEValue TInferenceEngine::ParseValue(const std::string& text) { return FParser->ParseValue(text); }

IFact TInferenceEngine::ParseFact(const std::string& text) { return FParser->ParseFact(text); }

ISingletonsVector TInferenceEngine::ParseFuzzyPoints(const std::string& text) {
  return FParser->ParseFuzzyPoints(text);
}

// ---- Function calls for the rule compiler ------------------------------------------

namespace {

const TFunctionCall& AsCall(const TFunCallBase& call) {
  return dynamic_cast<const TFunctionCall&>(call);
}

TFunctionCall& AsCall(TFunCallBase& call) { return dynamic_cast<TFunctionCall&>(call); }

}  // namespace

IFunCallBase TInferenceEngine::NewFunctionCall(const std::string& name) {
  return MakeRef<TFunctionCall>(static_cast<IReasoner*>(this), name);
}

IFunCallBase TInferenceEngine::CopyFunctionCall(const TFunCallBase& call) {
  return AsCall(call).Clone();
}

std::string TInferenceEngine::FunctionCallName(const TFunCallBase& call) {
  return AsCall(call).FunctionName();
}

int32_t TInferenceEngine::CallArgumentCount(const TFunCallBase& call) {
  return AsCall(call).ArgumentCount();
}

IIEValue TInferenceEngine::CallArgument(const TFunCallBase& call, int32_t index) {
  return AsCall(call).Argument(index);
}

void TInferenceEngine::SetCallArgument(TFunCallBase& call, int32_t index, IIEValue value) {
  AsCall(call).SetArgument(index, std::move(value));
}

void TInferenceEngine::AddCallArgument(TFunCallBase& call, IIEValue value) {
  AsCall(call).AddArgument(std::move(value));
}

}  // namespace vettora
