#pragma once
// TAssessment: the window's components and the assessment itself, apart
// from any widget so that the window and `vettora --assess` run the very
// same steps.
//
// The components -- the engine with the rule base, the fact set with the
// company data and the two rule components that report the result -- come
// from the stored form. Their events are bound by name to the handlers the
// host gives (TFormHandlers); the handlers named in the stored form are
// "InferenceEngine1Assertion", "Rule1Fire" and "Rule2Fire".

#include <string>
#include <string_view>
#include <vector>

#include "app/applicant.h"
#include "app/stored_form.h"

namespace vettora {

class TFactSet;
class TIEContext;
class TInferenceEngine;

class TAssessment {
 public:
  // Reads the stored form; raises EIEException when it is damaged.
  TAssessment(std::string_view storedForm, const TFormHandlers& handlers);

  [[nodiscard]] TInferenceEngine& Engine() const;
  [[nodiscard]] TFactSet& FactSet() const;
  // Every component of the form, in creation order.
  [[nodiscard]] std::vector<TComponent*> Components() const { return FForm.Components(); }

  // Resets the engine, asserts the applicant fact built from `applicant`
  // and runs the engine to the end.
  void Assess(const TApplicant& applicant);

  // The string form of a variable bound in a firing context.
  [[nodiscard]] static std::string VariableText(const TIEContext& context, std::string_view name);

  // The apology of the no-job-openings rule for this first name.
  [[nodiscard]] static std::string Apology(const std::string& firstName);

 private:
  TStoredForm FForm;
};

// The text ParseList reads as the applicant's previous jobs: the employer
// as a string (quotes and backslashes escaped), the title, the years and
// the number of jobs.
[[nodiscard]] std::string PreviousJobsText(const TApplicant& applicant);
// The four rating captions without their accelerator mark, joined by blanks.
[[nodiscard]] std::string SkillsText(const TApplicant& applicant);

// The compiled-in stored form of the assessment window.
[[nodiscard]] std::string WindowStoredForm();

}  // namespace vettora
