#pragma once
// TEngineVariables: values stored by name with an engine (capacity 101,
// load factor 0.75). TGlobalVariables: the engine's global variables --
// the table keeps each global's initial value, the current value lives in
// the engine's root context.

#include <string_view>

#include "values/object.h"
#include "values/value_hash_table.h"

namespace vettora {

class TInferenceEngine;

class TEngineVariables : public TObject, public TValueHashTable {
 public:
  explicit TEngineVariables(TInferenceEngine* engine)
      : TValueHashTable(101, 0.75f), FEngine(engine) {}

  [[nodiscard]] TInferenceEngine* Engine() const { return FEngine; }

 private:
  TInferenceEngine* FEngine;  // not owned
};

class TGlobalVariables : public TEngineVariables {
 public:
  using TEngineVariables::TEngineVariables;

  // Files the initial value and binds the global in the root context at
  // once (a function-call initial value is evaluated first, in a child of
  // the root context).
  void Add(std::string_view name, const IIEValue& initialValue);
  // Binds every global to its initial value again, in enumeration order.
  void ResetValues();
  // Empties the table and every binding of the root context.
  void ClearAll();

 private:
  void Bind(std::string_view name, const IIEValue& initialValue);
};

}  // namespace vettora
