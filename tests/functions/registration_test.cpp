#include <gtest/gtest.h>

#include "functions/function_table.h"
#include "functions/interpreted_function.h"
#include "test_functions.h"

namespace vettora {
namespace {

using namespace vettora::testing;

IUserFunction Named(const std::string& name) {
  return Lambda(name, 0, TIEUserFunction::kNoLimit,
                [](TFunctionCall&, TIEContext&) { return NilValue(); });
}

TEST(FunctionRegistration, DuplicateNamesFollowThePolicy) {
  TTestReasoner reasoner;
  IUserFunction first = Named("f"), second = Named("f");
  reasoner.RegisterFunction(first);
  EXPECT_EQ(first->ReasonerCount(), 1);

  reasoner.Policy = dcIgnore;
  reasoner.RegisterFunction(second);
  EXPECT_EQ(reasoner.Table.Find("f"), first);
  EXPECT_EQ(second->ReasonerCount(), 0);

  reasoner.Policy = dcError;
  EXPECT_EQ(ErrorOf([&] { reasoner.RegisterFunction(second); }),
            "Function Name already exists: \"f\"");
  EXPECT_EQ(reasoner.Table.Find("f"), first);
  // The same function again is no clash.
  reasoner.RegisterFunction(first);
  EXPECT_EQ(reasoner.Table.Count(), 1);

  reasoner.Policy = dcOverwrite;
  reasoner.RegisterFunction(second);
  EXPECT_EQ(reasoner.Table.Find("f"), second);
  EXPECT_EQ(first->ReasonerCount(), 0);  // the replaced one is detached
  EXPECT_EQ(second->Reasoners(0), &reasoner);
}

TEST(FunctionRegistration, ATableFilesAFunctionOnlyUnderItsOwnName) {
  TTestReasoner reasoner;
  EXPECT_EQ(ErrorOf([&] { reasoner.Table.Add("g", Named("f"), dcOverwrite); }),
            "Function names do not match: g and f");
  EXPECT_EQ(reasoner.Table.Count(), 0);
}

TEST(FunctionRegistration, UnregisteringTakesOutOnlyThatFunction) {
  TTestReasoner reasoner;
  reasoner.Policy = dcIgnore;
  IUserFunction kept = Named("f"), ignored = Named("f");
  reasoner.RegisterFunction(kept);
  reasoner.RegisterFunction(ignored);
  // The ignored function must not take the filed one with it.
  reasoner.UnregisterFunction(ignored);
  EXPECT_EQ(reasoner.Table.Find("f"), kept);
  reasoner.UnregisterFunction(kept);
  EXPECT_FALSE(reasoner.Table.Find("f"));
  EXPECT_EQ(kept->ReasonerCount(), 0);
}

TEST(FunctionRegistration, DeffunctionsAreCountedAndIgnoredDefinitionsKeepTheOld) {
  TTestReasoner reasoner;
  reasoner.Policy = dcIgnore;
  IInterpretedFunction old = MakeRef<TInterpretedFunction>();
  old->SetFunctionName("d");
  old->AddAction(MakeInteger(1));
  IInterpretedFunction redefined = MakeRef<TInterpretedFunction>();
  redefined->SetFunctionName("d");
  redefined->AddAction(MakeInteger(2));
  reasoner.RegisterFunction(old);
  reasoner.RegisterFunction(redefined);
  reasoner.RegisterFunction(Named("plain"));
  EXPECT_EQ(reasoner.Table.DeffunctionCount(), 1);

  TIEContext root;
  IFunCall call = MakeRef<TFunctionCall>(&reasoner, "d");
  EXPECT_EQ(call->Execute(&root)->AsInteger(), 1);

  reasoner.Table.Clear();
  EXPECT_EQ(reasoner.Table.DeffunctionCount(), 0);
  EXPECT_EQ(old->ReasonerCount(), 0);
}

TEST(FunctionRegistration, RenamingRefilesUnderTheNewName) {
  TTestReasoner a, b;
  IUserFunction f = Named("before");
  a.RegisterFunction(f);
  b.RegisterFunction(f);
  f->SetFunctionName("after");
  for (TTestReasoner* r : {&a, &b}) {
    EXPECT_FALSE(r->Table.Find("before"));
    EXPECT_EQ(r->Table.Find("after"), f);
  }
  EXPECT_EQ(f->ReasonerCount(), 2);
}

TEST(FunctionRegistration, CopyingAFunctionTakesLimitsCommentAndName) {
  IUserFunction source = Named("src");
  source->SetMinArgumentCount(2);
  source->SetMaxArgumentCount(4);
  source->SetComment("help");
  source->SetArgumentString(" <a> <b>");
  IUserFunction target = Named("dst");
  target->Assign(*source);
  EXPECT_EQ(target->FunctionName(), "src");
  EXPECT_EQ(target->MinArgumentCount(), 2);
  EXPECT_EQ(target->MaxArgumentCount(), 4);
  EXPECT_EQ(target->Comment(), "help");
  EXPECT_EQ(target->ArgumentString(), "");
}

}  // namespace
}  // namespace vettora
