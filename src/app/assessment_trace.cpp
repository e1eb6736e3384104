// TAssessmentTrace: recording the changes of each rule firing.
#include "app/assessment_trace.h"

#include "app/messages.h"
#include "engine/inference_engine.h"
#include "knowledge/fact.h"
#include "matching/activation.h"
#include "matching/binding_info.h"
#include "matching/context.h"
#include "matching/pattern.h"
#include "matching/rule.h"
#include "values/format.h"

namespace vettora {

namespace {

std::vector<std::string> SlotValues(const TFact& fact) {
  std::vector<std::string> values;
  const IFactTemplate& factTemplate = fact.Template();
  int32_t count = factTemplate ? factTemplate->SlotCount() : 0;
  for (int32_t i = 0; i < count; ++i) {
    const IIEValue& value = fact.ValueAt(i);
    values.push_back(value ? value->AsText() : std::string());
  }
  return values;
}

// "salary 40000 -> 36000.0000" for each slot whose value changed.
std::string SlotChanges(const TFact& fact, const std::vector<std::string>& before) {
  std::vector<std::string> after = SlotValues(fact);
  std::string text;
  for (size_t i = 0; i < after.size() && i < before.size(); ++i) {
    if (after[i] == before[i]) continue;
    if (!text.empty()) text += ", ";
    text +=
        FormatMessage(kWhySlotChange, {fact.Template()->SlotNames().at(i), before[i], after[i]});
  }
  return text;
}

// A negated pattern's text without its "(not ...)" wrapping: the fact that
// was absent.
std::string PositiveText(TInferenceEngine& engine, const TIEPattern& pattern) {
  std::string text = engine.PrintPattern(pattern);
  const std::string prefix = "(not ";
  if (text.rfind(prefix, 0) == 0 && text.size() > prefix.size() && text.back() == ')')
    return text.substr(prefix.size(), text.size() - prefix.size() - 1);
  return text;
}

// Anonymous and generated variables say nothing to a reader.
bool Anonymous(const std::string& name) { return name.empty() || name[0] == '_'; }

}  // namespace

TAssessmentTrace::TAssessmentTrace(TInferenceEngine& engine)
    : FEngine(engine),
      FPrevStart(engine.OnStartInference),
      FPrevEnd(engine.OnEndInference),
      FPrevAssertion(engine.OnAssertion),
      FPrevRetraction(engine.OnRetraction),
      FPrevRuleFired(engine.OnRuleFired) {
  engine.OnStartInference = [this](TObject& sender) {
    Started();
    if (FPrevStart) FPrevStart(sender);
  };
  engine.OnEndInference = [this](TObject& sender, int32_t fired) {
    Ended();
    if (FPrevEnd) FPrevEnd(sender, fired);
  };
  engine.OnAssertion = [this](TObject& sender, const IFact& fact) {
    if (fact) Asserted(*fact);
    if (FPrevAssertion) FPrevAssertion(sender, fact);
  };
  engine.OnRetraction = [this](TObject& sender, const IFact& fact) {
    if (fact) Retracting(*fact);
    if (FPrevRetraction) FPrevRetraction(sender, fact);
  };
  engine.OnRuleFired = [this](TObject& sender, TRule& rule) {
    (void)Current();
    if (FPrevRuleFired) FPrevRuleFired(sender, rule);
  };
}

TAssessmentTrace::~TAssessmentTrace() {
  FEngine.OnStartInference = std::move(FPrevStart);
  FEngine.OnEndInference = std::move(FPrevEnd);
  FEngine.OnAssertion = std::move(FPrevAssertion);
  FEngine.OnRetraction = std::move(FPrevRetraction);
  FEngine.OnRuleFired = std::move(FPrevRuleFired);
}

void TAssessmentTrace::Started() {
  FFirings.clear();
  FRetracted.clear();
  FCurrentNumber = -1;
}

void TAssessmentTrace::Ended() { FlushRetracted(); }

// Each firing of a run has its own rules-fired count, so a new count is a
// new firing even when its activation reuses an old one's address.
TRuleFiring* TAssessmentTrace::Current() {
  TActivation* activation = FEngine.FiringActivation();
  if (!activation || !activation->Rule()) return nullptr;
  if (FCurrentNumber == FEngine.RulesFired() && !FFirings.empty()) return &FFirings.back();
  FlushRetracted();
  TRule& rule = *activation->Rule();
  TRuleFiring firing{rule.RuleName(), rule.Comment(), {}, {}, {}};
  AddBindings(rule, firing);
  for (int32_t i = 0; i < rule.PatternCount(); ++i) {
    const TIEPattern& pattern = *rule.Patterns(i);
    if (pattern.NegatedCount() % 2 == 1)
      firing.AbsentFacts.push_back(PositiveText(FEngine, pattern));
  }
  FFirings.push_back(std::move(firing));
  FCurrentNumber = FEngine.RulesFired();
  return &FFirings.back();
}

void TAssessmentTrace::Retracting(const TFact& fact) {
  if (Current()) FRetracted.push_back({&fact, fact.Text(), SlotValues(fact)});
}

// The assertion of a fact retracted in the same firing is a modification.
void TAssessmentTrace::Asserted(const TFact& fact) {
  TRuleFiring* firing = Current();
  if (!firing) return;
  for (auto it = FRetracted.begin(); it != FRetracted.end(); ++it) {
    if (it->Fact != &fact) continue;
    firing->Changes.push_back(
        FormatMessage(kWhyChanged, {it->Text, SlotChanges(fact, it->Values)}));
    FRetracted.erase(it);
    return;
  }
  firing->Changes.push_back(FormatMessage(kWhyAsserted, {fact.Text()}));
}

void TAssessmentTrace::FlushRetracted() {
  if (!FFirings.empty())
    for (const TRetracted& gone : FRetracted)
      FFirings.back().Changes.push_back(FormatMessage(kWhyRetracted, {gone.Text}));
  FRetracted.clear();
}

// The values the firing saw, bound again from the activation's token.
void TAssessmentTrace::AddBindings(TRule& rule, TRuleFiring& firing) {
  TActivation* activation = FEngine.FiringActivation();
  if (!activation || activation->Rule() != &rule || !activation->Token()) return;
  TIEContext context(&FEngine, FEngine.RootContext());
  rule.BindToken(activation->Token(), context);
  for (int32_t i = 0; i < rule.BindingCount(); ++i) {
    const TBinding& binding = *rule.Bindings(i);
    if (Anonymous(binding.Name()) || binding.IsPattern() || binding.IsLocal()) continue;
    // A variable of a negated pattern has no value in the token.
    const TBinding* bound = context.FindBinding(binding.Name());
    if (bound && bound->Value())
      firing.Bindings.push_back("?" + binding.Name() + " = " + bound->Value()->AsText());
  }
}

std::vector<std::string> TAssessmentTrace::Lines() const {
  std::vector<std::string> lines;
  if (FFirings.empty()) lines.push_back(kWhyNoRules);
  int number = 0;
  for (const TRuleFiring& firing : FFirings) {
    std::string head = std::to_string(++number) + ". " + firing.RuleName;
    if (!firing.Comment.empty()) head += " -- " + firing.Comment;
    lines.push_back(head);
    if (!firing.Bindings.empty()) {
      std::string joined;
      for (const std::string& b : firing.Bindings) joined += (joined.empty() ? "" : ", ") + b;
      lines.push_back("    " + FormatMessage(kWhyBindings, {joined}));
    }
    for (const std::string& absent : firing.AbsentFacts)
      lines.push_back("    " + FormatMessage(kWhyAbsent, {absent}));
    for (const std::string& change : firing.Changes) lines.push_back("    " + change);
    if (firing.Changes.empty()) lines.push_back(std::string("    ") + kWhyNoChange);
  }
  return lines;
}

}  // namespace vettora
