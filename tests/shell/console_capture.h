#pragma once
// Console output captured for tests: output and error lines in one text,
// error lines marked with "!", and the number of flushes.

#include <string>
#include <string_view>

#include "shell/console_output.h"

namespace vettora::testing {

class TConsoleCapture : public IConsoleOutput {
 public:
  void Write(std::string_view text) override { Text += text; }
  void WriteError(std::string_view message) override {
    Text += "!";
    Text += message;
    Text += "\n";
  }
  void Flush() override { ++Flushes; }
  std::string Text;
  int Flushes = 0;
};

}  // namespace vettora::testing
