#pragma once
// TFactTemplates: the fact templates of one engine by name, on a string
// hash table (capacity 101, load factor 0.75) whose enumeration order is
// the order of listings and stored lists.
//
// Adding under a taken name follows the engine's DuplicateConstructs; a
// template that leaves the collection is detached from the engine, and the
// engine removes (or carries over) what depends on it.

#include <string>
#include <string_view>
#include <vector>

#include "engine/tree_node.h"
#include "knowledge/fact_template.h"
#include "values/object.h"
#include "values/string_hashtable.h"

namespace vettora {

class TInferenceEngine;

class TFactTemplates : public TObject {
 public:
  using TTable = TIStringHashTable<TFactTemplate>;

  explicit TFactTemplates(TInferenceEngine* engine) : FEngine(engine) {}
  TFactTemplates(const TFactTemplates&) = delete;
  TFactTemplates& operator=(const TFactTemplates&) = delete;
  ~TFactTemplates();

  [[nodiscard]] int32_t Count() const { return FTable.Count(); }
  // The template of that name, or an empty handle.
  [[nodiscard]] IFactTemplate Find(std::string_view name) const;
  [[nodiscard]] const TTable& Table() const { return FTable; }
  [[nodiscard]] TTable& Table() { return FTable; }

  // Files the template under its name, giving a template without slots the
  // implied multislot "__Data" first. The same object again changes
  // nothing; another template of that name is replaced (dcOverwrite), kept
  // (dcIgnore) or refused (dcError: "Fact Template Name already exists").
  void Add(const IFactTemplate& factTemplate);
  // Files `now` in place of `old` (OnRemoveFactTemplate for the old one);
  // the engine carries the dependents over.
  void Replace(const IFactTemplate& old, const IFactTemplate& now);
  // Removes the template of that name with its dependents; false when
  // there is none.
  bool Remove(std::string_view name);
  // Re-keys the entry of `oldName` under `newName`.
  void Rekey(const std::string& oldName, const std::string& newName);
  // Empties the collection after the engine emptied everything that
  // depends on templates (queues, network, facts, rules).
  void Clear();

  // The templates with every parent before its children: first those
  // without a parent in enumeration order, then the others ("Fact
  // templates inheritance structure corrupted" for a parent cycle).
  [[nodiscard]] std::vector<IFactTemplate> ParentsFirst() const;
  // Each template's text in ParentsFirst order -- the stored list, which
  // reads back with every "extends" resolvable.
  [[nodiscard]] std::vector<std::string> Texts() const;
  // The same texts, each followed by CR LF.
  [[nodiscard]] std::string Text() const;

  // Makes this collection equal to `source` (of another engine, usually):
  // templates the source lacks are removed, differing ones replaced by
  // copies made for this engine (their dependents carried over), the
  // table settings taken, missing ones copied and added. Parents are
  // linked to this engine's templates of the parents' names.
  void Assign(const TFactTemplates& source);

  // One node per template (enumeration order): its name, a first child
  // with its comment, then one child per slot in definition order, with
  // the slot's type ("Type: " or "Type: (Multislot) " and the kinds, or
  // the defined type's tree) and "Default: " with the default's text.
  void CopyToTree(TTreeNode& root) const;

 private:
  void TakeOver(const IFactTemplate& source);
  void LinkParents(const TFactTemplates& source);
  void Detach(const IFactTemplate& factTemplate);

  TInferenceEngine* FEngine;  // not owned
  TTable FTable{101, 0.75f};
};

}  // namespace vettora
