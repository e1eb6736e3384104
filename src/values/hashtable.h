#pragma once
// The typed tables of the hash-table family. TGKeyedHashtable<K, V, Traits>
// adds keys, values, lookups, the observer and the enumerator to
// TGCustomHashtable; TGHashtable (integer and pointer keys) is declared here,
// the string-keyed tables in string_hashtable.h.
//
// A "missing" key is refused with "Argument is null": a null pointer, or the
// empty string. An integer key is never missing, and a key whose integer is
// 0 is an ordinary key.
//
// Values must be default-constructible; the default value stands for "none"
// (an empty Ref, a null pointer). The table owns what V owns.

#include <cstdint>
#include <string>
#include <type_traits>
#include <utility>

#include "values/custom_hashtable.h"
#include "values/exceptions.h"
#include "values/format.h"
#include "values/messages.h"

namespace vettora {

// Keys of TGHashtable: integers (used as the key's integer directly, 64-bit
// ones folded to 32 bits) and pointers (folded likewise; null is missing).
template <class K>
struct TGIntegerKeyTraits {
  static_assert(std::is_integral_v<K> || std::is_pointer_v<K>,
                "TGHashtable keys are integers or pointers");
  using TLookup = K;
  static bool IsMissing(K key) {
    if constexpr (std::is_pointer_v<K>)
      return key == nullptr;
    else
      return false;
  }
  static uint32_t Hash(K key) {
    uint64_t bits;
    if constexpr (std::is_pointer_v<K>)
      bits = uint64_t(reinterpret_cast<uintptr_t>(key));
    else
      bits = uint64_t(key);
    if constexpr (sizeof(K) <= 4) return uint32_t(bits);
    return uint32_t(bits) ^ uint32_t(bits >> 32);
  }
  static bool Equal(K stored, K key) { return stored == key; }
  static K MakeKey(K key) { return key; }
  static std::string Text(K key) {
    if constexpr (std::is_pointer_v<K>)
      return std::to_string(uintptr_t(key));
    else
      return std::to_string(key);
  }
};

template <class K, class V, class Traits>
class TGKeyedHashtable : public TGCustomHashtable {
 public:
  using TKey = K;
  using TValue = V;
  using TLookupKey = typename Traits::TLookup;

  struct TEntry : THashEntry {
    TEntry(K key, V value) : Key(std::move(key)), Value(std::move(value)) {}
    K Key;
    V Value;
  };

  // Told before a new entry is inserted and before an entry is removed, and
  // at the start of Clear; an exception from it cancels the operation.
  class TObserver {
   public:
    virtual ~TObserver() = default;
    virtual void BeforeInsert(TLookupKey key, const V& value) = 0;
    virtual void BeforeRemove(const K& key, const V& value) = 0;
    virtual void BeforeClear() = 0;
  };

  // Walks the entries in enumeration order, giving keys (a key enumerator)
  // or values. A change of the table's entries (not of a value) makes it
  // raise "Table changed during enumeration".
  class TEnumerator {
   public:
    [[nodiscard]] bool HasMoreElements() const {
      CheckStamp();
      return FNext != nullptr;
    }
    // The next value; "No such element" past the end.
    const V& NextElement() { return Step()->Value; }
    // The next key; only on a key enumerator.
    const K& NextKey() {
      if (!FKeys) throw EGHashtableError(kHashIllegalNextKey);
      return Step()->Key;
    }

   private:
    friend class TGKeyedHashtable;
    TEnumerator(const TGKeyedHashtable& table, bool keys)
        : FTable(&table), FNext(table.First()), FStamp(table.Stamp()), FKeys(keys) {}
    void CheckStamp() const {
      if (FTable->Stamp() != FStamp) throw EGHashtableError(kHashChangedWhileEnumerating);
    }
    const TEntry* Step() {
      CheckStamp();
      if (!FNext) throw EGHashtableError(kHashNoSuchElement);
      const TEntry* entry = FNext;
      FNext = FTable->Next(entry);
      return entry;
    }
    const TGKeyedHashtable* FTable;
    const TEntry* FNext;
    uint64_t FStamp;
    bool FKeys;
  };

  // Range iteration in enumeration order. The table must not gain or lose
  // entries meanwhile.
  class TIterator {
   public:
    const TEntry& operator*() const { return *FEntry; }
    const TEntry* operator->() const { return FEntry; }
    TIterator& operator++() {
      FEntry = FTable->Next(FEntry);
      return *this;
    }
    bool operator==(const TIterator& other) const { return FEntry == other.FEntry; }

   private:
    friend class TGKeyedHashtable;
    TIterator(const TGKeyedHashtable* table, const TEntry* entry) : FTable(table), FEntry(entry) {}
    const TGKeyedHashtable* FTable;
    const TEntry* FEntry;
  };

  explicit TGKeyedHashtable(uint32_t capacity = 101, float loadFactor = 0.75f)
      : TGCustomHashtable(capacity, loadFactor) {}
  ~TGKeyedHashtable() override { DisposeAll(); }

  // Stores `value` under `key` and returns the key's previous value, or V()
  // when the key is new.
  V Put(TLookupKey key, V value) {
    if (Traits::IsMissing(key)) throw EGHashtableError(kHashArgumentNull);
    uint32_t hash = Traits::Hash(key);
    if (TEntry* entry = FindEntry(key, hash)) {
      std::swap(entry->Value, value);
      Changed(false);
      return value;
    }
    if (FObserver) FObserver->BeforeInsert(key, value);
    GrowIfFull();
    auto* entry = new TEntry(Traits::MakeKey(key), std::move(value));
    entry->Hash = hash;
    LinkEntry(entry);
    Changed(true);
    return V();
  }

  // The value of `key`: "Table is empty", "Argument is null" or
  // "No such element" when there is none.
  [[nodiscard]] const V& Get(TLookupKey key) const { return GetEntry(key, false)->Value; }

  // Whether `key` is present; `value` receives its value, or V() when absent.
  // A missing key raises "Argument is null".
  bool Find(TLookupKey key, V& value) const {
    const V* found = Lookup(CheckedKey(key));
    value = found ? *found : V();
    return found != nullptr;
  }
  [[nodiscard]] bool ContainsKey(TLookupKey key) const { return Lookup(CheckedKey(key)); }

  // The stored value or null; never raises (a missing key is not found).
  [[nodiscard]] const V* Lookup(TLookupKey key) const {
    if (Traits::IsMissing(key)) return nullptr;
    const TEntry* entry = FindEntry(key, Traits::Hash(key));
    return entry ? &entry->Value : nullptr;
  }
  [[nodiscard]] V* Lookup(TLookupKey key) {
    return const_cast<V*>(std::as_const(*this).Lookup(key));
  }

  // Takes the entry of `key` out and returns its value; errors as Get.
  V Remove(TLookupKey key) {
    if (IsEmpty()) throw EGHashtableError(kHashTableEmpty);
    if (Traits::IsMissing(key)) throw EGHashtableError(kHashArgumentNull);
    TEntry* prev = nullptr;
    TEntry* entry = FindEntry(key, Traits::Hash(key), &prev);
    if (!entry) throw EGHashtableError(kHashNoSuchElement);
    return Unlink(entry, prev);
  }
  // Removes `key` when present; never raises for a missing or absent key.
  bool TryRemove(TLookupKey key) {
    if (Traits::IsMissing(key)) return false;
    TEntry* prev = nullptr;
    TEntry* entry = FindEntry(key, Traits::Hash(key), &prev);
    if (!entry) return false;
    Unlink(entry, prev);
    return true;
  }

  // Linear scan of all buckets for a value equal to `value`.
  [[nodiscard]] bool ContainsValue(const V& value) const {
    for (const TEntry& entry : *this)
      if (entry.Value == value) return true;
    return false;
  }

  // Value and key at an ordinal position (buckets from 0 upwards, chains
  // from the head); "List index out of bounds (%d)" outside 0..Count-1.
  [[nodiscard]] const V& ItemAt(int32_t ordinal) const {
    return static_cast<TEntry*>(EntryAt(ordinal))->Value;
  }
  [[nodiscard]] const K& KeyAt(int32_t ordinal) const {
    return static_cast<TEntry*>(EntryAt(ordinal))->Key;
  }

  [[nodiscard]] TEnumerator Keys() const { return TEnumerator(*this, true); }
  [[nodiscard]] TEnumerator Elements() const { return TEnumerator(*this, false); }
  [[nodiscard]] TIterator begin() const { return TIterator(this, First()); }
  [[nodiscard]] TIterator end() const { return TIterator(this, nullptr); }

  // Empties this table, takes the source's load factor, capacity and hash
  // method, then puts every source entry in the source's enumeration order,
  // inside one update bracket.
  void Assign(const TGKeyedHashtable& source) {
    AssignWith(source, [](const V& value) { return value; });
  }

  [[nodiscard]] TObserver* Observer() const { return FObserver; }
  void SetObserver(TObserver* observer) { FObserver = observer; }

 protected:
  template <class F>
  void AssignWith(const TGKeyedHashtable& source, F copyValue) {
    if (&source == this) return;
    TGHashtableUpdate update(*this);
    Clear();
    SetLoadFactor(source.LoadFactor());
    SetCapacity(source.Capacity());
    SetHashType(source.HashType());
    for (const TEntry& entry : source) Put(entry.Key, copyValue(entry.Value));
  }

  // Get's checks; `keyInMessage` gives "No such element: %s" with the key.
  [[nodiscard]] const TEntry* GetEntry(TLookupKey key, bool keyInMessage) const {
    if (IsEmpty()) throw EGHashtableError(kHashTableEmpty);
    if (Traits::IsMissing(key)) throw EGHashtableError(kHashArgumentNull);
    const TEntry* entry = FindEntry(key, Traits::Hash(key));
    if (!entry) {
      if (keyInMessage)
        throw EGHashtableError(FormatMessage(kHashNoSuchElementKey, {Traits::Text(key)}));
      throw EGHashtableError(kHashNoSuchElement);
    }
    return entry;
  }

  void DisposeEntry(THashEntry* entry) noexcept override { delete static_cast<TEntry*>(entry); }
  void BeforeClear() override {
    if (FObserver) FObserver->BeforeClear();
  }

 private:
  static TLookupKey CheckedKey(TLookupKey key) {
    if (Traits::IsMissing(key)) throw EGHashtableError(kHashArgumentNull);
    return key;
  }

  TEntry* FindEntry(TLookupKey key, uint32_t hash, TEntry** prev = nullptr) const {
    if (Capacity() == 0) return nullptr;
    TEntry* before = nullptr;
    for (auto* entry = static_cast<TEntry*>(Head(BucketOf(hash))); entry;
         entry = static_cast<TEntry*>(entry->Next)) {
      if (entry->Hash == hash && Traits::Equal(entry->Key, key)) {
        if (prev) *prev = before;
        return entry;
      }
      before = entry;
    }
    return nullptr;
  }

  // Unlinks and frees the entry, handing its value back; the table is
  // consistent before the caller lets go of the value.
  V Unlink(TEntry* entry, TEntry* prev) {
    if (FObserver) FObserver->BeforeRemove(entry->Key, entry->Value);
    UnlinkEntry(entry, prev);
    V value = std::move(entry->Value);
    delete entry;
    Changed(true);
    return value;
  }

  const TEntry* First() const { return static_cast<const TEntry*>(EnumFirst()); }
  const TEntry* Next(const TEntry* entry) const {
    return static_cast<const TEntry*>(EnumNext(entry));
  }

  TObserver* FObserver = nullptr;
};

// Integer- or pointer-keyed table (object references, fact hash codes).
template <class K, class V>
class TGHashtable : public TGKeyedHashtable<K, V, TGIntegerKeyTraits<K>> {
 public:
  using TGKeyedHashtable<K, V, TGIntegerKeyTraits<K>>::TGKeyedHashtable;
};

}  // namespace vettora
