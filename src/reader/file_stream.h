#pragma once
// TFileStream: a byte stream over a file, opened by name and access mode.
// The stream does no buffering of its own (the C library's buffer is turned
// off): TGBufferStream puts a buffer over it where one is wanted.

#include <cstdint>
#include <cstdio>
#include <string>

#include "reader/stream.h"

namespace vettora {

// Access modes. fmCreate creates the file or empties an existing one and
// opens it for reading and writing; the others open an existing file. Higher
// bits (sharing modes on other platforms) are accepted and ignored.
enum TFileMode : uint16_t {
  fmOpenRead = 0x0000,
  fmOpenWrite = 0x0001,
  fmOpenReadWrite = 0x0002,
  fmCreate = 0xFF00,
};

class TFileStream : public TStream {
 public:
  // Raises EGStreamError naming the file when it cannot be opened.
  TFileStream(const std::string& fileName, uint16_t mode);
  ~TFileStream() override;

  int64_t Read(void* buffer, int64_t count) override;
  int64_t Write(const void* buffer, int64_t count) override;
  int64_t Seek(int64_t offset, int32_t origin) override;
  [[nodiscard]] int64_t Size() override;

  [[nodiscard]] const std::string& FileName() const { return FFileName; }

 private:
  enum TLastOp : uint8_t { loNone, loRead, loWrite };
  // The C library needs a seek between reading and writing in either order.
  void SwitchTo(TLastOp op);

  std::string FFileName;
  std::FILE* FFile = nullptr;
  TLastOp FLastOp = loNone;
};

}  // namespace vettora
