#pragma once
// TConsole: one engine wired to a console. The engine's output goes to an
// IConsoleOutput with LF line ends; `read` and `readline` take their input
// from a byte stream (standard input in the shell).
//
// Texts, files and the input itself are run item by item, as the parser's
// ParseNext reads them: definitions are added, top-level calls run and
// their non-nil results are echoed. A failing item prints its message as
// one error line and the text goes on after its top-level group; nothing is
// cleared or reset in between, so later items see what earlier ones made.
// The silent abort of `exit`, wherever it is raised, ends the running text
// and marks the console aborted: its host runs nothing more.

#include <cstdint>
#include <memory>
#include <string>

#include "engine/inference_engine.h"
#include "language/vorlan_parser.h"
#include "reader/vorlan_stream.h"
#include "shell/console_output.h"
#include "shell/console_user_dialogs.h"
#include "shell/line_end_filter.h"

namespace vettora {

class TStream;
class TVorlanEngineParser;

class TConsole {
 public:
  // `output` and `input` are not owned and must outlive the console.
  TConsole(IConsoleOutput& output, TStream& input);
  ~TConsole();
  TConsole(const TConsole&) = delete;
  TConsole& operator=(const TConsole&) = delete;

  [[nodiscard]] TInferenceEngine& Engine() { return *FEngine; }

  // Each returns true when every item it ran succeeded. `firstLine` is the
  // number of the text's first line in error messages.
  bool RunText(const std::string& text, int32_t firstLine = 1);
  bool RunStream(TStream& source, int32_t firstLine = 1);
  // A file that cannot be opened is reported as an error line and marks
  // the console (ExitStatus 2); the caller may go on with other files.
  bool RunFile(const std::string& fileName);
  // Runs the input stream itself as a program; `read` and `readline` in it
  // take the lines that follow, as in a batch.
  bool RunInput();

  // Writes what is still held back and flushes the output.
  void Finish();

  // True once `exit` was called.
  [[nodiscard]] bool Aborted() const { return FAborted; }
  [[nodiscard]] int32_t Failures() const { return FFailures; }
  // 2 when a file could not be read, else 1 when an item failed, else 0.
  [[nodiscard]] int ExitStatus() const;

 private:
  bool RunTokens(TIEVorlanStream& tokens);
  // Skips the rest of the failed item's top-level group.
  void Resynchronise(TIEVorlanStream& tokens);
  void Print(const std::string& text);
  void ReportError(const std::string& message);
  [[nodiscard]] std::string ReadInputLine();
  // The next input line for a dialog's answer; false at the end of input.
  bool ReadAnswerLine(std::string& line);
  [[nodiscard]] IStreamToken ReadInputToken();
  [[nodiscard]] TIEVorlanParser& Parser();

  IConsoleOutput& FOutput;
  std::unique_ptr<TInferenceEngine> FEngine;
  // The engine's parser, owned by the engine.
  TVorlanEngineParser* FParser = nullptr;
  // The input as tokens, bound to the engine for anonymous variable names.
  TIEVorlanStream FInput;
  TLineEndFilter FLineEnds;
  // The engine's dialogs ask on this console.
  TConsoleUserDialogs FDialogs;
  int32_t FFailures = 0;
  bool FUnreadable = false;
  bool FAborted = false;
};

}  // namespace vettora
