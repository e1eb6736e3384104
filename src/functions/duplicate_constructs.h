#pragma once
// TDuplicateConstructs: the engine-wide policy for adding a construct (rule,
// template, defined type, function, stream) under a name already in use.

#include <cstdint>

namespace vettora {

enum TDuplicateConstructs : uint8_t {
  dcOverwrite,  // the new construct replaces the old one, which is removed
  dcIgnore,     // the old construct stays; the new one is dropped
  dcError,      // the addition fails with the collection's message
};

}  // namespace vettora
