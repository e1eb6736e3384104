#pragma once
// Helpers shared by the fuzzy tests.

#include <functional>
#include <initializer_list>
#include <string>
#include <utility>

#include "fuzzy/ie_fuzzy_set.h"
#include "fuzzy/ie_fuzzy_variable.h"

namespace vettora::fuzzy_test {

// A variable over [lo, hi], held the way the engine holds variables.
inline IFuzzyVariable Variable(const std::string& name, double lo, double hi) {
  IFuzzyVariable v = MakeRef<TIEFuzzyVariable>(name);
  v->SetMaximum(hi);
  v->SetMinimum(lo);
  return v;
}

// A set with the given points, optionally attached to a variable.
inline IFuzzySet Points(std::initializer_list<std::pair<double, double>> points,
                        TIFuzzyVariable* variable = nullptr, const std::string& name = "s") {
  IFuzzySet set = MakeRef<TIEFuzzySet>(name);
  set->SetVariable(variable);
  for (auto [x, y] : points) set->Values().Add(x, y);
  return set;
}

inline std::string ErrorOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const std::exception& e) {
    return e.what();
  }
  return "(no error)";
}

}  // namespace vettora::fuzzy_test
