#include "editors/rule_highlighter.h"

#include <set>

namespace vettora {

namespace {

enum TBlockState { bsCode = 0, bsInString = 1 };

const std::set<QString>& Constructs() {
  static const std::set<QString> words = {"defrule",   "deftemplate", "deffacts",  "deffunction",
                                      "defglobal", "deftype",     "deffuzzy",  "defmodule",
                                      "deffactset", "defgeneric", "defmethod", "defclass"};
  return words;
}

const std::set<QString>& Keywords() {
  static const std::set<QString> words = {
      "=>",      "not",      "exists",    "test",    "and",       "or",      "forall",
      "logical", "declare",  "salience",  "slot",    "multislot", "type",    "default",
      "default-dynamic", "range", "allowed-values", "cardinality", "if", "then", "else",
      "while",   "do",       "bind",      "assert",  "retract",   "modify",  "duplicate",
      "return",  "foreach",  "switch",    "case",    "goal",      "auto-focus"};
  return words;
}

QTextCharFormat Coloured(const QColor& colour, bool bold = false, bool italic = false) {
  QTextCharFormat format;
  format.setForeground(colour);
  if (bold) format.setFontWeight(QFont::Bold);
  format.setFontItalic(italic);
  return format;
}

}  // namespace

TRuleHighlighter::TRuleHighlighter(QTextDocument* document)
    : QSyntaxHighlighter(document),
      // A word of the language: anything up to a blank, a bracket, a quote
      // or a semicolon.
      FWord(R"re([^\s()";]+)re") {
  FFormats[hcConstruct] = Coloured(QColor(0x00, 0x00, 0xa0), true);
  FFormats[hcKeyword] = Coloured(QColor(0x80, 0x00, 0x80), true);
  FFormats[hcVariable] = Coloured(QColor(0x00, 0x70, 0x70));
  FFormats[hcString] = Coloured(QColor(0xa0, 0x30, 0x00));
  FFormats[hcComment] = Coloured(QColor(0x60, 0x80, 0x60), false, true);
  FFormats[hcNumber] = Coloured(QColor(0x00, 0x60, 0xc0));
}

void TRuleHighlighter::highlightBlock(const QString& text) {
  int i = 0;
  const int n = int(text.size());
  bool inString = previousBlockState() == bsInString;
  int codeFrom = 0;
  while (i <= n) {
    if (inString) {
      int start = i;
      while (i < n && text[i] != '"') i += text[i] == '\\' ? 2 : 1;
      if (i >= n) {
        setFormat(start, n - start, FFormats[hcString]);
        setCurrentBlockState(bsInString);
        return;
      }
      setFormat(start, i + 1 - start, FFormats[hcString]);
      inString = false;
      codeFrom = ++i;
      continue;
    }
    if (i == n) break;
    if (text[i] == '"') {
      HighlightCode(text, codeFrom, i);
      setFormat(i, 1, FFormats[hcString]);
      inString = true;
      ++i;
    } else if (text[i] == ';') {
      HighlightCode(text, codeFrom, i);
      setFormat(i, n - i, FFormats[hcComment]);
      setCurrentBlockState(bsCode);
      return;
    } else {
      ++i;
    }
  }
  HighlightCode(text, codeFrom, n);
  setCurrentBlockState(bsCode);
}

void TRuleHighlighter::HighlightCode(const QString& text, int from, int to) {
  if (from >= to) return;
  auto words = FWord.globalMatch(text.mid(from, to - from));
  while (words.hasNext()) {
    auto match = words.next();
    const QString word = match.captured();
    const int at = from + int(match.capturedStart());
    bool number = false;
    word.toDouble(&number);
    if (word.startsWith('?') || word.startsWith("$?"))
      setFormat(at, int(word.size()), FFormats[hcVariable]);
    else if (number)
      setFormat(at, int(word.size()), FFormats[hcNumber]);
    else if (Constructs().count(word.toLower()) > 0)
      setFormat(at, int(word.size()), FFormats[hcConstruct]);
    else if (Keywords().count(word) > 0)
      setFormat(at, int(word.size()), FFormats[hcKeyword]);
  }
}

}  // namespace vettora
