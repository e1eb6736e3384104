#pragma once
// TBlockedToken: the copy of a partial match that a negated join keeps in
// its left memory. Instead of counting every right token that blocks the
// match, the join stops at the first one and remembers it here; the match
// is looked at again only when that blocker leaves the right memory.
//
// The right memory numbers its tokens in the order they arrive. The search
// visits them newest first, so the blocker's number and the newest number
// at the time of the search bound a run of tokens already tested in vain:
// a new search after the blocker leaves skips them.

#include <cstdint>

#include "matching/token.h"

namespace vettora {

class TBlockedToken : public TIEToken {
 public:
  explicit TBlockedToken(const TIEToken& source) { CopyFields(source); }

  [[nodiscard]] const IReteToken& Blocker() const { return FBlocker; }
  // Right tokens numbered above BlockerSequence and up to SearchedUpTo
  // failed the join tests.
  [[nodiscard]] uint64_t BlockerSequence() const { return FBlockerSequence; }
  [[nodiscard]] uint64_t SearchedUpTo() const { return FSearchedUpTo; }

  void SetBlocker(IReteToken blocker, uint64_t sequence, uint64_t searchedUpTo) {
    FBlocker = std::move(blocker);
    FBlockerSequence = sequence;
    FSearchedUpTo = searchedUpTo;
  }
  void ClearBlocker() { SetBlocker(nullptr, 0, 0); }

 private:
  IReteToken FBlocker;
  uint64_t FBlockerSequence = 0;
  uint64_t FSearchedUpTo = 0;
};

}  // namespace vettora
