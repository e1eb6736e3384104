// Harness: console text, run as `vettora-shell FILE` runs it: item by
// item, definitions added, top-level calls evaluated, errors reported and
// skipped. The input up to its first NUL byte is the program; what follows
// is what `read`, `readline` and the dialogs read instead of standard
// input (at its end they get EOF or cancel). `exit` ends the text, not the
// process; the guard bounds the work and keeps files in its sandbox.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/engine_guard.h"
#include "reader/string_stream.h"
#include "shell/console.h"
#include "shell/console_output.h"

namespace {

class TSilentOutput : public vettora::IConsoleOutput {
 public:
  void Write(std::string_view) override {}
  void WriteError(std::string_view) override {}
  void Flush() override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > vettora::fuzz::kMaxInputBytes) return 0;
  std::string_view input(reinterpret_cast<const char*>(data), size);
  size_t split = input.find('\0');
  std::string program(input.substr(0, split));
  std::string answers(split == std::string_view::npos ? std::string_view() : input.substr(split + 1));

  vettora::fuzz::TEngineGuard guard;
  TSilentOutput output;
  vettora::TStringStream stdinText(answers);
  vettora::TConsole console(output, stdinText);
  guard.Attach(console.Engine());
  (void)console.RunText(program);
  console.Finish();
  return 0;
}
