#pragma once
// TIEDefinedTypes: the defined types of one engine by name (capacity 101,
// load factor 0.75). Adding under a taken name follows the engine's
// DuplicateConstructs; removing a type removes the templates that use it,
// replacing it by one of the same name carries them over.

#include <string>
#include <string_view>
#include <vector>

#include "engine/tree_node.h"
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
  // The table, for its settings (capacity, load factor, hash method).
  [[nodiscard]] TGCustomHashtable& TableSettings() { return FTable; }

  // Files the type under its name (duplicate policy: "Defined Type Name
  // already exists: \"%s\""; an overwrite is a Replace). A fuzzy type's
  // variable takes the engine's equality threshold and, with
  // FuzzyAutoTerms, the missing terms "low", "medium" and "high". Raises
  // OnAddDefinedType.
  void Add(const IIEDefinedType& type);
  // Files `now` in place of `old` (OnRemoveDefinedType for the old one):
  // a type of the same name keeps the templates that use it, which are
  // made again from their text against the new type (those that no
  // longer read are removed); another name removes them.
  void Replace(const IIEDefinedType& old, const IIEDefinedType& now);
  // Removes the type and the templates that use it; false when absent.
  bool Remove(std::string_view name);
  // Empties the table and raises OnClearDefinedTypes.
  void Clear();
  // Passes the threshold to the fuzzy variable of every fuzzy type.
  void SetFuzzyThreshold(double threshold);

  // The types with every ancestor before its descendants ("Defined types
  // inheritance structure corrupted" for a cycle).
  [[nodiscard]] std::vector<IIEDefinedType> ParentsFirst() const;
  // Each type's text in ParentsFirst order: the stored list.
  [[nodiscard]] std::vector<std::string> Texts() const;
  // The same texts, each followed by CR LF.
  [[nodiscard]] std::string Text() const;

  // Makes this collection equal to `source`: types the source lacks are
  // removed (with their templates), the table settings taken, and every
  // source type is made again from its text in this engine, ancestors
  // first, replacing one of the same name.
  void Assign(const TIEDefinedTypes& source);

  // One node per type (enumeration order): its name, a child per further
  // line of its text, trimmed.
  void CopyToTree(TTreeNode& root) const;

 private:
  void File(const IIEDefinedType& type);
  void CarryOverTemplates(const IIEDefinedType& old);

  TInferenceEngine* FEngine;  // not owned
  TTable FTable{101, 0.75f};
};

}  // namespace vettora
