// TInferenceEngine::Assign: an engine made a copy of another, as the
// editors work on one.
#include "engine/defined_types.h"
#include "engine/engine_variables.h"
#include "engine/fact_sets.h"
#include "engine/fact_templates.h"
#include "engine/facts.h"
#include "engine/inference_engine.h"
#include "engine/rules.h"
#include "engine/user_functions.h"
#include "engine/vorlan_engine_parser.h"

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

// The reading settings and the notifications of the source's parser, when
// both engines read with the rule-language parser.
void CopyParserSettings(IEngineParser& target, IEngineParser& source) {
  auto* to = dynamic_cast<TVorlanEngineParser*>(&target);
  auto* from = dynamic_cast<TVorlanEngineParser*>(&source);
  if (!to || !from || to == from) return;
  TIEVorlanParser& t = to->Parser();
  const TIEVorlanParser& f = from->Parser();
  t.SetStrictTemplates(f.StrictTemplates());
  t.SetSlotFunctions(f.SlotFunctions());
  t.OnParse = f.OnParse;
  t.OnParseFact = f.OnParseFact;
  t.OnParseFactSet = f.OnParseFactSet;
  t.OnParseFactTemplate = f.OnParseFactTemplate;
  t.OnParseFunCall = f.OnParseFunCall;
  t.OnParseFunction = f.OnParseFunction;
  t.OnParseVariable = f.OnParseVariable;
  t.OnParsePattern = f.OnParsePattern;
  t.OnParseRule = f.OnParseRule;
  t.OnParseDefinedType = f.OnParseDefinedType;
  t.OnParseFuzzySet = f.OnParseFuzzySet;
  t.OnParseFuzzyVariable = f.OnParseFuzzyVariable;
  t.OnParseSingletons = f.OnParseSingletons;
}

}  // namespace

// The initial-fact pattern and the not/or test fact stay this engine's
// own: they are alike in every engine, and sharing the source's would tie
// this engine's network to templates of an engine that may go first.
void TInferenceEngine::Assign(const TInferenceEngine& source) {
  if (&source == this) return;
  Clear();
  CopyParserSettings(*FParser, *source.FParser);
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
