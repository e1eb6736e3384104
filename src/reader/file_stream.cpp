#include "reader/file_stream.h"

#include <cerrno>
#include <cstring>

#include "reader/messages.h"
#include "reader/stream_position.h"
#include "values/exceptions.h"
#include "values/format.h"

namespace vettora {

namespace {

// The fopen mode of an access mode, or null for an unknown one.
const char* OpenMode(uint16_t mode) {
  if ((mode & 0xFF00) == fmCreate) return "w+b";
  switch (mode & 0x0003) {
    case fmOpenRead:
      return "rb";
    case fmOpenWrite:
    case fmOpenReadWrite:
      return "r+b";  // opens without emptying the file
    default:
      return nullptr;
  }
}

}  // namespace

TFileStream::TFileStream(const std::string& fileName, uint16_t mode) : FFileName(fileName) {
  const char* how = OpenMode(mode);
  if (!how) throw EGStreamError(FormatMessage(kInvalidFileMode, {int(mode), fileName}));
  FFile = std::fopen(fileName.c_str(), how);
  if (!FFile) {
    const char* tmpl = (mode & 0xFF00) == fmCreate ? kCannotCreateFile : kCannotOpenFile;
    throw EGStreamError(FormatMessage(tmpl, {fileName, std::strerror(errno)}));
  }
  std::setvbuf(FFile, nullptr, _IONBF, 0);
}

TFileStream::~TFileStream() {
  if (FFile) std::fclose(FFile);
}

void TFileStream::SwitchTo(TLastOp op) {
  if (FLastOp != loNone && FLastOp != op) std::fseek(FFile, 0, SEEK_CUR);
  FLastOp = op;
}

int64_t TFileStream::Read(void* buffer, int64_t count) {
  if (count <= 0) return 0;
  SwitchTo(loRead);
  return int64_t(std::fread(buffer, 1, size_t(count), FFile));
}

int64_t TFileStream::Write(const void* buffer, int64_t count) {
  if (count <= 0) return 0;
  SwitchTo(loWrite);
  return int64_t(std::fwrite(buffer, 1, size_t(count), FFile));
}

int64_t TFileStream::Seek(int64_t offset, int32_t origin) {
  int64_t current = std::ftell(FFile);
  int64_t target = SeekTarget(offset, origin, current, origin == soFromEnd ? Size() : current);
  if (target == current) return target;
  if (std::fseek(FFile, long(target), SEEK_SET) != 0)
    throw EGStreamError(FormatMessage(kInvalidStreamPosition, {target}));
  FLastOp = loNone;
  return target;
}

int64_t TFileStream::Size() {
  long here = std::ftell(FFile);
  std::fseek(FFile, 0, SEEK_END);
  long size = std::ftell(FFile);
  std::fseek(FFile, here, SEEK_SET);
  FLastOp = loNone;
  return size;
}

}  // namespace vettora
