#pragma once
// TStream: the byte stream every reader and writer of the system sits on.
// Concrete streams keep their bytes in memory (TMemoryStream,
// TStringStream) or in a file (TFileStream); TGBufferStream buffers any of
// them.

#include <cstdint>

namespace vettora {

// Seek origins. Seek takes a plain integer so that an invalid origin can be
// reported rather than being impossible to express.
enum TSeekOrigin : int32_t { soFromBeginning = 0, soFromCurrent = 1, soFromEnd = 2 };

class TStream {
 public:
  TStream() = default;
  TStream(const TStream&) = delete;
  TStream& operator=(const TStream&) = delete;
  virtual ~TStream() = default;

  // Copies up to `count` bytes into `buffer`; returns how many were copied,
  // 0 at the end of the stream or for a count below 1.
  virtual int64_t Read(void* buffer, int64_t count) = 0;
  // Writes up to `count` bytes; returns how many the stream took.
  virtual int64_t Write(const void* buffer, int64_t count) = 0;
  // Moves to a new position and returns it. Origins are TSeekOrigin values;
  // any other raises EGStreamError. Every stream counts soFromEnd the same
  // way: the target is size + offset, so a position before the end takes a
  // negative offset (Seek(-3, soFromEnd) is three bytes before the end).
  virtual int64_t Seek(int64_t offset, int32_t origin) = 0;

  [[nodiscard]] int64_t Position() { return Seek(0, soFromCurrent); }
  void SetPosition(int64_t position) { Seek(position, soFromBeginning); }
  // Size in bytes. The default finds it by seeking to the end and back.
  [[nodiscard]] virtual int64_t Size();
};

}  // namespace vettora
