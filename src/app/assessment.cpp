// TAssessment: building the applicant fact from the controls' values and
// running the stored rule base on it.
#include "app/assessment.h"

#include <QFile>

#include "app/messages.h"
#include "app/rule_components.h"
#include "editors/fact_set_dialog.h"
#include "editors/rules_dialog.h"
#include "engine/fact_set.h"
#include "engine/inference_engine.h"
#include "knowledge/fact.h"
#include "matching/context.h"
#include "matching/rule.h"
#include "values/exceptions.h"
#include "values/format.h"

namespace vettora {

namespace {

constexpr const char* kEngineName = "InferenceEngine1";
constexpr const char* kFactSetName = "FactSet1";
constexpr const char* kFormResource = ":/form/assessment_window.json";

// A caption without its first character, the accelerator mark.
std::string WithoutMark(const char* caption) { return std::string(caption + 1); }

std::string Escaped(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '"' || c == '\\') out += '\\';
    out += c;
  }
  return out;
}

}  // namespace

std::string PreviousJobsText(const TApplicant& a) {
  return "\"" + Escaped(a.LastEmployer) + "\" " + kJobTitles.at(size_t(a.JobTitle)) + " " +
         std::to_string(a.YearsAtJob) + " " + std::to_string(a.NumJobs);
}

std::string SkillsText(const TApplicant& a) {
  std::string text;
  for (int32_t rating : a.Ratings) {
    if (!text.empty()) text += ' ';
    text += WithoutMark(kRatingCaptions.at(size_t(rating)));
  }
  return text;
}

std::string WindowStoredForm() {
  QFile file(kFormResource);
  if (!file.open(QIODevice::ReadOnly))
    throw EIEException(FormatMessage(kFormMissing, {kFormResource}));
  return file.readAll().toStdString();
}

TAssessment::TAssessment(std::string_view storedForm, const TFormHandlers& handlers)
    : FFactSetDialog1(std::make_unique<TFactSetDialog>()),
      FRulesDialog1(std::make_unique<TRulesDialog>()) {
  FForm.Load(storedForm, handlers);
  FFactSetDialog1->SetName("FactSetDialog1");
  FFactSetDialog1->SetCaption(kFactSetDialogCaption);
  FFactSetDialog1->SetFactSet(&FactSet());
  FRulesDialog1->SetName("RulesDialog1");
  FRulesDialog1->SetCaption(kRulesDialogCaption);
  FRulesDialog1->SetEngine(&Engine());
}

TAssessment::~TAssessment() = default;

std::vector<TRule*> TAssessment::RuleComponents() const {
  std::vector<TRule*> rules;
  for (TComponent* component : FForm.Components())
    if (auto* rule = dynamic_cast<TRule*>(component)) rules.push_back(rule);
  return rules;
}

void TAssessment::ReattachRuleComponents() {
  std::string failure;
  for (TRule* rule : RuleComponents()) {
    try {
      ReattachRuleComponent(Engine(), *rule);
    } catch (const EIEException& error) {
      if (failure.empty()) failure = error.what();
    }
  }
  if (!failure.empty()) throw EIEException(failure);
}

TInferenceEngine& TAssessment::Engine() const { return FForm.Get<TInferenceEngine>(kEngineName); }

TFactSet& TAssessment::FactSet() const { return FForm.Get<TFactSet>(kFactSetName); }

void TAssessment::Assess(const TApplicant& a) {
  TInferenceEngine& engine = Engine();
  engine.Reset();
  IFact fact = MakeRef<TFact>(engine.FindTemplate("applicant"));
  fact->SetSlotValue("first-name", MakeAtom(a.FirstName));
  fact->SetSlotValue("last-name", MakeAtom(a.LastName));
  fact->SetSlotValue("age", MakeInteger(a.Age));
  fact->SetSlotValue("marital-status",
                     MakeAtom(WithoutMark(kMaritalStatusCaptions.at(size_t(a.MaritalStatus)))));
  fact->SetSlotValue("skills", engine.Parser().ParseList(SkillsText(a)));
  fact->SetSlotValue("previous-jobs", engine.Parser().ParseList(PreviousJobsText(a)));
  engine.Assert(fact);
  engine.Run();
}

std::string TAssessment::VariableText(const TIEContext& context, std::string_view name) {
  IIEValue value = context.GetValue(name);
  return value ? value->AsString() : std::string();
}

std::string TAssessment::Apology(const std::string& firstName) {
  return FormatMessage(kApology, {firstName});
}

}  // namespace vettora
