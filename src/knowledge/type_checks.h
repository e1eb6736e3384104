#pragma once
// TTypeCheck: when slot values are checked against their slot's kinds --
// while rule-language text is parsed (tcStatic) and whenever a fact's slot
// or a slot default is set (tcDynamic). TTypeChecks is a set of them.

#include <cstdint>
#include <initializer_list>

namespace vettora {

enum TTypeCheck : uint8_t { tcStatic, tcDynamic };

class TTypeChecks {
 public:
  constexpr TTypeChecks() = default;
  constexpr TTypeChecks(std::initializer_list<TTypeCheck> checks) {
    for (TTypeCheck c : checks) FBits = uint8_t(FBits | Bit(c));
  }
  [[nodiscard]] constexpr bool Contains(TTypeCheck c) const { return (FBits & Bit(c)) != 0; }
  constexpr TTypeChecks& Include(TTypeCheck c) {
    FBits = uint8_t(FBits | Bit(c));
    return *this;
  }
  constexpr TTypeChecks& Exclude(TTypeCheck c) {
    FBits = uint8_t(FBits & ~Bit(c));
    return *this;
  }
  [[nodiscard]] constexpr bool Empty() const { return FBits == 0; }
  constexpr bool operator==(const TTypeChecks&) const = default;

 private:
  static constexpr uint8_t Bit(TTypeCheck c) { return uint8_t(1u << unsigned(c)); }
  uint8_t FBits = 0;
};

}  // namespace vettora
