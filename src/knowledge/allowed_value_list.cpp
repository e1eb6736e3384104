#include "knowledge/allowed_value_list.h"

#include <cmath>
#include <iterator>

namespace vettora {

bool TAllowedFloatList::Close(double a, double b) {
  if (std::isnan(a) || std::isnan(b)) return std::isnan(a) && std::isnan(b);
  return a == b || std::fabs(a - b) <= kFloatMatchTolerance;  // a == b covers infinities
}

void TAllowedFloatList::CheckIndex(int32_t i) const {
  if (i < 0 || i >= Count()) throw EListError(FormatMessage(kListIndexError, {i}));
}

double TAllowedFloatList::Items(int32_t i) const {
  CheckIndex(i);
  return FItems[size_t(i)];
}

bool TAllowedFloatList::Add(double value) {
  if (std::isnan(value)) {
    if (FHasNaN) return false;
    FHasNaN = true;
  } else if (!FIndex.insert(value).second) {
    return false;
  }
  FItems.push_back(value);
  return true;
}

bool TAllowedFloatList::Matches(double value) const {
  if (std::isnan(value)) return FHasNaN;
  // The index is ordered: only the entries next to value - tolerance can be
  // close (the one before guards against rounding in the subtraction).
  auto it = FIndex.lower_bound(value - kFloatMatchTolerance);
  if (it != FIndex.end() && Close(*it, value)) return true;
  return it != FIndex.begin() && Close(*std::prev(it), value);
}

void TAllowedFloatList::Unindex(double value) {
  if (std::isnan(value))
    FHasNaN = false;
  else
    FIndex.erase(value);
}

bool TAllowedFloatList::RemoveMatch(double value) {
  if (!Matches(value)) return false;
  for (auto it = FItems.begin(); it != FItems.end(); ++it)
    if (Close(*it, value)) {
      Unindex(*it);
      FItems.erase(it);
      return true;
    }
  return false;
}

void TAllowedFloatList::Delete(int32_t i) {
  CheckIndex(i);
  Unindex(FItems[size_t(i)]);
  FItems.erase(FItems.begin() + i);
}

void TAllowedFloatList::Clear() {
  FItems.clear();
  FIndex.clear();
  FHasNaN = false;
}

bool TAllowedFloatList::SameAs(const TAllowedFloatList& other) const {
  if (Count() != other.Count()) return false;
  for (size_t i = 0; i < FItems.size(); ++i)
    if (!Close(FItems[i], other.FItems[i])) return false;
  return true;
}

}  // namespace vettora
