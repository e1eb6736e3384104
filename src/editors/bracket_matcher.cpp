#include "editors/bracket_matcher.h"

#include <QPlainTextEdit>
#include <QTextEdit>
#include <vector>

namespace vettora {

TBracketMatcher::TBracketMatcher(QPlainTextEdit* edit) : QObject(edit), FEdit(edit) {
  connect(edit, &QPlainTextEdit::cursorPositionChanged, this, &TBracketMatcher::Update);
  connect(edit, &QPlainTextEdit::textChanged, this, &TBracketMatcher::Update);
}

namespace {

// For every position: whether it is code (not inside a string or comment).
std::vector<bool> CodeMask(const QString& text) {
  std::vector<bool> code(size_t(text.size()), true);
  bool inString = false, inComment = false;
  for (int i = 0; i < int(text.size()); ++i) {
    QChar c = text[i];
    if (inComment) {
      code[size_t(i)] = false;
      if (c == '\n') inComment = false;
    } else if (inString) {
      code[size_t(i)] = false;
      if (c == '\\' && i + 1 < int(text.size())) {
        code[size_t(++i)] = false;
      } else if (c == '"') {
        inString = false;
      }
    } else if (c == '"') {
      code[size_t(i)] = false;
      inString = true;
    } else if (c == ';') {
      code[size_t(i)] = false;
      inComment = true;
    }
  }
  return code;
}

}  // namespace

int TBracketMatcher::MatchOf(const QString& text, int position) {
  if (position < 0 || position >= int(text.size())) return -1;
  const QChar c = text[position];
  if (c != '(' && c != ')') return -1;
  std::vector<bool> code = CodeMask(text);
  if (!code[size_t(position)]) return -1;
  const int step = c == '(' ? 1 : -1;
  int depth = 0;
  for (int i = position; i >= 0 && i < int(text.size()); i += step) {
    if (!code[size_t(i)]) continue;
    if (text[i] == '(') depth += step;
    if (text[i] == ')') depth -= step;
    if (depth == 0) return i;
  }
  return -1;
}

void TBracketMatcher::Update() {
  QList<QTextEdit::ExtraSelection> marks;
  const QString text = FEdit->toPlainText();
  const int cursor = FEdit->textCursor().position();
  int at = -1;
  if (cursor < int(text.size()) && (text[cursor] == '(' || text[cursor] == ')'))
    at = cursor;
  else if (cursor > 0 && (text[cursor - 1] == '(' || text[cursor - 1] == ')'))
    at = cursor - 1;
  if (at >= 0 && CodeMask(text)[size_t(at)]) {
    const int partner = MatchOf(text, at);
    auto mark = [&](int position, const QColor& colour) {
      QTextEdit::ExtraSelection selection;
      selection.cursor = QTextCursor(FEdit->document());
      selection.cursor.setPosition(position);
      selection.cursor.setPosition(position + 1, QTextCursor::KeepAnchor);
      selection.format.setBackground(colour);
      marks.append(selection);
    };
    if (partner >= 0) {
      mark(at, QColor(0xc0, 0xe8, 0xc0));
      mark(partner, QColor(0xc0, 0xe8, 0xc0));
    } else {
      mark(at, QColor(0xf0, 0xa0, 0xa0));
    }
  }
  FEdit->setExtraSelections(marks);
}

}  // namespace vettora
