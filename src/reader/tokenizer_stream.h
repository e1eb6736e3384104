#pragma once
// TIETokenizerStream: a text stream that hands out rule-language tokens. The
// parser and the engine's `read` work through this interface.

#include <string>

#include "reader/stream_token.h"
#include "reader/text_stream.h"

namespace vettora {

class TIETokenizerStream : public TGTextStream {
 public:
  using TGTextStream::TGTextStream;

  // Drops the tokens read ahead and the record of the current construct.
  virtual void ResetLookahead() = 0;
  // Reads and discards the rest of the current line.
  virtual void SkipRestOfLine() = 0;
  // Takes tokens until the parenthesis depth is back at the top level or
  // the stream ends; the parser's way to resynchronise after an error.
  virtual void SkipToTopLevel() = 0;
  // Hands out the next token; at the end, an end-of-stream token (again and
  // again).
  [[nodiscard]] virtual IStreamToken NextToken() = 0;
  // Returns `token` so that the next NextToken hands it out again.
  virtual void PushBackToken(const IStreamToken& token) = 0;
  // The keyword after a "(" (as in "(defrule"), leaving the "(" to be read;
  // empty when the next token is not "(".
  [[nodiscard]] virtual std::string PeekConstructKeyword() = 0;
};

}  // namespace vettora
