// deftemplate, slot qualifiers and type words, deftype, facts and
// deffacts with their static type checks.
#include "engine/defined_types.h"
#include "engine/fact_set.h"
#include "engine/fact_sets.h"
#include "engine/facts.h"
#include "parser_test_util.h"

namespace vettora::testing {
namespace {

TEST_F(ParserTest, TemplatesExtendAParentWhenItExists) {
  EXPECT_EQ(Run("(deftemplate q (slot a))"
                "(deftemplate p \"c\" extends q (slot a))"
                "(deftemplate orphan extends nothing (slot a))"),
            "");
  IFactTemplate p = Engine.FindTemplate("p");
  ASSERT_TRUE(p);
  EXPECT_EQ(p->Comment(), "c");
  EXPECT_EQ(p->Parent(), Engine.FindTemplate("q"));
  ASSERT_TRUE(Engine.FindTemplate("orphan"));
  EXPECT_FALSE(Engine.FindTemplate("orphan")->Parent());
  EXPECT_TRUE(
      Contains(Run("(deftemplate x extends)"), "Missing name of parent template to extend"));
  EXPECT_TRUE(
      Contains(Run("(deftemplate x foo (slot a))"), "Expected \"(\", \"extends\", or \"is-a\""));
  EXPECT_TRUE(Contains(Run("(deftemplate x is-a nosuch)"), "type name unknown or invalid: nosuch"));
}

// A child starts with a copy of every parent slot; a slot of its own with
// the same name replaces the copy in place. Its text lists all its slots
// in definition order (inherited first) and reads back to the same text.
TEST_F(ParserTest, ExtendsCopiesTheParentSlotsAndReadsBack) {
  ASSERT_EQ(Run("(deftemplate person (slot zone) (slot age (type INTEGER) (default 0))"
                "  (multislot tags))"
                "(deftemplate emp extends person (slot salary) (slot age (default 18)))"),
            "");
  IFactTemplate emp = Engine.FindTemplate("emp");
  ASSERT_TRUE(emp);
  std::vector<std::string> names;
  for (const IFactSlot& slot : emp->SlotsInOrder()) names.push_back(slot->Name());
  EXPECT_EQ(names, (std::vector<std::string>{"zone", "age", "tags", "salary"}));
  EXPECT_TRUE(emp->FindSlot("tags")->IsMultiSlot());
  // The parent keeps its own slots and default.
  EXPECT_EQ(Engine.FindTemplate("person")->SlotCount(), 3);
  EXPECT_EQ(Engine.FindTemplate("person")->FindSlot("age")->SlotDefault()->AsText(), "0");
  EXPECT_EQ(emp->FindSlot("age")->SlotDefault()->AsText(), "18");
  // A fact of the child holds the inherited slots.
  EXPECT_EQ(Run("(assert (emp (zone north) (tags a b)))"), "");
  std::string text = Engine.Parser().PrintFactTemplate(*emp);
  EXPECT_EQ(text,
            "(deftemplate emp\r\n    extends person\r\n    (slot zone )\r\n"
            "    (slot age (default 18) )\r\n    (multislot tags )\r\n"
            "    (slot salary )\r\n)");
  // Read back (parent first) it prints the same, slot for slot.
  TInferenceEngine copy;
  copy.SetParser(std::make_unique<TVorlanEngineParser>(copy));
  auto& reader = dynamic_cast<TVorlanEngineParser&>(copy.Parser());
  reader.ExecuteText(Engine.Parser().PrintFactTemplate(*Engine.FindTemplate("person")) + text);
  ASSERT_TRUE(copy.FindTemplate("emp"));
  EXPECT_EQ(copy.Parser().PrintFactTemplate(*copy.FindTemplate("emp")), text);
}

TEST_F(ParserTest, SlotQualifiersSetDefaultsTypesAndImplicitTypes) {
  EXPECT_EQ(Run("(deftemplate t"
                "  (slot a (default 5))"
                "  (slot b (type INTEGER) (range 1 10))"
                "  (multislot c (default x y))"
                "  (slot d (type FLOAT) (default 3))"
                "  (slot e (DEFAULT-DYNAMIC (+ 1 2)))"
                "  (slot f (allowed-symbols red green) (units \"m s\")))"),
            "");
  IFactTemplate t = Engine.FindTemplate("t");
  ASSERT_TRUE(t);
  EXPECT_EQ(t->GetSlot("a")->SlotDefault()->AsInteger(), 5);
  const IFactSlot& b = t->GetSlot("b");
  EXPECT_EQ(b->SlotType(), TIETypes{dtInteger});
  ASSERT_TRUE(b->ExtendedTypeInfo());
  EXPECT_TRUE(b->ExtendedTypeInfo()->Implicit());
  EXPECT_TRUE(b->ExtendedTypeInfo()->RangeLimited());
  EXPECT_EQ(b->ExtendedTypeInfo()->MaxRange(), 10);
  EXPECT_EQ(t->GetSlot("c")->SlotDefault()->AsText(), "x y ");
  EXPECT_TRUE(t->GetSlot("c")->IsMultiSlot());
  EXPECT_EQ(t->GetSlot("d")->SlotDefault()->DType(), dtFloat);
  EXPECT_TRUE(t->GetSlot("e")->DefaultDynamic());
  EXPECT_EQ(t->GetSlot("e")->SlotDefault()->DType(), dtFunCall);
  const IIEDefinedType& f = t->GetSlot("f")->ExtendedTypeInfo();
  ASSERT_TRUE(f);
  EXPECT_EQ(f->AllowedCount(vcAtom), 2);
  EXPECT_EQ(f->Units(), "m s");
}

TEST_F(ParserTest, SlotDefinitionErrors) {
  EXPECT_TRUE(Contains(Run("(deftemplate t (slot a (type INTEGER FUZZY)))"),
                       "Cannot mix fuzzy type with other primitive types"));
  EXPECT_TRUE(Contains(Run("(deftemplate t (slot a (type NOSUCH)))"), "Invalid slot type: NOSUCH"));
  EXPECT_TRUE(
      Contains(Run("(deftemplate t (slot a (colour red)))"), "Invalid slot qualifier: colour"));
  EXPECT_TRUE(Contains(Run("(deftemplate t (slot \"a\"))"), "Bad Slot Name: "));
  EXPECT_TRUE(Contains(Run("(deftemplate t (slot a (type INTEGER) (default abc)))"),
                       "Not a INTEGER type.  Value (abc) is a dtAtom type for a slot"));
  EXPECT_TRUE(Contains(Run("(deftemplate t (slot a (default 1)"), "Expected \")\""));
  EXPECT_FALSE(Engine.FindTemplate("t"));
}

TEST_F(ParserTest, CardinalityWithAnOpenLowerBound) {
  EXPECT_EQ(Run("(deftemplate t (multislot m (cardinality ?VARIABLE 5)))"), "");
  const IIEDefinedType& type = Engine.FindTemplate("t")->GetSlot("m")->ExtendedTypeInfo();
  ASSERT_TRUE(type);
  EXPECT_TRUE(type->CardinalityLimited());
  EXPECT_EQ(type->MinCardinality(), 0);
  EXPECT_EQ(type->MaxCardinality(), 5);
}

TEST_F(ParserTest, DefinedTypesWithFacetsAndInheritance) {
  EXPECT_EQ(Run("(deftype age \"years\" extends (type INTEGER) (range 0 ?VARIABLE) (units years))"
                "(deftype adult extends (type age) (range 18 120))"
                "(deftype colour extends (type SYMBOL) (allowed-symbols red blue))"),
            "");
  IIEDefinedType adult = Engine.FindDefinedType("adult");
  ASSERT_TRUE(adult);
  EXPECT_EQ(adult->Ancestor(), Engine.FindDefinedType("age"));
  EXPECT_EQ(adult->MinRange(), 18);
  EXPECT_EQ(adult->Units(), "years");
  EXPECT_EQ(Engine.FindDefinedType("age")->MaxRange(), TIEDefinedType::kNoMaxRange);
  EXPECT_EQ(Engine.FindDefinedType("colour")->AllowedCount(vcAtom), 2);
  EXPECT_TRUE(
      Contains(Run("(deftype x (type INTEGER))"), "Missing keyword.  Expected \"extends\""));
  EXPECT_TRUE(Contains(Run("(deftype x extends (type age colour))"),
                       "Multiple inheritance is not allowed for deftypes"));
  EXPECT_TRUE(Contains(Run("(deftype x extends (type INTEGER) (allowed-colours 1))"),
                       "Expected allowed value argument for deftype, received allowed-colours"));
  // A slot typed with a named type takes its kinds and its checks.
  EXPECT_EQ(Run("(deftemplate person (slot age (type adult)))"), "");
  EXPECT_TRUE(Contains(Run("(deffacts f (person (age 7)))"), "ParseValue(SlotTypes)"));
}

TEST_F(ParserTest, IsATemplatesHoldOneTypedSlot) {
  EXPECT_EQ(Run("(deftype code extends (type SYMBOL))"
                "(deftemplate codes is-a code)"),
            "");
  IFactTemplate codes = Engine.FindTemplate("codes");
  ASSERT_TRUE(codes);
  EXPECT_EQ(codes->SlotCount(), 1);
  EXPECT_EQ(codes->GetSlot("__Data")->ExtendedTypeInfo(), Engine.FindDefinedType("code"));
}

TEST_F(ParserTest, FactsReadSlotsAndImpliedData) {
  EXPECT_EQ(Run("(deftemplate point (slot x (type INTEGER)) (slot y (type FLOAT)))"
                "(deffacts start \"first\" (point (x 1) (y 2)) (penalties married none))"),
            "");
  TFactSet* set = Engine.FactSets().Find("start");
  ASSERT_TRUE(set);
  EXPECT_EQ(set->Comment(), "first");
  ASSERT_EQ(set->Facts().Count(), 2);
  IFact point = set->FactAt(0);
  EXPECT_EQ(point->GetSlotValue("x")->AsInteger(), 1);
  // An integer written for a float slot becomes a float.
  EXPECT_EQ(point->GetSlotValue("y")->DType(), dtFloat);
  EXPECT_EQ(set->FactAt(1)->GetSlotValue("__Data")->AsText(), "married none ");
  EXPECT_TRUE(Engine.FindTemplate("penalties")->IsImplied());
}

TEST_F(ParserTest, FactErrors) {
  EXPECT_EQ(Run("(deftemplate point (slot x))"), "");
  std::string error = Run("(deffacts f\n (point (x 1))\n (point (z 1)))");
  EXPECT_TRUE(Contains(error, "No such slot name: \"z\" in ParseFactSlot at line 3")) << error;
  EXPECT_FALSE(Engine.FactSets().Find("f"));
  EXPECT_TRUE(Contains(Run("(deffacts f (point x))"), "Expected \"(\""));
  EXPECT_TRUE(Contains(Run("(deffacts f (\"point\"))"), "Expected \"( <atom>\""));
  EXPECT_TRUE(
      Contains(Run("(deffacts f (numbers = 1))"), "\"=\" cannot appear as an atom within a fact"));
  EXPECT_TRUE(Contains(Run("(deffacts f (numbers & 1))"), "Bad Slot Value: &"));
  // A rule name the engine refuses is an error of the text, with its line.
  EXPECT_EQ(ErrorLine("\n(defrule a:b (x) => )"), 2);
  Parser().SetStrictTemplates(true);
  EXPECT_TRUE(Contains(Run("(deffacts f (unknown 1))"), "Unknown fact template: unknown"));
}

TEST_F(ParserTest, StaticTypeChecksCanBeSwitchedOff) {
  EXPECT_EQ(Run("(deftemplate p (slot n (type INTEGER)))"), "");
  std::string error = Run("(deffacts f (p (n abc)))");
  EXPECT_TRUE(Contains(error, "Not a INTEGER type.  Value (abc) is a dtAtom type for n slot"))
      << error;
  Engine.SetTypeChecks({});
  EXPECT_EQ(Run("(deffacts f (p (n abc)))"), "");
  // Variables and calls are checked only once evaluated.
  Engine.SetTypeChecks({tcStatic});
  EXPECT_EQ(Run("(deffacts g (p (n ?x)) (p (n (+ 1 2))))"), "");
}

// A typed multislot given a variable or call among its values is checked
// when the values are known: under dynamic checks, when the fact is made.
TEST_F(ParserTest, TypedMultislotValuesAreCheckedWhenKnown) {
  Engine.SetTypeChecks({tcStatic, tcDynamic});
  EXPECT_EQ(Run("(deftemplate moves (multislot ml (type STRING)))"
                "(deffunction add ($?m) (assert (moves (ml ?m))))"
                "(deffunction add2 (?a) (assert (moves (ml \"x\" ?a))))"),
            "");
  EXPECT_EQ(Run("(add \"up\" \"down\")"), "");
  std::string error = Run("(add up 2)");
  EXPECT_TRUE(Contains(error, "STRING")) << error;
  EXPECT_EQ(Run("(add2 \"z\")"), "");
  // A constant of the wrong kind is refused while the text is read, with a
  // message that names it.
  error = Run("(deffacts f (moves (ml left)))");
  EXPECT_TRUE(Contains(error, "Value (left ) is a dtAtom (left) type for ml slot")) << error;
}

TEST_F(ParserTest, ParseFactsAssertsEveryFact) {
  int32_t before = Engine.Facts().Count();
  EXPECT_TRUE(Reader->ParseFacts("(a 1) (a 2)\n(b)"));
  EXPECT_EQ(Engine.Facts().Count(), before + 3);
}

}  // namespace
}  // namespace vettora::testing
