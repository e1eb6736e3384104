#pragma once
// TBlockedToken: the copy of a partial match that a negated join keeps in
// its left memory. Instead of counting every right token that blocks the
// match, the join stops at the first one and remembers it here; the match
// is looked at again only when that blocker leaves the right memory.
//
// The right memory numbers its tokens in the order they arrive. A keyed
// search visits the tokens of one probe key oldest first, so every token
// numbered below the blocker was tested in vain (those the join had not
// filed yet aside): a new search after the blocker leaves skips them.
// Oldest first suits the usual "no smaller one" guard, whose candidates
// arrive in ascending order: the first tokens tried block. A search of the
// whole memory goes bucket by bucket, from the highest to the lowest, each
// newest first: the tokens it tested in vain are those up to the newest
// number in the buckets above the blocker's, and those above the blocker's
// number in its own bucket.

#include <cstdint>

#include "matching/token.h"

namespace vettora {

// What a blocker search found and which right tokens it tested in vain.
struct TBlockerSearch {
  uint64_t BlockerSequence = 0;
  // 0: nothing is known to have been tested in vain.
  uint64_t SearchedUpTo = 0;
  // The blocker's bucket, for searches of the whole memory.
  int32_t BlockerBucket = 0;
  // A keyed search, oldest first: every token up to SearchedUpTo was
  // tested in vain.
  bool Ascending = false;

  // Whether the search tested the right token numbered `sequence` in vain.
  // `bucket` is its bucket, or -1 when the search was keyed.
  [[nodiscard]] bool TriedInVain(uint64_t sequence, int32_t bucket) const {
    if (sequence > SearchedUpTo) return false;
    if (Ascending) return true;
    if (bucket < 0 || bucket == BlockerBucket) return sequence > BlockerSequence;
    return bucket > BlockerBucket;
  }
};

class TBlockedToken : public TIEToken {
 public:
  explicit TBlockedToken(const TIEToken& source) { CopyFields(source); }

  [[nodiscard]] const IReteToken& Blocker() const { return FBlocker; }
  [[nodiscard]] const TBlockerSearch& Search() const { return FSearch; }

  void SetBlocker(IReteToken blocker, const TBlockerSearch& search) {
    FBlocker = std::move(blocker);
    FSearch = search;
  }
  void ClearBlocker() { SetBlocker(nullptr, TBlockerSearch()); }

 private:
  IReteToken FBlocker;
  TBlockerSearch FSearch;
};

}  // namespace vettora
