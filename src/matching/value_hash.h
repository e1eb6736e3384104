#pragma once
// PlainValueHash: a hash that is equal for any two values that compare
// equal (TIEValue::Equals), for the kinds whose equality such a hash can
// decide: texts by their text, numbers by their payload, objects by
// identity. Values of different kinds are never equal, fuzzy values aside,
// so the kind is part of the hash. Fuzzy values (equal by degree), lists,
// facts, singletons and calls answer false.

#include <cstddef>
#include <functional>

#include "values/value.h"

namespace vettora {

[[nodiscard]] inline size_t MixHash(size_t seed, size_t value) {
  return seed ^ (value + 0x9e3779b97f4a7c15ull + (seed << 6) + (seed >> 2));
}

[[nodiscard]] inline bool PlainValueHash(const TIEValue* value, size_t& hash) {
  if (!value) {
    hash = 0;
    return true;
  }
  TIEType kind = value->DType();
  if (IsTextKind(kind)) {
    hash = MixHash(kind, value->HashCode());
    return true;
  }
  switch (kind) {
    case dtNone:
      hash = 1;
      return true;
    case dtInteger:
    case dtFactId:
    case dtDescriptor:
    case dtExternalAddress:
    case dtObject:
      hash = MixHash(kind, value->HashCode());
      return true;
    case dtFloat: {
      double number = value->AsFloat();
      if (number == 0) number = 0;  // -0.0 equals 0.0
      hash = MixHash(dtFloat, std::hash<double>()(number));
      return true;
    }
    default:
      return false;
  }
}

}  // namespace vettora
