#pragma once
// TLineEndFilter: turns the engine's CR LF line ends into the plain LF of
// a Unix console. Texts arrive in pieces, so a CR at the end of one piece
// is held back until the next piece shows whether an LF follows it.

#include <string>
#include <string_view>

namespace vettora {

class TLineEndFilter {
 public:
  // The text to write for the next piece of output.
  [[nodiscard]] std::string Filter(std::string_view text);
  // What is still held back (a lone CR), for the end of output.
  [[nodiscard]] std::string Finish();

 private:
  bool FPendingCR = false;
};

}  // namespace vettora
