#include "reader/memory_stream.h"

#include <algorithm>
#include <cstring>

#include "reader/messages.h"
#include "reader/stream_position.h"

namespace vettora {

int64_t TMemoryStream::Read(void* buffer, int64_t count) {
  int64_t size = Size();
  if (count <= 0 || FPosition >= size) return 0;
  int64_t n = std::min(count, size - FPosition);
  std::memcpy(buffer, FData.data() + FPosition, size_t(n));
  FPosition += n;
  return n;
}

int64_t TMemoryStream::Write(const void* buffer, int64_t count) {
  if (count <= 0) return 0;
  size_t at = size_t(FPosition);
  size_t n = size_t(count);
  if (FData.size() < at + n) FData.resize(at + n, '\0');
  std::memcpy(FData.data() + at, buffer, n);
  FPosition += count;
  return count;
}

int64_t TMemoryStream::Seek(int64_t offset, int32_t origin) {
  FPosition = SeekTarget(offset, origin, FPosition, Size());
  return FPosition;
}

void TMemoryStream::SetDataString(std::string data) {
  FData = std::move(data);
  FPosition = 0;
}

}  // namespace vettora
