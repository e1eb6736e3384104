#include "editors/rule_text_edit.h"

#include <QFontDatabase>
#include <QPlainTextEdit>

#include "editors/bracket_matcher.h"
#include "editors/rule_highlighter.h"

namespace vettora {

void SetUpRuleTextEdit(QPlainTextEdit* edit) {
  edit->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  edit->setLineWrapMode(QPlainTextEdit::NoWrap);
  new TRuleHighlighter(edit->document());
  new TBracketMatcher(edit);
}

}  // namespace vettora
