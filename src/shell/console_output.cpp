// TStdConsoleOutput: the console's output on the process's standard files.
#include "shell/console_output.h"

#include <cstdio>

namespace vettora {

void TStdConsoleOutput::Write(std::string_view text) {
  std::fwrite(text.data(), 1, text.size(), stdout);
}

void TStdConsoleOutput::WriteError(std::string_view message) {
  std::fflush(stdout);
  std::fwrite(message.data(), 1, message.size(), stderr);
  std::fputc('\n', stderr);
  std::fflush(stderr);
}

void TStdConsoleOutput::Flush() { std::fflush(stdout); }

}  // namespace vettora
