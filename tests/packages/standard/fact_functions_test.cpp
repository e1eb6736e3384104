// assert, assert-string, retract, retract-string, get-slot-value, the
// fact-duplication switch and do-backward-chaining.
#include <sstream>

#include "engine/fact_templates.h"
#include "fact_test_util.h"

namespace vettora::testing {
namespace {

TEST_F(FactTest, EveryFactStorageAndListFunctionIsRegistered) {
  std::istringstream names(
      "assert assert-string retract retract-string modify duplicate get-slot-value "
      "get-fact-duplication set-fact-duplication do-backward-chaining load-facts save-facts "
      "store fetch clear-storage __get-var gensym* create$ delete$ explode$ first$ length$ "
      "implode$ insert$ member member$ nth$ replace$ rest$ subseq$ subsetp");
  for (std::string name; names >> name;) {
    IUserFunction function;
    ASSERT_TRUE(Engine.FindFunction(name, function)) << name;
    EXPECT_EQ(function->FunctionName(), name);
    EXPECT_FALSE(function->Comment().empty()) << name;
    // Signatures are stored with a leading blank, or empty without arguments.
    const std::string& signature = function->ArgumentString();
    EXPECT_TRUE(signature.empty() || signature[0] == ' ') << name;
    EXPECT_EQ(signature.empty(), function->MaxArgumentCount() == 0) << name;
  }
}

TEST_F(FactTest, AssertAnswersTheLastIdOrFalse) {
  Run("(deftemplate p (slot a) (multislot m))");
  EXPECT_EQ(Text("(assert (p (a 1) (m x y)) (q x 2))"), "<Fact-2>");
  EXPECT_EQ(Eval("(assert (q z))")->DType(), dtFactId);
  EXPECT_EQ(Text("(assert)"), "FALSE");
  // An equal fact is refused while duplicates are off: FALSE, nothing added.
  EXPECT_EQ(Text("(assert (q x 2))"), "FALSE");
  EXPECT_EQ(Text("(assert (q w) (q x 2))"), "FALSE");  // the last one decides
  EXPECT_EQ(Facts(),
            "f-0 (Initial-Fact); f-1 (p (a 1) (m x y )); f-2 (q x 2 ); f-3 (q z ); "
            "f-4 (q w )");
  EXPECT_TRUE(Contains(ErrorOf("(assert 5)"), "Not a fact type"));
}

TEST_F(FactTest, AssertEvaluatesSlotsOfAFreshCopyEveryTime) {
  Run("(deftemplate p (slot a))"
      "(deffunction add (?v) (assert (p (a ?v)) (q ?v (length$ (create$ ?v ?v)))))");
  EXPECT_EQ(Text("(add 1)"), "<Fact-2>");
  EXPECT_EQ(Text("(add 2)"), "<Fact-4>");
  EXPECT_EQ(Facts(),
            "f-0 (Initial-Fact); f-1 (p (a 1)); f-2 (q 1 2 ); f-3 (p (a 2)); f-4 (q 2 2 )");
}

TEST_F(FactTest, AssertStringParsesEachText) {
  EXPECT_EQ(Text("(assert-string \"(a 1)\" \"(b two)\")"), "<Fact-2>");
  // A refused duplicate is FALSE, as with assert.
  EXPECT_EQ(Text("(assert-string \"(a 1)\")"), "FALSE");
  EXPECT_EQ(Facts(), "f-0 (Initial-Fact); f-1 (a 1 ); f-2 (b two )");
  EXPECT_EQ(ErrorOf("(assert-string)"), "Too few arguments for assert-string");
}

TEST_F(FactTest, RetractByIdSkipsMissingIdsAndStarClearsAll) {
  Run("(assert (a 1) (a 2) (a 3) (a 4))");
  EXPECT_EQ(Text("(retract 2 999 4)"), "TRUE");
  EXPECT_EQ(Facts(), "f-0 (Initial-Fact); f-1 (a 1 ); f-3 (a 3 )");
  EXPECT_EQ(Text("(retract 999)"), "TRUE");
  EXPECT_EQ(Engine.Facts().Count(), 3);
  int cleared = 0;
  Engine.OnClearFacts = [&cleared](TObject&) { ++cleared; };
  EXPECT_EQ(Text("(retract *)"), "TRUE");
  EXPECT_EQ(Engine.Facts().Count(), 0);
  EXPECT_EQ(cleared, 1);
  EXPECT_EQ(ErrorOf("(retract)"), "Too few arguments for retract");
  EXPECT_TRUE(Contains(ErrorOf("(retract abc)"), "Not a fact id type"));
}

TEST_F(FactTest, RetractStringRemovesTheEqualFact) {
  Run("(deftemplate p (slot a) (slot b))(assert (p (a 1) (b 2)) (x y))");
  EXPECT_EQ(Text("(retract-string \"(p (b 2) (a 1))\" \"(x z)\")"), "TRUE");
  EXPECT_EQ(Facts(), "f-0 (Initial-Fact); f-2 (x y )");
  EXPECT_EQ(Text("(retract-string)"), "TRUE");
}

TEST_F(FactTest, GetSlotValueReadsByIdOrFact) {
  Run("(deftemplate p (slot a) (multislot m))(assert (p (a 7) (m x y)) (o 1 2))"
      "(deffunction of-fact (?f) (get-slot-value ?f a))");
  EXPECT_EQ(Text("(get-slot-value 1 a)"), "7");
  EXPECT_EQ(Text("(get-slot-value 1 m)"), "[x y]");
  EXPECT_EQ(Text("(get-slot-value 2)"), "[1 2]");  // the list of an ordered fact
  // The answer is a copy: changing it leaves the fact alone.
  IIEValue copy = Eval("(get-slot-value 1 a)");
  copy->SetAsInteger(99);
  EXPECT_EQ(Text("(get-slot-value 1 a)"), "7");
  EXPECT_EQ(ErrorOf("(get-slot-value 42 a)"), "No Such Fact with ID=42 exists");
  EXPECT_EQ(ErrorOf("(get-slot-value \"1\" a)"),
            "Invalid argument type for deffunction: \"dtString\".  Expected FactId, Fact");
  EXPECT_EQ(ErrorOf("(get-slot-value 1 zz)"), "No such slot name: \"zz\"");
}

TEST_F(FactTest, FactDuplicationSwitchNamesTheOppositeSense) {
  // TRUE means equal facts are ignored, the engine's FactDuplication false.
  EXPECT_EQ(Text("(get-fact-duplication)"), "TRUE");
  EXPECT_EQ(Text("(set-fact-duplication TRUE)"), "TRUE");
  EXPECT_EQ(Text("(get-fact-duplication)"), "TRUE");
  EXPECT_FALSE(Engine.FactDuplication());
  EXPECT_EQ(Text("(set-fact-duplication FALSE)"), "TRUE");
  EXPECT_TRUE(Engine.FactDuplication());
  EXPECT_EQ(Text("(get-fact-duplication)"), "FALSE");
  // Now equal facts are listed side by side.
  EXPECT_EQ(Text("(assert (d 1))"), "<Fact-1>");
  EXPECT_EQ(Text("(assert (d 1))"), "<Fact-2>");
  // Anything but FALSE makes equal facts ignored again.
  EXPECT_EQ(Text("(set-fact-duplication yes)"), "FALSE");
  EXPECT_FALSE(Engine.FactDuplication());
  EXPECT_EQ(Text("(assert (d 1))"), "FALSE");
}

TEST_F(FactTest, BackwardChainingMarksTheTemplateAndFilesItsGoal) {
  Run("(deftemplate p (slot a) (multislot m))");
  EXPECT_EQ(Text("(do-backward-chaining p fresh)"), "TRUE");
  IFactTemplate p = Engine.FindTemplate("p");
  EXPECT_TRUE(p->BackwardChaining());
  IFactTemplate goal = Engine.FactTemplates().Find("need-p");
  ASSERT_TRUE(goal);
  EXPECT_EQ(goal->Comment(), "Goal seeker for p");
  EXPECT_EQ(goal->Parent().Get(), p.Get());
  EXPECT_FALSE(goal->BackwardChaining());
  EXPECT_TRUE(goal->HasSlot("a"));
  EXPECT_TRUE(goal->FindSlot("m")->IsMultiSlot());
  // A template that did not exist is made (implied) first.
  ASSERT_TRUE(Engine.FindTemplate("fresh"));
  EXPECT_TRUE(Engine.FindTemplate("fresh")->BackwardChaining());
  EXPECT_TRUE(Engine.FactTemplates().Find("need-fresh"));
  EXPECT_EQ(ErrorOf("(do-backward-chaining test)"), "Cannot backchain on special CEs: test");
  EXPECT_EQ(ErrorOf("(do-backward-chaining not)"), "Cannot backchain on special CEs: not");
}

}  // namespace
}  // namespace vettora::testing
