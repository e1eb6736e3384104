#include "reader/stream_position.h"

#include "reader/messages.h"
#include "reader/stream.h"
#include "values/exceptions.h"
#include "values/format.h"

namespace vettora {

int64_t AddPosition(int64_t base, int64_t offset) {
  int64_t sum = 0;
  if (__builtin_add_overflow(base, offset, &sum))
    throw EGStreamError(FormatMessage(kInvalidStreamPosition, {"overflow"}));
  return sum;
}

int64_t SeekTarget(int64_t offset, int32_t origin, int64_t current, int64_t size) {
  int64_t target = 0;
  switch (origin) {
    case soFromBeginning:
      target = offset;
      break;
    case soFromCurrent:
      target = AddPosition(current, offset);
      break;
    case soFromEnd:
      target = AddPosition(size, offset);
      break;
    default:
      throw EGStreamError(FormatMessage(kInvalidOriginPoint, {origin}));
  }
  if (target < 0) throw EGStreamError(FormatMessage(kInvalidStreamPosition, {(long long)target}));
  return target;
}

}  // namespace vettora
