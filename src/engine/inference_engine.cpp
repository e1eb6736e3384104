// TInferenceEngine: construction, destruction, settings and the owned
// collections.
#include "engine/inference_engine.h"

#include <vector>

#include "engine/defined_types.h"
#include "engine/engine_variables.h"
#include "engine/fact_set.h"
#include "engine/fact_sets.h"
#include "engine/fact_templates.h"
#include "engine/facts.h"
#include "engine/io_streams.h"
#include "engine/messages.h"
#include "engine/rules.h"
#include "engine/user_functions.h"
#include "functions/user_package.h"
#include "fuzzy/singletons_evaluation.h"
#include "matching/context.h"
#include "matching/pattern.h"
#include "matching/rete_network.h"
#include "matching/rule.h"
#include "values/exceptions.h"
#include "values/format.h"

namespace vettora {

namespace {

const char* CollectionKindName(TCollectionKind kind) {
  static constexpr const char* kNames[] = {"agenda",         "engine variables", "fact list",
                                           "fact sets",      "fact templates",   "global variables",
                                           "defined types",  "I/O streams",      "rules",
                                           "user functions", "Rete network"};
  return kNames[kind];
}

// A value that is not >= 0 (NaN included) becomes 0, above 1 becomes 1.
float ClampUnit(float value) {
  if (!(value >= 0.0f)) return 0.0f;
  return value > 1.0f ? 1.0f : value;
}

}  // namespace

// ---- Construction ------------------------------------------------------------------

TInferenceEngine::TInferenceEngine(TComponent* owner, TCollectionFactory collections)
    : TComponent(owner),
      FCollectionFactory(std::move(collections)),
      FPackageFactory(CreateDefaultPackage),
      FParser(std::make_unique<TEngineTextFallback>()) {
  RegisterFuzzyValues();
  ConstructCollections();
  // The program's parser reads all text the engine is given; it needs the
  // collections above, so it replaces the fallback only now.
  if (std::unique_ptr<IEngineParser> parser = CreateDefaultParser(*this))
    FParser = std::move(parser);
  AddDefaultPackages();
  AssertInitialFact();
}

void TInferenceEngine::ConstructCollections() {
  FIOStreams = MakeCollection<TIOStreams>(ckIOStreams);
  FGlobalVariables = MakeCollection<TGlobalVariables>(ckGlobalVariables);
  FDefinedTypes = MakeCollection<TIEDefinedTypes>(ckDefinedTypes);
  FAgenda = MakeCollection<TIEAgenda>(ckAgenda);
  FFactTemplates = MakeCollection<TFactTemplates>(ckFactTemplates);
  FFacts = MakeCollection<TFacts>(ckFacts);
  CreateSpecialConstructs();
  FFactSets = MakeCollection<TFactSets>(ckFactSets);
  FReteNetwork = MakeCollection<TReteNetwork>(ckReteNetwork);
  FRules = MakeCollection<TRules>(ckRules);
  FEngineVariables = MakeCollection<TEngineVariables>(ckEngineVariables);
  FUserFunctions = MakeCollection<TUserFunctions>(ckUserFunctions);
  FRootContext = std::make_unique<TIEContext>(this, nullptr, this);
}

std::unique_ptr<TObject> TInferenceEngine::CreateCollection(TCollectionKind kind) {
  if (FCollectionFactory)
    if (std::unique_ptr<TObject> made = FCollectionFactory(kind, *this)) return made;
  switch (kind) {
    case ckAgenda:
      return std::make_unique<TIEAgenda>(this);
    case ckEngineVariables:
      return std::make_unique<TEngineVariables>(this);
    case ckFacts:
      return std::make_unique<TFacts>(this);
    case ckFactSets:
      return std::make_unique<TFactSets>(this);
    case ckFactTemplates:
      return std::make_unique<TFactTemplates>(this);
    case ckGlobalVariables:
      return std::make_unique<TGlobalVariables>(this);
    case ckDefinedTypes:
      return std::make_unique<TIEDefinedTypes>(this);
    case ckIOStreams:
      return std::make_unique<TIOStreams>(this);
    case ckRules:
      return std::make_unique<TRules>(this);
    case ckUserFunctions:
      return std::make_unique<TUserFunctions>(this);
    case ckReteNetwork:
      return std::make_unique<TReteNetwork>(nullptr, static_cast<IRuleEngine*>(this));
  }
  return nullptr;
}

template <class T>
std::unique_ptr<T> TInferenceEngine::MakeCollection(TCollectionKind kind) {
  std::unique_ptr<TObject> made = CreateCollection(kind);
  auto* typed = dynamic_cast<T*>(made.get());
  if (!typed) {
    std::string name = made ? made->ClassName() : std::string("nil");
    throw EIEException(FormatMessage(kWrongCollectionClass, {name, CollectionKindName(kind)}));
  }
  made.release();
  return std::unique_ptr<T>(typed);
}

// The implied templates "Initial-Fact" and "__NOT-OR-TEST-CE*", the pattern
// leading rules that need one, and the placeholder fact of negated joins.
void TInferenceEngine::CreateSpecialConstructs() {
  FInitialFactPattern = std::make_unique<TIEPattern>(FindOrCreateTemplate(kInitialFactName));
  FNotOrTestFact = FindOrCreateTemplate(kNotOrTestName)->CreateFact();
}

void TInferenceEngine::DropSpecialConstructs() {
  FInitialFactPattern.reset();
  FNotOrTestFact = nullptr;
}

void TInferenceEngine::AssertInitialFact() {
  Assert(FindOrCreateTemplate(kInitialFactName)->CreateFact());
}

// ---- Destruction -------------------------------------------------------------------

TInferenceEngine::~TInferenceEngine() {
  BeginDestroy();
  ClearEvents();
  // Rules placed next to the engine leave it while it is whole.
  std::vector<TRule*> placed(FRegisteredRules.begin(), FRegisteredRules.end());
  for (TRule* rule : placed)
    if (rule->Owner() != this && rule->Engine() == static_cast<IRuleEngine*>(this))
      rule->SetEngine(nullptr);
  Clear();
  // Owned components (packages, parsed fact sets and rules) still call
  // back into the engine as they go, so they go while it is whole.
  while (ComponentCount() > 0) delete Components(ComponentCount() - 1);
  FRules.reset();
  FGlobalVariables.reset();
  FFactTemplates.reset();
  FDefinedTypes.reset();
  FUserFunctions.reset();
  DropSpecialConstructs();
  FAgenda.reset();
  FFactSets.reset();
  FFacts.reset();
  FReteNetwork.reset();
  FRootContext.reset();
  FEngineVariables.reset();
  FParser.reset();
  FIOStreams.reset();
}

void TInferenceEngine::ClearEvents() {
  OnAddDefaultPackages = nullptr;
  OnAddActivation = nullptr;
  OnAddDefinedType = nullptr;
  OnAddRule = nullptr;
  OnAddUserFunction = nullptr;
  OnAssertion = nullptr;
  OnClear = nullptr;
  OnClearDefinedTypes = nullptr;
  OnClearFactTemplates = nullptr;
  OnClearRules = nullptr;
  OnClearFacts = nullptr;
  OnEndInference = nullptr;
  OnFuzzyCorrelation = nullptr;
  OnFuzzyInference = nullptr;
  OnNewFactTemplate = nullptr;
  OnPrintOut = nullptr;
  OnReadLine = nullptr;
  OnReadToken = nullptr;
  OnRemoveActivation = nullptr;
  OnRemoveRule = nullptr;
  OnRemoveDefinedType = nullptr;
  OnRemoveFactTemplate = nullptr;
  OnRemoveUserFunction = nullptr;
  OnRetraction = nullptr;
  OnRuleFired = nullptr;
  OnReset = nullptr;
  OnStartInference = nullptr;
}

// A rule or fact set placed next to the engine and destroyed leaves it.
void TInferenceEngine::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation != opRemove || Destroying()) return;
  if (auto* factSet = dynamic_cast<TFactSet*>(component)) FFactSets->Remove(factSet);
}

// ---- Settings ----------------------------------------------------------------------

void TInferenceEngine::SetFuzzyEqualsThreshold(float value) {
  value = ClampUnit(value);
  if (value == FFuzzyEqualsThreshold) return;
  FFuzzyEqualsThreshold = value;
  FDefinedTypes->SetFuzzyThreshold(value);
}

void TInferenceEngine::SetMinActivationStrength(float value) {
  FMinActivationStrength = ClampUnit(value);
  FReteNetwork->SetMinActivationStrength(FMinActivationStrength);
}

void TInferenceEngine::SetParser(std::unique_ptr<IEngineParser> parser) {
  FParser = parser ? std::move(parser) : std::make_unique<TEngineTextFallback>();
}

void TInferenceEngine::SetSymbolIndex(int32_t value) {
  if (value > FSymbolIndex) {
    FSymbolIndex = value;
    return;
  }
  if (FSymbolIndex == std::numeric_limits<int32_t>::max())
    throw EIEException(FormatMessage(kEngineIntegerOverflow, {"SymbolIndex"}));
  ++FSymbolIndex;
}

std::string TInferenceEngine::GenerateSymbol(const std::string& prefix) {
  if (FSymbolIndex == std::numeric_limits<int32_t>::max())
    throw EIEException(FormatMessage(kEngineIntegerOverflow, {"SymbolIndex"}));
  return prefix + std::to_string(FSymbolIndex++);
}

int32_t TInferenceEngine::TakeRuleNumber() {
  if (FRuleNumber == std::numeric_limits<int32_t>::max())
    throw EIEException(FormatMessage(kEngineIntegerOverflow, {"rule number"}));
  return ++FRuleNumber;
}

// ---- Packages ----------------------------------------------------------------------

void TInferenceEngine::SetPackages(TFunctionPackages packages) {
  if (packages == FPackages) return;
  FPackages = packages;
  FreePackages();
  AddDefaultPackages();
}

void TInferenceEngine::FreePackages() {
  for (int32_t i = ComponentCount() - 1; i >= 0; --i) {
    if (i >= ComponentCount()) continue;
    if (auto* package = dynamic_cast<TUserPackage*>(Components(i))) delete package;
  }
}

void TInferenceEngine::AddDefaultPackages() {
  if (FPackageFactory)
    for (TFunctionPackage package : kPackageCreationOrder)
      if (FPackages.Contains(package)) (void)FPackageFactory(package, *this);
  if (OnAddDefaultPackages) OnAddDefaultPackages(*this);
}

}  // namespace vettora
