#include <gtest/gtest.h>

#include "functions/interpreted_function.h"
#include "test_functions.h"
#include "values/value_vector.h"

namespace vettora {
namespace {

using namespace vettora::testing;

// A reasoner with the few functions these tests call.
class TDeffunctionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Define("list", 0, TIEUserFunction::kNoLimit, [](TFunctionCall& c, TIEContext& x) {
      IValueVector list = MakeRef<TValueVector>();
      for (int32_t i = 0; i < c.ArgumentCount(); ++i) list->Add(c.EvaluateArgument(i, x));
      return MakeList(list);
    });
    Define("return", 1, 1, [](TFunctionCall& c, TIEContext& x) {
      x.SetReturnValue(c.Argument(0));  // as written, not evaluated
      return c.Argument(0);
    });
    Define("+", 0, TIEUserFunction::kNoLimit, [](TFunctionCall& c, TIEContext& x) {
      int32_t sum = 0;
      for (int32_t i = 0; i < c.ArgumentCount(); ++i) sum += c.EvaluateArgument(i, x)->AsInteger();
      return MakeInteger(sum);
    });
    Define("when", 2, 2, [](TFunctionCall& c, TIEContext& x) {
      if (c.EvaluateArgument(0, x)->AsInteger() > 0) return c.EvaluateArgument(1, x);
      return FalseValue();
    });
    Define("mark", 0, 0, [this](TFunctionCall&, TIEContext&) {
      ++Marks;
      return TrueValue();
    });
  }

  void Define(const std::string& name, int32_t min, int32_t max, TBody body) {
    Reasoner.RegisterFunction(Lambda(name, min, max, std::move(body)));
  }

  IFunCall Call(const std::string& name, std::initializer_list<IIEValue> args) {
    IFunCall call = MakeRef<TFunctionCall>(&Reasoner, name);
    for (const IIEValue& a : args) call->AddArgument(a);
    return call;
  }
  IIEValue CallV(const std::string& name, std::initializer_list<IIEValue> args) {
    return CallValue(Call(name, args));
  }

  IInterpretedFunction Deffunction(const std::string& name,
                                   std::initializer_list<std::pair<const char*, TIEType>> params,
                                   std::initializer_list<IIEValue> actions) {
    IInterpretedFunction f = MakeRef<TInterpretedFunction>();
    f->SetFunctionName(name);
    for (auto& [n, k] : params) f->AddParameter(n, k);
    for (const IIEValue& a : actions) f->AddAction(a);
    Reasoner.RegisterFunction(f);
    return f;
  }

  TTestReasoner Reasoner;
  TIEContext Root;
  int Marks = 0;
};

TEST_F(TDeffunctionTest, ParametersSetTheLimits) {
  IInterpretedFunction fixed = Deffunction("fixed", {{"a", dtVariable}, {"b", dtAtom}}, {});
  EXPECT_EQ(fixed->MinArgumentCount(), 2);
  EXPECT_EQ(fixed->MaxArgumentCount(), 2);
  IInterpretedFunction open =
      Deffunction("open", {{"a", dtVariable}, {"rest", dtMultiVariable}}, {});
  EXPECT_EQ(open->MinArgumentCount(), 2);
  EXPECT_EQ(open->MaxArgumentCount(), TIEUserFunction::kNoLimit);
  IInterpretedFunction none = Deffunction("none", {}, {});
  EXPECT_EQ(none->MaxArgumentCount(), 0);

  EXPECT_EQ(ErrorOf([&] { none->AddParameter("x", dtInteger); }),
            "Invalid argument type for deffunction: \"dtInteger\".  Expected Atom, Variable, "
            "MultiVariable");
  EXPECT_EQ(none->ParameterCount(), 0);
}

TEST_F(TDeffunctionTest, TheWildcardTakesTheRemainingArguments) {
  Deffunction("f", {{"a", dtVariable}, {"rest", dtMultiVariable}},
              {CallV("list", {Var("a"), Var("rest")})});
  EXPECT_EQ(ErrorOf([&] { (void)Call("f", {MakeInteger(1)})->Execute(&Root); }),
            "Too few arguments for f");
  IIEValue result =
      Call("f", {MakeInteger(1), MakeInteger(2), MakeInteger(3), MakeInteger(4)})->Execute(&Root);
  EXPECT_EQ(result->AsText(), "1 2 3 4  ");
  IValueVector parts = result->AsList();
  EXPECT_EQ(parts->Items(0)->AsInteger(), 1);
  EXPECT_EQ(parts->Items(1)->DType(), dtList);
  EXPECT_EQ(parts->Items(1)->AsList()->Count(), 3);
}

TEST_F(TDeffunctionTest, ArgumentsAreTheCallersValues) {
  Deffunction("g", {{"a", dtVariable}, {"b", dtVariable}}, {CallV("list", {Var("a"), Var("b")})});
  Root.AddBinding("a", MakeInteger(1));
  Root.AddBinding("b", MakeInteger(2));
  // (g ?b ?a): every argument is the caller's value, whatever the
  // parameters are called, so the two are swapped.
  EXPECT_EQ(Call("g", {Var("b"), Var("a")})->Execute(&Root)->AsText(), "2 1 ");
  // The caller's own variables are untouched and nothing leaks out.
  EXPECT_EQ(Root.GetValue("a")->AsInteger(), 1);
  EXPECT_EQ(Root.GetValue("b")->AsInteger(), 2);
  EXPECT_EQ(Root.Bindings().Count(), 2);
}

TEST_F(TDeffunctionTest, AnAtomParameterIsBoundToNil) {
  Deffunction("h", {{"flag", dtAtom}}, {Var("flag")});
  EXPECT_EQ(Call("h", {MakeInteger(9)})->Execute(&Root), NilValue());
}

TEST_F(TDeffunctionTest, ReturnStopsTheBodyAndIsEvaluatedInTheFunction) {
  Deffunction("r", {{"x", dtVariable}},
              {CallV("return", {CallV("+", {Var("x"), MakeInteger(1)})}), CallV("mark", {})});
  EXPECT_EQ(Call("r", {MakeInteger(4)})->Execute(&Root)->AsInteger(), 5);
  EXPECT_EQ(Marks, 0);
  EXPECT_FALSE(Root.ReturnFlag());

  // Without return the last action's value is the result; an empty body
  // answers nil.
  Deffunction("last", {}, {CallV("mark", {}), MakeInteger(8)});
  EXPECT_EQ(Call("last", {})->Execute(&Root)->AsInteger(), 8);
  EXPECT_EQ(Marks, 1);
  Deffunction("empty", {}, {});
  EXPECT_EQ(Call("empty", {})->Execute(&Root), NilValue());
}

TEST_F(TDeffunctionTest, RecursionIsBoundedByAClearError) {
  // (deffunction down (?n) (when ?n (down (+ ?n -1)))) recurses ?n times.
  Deffunction(
      "down", {{"n", dtVariable}},
      {CallV("when", {Var("n"), CallV("down", {CallV("+", {Var("n"), MakeInteger(-1)})})})});
  int32_t limit = TInterpretedFunction::kMaxNestingDepth;
  EXPECT_EQ(Call("down", {MakeInteger(limit - 1)})->Execute(&Root), FalseValue());
  EXPECT_EQ(ErrorOf([&] { (void)Call("down", {MakeInteger(limit)})->Execute(&Root); }),
            "Deffunction calls nested too deeply (more than 1000 levels) in down");

  Deffunction("forever", {}, {CallV("forever", {})});
  EXPECT_EQ(ErrorOf([&] { (void)Call("forever", {})->Execute(&Root); }),
            "Deffunction calls nested too deeply (more than 1000 levels) in forever");
  // The failed calls leave the caller's context as it was.
  EXPECT_EQ(Root.Bindings().Count(), 0);
  EXPECT_EQ(Root.CallDepth(), 0);
}

TEST_F(TDeffunctionTest, SelfAndMutualRecursionDoNotKeepFunctionsAlive) {
  IInterpretedFunction self = Deffunction(
      "self", {{"n", dtVariable}},
      {CallV("when", {Var("n"), CallV("self", {CallV("+", {Var("n"), MakeInteger(-1)})})})});
  IInterpretedFunction ping = Deffunction("ping", {{"n", dtVariable}},
                                          {CallV("when", {Var("n"), CallV("pong", {Var("n")})})});
  IInterpretedFunction pong = Deffunction(
      "pong", {{"n", dtVariable}}, {CallV("ping", {CallV("+", {Var("n"), MakeInteger(-1)})})});
  EXPECT_EQ(Call("self", {MakeInteger(3)})->Execute(&Root), FalseValue());
  EXPECT_EQ(Call("ping", {MakeInteger(3)})->Execute(&Root), FalseValue());
  // Resolved bodies now hold the functions they call.
  EXPECT_GT(self->RefCount(), 2);

  Reasoner.UnregisterFunction(self);
  EXPECT_EQ(self->RefCount(), 1);  // only this test's handle is left
  Reasoner.UnregisterFunction(ping);
  Reasoner.UnregisterFunction(pong);
  EXPECT_EQ(ping->RefCount(), 1);
  EXPECT_EQ(pong->RefCount(), 1);
}

TEST_F(TDeffunctionTest, AFunctionLetGoOfWhileItRunsFinishesItsBody) {
  // "outer" calls "inner", whose body takes both out of the table: the
  // call to inner in outer's body is unresolved while inner still runs,
  // and nothing else holds inner. Its body must still run to the end.
  IInterpretedFunction outer;
  IInterpretedFunction inner;
  Define("forget", 0, 0, [&](TFunctionCall&, TIEContext&) {
    Reasoner.UnregisterFunction(outer);
    Reasoner.UnregisterFunction(inner);
    inner = nullptr;
    return TrueValue();
  });
  inner = Deffunction("inner", {}, {CallV("forget", {}), CallV("mark", {}), MakeInteger(7)});
  outer = Deffunction("outer", {}, {CallV("inner", {})});
  IIEValue result = Call("outer", {})->Execute(&Root);
  EXPECT_EQ(result->AsInteger(), 7);
  EXPECT_EQ(Marks, 1);
  EXPECT_EQ(outer->RefCount(), 1);  // the call that ran it is gone
}

TEST_F(TDeffunctionTest, PrintsThroughItsReasonerOrItself) {
  IInterpretedFunction f = MakeRef<TInterpretedFunction>();
  f->SetFunctionName("twice");
  f->SetComment("doubles");
  f->AddParameter("x", dtVariable);
  f->AddParameter("more", dtMultiVariable);
  f->AddAction(CallV("+", {Var("x"), Var("x")}));
  EXPECT_EQ(f->Print(),
            "(deffunction twice (?x $?more)\r\n    \"doubles\"\r\n    (+ ?x ?x)\r\n)\r\n");
  Reasoner.RegisterFunction(f);
  EXPECT_EQ(f->Print(), "<printed twice>");
}

}  // namespace
}  // namespace vettora
