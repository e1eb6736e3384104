#include "fuzzy/fuzzy_set_value.h"

#include "fuzzy/fuzzy_set.h"
#include "values/exceptions.h"
#include "values/format.h"
#include "values/messages.h"

namespace vettora {

const TFuzzySetValue& TFuzzySetValues::Items(int32_t i) const {
  CheckIndex(i, Count() - 1);
  return FPoints[size_t(i)];
}

int32_t TFuzzySetValues::Add() {
  TFzyFloat x = FPoints.empty() ? 0 : FPoints.back().X() + 1;
  return Add(x, 0);
}

int32_t TFuzzySetValues::Add(TFzyFloat x, TFzyFloat y) {
  FPoints.emplace_back(ClampX(x), y);
  Changed();
  return Count() - 1;
}

void TFuzzySetValues::Insert(int32_t i, TFzyFloat x, TFzyFloat y) {
  CheckIndex(i, Count());
  FPoints.insert(FPoints.begin() + i, TFuzzySetValue(ClampX(x), y));
  Changed();
}

void TFuzzySetValues::Delete(int32_t i) {
  CheckIndex(i, Count() - 1);
  FPoints.erase(FPoints.begin() + i);
  Changed();
}

void TFuzzySetValues::Clear() {
  if (FPoints.empty()) return;
  FPoints.clear();
  Changed();
}

void TFuzzySetValues::SetX(int32_t i, TFzyFloat x) {
  CheckIndex(i, Count() - 1);
  FPoints[size_t(i)].SetX(ClampX(x));
  Changed();
}

void TFuzzySetValues::SetY(int32_t i, TFzyFloat y) {
  CheckIndex(i, Count() - 1);
  FPoints[size_t(i)].SetY(y);
  Changed();
}

void TFuzzySetValues::Replace(std::vector<TFuzzySetValue> points) {
  for (TFuzzySetValue& p : points) {
    p.SetX(ClampX(p.X()));
    p.SetY(p.Y());
  }
  FPoints = std::move(points);
  Changed();
}

bool TFuzzySetValues::Equals(const TFuzzySetValues& other) const {
  if (FPoints.size() != other.FPoints.size()) return false;
  for (size_t i = 0; i < FPoints.size(); ++i)
    if (!FPoints[i].Equals(other.FPoints[i])) return false;
  return true;
}

void TFuzzySetValues::CheckIndex(int32_t i, int32_t max) const {
  if (i < 0 || i > max) throw EListError(FormatMessage(kListIndexError, {i}));
}

TFzyFloat TFuzzySetValues::ClampX(TFzyFloat x) const { return FOwner ? FOwner->ClampX(x) : x; }

void TFuzzySetValues::Changed() {
  if (FOwner) FOwner->Changed();
}

}  // namespace vettora
