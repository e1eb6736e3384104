// TInferenceEngine: input (ReadLine, ReadToken), batch runs and output
// capture. Named streams come first, then a running batch, then the host's
// events: the engine has no console of its own.
#include "engine/engine_parser.h"
#include "engine/inference_engine.h"
#include "engine/io_streams.h"
#include "engine/messages.h"
#include "reader/file_stream.h"
#include "reader/vorlan_stream.h"
#include "values/exceptions.h"
#include "values/format.h"

namespace vettora {

namespace {

bool IsStandardName(const std::string& name) { return name.empty() || name == "t"; }

// Puts the previous batch stream back however the batch ends.
class TBatchRestore {
 public:
  TBatchRestore(TIETokenizerStream*& slot, TIETokenizerStream* now) : FSlot(slot), FSaved(slot) {
    FSlot = now;
  }
  TBatchRestore(const TBatchRestore&) = delete;
  TBatchRestore& operator=(const TBatchRestore&) = delete;
  ~TBatchRestore() { FSlot = FSaved; }

 private:
  TIETokenizerStream*& FSlot;
  TIETokenizerStream* FSaved;
};

}  // namespace

std::string TInferenceEngine::ReadLine(const std::string& inId) {
  if (!IsStandardName(inId)) {
    if (TGTextStream* stream = FIOStreams->Find(inId))
      return stream->AtEnd() ? std::string() : stream->ReadLine();
  }
  if (FBatchStream) {
    std::string line = FBatchStream->AtEnd() ? std::string() : FBatchStream->ReadLine();
    PrintOut("", line + "\r\n");
    return line;
  }
  if (!OnReadLine) throw EIEException(FormatMessage(kInputEventUnassigned, {"readline"}));
  std::string text;
  OnReadLine(*this, inId, text);
  return text;
}

IStreamToken TInferenceEngine::ReadToken(const std::string& inId) {
  if (!IsStandardName(inId)) {
    if (TGTextStream* stream = FIOStreams->Find(inId)) {
      auto* tokens = dynamic_cast<TIETokenizerStream*>(stream);
      if (!tokens) throw EIEException(FormatMessage(kStreamNotTokenizer, {inId}));
      return tokens->NextToken();
    }
  }
  if (FBatchStream) {
    IStreamToken token = FBatchStream->NextToken();
    PrintOut("", token->Text() + "\r\n");
    return token;
  }
  if (!OnReadToken) throw EIEException(FormatMessage(kInputEventUnassigned, {"read"}));
  IStreamToken token;
  OnReadToken(*this, inId, token);
  // Callers use the token at once: a handler that left it empty is an error
  // rather than a null handed on.
  if (!token) throw EIEException(FormatMessage(kNoTokenRead, {"OnReadToken"}));
  return token;
}

bool TInferenceEngine::Batch(const std::string& fileName) {
  TFileStream file(fileName, fmOpenRead);
  BatchFromStream(file);
  return true;
}

void TInferenceEngine::BatchFromStream(TStream& source) {
  TIEVorlanStream stream(&source);
  TBatchRestore restore(FBatchStream, &stream);
  while (!stream.AtEnd()) FParser->ExecuteText(stream.ReadLine());
}

bool TInferenceEngine::DribbleOn(const std::string& fileName) {
  std::unique_ptr<TGTextStream> stream;
  try {
    stream = std::make_unique<TGTextStream>(fileName, fmCreate);
  } catch (const EGStreamError&) {
    return false;
  }
  DribbleOnStream(std::move(stream));
  return true;
}

void TInferenceEngine::DribbleOnStream(std::unique_ptr<TGTextStream> stream) {
  FCaptureStream = std::move(stream);
}

bool TInferenceEngine::DribbleOff() {
  FCaptureStream.reset();
  return true;
}

}  // namespace vettora
