// Printed forms of defined types, fuzzy types, fuzzy sets and singletons.
#include <gtest/gtest.h>

#include "fuzzy/fuzzy_variable.h"
#include "fuzzy/ifuzzy_set.h"
#include "knowledge/defined_type.h"
#include "knowledge/fact.h"
#include "printer/printer_test_util.h"
#include "values/singletons_vector.h"

namespace vettora::testing {
namespace {

class PrinterTypesTest : public PrinterTest {
 protected:
  // The fuzzy type "temp" over [0, 100] in C, with one term of each shape.
  IIEDefinedType Temperature() {
    IIEDefinedType temp = Type("temp", TIETypes{dtFuzzy});
    temp->SetMinRange(0);
    temp->SetMaxRange(100);
    temp->SetUnits("C");
    TIFuzzyVariable& v = *temp->FuzzyVariable();
    v.AddTerm("cold")->DeclineCurve(10, 20, 7);
    v.AddTerm("hot")->GrowthCurve(30, 40, 7);
    v.AddTerm("mild")->Triangle(20, 30, 40);
    v.AddTerm("usual")->PICurve(40, 60, 50, 7);
    v.AddTerm("round")->BetaCurve(1.0, 5, 50, 10, 7);
    v.AddTerm("steep")->BetaCurve(2.0, 5, 50, 10, 7);
    IFuzzySet custom = v.AddTerm("custom");
    custom->Values().Add(0, 1);
    custom->Values().Add(10, 0);
    IFuzzySet bent = v.AddTerm("bent");  // a triangle no longer
    bent->Triangle(0, 10, 20);
    bent->Values().SetY(1, 0.5);
    (void)v.EmptyTerm();
    return temp;
  }
};

TEST_F(PrinterTypesTest, DeftypesPrintTheirKindsAndFacets) {
  IIEDefinedType age = Type("age", TIETypes{dtInteger});
  EXPECT_EQ(Printer.PrintDefinedType(*age), "(deftype age extends (type INTEGER)\r\n)");
  Range(age, 0, 120);
  age->SetUnits("years");
  age->SetComment("Age in years");
  EXPECT_EQ(Printer.PrintDefinedType(*age),
            "(deftype age \r\n    \"Age in years\"\r\n    extends (type INTEGER)\r\n"
            "        (range 0 120) \r\n        (units years)\r\n)");
  EXPECT_EQ(age->AsText(), Printer.PrintDefinedType(*age));  // the engine routes to the printer

  IIEDefinedType open = Type("open", TIETypes{dtInteger, dtFloat});
  open->SetRangeLimited(true);
  open->SetMaxRange(10);
  open->SetCardinalityLimited(true);
  open->SetMinCardinality(1);
  open->SetUnits("deg C");
  EXPECT_EQ(Printer.PrintDefinedType(*open),
            "(deftype open extends (type INTEGER FLOAT)\r\n        (range ?VARIABLE 10) \r\n"
            "        (units \"deg C\")\r\n        (cardinality 1 ?VARIABLE) \r\n)");

  // A bound with a fraction keeps it instead of being truncated.
  IIEDefinedType ratio = Type("ratio", TIETypes{dtFloat});
  Range(ratio, 0.5, 2);
  EXPECT_EQ(Printer.PrintDefinedType(*ratio),
            "(deftype ratio extends (type FLOAT)\r\n        (range 0.5000 2) \r\n)");
}

TEST_F(PrinterTypesTest, AllowedValuesFollowTheFacets) {
  IIEDefinedType code = Type("code", TIETypes{dtInteger, dtString});
  code->SetConstraints({vcInteger, vcString});
  code->AddAllowedValue(MakeInteger(1));
  code->AddAllowedValue(MakeInteger(2));
  code->AddAllowedValue(MakeString("a b"));
  EXPECT_EQ(Printer.PrintDefinedType(*code),
            "(deftype code extends (type STRING INTEGER)\r\n"
            "        (allowed-integers 1 2 ) \r\n        (allowed-strings \"a b\" )\r\n)");

  IIEDefinedType any = Type("any", TIEDefinedType::DefaultBaseTypes());
  any->SetConstraints(TValueConstraints::All());
  any->AddAllowedValue(MakeAtom("x"));
  any->AddAllowedValue(MakeFloat(1.5));
  EXPECT_EQ(Printer.PrintDefinedType(*any),
            "(deftype any extends (type ATOM STRING INTEGER FACTID FLOAT FACT DESCRIPTOR OBJECT "
            "CLASS EXTERNALADDRESS)\r\n        (allowed-values x 1.5000 )\r\n)");
}

TEST_F(PrinterTypesTest, DerivedTypesPrintOnlyWhatTheyAdd) {
  IIEDefinedType age = Type("age", TIETypes{dtInteger});
  Range(age, 0, 120);
  age->SetUnits("years");
  IIEDefinedType child = Type("child", TIETypes{dtInteger, dtFloat});
  child->SetAncestor(age);
  Range(child, 0, 120);
  child->SetUnits("years");
  child->SetConstraints({vcInteger});
  child->AddAllowedValue(MakeInteger(3));
  EXPECT_EQ(Printer.PrintDefinedType(*child),
            "(deftype child extends (type age FLOAT)\r\n        (allowed-integers 3 ) \r\n)");

  // A slot's facets on top of a named type keep that type's name.
  IIEDefinedType implicit = Type("implicit", TIETypes{dtInteger});
  implicit->SetAncestor(age);
  implicit->SetImplicit(true);
  Range(implicit, 1, 10);
  implicit->SetUnits("years");
  EXPECT_EQ(Printer.PrintDefinedType(*implicit), "(type age )\r\n        (range 1 10) \r\n");
}

TEST_F(PrinterTypesTest, FuzzyTypesPrintTheirVariableWithOneTermPerLine) {
  IIEDefinedType temp = Temperature();
  EXPECT_EQ(Printer.PrintDefinedType(*temp),
            "(deftype temp extends (type FUZZY)\r\n"
            "    (range 0.0000 100.0000)\r\n"
            "    (units C)\r\n"
            "    (values \r\n"
            "        (term cold (z 10.0000 20.0000))\r\n"
            "        (term hot (s 30.0000 40.0000))\r\n"
            "        (term mild (tri 20.0000 30.0000 40.0000))\r\n"
            "        (term usual (pi 40.0000 50.0000 60.0000))\r\n"
            "        (term round (beta 50.0000 10.0000 5.0000))\r\n"
            "        (term steep (beta 50.0000 10.0000 5.0000 2.0000))\r\n"
            "        (term custom ((0.0000 1.0000) (10.0000 0.0000) ))\r\n"
            "        (term bent ((0.0000 0.0000) (10.0000 0.5000) (20.0000 0.0000) ))\r\n"
            "    ))");
}

TEST_F(PrinterTypesTest, FuzzySetsAndValuesPrintInAFormThatReadsBack) {
  IIEDefinedType temp = Temperature();
  TIFuzzyVariable& v = *temp->FuzzyVariable();
  EXPECT_EQ(Printer.PrintFuzzySet(*v.FindTerm("cold"), true), "(term cold (z 10.0000 20.0000))");
  EXPECT_EQ(Printer.PrintFuzzySet(*v.FindTerm("cold"), false), "(z 10.0000 20.0000)");
  EXPECT_EQ(Printer.PrintFuzzySet(*v.EmptyTerm(), true), "(term ())");

  // A term is written by its name, any other set by its shape.
  IFuzzySet cold = v.FindTerm("cold");
  EXPECT_EQ(Printer.ValueText(MakeRef<TIEValue>(IFuzzySetBase(cold))), "cold");
  EXPECT_EQ(Printer.ValueText(MakeRef<TIEValue>(IFuzzySetBase(cold->Clone()))),
            "(z 10.0000 20.0000)");

  IFactTemplate reading = MakeRef<TFactTemplate>("reading", &Engine);
  reading->AddSlot("t", NilValue())->SetExtendedTypeInfo(temp);
  IFact fact = reading->CreateFact();
  fact->SetSlotValue("t", MakeRef<TIEValue>(IFuzzySetBase(cold)));
  EXPECT_EQ(Printer.PrintFact(*fact), "(reading (t cold))");

  // Attached to a set, the printer makes every text holding it read back.
  IFuzzySet warm = cold->Clone();
  fact->SetSlotValue("t", MakeRef<TIEValue>(IFuzzySetBase(warm)));
  EXPECT_EQ(fact->Text(),
            "(reading (t (cold (10.0000 1.0000) (11.6667 0.9444) (13.3333 0.7778) "
            "(15.0000 0.5000) (16.6667 0.2222) (18.3333 0.0556) (20.0000 0.0000) )))");
  warm->SetPrinter(TIEPrinter::FuzzyValuePrinter());
  EXPECT_EQ(fact->Text(), "(reading (t (z 10.0000 20.0000)))");
}

TEST_F(PrinterTypesTest, SingletonListsPrintAsPointPairs) {
  TSingletonsVector points;
  EXPECT_EQ(Printer.PrintSingletons(points), "");
  points.Add(MakeInteger(1), MakeFloat(0.5));
  points.Add(Var("x"), MakeInteger(0));
  EXPECT_EQ(Printer.PrintSingletons(points), "((1 0.5000) (?x 0) )");
}

}  // namespace
}  // namespace vettora::testing
