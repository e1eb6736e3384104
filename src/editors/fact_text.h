#pragma once
// Fact texts as the Fact Editor shows them: a fact's printed form split
// into its template name and one value text per slot (the rows of the slot
// grid), the rows joined back into a fact text, and the scan that finds
// where the first fact of an edited text ends.
//
// The texts are rule-language text: strings are double-quoted with
// backslash escapes and ';' starts a comment that runs to the end of the
// line, so brackets inside either do not count.

#include <string>
#include <string_view>
#include <vector>

namespace vettora {

// One row of the slot grid: a slot's name and its value in rule-language
// syntax (the values of a multislot separated by blanks).
struct TSlotText {
  std::string Name;
  std::string Value;
};

struct TFactTextParts {
  std::string TemplateName;
  std::vector<TSlotText> Slots;
};

// Splits "(name (slot value...) ...)" into its slots. For an implied
// template, "(name value...)" gives one row named kImpliedSlotName that
// holds all the ordered values.
[[nodiscard]] TFactTextParts SplitFactText(std::string_view text, bool implied);

// "(name (slot value) ...)": a row with a blank value is left out, so its
// slot takes its default; a row named kImpliedSlotName gives its values
// without brackets, as an ordered fact is written.
[[nodiscard]] std::string JoinFactText(const std::string& templateName,
                                       const std::vector<TSlotText>& rows);

// The offset just past the first complete bracketed form of the text;
// npos when there is none or it is not closed.
[[nodiscard]] size_t EndOfFirstForm(std::string_view text);
// The offset of the first character after `from` that is neither a blank
// nor part of a comment; npos when there is none.
[[nodiscard]] size_t NextToken(std::string_view text, size_t from);

}  // namespace vettora
