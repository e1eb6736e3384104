#include "reader/stream_token.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "reader/parse_exception.h"
#include "values/exceptions.h"

namespace vettora {
namespace {

IStreamToken Token(int32_t kind, std::string text, double number = 0, int32_t line = 1) {
  IStreamToken t = MakeRef<TIEStreamToken>();
  t->SetDataType(kind);
  t->SetText(std::move(text));
  t->SetNumber(number);
  t->SetLineNumber(line);
  return t;
}

TEST(StreamToken, ToValueUsesTheSharedConstants) {
  EXPECT_EQ(Token(dtAtom, "TRUE")->ToValue(), TrueValue());
  EXPECT_EQ(Token(dtAtom, "FALSE")->ToValue(), FalseValue());
  EXPECT_EQ(Token(dtAtom, "nil")->ToValue(), NilValue());
  EXPECT_EQ(Token(dtAtom, "NiL")->ToValue(), NilValue());
  EXPECT_EQ(Token(tkEndOfStream, "EOF")->ToValue(), EOFValue());
  IIEValue lower = Token(dtAtom, "true")->ToValue();  // booleans compare with case
  EXPECT_NE(lower, TrueValue());
  EXPECT_EQ(lower->DType(), dtAtom);
  EXPECT_EQ(lower->AsString(), "true");
}

TEST(StreamToken, ToValueByKind) {
  IIEValue i = Token(dtInteger, "7", 7.9)->ToValue();
  EXPECT_EQ(i->DType(), dtInteger);
  EXPECT_EQ(i->AsInteger(), 7);
  EXPECT_EQ(Token(dtFloat, "", 2.5)->ToValue()->AsFloat(), 2.5);
  EXPECT_EQ(Token(dtString, "s")->ToValue()->DType(), dtString);
  IIEValue v = Token(dtMultiVariable, "rest")->ToValue();
  EXPECT_EQ(v->DType(), dtMultiVariable);
  EXPECT_EQ(v->AsString(), "rest");
  IIEValue paren = Token(tkOpenParen, "(")->ToValue();
  EXPECT_EQ(paren->DType(), dtString);
  EXPECT_EQ(paren->AsString(), "40");
  EXPECT_THROW((void)Token(dtInteger, "", 1e12)->ToValue(), EConvertError);
}

struct TBindings : IEvalContext {
  std::map<std::string, IIEValue> Values;
  IIEValue VariableValue(const std::string& name) override {
    auto it = Values.find(name);
    return it == Values.end() ? IIEValue() : it->second;
  }
  IIEValue BindingValue(const TBindingInfoBase&) override { return nullptr; }
};

TEST(StreamToken, ToValueInAContextResolvesVariables) {
  TBindings context;
  context.Values["x"] = MakeInteger(3);
  EXPECT_EQ(Token(dtVariable, "x")->ToValue(&context), context.Values["x"]);
  EXPECT_EQ(Token(dtVariable, "x")->ToValue(nullptr)->DType(), dtVariable);
  EXPECT_EQ(Token(dtAtom, "x")->ToValue(&context)->DType(), dtAtom);
  try {
    (void)Token(dtMultiVariable, "y")->ToValue(&context);
    FAIL();
  } catch (const EIEException& e) {
    EXPECT_STREQ(e.what(), "Unknown variable name: y");
  }
}

TEST(StreamToken, PrintableForms) {
  EXPECT_EQ(Token(dtInteger, "+3", 3)->AsText(), "3");
  EXPECT_EQ(Token(dtInteger, "", -7.9)->AsText(), "-7");
  EXPECT_EQ(Token(dtFloat, "", 0.1)->AsText(), "0.1000");
  EXPECT_EQ(Token(dtVariable, "x")->AsText(), "?x");
  EXPECT_EQ(Token(dtMultiVariable, "x")->AsText(), "$?x");
  EXPECT_EQ(Token(dtString, "a\"b\\c")->AsText(), "\"a\\\"b\\\\c\"");
  EXPECT_EQ(Token(tkTilde, "")->AsText(), "~");
  EXPECT_EQ(Token(dtAtom, "")->AsText(), "");
}

TEST(StreamToken, EqualityCloneAndAssignValue) {
  IStreamToken a = Token(dtInteger, "5", 5, 2);
  EXPECT_TRUE(a->Equals(Token(dtInteger, "+5", 5, 2)));  // text is not compared
  EXPECT_FALSE(a->Equals(Token(dtInteger, "5", 5, 3)));
  EXPECT_FALSE(a->Equals(Token(dtFloat, "5", 5, 2)));
  a->SetWhiteSpace(" ; c");
  a->SetTag(9);
  IStreamToken copy = a->Clone();
  EXPECT_NE(copy, a);
  EXPECT_TRUE(copy->Equals(a));
  EXPECT_EQ(copy->Text(), "5");
  EXPECT_EQ(copy->WhiteSpace(), " ; c");
  EXPECT_EQ(copy->Tag(), 9);

  IStreamToken t = MakeRef<TIEStreamToken>();
  t->AssignValue(MakeInteger(42));
  EXPECT_EQ(t->DataType(), dtInteger);
  EXPECT_EQ(t->Number(), 42);
  EXPECT_EQ(t->ToValue()->AsInteger(), 42);
  t->AssignValue(MakeString("s"));
  EXPECT_EQ(t->DataType(), dtString);
  EXPECT_EQ(t->Text(), "s");
  EXPECT_EQ(t->Number(), 0);
  t->AssignValue(MakeFloat(2.5));
  EXPECT_EQ(t->ToValue()->AsFloat(), 2.5);
  t->AssignValue(TrueValue());
  EXPECT_EQ(t->ToValue(), TrueValue());

  TObject object;
  IIEValue held = MakeRef<TIEValue>();
  held->SetAsObject(&object);
  t->AssignValue(held);
  EXPECT_EQ(t->DataType(), dtObject);
  EXPECT_EQ(t->ToValue()->AsObject(), &object);
}

TEST(StreamToken, ParseExceptionIsAnEngineError) {
  EIEParseException e("bad", 12);
  EXPECT_EQ(e.LineNumber(), 12);
  EXPECT_TRUE(e.Messages().empty());
  const EIEException& base = e;
  EXPECT_STREQ(base.what(), "bad");
}

}  // namespace
}  // namespace vettora
