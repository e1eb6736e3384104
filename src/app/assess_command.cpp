// The headless assessment: the stored form's handlers keep the last offer
// and the apology; they are printed once the run has ended.
#include "app/assess_command.h"

#include <ostream>

#include "app/assessment.h"
#include "app/evaluation_file.h"
#include "app/knowledge_file.h"

namespace vettora {

namespace {

struct TOutcome {
  bool Offered = false;
  std::string Title;
  std::string Salary;
  std::string Apology;
};

TFormHandlers OutcomeHandlers(TOutcome& outcome) {
  TFormHandlers handlers;
  handlers.FactEvents["InferenceEngine1Assertion"] = [](TObject&, const IFact&) {};
  handlers.RuleFireEvents["Rule1Fire"] = [&outcome](TObject&, TIEContext& context) {
    outcome.Offered = true;
    outcome.Title = TAssessment::VariableText(context, "title1");
    outcome.Salary = TAssessment::VariableText(context, "salary1");
  };
  handlers.RuleFireEvents["Rule2Fire"] = [&outcome](TObject&, TIEContext& context) {
    outcome.Apology = TAssessment::Apology(TAssessment::VariableText(context, "first-name"));
  };
  return handlers;
}

}  // namespace

int RunAssessCommand(const std::string& fileName, const std::string& knowledgeFile,
                     std::ostream& out, std::ostream& err) {
  try {
    TApplicant applicant;
    LoadEvaluationFile(fileName, applicant);
    TOutcome outcome;
    TLoadedAssessment loaded = LoadAssessment(OutcomeHandlers(outcome), knowledgeFile);
    if (!loaded.Warning.empty()) err << loaded.Warning << '\n';
    loaded.Assessment->Assess(applicant);
    if (!outcome.Apology.empty()) out << outcome.Apology << '\n';
    if (outcome.Offered) out << outcome.Title << '\n' << outcome.Salary << '\n';
    out.flush();
    return 0;
  } catch (const std::exception& error) {
    err << error.what() << '\n';
    return 1;
  }
}

}  // namespace vettora
