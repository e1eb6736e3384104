// The string package: its table and signatures, concatenation, case,
// comparison, and character (not byte) counting of UTF-8 text.
#include "packages/string/string_package.h"

#include <memory>

#include "packages/package_test_util.h"
#include "packages/string/utf8_text.h"

namespace vettora::testing {
namespace {

class StringTest : public PackageTest {};

TEST(StringPackage, HoldsExactlyItsTableInOrderWithItsSignatures) {
  struct Row {
    const char* name;
    const char* className;
    const char* arguments;
    int32_t min;
    int32_t max;
  };
  const int32_t none = TIEUserFunction::kNoLimit;
  const Row rows[] = {
      {"sym-cat", "TSymCatFunction", " <expression>*", 0, none},
      {"lowcase", "TLowerCaseFunction", " <string-or-symbol-expression>", 1, 1},
      {"str-cat", "TStrCatFunction", " <lexeme-expression>*", 0, none},
      {"str-compare", "TStrCompFunction", " <lexeme-expression> <lexeme-expression>", 2, 2},
      {"str-index", "TStrIndexFunction", " <lexeme-expression> <lexeme-expression>", 2, 2},
      {"str-length", "TStrLengthFunction", " <lexeme-expression>", 1, 1},
      {"sub-string", "TSubStringFunction",
       " <start-integer-expression> <end-integer-expression> <lexeme-expression>", 3, 3},
      {"upcase", "TUpperCaseFunction", " <lexeme-expression>", 1, 1},
  };
  std::unique_ptr<TStringPackage> package(NewPackage<TStringPackage>());
  ASSERT_EQ(package->Functions().Count(), int32_t(std::size(rows)));
  EXPECT_EQ(FunctionNames(*package), TableNames(TStringPackage::Table()));
  for (int32_t i = 0; i < package->Functions().Count(); ++i) {
    const IUserFunction& f = package->Functions().Items(i);
    SCOPED_TRACE(rows[i].name);
    EXPECT_EQ(f->FunctionName(), rows[i].name);
    EXPECT_EQ(f->ClassName(), rows[i].className);
    EXPECT_EQ(f->ArgumentString(), rows[i].arguments);
    EXPECT_EQ(f->MinArgumentCount(), rows[i].min);
    EXPECT_EQ(f->MaxArgumentCount(), rows[i].max);
    EXPECT_FALSE(f->Comment().empty());
  }
  EXPECT_EQ(package->Functions().Items(0)->Comment(),
            "Returns all of its arguments concatenated into a symbol");
}

TEST_F(StringTest, ConcatenationUsesEachArgumentsText) {
  IIEValue symbol = Eval("(sym-cat a 1 \"b\")");
  EXPECT_EQ(symbol->DType(), dtAtom);
  EXPECT_EQ(symbol->AsString(), "a1b");
  IIEValue string = Eval("(str-cat a 1 \"b\" 2.5)");
  EXPECT_EQ(string->DType(), dtString);
  EXPECT_EQ(string->AsString(), "a1b2.5000");
  EXPECT_EQ(Text("(str-cat)"), "\"\"");
  EXPECT_EQ(Eval("(sym-cat)")->AsString(), "");
}

TEST_F(StringTest, CaseConversionKeepsTheKindAndChangesOnlyAsciiLetters) {
  IIEValue symbol = Eval("(lowcase ABC)");
  EXPECT_EQ(symbol->DType(), dtAtom);
  EXPECT_EQ(symbol->AsString(), "abc");
  IIEValue string = Eval("(lowcase \"ABC\")");
  EXPECT_EQ(string->DType(), dtString);
  EXPECT_EQ(string->AsString(), "abc");
  EXPECT_EQ(Eval("(upcase \"straße Ä é-1z\")")->AsString(), "STRAßE Ä é-1Z");
  EXPECT_EQ(Eval("(lowcase \"ÀÉ [AZ@]\")")->AsString(), "ÀÉ [az@]");
  EXPECT_EQ(Eval("(upcase 12)")->DType(), dtString);
}

TEST_F(StringTest, CompareOrdersByCharacterCodes) {
  EXPECT_EQ(Text("(str-compare abc abd)"), "-1");
  EXPECT_EQ(Text("(str-compare abc \"abc\")"), "0");
  EXPECT_EQ(Text("(str-compare b abc)"), "1");
  // Case-sensitive and not locale-aware: Z (90) sorts before a (97), and a
  // character beyond ASCII after every ASCII one.
  EXPECT_EQ(Text("(str-compare Z a)"), "-1");
  EXPECT_EQ(Text("(str-compare \"é\" \"z\")"), "1");
  EXPECT_EQ(Text("(str-compare \"\" a)"), "-1");
}

TEST_F(StringTest, IndexAndLengthCountCharacters) {
  EXPECT_EQ(Text("(str-index x abc)"), "FALSE");
  EXPECT_EQ(Text("(str-index b abc)"), "2");
  EXPECT_EQ(Text("(str-index \"c\" \"ébc\")"), "3");
  EXPECT_EQ(Text("(str-index \"€\" \"a€b€\")"), "2");
  EXPECT_EQ(Text("(str-length \"héllo\")"), "5");
  EXPECT_EQ(Text("(str-length \"日本語\")"), "3");
  EXPECT_EQ(Text("(str-length abc)"), "3");
  EXPECT_EQ(Text("(str-length \"\")"), "0");
}

TEST_F(StringTest, SubStringCutsWholeCharacters) {
  EXPECT_EQ(Text("(sub-string 2 3 \"hello\")"), "\"el\"");
  EXPECT_EQ(Text("(sub-string 3 2 \"hello\")"), "\"\"");
  EXPECT_EQ(Text("(sub-string 4 99 hello)"), "\"lo\"");
  EXPECT_EQ(Text("(sub-string 2 3 \"日本語x\")"), "\"本語\"");
  EXPECT_EQ(Text("(sub-string 1 1 \"é\")"), "\"é\"");
  EXPECT_EQ(Eval("(sub-string 1 1 sym)")->DType(), dtString);
  EXPECT_EQ(ErrorOf("(sub-string 0 2 \"hello\")"), "Invalid substring parameters: 0, 2");
  EXPECT_EQ(ErrorOf("(sub-string 6 6 \"hello\")"), "Invalid substring parameters: 6, 6");
  EXPECT_EQ(ErrorOf("(sub-string 3 1 \"hello\")"), "Invalid substring parameters: 3, 1");
  EXPECT_EQ(ErrorOf("(sub-string 1 1 \"\")"), "Invalid substring parameters: 1, 1");
  EXPECT_EQ(ErrorOf("(sub-string 1 -2147483648 \"hello\")"),
            "Invalid substring parameters: 1, -2147483648");
  EXPECT_EQ(Text("(sub-string 1 2147483647 \"hi\")"), "\"hi\"");
  EXPECT_EQ(ErrorOf("(sub-string 1 2)"), "Too few arguments for sub-string");
}

TEST(Utf8Text, MalformedBytesCountAsOneCharacterEach) {
  const std::string broken = "a\xC3(\x80z\xF0\x9F\x98";  // cut lead, stray continuation
  EXPECT_EQ(Utf8Length(broken), 8u);
  EXPECT_EQ(Utf8Length("\xF0\x9F\x98\x80"), 1u);  // a complete 4-byte character
  EXPECT_EQ(Utf8Offset("a\xC3\xA9z", 2), 3u);
  EXPECT_EQ(Utf8Offset("ab", 5), 2u);
  // A match that starts inside a character is no match.
  EXPECT_EQ(Utf8Find("\xC3\xA9", "\xA9"), std::string::npos);
  EXPECT_EQ(Utf8Find("xy", ""), 0u);
}

}  // namespace
}  // namespace vettora::testing
