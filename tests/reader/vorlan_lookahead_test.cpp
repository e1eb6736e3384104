#include <gtest/gtest.h>

#include <string>

#include "vorlan_test_util.h"

namespace vettora {
namespace {

TEST(VorlanLookahead, PushBackRestoresTokenRecordAndDepth) {
  TLexer lexer("(deftemplate foo\n  (slot x))");
  TIEVorlanStream& s = lexer.Stream;
  EXPECT_EQ(Show(s.NextToken()), "(");
  EXPECT_EQ(s.Depth(), 1);
  (void)s.NextToken();
  IStreamToken foo = s.NextToken();
  EXPECT_EQ(s.ConstructText(), "( deftemplate foo ");
  s.PushBackToken(foo);
  EXPECT_EQ(s.ConstructText(), "( deftemplate ");
  EXPECT_EQ(s.CurrentToken(), foo);
  EXPECT_EQ(s.NextToken(), foo);  // the very same token again
  IStreamToken open = s.NextToken();
  EXPECT_EQ(s.Depth(), 2);
  s.PushBackToken(open);
  EXPECT_EQ(s.Depth(), 1);
  while (s.NextToken()->DataType() != tkCloseParen || s.Depth() != 0) {
  }
  // The pushed-back "(" became the last token, so no line break is recorded again.
  EXPECT_EQ(s.ConstructText(), "( deftemplate foo ( slot x ) ) ");

  TLexer twoLines("(a\n b)");
  for (int i = 0; i < 4; ++i) (void)twoLines.Stream.NextToken();
  EXPECT_EQ(twoLines.Stream.ConstructText(), "( a \r\nb ) ");
}

TEST(VorlanLookahead, GroupsAreReadWholeAndStartANewRecord) {
  TLexer lexer("(a (b)) c");
  TIEVorlanStream& s = lexer.Stream;
  for (int i = 0; i < 6; ++i) (void)s.NextToken();
  EXPECT_EQ(s.ConstructText(), "( a ( b ) ) ");
  EXPECT_EQ(Show(s.NextToken()), "a:c");
  EXPECT_EQ(s.ConstructText(), "c ");
  EXPECT_EQ(Show(s.NextToken()), "EOF");
  EXPECT_EQ(Show(s.NextToken()), "EOF");
}

TEST(VorlanLookahead, PeekConstructKeyword) {
  struct TCase {
    const char* Text;
    const char* Keyword;
  };
  for (TCase c : {TCase{"(defrule r)", "defrule"}, TCase{"(?x)", "x"}, TCase{"(= 1)", "="},
                  TCase{"(\"s\")", ""}, TCase{"(3)", ""}}) {
    TLexer lexer(c.Text);
    EXPECT_EQ(lexer.Stream.PeekConstructKeyword(), c.Keyword) << c.Text;
    EXPECT_EQ(Show(lexer.Stream.NextToken()), "(") << c.Text;  // the "(" is left to read
    EXPECT_EQ(lexer.Stream.Depth(), 1);
  }
  TLexer atom("abc d");
  EXPECT_EQ(atom.Stream.PeekConstructKeyword(), "");
  EXPECT_EQ(Show(atom.Stream.NextToken()), "a:d");  // a non-"(" stays taken
}

TEST(VorlanLookahead, SkipToTopLevelResynchronises) {
  TLexer lexer("(a (b c) d) (e)");
  TIEVorlanStream& s = lexer.Stream;
  for (int i = 0; i < 4; ++i) (void)s.NextToken();
  EXPECT_EQ(s.Depth(), 2);
  s.SkipToTopLevel();
  EXPECT_EQ(s.Depth(), 0);
  EXPECT_EQ(Show(s.NextToken()), "(");
  EXPECT_EQ(Show(s.NextToken()), "a:e");

  TLexer open("(a (b");
  (void)open.Stream.NextToken();
  open.Stream.SkipToTopLevel();  // ends at the end of the stream
  EXPECT_EQ(Show(open.Stream.CurrentToken()), "EOF");

  // A stray ")" is a group of its own and does not swallow what follows.
  TLexer stray(") (x y)");
  EXPECT_EQ(Show(stray.Stream.NextToken()), ")");
  stray.Stream.SkipToTopLevel();
  EXPECT_EQ(stray.Stream.PeekConstructKeyword(), "x");
  EXPECT_EQ(Show(stray.Stream.NextToken()), "(");
  EXPECT_EQ(stray.Stream.Depth(), 1);
}

TEST(VorlanLookahead, SkipRestOfLineAndLineReading) {
  TLexer rest("a rest of it\nb");
  (void)rest.Stream.NextToken();
  rest.Stream.SkipRestOfLine();
  IStreamToken b = rest.Stream.NextToken();
  EXPECT_EQ(Show(b), "a:b");
  EXPECT_EQ(b->LineNumber(), 2);

  // The line feed that ended the token already finished its line.
  TLexer ended("a\nb\nc");
  (void)ended.Stream.NextToken();
  ended.Stream.SkipRestOfLine();
  EXPECT_EQ(Show(ended.Stream.NextToken()), "a:b");

  TLexer crlf("a\r\nb\r\nc");
  (void)crlf.Stream.NextToken();
  crlf.Stream.SkipRestOfLine();
  EXPECT_EQ(crlf.Stream.ReadLine(), "b");
  EXPECT_EQ(crlf.Stream.LineNumber(), 3);

  TLexer lines("x\ny\r\nz");
  EXPECT_EQ(lines.Stream.ReadLine(), "x");
  EXPECT_EQ(lines.Stream.ReadLine(), "y");
  EXPECT_EQ(lines.Stream.ReadLine(), "z");
  EXPECT_EQ(lines.Stream.LineNumber(), 3);
}

}  // namespace
}  // namespace vettora
