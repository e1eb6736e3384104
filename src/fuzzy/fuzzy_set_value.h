#pragma once
// TFuzzySetValue, one point of a fuzzy set's membership function, and
// TFuzzySetValues, the ordered points of one set.
//
// A point's Y is never negative: a negative (or NaN) Y is stored as 0. When
// the owning set belongs to a fuzzy variable, an X assigned through the list
// is clamped into the variable's universe. Points are kept in one contiguous
// vector: the set algorithms walk them in X order many times.

#include <cstdint>
#include <vector>

#include "fuzzy/fuzzy_types.h"

namespace vettora {

class TFuzzySet;

class TFuzzySetValue {
 public:
  TFuzzySetValue() = default;
  TFuzzySetValue(TFzyFloat x, TFzyFloat y) : FX(x), FY(ClampY(y)) {}

  [[nodiscard]] TFzyFloat X() const { return FX; }
  [[nodiscard]] TFzyFloat Y() const { return FY; }
  // Stores X as given; the list applies the universe clamp.
  void SetX(TFzyFloat x) { FX = x; }
  void SetY(TFzyFloat y) { FY = ClampY(y); }

  // Both coordinates equal within the tolerance.
  [[nodiscard]] bool Equals(const TFuzzySetValue& other) const {
    return FuzzyEqual(FX, other.FX) && FuzzyEqual(FY, other.FY);
  }

  [[nodiscard]] static TFzyFloat ClampY(TFzyFloat y) { return y >= 0 ? y : 0; }

 private:
  TFzyFloat FX = 0;
  TFzyFloat FY = 0;
};

using TFuzzyPoints = std::vector<TFuzzySetValue>;

// The points of one set, in order. Every change goes through the owning set,
// which tells its variable once per update bracket.
class TFuzzySetValues {
 public:
  explicit TFuzzySetValues(TFuzzySet* owner = nullptr) : FOwner(owner) {}
  TFuzzySetValues(const TFuzzySetValues&) = delete;
  TFuzzySetValues& operator=(const TFuzzySetValues&) = delete;

  [[nodiscard]] int32_t Count() const { return int32_t(FPoints.size()); }
  [[nodiscard]] bool Empty() const { return FPoints.empty(); }
  // Raises "List index out of bounds (%d)" for a bad index.
  [[nodiscard]] const TFuzzySetValue& Items(int32_t i) const;
  [[nodiscard]] const TFuzzySetValue& operator[](int32_t i) const { return Items(i); }
  [[nodiscard]] const TFuzzySetValue& First() const { return Items(0); }
  [[nodiscard]] const TFuzzySetValue& Last() const { return Items(Count() - 1); }
  [[nodiscard]] const std::vector<TFuzzySetValue>& Points() const { return FPoints; }

  // Appends a point at the previous last X + 1 (0 for the first) with Y 0.
  int32_t Add();
  int32_t Add(TFzyFloat x, TFzyFloat y);
  void Insert(int32_t i, TFzyFloat x, TFzyFloat y);
  void Delete(int32_t i);
  void Clear();
  void SetX(int32_t i, TFzyFloat x);
  void SetY(int32_t i, TFzyFloat y);

  // Replaces all points at once (X clamped, Y kept non-negative).
  void Replace(std::vector<TFuzzySetValue> points);
  void Assign(const TFuzzySetValues& source) { Replace(source.FPoints); }

  // Same count and every point Equals its counterpart.
  [[nodiscard]] bool Equals(const TFuzzySetValues& other) const;

  auto begin() const { return FPoints.begin(); }
  auto end() const { return FPoints.end(); }

 private:
  void CheckIndex(int32_t i, int32_t max) const;
  [[nodiscard]] TFzyFloat ClampX(TFzyFloat x) const;
  void Changed();

  TFuzzySet* FOwner;
  std::vector<TFuzzySetValue> FPoints;
};

}  // namespace vettora
