#pragma once
// TMathRandom: the random generator shared by the math package's `random`,
// `randomize` and `seed`. Each package owns one, so engines never disturb
// each other's sequences and a seeded run repeats exactly.

#include <cstdint>
#include <memory>
#include <random>

namespace vettora {

class TMathRandom {
 public:
  TMathRandom() { SeedFromClock(); }

  void Seed(int32_t seed) { FGenerator.seed(static_cast<uint32_t>(seed)); }
  void SeedFromClock();
  // A uniformly drawn integer r with 0 <= r < bound; bound must be positive.
  [[nodiscard]] int32_t Next(int32_t bound);

 private:
  std::mt19937 FGenerator;
};

using TMathRandomRef = std::shared_ptr<TMathRandom>;

}  // namespace vettora
