// TFactSet and its lines of facts.
#include "engine/fact_set.h"

#include "engine/fact_sets.h"
#include "engine/inference_engine.h"
#include "matching/context.h"
#include "values/exceptions.h"
#include "values/format.h"
#include "values/messages.h"

namespace vettora {

// ---- TFactSetFacts -------------------------------------------------------------

int32_t TFactSetFacts::Add(std::string text, IFact fact) {
  FLines.push_back({std::move(text), std::move(fact)});
  return Count() - 1;
}

void TFactSetFacts::Delete(int32_t index) {
  (void)Line(index);
  FLines.erase(FLines.begin() + index);
}

void TFactSetFacts::DropFacts() {
  for (TLine& line : FLines) line.Fact = nullptr;
}

std::string TFactSetFacts::Text() const {
  std::string text;
  for (size_t i = 0; i < FLines.size(); ++i) {
    if (i > 0) text += "\r\n";
    text += FLines[i].Text;
  }
  return text;
}

std::vector<std::string> TFactSetFacts::Lines() const {
  std::vector<std::string> lines;
  lines.reserve(FLines.size());
  for (const TLine& line : FLines) lines.push_back(line.Text);
  return lines;
}

TFactSetFacts::TLine& TFactSetFacts::Line(int32_t index) {
  return const_cast<TLine&>(std::as_const(*this).Line(index));
}

const TFactSetFacts::TLine& TFactSetFacts::Line(int32_t index) const {
  if (index < 0 || index >= Count()) throw EListError(FormatMessage(kListIndexError, {index}));
  return FLines[size_t(index)];
}

// ---- TFactSet ------------------------------------------------------------------

TFactSet::TFactSet(TComponent* owner) : TComponent(owner) {
  if (auto* engine = dynamic_cast<TInferenceEngine*>(owner)) SetEngine(engine);
}

TFactSet::~TFactSet() {
  BeginDestroy();
  if (FEngine) FEngine->FactSets().Remove(this);
}

void TFactSet::SetEngine(TInferenceEngine* engine) {
  if (engine == FEngine) return;
  if (FEngine) FEngine->FactSets().Remove(this);
  if (engine) engine->FactSets().Add(this);
}

void TFactSet::AttachEngine(TInferenceEngine* engine) {
  if (engine == FEngine) return;
  if (FEngine) RemoveFreeNotification(FEngine);
  FEngine = engine;
  if (FEngine) FreeNotification(FEngine);
  ReparseAll();
}

void TFactSet::SetFacts(const std::vector<std::string>& lines) {
  FFacts.Clear();
  for (const std::string& line : lines) FFacts.Add(line);
  ReparseAll();
}

// A line that does not parse keeps no fact: FactAt raises its error when the
// fact is asked for, and AssertFacts skips it.
void TFactSet::ReparseAll() {
  FFacts.DropFacts();
  if (!FEngine) return;
  for (int32_t i = 0; i < FFacts.Count(); ++i) {
    try {
      FFacts.SetFact(i, Parse(FFacts.Strings(i) + "\r\n"));
    } catch (const EIEException&) {
    }
  }
}

IFact TFactSet::Parse(const std::string& text) const { return FEngine->ParseFact(text); }

// A line is the fact as the engine's printer writes it: a fact's own Text
// shows a fuzzy value in a form that does not parse, and the line is what
// the set is parsed from again -- so its floats carry every digit.
std::string TFactSet::LineOf(const TFact& fact, TInferenceEngine* engine) {
  TReadBackText exact;
  return engine ? engine->Parser().PrintFact(fact) : fact.Text();
}

// A set being built by the parser has no engine yet but is owned by it.
int32_t TFactSet::AddFact(const IFact& fact) {
  if (!fact) return FFacts.Add(std::string(), fact);
  TInferenceEngine* engine = FEngine ? FEngine : dynamic_cast<TInferenceEngine*>(Owner());
  return FFacts.Add(LineOf(*fact, engine), fact);
}

IFact TFactSet::FactAt(int32_t index) {
  IFact fact = FFacts.Facts(index);
  if (!fact && FEngine) {
    fact = Parse(FFacts.Strings(index) + "\r\n");
    FFacts.SetFact(index, fact);
  }
  return fact;
}

void TFactSet::AssertFacts() {
  if (!FEngine) return;
  for (int32_t i = 0; i < FFacts.Count(); ++i) {
    IFact fact;
    try {
      fact = FactAt(i);
    } catch (const EIEException&) {
      continue;
    }
    if (!fact) continue;
    IFact copy = fact->Clone();
    FEngine->RootContext()->InstantiateFact(copy);
    FEngine->Assert(copy);
  }
}

void TFactSet::RemoveFactsOf(const TFactTemplate* factTemplate) {
  for (int32_t i = FFacts.Count() - 1; i >= 0; --i) {
    const IFact& fact = FFacts.Facts(i);
    if (fact && fact->Template().Get() == factTemplate) FFacts.Delete(i);
  }
}

void TFactSet::ReparseFactsOf(const TFactTemplate* factTemplate) {
  for (int32_t i = 0; i < FFacts.Count(); ++i) {
    const IFact& fact = FFacts.Facts(i);
    if (!fact || fact->Template().Get() != factTemplate) continue;
    FFacts.SetFact(i, nullptr);
    try {
      FFacts.SetFact(i, Parse(FFacts.Strings(i) + "\r\n"));
    } catch (const EIEException&) {
    }
  }
}

void TFactSet::Assign(const TFactSet& source) {
  if (&source == this) return;
  FComment = source.FComment;
  FFactSetName = source.FFactSetName;
  FFacts.Clear();
  auto* ownerEngine = dynamic_cast<TInferenceEngine*>(Owner());
  for (int32_t i = 0; i < source.FFacts.Count(); ++i) {
    const IFact& fact = source.FFacts.Facts(i);
    if (ownerEngine) {
      // A fact is re-read from the printer's form, which reads back also for
      // fuzzy values (a fact's own Text does not).
      std::string text = fact ? LineOf(*fact, ownerEngine) : source.FFacts.Strings(i);
      FFacts.Add(text, ownerEngine->ParseFact(text + "\r\n"));
    } else if (fact) {
      AddFact(fact->Clone());
    } else {
      FFacts.Add(source.FFacts.Strings(i));
    }
  }
}

std::string TFactSet::Text() const {
  return FEngine ? FEngine->Parser().PrintFactSet(*this) : FactSetText(*this);
}

void TFactSet::Loaded() { AssertFacts(); }

void TFactSet::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  // The engine detaches its sets while it is still whole; this only covers
  // an engine that could not, and must not be called into any more.
  if (operation == opRemove && FEngine && component == FEngine) {
    FEngine = nullptr;
    FFacts.DropFacts();
  }
}

}  // namespace vettora
