#include "reader/stream.h"

namespace vettora {

int64_t TStream::Size() {
  int64_t here = Seek(0, soFromCurrent);
  int64_t size = Seek(0, soFromEnd);
  Seek(here, soFromBeginning);
  return size;
}

}  // namespace vettora
