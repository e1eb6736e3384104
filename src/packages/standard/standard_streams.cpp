// open, close, read and readline: the named streams of the rule language.
#include <memory>
#include <string>

#include "engine/io_streams.h"
#include "engine/messages.h"
#include "functions/engine_services.h"
#include "matching/context.h"
#include "packages/standard/standard_files.h"
#include "reader/file_stream.h"
#include "reader/stream_token.h"
#include "reader/vorlan_stream.h"
#include "values/exceptions.h"
#include "values/format.h"

namespace vettora {

namespace {

bool FileExists(const std::string& fileName) {
  std::FILE* file = std::fopen(fileName.c_str(), "rb");
  if (!file) return false;
  std::fclose(file);
  return true;
}

// "a" writes after the existing content of a file, or creates it.
std::unique_ptr<TGTextStream> OpenForAppend(const std::string& fileName) {
  if (!FileExists(fileName)) return std::make_unique<TGTextStream>(fileName, fmCreate);
  auto stream = std::make_unique<TGTextStream>(fileName, fmOpenWrite);
  stream->Seek(0, soFromEnd);
  return stream;
}

// Streams that are read are tokenizers, so that `read` can take tokens
// from them; they draw the names of anonymous variables from the engine.
std::unique_ptr<TGTextStream> OpenForReading(IEngineServices& engine, const std::string& fileName,
                                             uint16_t mode) {
  auto stream = std::make_unique<TIEVorlanStream>(fileName, mode);
  stream->SetEngine(engine.SymbolSource());
  return stream;
}

// The stream for a mode, or null for a mode that is not one.
std::unique_ptr<TGTextStream> OpenStream(IEngineServices& engine, const std::string& fileName,
                                         const std::string& mode) {
  if (mode == "r") return OpenForReading(engine, fileName, fmOpenRead);
  if (mode == "r+") return OpenForReading(engine, fileName, fmOpenReadWrite);
  if (mode == "w") return std::make_unique<TGTextStream>(fileName, fmCreate);
  if (mode == "a") return OpenForAppend(fileName);
  return nullptr;
}

bool IsMode(const std::string& mode) {
  return mode == "r" || mode == "r+" || mode == "w" || mode == "a";
}

// The logical name of an optional first argument ("" for the default).
std::string LogicalName(const TFunctionCall& call, TIEContext& context) {
  return call.ArgumentCount() > 0 ? EvaluateArg(call, 0, context)->AsString() : std::string();
}

}  // namespace

// ---- open, close --------------------------------------------------------------

TOpenFunction::TOpenFunction()
    : TStandardFunction("open",
                        "Opens the file under the logical name, for reading (r, the "
                        "default), writing (w), appending (a) or reading and writing (r+)",
                        " <filename> <logical-name> [a|r|w|r+]", 2, 3) {}

IIEValue TOpenFunction::Execute(TFunctionCall& call, TIEContext& context) {
  std::string mode = call.ArgumentCount() > 2 ? EvaluateArg(call, 2, context)->AsString() : "r";
  if (!IsMode(mode)) throw EIEException(FormatMessage(kInvalidFileAccess, {mode}));
  IEngineServices& engine = EngineOf(context);
  std::string fileName = EvaluateArg(call, 0, context)->AsString();
  IIEValue name = EvaluateArg(call, 1, context);
  std::string logicalName = name->AsString();
  engine.IOStreams().Add(logicalName, OpenStream(engine, fileName, mode));
  return name->Clone();
}

TCloseFunction::TCloseFunction()
    : TStandardFunction("close",
                        "Closes the streams of the logical names given, or every open stream "
                        "when none is given",
                        " [<logical-name>+]", 0, TIEUserFunction::kNoLimit) {}

IIEValue TCloseFunction::Execute(TFunctionCall& call, TIEContext& context) {
  TIOStreams& streams = EngineOf(context).IOStreams();
  if (call.ArgumentCount() == 0) streams.Clear();
  for (int32_t i = 0; i < call.ArgumentCount(); ++i)
    streams.Remove(EvaluateArg(call, i, context)->AsString());
  return TrueValue();
}

// ---- read, readline -----------------------------------------------------------

TReadFunction::TReadFunction()
    : TStandardFunction("read",
                        "Reads one value from the logical name, or from the standard input "
                        "when none is given",
                        " [<logical-name>]", 0, 1) {}

IIEValue TReadFunction::Execute(TFunctionCall& call, TIEContext& context) {
  IEngineServices& engine = EngineOf(context);
  IIEValue value = engine.ReadToken(LogicalName(call, context))->ToValue();
  return value ? value : NilValue();
}

TReadLineFunction::TReadLineFunction()
    : TStandardFunction("readline",
                        "Reads one line, as a string, from the logical name, or from the "
                        "standard input when none is given; EOF at the end or on an empty line",
                        " [<logical-name>]", 0, 1) {}

IIEValue TReadLineFunction::Execute(TFunctionCall& call, TIEContext& context) {
  IEngineServices& engine = EngineOf(context);
  std::string line = engine.ReadLine(LogicalName(call, context));
  return line.empty() ? EOFValue() : MakeString(line);
}

}  // namespace vettora
