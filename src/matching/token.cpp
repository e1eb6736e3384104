// TIEToken: chains, hashes, equality and texts.
#include "matching/token.h"

#include <vector>

#include "knowledge/fact.h"
#include "matching/blocked_token.h"
#include "matching/messages.h"
#include "values/exceptions.h"
#include "values/recycler.h"

namespace vettora {

const char* TokenActionName(TTokenAction action) {
  switch (action) {
    case taClear:
      return "taClear";
    case taAdd:
      return "taAdd";
    case taRemove:
      return "taRemove";
    case taUpdate:
      return "taUpdate";
  }
  return "";
}

namespace {

// A token hash step: parent * 8 + id, wrapping in 32 bits.
int32_t ExtendHash(int32_t parent, int32_t id) {
  return int32_t(uint32_t(parent) * 8u + uint32_t(id));
}

}  // namespace

// Join memories hold and drop tokens in bulk: every freed token's memory
// is kept for the next one, for plain tokens and for the copies negated
// joins keep.
using TTokenRecycler = TRecycler<TIEToken, SIZE_MAX>;
using TBlockedTokenRecycler = TRecycler<TBlockedToken, SIZE_MAX>;

void* TIEToken::operator new(size_t size) {
  if (size == sizeof(TBlockedToken)) return TBlockedTokenRecycler::Allocate(size);
  return TTokenRecycler::Allocate(size);
}

void TIEToken::operator delete(void* memory, size_t size) noexcept {
  if (size == sizeof(TBlockedToken))
    TBlockedTokenRecycler::Free(memory, size);
  else
    TTokenRecycler::Free(memory, size);
}

TIEToken::TIEToken(TTokenAction tag, IFact fact)
    : FCount(1), FHash(fact ? fact->ID() : 0), FFact(std::move(fact)) {
  SetTag(tag);
}

TIEToken::~TIEToken() {
  // A long chain whose only holder is this token would otherwise release
  // its parents recursively, one stack frame per fact.
  IReteToken parent = std::move(FParent);
  while (parent && parent->RefCount() == 1) parent = std::move(parent->FParent);
}

IReteToken TIEToken::Copy(const TIEToken& source) {
  IReteToken copy = MakeRef<TIEToken>();
  copy->CopyFields(source);
  return copy;
}

void TIEToken::CopyFields(const TIEToken& source) {
  FCount = source.FCount;
  FHash = source.FHash;
  FStrength = source.FStrength;
  FTag = source.FTag;
  FFact = source.FFact;
  FParent = source.FParent;
}

IReteToken TIEToken::Extend(const IReteToken& token, IFact fact) {
  IReteToken extended = MakeRef<TIEToken>();
  extended->FCount = token->FCount + 1;
  extended->FHash = ExtendHash(token->FHash, fact ? fact->ID() : 0);
  extended->FStrength = token->FStrength;
  extended->FTag = token->FTag;
  extended->FFact = std::move(fact);
  extended->FParent = token;
  return extended;
}

void TIEToken::SetTag(TTokenAction tag) {
  if (tag != taClear && !FFact) throw EIEException(kInvalidTokenAction);
  FTag = tag;
}

const IFact& TIEToken::FactAt(int32_t i) const {
  static const IFact kNone;
  if (i < 0) return kNone;
  const TIEToken* t = this;
  // FCount - i > 1, written so that it cannot overflow.
  while (t->FCount - 1 > i && t->FParent) t = t->FParent.Get();
  return t->FFact;
}

int32_t TIEToken::LastFactId() const { return FFact ? FFact->ID() : -1; }

bool TIEToken::Equals(const TIEToken& other) const {
  const TIEToken* a = this;
  const TIEToken* b = &other;
  for (;;) {
    if (a == b) return true;
    if (a->FHash != b->FHash || a->FStrength != b->FStrength) return false;
    if (bool(a->FFact) != bool(b->FFact) || a->LastFactId() != b->LastFactId()) return false;
    // A fact is one object wherever it goes, but a pattern that splits a
    // multislot passes one copy per way of splitting it: copies of one fact
    // are equal only if they split it alike.
    if (a->FFact != b->FFact && a->FFact && !a->FFact->Equals(*b->FFact)) return false;
    if (!a->FParent || a->FParent == b->FParent) return true;
    if (!b->FParent) return false;
    a = a->FParent.Get();
    b = b->FParent.Get();
  }
}

std::string TIEToken::Text() const {
  std::string text = std::string(TokenActionName(FTag)) + " cnt=" + std::to_string(FCount) +
                     " negcnt=" + std::to_string(FNegatedCount);
  for (const TIEToken* t = this; t; t = t->FParent.Get())
    if (t->FFact) text += "\r\n" + t->FFact->Text();
  return text;
}

std::string TIEToken::FactList() const {
  std::vector<const TFact*> facts;
  for (const TIEToken* t = this; t; t = t->FParent.Get()) facts.push_back(t->FFact.Get());
  std::string text;
  for (auto it = facts.rbegin(); it != facts.rend(); ++it) {
    if (!*it) continue;
    if (!text.empty()) text += ", ";
    text += "f-" + std::to_string((*it)->ID());
  }
  return text;
}

}  // namespace vettora
