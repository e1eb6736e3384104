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
//
// Next to them the assessment owns the two editor dialog components:
// FactSetDialog1 edits the fact set, RulesDialog1 the engine's rules (with
// its templates and types). After the rules were replaced the rule
// components must be reattached (ReattachRuleComponents), or the window
// would never hear of an offer.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "app/applicant.h"
#include "app/stored_form.h"

namespace vettora {

class TFactSet;
class TFactSetDialog;
class TIEContext;
class TInferenceEngine;
class TRule;
class TRulesDialog;

class TAssessment {
 public:
  // Reads the stored form; raises EIEException when it is damaged.
  TAssessment(std::string_view storedForm, const TFormHandlers& handlers);
  ~TAssessment();
  TAssessment(const TAssessment&) = delete;
  TAssessment& operator=(const TAssessment&) = delete;

  [[nodiscard]] TInferenceEngine& Engine() const;
  [[nodiscard]] TFactSet& FactSet() const;
  // Every component of the form, in creation order.
  [[nodiscard]] std::vector<TComponent*> Components() const { return FForm.Components(); }
  // The form's rule components (Rule1, Rule2), in creation order.
  [[nodiscard]] std::vector<TRule*> RuleComponents() const;

  // "Edit initial facts..." on FactSet1 and "Edit evaluation rules..." on
  // InferenceEngine1.
  [[nodiscard]] TFactSetDialog& FactSetDialog1() const { return *FFactSetDialog1; }
  [[nodiscard]] TRulesDialog& RulesDialog1() const { return *FRulesDialog1; }
  // Puts every rule component back in place of the plain rule of its name
  // (see rule_components.h); raises EIEException when one fails, after
  // trying the others.
  void ReattachRuleComponents();

  // Resets the engine, asserts the applicant fact built from `applicant`
  // and runs the engine to the end.
  void Assess(const TApplicant& applicant);

  // The string form of a variable bound in a firing context.
  [[nodiscard]] static std::string VariableText(const TIEContext& context, std::string_view name);

  // The apology of the no-job-openings rule for this first name.
  [[nodiscard]] static std::string Apology(const std::string& firstName);

 private:
  TStoredForm FForm;
  // After the form: the dialogs let go of their targets first.
  std::unique_ptr<TFactSetDialog> FFactSetDialog1;
  std::unique_ptr<TRulesDialog> FRulesDialog1;
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
