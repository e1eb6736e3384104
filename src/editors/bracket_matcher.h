#pragma once
// TBracketMatcher: while the cursor of a plain-text edit stands next to a
// bracket, the bracket and its partner are highlighted (an unmatched one
// in red). Brackets inside strings and comments do not count.

#include <QObject>

class QPlainTextEdit;

namespace vettora {

class TBracketMatcher : public QObject {
  Q_OBJECT
 public:
  // Attaches to the edit (and is owned by it).
  explicit TBracketMatcher(QPlainTextEdit* edit);

  // The position of the bracket matching the one at `position` in `text`,
  // or -1 (no bracket there, or none matches). Exposed for tests.
  [[nodiscard]] static int MatchOf(const QString& text, int position);

 private:
  void Update();

  QPlainTextEdit* FEdit;
};

}  // namespace vettora
