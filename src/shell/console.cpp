// TConsole: the engine wired to a console, and the item-by-item runner.
#include "shell/console.h"

#include <filesystem>
#include <system_error>

#include "language/vorlan_engine_parser.h"
#include "reader/file_stream.h"
#include "reader/string_stream.h"
#include "shell/messages.h"
#include "values/exceptions.h"
#include "values/format.h"

namespace vettora {

namespace {

// Makes a tokenizer the parser's input for its lifetime, and notes the kind
// of every item reported. The previous input and handler come back
// afterwards, however the run ends.
class TParserInput {
 public:
  TParserInput(TIEVorlanParser& parser, TIEVorlanStream& tokens)
      : FParser(parser), FPrevious(parser.Stream()), FPreviousOnParse(parser.OnParse) {
    FParser.SetStream(&tokens);
    FParser.OnParse = [this](TIEParser& sender, TParsedType kind, TObject* object,
                             const Ref<TCounted>& item) {
      FLastKind = kind;
      if (FPreviousOnParse) FPreviousOnParse(sender, kind, object, item);
    };
  }
  ~TParserInput() {
    FParser.OnParse = std::move(FPreviousOnParse);
    FParser.SetStream(FPrevious);
  }
  TParserInput(const TParserInput&) = delete;
  TParserInput& operator=(const TParserInput&) = delete;

  // The kind of the last item reported; an item reads and reports nested
  // texts (a `batch`) before it reports itself.
  [[nodiscard]] TParsedType LastKind() const { return FLastKind; }

 private:
  TIEVorlanParser& FParser;
  TIEVorlanStream* FPrevious;
  TIEParser::TParseEvent FPreviousOnParse;
  TParsedType FLastKind = ptNil;
};

// An error message as one console line: CR LF and CR inside become LF, and
// line ends at its end are dropped (the output adds one).
std::string MessageLine(const std::string& message) {
  std::string line;
  line.reserve(message.size());
  for (size_t i = 0; i < message.size(); ++i) {
    char c = message[i];
    if (c == '\r') {
      if (i + 1 < message.size() && message[i + 1] == '\n') continue;
      c = '\n';
    }
    line += c;
  }
  while (!line.empty() && line.back() == '\n') line.pop_back();
  return line;
}

}  // namespace

TConsole::TConsole(IConsoleOutput& output, TStream& input)
    : FOutput(output),
      FEngine(std::make_unique<TInferenceEngine>()),
      FInput(&input),
      FDialogs([this](const std::string& text) { Print(text); },
               [this](std::string& line) { return ReadAnswerLine(line); }) {
  // The console reads item by item, so it keeps the rule-language parser
  // it gives its engine.
  auto parser = std::make_unique<TVorlanEngineParser>(*FEngine);
  FParser = parser.get();
  FEngine->SetParser(std::move(parser));
  FInput.SetEngine(FEngine.get());
  FEngine->SetUserDialogs(&FDialogs);
  FEngine->OnPrintOut = [this](TObject&, const std::string&, const std::string& text) {
    Print(text);
  };
  FEngine->OnReadLine = [this](TObject&, const std::string&, std::string& text) {
    text = ReadInputLine();
  };
  FEngine->OnReadToken = [this](TObject&, const std::string&, IStreamToken& token) {
    token = ReadInputToken();
  };
}

TConsole::~TConsole() {
  // Nothing the engine does while it is taken apart reaches a half-gone
  // console.
  FEngine->OnPrintOut = nullptr;
  FEngine->OnReadLine = nullptr;
  FEngine->OnReadToken = nullptr;
  FEngine->SetUserDialogs(nullptr);
}

TIEVorlanParser& TConsole::Parser() { return FParser->Parser(); }

// ---- Running ---------------------------------------------------------------------

bool TConsole::RunText(const std::string& text, int32_t firstLine) {
  TStringStream source(text);
  return RunStream(source, firstLine);
}

bool TConsole::RunStream(TStream& source, int32_t firstLine) {
  TIEVorlanStream tokens(&source);
  tokens.SetEngine(FEngine.get());
  tokens.SetLineNumber(firstLine);
  return RunTokens(tokens);
}

bool TConsole::RunFile(const std::string& fileName) {
  if (fileName == "-") return RunInput();
  std::error_code error;
  if (std::filesystem::is_directory(fileName, error)) {
    FUnreadable = true;
    ReportError(FormatMessage(kShellIsDirectory, {fileName}));
    return false;
  }
  std::unique_ptr<TFileStream> file;
  try {
    file = std::make_unique<TFileStream>(fileName, fmOpenRead);
  } catch (const std::exception& failure) {
    FUnreadable = true;
    ReportError(failure.what());
    return false;
  }
  return RunStream(*file);
}

bool TConsole::RunInput() { return RunTokens(FInput); }

// Items are read and run one at a time, each to completion before the next
// is read, so a text can define what its later items use. The text ends at
// the end of its stream or at an "(EOF)" item -- not when a call merely
// returns the atom EOF, as `readline` does at the end of the input, which
// would otherwise silently drop the rest of the text.
bool TConsole::RunTokens(TIEVorlanStream& tokens) {
  TIEVorlanParser& parser = Parser();
  TParserInput input(parser, tokens);
  int32_t failuresBefore = FFailures;
  while (!FAborted) {
    try {
      // The engine's type-check setting may have been changed by an item.
      parser.SetStaticTypeChecks(FEngine->TypeChecks().Contains(tcStatic));
      if (!parser.ParseNext(true) && input.LastKind() == ptEndOfStream) break;
    } catch (const EIEAbort&) {
      FAborted = true;
    } catch (const std::exception& failure) {
      ReportError(failure.what());
      Resynchronise(tokens);
    }
  }
  return FFailures == failuresBefore;
}

void TConsole::Resynchronise(TIEVorlanStream& tokens) {
  try {
    tokens.SkipToTopLevel();
  } catch (const std::exception& failure) {
    // The rest of the group is itself unreadable (an unterminated string):
    // that is reported too, and reading goes on after what was consumed.
    ReportError(failure.what());
  }
}

// ---- Output and input ------------------------------------------------------------

void TConsole::Print(const std::string& text) {
  std::string plain = FLineEnds.Filter(text);
  if (!plain.empty()) FOutput.Write(plain);
}

void TConsole::ReportError(const std::string& message) {
  ++FFailures;
  std::string held = FLineEnds.Finish();
  if (!held.empty()) FOutput.Write(held);
  FOutput.WriteError(MessageLine(message));
}

std::string TConsole::ReadInputLine() {
  FOutput.Flush();
  return FInput.ReadLine();
}

bool TConsole::ReadAnswerLine(std::string& line) {
  FOutput.Flush();
  if (FInput.AtEnd()) return false;
  line = FInput.ReadLine();
  return true;
}

// A token and, like `read` on a named stream, the rest of its line: input
// is typed a line at a time.
IStreamToken TConsole::ReadInputToken() {
  FOutput.Flush();
  IStreamToken token = FInput.NextToken();
  FInput.SkipRestOfLine();
  return token;
}

void TConsole::Finish() {
  std::string held = FLineEnds.Finish();
  if (!held.empty()) FOutput.Write(held);
  FOutput.Flush();
}

int TConsole::ExitStatus() const {
  if (FUnreadable) return 2;
  return FFailures > 0 ? 1 : 0;
}

}  // namespace vettora
