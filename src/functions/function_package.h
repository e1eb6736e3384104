#pragma once
// TFunctionPackage: the built-in function packages an engine can load, and
// TFunctionPackages, a set of them (the engine's Packages property).

#include <cstdint>
#include <initializer_list>

namespace vettora {

enum TFunctionPackage : uint8_t {
  pStandard,
  pPredicate,
  pMath,
  pMiscellaneous,
  pString,
  pObject,
  pTrigonometry,
  pBusiness,
  pFuzzyLogic,
};

class TFunctionPackages {
 public:
  constexpr TFunctionPackages() = default;
  constexpr TFunctionPackages(std::initializer_list<TFunctionPackage> packages) {
    for (TFunctionPackage p : packages) FBits |= Bit(p);
  }
  // All nine packages: the engine's default.
  [[nodiscard]] static constexpr TFunctionPackages All() {
    return {pStandard, pPredicate,    pMath,     pMiscellaneous, pString,
            pObject,   pTrigonometry, pBusiness, pFuzzyLogic};
  }
  [[nodiscard]] constexpr bool Contains(TFunctionPackage p) const { return (FBits & Bit(p)) != 0; }
  constexpr TFunctionPackages& Include(TFunctionPackage p) {
    FBits |= Bit(p);
    return *this;
  }
  constexpr TFunctionPackages& Exclude(TFunctionPackage p) {
    FBits &= uint16_t(~Bit(p));
    return *this;
  }
  [[nodiscard]] constexpr bool Empty() const { return FBits == 0; }
  constexpr bool operator==(const TFunctionPackages&) const = default;

 private:
  static constexpr uint16_t Bit(TFunctionPackage p) { return uint16_t(1u << unsigned(p)); }
  uint16_t FBits = 0;
};

}  // namespace vettora
