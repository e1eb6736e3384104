// The predicate package: its table, the type tests with their masks and
// help texts, evenp, oddp and get-type.
#include "packages/predicate/predicate_package.h"

#include <memory>

#include "functions/function_call.h"
#include "packages/package_test_util.h"
#include "packages/predicate/verify_type_p_function.h"

namespace vettora::testing {
namespace {

class PredicateTest : public PackageTest {};

TEST(PredicatePackage, HoldsExactlyItsTableInOrder) {
  const std::vector<std::string> expected = {
      "evenp",    "oddp",    "get-type", "lexemep",     "numberp",           "floatp", "fuzzyp",
      "integerp", "stringp", "symbolp",  "multifieldp", "external-addressp", "objectp"};
  EXPECT_EQ(TableNames(TPredicatePackage::Table()), expected);
  std::unique_ptr<TPredicatePackage> package(NewPackage<TPredicatePackage>());
  EXPECT_EQ(FunctionNames(*package), expected);
}

TEST(PredicatePackage, TypeTestsCarryTheirMasksSignatureAndHelp) {
  struct Row {
    const char* name;
    uint32_t mask;
    const char* kinds;
  };
  const Row rows[] = {{"lexemep", 6, "Atom, String"},
                      {"numberp", 72, "Integer, Float"},
                      {"floatp", 64, "Float"},
                      {"fuzzyp", 32768, "Fuzzy"},
                      {"integerp", 8, "Integer"},
                      {"stringp", 4, "String"},
                      {"symbolp", 2, "Atom"},
                      {"multifieldp", 512, "List"},
                      {"external-addressp", 8192, "ExternalAddress"},
                      {"objectp", 2048, "Object"}};
  std::unique_ptr<TPredicatePackage> package(NewPackage<TPredicatePackage>());
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    IUserFunction f = package->Functions().Find(row.name);
    auto* test = dynamic_cast<TVerifyTypePFunction*>(f.Get());
    ASSERT_NE(test, nullptr);
    EXPECT_EQ(test->ValueTypes().Bits(), row.mask);
    EXPECT_EQ(test->ArgumentString(), " <expression>");
    EXPECT_EQ(test->MinArgumentCount(), 1);
    EXPECT_EQ(test->MaxArgumentCount(), 1);
    EXPECT_EQ(test->Comment(), std::string("Returns TRUE if the argument is of the following "
                                           "type(s): ") +
                                   row.kinds +
                                   ".  If the argument is any other type, FALSE is "
                                   "returned");
  }
  IUserFunction type = package->Functions().Find("get-type");
  EXPECT_EQ(type->ArgumentString(), " <expression> ");
  EXPECT_EQ(type->Comment(), "Returns the type of the argument");
  EXPECT_EQ(package->Functions().Find("evenp")->Comment(),
            "Returns TRUE if the argument is an even integer, FALSE otherwise");
}

TEST(PredicatePackage, AnEmptyTypeTestAnswersFalseAndRenamingRebuildsItsHelp) {
  IUserFunction none = MakeRef<TVerifyTypePFunction>("nonep", TIETypes());
  EXPECT_NE(none->Comment().find("type(s): NONE."), std::string::npos);
  none->SetComment("changed");
  none->SetFunctionName("other");
  EXPECT_NE(none->Comment().find("NONE"), std::string::npos);

  TInferenceEngine engine;
  engine.RegisterFunction(none);
  for (IIEValue argument : {MakeInteger(1), MakeAtom("a"), NilValue()}) {
    IFunCall call = MakeRef<TFunctionCall>(&engine, "other");
    call->AddArgument(argument);
    EXPECT_EQ(call->Execute(engine.RootContext()), FalseValue());
  }
}

TEST(PredicatePackage, TypeTestsStoreTheirMaskWithThePackage) {
  std::unique_ptr<TUserPackage> package(NewPackage<TUserPackage>());
  package->Functions().Add(MakeRef<TVerifyTypePFunction>("textp", TIETypes{dtString, dtAtom}));
  std::vector<TPackageFunctionItem> stored = package->PackageFunctions();
  ASSERT_EQ(stored.size(), 1u);
  EXPECT_EQ(stored[0].ClassName, "TVerifyTypePFunction");
  EXPECT_EQ(stored[0].Data, std::vector<int32_t>{6});

  std::unique_ptr<TUserPackage> loaded(NewPackage<TUserPackage>());
  loaded->SetPackageFunctions(
      stored, [](const std::string&) { return IUserFunction(MakeRef<TVerifyTypePFunction>()); });
  auto* test = dynamic_cast<TVerifyTypePFunction*>(loaded->Functions().Items(0).Get());
  ASSERT_NE(test, nullptr);
  EXPECT_EQ(test->FunctionName(), "textp");
  EXPECT_EQ(test->ValueTypes(), (TIETypes{dtAtom, dtString}));
  EXPECT_EQ(loaded->PackageFunctions(), stored);

  // Assign takes the kinds as well as the base data.
  TVerifyTypePFunction copy;
  copy.Assign(*test);
  EXPECT_EQ(copy.ValueTypes(), test->ValueTypes());
  EXPECT_EQ(copy.Comment(), test->Comment());
}

TEST_F(PredicateTest, TypeTestsLookAtTheKindNotTheContent) {
  EXPECT_EQ(Text("(numberp 1.5)"), "TRUE");
  EXPECT_EQ(Text("(numberp 3)"), "TRUE");
  EXPECT_EQ(Text("(numberp \"3\")"), "FALSE");
  EXPECT_EQ(Text("(lexemep abc)"), "TRUE");
  EXPECT_EQ(Text("(lexemep \"abc\")"), "TRUE");
  EXPECT_EQ(Text("(lexemep 1)"), "FALSE");
  EXPECT_EQ(Text("(symbolp TRUE)"), "TRUE");
  EXPECT_EQ(Text("(stringp abc)"), "FALSE");
  EXPECT_EQ(Text("(integerp 2.0)"), "FALSE");
  EXPECT_EQ(Text("(floatp 2.0)"), "TRUE");
  EXPECT_EQ(Text("(multifieldp (create$))"), "TRUE");
  EXPECT_EQ(Text("(multifieldp a)"), "FALSE");
  EXPECT_EQ(ErrorOf("(numberp)"), "Too few arguments for numberp");
  EXPECT_EQ(ErrorOf("(numberp 1 2)"), "Too many arguments for numberp");
}

TEST_F(PredicateTest, ParityReadsTheIntegerView) {
  EXPECT_EQ(Text("(evenp 2.9)"), "TRUE");
  EXPECT_EQ(Text("(evenp 0)"), "TRUE");
  EXPECT_EQ(Text("(oddp -3)"), "TRUE");
  EXPECT_EQ(Text("(evenp -4)"), "TRUE");
  EXPECT_EQ(Text("(oddp -4)"), "FALSE");
  EXPECT_EQ(Text("(oddp \"7\")"), "TRUE");
  EXPECT_EQ(Text("(oddp -2147483648)"), "FALSE");
  EXPECT_EQ(ErrorOf("(evenp abc)"), "Not a integer type.  Value (abc) is a dtAtom type");
}

TEST_F(PredicateTest, GetTypeNamesTheKind) {
  EXPECT_EQ(Text("(get-type (create$ a))"), "dtList");
  EXPECT_EQ(Text("(get-type 1.5)"), "dtFloat");
  EXPECT_EQ(Text("(get-type \"s\")"), "dtString");
  EXPECT_EQ(Text("(get-type abc)"), "dtAtom");
  Eval("(bind ?x 5)");
  EXPECT_EQ(Text("(get-type ?x)"), "dtInteger");
  EXPECT_EQ(Eval("(get-type 1)")->DType(), dtAtom);
}

}  // namespace
}  // namespace vettora::testing
