#include "editors/rule_parts.h"

#include <algorithm>

#include "matching/rule.h"
#include "values/value.h"

namespace vettora {

namespace {

constexpr const char* kIndent = "    ";

bool IsBlankChar(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}
bool EndsWord(char c) { return IsBlankChar(c) || c == '(' || c == ')' || c == '"' || c == ';'; }

std::string Trimmed(std::string_view text) {
  size_t begin = 0;
  size_t end = text.size();
  while (begin < end && IsBlankChar(text[begin])) ++begin;
  while (end > begin && IsBlankChar(text[end - 1])) --end;
  return std::string(text.substr(begin, end - begin));
}

// ---- Top-level tokens of a side's text -------------------------------------

enum TTokenKind : uint8_t { tkWord, tkString, tkForm, tkComment };

struct TToken {
  TTokenKind Kind;
  size_t Begin;
  size_t End;
};

// Past the string opened at `at`; a backslash escapes the next character.
size_t SkipString(std::string_view text, size_t at) {
  size_t i = at + 1;
  while (i < text.size() && text[i] != '"') i += text[i] == '\\' ? 2 : 1;
  return std::min(i + 1, text.size());
}

// A comment runs to the end of its line.
size_t SkipComment(std::string_view text, size_t at) {
  size_t end = text.find('\n', at);
  return end == std::string_view::npos ? text.size() : end;
}

// Past the form opened at `at`; brackets inside strings and comments do not
// count. An unclosed form ends with the text.
size_t SkipForm(std::string_view text, size_t at) {
  int depth = 0;
  size_t i = at;
  while (i < text.size()) {
    char c = text[i];
    if (c == '"') {
      i = SkipString(text, i);
      continue;
    }
    if (c == ';') {
      i = SkipComment(text, i);
      continue;
    }
    if (c == '(') ++depth;
    if (c == ')' && --depth == 0) return i + 1;
    ++i;
  }
  return text.size();
}

// A stray ")" is a word of its own, so that it reaches the parser.
size_t SkipWord(std::string_view text, size_t at) {
  if (text[at] == ')') return at + 1;
  size_t i = at;
  while (i < text.size() && !EndsWord(text[i])) ++i;
  return i;
}

std::vector<TToken> TopLevelTokens(std::string_view text) {
  std::vector<TToken> tokens;
  size_t i = 0;
  while (i < text.size()) {
    char c = text[i];
    if (IsBlankChar(c)) {
      ++i;
      continue;
    }
    TToken token{tkWord, i, 0};
    if (c == '"') {
      token = {tkString, i, SkipString(text, i)};
    } else if (c == ';') {
      token = {tkComment, i, SkipComment(text, i)};
    } else if (c == '(') {
      token = {tkForm, i, SkipForm(text, i)};
    } else {
      token.End = SkipWord(text, i);
    }
    tokens.push_back(token);
    i = token.End;
  }
  return tokens;
}

bool IsWord(std::string_view text, const TToken& token, std::string_view word) {
  return token.Kind == tkWord && text.substr(token.Begin, token.End - token.Begin) == word;
}

std::string DeclareText(const TRuleParts& parts) {
  std::string options;
  if (!parts.SalienceExpression.empty())
    options += " (salience " + parts.SalienceExpression + ")";
  else if (parts.Salience != 0)
    options += " (salience " + std::to_string(parts.Salience) + ")";
  if (!parts.Enabled) options += " (enabled FALSE)";
  if (parts.OneShot) options += " (oneshot TRUE)";
  return options.empty() ? std::string() : "(declare" + options + ")";
}

int LineCount(const std::string& text) {
  return int(std::count(text.begin(), text.end(), '\n')) + 1;
}

bool StartsWith(const std::string& text, std::string_view prefix) {
  return text.compare(0, prefix.size(), prefix) == 0;
}

}  // namespace

// ---- Elements ----------------------------------------------------------------

// Comments and a "?var <-" binding open an element that the next form (or
// other word or string) closes; "=>" always stands alone, so the two sides
// of a whole rule's text come apart at it.
std::vector<std::string> SplitElements(std::string_view text) {
  std::vector<TToken> tokens = TopLevelTokens(text);
  std::vector<std::string> elements;
  size_t begin = std::string_view::npos;
  size_t end = 0;
  auto close = [&] {
    if (begin != std::string_view::npos)
      elements.push_back(Trimmed(text.substr(begin, end - begin)));
    begin = std::string_view::npos;
  };
  for (size_t k = 0; k < tokens.size(); ++k) {
    const TToken& token = tokens[k];
    if (IsWord(text, token, "=>")) {
      close();
      elements.emplace_back("=>");
      continue;
    }
    if (begin == std::string_view::npos) begin = token.Begin;
    end = token.End;
    bool binding = IsWord(text, token, "<-") || (token.Kind == tkWord && k + 1 < tokens.size() &&
                                                 IsWord(text, tokens[k + 1], "<-"));
    if (token.Kind != tkComment && !binding) close();
  }
  close();
  return elements;
}

std::string JoinElements(const std::vector<std::string>& elements) {
  std::string text;
  for (size_t i = 0; i < elements.size(); ++i) {
    if (i > 0) text += '\n';
    text += elements[i];
  }
  return text;
}

// ---- Rule text ------------------------------------------------------------------

std::string BuildRuleText(const TRuleParts& parts, TRuleTextLayout* layout) {
  std::string text = "(defrule " + Trimmed(parts.Name) + "\n";
  int line = 2;
  if (!parts.Comment.empty()) {
    text += kIndent + MakeString(parts.Comment)->AsText() + "\n";
    line += LineCount(parts.Comment);
  }
  if (std::string declare = DeclareText(parts); !declare.empty()) {
    text += kIndent + declare + "\n";
    line += LineCount(declare);
  }
  TRuleTextLayout here;
  here.ConditionsLine = line;
  text += parts.Conditions + "\n";
  line += LineCount(parts.Conditions);
  text += std::string(kIndent) + "=>\n";
  here.ActionsLine = line + 1;
  text += parts.Actions + "\n)";
  if (layout) *layout = here;
  return text;
}

bool IsBlank(const TRuleParts& parts) {
  return Trimmed(parts.Name).empty() && parts.Comment.empty() &&
         Trimmed(parts.Conditions).empty() && Trimmed(parts.Actions).empty();
}

// The printed text reads "(defrule NAME", the comment string and the
// declare form when there are any, the conditions, "=>", the actions, ")".
TRuleParts PartsOfRule(const TRule& rule, const std::string& printed) {
  TRuleParts parts;
  parts.Name = rule.RuleName();
  parts.Comment = rule.Comment();
  parts.Salience = rule.Salience();
  const IIEValue& salience = rule.SalienceExpression();
  if (salience && salience->DType() != dtInteger) parts.SalienceExpression = salience->AsText();
  parts.Enabled = rule.Enabled();
  parts.OneShot = rule.OneShot();

  std::string text;
  text.reserve(printed.size());
  for (char c : printed)
    if (c != '\r') text += c;
  size_t open = text.find('(');
  size_t close = text.rfind(')');
  if (open == std::string::npos || close == std::string::npos || close <= open) return parts;
  std::vector<std::string> elements =
      SplitElements(std::string_view(text).substr(open + 1, close - open - 1));
  size_t k = std::min<size_t>(2, elements.size());  // "defrule" and the name
  if (k < elements.size() && StartsWith(elements[k], "\"")) ++k;
  if (k < elements.size() && StartsWith(elements[k], "(declare")) ++k;
  auto arrow = std::find(elements.begin() + ptrdiff_t(k), elements.end(), "=>");
  parts.Conditions = JoinElements({elements.begin() + ptrdiff_t(k), arrow});
  if (arrow != elements.end()) parts.Actions = JoinElements({arrow + 1, elements.end()});
  return parts;
}

}  // namespace vettora
