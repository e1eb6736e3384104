#pragma once
// TConstructWatch: what the engine traces through its output (the `watch`
// command's keywords "activations", "facts", "rules", "compilations",
// "statistics"); TConstructWatches is a set of them, the engine's Watch.

#include <cstdint>
#include <initializer_list>

namespace vettora {

enum TConstructWatch : uint8_t { cwActivation, cwFact, cwRule, cwCompilation, cwStatistics };

class TConstructWatches {
 public:
  constexpr TConstructWatches() = default;
  constexpr TConstructWatches(std::initializer_list<TConstructWatch> watches) {
    for (TConstructWatch w : watches) FBits = uint8_t(FBits | Bit(w));
  }
  [[nodiscard]] static constexpr TConstructWatches All() {
    return {cwActivation, cwFact, cwRule, cwCompilation, cwStatistics};
  }
  [[nodiscard]] constexpr bool Contains(TConstructWatch w) const { return (FBits & Bit(w)) != 0; }
  constexpr TConstructWatches& Include(TConstructWatch w) {
    FBits = uint8_t(FBits | Bit(w));
    return *this;
  }
  constexpr TConstructWatches& Exclude(TConstructWatch w) {
    FBits = uint8_t(FBits & ~Bit(w));
    return *this;
  }
  [[nodiscard]] constexpr bool Empty() const { return FBits == 0; }
  constexpr bool operator==(const TConstructWatches&) const = default;

 private:
  static constexpr uint8_t Bit(TConstructWatch w) { return uint8_t(1u << unsigned(w)); }
  uint8_t FBits = 0;
};

}  // namespace vettora
