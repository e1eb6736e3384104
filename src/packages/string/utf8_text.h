#pragma once
// Text as a sequence of characters (Unicode code points) in UTF-8. The
// string functions count, index and cut text by characters, never bytes,
// so a multi-byte character is never split. A byte that does not start a
// well-formed UTF-8 sequence counts as one character of its own, so text
// that is not valid UTF-8 is still measured and cut without loss.

#include <cstddef>
#include <string>
#include <string_view>

namespace vettora {

// The byte length of the character that starts at byte `at` (< size).
[[nodiscard]] size_t Utf8CharSize(std::string_view text, size_t at);
// The number of characters of the text.
[[nodiscard]] size_t Utf8Length(std::string_view text);
// The byte offset of the character with 0-based index `index`; the text's
// size when the text has no such character.
[[nodiscard]] size_t Utf8Offset(std::string_view text, size_t index);
// The 0-based character index of the first occurrence of `part` that
// starts on a character boundary, or npos.
[[nodiscard]] size_t Utf8Find(std::string_view text, std::string_view part);

// The text with A-Z turned into a-z (or a-z into A-Z); every other byte,
// including those of multi-byte characters, is kept.
[[nodiscard]] std::string AsciiLowerCase(std::string_view text);
[[nodiscard]] std::string AsciiUpperCase(std::string_view text);

}  // namespace vettora
