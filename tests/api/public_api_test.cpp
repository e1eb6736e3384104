// The public API as an embedder uses it: only <vettora/vettora.h> is
// included and only the installed library is linked.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <map>
#include <sstream>
#include <thread>
#include <vettora/vettora.h>

namespace {

using vettora::EEngineError;
using vettora::TEngine;
using vettora::TFactView;
using vettora::TValue;

// Output kept per logical name, so tests do not print to std::cout.
struct TCapture {
  explicit TCapture(TEngine& engine) {
    engine.SetOnPrintOut([this](const std::string& id, const std::string& text) { Out[id] += text; });
  }
  std::map<std::string, std::string> Out;
};

std::vector<TFactView> FactsOf(const TEngine& engine, const std::string& templateName) {
  std::vector<TFactView> found;
  for (const TFactView& fact : engine.Facts())
    if (fact.TemplateName == templateName) found.push_back(fact);
  return found;
}

TEST(PublicEngine, RulesDeriveFactsWhoseSlotsKeepTheirKinds) {
  TEngine engine;
  TCapture capture(engine);
  engine.Load(
      "(deftemplate person (slot name) (slot age) (slot note) (multislot tags))\n"
      "(defrule older ?p <- (person (age ?a&:(< ?a 36.1)))\n"
      "  => (modify ?p (age (+ ?a 0.5)) (note \"checked\") (tags a 1)))");
  engine.Reset();
  int32_t id = engine.Assert("(person (name Ada) (age 36))");
  ASSERT_GE(id, 0);
  EXPECT_EQ(engine.Run(), 1);
  std::vector<TFactView> people = FactsOf(engine, "person");
  ASSERT_EQ(people.size(), 1u);
  const TFactView& ada = people[0];
  EXPECT_EQ(ada.Slot("name")->Kind(), TValue::vkAtom);
  EXPECT_EQ(ada.Slot("name")->AsString(), "Ada");
  EXPECT_EQ(ada.Slot("age")->Kind(), TValue::vkFloat);
  EXPECT_DOUBLE_EQ(ada.Slot("age")->AsFloat(), 36.5);
  EXPECT_EQ(ada.Slot("note")->Kind(), TValue::vkString);
  EXPECT_EQ(ada.Slot("note")->AsString(), "checked");
  ASSERT_EQ(ada.Slot("tags")->Items().size(), 2u);
  EXPECT_EQ(ada.Slot("tags")->Items()[1], TValue::Integer(1));
  EXPECT_FALSE(ada.Slot("height").has_value());
  ASSERT_TRUE(engine.FindFact(ada.ID).has_value());
  EXPECT_EQ(engine.FindFact(ada.ID)->Text, ada.Text);
  EXPECT_FALSE(engine.FindFact(9999).has_value());
}

TEST(PublicEngine, ErrorsCarryTheMessageAndTheLineAndKeepWhatWasRead) {
  TEngine engine;
  TCapture capture(engine);
  try {
    engine.Load("(deftemplate a (slot x))\n\n(defrule broken (a (x ?v)) => (printout t ?v crlf)\n");
    FAIL() << "an unterminated rule must raise";
  } catch (const EEngineError& error) {
    EXPECT_GE(error.Line(), 3) << error.what();
    EXPECT_STRNE(error.what(), "");
  }
  // The template before the bad rule is kept.
  EXPECT_GE(engine.Assert("(a (x 1))"), 0);

  EXPECT_THROW(engine.Evaluate("(no-such-function 1)"), EEngineError);
  EXPECT_THROW(engine.LoadFile("/no/such/dir/rules.clp"), EEngineError);
  try {
    engine.Retract(4711);
    FAIL();
  } catch (const EEngineError& error) {
    EXPECT_STREQ(error.what(), "No Such Fact with ID=4711 exists");
  }
}

TEST(PublicEngine, EvaluateAnswersTypedValues) {
  TEngine engine;
  EXPECT_EQ(engine.Evaluate("(+ 1 2)"), TValue::Integer(3));
  EXPECT_EQ(engine.Evaluate("(str-cat \"a\" \"b\")"), TValue::String("ab"));
  TValue list = engine.Evaluate("(create$ x 1 2.5)");
  ASSERT_EQ(list.Kind(), TValue::vkList);
  ASSERT_EQ(list.Items().size(), 3u);
  EXPECT_EQ(list.Items()[0], TValue::Atom("x"));
  EXPECT_EQ(list.Items()[2].Kind(), TValue::vkFloat);
  EXPECT_EQ(list.AsText(), engine.Evaluate("(create$ x 1 2.5)").AsText());
  EXPECT_EQ(engine.Evaluate("(version)").AsFloat(), std::stod(TEngine::Version()));
  // Out of the 32-bit range a float does not convert to a wrong integer.
  EXPECT_EQ(TValue::Float(1e12).AsInteger(), 0);
  EXPECT_EQ(TValue::Float(-7.9).AsInteger(), -7);
}

TEST(PublicEngine, RetractAndModifyWorkByFactId) {
  TEngine engine;
  engine.Load("(deftemplate item (slot k) (slot v))");
  engine.Reset();
  int32_t first = engine.Assert("(item (k 1) (v a))");
  int32_t second = engine.Assert("(item (k 2) (v b))");
  int32_t changed = engine.Modify(first, "v", TValue::String("new"));
  EXPECT_NE(changed, first);
  ASSERT_TRUE(engine.FindFact(changed).has_value());
  EXPECT_EQ(*engine.FindFact(changed)->Slot("v"), TValue::String("new"));
  EXPECT_FALSE(engine.FindFact(first).has_value());
  engine.Retract(second);
  EXPECT_EQ(FactsOf(engine, "item").size(), 1u);
  EXPECT_THROW(engine.Modify(second, "v", TValue::Integer(1)), EEngineError);
  // A duplicate fact is not asserted twice.
  EXPECT_EQ(engine.Assert("(item (k 1) (v \"new\"))"), -1);
}

TEST(PublicEngine, HostFunctionsGetEvaluatedArgumentsAndReportTheirErrors) {
  TEngine engine;
  TCapture capture(engine);
  std::vector<TValue> seen;
  engine.AddFunction("twice", 1, 1, "Doubles a number", [&](const std::vector<TValue>& args) {
    seen = args;
    if (!args[0].IsNumber()) throw std::invalid_argument("not a number");
    return TValue::Integer(args[0].AsInteger() * 2);
  });
  engine.AddFunction("nothing", 0, -1, "Answers nil", [](const std::vector<TValue>&) { return TValue(); });
  engine.Load("(defrule use (n ?x) => (printout t (twice (+ ?x 1)) crlf))");
  engine.Reset();
  engine.Assert("(n 20)");
  engine.Run();
  EXPECT_EQ(capture.Out["t"], "42\n");
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0], TValue::Integer(21));
  EXPECT_TRUE(engine.Evaluate("(nothing 1 2 3 4)").IsNil());

  try {
    engine.Evaluate("(twice abc)");
    FAIL();
  } catch (const EEngineError& error) {
    EXPECT_NE(std::string(error.what()).find("twice: not a number"), std::string::npos) << error.what();
  }
  EXPECT_THROW(engine.Evaluate("(twice 1 2)"), EEngineError);
  EXPECT_THROW(engine.AddFunction("twice", 1, 1, "", [](const auto&) { return TValue(); }), EEngineError);
  EXPECT_THROW(engine.AddFunction("+", 1, 1, "", [](const auto&) { return TValue(); }), EEngineError);
  EXPECT_THROW(engine.AddFunction("empty", 0, 0, "", nullptr), EEngineError);
}

TEST(PublicEngine, OutputAndEventsReachTheHost) {
  TEngine engine;
  std::ostringstream out;
  engine.SetOutput(&out);
  std::vector<std::string> fired;
  std::vector<int32_t> asserted, retracted;
  int resets = 0;
  engine.SetOnRuleFired([&](const std::string& rule) { fired.push_back(rule); });
  engine.SetOnAssertion([&](const TFactView& fact) { asserted.push_back(fact.ID); });
  engine.SetOnRetraction([&](const TFactView& fact) { retracted.push_back(fact.ID); });
  engine.SetOnReset([&] { ++resets; });
  engine.Load("(defrule step ?f <- (n ?x&:(< ?x 2)) => (retract ?f) (assert (n (+ ?x 1)))"
              " (printout t \"n=\" ?x crlf))");
  engine.Evaluate("(watch rules)");
  engine.Reset();
  engine.Assert("(n 0)");
  EXPECT_EQ(engine.Run(), 2);
  EXPECT_EQ(fired, (std::vector<std::string>{"step", "step"}));
  EXPECT_EQ(resets, 1);
  EXPECT_EQ(retracted.size(), 2u);
  EXPECT_GE(asserted.size(), 3u);
  std::string text = out.str();
  size_t first = text.find("n=0\n"), second = text.find("n=1\n");
  ASSERT_NE(second, std::string::npos) << text;
  EXPECT_LT(first, second) << text;
  EXPECT_LT(text.find("FIRE"), first) << text;
  EXPECT_EQ(text.find('\r'), std::string::npos);
}

TEST(PublicEngine, HaltFromAnotherThreadStopsARunawayRun) {
  TEngine engine;
  engine.SetOnPrintOut([](const std::string&, const std::string&) {});
  engine.Load("(defrule forever ?f <- (n ?x) => (retract ?f) (assert (n (+ ?x 1))))");
  engine.Reset();
  engine.Assert("(n 0)");
  std::atomic<bool> started = false;
  engine.SetOnRuleFired([&](const std::string&) { started = true; });
  std::thread stopper([&] {
    while (!started) std::this_thread::yield();
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    engine.Halt();
  });
  int32_t fired = engine.Run();
  stopper.join();
  EXPECT_GT(fired, 0);
  EXPECT_LT(fired, TEngine::kRunForever);
  // The engine stays usable after a halted run.
  EXPECT_EQ(engine.Run(3), 3);
}

}  // namespace
