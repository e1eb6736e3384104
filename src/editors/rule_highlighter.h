#pragma once
// TRuleHighlighter: colours rule-language text as it is typed --
// constructs (defrule, deftemplate, ...), keywords (=>, not, slot, ...),
// variables (?x, $?rest, ?*global*), strings, comments and numbers. A
// string left open at the end of a line carries on into the next.

#include <QRegularExpression>
#include <QSyntaxHighlighter>
#include <QTextCharFormat>

namespace vettora {

class TRuleHighlighter : public QSyntaxHighlighter {
  Q_OBJECT
 public:
  enum TCategory { hcConstruct, hcKeyword, hcVariable, hcString, hcComment, hcNumber, hcCount };

  explicit TRuleHighlighter(QTextDocument* document);

  [[nodiscard]] const QTextCharFormat& Format(TCategory category) const {
    return FFormats[category];
  }

 protected:
  void highlightBlock(const QString& text) override;

 private:
  // Colours the words and numbers of a stretch outside strings and comments.
  void HighlightCode(const QString& text, int from, int to);

  QTextCharFormat FFormats[hcCount];
  QRegularExpression FWord;
};

}  // namespace vettora
