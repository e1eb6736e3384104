// Printed forms of facts, fact sets, templates, slots and global variables.
#include <gtest/gtest.h>

#include "engine/fact_set.h"
#include "knowledge/defined_type.h"
#include "knowledge/fact.h"
#include "printer/printer_test_util.h"
#include "values/value_hash_table.h"
#include "values/value_vector.h"

namespace vettora::testing {
namespace {

IIEValue List(const std::vector<IIEValue>& items) {
  IValueVector list = MakeRef<TValueVector>();
  for (const IIEValue& item : items) list->Add(item);
  return MakeList(list);
}

TEST_F(PrinterTest, FactsPrintTheirSlotsInNameOrderAndLeaveEmptySlotsOut) {
  IFactTemplate job = Template("job", {"title", "salary", "notes"});
  IFact fact = job->CreateFact();
  fact->SetSlotValue("title", MakeString("Programmer"));
  fact->SetSlotValue("salary", MakeInteger(5000));
  EXPECT_EQ(Printer.PrintFact(*fact), "(job (salary 5000) (title \"Programmer\"))");
  EXPECT_EQ(Printer.PrintFactSlot(*fact, "salary"), "(salary 5000)");
  EXPECT_EQ(Printer.PrintFactSlot(*fact, "notes"), "");  // nil prints empty
  EXPECT_EQ(Printer.PrintFactSlotValue(*fact, "notes", MakeFloat(2.5)), "(notes 2.5000)");
  EXPECT_EQ(Printer.PrintFactSlotText(*fact, "notes", "x y"), "(notes x y)");
  EXPECT_THROW((void)Printer.PrintFactSlot(*fact, "age"), EIEException);

  IFact penalties = Implied("penalties")->CreateFact();
  EXPECT_EQ(Printer.PrintFact(*penalties), "(penalties)");
  penalties->SetSlotValue(kImpliedSlotName, List({MakeAtom("married"), MakeInteger(2)}));
  EXPECT_EQ(Printer.PrintFact(*penalties), "(penalties married 2 )");
  EXPECT_EQ(Printer.PrintFactSlot(*penalties, kImpliedSlotName), "married 2 ");

  IFactTemplate order = MakeRef<TFactTemplate>("order", &Engine);
  order->AddMultiSlot("items", EmptyListValue());
  IFact withList = order->CreateFact();
  withList->SetSlotValue("items", List({MakeAtom("a"), MakeAtom("b")}));
  EXPECT_EQ(Printer.PrintFact(*withList), "(order (items a b ))");
  EXPECT_EQ(Printer.PrintFact(*order->CreateFact()), "(order)");  // the empty list prints empty
}

TEST_F(PrinterTest, FactSetsListTheirFactsIndentedUnderTheHeader) {
  TFactSet set;
  set.SetFactSetName("startup");
  IFact fact = Implied("a")->CreateFact();
  fact->SetSlotValue(kImpliedSlotName, List({MakeInteger(1)}));
  set.AddFact(fact);
  set.AddFact(Implied("b")->CreateFact());
  EXPECT_EQ(Printer.PrintFactSet(set), "(deffacts startup\r\n    (a 1 )\r\n    (b)\r\n)");

  set.SetComment("first facts");
  EXPECT_EQ(Printer.PrintFactSet(set),
            "(deffacts startup \"first facts\"\r\n    (a 1 )\r\n    (b)\r\n)");
  // A comment holding a quote still reads back as one string.
  set.SetComment("the \"first\" facts");
  EXPECT_EQ(Printer.PrintFactSet(set),
            "(deffacts startup \"the \\\"first\\\" facts\"\r\n    (a 1 )\r\n    (b)\r\n)");

  TFactSet empty;
  EXPECT_EQ(Printer.PrintFactSet(empty), "(deffacts FactSet\r\n)");
}

TEST_F(PrinterTest, TemplateSlotsPrintTheirTypesFacetsAndDefaults) {
  IFactTemplate t = Template("applicant", {});
  IFactSlot title = t->AddSlot("title", MakeString("Programmer"));
  EXPECT_EQ(Printer.PrintTemplateSlot(*title), "(slot title (default \"Programmer\") )");

  IFactSlot age = t->AddSlot("age", MakeInteger(0));
  age->SetSlotType(TIETypes{dtInteger});
  EXPECT_EQ(Printer.PrintTemplateSlot(*age), "(slot age (type INTEGER)\r\n        (default 0) )");

  // Facets live in an implicit type and line up under the slot.
  IIEDefinedType facets = TIEDefinedType::Create(&Engine);
  facets->SetImplicit(true);
  facets->SetBaseTypes(TIETypes{dtInteger});
  facets->SetRangeLimited(true);
  facets->SetMinRange(0);
  facets->SetMaxRange(120);
  age->SetExtendedTypeInfo(facets);
  age->SetSlotDefault(MakeInteger(18));
  EXPECT_EQ(Printer.PrintTemplateSlot(*age),
            "(slot age (type INTEGER)\r\n        (range 0 120) \r\n        (default 18) )");

  IFactSlot skills = t->AddMultiSlot("skills", EmptyListValue());
  EXPECT_EQ(Printer.PrintTemplateSlot(*skills), "(multislot skills )");
  skills->SetDefaultDynamic(true);
  skills->SetSlotDefault(CallValue("create$", {MakeAtom("a")}));
  EXPECT_EQ(Printer.PrintTemplateSlot(*skills),
            "(multislot skills (default-dynamic (create$ a)) )");
}

TEST_F(PrinterTest, TemplatesPrintTheirSlotsOnePerLine) {
  IFactTemplate t = MakeRef<TFactTemplate>("point", &Engine);
  t->SetComment("a point");
  t->AddSlot("x", MakeInteger(1));
  EXPECT_EQ(Printer.PrintFactTemplate(*t),
            "(deftemplate point \"a point\"\r\n    (slot x (default 1) )\r\n)");
  EXPECT_EQ(t->Text(), Printer.PrintFactTemplate(*t));  // the engine routes to the printer

  EXPECT_EQ(Printer.PrintFactTemplate(*Implied("penalties")),
            "(deftemplate penalties \"(Implied)\")");
}

TEST_F(PrinterTest, GlobalsPrintAsOneDefglobal) {
  EXPECT_EQ(Printer.PrintGlobal("*limit*", MakeInteger(3)), "?*limit* = 3");
  EXPECT_EQ(Printer.PrintGlobal("?*limit*", MakeInteger(3)), "?*limit* = 3");
  EXPECT_EQ(Printer.PrintGlobal("*f*", CallValue("+", {MakeInteger(1), MakeInteger(2)})),
            "?*f* = (+ 1 2)");

  TValueHashTable table(11);
  EXPECT_EQ(Printer.PrintGlobals(table), "(defglobal)");
  table.Store("*name*", MakeString("x"));
  EXPECT_EQ(Printer.PrintGlobals(table), "(defglobal ?*name* = \"x\")");
}

}  // namespace
}  // namespace vettora::testing
