// The fact list: identifiers, duplicates, the order of assertion and
// retraction steps, modification, duplication, deferred work and the
// index-and-ID bookkeeping under many retractions.
#include "knowledge/fact_list.h"

#include <gtest/gtest.h>

#include <limits>

#include "fake_fact_engine.h"
#include "knowledge/fact.h"
#include "knowledge/fact_template.h"
#include "values/value_vector.h"

namespace vettora {
namespace {

template <class F>
std::string ErrorOf(F&& f) {
  try {
    f();
  } catch (const std::exception& e) {
    return e.what();
  }
  return "<no error>";
}

class FactListTest : public ::testing::Test {
 protected:
  FactListTest() {
    engine.List = &list;
    ordered = MakeRef<TFactTemplate>("a", &engine);
    ordered->AddMultiSlot("__Data", MakeList(MakeRef<TValueVector>()));
    pair = MakeRef<TFactTemplate>("p", &engine);
    pair->AddSlot("x", MakeAtom(""));
    pair->AddSlot("y", MakeAtom(""));
  }

  // An ordered fact (a v...) of atoms and integers.
  IFact A(std::initializer_list<int32_t> numbers) {
    IValueVector data = MakeRef<TValueVector>();
    for (int32_t n : numbers) data->Add(MakeInteger(n));
    IFact fact = ordered->CreateFact();
    fact->SetSlotValue("__Data", MakeList(data));
    return fact;
  }
  IFact P(const char* x, const char* y) {
    IFact fact = pair->CreateFact();
    fact->SetSlotValue("x", MakeAtom(x));
    fact->SetSlotValue("y", MakeAtom(y));
    return fact;
  }
  std::string Ids() const {
    std::string ids;
    for (int32_t i = 0; i < list.Count(); ++i) ids += std::to_string(list.Items(i)->ID()) + " ";
    return ids;
  }

  TFakeFactEngine engine;
  TFactList list{&engine};
  IFactTemplate ordered;
  IFactTemplate pair;
};

TEST_F(FactListTest, DuplicatesAreRefusedUnlessAllowed) {
  EXPECT_EQ(list.Assert(A({1})), 0);
  IFact again = A({1});
  EXPECT_EQ(list.Assert(again), -1);
  EXPECT_EQ(again->ID(), -1);
  EXPECT_EQ(list.Count(), 1);
  EXPECT_EQ(list.NextId(), 1);
  engine.Duplication = true;
  EXPECT_EQ(list.Assert(again), 1);
  EXPECT_EQ(list.Assert(A({1})), 2);
  EXPECT_EQ(Ids(), "0 1 2 ");
  // The same object is never filed twice.
  EXPECT_EQ(list.Assert(again), -1);
  EXPECT_EQ(list.Count(), 3);
}

TEST_F(FactListTest, CollidingHashCodesAreNotDuplicates) {
  IFact first = P("ab", "c");
  IFact second = P("a", "bc");
  ASSERT_EQ(first->HashCode(), second->HashCode());
  ASSERT_FALSE(first->Equals(*second));
  EXPECT_EQ(list.Assert(first), 0);
  EXPECT_EQ(list.Assert(second), 1);
  EXPECT_EQ(list.FindEqual(*P("a", "bc")), 1);
  EXPECT_EQ(list.RetractEqual(*P("ab", "c")), 0);
  EXPECT_EQ(list.Items(0).Get(), second.Get());
}

TEST_F(FactListTest, AssertionAndRetractionStepsRunInOrder) {
  engine.Watching = true;
  IFact fact = A({1});
  list.Assert(fact);
  EXPECT_EQ(engine.Log, (std::vector<std::string>{"add 0", "asserted 0"}));
  EXPECT_EQ(engine.Output, "[] ==> f-0 (a 1 )\r\n");  // padded to the counter, now 1
  engine.Log.clear();
  engine.Output.clear();
  list.Retract(0);
  EXPECT_EQ(engine.Log, (std::vector<std::string>{"retracting 0", "remove 0"}));
  EXPECT_EQ(engine.Output, "[] <== f-0 (a 1 )\r\n");
  EXPECT_EQ(fact->ID(), 0);  // a retracted fact keeps its ID
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(list.RetractEqual(*A({1})), -1);

  list.Assert(A({2}));
  engine.Log.clear();
  list.Clear();
  EXPECT_EQ(engine.Log, (std::vector<std::string>{"clear", "cleared"}));
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(list.NextId(), 2);  // the engine's reset sets the counter
  EXPECT_EQ(list.HighestId(), -1);
  EXPECT_EQ(ErrorOf([&] { list.Assert(MakeRef<TFact>()); }), "Fact Template is missing");
}

TEST_F(FactListTest, RetractEqualTakesTheLowestId) {
  engine.Duplication = true;
  list.Assert(A({1}));
  list.Assert(A({2}));
  list.Assert(A({1}));
  EXPECT_EQ(list.RetractEqual(*A({1})), 0);
  EXPECT_EQ(Ids(), "1 2 ");
}

TEST_F(FactListTest, ModifyMovesTheFactToTheEndUnderANewId) {
  for (int32_t i = 0; i < 7; ++i) list.Assert(A({i}));
  IFact third = list.FindById(3);
  int32_t id = list.Modify(3, [](TFact& f) {
    IValueVector data = MakeRef<TValueVector>();
    data->Add(MakeInteger(33));
    f.SetSlotValue("__Data", MakeList(data));
  });
  EXPECT_EQ(id, 7);
  EXPECT_EQ(Ids(), "0 1 2 4 5 6 7 ");
  EXPECT_EQ(list.Items(6).Get(), third.Get());
  EXPECT_EQ(list.FindById(3), nullptr);
  EXPECT_EQ(ErrorOf([&] { list.Modify(3, nullptr); }), "No Such Fact with ID=3 exists");
  // A failing change still re-asserts the fact, then reports the error.
  EXPECT_EQ(ErrorOf([&] { list.Modify(7, [](TFact&) { throw EIEException("boom"); }); }), "boom");
  EXPECT_EQ(Ids(), "0 1 2 4 5 6 8 ");
}

TEST_F(FactListTest, ModifyWithDuplicatesRetractsTheFactGivenById) {
  engine.Duplication = true;
  IFact first = A({1});
  IFact second = A({1});
  list.Assert(first);
  list.Assert(second);
  EXPECT_EQ(list.Modify(1, nullptr), 2);
  EXPECT_EQ(Ids(), "0 2 ");
  EXPECT_EQ(list.Items(0).Get(), first.Get());
  EXPECT_EQ(list.Items(1).Get(), second.Get());
}

TEST_F(FactListTest, DuplicateAssertsAChangedCopy) {
  list.Assert(P("a", "b"));
  int32_t id = list.Duplicate(0, [](TFact& f) { f.SetSlotValue("y", MakeAtom("c")); });
  EXPECT_EQ(id, 1);
  EXPECT_EQ(list.Text(), "(p (x a) (y b))\r\n(p (x a) (y c))");
  EXPECT_EQ(list.Duplicate(0, nullptr), -1);  // an unchanged copy is a duplicate
  EXPECT_EQ(ErrorOf([&] { list.Duplicate(9, nullptr); }), "No Such Fact with ID=9 exists");
}

TEST_F(FactListTest, DeferredWorkIsDrainedAfterEachStep) {
  list.QueueFact(A({2}), true);
  list.QueueFact(A({3}), true);
  list.Assert(A({1}));
  EXPECT_EQ(list.Text(), "(a 1 )\r\n(a 2 )\r\n(a 3 )");
  EXPECT_EQ(engine.Log, (std::vector<std::string>{"add 0", "add 1", "asserted 1", "add 2",
                                                  "asserted 2", "asserted 0"}));
  list.QueueFact(A({2}), false);
  list.QueueFact(A({9}), false);  // nothing equal: ignored
  list.Retract(0);
  EXPECT_EQ(list.Text(), "(a 3 )");
  EXPECT_EQ(list.QueuedRetractions(), 0);
  list.QueueFact(A({4}), true);
  list.ClearQueues();
  list.Assert(A({5}));
  EXPECT_EQ(list.Text(), "(a 3 )\r\n(a 5 )");
}

TEST_F(FactListTest, CounterOverflowIsAnError) {
  list.SetNextId(std::numeric_limits<int32_t>::max());
  IFact fact = A({1});
  EXPECT_EQ(ErrorOf([&] { list.Assert(fact); }), "Integer overflow");
  EXPECT_EQ(fact->ID(), -1);
  EXPECT_EQ(list.Count(), 0);
}

TEST_F(FactListTest, LoadingKeepsStoredIdsInOrder) {
  list.Assert(A({0}));  // ID 0
  IFact five = A({5});
  five->SetID(5);
  IFact two = A({2});
  two->SetID(2);
  IFact taken = A({7});
  taken->SetID(0);
  EXPECT_EQ(list.AssertKeepingId(five), 5);
  EXPECT_EQ(list.AssertKeepingId(two), 2);
  EXPECT_EQ(list.AssertKeepingId(taken), 6);  // ID 0 is taken: next ID
  EXPECT_EQ(Ids(), "0 2 5 6 ");
  EXPECT_EQ(list.NextId(), 7);
  EXPECT_EQ(list.IndexOfId(5), 2);
}

TEST_F(FactListTest, IndexesAndIdsStayConsistentUnderManyRetractions) {
  for (int32_t i = 0; i < 200; ++i) list.Assert(A({i}));
  for (int32_t id = 0; id < 200; id += 2) list.Retract(list.IndexOfId(id));
  ASSERT_EQ(list.Count(), 100);
  for (int32_t i = 0; i < 100; ++i) {
    EXPECT_EQ(list.Items(i)->ID(), 2 * i + 1);
    EXPECT_EQ(list.IndexOfId(2 * i + 1), i);
    EXPECT_EQ(list.IndexOfId(2 * i), -1);
  }
  EXPECT_EQ(list.Items(57)->ID(), 115);  // random access after sequential
  EXPECT_EQ(list.FindEqual(*A({199})), 99);
  while (list.Count() > 3) list.Retract(1);
  EXPECT_EQ(Ids(), "1 197 199 ");
  EXPECT_THROW((void)list.Items(3), EListError);
  EXPECT_EQ(list.Assert(A({1})), -1);
  EXPECT_EQ(list.Assert(A({500})), 200);
}

// A rule that retracts its fact and asserts the next one, over and over:
// the newest fact is reached directly, holes pile up behind it, and the
// duplicate index reuses the entries of retracted facts.
TEST_F(FactListTest, RetractingTheNewestFactAndAssertingAnotherStaysConsistent) {
  list.Assert(A({-1}));  // an old fact that stays, so holes form after it
  for (int32_t i = 0; i < 100; ++i) {
    ASSERT_EQ(list.Assert(A({i})), i + 1);
    ASSERT_EQ(list.Count(), 2);
    ASSERT_EQ(list.Items(1)->ID(), i + 1);
    ASSERT_EQ(list.IndexOfId(i + 1), 1);
    ASSERT_EQ(list.FindEqual(*A({i})), 1);
    if (i > 0) {
      ASSERT_EQ(list.FindEqual(*A({i - 1})), -1);
    }
    list.Retract(1);
  }
  EXPECT_EQ(Ids(), "0 ");
  EXPECT_EQ(list.IndexOfId(0), 0);
  // The newest fact gone, the last index is found through the tree.
  list.Assert(A({7}));
  list.Assert(A({8}));
  list.Retract(list.IndexOfId(102));
  EXPECT_EQ(Ids(), "0 101 ");
  EXPECT_EQ(list.Items(1)->ID(), 101);
  EXPECT_EQ(list.IndexOfId(101), 1);
  EXPECT_EQ(list.FindEqual(*A({7})), 1);
}

// Facts are made in recycled memory: a fact made where a retracted one
// lived is a new fact, with its own ID, found and refused as any other;
// equal nested multifields make duplicates.
TEST_F(FactListTest, AFactMadeInARetractedFactsMemoryIsANewFact) {
  ASSERT_EQ(list.Assert(A({1})), 0);
  list.Retract(0);  // the list held the last handle
  IFact next = A({1});
  EXPECT_EQ(list.Assert(next), 1);
  EXPECT_EQ(Ids(), "1 ");
  EXPECT_EQ(list.FindEqual(*A({1})), 0);
  EXPECT_EQ(list.Assert(A({1})), -1);
  auto nested = [this](double f) {
    IValueVector inner = MakeRef<TValueVector>();
    inner->Add(MakeString("s t"));
    inner->Add(MakeFloat(f));
    IFact fact = A({2});
    fact->GetSlotValue("__Data")->AsList()->Add(MakeList(inner));
    return fact;
  };
  EXPECT_EQ(list.Assert(nested(0.5)), 2);
  EXPECT_EQ(list.Assert(nested(0.5)), -1);
  EXPECT_EQ(list.Assert(nested(0.25)), 3);
}

}  // namespace
}  // namespace vettora
