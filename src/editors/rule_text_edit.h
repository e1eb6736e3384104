#pragma once
// SetUpRuleTextEdit: makes a plain-text edit a rule-language editor --
// fixed-pitch font, syntax highlighting and matching-bracket marks.

class QPlainTextEdit;

namespace vettora {

void SetUpRuleTextEdit(QPlainTextEdit* edit);

}  // namespace vettora
