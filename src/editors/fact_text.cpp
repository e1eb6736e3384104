#include "editors/fact_text.h"

#include <cctype>

#include "knowledge/fact_template.h"

namespace vettora {

namespace {

bool IsBlank(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }

std::string Trimmed(std::string_view text) {
  size_t first = 0, last = text.size();
  while (first < last && IsBlank(text[first])) ++first;
  while (last > first && IsBlank(text[last - 1])) --last;
  return std::string(text.substr(first, last - first));
}

// The offset just past the string that opens at `at` (a double quote).
size_t EndOfString(std::string_view text, size_t at) {
  for (size_t i = at + 1; i < text.size(); ++i) {
    if (text[i] == '\\')
      ++i;
    else if (text[i] == '"')
      return i + 1;
  }
  return text.size();
}

size_t EndOfLine(std::string_view text, size_t at) {
  size_t end = text.find('\n', at);
  return end == std::string_view::npos ? text.size() : end;
}

// The offset just past the atom or string that starts at `at`.
size_t EndOfWord(std::string_view text, size_t at) {
  if (at < text.size() && text[at] == '"') return EndOfString(text, at);
  size_t i = at;
  while (i < text.size() && !IsBlank(text[i]) && text[i] != '(' && text[i] != ')') ++i;
  return i;
}

}  // namespace

size_t NextToken(std::string_view text, size_t from) {
  for (size_t i = from; i < text.size(); ++i) {
    if (text[i] == ';')
      i = EndOfLine(text, i);
    else if (!IsBlank(text[i]))
      return i;
  }
  return std::string_view::npos;
}

size_t EndOfFirstForm(std::string_view text) {
  size_t i = NextToken(text, 0);
  if (i == std::string_view::npos || text[i] != '(') return std::string_view::npos;
  int depth = 0;
  for (; i < text.size(); ++i) {
    char c = text[i];
    if (c == '"') {
      i = EndOfString(text, i) - 1;
    } else if (c == ';') {
      i = EndOfLine(text, i);
    } else if (c == '(') {
      ++depth;
    } else if (c == ')' && --depth == 0) {
      return i + 1;
    }
  }
  return std::string_view::npos;
}

// The body between the outer brackets is the name, then either the ordered
// values (implied) or one bracketed group per slot: its first word is the
// slot's name, the rest its value.
TFactTextParts SplitFactText(std::string_view text, bool implied) {
  TFactTextParts parts;
  size_t open = NextToken(text, 0);
  size_t close = EndOfFirstForm(text);
  if (open == std::string_view::npos || close == std::string_view::npos) return parts;
  std::string_view body = text.substr(open + 1, close - open - 2);
  size_t nameAt = NextToken(body, 0);
  if (nameAt == std::string_view::npos) return parts;
  size_t nameEnd = EndOfWord(body, nameAt);
  parts.TemplateName = std::string(body.substr(nameAt, nameEnd - nameAt));
  std::string_view rest = body.substr(nameEnd);
  if (implied) {
    parts.Slots.push_back({kImpliedSlotName, Trimmed(rest)});
    return parts;
  }
  for (size_t at = NextToken(rest, 0); at != std::string_view::npos;) {
    size_t end = EndOfFirstForm(rest.substr(at));
    if (rest[at] != '(' || end == std::string_view::npos) break;
    std::string_view group = rest.substr(at + 1, end - 2);
    size_t slotAt = NextToken(group, 0);
    if (slotAt != std::string_view::npos) {
      size_t slotEnd = EndOfWord(group, slotAt);
      parts.Slots.push_back(
          {std::string(group.substr(slotAt, slotEnd - slotAt)), Trimmed(group.substr(slotEnd))});
    }
    at = NextToken(rest, at + end);
  }
  return parts;
}

std::string JoinFactText(const std::string& templateName, const std::vector<TSlotText>& rows) {
  std::string text = "(" + templateName;
  for (const TSlotText& slot : rows) {
    std::string value = Trimmed(slot.Value);
    if (value.empty()) continue;
    if (slot.Name == kImpliedSlotName)
      text += " " + value;
    else
      text += " (" + slot.Name + " " + value + ")";
  }
  return text + ")";
}

}  // namespace vettora
