// Every construct the printer tests print reads back, through the
// rule-language parser, into a construct that prints the same text again.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "engine/defined_types.h"
#include "engine/engine_variables.h"
#include "engine/fact_set.h"
#include "engine/fact_sets.h"
#include "engine/rules.h"
#include "engine/user_functions.h"
#include "functions/interpreted_function.h"
#include "fuzzy/fuzzy_variable.h"
#include "fuzzy/ifuzzy_set.h"
#include "knowledge/defined_type.h"
#include "knowledge/fact.h"
#include "language/vorlan_engine_parser.h"
#include "printer/printer_test_util.h"
#include "values/value_hash_table.h"
#include "values/value_vector.h"

namespace vettora::testing {
namespace {

class RoundTripTest : public PrinterTest {
 protected:
  using TReprint = std::function<std::string(TInferenceEngine&)>;

  RoundTripTest() { Engine.SetParser(std::make_unique<TVorlanEngineParser>(Engine)); }

  // Reads `prelude` and then `text` into a fresh engine and answers what
  // `reprint` prints there.
  static std::string Reprint(const std::string& prelude, const std::string& text,
                             const TReprint& reprint) {
    TInferenceEngine engine;
    engine.SetParser(std::make_unique<TVorlanEngineParser>(engine));
    // Filing a fuzzy type would add the automatic terms the text lacks.
    engine.SetFuzzyAutoTerms(false);
    engine.Parser().ExecuteText(prelude);
    engine.Parser().ExecuteText(text);
    return reprint(engine);
  }

  void ExpectSameAfterReading(const std::string& text, const TReprint& reprint,
                              const std::string& prelude = "") {
    SCOPED_TRACE(text);
    std::string again;
    std::string error = ErrorText([&] { again = Reprint(prelude, text, reprint); });
    ASSERT_EQ(error, "(no error)");
    EXPECT_EQ(again, text);
  }

  TReprint TypeNamed(const std::string& name) {
    return [this, name](TInferenceEngine& e) {
      IIEDefinedType type = e.DefinedTypes().Find(name);
      return type ? Printer.PrintDefinedType(*type) : "(no type " + name + ")";
    };
  }
  TReprint TemplateNamed(const std::string& name) {
    return [this, name](TInferenceEngine& e) {
      IFactTemplate t = e.FindTemplate(name);
      return t ? Printer.PrintFactTemplate(*t) : "(no template " + name + ")";
    };
  }
  TReprint RuleNamed(const std::string& name) {
    return [this, name](TInferenceEngine& e) {
      TRule* rule = e.FindRule(name);
      return rule ? Printer.PrintRule(*rule) : "(no rule " + name + ")";
    };
  }

  // The lines of a text, sorted.
  static std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
      lines.push_back(text.substr(start, end - start));
    lines.push_back(text.substr(start));
    std::sort(lines.begin(), lines.end());
    return lines;
  }
};

TEST_F(RoundTripTest, DefinedTypes) {
  IIEDefinedType age = Type("age", TIETypes{dtInteger});
  Range(age, 0, 120);
  age->SetUnits("years");
  age->SetComment("Age in \"whole\" years");
  std::string ageText = Printer.PrintDefinedType(*age);
  ExpectSameAfterReading(ageText, TypeNamed("age"));

  IIEDefinedType open = Type("open", TIETypes{dtInteger, dtFloat});
  open->SetRangeLimited(true);
  open->SetMaxRange(10);
  open->SetCardinalityLimited(true);
  open->SetMinCardinality(1);
  open->SetUnits("deg C");
  ExpectSameAfterReading(Printer.PrintDefinedType(*open), TypeNamed("open"));

  IIEDefinedType ratio = Type("ratio", TIETypes{dtFloat});
  Range(ratio, 0.5, 2);
  ExpectSameAfterReading(Printer.PrintDefinedType(*ratio), TypeNamed("ratio"));

  IIEDefinedType code = Type("code", TIETypes{dtInteger, dtString, dtAtom});
  code->SetConstraints({vcInteger, vcString, vcAtom});
  code->AddAllowedValue(MakeInteger(1));
  code->AddAllowedValue(MakeString("a b"));
  code->AddAllowedValue(MakeAtom("z"));
  ExpectSameAfterReading(Printer.PrintDefinedType(*code), TypeNamed("code"));

  IIEDefinedType any = Type("any", TIEDefinedType::DefaultBaseTypes());
  any->SetConstraints(TValueConstraints::All());
  any->AddAllowedValue(MakeAtom("x"));
  any->AddAllowedValue(MakeFloat(1.5));
  ExpectSameAfterReading(Printer.PrintDefinedType(*any), TypeNamed("any"));

  IIEDefinedType child = Type("child", TIETypes{dtInteger, dtFloat});
  child->SetAncestor(age);
  Range(child, 0, 120);
  child->SetUnits("years");
  child->SetConstraints({vcInteger});
  child->AddAllowedValue(MakeInteger(3));
  ExpectSameAfterReading(Printer.PrintDefinedType(*child), TypeNamed("child"), ageText);
}

// The fuzzy type "temp" with terms given by their points.
TEST_F(RoundTripTest, FuzzyTypesFactsAndPatterns) {
  IIEDefinedType temp = Type("temp", TIETypes{dtFuzzy});
  temp->SetMinRange(0);
  temp->SetMaxRange(100);
  temp->SetUnits("deg C");
  TIFuzzyVariable& v = *temp->FuzzyVariable();
  IFuzzySet cold = v.AddTerm("cold");
  cold->Values().Add(0, 1);
  cold->Values().Add(10, 0);
  IFuzzySet hot = v.AddTerm("hot");
  hot->Values().Add(30, 0);
  hot->Values().Add(40, 1);
  (void)v.EmptyTerm();
  std::string typeText = Printer.PrintDefinedType(*temp);
  ExpectSameAfterReading(typeText, TypeNamed("temp"));

  IFactTemplate reading = MakeRef<TFactTemplate>("reading", &Engine);
  reading->AddSlot("t", NilValue())->SetExtendedTypeInfo(temp);
  Engine.FactTemplates().Add(reading);
  std::string prelude = typeText + Printer.PrintFactTemplate(*reading);

  IFact fact = reading->CreateFact();
  fact->SetSlotValue("t", MakeRef<TIEValue>(IFuzzySetBase(cold)));
  std::string factText = Printer.PrintFact(*fact);
  {
    TInferenceEngine other;
    other.SetParser(std::make_unique<TVorlanEngineParser>(other));
    other.Parser().ExecuteText(prelude);
    EXPECT_EQ(Printer.PrintFact(*other.ParseFact(factText)), factText);
  }

  auto pattern = Pattern(reading);
  pattern->AddTest("t", MakeRef<TIEValue>(IFuzzySetBase(hot)));
  auto rule = Rule("warm", Patterns(std::move(pattern)), {Call("b")});
  ExpectSameAfterReading(Printer.PrintRule(*rule), RuleNamed("warm"), prelude);
}

// Terms made by the shape functions print as calls of them.
TEST_F(RoundTripTest, FuzzyShapes) {
  IUserFunction shape;
  if (!Engine.FindFunction("z", shape)) GTEST_SKIP() << "the fuzzy shape functions are missing";
  IIEDefinedType temp = Type("temp", TIETypes{dtFuzzy});
  temp->SetMinRange(0);
  temp->SetMaxRange(100);
  TIFuzzyVariable& v = *temp->FuzzyVariable();
  v.AddTerm("cold")->DeclineCurve(10, 20, 7);
  v.AddTerm("hot")->GrowthCurve(30, 40, 7);
  v.AddTerm("mild")->Triangle(20, 30, 40);
  v.AddTerm("usual")->PICurve(40, 60, 50, 7);
  v.AddTerm("round")->BetaCurve(1.0, 5, 50, 10, 7);
  v.AddTerm("steep")->BetaCurve(2.0, 5, 50, 10, 7);
  ExpectSameAfterReading(Printer.PrintDefinedType(*temp), TypeNamed("temp"));
}

TEST_F(RoundTripTest, TemplatesFactSetsFunctionsAndGlobals) {
  IFactTemplate applicant = MakeRef<TFactTemplate>("applicant", &Engine);
  applicant->SetComment("who applies");
  applicant->AddSlot("title", MakeString("Programmer"));
  IFactSlot age = applicant->AddSlot("age", MakeInteger(18));
  age->SetSlotType(TIETypes{dtInteger});
  IIEDefinedType facets = TIEDefinedType::Create(&Engine);
  facets->SetImplicit(true);
  facets->SetBaseTypes(TIETypes{dtInteger});
  Range(facets, 0, 120);
  age->SetExtendedTypeInfo(facets);
  age->SetSlotDefault(MakeInteger(18));
  applicant->AddSlot("score", MakeInteger(0))->SetSlotType(TIETypes{dtInteger, dtFloat});
  IFactSlot skills = applicant->AddMultiSlot("skills", EmptyListValue());
  skills->SetDefaultDynamic(true);
  // A multislot's default reads back as a list, here of one call.
  IValueVector calls = MakeRef<TValueVector>();
  calls->Add(CallValue("create$", {MakeAtom("a")}));
  skills->SetSlotDefault(MakeList(calls));
  // Reading the slots back files them in printed order, which reverses two
  // slots that share a bucket of the slot table: the slots come back the
  // same, their order may not.
  std::string text = Printer.PrintFactTemplate(*applicant);
  std::string again = Reprint("", text, TemplateNamed("applicant"));
  EXPECT_EQ(Lines(again), Lines(text));
  ExpectSameAfterReading(Printer.PrintFactTemplate(*Implied("penalties")),
                         TemplateNamed("penalties"));

  TFactSet set;
  set.SetFactSetName("startup");
  set.SetComment("the \"first\" facts");
  IFact fact = Implied("a")->CreateFact();
  IValueVector list = MakeRef<TValueVector>();
  list->Add(MakeInteger(1));
  list->Add(MakeString("x"));
  fact->SetSlotValue(kImpliedSlotName, MakeList(list));
  set.AddFact(fact);
  IFactTemplate job = Template("job", {"title", "salary"});
  IFact person = job->CreateFact();
  person->SetSlotValue("title", MakeString("Tester"));
  person->SetSlotValue("salary", MakeFloat(2.5));
  set.AddFact(person);
  ExpectSameAfterReading(
      Printer.PrintFactSet(set),
      [this](TInferenceEngine& e) {
        TFactSet* found = e.FactSets().Find("startup");
        return found ? Printer.PrintFactSet(*found) : "(no fact set)";
      },
      Printer.PrintFactTemplate(*job));

  auto f = MakeRef<TInterpretedFunction>();
  f->SetFunctionName("sum-rest");
  f->SetComment("adds");
  f->AddParameter("a", dtVariable);
  f->AddParameter("rest", dtMultiVariable);
  f->AddAction(Call("+", {Var("a"), MakeInteger(1)}));
  f->AddAction(Call("printout", {MakeAtom("t"), MakeString("done"), MakeAtom("crlf")}));
  ExpectSameAfterReading(Printer.PrintFunction(*f), [this](TInferenceEngine& e) {
    IUserFunction found = e.UserFunctions().Find("sum-rest");
    return found ? Printer.PrintFunction(*found) : "(no function)";
  });

  TValueHashTable globals(11);
  globals.Store("*limit*", MakeInteger(3));
  ExpectSameAfterReading(Printer.PrintGlobals(globals), [this](TInferenceEngine& e) {
    return Printer.PrintGlobals(e.GlobalVariables());
  });
}

TEST_F(RoundTripTest, Rules) {
  IFactTemplate applicant = Template("applicant", {"age", "name"});
  IFactTemplate x = Template("x", {"color"});
  IFactTemplate order = MakeRef<TFactTemplate>("order", &Engine);
  order->AddMultiSlot("items", EmptyListValue());
  order->AddSlot("s", NilValue());
  Engine.FactTemplates().Add(order);
  std::string prelude = Printer.PrintFactTemplate(*applicant) + Printer.PrintFactTemplate(*x) +
                        Printer.PrintFactTemplate(*order);
  auto expectRule = [&](const TRule& rule) {
    ExpectSameAfterReading(Printer.PrintRule(rule), RuleNamed(rule.RuleName()), prelude);
  };

  auto r = Rule("r", Patterns(Pattern(Implied("a"))), {Call("b")});
  r->SetSalience(10);
  r->SetOneShot(true);
  r->SetComment("does \"b\"");
  expectRule(*r);
  r->SetEnabled(false);
  expectRule(*r);

  auto offer = Pattern(Implied("offer"));
  offer->SetNegatedCount(1);
  expectRule(*Rule("no-job-openings", Patterns(std::move(offer)), {Call("apologise")}));

  auto exists = Pattern(applicant);
  exists->SetNegatedCount(2);
  auto notExists = Pattern(Implied("a"));
  notExists->SetNegatedCount(3);
  notExists->SetComment("none");
  expectRule(*Rule("exists", Patterns(std::move(exists), std::move(notExists))));

  auto bound = Pattern(Implied("a"));
  bound->SetUnique(true);
  bound->SetExplicit(true);
  bound->SetBoundName("f");
  auto test = Pattern(Implied("test"));
  test->AddTest(kImpliedSlotName, CallValue(">", {MakeInteger(2), MakeInteger(1)}), sttNotEquals);
  IValueVector pair = MakeRef<TValueVector>();
  pair->Add(MakeAtom("s"));
  pair->Add(MakeInteger(5));
  expectRule(*Rule("bound", Patterns(std::move(bound), std::move(test)),
                   {Call("modify", {Var("f"), MakeList(pair)})}));

  auto alternatives = Pattern(Implied("a"));
  alternatives->AddTest(kImpliedSlotName, Var("x"), sttEquals, 0);
  alternatives->AddTest(kImpliedSlotName, MakeAtom("red"), sttNotEquals, 0);
  alternatives->AddTest(kImpliedSlotName, MakeAtom("blue"), sttEquals, 0, false);
  alternatives->AddTest(kImpliedSlotName, Var("y"), sttEquals, 1);
  alternatives->SetSlotLength(kImpliedSlotName, 2);
  auto colors = Pattern(x);
  colors->AddTest("color", MakeAtom("red"));
  colors->AddTest("color", MakeAtom("blue"), sttEquals, -1, false);
  expectRule(*Rule("alternatives", Patterns(std::move(alternatives), std::move(colors))));

  auto person = Pattern(applicant);
  person->AddTest("age", Var("age1"));
  person->AddTest("age", CallValue(">", {Var("age1"), MakeInteger(20)}), sttNotEquals);
  person->AddTest("name", MakeString("Ann Lee"));
  auto items = Pattern(order);
  items->AddTest("items", Var("first"), sttEquals, 0);
  items->AddTest("items", MultiVar("rest"), sttEquals, 1);
  items->SetSlotLength("items", 2);
  items->AddTest("s", Var("_eq_7"));
  items->AddTest(
      "s", CallValue("eq*", {Var("_eq_7"), CallValue("+", {MakeInteger(1), MakeInteger(2)})}));
  expectRule(*Rule("constraints", Patterns(std::move(person), std::move(items)),
                   {Call("printout", {MakeAtom("t"), Var("first"), MakeAtom("crlf")})}));

  auto goal = Rule("seek", Patterns(Pattern(Implied("need-a"))), {Call("b")});
  expectRule(*goal);
}

}  // namespace
}  // namespace vettora::testing
