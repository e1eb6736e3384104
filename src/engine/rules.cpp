// TRules: filing, removal and ownership of an engine's rules.
#include "engine/rules.h"

#include <algorithm>
#include <unordered_set>
#include <vector>

#include "engine/collection_text.h"
#include "engine/construct_factory.h"
#include "engine/engine_parser.h"
#include "engine/inference_engine.h"
#include "engine/messages.h"
#include "matching/rete_network.h"
#include "matching/rule.h"
#include "values/exceptions.h"
#include "values/format.h"

namespace vettora {

TRules::~TRules() {
  // The engine has emptied the table; whatever is left is only dropped.
  FTable.Clear();
}

TRule* TRules::Find(std::string_view name) const {
  TRule* const* rule = FTable.Lookup(name);
  return rule ? *rule : nullptr;
}

void TRules::Add(TRule& rule) {
  TRule* old = Find(rule.RuleName());
  if (old == &rule) return;
  if (old) {
    switch (FEngine->DuplicateConstructs()) {
      case dcIgnore:
        return;
      case dcError:
        throw EIEException(FormatMessage(kDuplicateRuleName, {rule.RuleName()}));
      case dcOverwrite:
        FEngine->RemoveRule(*old);
        break;
    }
  }
  FTable.Put(rule.RuleName(), &rule);
  // A rule still being built is compiled when its update bracket closes.
  if (rule.Updating()) {
    FEngine->RaiseAddRule(rule);
    return;
  }
  try {
    FEngine->CompileRule(rule);
  } catch (...) {
    Forget(rule);
    throw;
  }
  FEngine->RaiseAddRule(rule);
}

bool TRules::Remove(std::string_view name) {
  TRule* rule = Find(name);
  if (!rule) return false;
  FEngine->RemoveRule(*rule);
  return true;
}

bool TRules::Forget(const TRule& rule) {
  if (Find(rule.RuleName()) != &rule) return false;
  FTable.Remove(rule.RuleName());
  return true;
}

void TRules::Rekey(const std::string& oldName, const std::string& newName) {
  TRule* rule = Find(oldName);
  if (!rule) return;
  FTable.Remove(oldName);
  FTable.Put(newName, rule);
}

void TRules::Clear() {
  std::unordered_set<TComponent*> owned;
  std::vector<TRule*> foreign;
  for (const auto& entry : FTable) {
    TRule* rule = entry.Value;
    if (rule->Owner() != static_cast<TComponent*>(FEngine))
      foreign.push_back(rule);
    else if (!rule->Destroying())
      owned.insert(rule);
  }
  FTable.Clear();
  // A rule of another component is only let go, as RemoveRule does: it
  // leaves the network too, or it would go on firing its old content.
  for (TRule* rule : foreign) FEngine->ReteNetwork().RemoveRule(*rule);
  // Freed newest first, as the engine frees its children: each rule then
  // leaves the end of the engine's child list, in constant time.
  std::vector<TComponent*> doomed;
  doomed.reserve(owned.size());
  for (int i = FEngine->ComponentCount() - 1; i >= 0; --i)
    if (owned.count(FEngine->Components(i))) doomed.push_back(FEngine->Components(i));
  for (TComponent* rule : doomed) delete rule;
  FEngine->RulesCleared();
}

void TRules::ResetFired() {
  for (const auto& entry : FTable) entry.Value->ResetFired();
}

std::vector<std::string> TRules::Texts() const {
  std::vector<std::string> texts;
  texts.reserve(size_t(FTable.Count()));
  for (const auto& entry : FTable) texts.push_back(entry.Value->Text());
  return texts;
}

std::string TRules::Text() const {
  std::vector<std::string> lines = Texts();
  for (std::string& line : lines) line += "\r\n";
  std::sort(lines.begin(), lines.end());
  std::string text;
  for (const std::string& line : lines) text += line;
  return text;
}

void TRules::Assign(const TRules& source) {
  if (&source == this) return;
  TReadBackText exact;  // copied through text: every digit must survive
  TGHashtableUpdate update(FTable);
  // Taken first: clearing may free rules the source still lists (when it
  // refers to rules of this engine).
  std::vector<std::pair<TRule*, std::string>> rules;
  for (const auto& entry : source.FTable) {
    TRule* rule = entry.Value;
    bool mine = rule->Owner() == static_cast<TComponent*>(FEngine);
    rules.emplace_back(mine ? rule : nullptr, mine ? std::string() : rule->Text());
  }
  // A rule of this engine kept across the copy must not be freed by Clear.
  for (const auto& [rule, text] : rules)
    if (rule && Forget(*rule)) FEngine->ReteNetwork().RemoveRule(*rule);
  Clear();
  TakeTableSettings(FTable, source.FTable);
  for (const auto& [rule, text] : rules) {
    if (rule)
      Add(*rule);
    else
      AddParsedRule(*FEngine, FEngine->Parser().ParseRule(text));
  }
}

void TRules::CopyToTree(TTreeNode& root) const {
  for (const auto& entry : FTable) {
    const TRule& rule = *entry.Value;
    std::string label = rule.RuleName();
    if (!rule.Comment().empty()) label += "  \"" + rule.Comment() + "\"";
    TTreeNode& node = root.Add(label);
    std::vector<std::string> lines = TrimmedLines(rule.Text());
    for (size_t i = 1; i < lines.size(); ++i)
      if (!lines[i].empty()) node.Add(lines[i]);
  }
}

}  // namespace vettora
