#pragma once
// TGBufferStream: an 8192-byte buffer with single-character push-back over
// any byte stream. Reads fill the buffer from the source in blocks; writes
// collect in the buffer and go to the source when it is full, on a seek and
// on destruction.

#include <cstdint>
#include <functional>
#include <memory>

#include "reader/stream.h"

namespace vettora {

enum TBufferState : uint8_t { bsIdle = 0, bsReading = 1, bsWriting = 2 };

class TGBufferStream : public TStream {
 public:
  static constexpr int32_t kBufferSize = 8192;
  using TBufferEvent = std::function<void(TGBufferStream& sender)>;

  // `source` is not owned and must outlive this stream.
  explicit TGBufferStream(TStream* source);
  // Flushes pending writes; a failure to do so is swallowed, never thrown.
  ~TGBufferStream() override;

  int64_t Read(void* buffer, int64_t count) override;
  // Writing right after reading first moves the source back to the logical
  // position, so the bytes land where the reader stood.
  int64_t Write(const void* buffer, int64_t count) override;
  // Origin 2 counts from the end, as for every stream: size + offset.
  int64_t Seek(int64_t offset, int32_t origin) override;
  // The source's size, or further when pending writes extend it.
  [[nodiscard]] int64_t Size() override;

  // Undoes the consumption of one character already read from the current
  // buffer; raises "Overflow on push back" when there is none.
  void PushBack(char c);
  // True when the buffer is exhausted and the source is at (or past) its end.
  [[nodiscard]] bool AtEnd();

  [[nodiscard]] TStream* Source() const { return FSource; }
  [[nodiscard]] TBufferState State() const { return FState; }

  [[nodiscard]] const TBufferEvent& OnBufferFilled() const { return FOnBufferFilled; }
  void SetOnBufferFilled(TBufferEvent handler) { FOnBufferFilled = std::move(handler); }
  [[nodiscard]] const TBufferEvent& OnBufferFlushed() const { return FOnBufferFlushed; }
  void SetOnBufferFlushed(TBufferEvent handler) { FOnBufferFlushed = std::move(handler); }

 protected:
  // Reads up to kBufferSize bytes from the source into the buffer; true when
  // at least one byte came.
  virtual bool FillBuffer();
  // Writes the pending bytes to the source; true when it took them all.
  virtual bool FlushBuffer();

  // The hot path of character reading: the next byte, or false at the end.
  bool NextByte(char& c) {
    if (FState == bsReading && FReadPos < FEndPos) {
      c = FBuffer[size_t(FReadPos)];
      ++FReadPos;
      return true;
    }
    return Read(&c, 1) == 1;
  }

  // Flushes pending writes without throwing; for destructors, which must
  // call it while their own members are still alive.
  void FinishWriting() noexcept;

 private:
  static constexpr int32_t kUnset = -1;

  // Source position corrected by the bytes held in the buffer.
  [[nodiscard]] int64_t LogicalPosition();
  // Drops read-ahead bytes, moving the source back to the logical position.
  void DiscardReadAhead();

  TStream* FSource;
  std::unique_ptr<char[]> FBuffer;
  int32_t FReadPos = kUnset;  // kUnset: nothing buffered for reading
  int32_t FEndPos = 0;
  int32_t FWritePos = 0;
  TBufferState FState = bsIdle;
  TBufferEvent FOnBufferFilled;
  TBufferEvent FOnBufferFlushed;
};

}  // namespace vettora
