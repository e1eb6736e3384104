#pragma once
// IConsoleOutput: where the console writes. Program output (everything the
// engine prints) and error lines are kept apart so that a host can send
// them to standard output and standard error; an error line always comes
// after the output written before it.

#include <string_view>

namespace vettora {

class IConsoleOutput {
 public:
  virtual ~IConsoleOutput() = default;
  // Program output, already with LF line ends.
  virtual void Write(std::string_view text) = 0;
  // One error message; the line end is added here.
  virtual void WriteError(std::string_view message) = 0;
  // Makes written output visible (before input is read, and at the end).
  virtual void Flush() = 0;
};

// Standard output and standard error. Standard output is flushed before
// every error line, so that with both sent to one place (2>&1) the order
// of the two is kept.
class TStdConsoleOutput : public IConsoleOutput {
 public:
  void Write(std::string_view text) override;
  void WriteError(std::string_view message) override;
  void Flush() override;
};

}  // namespace vettora
