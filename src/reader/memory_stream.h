#pragma once
// TMemoryStream: a byte stream over an in-memory std::string.

#include <string>

#include "reader/stream.h"

namespace vettora {

class TMemoryStream : public TStream {
 public:
  TMemoryStream() = default;

  int64_t Read(void* buffer, int64_t count) override;
  // Writes at the position, overwriting and then extending; a position past
  // the end is first filled up with zero bytes.
  int64_t Write(const void* buffer, int64_t count) override;
  // Positions past the end are allowed (reading there gives nothing);
  // positions before the start raise EGStreamError.
  int64_t Seek(int64_t offset, int32_t origin) override;
  [[nodiscard]] int64_t Size() override { return int64_t(FData.size()); }

  // The bytes held.
  [[nodiscard]] const std::string& DataString() const { return FData; }
  // Replaces the bytes and moves to the start.
  void SetDataString(std::string data);
  void Clear() { SetDataString(std::string()); }

 protected:
  explicit TMemoryStream(std::string data) : FData(std::move(data)) {}

 private:
  std::string FData;
  int64_t FPosition = 0;
};

}  // namespace vettora
