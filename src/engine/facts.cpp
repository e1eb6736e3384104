// TFacts: the engine's fact list.
#include "engine/facts.h"

#include <algorithm>

#include "engine/fact_templates.h"
#include "engine/inference_engine.h"
#include "knowledge/messages.h"
#include "values/exceptions.h"
#include "values/format.h"

namespace vettora {

void TFacts::RetractFactsOf(const TFactTemplate* factTemplate) {
  int32_t i = Count() - 1;
  while (i >= 0) {
    if (Items(i)->Template().Get() == factTemplate) Retract(i);
    // A retraction drains queued work, which may shorten the list further.
    i = std::min(i - 1, Count() - 1);
  }
}

std::vector<std::string> TFacts::Texts() const {
  std::vector<std::string> texts;
  texts.reserve(size_t(Count()));
  for (int32_t i = 0; i < Count(); ++i) texts.push_back(Items(i)->Text());
  return texts;
}

void TFacts::Assign(const TFacts& source) {
  if (&source == this) return;
  TReadBackText exact;  // copied through text: every digit must survive
  std::vector<IFact> facts;
  facts.reserve(size_t(source.Count()));
  for (int32_t i = 0; i < source.Count(); ++i) facts.push_back(source.Items(i));
  auto* engine = dynamic_cast<TInferenceEngine*>(Engine());
  Clear();
  for (const IFact& fact : facts) {
    IFact copy = engine ? CopyFact(*engine, fact) : fact->Clone();
    if (engine)
      engine->Assert(copy);
    else
      AddFact(copy);
  }
}

IFact TFacts::CopyFact(TInferenceEngine& engine, const IFact& fact) const {
  const IFactTemplate& theirs = fact->Template();
  if (!theirs || theirs->Engine() == static_cast<IFactEngine*>(&engine)) return fact->Clone();
  IFactTemplate mine = engine.FindTemplate(theirs->Name());
  if (mine && !mine->Equals(*theirs))
    throw EIEException(FormatMessage(kFactTemplatesDifferent, {theirs->Name(), mine->Name()}));
  if (!mine) {
    mine = MakeRef<TFactTemplate>(theirs->Name(), &engine);
    mine->Assign(*theirs);
    engine.FactTemplates().Add(mine);
  }
  return engine.ParseFact(fact->Text());
}

}  // namespace vettora
