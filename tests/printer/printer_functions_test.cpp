// Printed forms of function calls, deffunctions and built-in function help.
#include <gtest/gtest.h>

#include "functions/interpreted_function.h"
#include "printer/printer_test_util.h"
#include "values/value_vector.h"

namespace vettora::testing {
namespace {

class HelpedFunction : public TIEUserFunction {
 public:
  HelpedFunction() {
    SetFunctionName("eq");
    SetComment("Compares values.\r\nTRUE when all are equal.");
    SetArgumentString(" <expression> <expression>+");
  }

 protected:
  IIEValue Execute(TFunctionCall&, TIEContext&) override { return TrueValue(); }
};

TEST_F(PrinterTest, CallsPrintTheirArgumentsAndSlotPairs) {
  auto print = Call("printout", {MakeAtom("t"), MakeString("a \"b\""), MakeFloat(1),
                                 CallValue("+", {Var("x"), MakeInteger(1)}), MakeAtom("crlf")});
  EXPECT_EQ(Printer.PrintFunCall(*print), "(printout t \"a \\\"b\\\"\" 1.0000 (+ ?x 1) crlf)");
  EXPECT_EQ(print->AsText(), Printer.PrintFunCall(*print));  // the engine routes to the printer

  IValueVector pair = MakeRef<TValueVector>();
  pair->Add(MakeAtom("salary"));
  pair->Add(MakeInteger(5));
  auto modify = Call("modify", {Var("f"), MakeList(pair)});
  EXPECT_EQ(Printer.PrintFunCall(*modify), "(modify ?f (salary 5 ))");

  auto commented = Call("halt");
  commented->SetComment("stop here\r\n;; really");
  EXPECT_EQ(Printer.PrintFunCall(*commented), "; stop here\r\n;; really\r\n(halt)");
}

TEST_F(PrinterTest, DeffunctionsPrintParametersCommentAndActions) {
  auto f = MakeRef<TInterpretedFunction>();
  f->SetFunctionName("sum-rest");
  f->AddParameter("a", dtVariable);
  f->AddParameter("rest", dtMultiVariable);
  f->AddAction(Call("+", {Var("a"), MakeInteger(1)}));
  f->AddAction(MakeString("done"));
  EXPECT_EQ(Printer.PrintFunction(*f),
            "(deffunction sum-rest (?a $?rest)\r\n    (+ ?a 1)\r\n    \"done\"\r\n)\r\n");
  f->SetComment("adds");
  EXPECT_EQ(
      Printer.PrintFunction(*f),
      "(deffunction sum-rest (?a $?rest)\r\n    \"adds\"\r\n    (+ ?a 1)\r\n    \"done\"\r\n)\r\n");
  Engine.AddUserFunction(f);
  EXPECT_EQ(f->Print(), Printer.PrintFunction(*f));  // the engine routes to the printer

  // A nested construct's own line breaks are indented with it.
  auto g = MakeRef<TInterpretedFunction>();
  g->SetFunctionName("g");
  auto commented = Call("halt");
  commented->SetComment("why");
  g->AddAction(commented);
  EXPECT_EQ(Printer.PrintFunction(*g), "(deffunction g ()\r\n    ; why\r\n    (halt)\r\n)\r\n");
}

TEST_F(PrinterTest, BuiltInFunctionsPrintTheirHelp) {
  HelpedFunction eq;
  EXPECT_EQ(TIEPrinter::FunctionSyntax(eq), "(eq  <expression> <expression>+)");
  EXPECT_EQ(Printer.PrintFunction(eq),
            ";; eq function\r\n;;     Compares values.\r\n;;     TRUE when all are equal.\r\n"
            ";;          syntax: (eq  <expression> <expression>+)");
  eq.SetArgumentString("");
  EXPECT_EQ(TIEPrinter::FunctionSyntax(eq), "(eq)");
}

}  // namespace
}  // namespace vettora::testing
