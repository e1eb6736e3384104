#pragma once
// The naming rules of templates and slots, and the plain string hash that
// template and fact hash codes are built from.

#include <cstdint>
#include <string>
#include <string_view>

namespace vettora {

// The characters a template or slot name may not contain: they delimit or
// introduce other tokens of the rule language.
inline constexpr std::string_view kForbiddenNameCharacters = " '\"#()[]?:$&;<>";

// Raises EIEException naming the name and its first forbidden character.
void CheckConstructName(std::string_view name);

// h := h * 31 + byte over every byte, from 0, wrapping in 32 bits.
[[nodiscard]] uint32_t StringHash(std::string_view text) noexcept;
// Continues a StringHash over more text, as if it were appended.
[[nodiscard]] uint32_t StringHashAppend(uint32_t h, std::string_view text) noexcept;

// The text without leading and trailing blanks and control characters.
[[nodiscard]] std::string TrimName(std::string_view text);

}  // namespace vettora
