#include "editors/fact_edit.h"

#include <algorithm>
#include <set>

#include "editors/fact_text.h"
#include "editors/messages.h"
#include "engine/fact_templates.h"
#include "engine/inference_engine.h"
#include "knowledge/fact_list.h"
#include "reader/parse_exception.h"

namespace vettora {

namespace {

std::set<std::string> TemplateNames(const TInferenceEngine& engine) {
  std::set<std::string> names;
  for (const auto& entry : engine.FactTemplates().Table()) names.insert(entry.Value->Name());
  return names;
}

// Removes the templates that are not among `before`.
void RemoveTemplatesSince(TInferenceEngine& engine, const std::set<std::string>& before) {
  if (engine.FactTemplates().Count() == int32_t(before.size())) return;
  for (const std::string& name : TemplateNames(engine))
    if (!before.count(name)) engine.FactTemplates().Remove(name);
}

int32_t LineAt(const std::string& text, size_t offset) {
  return 1 + int32_t(std::count(text.begin(), text.begin() + std::ptrdiff_t(offset), '\n'));
}

// The parser reads the first fact and ignores what follows it; a second
// fact typed into the edit would be lost without a word.
void RefuseTextAfterFact(const std::string& text) {
  size_t end = EndOfFirstForm(text);
  if (end == std::string::npos) return;  // the parser reports what is wrong
  size_t extra = NextToken(text, end);
  if (extra != std::string::npos)
    throw EIEParseException(kFactEditorOneFactOnly, LineAt(text, extra));
}

}  // namespace

IFact ParseOneFact(TInferenceEngine& engine, const std::string& text, bool keepNewTemplates) {
  RefuseTextAfterFact(text);
  const std::set<std::string> before = TemplateNames(engine);
  IFact fact;
  try {
    fact = engine.ParseFact(text);
    if (!fact) throw EIEParseException(kFactEditorNoFact, 1);
  } catch (...) {
    RemoveTemplatesSince(engine, before);
    throw;
  }
  if (!keepNewTemplates) RemoveTemplatesSince(engine, before);
  return fact;
}

std::vector<IFact> ListedFacts(const TFactList& list) {
  std::vector<IFact> facts;
  facts.reserve(size_t(list.Count()));
  for (int32_t i = 0; i < list.Count(); ++i) facts.push_back(list.Items(i));
  return facts;
}

void SetListedFacts(TFactList& list, const std::vector<IFact>& facts) {
  list.Clear();
  int32_t id = 0;
  for (const IFact& fact : facts) {
    fact->SetID(id++);
    list.AddFact(fact);
  }
  list.SetNextId(id);
}

std::vector<IFact> FactsWithCurrentTemplates(const TInferenceEngine& engine,
                                             const std::vector<IFact>& before) {
  std::vector<IFact> kept;
  for (const IFact& fact : before) {
    const IFactTemplate& factTemplate = fact->Template();
    if (factTemplate && engine.FactTemplates().Find(factTemplate->Name()) == factTemplate)
      kept.push_back(fact);
  }
  return kept;
}

}  // namespace vettora
