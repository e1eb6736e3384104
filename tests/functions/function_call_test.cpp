#include "functions/function_call.h"

#include <gtest/gtest.h>

#include "functions/messages.h"
#include "test_functions.h"
#include "values/exceptions.h"
#include "values/format.h"
#include "values/value_vector.h"

namespace vettora {
namespace {

using namespace vettora::testing;

IUserFunction Constant(const std::string& name, IIEValue value) {
  return Lambda(name, 0, TIEUserFunction::kNoLimit,
                [value](TFunctionCall&, TIEContext&) { return value; });
}

TEST(FunctionCallResolution, AnUnknownNameFailsOnlyWhenExecuted) {
  TTestReasoner reasoner;
  TIEContext context;
  IFunCall call = MakeRef<TFunctionCall>(&reasoner, "later");
  call->AddIntegerArgument(1, dtInteger);
  EXPECT_EQ(call->AsText(), "(later 1)");
  EXPECT_EQ(ErrorOf([&] { (void)call->Execute(&context); }),
            "Function is unimplemented or unassigned: later");

  // Defined afterwards, the same call now finds it and keeps it.
  IUserFunction later = Constant("later", MakeInteger(42));
  reasoner.RegisterFunction(later);
  EXPECT_EQ(call->Execute(&context)->AsInteger(), 42);
  EXPECT_EQ(call->Function(), later);
  reasoner.UnregisterFunction(later);
  EXPECT_EQ(call->Execute(&context)->AsInteger(), 42);

  // Without a reasoner nothing can resolve the name.
  IFunCall orphan = MakeRef<TFunctionCall>(static_cast<IReasoner*>(nullptr), "later");
  EXPECT_EQ(ErrorOf([&] { (void)orphan->Execute(&context); }),
            "Function is unimplemented or unassigned: later");
}

TEST(FunctionCallResolution, ACallOutlivesItsReasoner) {
  IFunCall call;
  {
    TTestReasoner reasoner;
    call = MakeRef<TFunctionCall>(&reasoner, "f");
    EXPECT_EQ(call->Reasoner(), &reasoner);
  }
  EXPECT_EQ(call->Reasoner(), nullptr);
  EXPECT_EQ(call->AsText(), "(f)");
  TIEContext context;
  EXPECT_EQ(ErrorOf([&] { (void)call->Execute(&context); }),
            "Function is unimplemented or unassigned: f");
}

TEST(FunctionCallResolution, TheDirectCallNeedsAFunctionAndWrapsErrors) {
  TIEContext context;
  IFunCall call = MakeRef<TFunctionCall>(static_cast<IReasoner*>(nullptr), "boom");
  EXPECT_EQ(ErrorOf([&] { (void)call->Call(&context); }),
            "Function is unimplemented or unassigned: boom");
  call->SetFunction(Lambda("boom", 0, 0, [](TFunctionCall&, TIEContext&) -> IIEValue {
    throw EIEException("it broke");
  }));
  EXPECT_EQ(ErrorOf([&] { (void)call->Call(&context); }), "boom error: it broke");
  // Execute passes the same error on unchanged.
  EXPECT_EQ(ErrorOf([&] { (void)call->Execute(&context); }), "it broke");
}

TEST(FunctionCallArguments, CountsAreCheckedAgainstTheLimits) {
  TTestReasoner reasoner;
  TIEContext context;
  reasoner.RegisterFunction(Constant("eq", TrueValue()));
  reasoner.Table.Find("eq")->SetMinArgumentCount(1);
  reasoner.RegisterFunction(Constant("pair", TrueValue()));
  reasoner.Table.Find("pair")->SetMaxArgumentCount(2);

  IFunCall eq = MakeRef<TFunctionCall>(&reasoner, "eq");
  EXPECT_EQ(ErrorOf([&] { (void)eq->Execute(&context); }), "Too few arguments for eq");
  eq->AddTextArgument("a", dtAtom);
  EXPECT_EQ(eq->Execute(&context), TrueValue());

  IFunCall pair = MakeRef<TFunctionCall>(&reasoner, "pair");
  for (int i = 0; i < 3; ++i) pair->AddIntegerArgument(i, dtInteger);
  EXPECT_EQ(ErrorOf([&] { (void)pair->Execute(&context); }), "Too many arguments for pair");
  pair->DeleteArgument(2);
  EXPECT_EQ(pair->Execute(&context), TrueValue());
}

TEST(FunctionCallArguments, LimitsMoveEachOther) {
  IUserFunction f = Constant("f", NilValue());
  f->SetMinArgumentCount(3);
  EXPECT_EQ(f->MaxArgumentCount(), TIEUserFunction::kNoLimit);
  f->SetMaxArgumentCount(2);
  EXPECT_EQ(f->MinArgumentCount(), 2);
  f->SetMinArgumentCount(5);
  EXPECT_EQ(f->MaxArgumentCount(), 5);
}

TEST(FunctionCallArguments, TypedAddersConvertOrRefuse) {
  TFunctionCall call(static_cast<IReasoner*>(nullptr), "f");
  EXPECT_EQ(call.AddFloatArgument(2.7, dtInteger), 0);
  EXPECT_EQ(call.AddFloatArgument(-2.7, dtInteger), 1);
  EXPECT_EQ(call.AddIntegerArgument(3, dtFloat), 2);
  EXPECT_EQ(call.AddTextArgument("x", dtVariable), 3);
  EXPECT_EQ(call.Argument(0)->DType(), dtInteger);
  EXPECT_EQ(call.Argument(0)->AsInteger(), 2);
  EXPECT_EQ(call.Argument(1)->AsInteger(), -2);
  EXPECT_EQ(call.Argument(2)->DType(), dtFloat);
  EXPECT_EQ(call.Argument(3)->AsText(), "?x");

  EXPECT_EQ(ErrorOf([&] { call.AddTextArgument("x", dtInteger); }),
            "Not a String type.  Value (x) is a dtInteger type");
  EXPECT_EQ(ErrorOf([&] { call.AddIntegerArgument(7, dtAtom); }),
            "Not a Integer type.  Value (7) is a dtAtom type");
  EXPECT_EQ(ErrorOf([&] { call.AddFloatArgument(1.5, dtString); }),
            "Not a Float type.  Value (1.5000) is a dtString type");
  // A float too large for an integer is refused rather than wrapped.
  EXPECT_NE(ErrorOf([&] { call.AddFloatArgument(1e20, dtInteger); }), "(no error)");
  EXPECT_EQ(call.ArgumentCount(), 4);
}

TEST(FunctionCallIdentity, EqualityHashAndText) {
  auto make = [](const std::string& name) {
    IFunCall c = MakeRef<TFunctionCall>(static_cast<IReasoner*>(nullptr), name);
    c->AddIntegerArgument(1, dtInteger);
    c->AddTextArgument("x", dtAtom);
    return c;
  };
  IFunCall a = make("foo"), b = make("foo");
  EXPECT_TRUE(a->Equals(*b));
  EXPECT_FALSE(a->Equals(*make("Foo")));  // names are case-sensitive
  b->AddTextArgument("y", dtAtom);
  EXPECT_FALSE(a->Equals(*b));

  EXPECT_EQ(a->HashCode(), ValueStringHash("foo") + 1u + ValueStringHash("x"));
  EXPECT_EQ(a->AsText(), "(foo 1 x)");

  // As a value: equality, hash and text go through the call.
  IIEValue va = CallValue(a), vb = CallValue(make("foo"));
  EXPECT_TRUE(va->Equals(vb));
  EXPECT_EQ(va->HashCode(), a->HashCode());
  EXPECT_EQ(va->AsText(), "(foo 1 x)");
}

TEST(FunctionCallIdentity, SlotPairsAndCommentsPrint) {
  TFunctionCall modify(static_cast<IReasoner*>(nullptr), "modify");
  modify.AddTextArgument("f", dtVariable);
  IValueVector pair = MakeRef<TValueVector>();
  pair->Add(MakeAtom("salary"));
  pair->Add(MakeInteger(5));
  modify.AddListArgument(pair);
  modify.SetComment("  first line \r\n;already a comment\r\n");
  EXPECT_EQ(modify.AsText(), "; first line\r\n;already a comment\r\n(modify ?f (salary 5 ))");
}

TEST(FunctionCallIdentity, CloneCopiesArgumentsButNotTheFunction) {
  TTestReasoner reasoner;
  IFunCall inner = MakeRef<TFunctionCall>(&reasoner, "g");
  IFunCall call = MakeRef<TFunctionCall>(&reasoner, "f");
  call->SetFunction(Constant("f", NilValue()));
  call->AddCallArgument(inner);
  call->SetTag(7);
  call->SetComment("c");

  IFunCall copy = call->Clone();
  EXPECT_TRUE(copy->Equals(*call));
  EXPECT_EQ(copy->Tag(), 7);
  EXPECT_EQ(copy->Comment(), "c");
  EXPECT_EQ(copy->Reasoner(), &reasoner);
  EXPECT_FALSE(copy->Function());
  // Each argument value is copied: changing the copy's leaves the source's.
  EXPECT_NE(copy->Argument(0).Get(), call->Argument(0).Get());
  copy->Argument(0)->SetAsInteger(3);
  EXPECT_EQ(call->Argument(0)->DType(), dtFunCall);
}

TEST(FunctionCallIdentity, SettingTheFunctionTakesItsName) {
  TFunctionCall call(static_cast<IReasoner*>(nullptr), "old");
  call.SetFunction(Constant("new", NilValue()));
  EXPECT_EQ(call.FunctionName(), "new");
  EXPECT_EQ(call.HashCode(), ValueStringHash("new"));
}

}  // namespace
}  // namespace vettora
