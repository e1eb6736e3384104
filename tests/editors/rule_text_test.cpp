// Rule-language text in the editors: what the highlighter colours, and
// which bracket the matcher pairs with the one at the cursor.
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QTextLayout>
#include <QtTest>

#include "editors/bracket_matcher.h"
#include "editors/rule_highlighter.h"
#include "editors/rule_text_edit.h"

using namespace vettora;

namespace {

// The format the highlighter gave the character at `column` of `line`.
QTextCharFormat FormatAt(QTextDocument& document, int line, int column) {
  QTextBlock block = document.findBlockByNumber(line);
  for (const QTextLayout::FormatRange& range : block.layout()->formats())
    if (column >= range.start && column < range.start + range.length) return range.format;
  return {};
}

}  // namespace

class RuleTextTest : public QObject {
  Q_OBJECT
 private slots:
  void EachKindOfWordGetsItsColour();
  void StringsAndCommentsHideWhatLooksLikeCode();
  void BracketsPairAcrossLinesAndIgnoreStringsAndComments();
  void TheEditMarksTheBracketsAtTheCursor();
};

void RuleTextTest::EachKindOfWordGetsItsColour() {
  QTextDocument document;
  TRuleHighlighter highlighter(&document);
  document.setPlainText("(defrule r (a ?x $?rest) (not (b 12.5)) => (printout t ?*g* crlf))");
  highlighter.rehighlight();  // a new highlighter colours on the next event loop turn otherwise
  auto colourOf = [&](int column) { return FormatAt(document, 0, column).foreground().color(); };
  auto expected = [&](TRuleHighlighter::TCategory c) { return highlighter.Format(c).foreground().color(); };
  QCOMPARE(colourOf(1), expected(TRuleHighlighter::hcConstruct));   // defrule
  QCOMPARE(colourOf(14), expected(TRuleHighlighter::hcVariable));   // ?x
  QCOMPARE(colourOf(17), expected(TRuleHighlighter::hcVariable));   // $?rest
  QCOMPARE(colourOf(26), expected(TRuleHighlighter::hcKeyword));    // not
  QCOMPARE(colourOf(34), expected(TRuleHighlighter::hcNumber));     // 12.5
  QCOMPARE(colourOf(41), expected(TRuleHighlighter::hcKeyword));    // =>
  QVERIFY(colourOf(45) != expected(TRuleHighlighter::hcKeyword));  // printout: a plain call
  QCOMPARE(colourOf(56), expected(TRuleHighlighter::hcVariable));   // ?*g*
}

void RuleTextTest::StringsAndCommentsHideWhatLooksLikeCode() {
  QTextDocument document;
  TRuleHighlighter highlighter(&document);
  document.setPlainText("(printout t \"a ?x defrule\n still ; in the string\" 5) ; not ?y\n?z");
  highlighter.rehighlight();
  QColor string = highlighter.Format(TRuleHighlighter::hcString).foreground().color();
  QColor comment = highlighter.Format(TRuleHighlighter::hcComment).foreground().color();
  QCOMPARE(FormatAt(document, 0, 15).foreground().color(), string);  // ?x inside the string
  QCOMPARE(FormatAt(document, 1, 9).foreground().color(), string);   // the string goes on
  QCOMPARE(FormatAt(document, 1, 30).foreground().color(), comment); // ?y in the comment
  QCOMPARE(FormatAt(document, 2, 0).foreground().color(),
           highlighter.Format(TRuleHighlighter::hcVariable).foreground().color());
}

void RuleTextTest::BracketsPairAcrossLinesAndIgnoreStringsAndComments() {
  const QString text = "(a (b \")\" c)\n ; (\n d)";
  QCOMPARE(TBracketMatcher::MatchOf(text, 0), int(text.size()) - 1);
  QCOMPARE(TBracketMatcher::MatchOf(text, int(text.size()) - 1), 0);
  QCOMPARE(TBracketMatcher::MatchOf(text, 3), 11);
  QCOMPARE(TBracketMatcher::MatchOf(text, 7), -1);   // inside a string
  QCOMPARE(TBracketMatcher::MatchOf(text, 16), -1);  // inside a comment
  QCOMPARE(TBracketMatcher::MatchOf("(a (b)", 0), -1);  // never closed
  QCOMPARE(TBracketMatcher::MatchOf("abc", 1), -1);
}

void RuleTextTest::TheEditMarksTheBracketsAtTheCursor() {
  QPlainTextEdit edit;
  SetUpRuleTextEdit(&edit);
  edit.setPlainText("(a (b) c)");
  QTextCursor cursor = edit.textCursor();
  cursor.setPosition(3);
  edit.setTextCursor(cursor);
  QCOMPARE(edit.extraSelections().size(), 2);
  QCOMPARE(edit.extraSelections()[1].cursor.selectionStart(), 5);
  cursor.setPosition(7);  // after "c": no bracket at the cursor
  edit.setTextCursor(cursor);
  QCOMPARE(edit.extraSelections().size(), 0);
}

QTEST_MAIN(RuleTextTest)
#include "rule_text_test.moc"
