// The agenda containers and the placement rule of both search strategies.
#include "matching/agenda.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <vector>

#include "knowledge/fact.h"
#include "matching/activation.h"
#include "matching/messages.h"
#include "matching/ranked_sequence.h"
#include "matching/rule.h"
#include "matching/search_strategy.h"
#include "values/exceptions.h"

namespace vettora {
namespace {

// Rules by salience and activations of them, owned by the fixture; the
// agendas under test are told not to own them unless a test says so.
class AgendaTest : public ::testing::Test {
 protected:
  TRule& RuleOf(int32_t salience, const std::string& name = "r") {
    auto rule = std::make_unique<TRule>();
    rule->SetRuleName(name + std::to_string(FRules.size()));
    rule->SetSalience(salience);
    FRules.push_back(std::move(rule));
    return *FRules.back();
  }

  // A new activation of a rule of that salience; its token holds one fact
  // with the given ID.
  TActivation* Activation(int32_t salience, int32_t factId = 1) {
    IFact fact = MakeRef<TFact>(MakeRef<TFactTemplate>("a"));
    fact->SetID(factId);
    return new TActivation(&RuleOf(salience), 1.0f, nullptr, MakeRef<TIEToken>(taAdd, fact));
  }

  // An agenda holding activations of these saliences, front first.
  void Fill(TActivationAgenda& agenda, const std::vector<int32_t>& saliences) {
    for (int32_t s : saliences) agenda.Add(Activation(s));
  }

  std::vector<std::unique_ptr<TRule>> FRules;
};

TEST_F(AgendaTest, PlainAgendaAppendsAndOwnsItsActivations) {
  TActivationAgenda agenda;
  TActivation* first = Activation(5);
  TActivation* second = Activation(50);
  EXPECT_EQ(agenda.Add(first), 0);
  EXPECT_EQ(agenda.Add(second), 1);  // insertion order, whatever the salience
  EXPECT_EQ(agenda.Count(), 2);
  EXPECT_EQ(agenda.Items(1), second);
  EXPECT_EQ(agenda.IndexOf(second), 1);
  EXPECT_EQ(agenda.IndexOf(nullptr), -1);

  // Extract hands the activation over and keeps ownership switched on.
  TActivation* taken = agenda.Extract(0);
  EXPECT_EQ(taken, first);
  EXPECT_TRUE(agenda.OwnsObjects());
  EXPECT_EQ(agenda.IndexOf(first), -1);
  EXPECT_EQ(agenda.IndexOf(second), 0);
  delete taken;

  // An out-of-range Extract raises and still leaves ownership as it was.
  EXPECT_THROW((void)agenda.Extract(3), EListError);
  EXPECT_TRUE(agenda.OwnsObjects());
  agenda.SetOwnsObjects(false);
  EXPECT_THROW((void)agenda.Extract(-1), EListError);
  EXPECT_FALSE(agenda.OwnsObjects());
  agenda.SetOwnsObjects(true);
}  // the agenda frees `second` (checked by the sanitizer build)

TEST_F(AgendaTest, StoringAnythingButAnActivationIsRefused) {
  TActivationAgenda agenda;
  TActivation* activation = Activation(0);
  agenda.Add(activation);
  TObject stranger;
  try {
    agenda.SetObject(0, &stranger);
    FAIL() << "no error";
  } catch (const EIEException& e) {
    EXPECT_STREQ(e.what(), kInvalidAgendaObject);
  }
  EXPECT_EQ(agenda.Items(0), activation);
  EXPECT_THROW(agenda.Add(nullptr), EIEException);
  EXPECT_EQ(agenda.Count(), 1);
}

TEST_F(AgendaTest, EntryTextIsCapturedWhenAdded) {
  TActivationAgenda agenda;
  IFact f5 = MakeRef<TFact>(MakeRef<TFactTemplate>("a"));
  IFact f3 = MakeRef<TFact>(MakeRef<TFactTemplate>("b"));
  f5->SetID(5);
  f3->SetID(3);
  TRule& rule = RuleOf(10);
  rule.SetRuleName("display-assessment");
  IReteToken token = TIEToken::Extend(MakeRef<TIEToken>(taAdd, f5), f3);
  agenda.Add(new TActivation(&rule, 1.0f, nullptr, token));
  EXPECT_EQ(agenda.Strings(0), "10 display-assessment : f-5, f-3 (1.0000)");
  rule.SetSalience(99);
  rule.SetRuleName("renamed");
  EXPECT_EQ(agenda.Strings(0), "10 display-assessment : f-5, f-3 (1.0000)");
  EXPECT_EQ(agenda.Salience(0), 99);  // ordering reads the rule as it is now

  agenda.Add(Activation(-5));
  EXPECT_EQ(agenda.Strings(1).substr(0, 3), "-5 ");
}

TEST_F(AgendaTest, AssignSharesTheActivationsInOrder) {
  TActivationAgenda source;
  source.SetOwnsObjects(false);
  std::vector<TActivation*> made;
  for (int32_t s : {3, 1, 2}) {
    made.push_back(Activation(s));
    source.Add(made.back());
  }
  TActivationAgenda copy;
  copy.SetOwnsObjects(false);
  copy.Assign(source);
  ASSERT_EQ(copy.Count(), 3);
  for (int32_t i = 0; i < 3; ++i) {
    EXPECT_EQ(copy.Items(i), made[size_t(i)]);
    EXPECT_EQ(copy.Strings(i), source.Strings(i));
  }
  copy.Delete(1);
  EXPECT_EQ(copy.IndexOf(made[2]), 1);
  EXPECT_EQ(source.Count(), 3);
  for (TActivation* a : made) delete a;
}

// The first agenda to file an activation keeps its entry in the
// activation; any other agenda holding it keeps its own index. Either way
// each agenda finds exactly its own entries.
TEST_F(AgendaTest, AnActivationFiledInTwoAgendasIsFoundInEach) {
  TActivationAgenda first;
  TActivationAgenda second;
  first.SetOwnsObjects(false);
  second.SetOwnsObjects(false);
  TActivation* a = Activation(1);
  TActivation* b = Activation(2);
  first.Add(a);
  first.Add(b);
  second.Add(b);
  second.Add(a);
  EXPECT_EQ(first.IndexOf(a), 0);
  EXPECT_EQ(first.IndexOf(b), 1);
  EXPECT_EQ(second.IndexOf(b), 0);
  EXPECT_EQ(second.IndexOf(a), 1);
  first.Delete(0);
  EXPECT_EQ(first.IndexOf(a), -1);
  EXPECT_EQ(second.IndexOf(a), 1);
  first.Add(a);
  EXPECT_EQ(first.IndexOf(a), 1);
  second.Clear();
  EXPECT_EQ(second.IndexOf(a), -1);
  EXPECT_EQ(second.IndexOf(b), -1);
  EXPECT_EQ(first.IndexOf(b), 0);
  EXPECT_EQ(first.IndexOf(a), 1);
  // Replacing an entry's activation moves the lookup with it.
  first.SetActivation(1, b);
  EXPECT_EQ(first.IndexOf(a), -1);
  EXPECT_EQ(first.IndexOf(b), 0);  // filed twice: the first entry is found
  first.Clear();
  second.Add(a);
  EXPECT_EQ(second.IndexOf(a), 0);
  delete a;
  delete b;
}

int32_t Place(TActivationAgenda& agenda, int32_t salience, TSearchStrategy strategy) {
  return StrategyInsertionIndex(agenda, salience, strategy);
}

TEST_F(AgendaTest, DepthFirstPlacement) {
  TActivationAgenda empty;
  EXPECT_EQ(Place(empty, 7, ssDepthFirst), -1);

  TActivationAgenda two;
  Fill(two, {10, 0});
  EXPECT_EQ(Place(two, 0, ssDepthFirst), 1);    // ahead of the old 0
  EXPECT_EQ(Place(two, 10, ssDepthFirst), 0);   // equal to the front goes first
  EXPECT_EQ(Place(two, 11, ssDepthFirst), 0);   // above all
  EXPECT_EQ(Place(two, -1, ssDepthFirst), -1);  // below all: appended
  EXPECT_EQ(Place(two, 5, ssDepthFirst), 1);

  TActivationAgenda zeros;
  Fill(zeros, {10, 0, 0, 0, 0, 0, 0});
  // The search meets index 3 first: behind two older activations of 0.
  EXPECT_EQ(Place(zeros, 0, ssDepthFirst), 3);
}

TEST_F(AgendaTest, BreadthFirstPlacement) {
  TActivationAgenda empty;
  EXPECT_EQ(Place(empty, 7, ssBreadthFirst), -1);

  TActivationAgenda fives;
  Fill(fives, {10, 5, 5, 5, 0});
  EXPECT_EQ(Place(fives, 5, ssBreadthFirst), 2);
  EXPECT_EQ(Place(fives, 0, ssBreadthFirst), -1);  // equal to the last: appended
  // Not above the front, so the search decides: it meets the front first.
  EXPECT_EQ(Place(fives, 10, ssBreadthFirst), 0);
  EXPECT_EQ(Place(fives, 11, ssBreadthFirst), 0);
  EXPECT_EQ(Place(fives, -3, ssBreadthFirst), -1);
  EXPECT_EQ(Place(fives, 7, ssBreadthFirst), 1);

  TActivationAgenda two;
  Fill(two, {10, 0});
  EXPECT_EQ(Place(two, 0, ssBreadthFirst), -1);  // appended at index 2
}

// The engine's agenda asks its engine; an agenda without engine, or an
// empty one, appends.
class FixedEngine : public IAgendaEngine {
 public:
  int32_t InsertionIndex(int32_t salience) override {
    Asked.push_back(salience);
    return 0;
  }
  std::vector<int32_t> Asked;
};

TEST_F(AgendaTest, EngineAgendaAsksItsEngine) {
  FixedEngine engine;
  TIEAgenda agenda(&engine);
  EXPECT_EQ(agenda.Add(Activation(4)), 0);
  EXPECT_TRUE(engine.Asked.empty());
  EXPECT_EQ(agenda.Add(Activation(8)), 0);
  EXPECT_EQ(engine.Asked, std::vector<int32_t>{8});

  TIEAgenda lone;
  lone.Add(Activation(1));
  EXPECT_EQ(lone.Add(Activation(9)), 1);
}

// The ranked sequence against a plain vector, over random inserts and
// erasures at every position.
TEST(RankedSequenceTest, MatchesAVectorUnderRandomEdits) {
  TRankedSequence<int> sequence;
  std::vector<std::pair<int, TRankedSequence<int>::TNode*>> model;
  std::mt19937 random(7);
  for (int step = 0; step < 4000; ++step) {
    bool insert = model.empty() || random() % 3 != 0;
    if (insert) {
      int32_t at = int32_t(random() % (model.size() + 1));
      auto* node = sequence.Insert(at, step);
      model.insert(model.begin() + at, {step, node});
    } else {
      size_t at = random() % model.size();
      EXPECT_EQ(sequence.Erase(model[at].second), model[at].first);
      model.erase(model.begin() + long(at));
    }
    ASSERT_EQ(sequence.Count(), int32_t(model.size()));
    if (step % 97 == 0) {
      size_t i = 0;
      for (auto* node = sequence.First(); node; node = TRankedSequence<int>::Next(node), ++i) {
        ASSERT_EQ(node->Value(), model[i].first);
        ASSERT_EQ(sequence.IndexOf(node), int32_t(i));
        ASSERT_EQ(sequence.NodeAt(int32_t(i)), node);
      }
      ASSERT_EQ(i, model.size());
    }
  }
  EXPECT_THROW((void)sequence.NodeAt(int32_t(model.size())), EListError);
  EXPECT_THROW(sequence.Insert(-1, 0), EListError);
}

}  // namespace
}  // namespace vettora
