#include "reader/buffer_stream.h"

#include <algorithm>
#include <cstring>

#include "reader/messages.h"
#include "reader/stream_position.h"
#include "values/exceptions.h"
#include "values/format.h"

namespace vettora {

TGBufferStream::TGBufferStream(TStream* source) : FSource(source), FBuffer(new char[kBufferSize]) {}

TGBufferStream::~TGBufferStream() { FinishWriting(); }

void TGBufferStream::FinishWriting() noexcept {
  if (FState != bsWriting) return;
  try {
    FlushBuffer();
  } catch (...) {
    // A destructor cannot report the failure; the bytes are lost either way.
  }
}

bool TGBufferStream::FillBuffer() {
  int64_t n = FSource->Read(FBuffer.get(), kBufferSize);
  FReadPos = 0;
  FEndPos = int32_t(std::clamp<int64_t>(n, 0, kBufferSize));
  FState = FEndPos > 0 ? bsReading : bsIdle;
  if (FOnBufferFilled) FOnBufferFilled(*this);
  return FEndPos > 0;
}

bool TGBufferStream::FlushBuffer() {
  int64_t pending = FWritePos;
  int64_t taken = pending > 0 ? FSource->Write(FBuffer.get(), pending) : 0;
  FWritePos = 0;
  FState = bsIdle;
  if (FOnBufferFlushed) FOnBufferFlushed(*this);
  return taken == pending;
}

int64_t TGBufferStream::Read(void* buffer, int64_t count) {
  if (count <= 0) return 0;
  if (FState == bsWriting) FlushBuffer();
  if (FReadPos == kUnset) FReadPos = FEndPos;
  char* out = static_cast<char*>(buffer);
  int64_t done = 0;
  while (done < count) {
    if (FReadPos >= FEndPos) {
      if (!FillBuffer()) break;
      continue;
    }
    int64_t n = std::min<int64_t>(count - done, FEndPos - FReadPos);
    std::memcpy(out + done, FBuffer.get() + FReadPos, size_t(n));
    FReadPos += int32_t(n);
    done += n;
  }
  return done;
}

int64_t TGBufferStream::Write(const void* buffer, int64_t count) {
  if (count <= 0) return 0;
  if (FState != bsWriting) DiscardReadAhead();
  const char* in = static_cast<const char*>(buffer);
  int64_t done = 0;
  while (done < count) {
    int64_t n = std::min<int64_t>(count - done, kBufferSize - FWritePos);
    std::memcpy(FBuffer.get() + FWritePos, in + done, size_t(n));
    FWritePos += int32_t(n);
    FState = bsWriting;
    // A failed flush loses this block; it is not reported as written.
    if (FWritePos == kBufferSize && !FlushBuffer()) return done;
    done += n;
  }
  return done;
}

void TGBufferStream::DiscardReadAhead() {
  if (FState == bsReading) {
    int64_t logical = LogicalPosition();
    FSource->Seek(logical, soFromBeginning);
    FState = bsIdle;
  }
  FReadPos = kUnset;
}

int64_t TGBufferStream::LogicalPosition() {
  int64_t position = FSource->Position();
  switch (FState) {
    case bsIdle:
      return position;
    case bsReading:
      return position + (FReadPos - FEndPos);
    case bsWriting:
      return position + FWritePos;
  }
  throw EGStreamError(kInvalidBufferState);
}

int64_t TGBufferStream::Seek(int64_t offset, int32_t origin) {
  int64_t logical = LogicalPosition();
  // The same rule as every other stream (SeekTarget): from the end means
  // size + offset. The size counts bytes still waiting to be written, but
  // not a position merely moved past the end.
  int64_t size = 0;
  if (origin == soFromEnd) size = FState == bsWriting ? Size() : FSource->Size();
  int64_t target = SeekTarget(offset, origin, logical, size);
  if (target == logical) return target;
  if (FState == bsWriting && !FlushBuffer()) throw EGStreamError(kErrorSeekingInBuffer);
  FSource->Seek(target, soFromBeginning);
  FReadPos = kUnset;
  FState = bsIdle;
  return target;
}

int64_t TGBufferStream::Size() { return std::max(FSource->Size(), LogicalPosition()); }

void TGBufferStream::PushBack(char c) {
  if (FReadPos == kUnset || FReadPos <= 0) throw EGStreamError(kOverflowOnPushBack);
  --FReadPos;
  FBuffer[size_t(FReadPos)] = c;
}

bool TGBufferStream::AtEnd() {
  bool exhausted = FReadPos == kUnset || FReadPos >= FEndPos;
  return exhausted && FSource->Position() >= FSource->Size();
}

}  // namespace vettora
