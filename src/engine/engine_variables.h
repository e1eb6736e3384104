#pragma once
// TEngineVariables: values stored by name with an engine (capacity 101,
// load factor 0.75). TGlobalVariables: the engine's global variables --
// the table keeps each global's initial value, the current value lives in
// the engine's root context.

#include <string>
#include <string_view>
#include <vector>

#include "values/object.h"
#include "values/value_hash_table.h"

namespace vettora {

class TInferenceEngine;

class TEngineVariables : public TObject, public TValueHashTable {
 public:
  explicit TEngineVariables(TInferenceEngine* engine)
      : TValueHashTable(101, 0.75f), FEngine(engine) {}

  [[nodiscard]] TInferenceEngine* Engine() const { return FEngine; }

  // Each entry's definition, "?*x* = 1", in enumeration order: the stored
  // list, read back one definition at a time.
  [[nodiscard]] std::vector<std::string> Texts() const;
  // Each entry as "(defglobal ?*x* = 1)" followed by CR LF: a text that
  // defines the globals again when it is executed.
  [[nodiscard]] std::string Text() const;

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
  // Empties this table (ClearAll), takes the source's table settings and
  // executes the source's text in this engine, defining its globals here.
  void Assign(const TGlobalVariables& source);

 private:
  void Bind(std::string_view name, const IIEValue& initialValue);
};

}  // namespace vettora
