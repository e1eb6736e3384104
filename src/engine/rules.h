#pragma once
// TRules: the rules of one engine by name (capacity 101, load factor 0.75).
// It owns the rules whose owner component is the engine (rules parsed from
// text); rules owned by another component (placed on a form) are only
// referred to.

#include <string>
#include <string_view>
#include <vector>

#include "engine/tree_node.h"
#include "values/object.h"
#include "values/string_hashtable.h"

namespace vettora {

class TInferenceEngine;
class TRule;

class TRules : public TObject {
 public:
  using TTable = TGStringHashtable<TRule*>;

  explicit TRules(TInferenceEngine* engine) : FEngine(engine) {}
  TRules(const TRules&) = delete;
  TRules& operator=(const TRules&) = delete;
  ~TRules() override;

  [[nodiscard]] int32_t Count() const { return FTable.Count(); }
  // The rule filed under that name, or null.
  [[nodiscard]] TRule* Find(std::string_view name) const;
  [[nodiscard]] const TTable& Table() const { return FTable; }
  // The table, for its settings (capacity, load factor, hash method).
  [[nodiscard]] TGCustomHashtable& TableSettings() { return FTable; }

  // Files the rule under its name: the same rule again changes nothing;
  // another rule of that name is removed (dcOverwrite), kept while the new
  // one is not filed (dcIgnore) or refused (dcError: "Duplicate Rules
  // defined with same name"). Then the rule is compiled, its compilation
  // trace watched and OnAddRule raised.
  void Add(TRule& rule);
  // Has the engine remove the rule filed under that name (OnRemoveRule, out
  // of the network, freed when the engine owns it); false when absent.
  bool Remove(std::string_view name);
  // Takes the rule's entry out when it is filed under its name; nothing
  // else happens.
  bool Forget(const TRule& rule);
  // Files the rule of `oldName` under `newName`.
  void Rekey(const std::string& oldName, const std::string& newName);
  // Frees the engine's own rules, empties the table and raises OnClearRules.
  void Clear();
  // Clears every rule's fired mark.
  void ResetFired();

  // Each rule's text in enumeration order: the stored list.
  [[nodiscard]] std::vector<std::string> Texts() const;
  // Each rule's text followed by CR LF, the lines sorted as strings (so by
  // rule name, in effect).
  [[nodiscard]] std::string Text() const;

  // Empties the collection and takes the source's table settings and
  // rules: a rule this engine owns is filed as it is, any other is made
  // again from its text in this engine.
  void Assign(const TRules& source);

  // One node per rule (enumeration order): the name, followed by two
  // blanks and the quoted comment when there is one; a child per further
  // line of the rule's text, trimmed.
  void CopyToTree(TTreeNode& root) const;

 private:
  TInferenceEngine* FEngine;  // not owned
  TTable FTable{101, 0.75f};
};

}  // namespace vettora
