// TFdStream: unbuffered reading of a file descriptor.
#include "shell/fd_stream.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <limits>
#include <string>

#include "reader/messages.h"
#include "values/exceptions.h"
#include "values/format.h"

namespace vettora {

int64_t TFdStream::Read(void* buffer, int64_t count) {
  if (count <= 0 || FEnded) return 0;
  size_t wanted = size_t(std::min<int64_t>(count, std::numeric_limits<ssize_t>::max()));
  for (;;) {
    ssize_t n = ::read(FFd, buffer, wanted);
    if (n > 0) {
      FPosition += n;
      return n;
    }
    if (n < 0 && errno == EINTR) continue;
    FEnded = true;
    return 0;
  }
}

int64_t TFdStream::Write(const void* /*buffer*/, int64_t /*count*/) { return 0; }

int64_t TFdStream::Seek(int64_t offset, int32_t origin) {
  if (origin == soFromCurrent && offset == 0) return FPosition;
  if (origin == soFromBeginning && offset == FPosition) return FPosition;
  throw EGStreamError(FormatMessage(kInvalidStreamPosition, {std::to_string(offset)}));
}

}  // namespace vettora
