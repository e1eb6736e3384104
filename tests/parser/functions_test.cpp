// Function calls and their argument forms, deffunction, defglobal, value
// sequences, lists and the one-construct entries.
#include "engine/engine_variables.h"
#include "engine/messages.h"
#include "functions/interpreted_function.h"
#include "parser_test_util.h"
#include "values/singletons_vector.h"

namespace vettora::testing {
namespace {

TEST_F(ParserTest, SlotFunctionsReadFactsAndSlotPairs) {
  IFunCall modify = Reader->ParseFunCall("(modify ?f (salary 5) (name a b))");
  ASSERT_EQ(modify->ArgumentCount(), 3);
  EXPECT_EQ(modify->Argument(0)->DType(), dtVariable);
  ASSERT_EQ(modify->Argument(1)->DType(), dtList);
  EXPECT_EQ(modify->Argument(1)->AsText(), "salary 5 ");
  EXPECT_EQ(modify->Argument(2)->AsList()->Items(1)->AsText(), "a b ");
  IFunCall assert = Reader->ParseFunCall("(assert (a b) (c))");
  ASSERT_EQ(assert->ArgumentCount(), 2);
  EXPECT_EQ(assert->Argument(0)->DType(), dtFact);
  EXPECT_TRUE(Engine.FindTemplate("a"));
  // Any other function takes calls.
  IFunCall other = Reader->ParseFunCall("(other (salary 5))");
  EXPECT_EQ(other->Argument(0)->DType(), dtFunCall);
  EXPECT_TRUE(Contains(Run("(modify ?f (salary))"), "Expected value missing"));
}

TEST_F(ParserTest, SlotFunctionListBoundsStayOrdered) {
  TSlotFunctions list = TSlotFunctions::Defaults();
  int32_t i = list.IndexOf("modify");
  ASSERT_GE(i, 0);
  EXPECT_EQ(list.First(i), 1);
  EXPECT_EQ(list.Last(i), 65535);
  list.SetLast(i, 0);  // 0 reads as no limit
  EXPECT_EQ(list.Last(i), 65535);
  list.SetFirst(i, 3);
  list.SetLast(i, 2);
  EXPECT_EQ(list.First(i), 2);
  EXPECT_EQ(list.Last(i), 2);
  list.Add("mine", TSlotFunctions::MakeWord(2, 2));
  Parser().SetSlotFunctions(list);
  IFunCall call = Reader->ParseFunCall("(mine (x 1) (y 2) (z 3))");
  EXPECT_EQ(call->Argument(0)->DType(), dtFunCall);
  EXPECT_EQ(call->Argument(1)->DType(), dtList);
  EXPECT_EQ(call->Argument(2)->DType(), dtFunCall);
}

TEST_F(ParserTest, CallArgumentForms) {
  IFunCall call = Reader->ParseFunCall("; note\n(f a \"s\" 1 2.5 ?v $?m & | ~ [ ] ((1 0) (2 1)))");
  EXPECT_EQ(call->Comment(), "; note");
  ASSERT_EQ(call->ArgumentCount(), 12);
  TIEType kinds[] = {dtAtom,   dtString, dtInteger, dtFloat,  dtVariable, dtMultiVariable,
                     dtString, dtString, dtString,  dtString, dtString,   dtSingletons};
  for (int32_t i = 0; i < 12; ++i) EXPECT_EQ(call->Argument(i)->DType(), kinds[i]) << i;
  EXPECT_EQ(call->Argument(6)->Text(), "&");
  EXPECT_EQ(call->Argument(11)->AsSingletons()->Count(), 2);
  IFunCall getVar = Reader->ParseFunCall("(?x 1)");
  EXPECT_EQ(getVar->FunctionName(), "__get-var");
  EXPECT_EQ(getVar->ArgumentCount(), 2);
  EXPECT_EQ(Reader->ParseFunCall("(= 1 1)")->FunctionName(), "=");
  EXPECT_TRUE(Contains(Run("(\"f\")"), "Missing name"));
  EXPECT_TRUE(Contains(Run("(f (g 1)"), "Unexpected end of stream"));
}

TEST_F(ParserTest, DeffunctionsReadParametersCommentAndBody) {
  EXPECT_EQ(Run("(deffunction add2 \"adds\" (?a ?b $?rest) \"better\" (+ ?a ?b) ?a)"), "");
  IUserFunction found;
  ASSERT_TRUE(Engine.FindFunction("add2", found));
  auto function = RefCast<TInterpretedFunction>(found);
  ASSERT_TRUE(function);
  EXPECT_EQ(function->Comment(), "better");
  ASSERT_EQ(function->ParameterCount(), 3);
  EXPECT_EQ(function->Parameters(2)->DType(), dtMultiVariable);
  ASSERT_EQ(function->ActionCount(), 2);
  EXPECT_EQ(function->Actions(1)->DType(), dtVariable);
  EXPECT_TRUE(Contains(Run("(deffunction f ?a)"), "Expected \"(\""));
  EXPECT_TRUE(Contains(Run("(deffunction f (?a) &)"), "Unexpected character found: \"&\""));
  // A deffunction printed and read again gives the same text.
  std::string printed = Engine.Parser().PrintFunction(*function);
  EXPECT_EQ(Run(printed), "");
  ASSERT_TRUE(Engine.FindFunction("add2", found));
  EXPECT_EQ(Engine.Parser().PrintFunction(*found), printed);
}

TEST_F(ParserTest, GlobalsNeedAsterisks) {
  std::vector<std::string> names;
  Parser().OnParseVariable = [&](TIEParser&, const std::string& name, const IIEValue&) {
    names.push_back(name);
  };
  EXPECT_EQ(Run("(defglobal ?*a* = 3 ?*b* = (+ 1 1))"), "");
  EXPECT_EQ(names, (std::vector<std::string>{"*a*", "*b*"}));
  EXPECT_EQ(Engine.RootContext()->GetValue("*b*")->AsInteger(), 2);
  EXPECT_EQ(Run("?*a*"), "");
  EXPECT_EQ(Output, "3\r\n");
  std::string error = Run("(defglobal ?x = 3)");
  EXPECT_TRUE(Contains(error, "Bad Variable Name, must start and end with an asterisk: x"))
      << error;
  EXPECT_TRUE(Contains(Run("(defglobal ?*x* 3)"), "Expected \"=\""));
  EXPECT_TRUE(Contains(Run("(defglobal x = 3)"), "Missing name"));
}

TEST_F(ParserTest, ValueSequencesAndLists) {
  EXPECT_EQ(Reader->ParseValue("abc")->AsText(), "abc");
  IIEValue several = Reader->ParseValue("a [ 2 ] (+ 1 2)");
  ASSERT_EQ(several->DType(), dtList);
  EXPECT_EQ(several->AsList()->Count(), 5);
  EXPECT_EQ(several->AsList()->Items(1)->DType(), dtAtom);
  EXPECT_EQ(several->AsList()->Items(4)->DType(), dtFunCall);
  // A token that cannot start a value ends a sequence, or is refused first.
  EXPECT_EQ(Reader->ParseValue("a & b")->AsText(), "a");
  try {
    (void)Reader->ParseValue("& b");
    ADD_FAILURE();
  } catch (const EIEParseException& error) {
    EXPECT_TRUE(Contains(error.what(), "Bad Argument: &"));
  }
  IIEValue list = Reader->ParseList("x");
  EXPECT_EQ(list->DType(), dtList);
  EXPECT_EQ(Reader->ParseList("")->AsList()->Count(), 0);
  EXPECT_EQ(Reader->ParseList("a =(+ 1 2)")->AsList()->Items(1)->DType(), dtFunCall);
}

TEST_F(ParserTest, ValuesByKind) {
  EXPECT_EQ(Reader->ParseValue("\"\"abc\"\"", dtString)->AsString(), "abc");
  EXPECT_EQ(Reader->ParseValue("42", dtInteger)->AsInteger(), 42);
  EXPECT_EQ(Reader->ParseValue("2.5", dtFloat)->AsFloat(), 2.5);
  EXPECT_EQ(Reader->ParseValue("x", dtMultiVariable)->DType(), dtMultiVariable);
  EXPECT_EQ(Reader->ParseValue("(f 1)", dtFunCall)->DType(), dtFunCall);
  EXPECT_EQ(Reader->ParseValue("(a 1)", dtFact)->DType(), dtFact);
  EXPECT_EQ(Reader->ParseValue("a b", dtList)->AsList()->Count(), 2);
  EXPECT_EQ(Reader->ParseValue("a", dtList)->AsList()->Count(), 1);
  EXPECT_EQ(Reader->ParseValue("", dtNone)->DType(), dtNone);
  EXPECT_THROW((void)Reader->ParseValue("x1", dtInteger), EConvertError);
  EXPECT_THROW((void)Reader->ParseValue("99999999999", dtInteger), EConvertError);
  try {
    (void)Reader->ParseValue("x", dtFuzzy);
    ADD_FAILURE();
  } catch (const EIEException& error) {
    EXPECT_STREQ(error.what(), "Unable to parse strings of dtFuzzy at this time");
  }
  try {
    (void)Reader->ParseValue("x", 40);
    ADD_FAILURE();
  } catch (const EIEException& error) {
    EXPECT_STREQ(error.what(), "Unable to parse strings of Unknown Type (40) at this time");
  }
}

TEST_F(ParserTest, EntriesRestoreTheInputTheyInterrupt) {
  // Filing a fact set parses its facts again through the engine while the
  // outer text is still being read.
  EXPECT_EQ(Run("(deffacts one (a 1) (a 2))\n(deffacts two (b 1))\n(+ 1 1)"), "");
  EXPECT_EQ(Output, "2\r\n");
  EXPECT_NE(Reader->ParseFact("(c 1)"), nullptr);
  EXPECT_EQ(Parser().Stream(), nullptr);
}

}  // namespace
}  // namespace vettora::testing
