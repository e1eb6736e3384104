// vettora-shell: the console of the rule language. It runs files and texts
// given on the command line against one engine, item by item, and reads
// commands interactively when asked to (or when given nothing to run).
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "shell/console.h"
#include "engine/io_streams.h"
#include "shell/console_output.h"
#include "shell/fd_stream.h"
#include "shell/interactive.h"
#include "shell/line_editor.h"
#include "shell/messages.h"
#include "shell/shell_options.h"
#include "values/address_sanitizer.h"
#include "values/format.h"

namespace vettora {
namespace {

void RunInputs(TConsole& console, const TShellOptions& options) {
  for (const TShellInput& input : options.Inputs) {
    if (console.Aborted()) return;
    if (input.Kind == sikFile)
      console.RunFile(input.Value);
    else
      console.RunText(input.Value);
  }
}

// Interactive use on a terminal gets line editing; input from a pipe or a
// file is run as a program instead, without prompts.
void RunSession(TConsole& console) {
  if (console.Aborted()) return;
  if (!isatty(STDIN_FILENO)) {
    console.RunInput();
    return;
  }
  std::fputs(FormatMessage(kShellBanner, {VETTORA_VERSION}).c_str(), stdout);
  TLineEditor editor(TLineEditor::DefaultHistoryFile());
  RunInteractive(console, editor);
  // Ctrl-D leaves the cursor after the prompt.
  if (!console.Aborted()) std::fputc('\n', stdout);
}

// Taking a large knowledge base apart object by object can take longer
// than building it, and the system reclaims the memory at once: the shell
// closes the engine's files, so nothing written to them is lost, flushes
// its output and leaves. Sanitizer builds take everything apart, so that
// their leak checks see every object.
void LeaveWithoutTeardown([[maybe_unused]] TConsole& console, [[maybe_unused]] int status) {
#if !VETTORA_ADDRESS_SANITIZER
  console.Engine().DribbleOff();
  console.Engine().IOStreams().Clear();
  std::fflush(nullptr);
  std::_Exit(status);
#endif
}

int Main(const std::vector<std::string>& args) {
  TShellOptions options = ParseShellOptions(args);
  if (!options.Error.empty()) {
    std::fprintf(stderr, "%s: %s\n%s\n", kShellName, options.Error.c_str(), kShellTryHelp);
    return 2;
  }
  if (options.Help) {
    std::fputs(kShellUsage, stdout);
    return 0;
  }
  if (options.Version) {
    std::fputs(FormatMessage(kShellVersion, {VETTORA_VERSION}).c_str(), stdout);
    return 0;
  }
  TStdConsoleOutput output;
  TFdStream input(STDIN_FILENO);
  TConsole console(output, input);
  console.Engine().SetWatch(options.Watch);
  RunInputs(console, options);
  if (options.Interactive) RunSession(console);
  console.Finish();
  LeaveWithoutTeardown(console, console.ExitStatus());
  return console.ExitStatus();
}

}  // namespace
}  // namespace vettora

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  return vettora::Main(args);
}
