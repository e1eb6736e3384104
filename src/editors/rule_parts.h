#pragma once
// TRuleParts: a rule as the Rule Editor edits it -- name, comment, the
// declare options and the text of each side -- and the rule text made
// from them. The sides are kept as text so that a parse error's line can
// be traced back to the line of the side it came from.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vettora {

class TRule;

struct TRuleParts {
  std::string Name;
  std::string Comment;
  int32_t Salience = 0;
  // A computed salience ("?*base*", "(+ ?*base* 1)") as written; empty
  // when the salience is the plain number above.
  std::string SalienceExpression;
  bool Enabled = true;
  bool OneShot = false;
  // One condition (or action) per element, elements separated by line
  // breaks; an element may span several lines.
  std::string Conditions;
  std::string Actions;
};

// Where the sides start in the text BuildRuleText makes (lines from 1).
struct TRuleTextLayout {
  int ConditionsLine = 0;
  int ActionsLine = 0;
};

// "(defrule NAME", the quoted comment and the declare line when present,
// the conditions, "=>", the actions and ")" -- each part on lines of its
// own, so a side's line N is line N - 1 + its layout line.
[[nodiscard]] std::string BuildRuleText(const TRuleParts& parts, TRuleTextLayout* layout = nullptr);

// True when nothing is typed: no name, comment, conditions or actions.
[[nodiscard]] bool IsBlank(const TRuleParts& parts);

// The top-level elements of a side's text, trimmed: each parenthesised
// form with the comment lines and the "?var <-" binding before it, each
// other word or string on its own. Strings and comments are skipped over
// when brackets are counted; an unclosed form runs to the end of the text,
// so every character lands in some element and the parser sees it.
[[nodiscard]] std::vector<std::string> SplitElements(std::string_view text);
// The elements one per line: the inverse of SplitElements.
[[nodiscard]] std::string JoinElements(const std::vector<std::string>& elements);

// The parts of a filed rule; `printed` is the rule's text as its engine
// prints it, from which the two sides are taken.
[[nodiscard]] TRuleParts PartsOfRule(const TRule& rule, const std::string& printed);

}  // namespace vettora
