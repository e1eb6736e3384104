#pragma once
// TStringStream: a memory stream created over a text, as the engine uses for
// rule-language text given directly rather than from a file.

#include <string>

#include "reader/memory_stream.h"

namespace vettora {

class TStringStream : public TMemoryStream {
 public:
  // The stream starts at position 0 of `text`.
  explicit TStringStream(std::string text = std::string()) : TMemoryStream(std::move(text)) {}
};

}  // namespace vettora
