#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "values/exceptions.h"
#include "values/hashtable.h"
#include "values/messages.h"
#include "values/string_hashtable.h"

namespace vettora {
namespace {

using TIntTable = TGHashtable<int32_t, int>;
using TStrTable = TGStringHashtable<int>;

// Runs `f` and returns the message of the EGHashtableError it raises.
template <class F>
std::string HashError(F f) {
  try {
    f();
  } catch (const EGHashtableError& e) {
    return e.what();
  }
  return "<no error>";
}

template <class Table>
std::vector<typename Table::TKey> EnumeratedKeys(const Table& table) {
  std::vector<typename Table::TKey> keys;
  auto e = table.Keys();
  while (e.HasMoreElements()) keys.push_back(e.NextKey());
  return keys;
}

template <class Table>
std::vector<typename Table::TKey> OrdinalKeys(const Table& table) {
  std::vector<typename Table::TKey> keys;
  for (int32_t i = 0; i < table.Count(); ++i) keys.push_back(table.KeyAt(i));
  return keys;
}

TEST(HashFunction, StringKeyHash) {
  EXPECT_EQ(HashStringKey("ab"), 97u * 37 + 98);
  // 15 bytes: every byte counts, with the multiplier 37.
  EXPECT_NE(HashStringKey("aaaaaaaaaaaaaaa"), HashStringKey("abaaaaaaaaaaaaa"));
  // 16 bytes: step 16 div 8 = 2, so only the 1st, 3rd, ... 15th bytes count.
  EXPECT_EQ(HashStringKey("aaaaaaaaaaaaaaaa"), HashStringKey("abababababababab"));
  EXPECT_NE(HashStringKey("aaaaaaaaaaaaaaaa"), HashStringKey("baaaaaaaaaaaaaaa"));
  uint32_t h = 0;
  for (int i = 0; i < 8; ++i) h = h * 39u + 'a';
  EXPECT_EQ(HashStringKey("aaaaaaaaaaaaaaaa"), h);
  // Bytes count as unsigned and the hash wraps.
  EXPECT_EQ(HashStringKey("\xff"), 255u);
  EXPECT_EQ(HashStringKey("bWuYe9W"), 0u);
}

TEST(HashFunction, FourMethodsOnHandComputedKeys) {
  // Division: k mod n, with the sign bit cleared.
  EXPECT_EQ(HashBucket(1000, 101, htDivision), 91u);
  EXPECT_EQ(HashBucket(0x80000000u + 1000, 101, htDivision), 91u);
  // Truncation: the last 3 digits (101 has 3): 123456 -> 456 -> 52.
  EXPECT_EQ(HashBucket(123456, 101, htTruncation), 52u);
  EXPECT_EQ(HashBucket(42, 101, htTruncation), 42u);
  EXPECT_EQ(HashBucket(123456, 11, htTruncation), 56u % 11);
  // Mid-square: 12345^2 = 152399025 (9 digits); 3 digits from position 5:
  // 902 -> 902 mod 101 = 94.
  EXPECT_EQ(HashBucket(12345, 101, htMidSquare), 94u);
  // 100^2 = 10000 has 5 digits, 3 is not below 5 div 2: the whole square.
  EXPECT_EQ(HashBucket(100, 101, htMidSquare), 10000u % 101);
  // 65537^2 wraps to 131073; 46341^2 = 2147488281 loses its sign bit: 4633.
  EXPECT_EQ(HashBucket(65537, 101, htMidSquare), 131073u % 101);
  EXPECT_EQ(HashBucket(46341, 101, htMidSquare), 4633u % 101);
  // Folding: 123456789 -> "1" + digits at positions 0,2,3,4,6,8 = 1134579.
  EXPECT_EQ(HashBucket(123456789, 101, htFolding), 1134579u % 101);
  EXPECT_EQ(HashBucket(7, 101, htFolding), 77u);
  EXPECT_EQ(HashBucket(0, 101, htFolding), 0u);
}

TEST(Hashtable, GrowsAtRoundedLoadThreshold) {
  TIntTable table(101, 0.75f);
  for (int i = 1; i <= 76; ++i) table.Put(i, i);
  EXPECT_EQ(table.Capacity(), 101u);  // 75.75 rounds to 76
  // Replacing an existing key is no insert: no growth.
  EXPECT_EQ(table.Put(5, 500), 5);
  EXPECT_EQ(table.Count(), 76);
  EXPECT_EQ(table.Capacity(), 101u);
  table.Put(77, 77);
  EXPECT_EQ(table.Capacity(), 203u);
  EXPECT_EQ(table.Count(), 77);
  for (int i = 1; i <= 77; ++i) EXPECT_EQ(table.Get(i), i == 5 ? 500 : i);

  // Ties round to even: 5 * 0.5 = 2.5 -> 2, so the third key grows.
  TIntTable small(5, 0.5f);
  small.Put(1, 1);
  small.Put(2, 2);
  EXPECT_EQ(small.Capacity(), 5u);
  small.Put(3, 3);
  EXPECT_EQ(small.Capacity(), 11u);
}

TEST(Hashtable, PutGetFindRemove) {
  TStrTable table;
  EXPECT_EQ(HashError([&] { (void)table.Get("a"); }), kHashTableEmpty);
  EXPECT_EQ(HashError([&] { table.Remove("a"); }), kHashTableEmpty);
  EXPECT_EQ(table.Put("a", 1), 0);
  EXPECT_EQ(table.Put("a", 2), 1);  // previous value
  EXPECT_EQ(table.Count(), 1);
  EXPECT_EQ(table.Get("a"), 2);
  EXPECT_EQ(HashError([&] { (void)table.Get("A"); }), kHashNoSuchElement);  // case-sensitive
  int value = 7;
  EXPECT_FALSE(table.Find("b", value));
  EXPECT_EQ(value, 0);
  EXPECT_TRUE(table.Find("a", value));
  EXPECT_EQ(value, 2);
  EXPECT_TRUE(table.ContainsValue(2));
  EXPECT_FALSE(table.ContainsValue(1));
  EXPECT_EQ(HashError([&] { table.Remove("b"); }), kHashNoSuchElement);
  EXPECT_EQ(table.Remove("a"), 2);
  EXPECT_TRUE(table.IsEmpty());
  EXPECT_FALSE(table.TryRemove("a"));
}

TEST(Hashtable, MissingKeyVersusZeroHash) {
  TStrTable table;
  EXPECT_EQ(HashError([&] { table.Put("", 1); }), kHashArgumentNull);
  EXPECT_EQ(HashError([&] { (void)table.ContainsKey(""); }), kHashArgumentNull);
  table.Put("x", 1);
  EXPECT_EQ(HashError([&] { (void)table.Get(""); }), kHashArgumentNull);
  EXPECT_EQ(HashError([&] { table.Remove(""); }), kHashArgumentNull);
  EXPECT_EQ(table.Lookup(""), nullptr);
  // Keys whose integer is 0 are ordinary keys.
  const std::string nul(1, '\0');
  table.Put("bWuYe9W", 10);
  table.Put(nul, 20);
  EXPECT_EQ(table.Get("bWuYe9W"), 10);
  EXPECT_EQ(table.Get(nul), 20);
  EXPECT_EQ(table.Remove("bWuYe9W"), 10);

  TIntTable ints;
  ints.Put(0, 5);  // an integer key is never missing
  EXPECT_EQ(ints.Get(0), 5);
  TGHashtable<const int*, int> pointers;
  EXPECT_EQ(HashError([&] { pointers.Put(nullptr, 1); }), kHashArgumentNull);
}

TEST(Hashtable, EnumerationAndOrdinalOrder) {
  TIntTable table(101, 0.75f);
  // 1, 102 and 203 share bucket 1: newest first in both orders.
  for (int key : {1, 102, 203}) table.Put(key, key);
  EXPECT_EQ(EnumeratedKeys(table), (std::vector<int32_t>{203, 102, 1}));
  EXPECT_EQ(OrdinalKeys(table), (std::vector<int32_t>{203, 102, 1}));
  EXPECT_EQ(table.Collisions(), 2);
  // Across buckets enumeration runs from the highest bucket down, ordinal
  // access from bucket 0 up.
  table.Put(50, 50);
  table.Put(5, 5);
  EXPECT_EQ(EnumeratedKeys(table), (std::vector<int32_t>{50, 5, 203, 102, 1}));
  EXPECT_EQ(OrdinalKeys(table), (std::vector<int32_t>{203, 102, 1, 5, 50}));
  EXPECT_EQ(table.ItemAt(4), 50);
  EXPECT_EQ(table.ItemAt(0), 203);  // back before the cursor
  EXPECT_EQ(HashError([&] { (void)table.ItemAt(5); }), "List index out of bounds (5)");
  EXPECT_EQ(HashError([&] { (void)table.ItemAt(-1); }), "List index out of bounds (-1)");
  table.Remove(102);
  EXPECT_EQ(table.Collisions(), 1);
  EXPECT_EQ(OrdinalKeys(table), (std::vector<int32_t>{203, 1, 5, 50}));
  std::vector<int32_t> ranged;
  for (const auto& entry : table) ranged.push_back(entry.Key);
  EXPECT_EQ(ranged, (std::vector<int32_t>{50, 5, 203, 1}));
}

TEST(Hashtable, EnumeratorErrors) {
  TIntTable table;
  table.Put(1, 10);
  auto values = table.Elements();
  EXPECT_EQ(HashError([&] { values.NextKey(); }), kHashIllegalNextKey);
  EXPECT_EQ(values.NextElement(), 10);
  EXPECT_FALSE(values.HasMoreElements());
  EXPECT_EQ(HashError([&] { values.NextElement(); }), kHashNoSuchElement);
  auto keys = table.Keys();
  table.Put(1, 11);  // a new value is no structural change
  EXPECT_TRUE(keys.HasMoreElements());
  table.Put(2, 20);
  EXPECT_EQ(HashError([&] { (void)keys.HasMoreElements(); }), kHashChangedWhileEnumerating);
}

TEST(Hashtable, RehashMovesChainsFromTheHighestBucketDown) {
  // 0, 21 and 42 share a bucket at capacity 3 and at capacity 7.
  TIntTable table(3, 1.0f);
  for (int key : {0, 21, 42}) table.Put(key, key);
  EXPECT_EQ(EnumeratedKeys(table), (std::vector<int32_t>{42, 21, 0}));
  table.Put(1, 1);  // count 3 reaches round(3 * 1.0): grows to 7 first
  EXPECT_EQ(table.Capacity(), 7u);
  EXPECT_EQ(EnumeratedKeys(table), (std::vector<int32_t>{1, 0, 21, 42}));
  EXPECT_EQ(table.Collisions(), 2);
}

TEST(Hashtable, CapacityHashTypeAndLoadFactor) {
  TIntTable table(101, 0.75f);
  EXPECT_EQ(table.HashType(), htDivision);
  table.SetHashType(htFolding);  // allowed while empty
  table.Put(7, 1);               // folding: "77" -> bucket 77
  EXPECT_EQ(HashError([&] { table.SetHashType(htDivision); }), kHashNonEmptyTable);
  EXPECT_EQ(table.HashType(), htFolding);
  table.Put(12, 2);  // "11" -> bucket 11
  EXPECT_EQ(OrdinalKeys(table), (std::vector<int32_t>{12, 7}));
  table.SetCapacity(7);  // re-indexed: 77 mod 7 = 0, 11 mod 7 = 4
  EXPECT_EQ(OrdinalKeys(table), (std::vector<int32_t>{7, 12}));
  EXPECT_EQ(table.Get(7), 1);
  table.SetCapacity(0);
  EXPECT_TRUE(table.IsEmpty());
  table.Put(3, 3);  // grows from 0 buckets to 1
  EXPECT_EQ(table.Capacity(), 1u);
  EXPECT_EQ(table.Get(3), 3);

  EXPECT_THROW(table.SetLoadFactor(0.0f), EGHashtableError);
  EXPECT_THROW(table.SetLoadFactor(-1.0f), EGHashtableError);
  EXPECT_THROW(TIntTable(11, 0.0f), EGHashtableError);
  EXPECT_THROW(table.SetCapacity(TGCustomHashtable::kMaxCapacity + 1), EGHashtableError);
  EXPECT_EQ(table.LoadFactor(), 0.75f);
}

TEST(Hashtable, ChangeEventsAndUpdateBracket) {
  TStrTable table;
  int changes = 0;
  table.SetOnChange([&](TGCustomHashtable& sender) {
    EXPECT_EQ(&sender, &table);
    ++changes;
  });
  table.Put("a", 1);
  table.Put("a", 2);
  table.Remove("a");
  EXPECT_EQ(changes, 3);
  {
    TGHashtableUpdate update(table);
    table.Put("b", 1);
    table.Put("c", 1);
    table.Clear();
    EXPECT_EQ(changes, 3);
  }
  EXPECT_EQ(changes, 4);  // once when the bracket closes
  try {
    TGHashtableUpdate update(table);
    table.Put("d", 1);
    throw std::runtime_error("x");
  } catch (const std::runtime_error&) {
  }
  EXPECT_EQ(table.UpdateDepth(), 0);  // closed by the guard, without the event
  EXPECT_EQ(changes, 4);
}

struct TRecorder : TStrTable::TObserver {
  std::vector<std::string> Calls;
  bool Refuse = false;
  void BeforeInsert(std::string_view key, const int&) override {
    if (Refuse) throw std::runtime_error("refused");
    Calls.push_back("insert " + std::string(key));
  }
  void BeforeRemove(const std::string& key, const int&) override {
    Calls.push_back("remove " + key);
  }
  void BeforeClear() override { Calls.push_back("clear"); }
};

TEST(Hashtable, ObserverIsToldBeforeChanges) {
  TStrTable table;
  TRecorder recorder;
  table.SetObserver(&recorder);
  table.Put("a", 1);
  table.Put("a", 2);  // a replacement is no insert
  table.Put("b", 1);
  table.Remove("a");
  table.Clear();
  EXPECT_EQ(recorder.Calls,
            (std::vector<std::string>{"insert a", "insert b", "remove a", "clear"}));
  recorder.Refuse = true;
  EXPECT_THROW(table.Put("c", 1), std::runtime_error);
  EXPECT_TRUE(table.IsEmpty());
}

TEST(Hashtable, AssignCopiesSettingsAndEntries) {
  TIntTable source(3, 1.0f);
  source.SetCapacity(7);
  for (int key : {0, 7, 3}) source.Put(key, key * 10);
  TIntTable copy(101, 0.75f);
  copy.Put(99, 1);
  int changes = 0;
  copy.SetOnChange([&](TGCustomHashtable&) { ++changes; });
  copy.Assign(source);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(copy.Capacity(), 7u);
  EXPECT_EQ(copy.LoadFactor(), 1.0f);
  EXPECT_EQ(copy.Count(), 3);
  EXPECT_FALSE(copy.ContainsKey(99));
  EXPECT_EQ(copy.Get(7), 70);
  // Entries are put in the source's enumeration order, so a shared chain
  // comes out reversed.
  EXPECT_EQ(EnumeratedKeys(source), (std::vector<int32_t>{3, 7, 0}));
  EXPECT_EQ(EnumeratedKeys(copy), (std::vector<int32_t>{3, 0, 7}));
  copy.Assign(copy);
  EXPECT_EQ(copy.Count(), 3);
}

struct TThing : TCounted {};

TEST(Hashtable, InterfaceTableHoldsReferences) {
  auto thing = MakeRef<TThing>();
  {
    TIStringHashTable<TThing> table;
    table.Put("t", thing);
    EXPECT_EQ(thing->RefCount(), 2);
    EXPECT_EQ(table.Get("t"), thing);
    EXPECT_EQ(HashError([&] { (void)table.Get("u"); }), "No such element: u");
    Ref<TThing> found = thing;
    EXPECT_FALSE(table.Find("u", found));
    EXPECT_EQ(found, nullptr);
    EXPECT_TRUE(table.ContainsValue(thing));
  }
  EXPECT_EQ(thing->RefCount(), 1);
}

}  // namespace
}  // namespace vettora
