// The knowledge base as text: GetText's header and sections, SetText,
// loading and saving per kind through streams and files, ExecuteLines,
// the engine's parse entries and its forwarded parser events.
#include <cstdio>
#include <fstream>
#include <sstream>

#include "engine/engine_variables.h"
#include "engine/facts.h"
#include "engine/rules.h"
#include "matching/rule.h"
#include "parser_test_util.h"
#include "reader/memory_stream.h"

namespace vettora::testing {
namespace {

class KnowledgeBaseTextTest : public ParserTest {
 protected:
  static std::string StreamText(TMemoryStream& stream) {
    stream.SetPosition(0);
    std::string text(size_t(stream.Size()), '\0');
    if (!text.empty()) (void)stream.Read(text.data(), int64_t(text.size()));
    return text;
  }

  static std::string TempFile(const char* name) {
    return ::testing::TempDir() + "vettora_kb_" + name;
  }
};

TEST_F(KnowledgeBaseTextTest, GetTextWritesHeaderCountsAndOnlyNonEmptyParts) {
  ASSERT_EQ(Run("(deftemplate person \"someone\" (slot name))\n"
                "(defrule greet (person (name ?n)) => )"),
            "");
  std::string text = Engine.GetText();
  // The date line varies; everything around it is fixed.
  size_t created = text.find("; Created: ");
  ASSERT_NE(created, std::string::npos);
  size_t afterDate = text.find("\r\n", created) + 2;
  EXPECT_EQ(text.substr(0, created),
            "; *************************\r\n; Inference Engine v2.0000 Output\r\n");
  std::string rest = text.substr(afterDate);
  EXPECT_EQ(rest.substr(0, rest.find("(set-fact")),
            "; Number of Global Variables: 0\r\n"
            "; Number of Defined Types:    0\r\n"
            "; Number of Fact Templates:   3\r\n"
            "; Number of Rules:            1\r\n"
            "; Number of Fact Sets:        0\r\n"
            "; Number of Facts:            1\r\n");
  EXPECT_NE(rest.find("(set-fact-duplication TRUE)\r\n\r\n; *************************\r\n"
                      "; Fact Templates \r\n\r\n"),
            std::string::npos);
  for (const char* absent :
       {"; Global Variables", "; Defined Types", "; Deffunctions", "; Fact Sets"})
    EXPECT_EQ(rest.find(absent), std::string::npos) << absent;
  EXPECT_NE(rest.find("\r\n; Rules \r\n\r\n(defrule greet"), std::string::npos);
  EXPECT_TRUE(rest.ends_with("; Facts \r\n\r\n(assert\r\n    (Initial-Fact)\r\n)\r\n")) << rest;
  Engine.SetFactDuplication(true);
  EXPECT_NE(Engine.GetText().find("(set-fact-duplication FALSE)\r\n"), std::string::npos);
}

TEST_F(KnowledgeBaseTextTest, SetTextRebuildsTheBaseAndKeepsOnlyFactSetFacts) {
  ASSERT_EQ(Run("(deftemplate person (slot name))\n"
                "(deffacts people (person (name bob)))\n"
                "(defglobal ?*limit* = 3)\n"
                "(deffunction same (?a) ?a)\n"
                "(defrule greet (person (name ?n)) => )"),
            "");
  Engine.Reset();
  Engine.AssertString("(person (name ann))");
  std::string text = Engine.GetText();

  TInferenceEngine copy;
  copy.AssertString("(leftover)");
  copy.SetText(text);
  // The closing reset leaves f-0 and the fact sets' facts only.
  EXPECT_EQ(copy.Facts().Text(), "(Initial-Fact)\r\n(person (name bob))");
  EXPECT_NE(copy.FindRule("greet"), nullptr);
  EXPECT_EQ(copy.Agenda().Count(), 1);
  IUserFunction same;
  EXPECT_TRUE(copy.FindFunction("same", same));
  EXPECT_EQ(copy.GlobalVariables().Count(), 1);
  EXPECT_EQ(copy.FindTemplate("leftover"), nullptr);
  // Read again, the text prints the same apart from the fact it asserted
  // outside a fact set.
  std::string again = copy.GetText();
  auto body = [](const std::string& t) { return t.substr(t.find("\r\n\r\n")); };
  std::string expected = body(text);
  expected.replace(expected.find("    (person (name ann))\r\n"), 25, "");
  EXPECT_EQ(body(again), expected);
}

TEST_F(KnowledgeBaseTextTest, LoadingRulesEmptiesRulesAndLoadingFactsAdds) {
  ASSERT_EQ(Run("(deftemplate p (slot v))\n(defrule old (p (v 1)) => )"), "");
  TMemoryStream rules;
  std::string ruleText = "(defrule new1 (p (v 2)) => )\r\n(defrule new2 (p (v 3)) => )\r\n";
  (void)rules.Write(ruleText.data(), int64_t(ruleText.size()));
  rules.SetPosition(0);
  Engine.LoadRulesFromStream(rules);
  EXPECT_EQ(Engine.FindRule("old"), nullptr);
  EXPECT_EQ(Engine.Rules().Count(), 2);

  TMemoryStream saved;
  Engine.SaveRulesToStream(saved);
  EXPECT_EQ(StreamText(saved), Engine.Rules().Text());

  Engine.AssertString("(p (v 1))");
  TMemoryStream facts;
  std::string factText = "(p (v 2))\r\n(q 7)\r\n";
  (void)facts.Write(factText.data(), int64_t(factText.size()));
  facts.SetPosition(0);
  Engine.LoadFactsFromStream(facts);
  EXPECT_EQ(Engine.Facts().Text(), "(Initial-Fact)\r\n(p (v 1))\r\n(p (v 2))\r\n(q 7 )");

  TMemoryStream some;
  Engine.SaveFactsOfTemplate(some, "p");
  EXPECT_EQ(StreamText(some), "(p (v 1))\r\n(p (v 2))\r\n");
  TMemoryStream all;
  Engine.SaveFactsToStream(all);
  EXPECT_EQ(StreamText(all), "(Initial-Fact)\r\n(p (v 1))\r\n(p (v 2))\r\n(q 7 )\r\n");
}

TEST_F(KnowledgeBaseTextTest, LoadingTemplatesAndTypesEmptiesThem) {
  ASSERT_EQ(Run("(deftype small extends (type INTEGER) (range 0 9))\n"
                "(deftemplate gone (slot x))"),
            "");
  TMemoryStream types;
  std::string typeText = "(deftype big extends (type INTEGER) (range 10 99))\r\n";
  (void)types.Write(typeText.data(), int64_t(typeText.size()));
  types.SetPosition(0);
  Engine.LoadDefinedTypesFromStream(types);
  EXPECT_EQ(Engine.FindDefinedType("small"), nullptr);
  EXPECT_NE(Engine.FindDefinedType("big"), nullptr);

  TMemoryStream templates;
  std::string templateText = "(deftemplate kept (slot y (type big)))\r\n";
  (void)templates.Write(templateText.data(), int64_t(templateText.size()));
  templates.SetPosition(0);
  Engine.LoadFactTemplatesFromStream(templates);
  EXPECT_EQ(Engine.FindTemplate("gone"), nullptr);
  EXPECT_NE(Engine.FindTemplate("kept"), nullptr);
}

TEST_F(KnowledgeBaseTextTest, FilesSaveLoadAndNameTheFileOnError) {
  ASSERT_EQ(Run("(deftemplate p (slot v))\n(deffacts s (p (v 1)))"), "");
  Engine.Reset();
  std::string base = TempFile("base.clp");
  Engine.SaveToFile(base);
  TInferenceEngine copy;
  copy.LoadFromFile(base);
  EXPECT_EQ(copy.Facts().Text(), "(Initial-Fact)\r\n(p (v 1))");

  std::string facts = TempFile("facts.txt");
  Engine.SaveFactsToFile(facts);
  copy.SetFactDuplication(false);
  copy.LoadFactsFromFile(facts);
  EXPECT_EQ(copy.Facts().Count(), 2);  // both already listed: duplicates are dropped
  std::remove(base.c_str());
  std::remove(facts.c_str());

  std::string missing = TempFile("no/such/dir/x.clp");
  try {
    copy.LoadFromFile(missing);
    FAIL() << "loading a missing file succeeded";
  } catch (const std::exception& error) {
    EXPECT_NE(std::string(error.what()).find(missing), std::string::npos) << error.what();
  }
  EXPECT_THROW(copy.SaveRulesToFile(missing), EGStreamError);
  // A failed load leaves the engine as it was.
  EXPECT_EQ(copy.Facts().Count(), 2);
}

TEST_F(KnowledgeBaseTextTest, ExecuteLinesSwallowsErrorsAndAssertsFactLines) {
  ASSERT_EQ(Run("(deftemplate p (slot v))"), "");
  Engine.SetParserErrorHandling(ehRaiseAllAtEnd);
  TTextLines lines{{"(deftemplate q (slot w))", nullptr},
                   {"(deftemplate broken (slot", nullptr},
                   {"(p (v 5))", Engine.ParseFact("(p (v 0))")},
                   {"(p (v 6)", Engine.ParseFact("(p (v 0))")},
                   {"(deftemplate r (slot z))", nullptr}};
  Engine.ExecuteLines(lines);
  EXPECT_NE(Engine.FindTemplate("q"), nullptr);
  EXPECT_NE(Engine.FindTemplate("r"), nullptr);
  EXPECT_EQ(Engine.FindTemplate("broken"), nullptr);
  EXPECT_EQ(Engine.Facts().Text(), "(Initial-Fact)\r\n(p (v 5))");
  EXPECT_EQ(Engine.ParserErrorHandling(), ehRaiseAllAtEnd);
}

TEST_F(KnowledgeBaseTextTest, ParseValueMakesEachKindFromText) {
  EXPECT_EQ(Engine.Parser().ParseValue("\"\"abc\"\"", dtString)->AsString(), "abc");
  EXPECT_EQ(Engine.Parser().ParseValue("\"\"", dtString)->AsString(), "");
  EXPECT_EQ(Engine.Parser().ParseValue("42", dtInteger)->AsInteger(), 42);
  EXPECT_EQ(Engine.Parser().ParseValue("7", dtFactId)->DType(), dtFactId);
  EXPECT_DOUBLE_EQ(Engine.Parser().ParseValue("2.5", dtFloat)->AsFloat(), 2.5);
  EXPECT_EQ(Engine.Parser().ParseValue("x", dtVariable)->DType(), dtVariable);
  EXPECT_EQ(Engine.Parser().ParseValue("a b c", dtList)->DType(), dtList);
  EXPECT_EQ(Engine.Parser().ParseValue("anything", dtNone)->DType(), dtNone);
  EXPECT_THROW((void)Engine.Parser().ParseValue("12x", dtInteger), EConvertError);
  EXPECT_THROW((void)Engine.Parser().ParseValue("99999999999", dtInteger), EConvertError);
  try {
    (void)Engine.Parser().ParseValue("x", 200);
    FAIL();
  } catch (const EIEException& error) {
    EXPECT_STREQ(error.what(), "Unable to parse strings of Unknown Type (200) at this time");
  }
  EXPECT_THROW((void)Engine.Parser().ParseValue("x", dtSingletons), EIEException);
}

TEST_F(KnowledgeBaseTextTest, ParseEntriesRestoreTheInputAndEventsReachTheParser) {
  int rules = 0;
  Engine.Parser().Events().OnParseRule = [&rules](TIEParser&, TRule&) { ++rules; };
  EXPECT_TRUE(bool(Engine.Parser().Events().OnParseRule));
  EXPECT_TRUE(bool(Parser().OnParseRule));
  std::vector<TParsedType> kinds;
  Engine.Parser().Events().OnParse = [&kinds](TIEParser&, TParsedType kind, TObject*,
                                              const Ref<TCounted>&) { kinds.push_back(kind); };
  ASSERT_EQ(Run("(deftemplate p (slot v))\n(defrule a (p (v 1)) => )"), "");
  EXPECT_EQ(rules, 1);
  ASSERT_GE(kinds.size(), 2u);

  // A rule made by the entry is the caller's until filed.
  std::unique_ptr<TRule> rule(Engine.Parser().ParseRule("(defrule b (p (v 2)) => )"));
  EXPECT_EQ(rules, 2);
  EXPECT_EQ(Engine.FindRule("b"), nullptr);
  EXPECT_EQ(Engine.Agenda().Count(), 0);
  EXPECT_THROW((void)Engine.Parser().ParseFactTemplate("(deftemplate"), EIEParseException);
  EXPECT_EQ(Engine.Parser().ParseList("1 2 3")->AsText(), "1 2 3 ");
  IIEValue value;
  EXPECT_EQ(Engine.Parser().ParseVariable("?*g* = 5", value), "*g*");
  EXPECT_EQ(value->AsInteger(), 5);
  EXPECT_EQ(Engine.ParseFuzzyPoints("((1 0) (2 1))")->Count(), 2);
  ISingletonsParser& singletons = Engine;
  EXPECT_EQ(singletons.ParseFuzzyPoints("((0 1))")->Count(), 1);

  // A rule is named and filed only once it is read whole: a rule already
  // filed under the default name a new rule starts with stays.
  ASSERT_EQ(Run("(defrule Rule_5 (p (v 5)) => )\n(defrule c (p (v 6)) => )\n"
                "(defrule d (p (v 7)) => )"),
            "");
  EXPECT_NE(Engine.FindRule("Rule_5"), nullptr);
  EXPECT_EQ(Engine.Rules().Count(), 4);
  EXPECT_NE(Run("(defrule broken (p (v 8))"), "");
  EXPECT_EQ(Engine.FindRule("broken"), nullptr);
  EXPECT_EQ(Engine.Rules().Count(), 4);
  Engine.Parser().Events().OnParseRule = nullptr;
  EXPECT_FALSE(bool(Parser().OnParseRule));
}

}  // namespace
}  // namespace vettora::testing
