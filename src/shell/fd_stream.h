#pragma once
// TFdStream: a read-only byte stream over a file descriptor such as
// standard input. A read hands back what the descriptor has ready (one
// typed line from a terminal) instead of waiting to fill the buffer, so a
// tokenizer over it never blocks on input it does not need yet.

#include <cstdint>

#include "reader/stream.h"

namespace vettora {

class TFdStream : public TStream {
 public:
  // The descriptor is not owned (it is not closed).
  explicit TFdStream(int fd) : FFd(fd) {}

  // Reads once (retrying after a signal); 0 at the end of input or on an
  // error, which ends the input for good.
  int64_t Read(void* buffer, int64_t count) override;
  // The stream is read-only: it takes nothing.
  int64_t Write(const void* buffer, int64_t count) override;
  // Only the current position can be asked for; anything else raises
  // EGStreamError, as the input cannot go back.
  int64_t Seek(int64_t offset, int32_t origin) override;
  // The bytes read so far, plus one while more may come, so that a buffer
  // over it is not at its end before the input is.
  [[nodiscard]] int64_t Size() override { return FPosition + (FEnded ? 0 : 1); }

 private:
  int FFd;
  int64_t FPosition = 0;
  bool FEnded = false;
};

}  // namespace vettora
