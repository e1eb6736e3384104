#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "reader/messages.h"
#include "reader/parse_exception.h"
#include "vorlan_test_util.h"

namespace vettora {
namespace {

TEST(VorlanLexer, DelimitersAndAtomBoundaries) {
  EXPECT_EQ(RawTokens("(a b)c"), "( a:a a:b ) a:c");
  EXPECT_EQ(RawTokens("a=b"), "a:a=b");
  EXPECT_EQ(RawTokens("=>"), "= a:>");
  EXPECT_EQ(RawTokens("?f<-"), "?f a:<-");
  EXPECT_EQ(RawTokens("a<b>c"), "a:a a:<b>c");
  EXPECT_EQ(RawTokens("[a|b&~c]"), "[ a:a | a:b & ~ a:c ]");
  EXPECT_EQ(RawTokens("a\"s\"b;c\nd"), "a:a s:s a:b a:d");
  EXPECT_EQ(RawTokens("a\\ b\\(c \\"), "a:a b(c");  // escapes; a lone trailing one ends
}

TEST(VorlanLexer, NumbersAndSigns) {
  EXPECT_EQ(RawTokens("+5 12 -2147483648 2147483647"), "i:5 i:12 i:-2147483648 i:2147483647");
  EXPECT_EQ(RawTokens("5. 1e3 -3.5 .5 2147483648"),
            "f:5.0000 f:1000.0000 f:-3.5000 f:0.5000 f:2147483648.0000");
  EXPECT_EQ(RawTokens("+ - . 1-2 1e 0x1F -."), "a:+ a:- a:. a:1-2 a:1e a:0x1F a:-.");
  IStreamToken plus = TLexer("+5").Stream.ReadRawToken();
  EXPECT_EQ(plus->Text(), "+5");
  EXPECT_EQ(plus->Number(), 5);
}

TEST(VorlanLexer, VariablesAndAnonymousNames) {
  EXPECT_EQ(RawTokens("?x $?rest ?*limit* $ $x"), "?x $?rest ?*limit* a:$ a:$x");
  // Standalone, the stream numbers anonymous variables itself.
  EXPECT_EQ(RawTokens("? $? ?"), "?_blank_0 $?_blank_$1 ?_blank_2");

  struct TNames : ISymbolSource {
    std::vector<std::string> Prefixes;
    std::string GenerateSymbol(const std::string& prefix) override {
      Prefixes.push_back(prefix);
      return prefix + std::to_string(40 + Prefixes.size());
    }
  } names;
  TLexer lexer("? $?");
  lexer.Stream.SetEngine(&names);
  EXPECT_EQ(lexer.Stream.ReadRawToken()->Text(), "_blank_41");
  EXPECT_EQ(lexer.Stream.ReadRawToken()->Text(), "_blank_$42");
  EXPECT_EQ(names.Prefixes, (std::vector<std::string>{"_blank_", "_blank_$"}));
}

// Columns count from 1 on the line a token starts on, whatever ended the
// previous line (LF, CR LF or a lone CR) and whatever came before it on
// the line (blanks, tabs, a string).
TEST(VorlanLexer, TokensKnowTheColumnTheyStartAt) {
  TLexer lexer("(a  bb\n\t?x \"s t\" 5\r\n  )\r;c\nz");
  std::vector<std::pair<int, int>> places;
  for (IStreamToken t = lexer.Stream.ReadRawToken(); t->DataType() != tkEndOfStream;
       t = lexer.Stream.ReadRawToken())
    places.emplace_back(t->LineNumber(), t->Column());
  EXPECT_EQ(places, (std::vector<std::pair<int, int>>{
                        {1, 1}, {1, 2}, {1, 5}, {2, 2}, {2, 5}, {2, 11}, {3, 3}, {5, 1}}));
}

TEST(VorlanLexer, Strings) {
  IStreamToken t = TLexer("\"a\\\"b\" \"c\\\\\"").Stream.ReadRawToken();
  EXPECT_EQ(t->DataType(), dtString);
  EXPECT_EQ(t->Text(), "a\"b");
  EXPECT_EQ(t->AsText(), "\"a\\\"b\"");
  EXPECT_EQ(RawTokens("\"a\\\"b\" \"c\\\\\""), "s:a\"b s:c\\");

  TLexer spanning("\"one\ntwo\r\nthree\" x");
  IStreamToken s = spanning.Stream.ReadRawToken();
  EXPECT_EQ(s->Text(), "one\ntwo\r\nthree");
  EXPECT_EQ(s->LineNumber(), 3);
  EXPECT_EQ(spanning.Stream.ReadRawToken()->LineNumber(), 3);

  for (const char* text : {"\n\n\"abc", "\n\n\"abc\\"}) {
    TLexer lexer(text);
    try {
      (void)lexer.Stream.ReadRawToken();
      FAIL() << text;
    } catch (const EIEException& e) {  // parse errors are engine errors
      auto* parse = dynamic_cast<const EIEParseException*>(&e);
      ASSERT_NE(parse, nullptr);
      EXPECT_STREQ(e.what(), kStringNotTerminated);
      EXPECT_EQ(parse->LineNumber(), 3);
      EXPECT_TRUE(parse->Messages().empty());
    }
  }
}

TEST(VorlanLexer, LineCounting) {
  TLexer lexer("a\rb\nc\r\nd\n\re ;x\r\nf");
  std::vector<int32_t> lines;
  for (IStreamToken t = lexer.Stream.ReadRawToken(); t->DataType() != tkEndOfStream;
       t = lexer.Stream.ReadRawToken())
    lines.push_back(t->LineNumber());
  EXPECT_EQ(lines, (std::vector<int32_t>{1, 2, 3, 4, 6, 7}));

  // A CR LF pair split by the token it ends still counts once.
  TLexer split(std::string(8191, 'x') + "\r\ny");
  EXPECT_EQ(split.Stream.ReadRawToken()->LineNumber(), 1);
  EXPECT_EQ(split.Stream.ReadRawToken()->LineNumber(), 2);
}

TEST(VorlanLexer, CommentsAndWhitespaceGoBeforeTheNextToken) {
  TLexer lexer("a  ; note\n  (b) ; trailing");
  EXPECT_EQ(lexer.Stream.ReadRawToken()->WhiteSpace(), "");
  IStreamToken open = lexer.Stream.ReadRawToken();
  EXPECT_EQ(open->WhiteSpace(), "  ; note\r\n  ");
  EXPECT_EQ(open->LineNumber(), 2);
  (void)lexer.Stream.ReadRawToken();
  (void)lexer.Stream.ReadRawToken();
  IStreamToken end = lexer.Stream.ReadRawToken();  // comment without a final line break
  EXPECT_EQ(end->DataType(), tkEndOfStream);
  EXPECT_EQ(end->Text(), "EOF");
  EXPECT_EQ(end->WhiteSpace(), " ; trailing\r\n");
  EXPECT_EQ(end->LineNumber(), 2);
  EXPECT_EQ(lexer.Stream.ReadRawToken()->DataType(), tkEndOfStream);
}

TEST(VorlanLexer, MakeTokenHints) {
  TLexer lexer("");
  EXPECT_EQ(Show(lexer.Stream.MakeToken(13, "")), "a:CRLF");
  EXPECT_EQ(Show(lexer.Stream.MakeToken(34, "q")), "s:q");
  EXPECT_EQ(Show(lexer.Stream.MakeToken('|', "")), "|");
  EXPECT_EQ(Show(lexer.Stream.MakeToken(-1, "7")), "i:7");
  EXPECT_EQ(Show(lexer.Stream.MakeToken(-1, "")), "EOF");
  try {
    (void)lexer.Stream.MakeToken(99, "x");
    FAIL();
  } catch (const EIEParseException& e) {
    EXPECT_STREQ(e.what(), "Invalid Token hint for parsing token: 99");
  }
}

}  // namespace
}  // namespace vettora
