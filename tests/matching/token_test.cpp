#include "matching/token.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "matching/token_tree.h"
#include "matching_helpers.h"

namespace vettora {
namespace {

using namespace vettora::testing;

class TTokenTest : public ::testing::Test {
 protected:
  IFact F(int32_t id) { return Implied(FTemplate, id, {MakeInteger(id)}); }
  IFactTemplate FTemplate = ImpliedTemplate("a");
};

TEST_F(TTokenTest, ChainsHashAndPosition) {
  IReteToken t3 = MakeRef<TIEToken>(taAdd, F(3));
  IReteToken t35 = TIEToken::Extend(t3, F(5));
  IReteToken t352 = TIEToken::Extend(t35, F(2));
  EXPECT_EQ(t3->Hash(), 3);
  EXPECT_EQ(t35->Hash(), 29);
  EXPECT_EQ(t352->Hash(), 234);
  EXPECT_EQ(t352->Count(), 3);
  EXPECT_EQ(t352->Tag(), taAdd);
  EXPECT_EQ(t352->FactAt(0)->ID(), 3);
  EXPECT_EQ(t352->FactAt(1)->ID(), 5);
  EXPECT_EQ(t352->FactAt(2)->ID(), 2);
  EXPECT_EQ(t352->FactAt(7)->ID(), 2);  // past the end: the last fact
  EXPECT_FALSE(t352->FactAt(-1));
  EXPECT_EQ(t352->FactList(), "f-3, f-5, f-2");
  // An empty extending fact shifts the hash only.
  EXPECT_EQ(TIEToken::Extend(t35, nullptr)->Hash(), 232);
}

TEST_F(TTokenTest, HashesWrapInsteadOfOverflowing) {
  IReteToken t = MakeRef<TIEToken>(taAdd, F(2147483647));
  for (int i = 0; i < 40; ++i) t = TIEToken::Extend(t, F(2147483000 + i));
  uint32_t expected = 2147483647u;
  for (int i = 0; i < 40; ++i) expected = expected * 8u + uint32_t(2147483000 + i);
  EXPECT_EQ(t->Hash(), int32_t(expected));
  EXPECT_EQ(t->Count(), 41);
}

TEST_F(TTokenTest, EqualityIgnoresTagsButNotStrength) {
  IFact f = F(4);
  IReteToken add = MakeRef<TIEToken>(taAdd, f);
  IReteToken remove = MakeRef<TIEToken>(taRemove, f);
  EXPECT_TRUE(add->Equals(*remove));
  remove->SetStrength(0.5f);
  EXPECT_FALSE(add->Equals(*remove));

  // Chains compare fact by fact; equal prefixes need not be one object.
  IReteToken a = TIEToken::Extend(MakeRef<TIEToken>(taAdd, F(1)), F(2));
  IReteToken b = TIEToken::Extend(MakeRef<TIEToken>(taAdd, F(1)), F(2));
  EXPECT_TRUE(a->Equals(*b));
  IReteToken c = TIEToken::Extend(MakeRef<TIEToken>(taAdd, F(9)), F(2));
  EXPECT_FALSE(a->Equals(*c));
  // A parent only on the other side is still equal; only on this side not.
  IReteToken single = MakeRef<TIEToken>(taAdd, F(6));
  IReteToken withInitial = TIEToken::Extend(MakeRef<TIEToken>(taAdd, F(0)), F(6));
  EXPECT_TRUE(single->Equals(*withInitial));
  EXPECT_FALSE(withInitial->Equals(*single));
}

TEST_F(TTokenTest, CopiesOfOneFactAreEqualOnlyWithEqualValues) {
  // A multislot split passes one copy of the fact per way of splitting it;
  // each way is a token of its own, and a removal's copy finds its way.
  IFact original = F(4);
  IFact way1 = original->Clone();
  IFact way2 = original->Clone();
  IFact again = original->Clone();
  way1->StoreValueAt(0, MakeAtom("first"));
  way2->StoreValueAt(0, MakeAtom("second"));
  again->StoreValueAt(0, MakeAtom("first"));
  IReteToken a = MakeRef<TIEToken>(taAdd, way1);
  EXPECT_FALSE(a->Equals(*MakeRef<TIEToken>(taAdd, way2)));
  EXPECT_TRUE(a->Equals(*MakeRef<TIEToken>(taRemove, again)));
  // Deeper in a chain as well.
  IReteToken head = MakeRef<TIEToken>(taAdd, F(1));
  EXPECT_FALSE(
      TIEToken::Extend(a, F(2))->Equals(*TIEToken::Extend(MakeRef<TIEToken>(taAdd, way2), F(2))));
  EXPECT_TRUE(TIEToken::Extend(head, way1)->Equals(*TIEToken::Extend(head, again)));
}

TEST_F(TTokenTest, SettersGuardTheirValues) {
  IReteToken t = MakeRef<TIEToken>(taAdd, F(1));
  t->SetStrength(-0.5f);
  EXPECT_EQ(t->Strength(), 0.0f);
  t->SetNegatedCount(-3);
  EXPECT_EQ(t->NegatedCount(), 0);
  t->SetNegatedCount(2);
  EXPECT_EQ(TIEToken::Copy(*t)->NegatedCount(), 0);
  EXPECT_TRUE(TIEToken::Copy(*t)->Equals(*t));

  IReteToken clear = MakeRef<TIEToken>();
  EXPECT_EQ(clear->Count(), 0);
  EXPECT_EQ(clear->Tag(), taClear);
  EXPECT_EQ(clear->Strength(), 1.0f);
  EXPECT_EQ(ErrorOf([&] { clear->SetTag(taAdd); }), "Invalid Token Action");
  EXPECT_EQ(ErrorOf([&] { (void)MakeRef<TIEToken>(taRemove, nullptr); }), "Invalid Token Action");
}

TEST_F(TTokenTest, TextListsTheFactsFromTheLast) {
  IReteToken t = TIEToken::Extend(MakeRef<TIEToken>(taAdd, F(1)), F(2));
  t->SetNegatedCount(1);
  EXPECT_EQ(t->Text(), "taAdd cnt=2 negcnt=1\r\n(a 2 )\r\n(a 1 )");
  EXPECT_EQ(MakeRef<TIEToken>()->Text(), "taClear cnt=0 negcnt=0");
}

TEST_F(TTokenTest, LongChainsAreFreedWithoutDeepRecursion) {
  IReteToken t = MakeRef<TIEToken>(taAdd, F(1));
  for (int i = 0; i < 200000; ++i) t = TIEToken::Extend(t, nullptr);
  t = nullptr;  // would overflow the stack if released recursively
}

// ---- Token memories ----------------------------------------------------------

class TTokenTreeTest : public TTokenTest {
 protected:
  IReteToken T(int32_t id) { return MakeRef<TIEToken>(taAdd, F(id)); }
  static std::vector<int32_t> Ids(const TIETokenTree& tree, int32_t bucket) {
    std::vector<int32_t> ids;
    tree.ForEachInBucket(bucket, [&](const IReteToken& t) { ids.push_back(t->LastFactId()); });
    return ids;
  }
};

TEST_F(TTokenTreeTest, AddAndRemoveFindEqualTokensByKey) {
  TIETokenTree tree(101, {});
  IReteToken t = T(5);
  EXPECT_TRUE(tree.Add(t));
  EXPECT_FALSE(tree.Add(t));
  EXPECT_FALSE(tree.Add(MakeRef<TIEToken>(taRemove, t->Fact())));  // equal despite the tag
  EXPECT_EQ(tree.Count(), 1);
  EXPECT_TRUE(tree.Remove(*MakeRef<TIEToken>(taRemove, t->Fact())));
  EXPECT_FALSE(tree.Remove(*t));
  EXPECT_EQ(tree.Count(), 0);
  EXPECT_FALSE(tree.Empty());  // only Clear sets the flag
}

TEST_F(TTokenTreeTest, KeysChooseBucketsAndBucketsKeepInsertionOrder) {
  TIETokenTree tree(101, {});
  EXPECT_EQ(tree.BucketIndex(-7), 7);
  EXPECT_EQ(tree.BucketIndex(std::numeric_limits<int32_t>::min()), 2147483648LL % 101);
  EXPECT_EQ(tree.LowIndex(), 102);
  EXPECT_EQ(tree.HighIndex(), -1);
  EXPECT_EQ(tree.Bucket(7), nullptr);

  // 7, 108 and 209 share bucket 7; 3 is alone in bucket 3.
  for (int32_t id : {108, 3, 7, 209}) tree.Add(T(id));
  EXPECT_EQ(Ids(tree, 7), (std::vector<int32_t>{108, 7, 209}));
  EXPECT_EQ(tree.LowIndex(), 3);
  EXPECT_EQ(tree.HighIndex(), 7);
  ASSERT_NE(tree.Bucket(7), nullptr);
  EXPECT_EQ(tree.Bucket(7)->Count, 3);

  tree.Remove(*T(7));
  EXPECT_EQ(Ids(tree, 7), (std::vector<int32_t>{108, 209}));
  tree.Add(T(7));
  EXPECT_EQ(Ids(tree, 7), (std::vector<int32_t>{108, 209, 7}));

  // A probe by key sees only that key's tokens.
  std::vector<int32_t> probed;
  tree.ForEachWithKey(209, [&](const IReteToken& t) { probed.push_back(t->LastFactId()); });
  EXPECT_EQ(probed, std::vector<int32_t>{209});

  std::vector<int32_t> all;
  tree.ForEach([&](const IReteToken& t) { all.push_back(t->LastFactId()); });
  EXPECT_EQ(all, (std::vector<int32_t>{3, 108, 209, 7}));
  EXPECT_EQ(tree.FactListText(), "f-3\r\nf-108f-209f-7\r\n");
}

TEST_F(TTokenTreeTest, ClearEmptiesButKeepsTheBuckets) {
  TIETokenTree tree(11, {});
  tree.Add(T(1));
  tree.Add(T(2));
  tree.Clear();
  EXPECT_TRUE(tree.Empty());
  EXPECT_EQ(tree.Count(), 0);
  EXPECT_EQ(tree.LowIndex(), 12);
  EXPECT_EQ(tree.HighIndex(), -1);
  ASSERT_NE(tree.Bucket(1), nullptr);
  EXPECT_EQ(tree.Bucket(1)->Count, 0);
  EXPECT_EQ(tree.Bucket(5), nullptr);
  tree.SetAllowNilBucket(false);
  EXPECT_NE(tree.Bucket(5), nullptr);
  EXPECT_TRUE(tree.Add(T(1)));
  EXPECT_EQ(tree.Text(), "taAdd cnt=1 negcnt=0\r\n(a 1 )\r\n");
}

TEST_F(TTokenTreeTest, KeysFromTheTokenHashOrASlotValue) {
  TTokenKeyConfig hashKey;
  hashKey.UseTokenHash = true;
  TIETokenTree byHash(101, hashKey);
  IReteToken chain = TIEToken::Extend(T(3), F(5));
  EXPECT_EQ(byHash.KeyOf(*chain), 29);

  IFactTemplate pair = ImpliedTemplate("pair");
  auto P = [&](int32_t id, IIEValue first, IIEValue second) {
    return MakeRef<TIEToken>(taAdd, Implied(pair, id, {first, second}));
  };
  TTokenKeyConfig slotKey;
  slotKey.SlotName = "__Data";
  slotKey.SubIndex = 1;
  TIETokenTree bySlot(101, slotKey);
  EXPECT_EQ(bySlot.KeyOf(*P(1, MakeAtom("x"), MakeAtom("red"))), int32_t(ValueStringHash("red")));
  EXPECT_EQ(bySlot.KeyOf(*P(2, MakeAtom("x"), MakeInteger(-7))), -7);
  EXPECT_EQ(bySlot.KeyOf(*MakeRef<TIEToken>(taAdd, Implied(pair, 3, {MakeAtom("only")}))), 0);
  TTokenKeyConfig missingKey;
  missingKey.SlotName = "nope";
  TIETokenTree byMissing(101, missingKey);
  EXPECT_EQ(byMissing.KeyOf(*T(4)), 0);

  // Many tokens of one key: each removal still finds its own token.
  for (int32_t id = 0; id < 500; ++id) bySlot.Add(P(id, MakeInteger(id), MakeAtom("same")));
  for (int32_t id = 0; id < 500; id += 2)
    EXPECT_TRUE(bySlot.Remove(*P(id, MakeInteger(id), MakeAtom("same"))));
  int count = 0;
  bySlot.ForEachWithKey(int32_t(ValueStringHash("same")), [&](const IReteToken& t) {
    EXPECT_EQ(t->LastFactId() % 2, 1);
    ++count;
  });
  EXPECT_EQ(count, 250);
}

TEST_F(TTokenTreeTest, FurtherKeyPartsNarrowProbesButNotBuckets) {
  IFactTemplate pair = ImpliedTemplate("pair");
  auto P = [&](int32_t id, int32_t first, int32_t second) {
    return MakeRef<TIEToken>(taAdd, Implied(pair, id, {MakeInteger(first), MakeInteger(second)}));
  };
  TTokenKeyConfig config;
  config.SlotName = "__Data";
  config.SubIndex = 0;
  config.More.push_back({0, "__Data", 1});
  TIETokenTree tree(101, config);
  for (int32_t id = 1; id <= 6; ++id) tree.Add(P(id, 7, id % 2));
  // One bucket by the first value, in insertion order...
  EXPECT_EQ(Ids(tree, 7), (std::vector<int32_t>{1, 2, 3, 4, 5, 6}));
  TTokenKeys odd = tree.KeysOf(*P(9, 7, 1));
  TTokenKeys even = tree.KeysOf(*P(9, 7, 0));
  EXPECT_EQ(odd.Key, 7);
  EXPECT_EQ(even.Key, 7);
  EXPECT_NE(odd.Probe, even.Probe);
  // ...but a probe meets only the tokens agreeing on both values.
  std::vector<int32_t> probed;
  tree.ForEachWithKey(odd.Probe, [&](const IReteToken& t) { probed.push_back(t->LastFactId()); });
  EXPECT_EQ(probed, (std::vector<int32_t>{1, 3, 5}));
  probed.clear();
  tree.FindWithKeyNewestFirst(even.Probe, [&](const TIETokenTree::TEntry& e) {
    probed.push_back(e.Token->LastFactId());
    return false;
  });
  EXPECT_EQ(probed, (std::vector<int32_t>{6, 4, 2}));
  // Without further parts the probe key is the key itself.
  TIETokenTree single(101, {});
  TTokenKeys keys = single.KeysOf(*T(42));
  EXPECT_EQ(keys.Key, 42);
  EXPECT_EQ(keys.Probe, 42);
}

// Text hashes are sums of powers of 31: a probe key that combined values
// the same way would give (5, "g21") and (6, "g11") one key, and a probe
// would meet partial matches of other values by the thousand.
TEST_F(TTokenTreeTest, ProbeKeysKeepStructuredValuePairsApart) {
  IFactTemplate pair = ImpliedTemplate("pair");
  TTokenKeyConfig config;
  config.SlotName = "__Data";
  config.SubIndex = 0;
  config.More.push_back({0, "__Data", 1});
  TIETokenTree tree(101, config);
  std::set<int32_t> probes;
  int32_t id = 0;
  for (int32_t number = 0; number < 40; ++number)
    for (int32_t name = 0; name < 40; ++name) {
      IFact fact = Implied(pair, ++id, {MakeInteger(number), MakeAtom("g" + std::to_string(name))});
      probes.insert(tree.KeysOf(*MakeRef<TIEToken>(taAdd, fact)).Probe);
    }
  EXPECT_EQ(probes.size(), 1600u);
}

TEST_F(TTokenTreeTest, KeyChainsSurviveGrowthAndRemovalAnywhere) {
  IFactTemplate pair = ImpliedTemplate("pair");
  auto P = [&](int32_t id) {
    return MakeRef<TIEToken>(taAdd, Implied(pair, id, {MakeInteger(id % 7), MakeInteger(id)}));
  };
  TTokenKeyConfig config;
  config.SlotName = "__Data";
  config.SubIndex = 0;
  TIETokenTree tree(5, config);
  // 2,000 tokens over 7 keys: the indexes double many times over.
  for (int32_t id = 0; id < 2000; ++id) ASSERT_TRUE(tree.Add(P(id)));
  // Remove the first, the last and every third token of each key.
  auto removed = [](int32_t id) { return id < 7 || id >= 1993 || id % 3 == 0; };
  for (int32_t id = 0; id < 2000; ++id) {
    if (!removed(id)) continue;
    ASSERT_TRUE(tree.Remove(*P(id))) << id;
  }
  for (int32_t id = 0; id < 2000; id += 3) EXPECT_FALSE(tree.Remove(*P(id)));
  for (int32_t key = 0; key < 7; ++key) {
    std::vector<int32_t> expected;
    for (int32_t id = key; id < 2000; id += 7)
      if (!removed(id)) expected.push_back(id);
    std::vector<int32_t> forward;
    tree.ForEachWithKey(key, [&](const IReteToken& t) { forward.push_back(t->LastFactId()); });
    EXPECT_EQ(forward, expected) << key;
    std::vector<int32_t> backward;
    tree.FindWithKeyNewestFirst(key, [&](const TIETokenTree::TEntry& e) {
      backward.push_back(e.Token->LastFactId());
      return false;
    });
    std::reverse(backward.begin(), backward.end());
    EXPECT_EQ(backward, expected) << key;
  }
  // A token filed again goes to the back of its key.
  ASSERT_TRUE(tree.Add(P(0)));
  int32_t last = -1;
  tree.ForEachWithKey(0, [&](const IReteToken& t) { last = t->LastFactId(); });
  EXPECT_EQ(last, 0);
  tree.Clear();
  int visits = 0;
  for (int32_t key = 0; key < 7; ++key)
    tree.ForEachWithKey(key, [&](const IReteToken&) { ++visits; });
  EXPECT_EQ(visits, 0);
  EXPECT_TRUE(tree.Add(P(3)));
}

// Joins sharing a right memory are its viewers 0, 1, 2...: each must see
// exactly what a memory of its own would hold, in the same order.
TEST_F(TTokenTreeTest, ViewersSeeTheTokensTheyFiledInTheirOwnOrder) {
  TIETokenTree tree(1, {});
  auto Seen = [&](int32_t viewer) {
    std::vector<int32_t> ids;
    tree.ForEach([&](const IReteToken& t) { ids.push_back(t->LastFactId()); }, viewer);
    return ids;
  };
  IReteToken a = T(1);
  IReteToken b = T(2);
  // Viewer 0 files a; before viewer 1 files it, b reaches both (a nested
  // assertion): viewer 1 must then see b before a.
  ASSERT_TRUE(tree.Add(a, tree.KeysOf(*a), 0));
  EXPECT_EQ(Seen(1), std::vector<int32_t>{});
  ASSERT_TRUE(tree.Add(b, tree.KeysOf(*b), 0));
  ASSERT_TRUE(tree.Add(b, tree.KeysOf(*b), 1));
  ASSERT_TRUE(tree.Add(a, tree.KeysOf(*a), 1));
  EXPECT_FALSE(tree.Add(a, tree.KeysOf(*a), 1));  // a duplicate for viewer 1
  EXPECT_EQ(Seen(0), (std::vector<int32_t>{1, 2}));
  EXPECT_EQ(Seen(1), (std::vector<int32_t>{2, 1}));
  EXPECT_EQ(tree.Count(), 3);  // b once; a twice, as the orders differ
  // Taken out by viewer 0, a stays for viewer 1 until it takes it too.
  EXPECT_TRUE(tree.Take(*a, tree.KeysOf(*a), 0));
  EXPECT_EQ(Seen(0), std::vector<int32_t>{2});
  EXPECT_EQ(Seen(1), (std::vector<int32_t>{2, 1}));
  EXPECT_TRUE(tree.Take(*a, tree.KeysOf(*a), 1));
  EXPECT_FALSE(tree.Take(*a, tree.KeysOf(*a), 1));
  EXPECT_EQ(tree.Count(), 1);
  EXPECT_EQ(tree.Text(1), tree.Text(0));
}

TEST_F(TTokenTreeTest, AViewerLeavingOrTakingOutOfTurnKeepsTheOthersViews) {
  TIETokenTree tree(3, {});
  std::vector<IReteToken> tokens;
  for (int32_t id = 1; id <= 4; ++id) {
    tokens.push_back(T(id));
    for (int32_t viewer = 0; viewer < 3; ++viewer)
      ASSERT_TRUE(tree.Add(tokens.back(), tree.KeysOf(*tokens.back()), viewer));
  }
  EXPECT_EQ(tree.Count(), 4);
  // Viewer 1 takes token 2 before viewer 0: the entry splits, keeping its
  // place for viewers 0 and 2.
  EXPECT_TRUE(tree.Take(*tokens[1], tree.KeysOf(*tokens[1]), 1));
  std::string before0 = tree.Text(0);
  std::string before2 = tree.Text(2);
  EXPECT_NE(tree.Text(1), before0);
  EXPECT_NE(before0.find(tokens[1]->Text()), std::string::npos);
  std::vector<uint64_t> numbers;
  tree.FindNewestFirst([&](const TIETokenTree::TEntry& e) {
    if (e.HeldBy(2)) numbers.push_back(e.Sequence);
    return false;
  });
  EXPECT_EQ(numbers.size(), 4u);
  // Viewer 0 leaves: viewer 2 becomes 1 and sees what it saw.
  tree.RemoveViewer(0);
  EXPECT_EQ(tree.Text(1), before2);
  EXPECT_TRUE(tree.Take(*tokens[1], tree.KeysOf(*tokens[1]), 1));
  EXPECT_EQ(tree.Text(0), tree.Text(1));
  tree.RemoveViewer(1);
  tree.RemoveViewer(0);
  EXPECT_EQ(tree.Count(), 0);
}

}  // namespace
}  // namespace vettora
