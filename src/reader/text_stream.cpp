#include "reader/text_stream.h"

#include "reader/file_stream.h"
#include "reader/messages.h"
#include "values/exceptions.h"
#include "values/number_text.h"

namespace vettora {

namespace {

bool IsBlank(char c) { return static_cast<unsigned char>(c) < 33; }

}  // namespace

TGTextStream::TGTextStream(TStream* source) : TGBufferStream(source) {}

TGTextStream::TGTextStream(std::unique_ptr<TStream> owned)
    : TGBufferStream(owned.get()), FOwnedSource(std::move(owned)) {}

TGTextStream::TGTextStream(const std::string& fileName, uint16_t mode)
    : TGTextStream(std::make_unique<TFileStream>(fileName, mode)) {}

TGTextStream::~TGTextStream() { FinishWriting(); }

char TGTextStream::ReadChar() {
  char c = '\0';
  return NextByte(c) ? c : '\0';
}

std::string TGTextStream::ReadWord() {
  std::string word;
  char c;
  while (NextByte(c)) {
    if (FWordDelimiters.find(c) != std::string::npos) {
      PushBack(c);
      break;
    }
    word += c;
  }
  return word;
}

bool TGTextStream::ReadLineTo(std::string& line) {
  char c;
  while (NextByte(c)) {
    if (c == '\n') return true;
    if (c == '\r') {
      if (NextByte(c) && c != '\n') PushBack(c);
      return true;
    }
    line += c;
  }
  return false;
}

std::string TGTextStream::ReadLine() {
  std::string line;
  ReadLineTo(line);
  return line;
}

void TGTextStream::SkipBlanks() {
  char c;
  while (NextByte(c)) {
    if (!IsBlank(c)) {
      PushBack(c);
      return;
    }
  }
}

bool TGTextStream::SkipLineSpace() {
  char c;
  while (NextByte(c)) {
    if (!IsBlank(c)) {
      PushBack(c);
      return false;
    }
    if (c == '\n') return true;
    if (c == '\r') {
      if (NextByte(c) && c != '\n') PushBack(c);
      return true;
    }
  }
  return false;
}

int32_t TGTextStream::ReadInteger() {
  SkipBlanks();
  std::string word = ReadWord();
  int32_t value = 0;
  if (!TryTextToInteger(word, value)) throw EConvertError(FormatMessage(kInvalidInteger, {word}));
  return value;
}

void TGTextStream::WriteAll(const void* data, int64_t count) {
  if (Write(data, count) != count) throw EGStreamError(kStreamWriteError);
}

TGTextStream& TGTextStream::WriteChar(char c) {
  WriteAll(&c, 1);
  return *this;
}

TGTextStream& TGTextStream::WriteWord16(uint16_t w) {
  const char bytes[2] = {char(w & 0xFF), char(w >> 8)};
  WriteAll(bytes, 2);
  return *this;
}

TGTextStream& TGTextStream::WriteInt(int64_t i) { return WriteText(std::to_string(i)); }

TGTextStream& TGTextStream::WriteFloat(double x) { return WriteText(FormatFloatDefault(x)); }

TGTextStream& TGTextStream::WriteText(std::string_view s) {
  WriteAll(s.data(), int64_t(s.size()));
  return *this;
}

TGTextStream& TGTextStream::WriteLine(std::string_view s) { return WriteText(s).NewLine(); }

TGTextStream& TGTextStream::NewLine() { return WriteText("\r\n"); }

TGTextStream& TGTextStream::Space() { return WriteChar(' '); }

TGTextStream& TGTextStream::WriteValues(std::initializer_list<TTextArg> values) {
  size_t i = 0;
  for (const TTextArg& value : values) {
    WriteText(value.AsText());
    if (++i < values.size() && value.Kind() != akChar) Space();
  }
  return *this;
}

TGTextStream& TGTextStream::WriteLineValues(std::initializer_list<TTextArg> values) {
  return WriteValues(values).NewLine();
}

TGTextStream& TGTextStream::WriteFormat(std::string_view format,
                                        std::initializer_list<TFormatArg> args) {
  return WriteText(FormatMessage(format, args));
}

}  // namespace vettora
