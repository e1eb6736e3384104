#include "reader/text_arg.h"

#include <algorithm>
#include <cstdio>

#include "values/format.h"

namespace vettora {

std::string TTextArg::AsText() const {
  switch (FKind) {
    case akInteger:
      return std::to_string(FInteger);
    case akBoolean:
      return FInteger ? "True" : "False";
    case akChar:
      return std::string(1, char(FInteger));
    case akFloat:
      return FormatFloatDefault(FFloat);
    case akString:
      return FText;
    case akPointer: {
      char buf[32];
      int n = std::snprintf(buf, sizeof buf, "%p", FPointer);
      return std::string(buf, n > 0 ? std::min(size_t(n), sizeof buf - 1) : 0);
    }
    case akObject:
      // A missing object prints as nil rather than failing.
      return "(" + (FObject ? FObject->ClassName() : std::string("nil")) + ")";
  }
  return std::string();
}

}  // namespace vettora
