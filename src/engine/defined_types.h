#pragma once
// TIEDefinedTypes: the defined types of one engine by name (capacity 101,
// load factor 0.75). Adding under a taken name follows the engine's
// DuplicateConstructs; removing a type removes the templates that use it.

#include <string_view>

#include "knowledge/defined_type.h"
#include "values/object.h"
#include "values/string_hashtable.h"

namespace vettora {

class TInferenceEngine;

class TIEDefinedTypes : public TObject {
 public:
  using TTable = TIStringHashTable<TIEDefinedType>;

  explicit TIEDefinedTypes(TInferenceEngine* engine) : FEngine(engine) {}
  TIEDefinedTypes(const TIEDefinedTypes&) = delete;
  TIEDefinedTypes& operator=(const TIEDefinedTypes&) = delete;

  [[nodiscard]] int32_t Count() const { return FTable.Count(); }
  [[nodiscard]] IIEDefinedType Find(std::string_view name) const;
  [[nodiscard]] const TTable& Table() const { return FTable; }

  // Files the type under its name (duplicate policy: "Defined Type Name
  // already exists: \"%s\""); a fuzzy type's variable takes the engine's
  // equality threshold. Raises OnAddDefinedType.
  void Add(const IIEDefinedType& type);
  // Removes the type and the templates that use it; false when absent.
  bool Remove(std::string_view name);
  // Empties the table and raises OnClearDefinedTypes.
  void Clear();
  // Passes the threshold to the fuzzy variable of every fuzzy type.
  void SetFuzzyThreshold(double threshold);

 private:
  TInferenceEngine* FEngine;  // not owned
  TTable FTable{101, 0.75f};
};

}  // namespace vettora
