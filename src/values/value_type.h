#pragma once
// TIEType, the kinds of value of the rule language, and TIETypes, a set of
// them. The ordinals are fixed: tokens reuse them as their kinds.

#include <cstdint>
#include <initializer_list>
#include <string>

namespace vettora {

enum TIEType : uint8_t {
  dtNone,
  dtAtom,
  dtString,
  dtInteger,
  dtVariable,
  dtFactId,
  dtFloat,
  dtFunCall,
  dtFact,
  dtList,
  dtDescriptor,
  dtObject,
  dtClass,
  dtExternalAddress,
  dtSingletons,
  dtFuzzy,
  dtMultiVariable,
  dtSlot,
  dtMultiSlot,
};

inline constexpr int kTIETypeCount = int(dtMultiSlot) + 1;

// The enumeration name of a kind ("dtInteger"), as messages print it.
[[nodiscard]] const char* TypeName(TIEType kind);

// True for the kinds whose content is a text: atom, string, variable,
// multifield variable, slot and multislot.
[[nodiscard]] constexpr bool IsTextKind(TIEType kind) {
  return kind == dtAtom || kind == dtString || kind == dtVariable || kind == dtMultiVariable ||
         kind == dtSlot || kind == dtMultiSlot;
}

// True for the kinds whose payload is a counted object: function call, fact,
// list, singletons and fuzzy value.
[[nodiscard]] constexpr bool IsCountedKind(TIEType kind) {
  return kind == dtFunCall || kind == dtFact || kind == dtList || kind == dtSingletons ||
         kind == dtFuzzy;
}

// A set of kinds.
class TIETypes {
 public:
  constexpr TIETypes() = default;
  constexpr TIETypes(std::initializer_list<TIEType> kinds) {
    for (TIEType k : kinds) FBits |= Bit(k);
  }
  [[nodiscard]] constexpr bool Contains(TIEType k) const { return (FBits & Bit(k)) != 0; }
  constexpr TIETypes& Include(TIEType k) {
    FBits |= Bit(k);
    return *this;
  }
  constexpr TIETypes& Exclude(TIEType k) {
    FBits &= ~Bit(k);
    return *this;
  }
  [[nodiscard]] constexpr bool Empty() const { return FBits == 0; }
  [[nodiscard]] constexpr uint32_t Bits() const { return FBits; }
  constexpr TIETypes operator|(TIETypes o) const { return FromBits(FBits | o.FBits); }
  constexpr TIETypes operator&(TIETypes o) const { return FromBits(FBits & o.FBits); }
  constexpr bool operator==(const TIETypes&) const = default;

 private:
  static constexpr uint32_t Bit(TIEType k) { return uint32_t(1) << unsigned(k); }
  static constexpr TIETypes FromBits(uint32_t b) {
    TIETypes t;
    t.FBits = b;
    return t;
  }
  uint32_t FBits = 0;
};

}  // namespace vettora
