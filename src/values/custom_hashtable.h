#pragma once
// TGCustomHashtable: the machinery shared by every table of the hash-table
// family (TGHashtable, TGStringHashtable, TIStringHashTable): buckets of
// singly linked chains, growth, the four hash methods, the ordinal position
// cursor, begin/end-update brackets and the change event. The typed tables
// (hashtable.h) add keys, values and lookups on top.
//
// Orders callers can observe:
// - enumeration visits buckets from the highest index down to 0 and each
//   chain from its head (the newest entry first);
// - ordinal access (ItemAt) visits buckets from 0 upwards, each chain from
//   its head.

#include <cstdint>
#include <functional>
#include <vector>

#include "values/hash_function.h"

namespace vettora {

// The part of an entry the base class works with; typed tables derive their
// entries from it. `Hash` is the key's integer, kept so that re-indexing never
// rehashes a key.
struct THashEntry {
  THashEntry* Next = nullptr;
  uint32_t Hash = 0;
  uint32_t Bucket = 0;
};

class TGCustomHashtable {
 public:
  using TChangeEvent = std::function<void(TGCustomHashtable& sender)>;

  // Larger capacities are refused; growth stops there.
  static constexpr uint32_t kMaxCapacity = 134217727;
  // Load factors must lie in [kMinLoadFactor, kMaxLoadFactor]: a factor near
  // 0 would grow the table on every insert, so it is refused rather than
  // silently raised.
  static constexpr float kMinLoadFactor = 0.01f;
  static constexpr float kMaxLoadFactor = 1.0e6f;

  TGCustomHashtable(const TGCustomHashtable&) = delete;
  TGCustomHashtable& operator=(const TGCustomHashtable&) = delete;
  virtual ~TGCustomHashtable();

  [[nodiscard]] uint32_t Capacity() const { return FCapacity; }
  // Re-indexes every entry into `capacity` buckets; 0 frees the buckets and
  // empties the table. Above kMaxCapacity raises.
  void SetCapacity(uint32_t capacity);
  [[nodiscard]] int32_t Count() const { return FCount; }
  [[nodiscard]] bool IsEmpty() const { return FCount == 0; }
  // Entries that share their bucket with an older one.
  [[nodiscard]] int32_t Collisions() const { return FCollisions; }
  [[nodiscard]] TGHashType HashType() const { return FHashType; }
  // Only while the table is empty (setting the current method is always
  // allowed); otherwise "Cannot perform this operation with non-empty table".
  void SetHashType(TGHashType type);
  [[nodiscard]] float LoadFactor() const { return FLoadFactor; }
  // Raises "Load factor out of bounds (%s)" outside the bounds above.
  void SetLoadFactor(float loadFactor);

  // Raised after each change while no update bracket is open; a bracket
  // that saw changes raises it once when it closes.
  [[nodiscard]] const TChangeEvent& OnChange() const { return FOnChange; }
  void SetOnChange(TChangeEvent handler) { FOnChange = std::move(handler); }

  void BeginUpdate() { ++FUpdateDepth; }
  void EndUpdate();
  [[nodiscard]] int32_t UpdateDepth() const { return FUpdateDepth; }

  // Frees every entry; count and collisions become 0, capacity stays.
  void Clear();

 protected:
  TGCustomHashtable(uint32_t capacity, float loadFactor);

  [[nodiscard]] THashEntry* Head(uint32_t bucket) const { return FBuckets[bucket]; }
  [[nodiscard]] uint32_t BucketOf(uint32_t hash) const {
    return HashBucket(hash, FCapacity, FHashType);
  }
  // Grows to 2 * Capacity + 1 until the count is below the threshold
  // round(Capacity * LoadFactor), ties to even.
  void GrowIfFull();
  // Puts `entry` (its Hash set) at the head of its bucket's chain.
  void LinkEntry(THashEntry* entry);
  // Takes `entry` out of its chain; `prev` is its predecessor or null.
  void UnlinkEntry(THashEntry* entry, THashEntry* prev);
  // The entry at an ordinal position; raises "List index out of bounds (%d)".
  [[nodiscard]] THashEntry* EntryAt(int32_t ordinal) const;
  // Enumeration order: highest bucket first, each chain from its head.
  [[nodiscard]] THashEntry* EnumFirst() const { return EnumFrom(FCapacity); }
  [[nodiscard]] THashEntry* EnumNext(const THashEntry* entry) const {
    return entry->Next ? entry->Next : EnumFrom(entry->Bucket);
  }
  // Counts structural changes, so that enumerators can tell they are stale.
  [[nodiscard]] uint64_t Stamp() const { return FStamp; }
  // Every change: resets the position cursor, counts a structural change
  // when `structural`, and raises OnChange (or defers it to EndUpdate).
  void Changed(bool structural);
  // Called by derived destructors: frees all entries without notifications.
  void DisposeAll() noexcept;

  virtual void DisposeEntry(THashEntry* entry) noexcept = 0;
  // Told at the start of Clear (and of SetCapacity(0)), entries still present.
  virtual void BeforeClear() {}

 private:
  friend class TGHashtableUpdate;

  // The first entry of the highest non-empty bucket below `bucket`.
  [[nodiscard]] THashEntry* EnumFrom(uint32_t bucket) const;
  // Ordinal order: the entry after `entry` (null at the end).
  [[nodiscard]] THashEntry* OrdinalNext(const THashEntry* entry) const;
  [[nodiscard]] THashEntry* OrdinalFrom(uint32_t bucket) const;
  void Rehash(uint32_t capacity);
  void UpdateThreshold();
  void FreeChains(std::vector<THashEntry*>& buckets) noexcept;
  void EndUpdateQuietly() noexcept;

  std::vector<THashEntry*> FBuckets;
  uint32_t FCapacity = 0;
  int32_t FCount = 0;
  int32_t FCollisions = 0;
  TGHashType FHashType = htDivision;
  float FLoadFactor = 0.75f;
  double FThreshold = 0;  // round(Capacity * LoadFactor)
  int32_t FUpdateDepth = 0;
  bool FChangedInUpdate = false;
  uint64_t FStamp = 0;
  // Position cursor: the entry last reached by ordinal, or none.
  mutable THashEntry* FCursorEntry = nullptr;
  mutable int32_t FCursorOrdinal = -1;
  TChangeEvent FOnChange;
};

// Keeps an update bracket open for its lifetime. When it closes normally the
// pending change event is raised (and may throw); when it closes during
// unwinding the bracket is closed without the event.
class TGHashtableUpdate {
 public:
  explicit TGHashtableUpdate(TGCustomHashtable& table);
  ~TGHashtableUpdate() noexcept(false);
  TGHashtableUpdate(const TGHashtableUpdate&) = delete;
  TGHashtableUpdate& operator=(const TGHashtableUpdate&) = delete;

 private:
  TGCustomHashtable& FTable;
  int FUncaught;
};

}  // namespace vettora
