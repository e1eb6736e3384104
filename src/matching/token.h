#pragma once
// TIEToken: what flows through the Rete network — a single fact with an
// action tag (one per assertion or retraction), or a partial match built by
// join nodes as a chain of facts, each token extending its parent by one
// fact. Activations keep the token that completed their match, and the
// evaluation context reads variables out of it.
//
// The chain is fixed when a token is made (Extend never changes the
// parent), so tokens share their prefixes freely. Tag, strength and the
// negation count may change; join memories store copies for that reason.

#include <cstddef>
#include <cstdint>
#include <string>

#include "values/counted.h"

namespace vettora {

class TFact;
using IFact = Ref<TFact>;
class TIEToken;
using IReteToken = Ref<TIEToken>;

enum TTokenAction : uint8_t { taClear, taAdd, taRemove, taUpdate };

// The enumeration name ("taAdd").
[[nodiscard]] const char* TokenActionName(TTokenAction action);

class TIEToken : public TCounted {
 public:
  // A clearing token: no fact, count 0.
  TIEToken() = default;
  // A single-fact token: count 1, hash = the fact's ID.
  TIEToken(TTokenAction tag, IFact fact);
  ~TIEToken() override;
  TIEToken(const TIEToken&) = delete;
  TIEToken& operator=(const TIEToken&) = delete;

  // Tokens are made and dropped by the million: their memory is kept on
  // free lists of the thread and handed out again (for plain tokens and the
  // copies negated joins keep; derived classes of other sizes use the heap).
  static void* operator new(size_t size);
  static void operator delete(void* memory, size_t size) noexcept;

  // Every field copied, the negation count reset to 0.
  [[nodiscard]] static IReteToken Copy(const TIEToken& source);
  // `token` followed by `fact` (which may be empty): tag and strength are
  // the token's, hash = token hash * 8 + the fact's ID, wrapping in 32 bits.
  [[nodiscard]] static IReteToken Extend(const IReteToken& token, IFact fact);

  [[nodiscard]] int32_t Count() const { return FCount; }
  [[nodiscard]] const IFact& Fact() const { return FFact; }
  [[nodiscard]] const IReteToken& Parent() const { return FParent; }
  [[nodiscard]] int32_t Hash() const { return FHash; }

  // Facts blocking this token at a negated join; never below 0.
  [[nodiscard]] int32_t NegatedCount() const { return FNegatedCount; }
  void SetNegatedCount(int32_t count) { FNegatedCount = count < 0 ? 0 : count; }

  [[nodiscard]] TTokenAction Tag() const { return FTag; }
  // Only a clearing tag suits a token without a fact ("Invalid Token
  // Action").
  void SetTag(TTokenAction tag);

  // The degree of match, lowered by fuzzy matching; never below 0.
  [[nodiscard]] float Strength() const { return FStrength; }
  void SetStrength(float strength) { FStrength = strength >= 0 ? strength : 0.0f; }

  // The fact at position i, counted from the first fact of the chain (0);
  // positions past the end answer the last fact, negative ones none.
  [[nodiscard]] const IFact& FactAt(int32_t i) const;

  // The same object; or equal hashes, last fact IDs and strengths, the
  // same last fact or equal ones (the copies a multislot split passes on),
  // and then no parent here, the same parent, or equal parents (a parent
  // only on this side is never equal).
  [[nodiscard]] bool Equals(const TIEToken& other) const;

  // "taAdd cnt=2 negcnt=0", then CR LF and the fact text of each fact from
  // the last back to the first.
  [[nodiscard]] std::string Text() const;
  // "f-1, f-4": the facts' IDs from the first to the last.
  [[nodiscard]] std::string FactList() const;

  // The ID of the last fact, or -1 without one.
  [[nodiscard]] int32_t LastFactId() const;

 protected:
  // Takes every field of `source` but the negation count.
  void CopyFields(const TIEToken& source);

 private:
  int32_t FCount = 0;
  int32_t FNegatedCount = 0;
  int32_t FHash = 0;
  float FStrength = 1.0f;
  TTokenAction FTag = taClear;
  IFact FFact;
  IReteToken FParent;
};

}  // namespace vettora
