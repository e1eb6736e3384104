// TInferenceEngine::Assign: an engine made a copy of another, as the
// editors work on one.
#include "engine/defined_types.h"
#include "engine/engine_parser.h"
#include "engine/engine_variables.h"
#include "engine/fact_sets.h"
#include "engine/fact_templates.h"
#include "engine/facts.h"
#include "engine/inference_engine.h"
#include "engine/rules.h"
#include "engine/user_functions.h"
#include "values/format.h"

namespace vettora {

namespace {

// Puts a TypeChecks value back when the copy ends, however it ends.
class TTypeChecksRestore {
 public:
  TTypeChecksRestore(TInferenceEngine& engine, TTypeChecks after)
      : FEngine(engine), FAfter(after) {}
  ~TTypeChecksRestore() { FEngine.SetTypeChecks(FAfter); }
  TTypeChecksRestore(const TTypeChecksRestore&) = delete;
  TTypeChecksRestore& operator=(const TTypeChecksRestore&) = delete;

 private:
  TInferenceEngine& FEngine;
  TTypeChecks FAfter;
};

}  // namespace

// The initial-fact pattern and the not/or test fact stay this engine's
// own: they are alike in every engine, and sharing the source's would tie
// this engine's network to templates of an engine that may go first.
void TInferenceEngine::Assign(const TInferenceEngine& source) {
  if (&source == this) return;
  TReadBackText exact;  // copied through text: every digit must survive
  Clear();
  FParser->AssignSettings(*source.FParser);
  TTypeChecksRestore restore(*this, source.FTypeChecks);
  FTypeChecks = TTypeChecks();
  FStrategy = source.FStrategy;  // the agenda is empty: nothing to re-sort
  FFactDuplication = source.FFactDuplication;
  FDuplicateConstructs = source.FDuplicateConstructs;
  FParserMaxErrors = source.FParserMaxErrors;
  FParserErrorHandling = source.FParserErrorHandling;
  FWatch = source.FWatch;
  FResetGlobals = source.FResetGlobals;
  int32_t templatesBefore = FFactTemplates->Count();
  bool functionsCopied = FUserFunctions->CopyFrom(*source.FUserFunctions, true);
  bool templatesChanged = FFactTemplates->Count() != templatesBefore;
  FFuzzyAutoTerms = source.FFuzzyAutoTerms;
  SetFuzzyEqualsThreshold(source.FFuzzyEqualsThreshold);
  FFuzzyCorrelationMethod = source.FFuzzyCorrelationMethod;
  FFuzzyInferenceMethod = source.FFuzzyInferenceMethod;
  SetMinActivationStrength(source.FMinActivationStrength);
  FDefinedTypes->Assign(*source.FDefinedTypes);
  FFactTemplates->Assign(*source.FFactTemplates);
  // A deffunction that did not read before the types and templates were
  // here (or whose reading made templates the copy then replaced) is read
  // again now.
  if (!functionsCopied || templatesChanged)
    (void)FUserFunctions->AddDeffunctionsOf(*source.FUserFunctions);
  FGlobalVariables->Assign(*source.FGlobalVariables);
  FFactSets->Assign(*source.FFactSets);
  FFacts->Assign(*source.FFacts);
  FRules->Assign(*source.FRules);
}

}  // namespace vettora
