// Constructs read, printed and read again in a second engine print the
// same: the parser reads every form the printer writes -- including fuzzy
// slot defaults and fuzzy fact values (a term by its name, any other set by
// its shape) and comments holding double quotes and backslashes.
#include "engine/defined_types.h"
#include "engine/fact_set.h"
#include "engine/fact_sets.h"
#include "engine/facts.h"
#include "engine/rules.h"
#include "matching/rule.h"
#include "parser_test_util.h"

namespace vettora::testing {
namespace {

constexpr const char* kKnowledgeBase =
    "(deftype level extends (type INTEGER) (range 0 10) (units points))\n"
    "(deftype temperature extends (type FUZZY) (range 0 100)\n"
    "  (values (term cold ((0 1) (50 0))) (term hot ((50 0) (100 1)))))\n"
    "(deftemplate applicant \"who \\\"applies\\\" \\\\ here\"\n"
    "  (slot name (type STRING) (default \"nobody\"))\n"
    "  (slot age (type INTEGER) (range 16 ?VARIABLE))\n"
    "  (slot score (type level))\n"
    "  (multislot skills (allowed-symbols c pascal lisp)))\n"
    "(deftemplate senior extends applicant (slot years))\n"
    "(deftemplate room (slot id) (slot temp (type temperature) (default cold))\n"
    "  (slot feel (type temperature) (default ((20 1) (40 0)))))\n"
    "(deffacts people \"start\"\n"
    "  (applicant (name \"Ann\") (age 30) (skills c lisp))\n"
    "  (penalties married none)\n"
    "  (room (id 1) (temp hot) (feel ((30 0) (60 1))))\n"
    "  (room (id 2) (temp very hot) (feel not cold)))\n"
    "(defrule hire \"main rule\"\n"
    "  (declare (salience 5) (oneshot TRUE))\n"
    "  ?a <- (applicant (age ?x&:(+ ?x 1)) (skills c $?rest))\n"
    "  (not (penalties ?p&~none|married))\n"
    "  (exists (senior))\n"
    "  (test (+ 1 2))\n"
    "  =>\n"
    "  (modify ?a (age 31) (skills lisp c))\n"
    "  (assert (penalties none)))\n"
    "(deffunction twice (?x $?rest) \"doubles\" (+ ?x ?x))\n";

class RoundTripTest : public ParserTest {
 protected:
  // Everything the engine holds of the knowledge base, as printed text.
  static std::string Texts(TInferenceEngine& engine) {
    IEngineParser& p = engine.Parser();
    std::string text;
    for (const char* name : {"level", "temperature"})
      text += p.PrintDefinedType(*engine.FindDefinedType(name)) + "\n";
    for (const char* name : {"applicant", "senior", "room"})
      text += p.PrintFactTemplate(*engine.FindTemplate(name)) + "\n";
    text += p.PrintFactSet(*engine.FactSets().Find("people")) + "\n";
    text += p.PrintRule(*engine.FindRule("hire")) + "\n";
    IUserFunction twice;
    if (engine.FindFunction("twice", twice)) text += p.PrintFunction(*twice);
    return text;
  }
};

TEST_F(RoundTripTest, PrintedKnowledgeReadsBackTheSame) {
  // Automatic terms are written with shape functions of the fuzzy package;
  // this base reads without packages.
  Engine.SetFuzzyAutoTerms(false);
  ASSERT_EQ(Run(kKnowledgeBase), "");
  std::string first = Texts(Engine);
  TInferenceEngine copy;
  copy.SetFuzzyAutoTerms(false);
  auto reader = std::make_unique<TVorlanEngineParser>(copy);
  TVorlanEngineParser& copyReader = *reader;
  copy.SetParser(std::move(reader));
  copy.AddUserFunction(
      MakeRef<TTestFunction>("+", [](TFunctionCall&, TIEContext&) { return MakeInteger(0); }));
  ASSERT_NO_THROW(copyReader.ExecuteText(first)) << first;
  EXPECT_EQ(Texts(copy), first);
  EXPECT_EQ(copy.FindTemplate("applicant")->Comment(), "who \"applies\" \\ here");
  // The set's facts, fuzzy ones included, are asserted again in the copy.
  Engine.Reset();
  copy.Reset();
  EXPECT_EQ(copy.Facts().Count(), 5);
  EXPECT_EQ(copy.Facts().Text(), Engine.Facts().Text());
}

}  // namespace
}  // namespace vettora::testing
