#pragma once
// TGTextStream: character, word, line and number reading and simple text
// writing over a buffered byte stream. Used on its own for text files (file
// functions, knowledge-base loading, evaluation files) and as the base of
// the tokenizer.

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>

#include "reader/buffer_stream.h"
#include "reader/text_arg.h"
#include "values/format.h"

namespace vettora {

class TGTextStream : public TGBufferStream {
 public:
  // Reads and writes `source`, which is not owned.
  explicit TGTextStream(TStream* source);
  // Opens `fileName` with a TFileStream access mode and owns the file
  // stream; raises EGStreamError naming the file when it cannot be opened.
  TGTextStream(const std::string& fileName, uint16_t mode);
  // Flushes pending writes before an owned source is freed.
  ~TGTextStream() override;

  [[nodiscard]] const std::string& WordDelimiters() const { return FWordDelimiters; }
  void SetWordDelimiters(std::string delimiters) { FWordDelimiters = std::move(delimiters); }
  [[nodiscard]] bool OwnsSource() const { return FOwnedSource != nullptr; }

  // Reading. At the end of the stream ReadChar gives '\0'; callers test
  // AtEnd.
  virtual char ReadChar();
  // Characters up to (not including) the next word delimiter or the end.
  [[nodiscard]] std::string ReadWord();
  // The line up to CR, LF or CR LF, without its terminator.
  virtual std::string ReadLine();
  // Skips characters below code 33.
  void SkipBlanks();
  // Skips characters below code 33 up to and including one line break; true
  // when a line break was consumed.
  virtual bool SkipLineSpace();
  // SkipBlanks, ReadWord, then the word as a 32-bit integer; raises
  // EConvertError when it is not one.
  [[nodiscard]] int32_t ReadInteger();

  // Writing. Each writer returns the stream so calls chain; a source that
  // does not take the bytes raises EGStreamError.
  TGTextStream& WriteChar(char c);
  TGTextStream& WriteWord16(uint16_t w);  // little-endian
  TGTextStream& WriteInt(int64_t i);
  TGTextStream& WriteFloat(double x);
  TGTextStream& WriteText(std::string_view s);
  TGTextStream& WriteLine(std::string_view s);  // s, then CR LF
  TGTextStream& NewLine();                      // CR LF
  TGTextStream& Space();
  // Each element by its tag, one blank after every element except the last
  // and except characters.
  TGTextStream& WriteValues(std::initializer_list<TTextArg> values);
  TGTextStream& WriteLineValues(std::initializer_list<TTextArg> values);
  TGTextStream& WriteFormat(std::string_view format, std::initializer_list<TFormatArg> args);

 protected:
  // Reads a line into `line`; true when a line break ended it (false at the
  // end of the stream). Consumes no more than the line and its break.
  bool ReadLineTo(std::string& line);

 private:
  explicit TGTextStream(std::unique_ptr<TStream> owned);
  void WriteAll(const void* data, int64_t count);

  std::string FWordDelimiters = " \r\n\t";
  std::unique_ptr<TStream> FOwnedSource;
};

}  // namespace vettora
