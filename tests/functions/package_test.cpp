#include <gtest/gtest.h>

#include <memory>

#include "functions/signature.h"
#include "functions/user_function_component.h"
#include "functions/user_package.h"
#include "test_functions.h"

namespace vettora {
namespace {

using namespace vettora::testing;

IUserFunction Named(const std::string& name) {
  return Lambda(name, 0, TIEUserFunction::kNoLimit,
                [](TFunctionCall&, TIEContext&) { return TrueValue(); });
}

TEST(ArgumentSignature, OptionalItemsAreBracketed) {
  EXPECT_EQ(BuildArgumentString(" <a> <b> <c>", 1, 3), "<a>[ <b>[ <c>]]");
  EXPECT_EQ(BuildArgumentString(" <a> <b>", 0, 2), "[ <a>[ <b>]]");
  EXPECT_EQ(BuildArgumentString(" <a>", 2, 2), "<a> <expression>");
  EXPECT_EQ(BuildArgumentString("", 1, 1), "<expression>");
  EXPECT_EQ(BuildArgumentString(" <a>", 2, 1), "");
  EXPECT_EQ(BuildArgumentString(" <a>", 0, 0), "");
  // No more than ten items, however many are allowed.
  std::string many = BuildArgumentString("", 10, TIEUserFunction::kNoLimit);
  EXPECT_EQ(many.find("<expression>"), 0u);
  size_t items = 0;
  for (size_t p = many.find("<expression>"); p != std::string::npos;
       p = many.find("<expression>", p + 1))
    ++items;
  EXPECT_EQ(items, 10u);
}

TEST(PackageFunctions, PackagesKeepEnginesAndFunctionsInStep) {
  TTestEngine engine;
  TIEContext root;
  auto* package = NewPackage<TUserPackage>(&engine);  // owned by the engine
  EXPECT_EQ(package->Engine(), static_cast<IReasoner*>(&engine));
  IUserFunction f = Named("pf");
  package->Functions().Add(f);
  EXPECT_EQ(package->Functions().Add(f), 0);  // no duplicates
  EXPECT_EQ(engine.Table.Find("pf"), f);

  // A call resolved before the removal keeps working; a new one fails.
  IFunCall early = MakeRef<TFunctionCall>(&engine, "pf");
  EXPECT_EQ(early->Execute(&root), TrueValue());
  package->Functions().Remove(f);
  EXPECT_FALSE(engine.Table.Find("pf"));
  EXPECT_EQ(early->Execute(&root), TrueValue());
  IFunCall late = MakeRef<TFunctionCall>(&engine, "pf");
  EXPECT_EQ(ErrorOf([&] { (void)late->Execute(&root); }),
            "Function is unimplemented or unassigned: pf");
}

TEST(PackageFunctions, MovingAPackageMovesItsFunctions) {
  TTestEngine a, b;
  std::unique_ptr<TUserPackage> package(NewPackage<TUserPackage>());
  package->SetOnCreateFunctions(
      [](TObject& sender) { static_cast<TUserPackage&>(sender).Functions().Add(Named("made")); });
  package->SetReset(true);
  EXPECT_FALSE(package->Reset());
  EXPECT_EQ(package->Functions().Count(), 1);

  package->SetEngine(&a);
  EXPECT_TRUE(a.Table.Find("made"));
  package->SetEngine(&b);
  EXPECT_FALSE(a.Table.Find("made"));
  EXPECT_TRUE(b.Table.Find("made"));

  // Resetting makes fresh functions and files them in place of the old.
  IUserFunction before = b.Table.Find("made");
  package->SetReset(true);
  EXPECT_EQ(package->Functions().Count(), 1);
  EXPECT_NE(b.Table.Find("made"), before);
  EXPECT_EQ(before->ReasonerCount(), 0);
}

TEST(PackageFunctions, ADestroyedEngineIsDropped) {
  std::unique_ptr<TUserPackage> package(NewPackage<TUserPackage>());
  IUserFunction f = Named("x");
  package->Functions().Add(f);
  {
    TTestEngine engine;
    package->SetEngine(&engine);
    EXPECT_EQ(package->ReasonerCount(), 1);
  }
  EXPECT_EQ(package->ReasonerCount(), 0);
  EXPECT_EQ(package->Engine(), nullptr);
  EXPECT_EQ(f->ReasonerCount(), 0);
  package->Functions().Clear();  // nothing left to call
}

class TStreamedFunction : public TIEUserFunction {
 public:
  [[nodiscard]] std::string ClassName() const override { return "TStreamedFunction"; }
  [[nodiscard]] bool CanStream() const override { return true; }

 protected:
  IIEValue Execute(TFunctionCall&, TIEContext&) override { return NilValue(); }
};

TEST(PackageFunctions, OnlyStreamableFunctionsAreStored) {
  std::unique_ptr<TUserPackage> package(NewPackage<TUserPackage>());
  IUserFunction streamed = MakeRef<TStreamedFunction>();
  streamed->SetFunctionName("s");
  streamed->SetComment("stored");
  streamed->SetMaxArgumentCount(3);
  streamed->SetMinArgumentCount(1);
  package->Functions().Add(streamed);
  package->Functions().Add(Named("builtin"));
  std::vector<TPackageFunctionItem> stored = package->PackageFunctions();
  ASSERT_EQ(stored.size(), 1u);
  EXPECT_EQ(stored[0], (TPackageFunctionItem{"TStreamedFunction", "s", "stored", 3, 1, {}}));

  TFunctionFactory factory = [](const std::string& cls) -> IUserFunction {
    if (cls == "TStreamedFunction") return MakeRef<TStreamedFunction>();
    return {};
  };
  std::unique_ptr<TUserPackage> loaded(NewPackage<TUserPackage>());
  loaded->SetPackageFunctions(stored, factory);
  ASSERT_EQ(loaded->Functions().Count(), 1);
  EXPECT_EQ(loaded->Functions().Items(0)->FunctionName(), "s");
  EXPECT_EQ(loaded->Functions().Items(0)->MinArgumentCount(), 1);
  EXPECT_EQ(loaded->PackageFunctions(), stored);
  EXPECT_EQ(ErrorOf([&] {
              loaded->SetPackageFunctions({{"TNoSuch", "n", "", 0, 0, {}}}, factory);
            }),
            "Unknown function class: TNoSuch");
}

TEST(HostFunctions, OnCallAnswersCallsThroughTheEngine) {
  TTestEngine engine;
  TIEContext root;
  auto* component = new TUserFunction(&engine);
  component->SetOnCall([](TObject&, TFunctionCall& call, TIEContext&, IIEValue& result) {
    EXPECT_TRUE(result == NilValue());
    result = MakeInteger(call.ArgumentCount());
  });
  component->SetEngine(&engine);  // no name yet: nothing registered
  EXPECT_EQ(engine.Table.Count(), 0);
  component->SetFunctionName("host");
  IFunCall call = MakeRef<TFunctionCall>(&engine, "host");
  call->AddIntegerArgument(1, dtInteger);
  EXPECT_EQ(call->Execute(&root)->AsInteger(), 1);

  component->SetDesigning(true);
  EXPECT_EQ(call->Execute(&root), NilValue());
  component->SetDesigning(false);

  // Limits rebuild the signature from its own items.
  component->SetArgumentString(" <first> <second>");
  component->SetMaxArgumentCount(2);
  EXPECT_EQ(component->ArgumentString(), "[ <first>[ <second>]]");

  component->SetEngine(nullptr);
  EXPECT_EQ(engine.Table.Count(), 0);
  component->SetEngine(&engine);
  delete component;
  EXPECT_EQ(engine.Table.Count(), 0);
  // The call still holds the inner function, which now has no component.
  EXPECT_EQ(ErrorOf([&] { (void)call->Execute(&root); }),
            "Function is unimplemented or unassigned: host");
}

TEST(HostFunctions, AComponentFollowsItsEngineGoing) {
  auto engine = std::make_unique<TTestEngine>();
  TUserFunction component;
  component.SetFunctionName("h");
  component.SetEngine(engine.get());
  EXPECT_TRUE(engine->Table.Find("h"));
  engine.reset();
  EXPECT_EQ(component.Engine(), nullptr);
}

}  // namespace
}  // namespace vettora
