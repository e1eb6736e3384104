// Counting and cutting UTF-8 text by characters.
#include "packages/string/utf8_text.h"

#include <cstdint>

namespace vettora {
namespace {

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// The sequence length a lead byte announces, or 0 for a byte that cannot
// start a sequence (a continuation byte, or a byte never used in UTF-8).
size_t AnnouncedSize(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 0;
}

char ShiftCase(char c, char from, char to) {
  return (c >= from && c <= char(from + 25)) ? char(c - from + to) : c;
}

}  // namespace

size_t Utf8CharSize(std::string_view text, size_t at) {
  size_t size = AnnouncedSize(static_cast<unsigned char>(text[at]));
  if (size <= 1 || at + size > text.size()) return 1;
  for (size_t i = 1; i < size; ++i)
    if (!IsContinuation(static_cast<unsigned char>(text[at + i]))) return 1;
  return size;
}

size_t Utf8Length(std::string_view text) {
  size_t count = 0;
  for (size_t at = 0; at < text.size(); at += Utf8CharSize(text, at)) ++count;
  return count;
}

size_t Utf8Offset(std::string_view text, size_t index) {
  size_t at = 0;
  for (; index > 0 && at < text.size(); --index) at += Utf8CharSize(text, at);
  return at;
}

size_t Utf8Find(std::string_view text, std::string_view part) {
  size_t at = 0;     // byte offset of the character boundary reached
  size_t index = 0;  // its character index
  for (size_t found = text.find(part); found != std::string_view::npos;
       found = text.find(part, at)) {
    // Walk by characters up to the match; a match inside a character is
    // skipped and the search goes on from the next boundary.
    while (at < found) {
      at += Utf8CharSize(text, at);
      ++index;
    }
    if (at == found) return index;
  }
  return std::string_view::npos;
}

std::string AsciiLowerCase(std::string_view text) {
  std::string result(text);
  for (char& c : result) c = ShiftCase(c, 'A', 'a');
  return result;
}

std::string AsciiUpperCase(std::string_view text) {
  std::string result(text);
  for (char& c : result) c = ShiftCase(c, 'a', 'A');
  return result;
}

}  // namespace vettora
