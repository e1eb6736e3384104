#include "editors/dropped_lines.h"

#include <vector>

#include "knowledge/fact_slot.h"
#include "knowledge/fact_template.h"

namespace vettora {

namespace {

// Characters that end a variable name in rule-language text.
bool EndsVariable(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '(' || c == ')' || c == '&' ||
         c == '|' || c == '~' || c == ':' || c == '"' || c == ';';
}

// Whether "?name" occurs in the text as a whole variable (also as "$?name").
bool UsesVariable(const std::string& text, const std::string& name) {
  const std::string needle = "?" + name;
  for (size_t at = text.find(needle); at != std::string::npos; at = text.find(needle, at + 1)) {
    size_t after = at + needle.size();
    if (after == text.size() || EndsVariable(text[after])) return true;
  }
  return false;
}

struct TPatternSlot {
  std::string Name;
  bool Multi;
};

std::vector<TPatternSlot> PatternSlots(const TFactTemplate& factTemplate, const std::string& slot) {
  std::vector<TPatternSlot> slots;
  if (factTemplate.IsImplied()) return slots;
  for (const IFactSlot& s : factTemplate.SlotsInOrder())
    if (slot.empty() || s->Name() == slot) slots.push_back({s->Name(), s->IsMultiSlot()});
  return slots;
}

}  // namespace

std::string TemplatePattern(const TFactTemplate& factTemplate, const std::string& slot, bool assign,
                            const std::string& conditions) {
  const std::vector<TPatternSlot> slots = PatternSlots(factTemplate, slot);
  const std::string binding = factTemplate.Name() + (factTemplate.IsImplied() ? "" : slot);
  auto isFresh = [&](int n) {
    const std::string suffix = std::to_string(n);
    if (assign && UsesVariable(conditions, binding + suffix)) return false;
    for (const TPatternSlot& s : slots)
      if (UsesVariable(conditions, s.Name + suffix)) return false;
    return true;
  };
  int n = 1;
  while (!isFresh(n)) ++n;
  const std::string suffix = std::to_string(n);
  std::string pattern = "(" + factTemplate.Name() + " ";
  for (const TPatternSlot& s : slots)
    pattern += "(" + s.Name + (s.Multi ? " $?" : " ?") + s.Name + suffix + ") ";
  pattern += ")";
  return assign ? "?" + binding + suffix + " <- " + pattern : pattern;
}

std::string FunctionCallLine(const std::string& name) { return "(" + name + " )"; }

}  // namespace vettora
