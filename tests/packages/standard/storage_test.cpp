// store, fetch, clear-storage, __get-var and gensym*.
#include "engine/engine_variables.h"
#include "fact_test_util.h"

namespace vettora::testing {
namespace {

TEST_F(FactTest, StoreAndFetchKeepValuesByName) {
  EXPECT_EQ(Text("(fetch k)"), "");  // never stored: nil
  EXPECT_EQ(Text("(store k 5)"), "5");
  EXPECT_EQ(Text("(fetch k)"), "5");
  EXPECT_EQ(Text("(store k (create$ a b))"), "[a b]");
  EXPECT_EQ(Text("(fetch k)"), "[a b]");
  EXPECT_EQ(Text("(store \"k\" 6)"), "6");  // a string names the same entry
  EXPECT_EQ(Text("(fetch k)"), "6");
  // nil makes an entry without a value.
  EXPECT_EQ(Eval("(store k nil)").Get(), NilValue().Get());
  EXPECT_EQ(Eval("(fetch k)").Get(), NilValue().Get());
  EXPECT_EQ(Eval("(store e (first$ (create$)))").Get(), NilValue().Get());
  EXPECT_EQ(Eval("(fetch e)").Get(), NilValue().Get());
  EXPECT_EQ(Engine.EngineVariables().Count(), 2);
  EXPECT_EQ(Text("(clear-storage)"), "");
  EXPECT_EQ(Engine.EngineVariables().Count(), 0);
  EXPECT_EQ(Text("(fetch k)"), "");
}

TEST_F(FactTest, StoredValuesAreCopiesAndKeysMayBeComputed) {
  // The key is evaluated by both: a variable holding it finds the entry.
  Run("(deffunction put (?key ?value) (store ?key ?value))"
      "(deffunction get (?key) (fetch ?key))");
  EXPECT_EQ(Text("(put colour red)"), "red");
  EXPECT_EQ(Text("(get colour)"), "red");
  EXPECT_EQ(Text("(fetch (nth$ 0 (create$ colour)))"), "red");
  IIEValue original = Eval("(store shade blue)");
  original->SetAsAtom("green");
  EXPECT_EQ(Text("(fetch shade)"), "blue");
}

TEST_F(FactTest, GetVarReadsAVariableOrTheVariableNamed) {
  Run("(defglobal ?*limit* = 10)"
      "(deffunction named (?which) (__get-var ?which))"
      "(deffunction direct (?v) (__get-var ?v))");
  EXPECT_EQ(Text("(__get-var ?*limit*)"), "10");
  EXPECT_EQ(Text("(__get-var *limit*)"), "10");  // a name: looked up as a binding
  EXPECT_EQ(Text("(direct 7)"), "7");
  EXPECT_EQ(Text("(named which)"), "which");  // the deffunction's own ?which
  EXPECT_EQ(Eval("(__get-var nothing)").Get(), NilValue().Get());
}

TEST_F(FactTest, GensymMakesFreshSymbols) {
  Engine.SetSymbolIndex(41);
  EXPECT_EQ(Text("(gensym*)"), "gen41");
  EXPECT_EQ(Eval("(gensym*)")->DType(), dtAtom);
  EXPECT_EQ(Engine.SymbolIndex(), 43);
  EXPECT_EQ(ErrorOf("(gensym* x)"), "Too many arguments for gensym*");
}

}  // namespace
}  // namespace vettora::testing
