// Reading whole texts: items, echo, OnParse, the two error modes, error
// texts and their lines, and nesting beyond the parser's limit.
#include <map>

#include "engine/messages.h"
#include "engine/rules.h"
#include "functions/messages.h"
#include "matching/rule.h"
#include "parser_test_util.h"

namespace vettora::testing {
namespace {

TEST_F(ParserTest, EmptyTextDoesNothing) {
  EXPECT_EQ(Run(""), "");
  EXPECT_EQ(Run("  ; only a comment"), "");
  EXPECT_EQ(Output, "");
}

TEST_F(ParserTest, TopLevelValuesAndCallsAreEchoedButNotStrings) {
  EXPECT_EQ(Run("abc 12 (+ 1 2) (nil)"), "");
  EXPECT_EQ(Output, "abc\r\n12\r\n3\r\n");
  std::string error = Run("\"text\"");
  EXPECT_TRUE(Contains(error,
                       "Unexpected symbol, expected a \"(\", constant, or global "
                       "variable:"))
      << error;
  EXPECT_TRUE(Contains(error, "in GetConstructType at line 1")) << error;
}

TEST_F(ParserTest, OnParseReportsKindsObjectsAndItems) {
  std::vector<TParsedType> kinds;
  std::vector<std::string> items;
  std::vector<bool> objects;
  Parser().OnParse = [&](TIEParser&, TParsedType kind, TObject* object, const Ref<TCounted>& item) {
    kinds.push_back(kind);
    objects.push_back(object != nullptr);
    if (auto value = RefCast<TIEValue>(item))
      items.push_back(value->AsText());
    else if (auto t = RefCast<TFactTemplate>(item))
      items.push_back("template " + t->Name());
    else
      items.push_back(item ? "other" : "none");
  };
  EXPECT_EQ(Run("(deftemplate point (slot x)) (nil) atom (+ 2 2) (defrule r (a) => )"), "");
  ASSERT_EQ(kinds.size(), 6u);  // the end of the text is reported too
  EXPECT_EQ(kinds[0], ptNil);
  EXPECT_EQ(items[0], "template point");
  EXPECT_EQ(kinds[1], ptNil);
  EXPECT_EQ(items[1], "none");
  EXPECT_EQ(kinds[2], ptValue);
  EXPECT_EQ(items[2], "atom");
  EXPECT_EQ(kinds[3], ptFunCall);
  EXPECT_EQ(items[3], "4");
  EXPECT_EQ(kinds[4], ptNil);
  EXPECT_TRUE(objects[4]);  // the rule
  EXPECT_EQ(kinds[5], ptEndOfStream);
  EXPECT_EQ(Output, "atom\r\n4\r\n");
}

TEST_F(ParserTest, UnknownFunctionFailsWhenExecutedInBothModes) {
  std::string immediate = Run("(foo)");
  EXPECT_EQ(immediate, "Function is unimplemented or unassigned: foo");
  Engine.SetParserErrorHandling(ehRaiseAllAtEnd);
  std::string collected = Run("(foo)");
  EXPECT_EQ(
      collected,
      "Parsing Error, Function is unimplemented or unassigned: foo in Parse at line 1: ( foo ) ");
}

TEST_F(ParserTest, RaiseAllAtEndStopsAfterMoreThanMaxErrorsAndKeepsGoodConstructs) {
  Engine.SetParserErrorHandling(ehRaiseAllAtEnd);
  Engine.SetParserMaxErrors(10);
  std::string text = "(deftemplate good1 (slot a))\n";
  for (int i = 0; i < 12; ++i) text += "(deftemplate bad" + std::to_string(i) + " (wrong a))\n";
  text += "(deftemplate good2 (slot a))\n";
  std::string error = Run(text);
  ASSERT_EQ(error.rfind("Errors parsing stream:\r\n", 0), 0u) << error;
  size_t messages = 0;
  for (size_t at = error.find("Parsing Error"); at != std::string::npos;
       at = error.find("Parsing Error", at + 1))
    ++messages;
  EXPECT_EQ(messages, 11u);
  EXPECT_TRUE(Engine.FindTemplate("good1"));
  // Reading stopped with the eleventh error, before good2.
  EXPECT_FALSE(Engine.FindTemplate("good2"));
}

TEST_F(ParserTest, RaiseAllAtEndKeepsEveryCorrectConstruct) {
  Engine.SetParserErrorHandling(ehRaiseAllAtEnd);
  std::string error =
      Run("(deftemplate a (slot x))\n"
          "(deftemplate b (slot y) (wrong))\n"
          "(defrule r1 (a (x 1)) => )\n"
          "(defrule r2 (a (nope 1)) => )\n"
          "(deffunction f (?x) ?x)\n");
  EXPECT_TRUE(Contains(error, "Errors parsing stream:")) << error;
  EXPECT_TRUE(Contains(error, "at line 2")) << error;
  EXPECT_TRUE(Contains(error, "No such slot name: \"nope\" in ParsePattern at line 4")) << error;
  EXPECT_TRUE(Engine.FindTemplate("a"));
  EXPECT_FALSE(Engine.FindTemplate("b"));
  EXPECT_TRUE(Engine.FindRule("r1"));
  EXPECT_FALSE(Engine.FindRule("r2"));
  IUserFunction f;
  EXPECT_TRUE(Engine.FindFunction("f", f));
}

TEST_F(ParserTest, ImmediateModeStopsAtTheFirstErrorKeepingWhatCameBefore) {
  std::string error = Run("(deftemplate a (slot x))\n(deftemplate b (bad))\n(deftemplate c)");
  EXPECT_EQ(
      error.rfind("Parsing Error, Invalid slot type: bad in ParseFactTemplateSlot at line 2", 0),
      0u)
      << error;
  EXPECT_TRUE(Engine.FindTemplate("a"));
  EXPECT_FALSE(Engine.FindTemplate("c"));
}

TEST_F(ParserTest, ErrorsCarryTheLineOfTheOffendingToken) {
  EXPECT_EQ(ErrorLine("\n\n(deftemplate t\n  (slot a)\n  (slot b (type WRONG)))"), 5);
  EXPECT_EQ(ErrorLine("(defrule r\n  (a)\n  =\n  >>\n  (b))"), 4);
  EXPECT_EQ(ErrorLine("\n\"string\""), 2);
}

TEST_F(ParserTest, LongConstructRecordsAreShortened) {
  std::string record(300, 'x');
  for (size_t i = 0; i < record.size(); ++i) record[i] = char('a' + i % 26);
  std::string shortened = TIEVorlanParser::ShortRecord(record);
  EXPECT_EQ(shortened, record.substr(0, 128) + "... \r\n" + record.substr(300 - 129, 128));
  EXPECT_EQ(TIEVorlanParser::ShortRecord(std::string(255, 'a')), std::string(255, 'a'));
}

TEST_F(ParserTest, DeepNestingIsRefusedWithTheLine) {
  // 100,000 open parentheses: refused on the line they stand on, in both
  // error modes.
  std::string deep = "\n" + std::string(100000, '(');
  EXPECT_EQ(ErrorLine(deep), 2);
  Engine.SetParserErrorHandling(ehRaiseAllAtEnd);
  EXPECT_EQ(ErrorLine(deep), 2);
  Engine.SetParserErrorHandling(ehRaiseImmediate);
  // Calls, patterns, facts and slot pairs nested that deep hit the limit.
  auto repeat = [](const std::string& text, int times) {
    std::string result;
    for (int i = 0; i < times; ++i) result += text;
    return result;
  };
  for (std::string text :
       {repeat("(+ ", 100000), "(defrule r " + repeat("(not ", 100000),
        "(deffacts f " + repeat("(a ", 100000), "(modify ?f (s " + repeat("(+ ", 100000)}) {
    std::string error = Run("\n\n" + text);
    EXPECT_TRUE(Contains(error, "Parentheses nested too deeply (more than 500 levels)"))
        << error.substr(0, 200);
    EXPECT_TRUE(Contains(error, "at line 3")) << error.substr(0, 200);
  }
  // Nesting within the limit is fine.
  std::string fine = "(+ 1" + repeat(" (+ 1", 200) + std::string(201, ')');
  EXPECT_EQ(Run(fine), "");
  EXPECT_EQ(Output, "201\r\n");
}

TEST_F(ParserTest, UnexecutedCallsAreReturnedAsCallValues) {
  TStringStream source("(foo 1 2)");
  TIEVorlanStream stream(&source);
  Parser().SetStream(&stream);
  EXPECT_TRUE(Parser().ParseNext(false));
  EXPECT_EQ(Output, "(foo 1 2)\r\n");
  Parser().SetStream(nullptr);
}

}  // namespace
}  // namespace vettora::testing

namespace vettora::testing {
namespace {

TEST_F(ParserTest, EveryConstructIsNotified) {
  std::map<std::string, int> seen;
  TIEVorlanParser& p = Parser();
  p.OnParseFact = [&](TIEParser&, const IFact&) { ++seen["fact"]; };
  p.OnParseFactSet = [&](TIEParser&, TFactSet&) { ++seen["set"]; };
  p.OnParseFactTemplate = [&](TIEParser&, const IFactTemplate&) { ++seen["template"]; };
  p.OnParseFunCall = [&](TIEParser&, const IFunCall&) { ++seen["call"]; };
  p.OnParseFunction = [&](TIEParser&, const IUserFunction&) { ++seen["function"]; };
  p.OnParseVariable = [&](TIEParser&, const std::string&, const IIEValue&) { ++seen["global"]; };
  p.OnParsePattern = [&](TIEParser&, TIEPattern&) { ++seen["pattern"]; };
  p.OnParseRule = [&](TIEParser&, TRule&) { ++seen["rule"]; };
  p.OnParseDefinedType = [&](TIEParser&, const IIEDefinedType&) { ++seen["type"]; };
  p.OnParseFuzzySet = [&](TIEParser&, const IFuzzySet&) { ++seen["term"]; };
  p.OnParseFuzzyVariable = [&](TIEParser&, const IFuzzyVariable&) { ++seen["variable"]; };
  EXPECT_EQ(Run("(deftemplate t (slot a))"
                "(deffacts s (t (a 1)) (u 2))"
                "(defrule r (t (a ?x)) (not (u ?x)) => (+ ?x 1))"
                "(deffunction f (?x) (+ ?x 1))"
                "(defglobal ?*g* = 1)"
                "(deftype fz extends (type FUZZY) (values (term low ((0 1) (1 0)))))"),
            "");
  // Filing the fact set reads its facts once more through the engine.
  EXPECT_EQ(seen["fact"], 4);
  EXPECT_EQ(seen["set"], 1);
  EXPECT_EQ(seen["template"], 1);
  EXPECT_EQ(seen["call"], 2);
  EXPECT_EQ(seen["function"], 1);
  EXPECT_EQ(seen["global"], 1);
  // (not (u ?x)) reports its inner pattern once.
  EXPECT_EQ(seen["pattern"], 2);
  EXPECT_EQ(seen["rule"], 1);
  EXPECT_EQ(seen["type"], 1);
  EXPECT_EQ(seen["term"], 1);
  EXPECT_EQ(seen["variable"], 1);
}

}  // namespace
}  // namespace vettora::testing
