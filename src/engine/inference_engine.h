#pragma once
// TInferenceEngine: the component through which everything reaches the
// system. It owns the knowledge base (templates, facts, fact sets, rules,
// globals, defined types, functions), the Rete network, the agenda, the
// root evaluation context, the parser and the named streams; it resets,
// clears and runs, asserts and retracts, and raises the events a host
// observes.
//
// The lower layers reach it through the narrow interfaces it implements:
// functions through IReasoner, packages through IEngineServices,
// templates and facts through IFactEngine, defined types through
// IDefinedTypeReasoner, fuzzy variables through IFuzzyParser, rules and the
// network through IRuleEngine, its agenda through IAgendaEngine.
//
// Threads: an engine is used by one thread at a time, the caller's; it
// takes no locks. The one call allowed from any thread at any time is
// Halt() (a Stop button's). Events run on the thread that runs the engine.
// A rule may run the engine again from inside its actions.

#include <atomic>
#include <cstdint>
#include <functional>
#include <limits>
#include <memory>
#include <string>
#include <unordered_set>

#include "engine/construct_watch.h"
#include "engine/default_packages.h"
#include "engine/engine_events.h"
#include "engine/engine_parser.h"
#include "engine/host_runtime.h"
#include "engine/text_line.h"
#include "engine/user_dialogs.h"
#include "functions/duplicate_constructs.h"
#include "functions/engine_services.h"
#include "functions/function_package.h"
#include "functions/reasoner.h"
#include "fuzzy/fuzzy_parser.h"
#include "fuzzy/singletons_parser.h"
#include "knowledge/defined_type_reasoner.h"
#include "knowledge/fact_engine.h"
#include "matching/agenda.h"
#include "matching/rule_engine.h"
#include "matching/search_strategy.h"
#include "reader/error_handling.h"
#include "values/component.h"

namespace vettora {

class TEngineVariables;
class TFacts;
class TFactSets;
class TFactTemplates;
class TGlobalVariables;
class TIEDefinedTypes;
class TIOStreams;
class TGTextStream;
class TIETokenizerStream;
class TStream;
class TReteNetwork;
class TRules;
class TUserFunctions;
class TPropertyStore;

// The objects an engine owns, made in its constructor by CreateCollection.
enum TCollectionKind : uint8_t {
  ckAgenda,
  ckEngineVariables,
  ckFacts,
  ckFactSets,
  ckFactTemplates,
  ckGlobalVariables,
  ckDefinedTypes,
  ckIOStreams,
  ckRules,
  ckUserFunctions,
  ckReteNetwork,
};

class TInferenceEngine;
// Makes a collection of the kind for the engine (it may be of a derived
// class), or null for the engine's own.
using TCollectionFactory =
    std::function<std::unique_ptr<TObject>(TCollectionKind kind, TInferenceEngine& engine)>;

class TInferenceEngine : public TComponent,
                         public IReasoner,
                         public IEngineServices,
                         public IFactEngine,
                         public IDefinedTypeReasoner,
                         public IFuzzyParser,
                         public ISingletonsParser,
                         public IRuleEngine,
                         public IAgendaEngine {
 public:
  // Builds every collection (through `collections`, when given, for a class
  // that wants its own), creates the default packages and asserts the
  // initial fact, which is therefore fact 0.
  explicit TInferenceEngine(TComponent* owner = nullptr, TCollectionFactory collections = nullptr);
  ~TInferenceEngine() override;

  [[nodiscard]] std::string ClassName() const override { return "TInferenceEngine"; }

  // ---- Lifecycle and control.
  // Empties the fact list (and with it the network's memories and the
  // agenda), sets the fact counter to 0, resets every rule's fired mark,
  // asserts the initial fact, resets the globals (ResetGlobals) and asserts
  // every fact set; then OnReset.
  void Reset() final;
  // Empties the whole knowledge base; the initial fact is not asserted
  // again (Reset does that). Then OnClear.
  void Clear() final;
  // Fires the front activation until the agenda is empty, `maximum` rules
  // have fired or a halt is requested; answers the number fired.
  int32_t Run(int32_t maximum = kRunForever) final;
  // Asks the run to stop after the rule being fired; safe from any thread.
  void Halt() final { FHaltRequest.store(true, std::memory_order_relaxed); }
  [[nodiscard]] bool HaltRequested() const {
    return FHaltRequest.load(std::memory_order_relaxed);
  }
  // Rules fired so far in the current (or last) run.
  [[nodiscard]] int32_t RulesFired() const { return FRulesFired; }
  // The activation being fired, or null outside a firing.
  [[nodiscard]] TActivation* FiringActivation() const final { return FFiringActivation; }
  [[nodiscard]] float Version() const final { return FVersion; }

  // ---- Facts.
  // The new fact's ID, or -1 when an equal fact is listed (and duplicates
  // are off). `intersection` combines an equal fuzzy fact by intersection.
  int32_t Assert(const IFact& fact, bool intersection = false) final;
  // Parses one fact, evaluates its slots in the root context and asserts it.
  int32_t AssertString(const std::string& text) final;
  // Retracts the fact at a list index.
  void Retract(int32_t index) final;
  // Retracts the first fact equal to `fact`; its old list index, or -1.
  int32_t RetractEqual(const IFact& fact);
  int32_t RetractString(const std::string& text) final;
  // Queues the fact for deferred assertion (`assert`) or retraction.
  void QueueFact(const IFact& fact, bool assert);

  // ---- Constructs.
  IFactTemplate FindTemplate(const std::string& name) override;
  IFactTemplate FindOrCreateTemplate(const std::string& name) override;
  // The rule filed under that name, or null.
  [[nodiscard]] TRule* FindRule(const std::string& name) const;
  // Raises OnRemoveRule, takes the rule out of the network and frees it when
  // the engine owns it (rules of other components are only detached).
  virtual void RemoveRule(TRule& rule);
  // Files the rule registered under `oldName` under `newName`: "Duplicate
  // Rules defined with same name" when the new name is taken.
  virtual void RenameRule(const std::string& oldName, const std::string& newName);
  // Removes the template of `oldName` (OnRemoveFactTemplate and its
  // dependents) and files it under `newName`.
  virtual void RenameFactTemplate(const std::string& oldName, const std::string& newName);
  // Removes everything that depends on a template: queued facts aside,
  // its facts (from the end), fact-set lines of its facts, and every rule
  // with a pattern on it.
  virtual void RemoveTemplateDependents(const IFactTemplate& factTemplate);
  // Replaces a template by another: dependents are removed when the names
  // differ and carried over (re-made against the new template) when they
  // are the same.
  virtual void ReplaceTemplate(const IFactTemplate& old, const IFactTemplate& now);
  // Removes the templates that use a defined type, with their dependents.
  virtual void RemoveDefinedTypeTemplates(const IIEDefinedType& type);
  void AddUserFunction(const IUserFunction& function);
  void RemoveUserFunction(const IUserFunction& function);

  // ---- Agenda.
  // Raises OnRemoveActivation, prints the watch line and deletes the entry,
  // freeing the activation unless it is the one being fired.
  virtual void RemoveActivation(int32_t index);
  // Where an activation of this salience goes under the current strategy.
  int32_t InsertionIndex(int32_t salience) override;
  virtual void SetActivation(int32_t index, TActivation* activation);

  // ---- Symbols.
  std::string GenerateSymbol(const std::string& prefix) override;
  [[nodiscard]] int32_t SymbolIndex() const { return FSymbolIndex; }
  // A larger value is stored; any other value only advances the counter.
  void SetSymbolIndex(int32_t value) final;

  // ---- Packages.
  [[nodiscard]] TFunctionPackages Packages() const { return FPackages; }
  // A different set frees the package components and creates them again.
  void SetPackages(TFunctionPackages packages);
  // Creates one package component per member of Packages, then raises
  // OnAddDefaultPackages.
  virtual void AddDefaultPackages();
  // Replaces the factory the packages are made with (CreateDefaultPackage
  // by default); takes effect at the next AddDefaultPackages.
  void SetPackageFactory(TPackageFactory factory) { FPackageFactory = std::move(factory); }

  // ---- Host objects.
  // The runtime the object package reaches host objects through: the
  // headless one over the engine's own components unless a host installs
  // its own (null restores the headless one).
  [[nodiscard]] THostRuntime& HostRuntime() final;
  void SetHostRuntime(std::unique_ptr<THostRuntime> runtime);

  // ---- Output.
  // Routes text to a logical stream: "t" or "" to the capture stream or
  // OnPrintOut, a known name to its stream, any other to OnPrintOut; with
  // no handler for such a name, "Function is unimplemented or unassigned".
  void PrintOut(const std::string& outId, const std::string& text) override;

  // ---- Dialogs with the user (input-box, message-dlg, ...).
  // The current implementation; the engine does not own it. Null restores
  // the engine's own, which cancels every dialog.
  [[nodiscard]] TUserDialogs& UserDialogs() const final { return *FUserDialogs; }
  void SetUserDialogs(TUserDialogs* dialogs) {
    FUserDialogs = dialogs != nullptr ? dialogs : &FNoUserDialogs;
  }

  // ---- Input, batch and capture.
  // The next line of a named stream ("" at its end), else of a running
  // batch (echoed to "t"), else from OnReadLine.
  std::string ReadLine(const std::string& inId) override;
  // The next token of a named tokenizer stream, else of a running batch
  // (its text echoed to "t"), else from OnReadToken.
  IStreamToken ReadToken(const std::string& inId) override;
  // Runs a file line by line as commands; raises when it cannot be opened.
  bool Batch(const std::string& fileName) final;
  // Executes the source line by line; input read meanwhile comes from the
  // following lines. The previous batch is restored afterwards, also after
  // an error, which ends the batch.
  virtual void BatchFromStream(TStream& source);
  // Captures output to "t" in a new (or emptied) file; false, with the
  // capture unchanged, when the file cannot be created.
  bool DribbleOn(const std::string& fileName) final;
  // The stream becomes the capture stream (the previous one is freed).
  virtual void DribbleOnStream(std::unique_ptr<TGTextStream> stream);
  // Ends the capture, closing its stream.
  bool DribbleOff() final;
  [[nodiscard]] TGTextStream* CaptureStream() const { return FCaptureStream.get(); }
  [[nodiscard]] bool BatchRunning() const { return FBatchStream != nullptr; }

  // ---- Knowledge-base text, loading and saving (engine_load_save.cpp).
  // The whole knowledge base as rule-language text: a header of comment
  // lines with the counts, the fact-duplication setting, then one section
  // per non-empty part; every line ends with CR LF.
  virtual std::string GetText();
  // Clears the engine, reads and executes the whole text, then resets; the
  // parser's previous input comes back also after an error.
  virtual void SetText(const std::string& text);
  // Reads and executes the text without clearing or resetting.
  virtual void ExecuteText(const std::string& text, bool flag = true);
  // Each line on its own, errors swallowed: a line with a fact attached is
  // parsed as a fact and asserted, any other is executed.
  virtual void ExecuteLines(const TTextLines& lines);
  // SetText / GetText over a stream or a file. A file that cannot be
  // opened (or created) raises EGStreamError naming it.
  virtual void LoadFromStream(TStream& stream);
  virtual void SaveToStream(TStream& stream);
  void LoadFromFile(const std::string& fileName) final;
  void SaveToFile(const std::string& fileName) final;
  // Per kind. Loading defined types, templates or rules first empties that
  // collection; loading facts asserts them and empties nothing. Saving
  // writes each item's text followed by CR LF.
  virtual void LoadDefinedTypesFromStream(TStream& stream);
  virtual void SaveDefinedTypesToStream(TStream& stream);
  void LoadDefinedTypesFromFile(const std::string& fileName);
  void SaveDefinedTypesToFile(const std::string& fileName);
  virtual void LoadFactsFromStream(TStream& stream);
  virtual void SaveFactsToStream(TStream& stream);
  void LoadFactsFromFile(const std::string& fileName) final;
  void SaveFactsToFile(const std::string& fileName) final;
  // Writes only the facts whose template has that name.
  void SaveFactsOfTemplate(TStream& stream, const std::string& templateName) override;
  virtual void LoadFactTemplatesFromStream(TStream& stream);
  virtual void SaveFactTemplatesToStream(TStream& stream);
  void LoadFactTemplatesFromFile(const std::string& fileName);
  void SaveFactTemplatesToFile(const std::string& fileName);
  virtual void LoadRulesFromStream(TStream& stream);
  virtual void SaveRulesToStream(TStream& stream);
  void LoadRulesFromFile(const std::string& fileName);
  void SaveRulesToFile(const std::string& fileName);

  // ISingletonsParser: fuzzy points read by the parser.
  ISingletonsVector ParseFuzzyPoints(const std::string& text) override;

  // ---- Published properties.
  [[nodiscard]] TDuplicateConstructs DuplicateConstructs() const { return FDuplicateConstructs; }
  void SetDuplicateConstructs(TDuplicateConstructs value) { FDuplicateConstructs = value; }
  [[nodiscard]] bool FactDuplication() const override { return FFactDuplication; }
  void SetFactDuplication(bool value) final { FFactDuplication = value; }
  [[nodiscard]] bool FuzzyAutoTerms() const final { return FFuzzyAutoTerms; }
  void SetFuzzyAutoTerms(bool value) final { FFuzzyAutoTerms = value; }
  [[nodiscard]] TFuzzyCorrelationMethod FuzzyCorrelationMethod() const override {
    return FFuzzyCorrelationMethod;
  }
  void SetFuzzyCorrelationMethod(TFuzzyCorrelationMethod value) final {
    FFuzzyCorrelationMethod = value;
  }
  [[nodiscard]] TFuzzyInferenceMethod FuzzyInferenceMethod() const override {
    return FFuzzyInferenceMethod;
  }
  void SetFuzzyInferenceMethod(TFuzzyInferenceMethod value) final { FFuzzyInferenceMethod = value; }
  // A single-precision setting, clamped to 0..1, passed to every fuzzy
  // type's variable when it changes.
  [[nodiscard]] TFzyFloat FuzzyEqualsThreshold() const override { return FFuzzyEqualsThreshold; }
  void SetFuzzyEqualsThreshold(float value) final;
  // Clamped to 0..1 and passed to the network.
  [[nodiscard]] float MinActivationStrength() const final { return FMinActivationStrength; }
  void SetMinActivationStrength(float value) final;
  [[nodiscard]] TErrorHandling ParserErrorHandling() const { return FParserErrorHandling; }
  void SetParserErrorHandling(TErrorHandling value) { FParserErrorHandling = value; }
  [[nodiscard]] int32_t ParserMaxErrors() const { return FParserMaxErrors; }
  void SetParserMaxErrors(int32_t value) { FParserMaxErrors = value; }
  [[nodiscard]] bool ResetGlobals() const final { return FResetGlobals; }
  void SetResetGlobals(bool value) final { FResetGlobals = value; }
  [[nodiscard]] TSearchStrategy Strategy() const { return FStrategy; }
  // A different strategy re-sorts the agenda: each activation is replaced
  // by a clone added again under the new strategy.
  virtual void SetStrategy(TSearchStrategy value);
  [[nodiscard]] TTypeChecks TypeChecks() const override { return FTypeChecks; }
  void SetTypeChecks(TTypeChecks value) final { FTypeChecks = value; }
  [[nodiscard]] TConstructWatches Watch() const final { return FWatch; }
  void SetWatch(TConstructWatches value) final { FWatch = value; }

  // ---- Copying and stored properties (engine_assign.cpp,
  // engine_properties.cpp).
  // Clears this engine and copies the source's parser settings and events,
  // its settings and its knowledge base: functions, defined types, fact
  // templates, globals, fact sets, facts and rules. Packages are not
  // copied. TypeChecks is empty during the copy and the source's value
  // afterwards, also after an error.
  virtual void Assign(const TInferenceEngine& source);
  // Writes the published properties that differ from their defaults (the
  // collections' table settings and their non-empty lists always), in
  // declaration order, then "FactsList" and "FactSets".
  void WriteProperties(TPropertyStore& store);
  // Applies each stored property in the store's order; an unknown name or
  // a value that does not fit raises.
  void ReadProperties(const TPropertyStore& store);

  // ---- Collections.
  [[nodiscard]] TIEAgenda& Agenda() const final { return *FAgenda; }
  [[nodiscard]] TEngineVariables& EngineVariables() const final { return *FEngineVariables; }
  [[nodiscard]] TFacts& Facts() const final { return *FFacts; }
  [[nodiscard]] TFactSets& FactSets() const final { return *FFactSets; }
  [[nodiscard]] TFactTemplates& FactTemplates() const final { return *FFactTemplates; }
  [[nodiscard]] TGlobalVariables& GlobalVariables() const { return *FGlobalVariables; }
  [[nodiscard]] TIEDefinedTypes& DefinedTypes() const final { return *FDefinedTypes; }
  [[nodiscard]] TIOStreams& IOStreams() const final { return *FIOStreams; }
  [[nodiscard]] TRules& Rules() const final { return *FRules; }
  [[nodiscard]] TUserFunctions& UserFunctions() const final { return *FUserFunctions; }
  [[nodiscard]] TReteNetwork& ReteNetwork() const { return *FReteNetwork; }

  // ---- The parser: all reading and printing of rule-language text, the
  // one-construct entries (Parser().ParseRule(text), ...) and the parse
  // events (Parser().Events().OnParse).
  [[nodiscard]] IEngineParser& Parser() const final { return *FParser; }
  // Replaces the parser; null leaves the fallback that reads nothing.
  void SetParser(std::unique_ptr<IEngineParser> parser);

  // ---- Events (each raised only when assigned).
  TNotifyEvent OnAddDefaultPackages;
  TActivationIndexEvent OnAddActivation;
  TDefinedTypeEvent OnAddDefinedType;
  TRuleEvent OnAddRule;
  TUserFunctionEvent OnAddUserFunction;
  TFactEvent OnAssertion;
  TNotifyEvent OnClear;
  TNotifyEvent OnClearDefinedTypes;
  TNotifyEvent OnClearFactTemplates;
  TNotifyEvent OnClearRules;
  TNotifyEvent OnClearFacts;
  TEndInferenceEvent OnEndInference;
  TFuzzyCorrelationEvent OnFuzzyCorrelation;
  TFuzzyInferenceEvent OnFuzzyInference;
  TFactTemplateEvent OnNewFactTemplate;
  TPrintOutEvent OnPrintOut;
  TReadLineEvent OnReadLine;
  TReadTokenEvent OnReadToken;
  TActivationIndexEvent OnRemoveActivation;
  TRuleEvent OnRemoveRule;
  TDefinedTypeEvent OnRemoveDefinedType;
  TFactTemplateEvent OnRemoveFactTemplate;
  TUserFunctionEvent OnRemoveUserFunction;
  TFactEvent OnRetraction;
  TRuleEvent OnRuleFired;
  TNotifyEvent OnReset;
  TNotifyEvent OnStartInference;

  // ---- IEngineServices. The rest of it are members above, final where a
  // derived engine could not replace them before.
  TComponent* EngineComponent() override { return this; }
  IFactEngine* FactEngine() override { return this; }
  ISymbolSource* SymbolSource() override { return this; }

  // ---- IReasoner.
  void RegisterFunction(const IUserFunction& function) override;
  void UnregisterFunction(const IUserFunction& function) override;
  bool FindFunction(const std::string& name, IUserFunction& function) override;
  std::string PrintFunCall(const TFunctionCall& call) override;
  std::string PrintFunction(const TIEUserFunction& function) override;
  TComponent* ReasonerComponent() override { return this; }

  // ---- IFactEngine.
  [[nodiscard]] int32_t NextFactId() const override;
  [[nodiscard]] bool WatchingFacts() const override;
  void ReteAddFact(const IFact& fact) override;
  void ReteRemoveFact(const IFact& fact) override;
  void ReteClearFacts() override;
  void FactAsserted(const IFact& fact) override;
  void FactRetracting(const IFact& fact) override;
  void FactsCleared() override;
  bool FuzzyCorrelationDone(const IFact& fact, double strength) override;
  bool FuzzyInferenceDone(const IFact& newFact, const IFact& listedFact) override;
  bool FiringStrength(double& strength) const override;
  void RenameFactTemplate(TFactTemplate& factTemplate, const std::string& oldName,
                          const std::string& newName) override;
  IIEDefinedType FindDefinedType(const std::string& name) override;
  IEvalContext* GlobalContext() override;
  std::string PrintTemplateSlot(const TFactSlot& slot) override;
  std::string PrintFactTemplate(const TFactTemplate& factTemplate) override;
  IIEValue ParseValue(const std::string& text) override;
  IFact ParseFact(const std::string& text) override;

  // ---- IDefinedTypeReasoner.
  std::string PrintDefinedType(const TIEDefinedType& type) override;
  IFuzzyParser* FuzzyParser() override { return this; }

  // ---- IRuleEngine.
  TComponent* RuleEngineComponent() override { return this; }
  TIEContext* RootContext() override { return FRootContext.get(); }
  const TIEPattern& InitialFactPattern() override;
  const IFact& NotOrTestFact() override;
  bool IsGlobalVariable(const std::string& name) override;
  int32_t TakeRuleNumber() override;
  const TFactList& RuleFactList() override;
  void QueueGoalFact(const IFact& fact) override;
  void RegisterRule(TRule& rule) override;
  void UnregisterRule(TRule& rule) override;
  void RenameRule(TRule& rule, const std::string& oldName, const std::string& newName) override;
  void RuleChanged(TRule& rule) override;
  void AddActivation(std::unique_ptr<TActivation> activation) override;
  std::unique_ptr<TActivation> RemoveActivation(TActivation& activation) override;
  void ActivationDestroyed(TActivation& activation) override;
  void ActivationFired(TActivation& activation) override;
  std::string PrintRule(const TRule& rule) override;
  std::string PrintPattern(const TIEPattern& pattern) override;
  IFunCallBase NewFunctionCall(const std::string& name) override;
  IFunCallBase CopyFunctionCall(const TFunCallBase& call) override;
  std::string FunctionCallName(const TFunCallBase& call) override;
  int32_t CallArgumentCount(const TFunCallBase& call) override;
  IIEValue CallArgument(const TFunCallBase& call, int32_t index) override;
  void SetCallArgument(TFunCallBase& call, int32_t index, IIEValue value) override;
  void AddCallArgument(TFunCallBase& call, IIEValue value) override;

  // ---- Called by the collections.
  void RaiseNewFactTemplate(const IFactTemplate& factTemplate);
  void RaiseRemoveFactTemplate(const IFactTemplate& factTemplate);
  void RaiseClearFactTemplates();
  // Empties what depends on templates before the templates go: the
  // deferred queues, the network, the fact list and the rules.
  void ClearTemplateDependents();
  void RaiseAddRule(TRule& rule);
  // The rule collection was emptied: the rule numbers start again.
  void RulesCleared();
  void RaiseAddDefinedType(const IIEDefinedType& type);
  void RaiseRemoveDefinedType(const IIEDefinedType& type);
  void RaiseClearDefinedTypes();
  void RaiseAddUserFunction(const IUserFunction& function);
  void RaiseRemoveUserFunction(const IUserFunction& function);
  // Compiles a rule into the network and prints its compilation trace.
  void CompileRule(TRule& rule);

 protected:
  // Makes the owned object of one kind (the factory's, or the engine's own).
  [[nodiscard]] std::unique_ptr<TObject> CreateCollection(TCollectionKind kind);
  void Notification(TComponent* component, TOperation operation) override;

  // Steps of the run cycle.
  virtual void StartInference();
  virtual void EndInference();

 private:
  struct TRunStatistics {
    int64_t StartMs = 0;
    int64_t FactSum = 0;
    int32_t FactMax = 0;
    int64_t AgendaSum = 0;
    int32_t AgendaMax = 0;
  };

  template <class T>
  std::unique_ptr<T> MakeCollection(TCollectionKind kind);
  void ConstructCollections();
  void CreateSpecialConstructs();
  void DropSpecialConstructs();
  void AssertInitialFact();
  [[nodiscard]] int32_t NextToFire() const;
  void ExtractFiringActivations();
  void FireNext(int32_t index);
  void FinishFiring(TActivation* activation);
  void GatherStatistics();
  void PrintStatistics(double seconds);
  bool RemoveAgendaEntry(int32_t index, TActivation& activation, bool free);
  void PrintWatch(TConstructWatch what, const std::string& line);
  [[nodiscard]] bool Watching(TConstructWatch what) const;
  void WatchActivation(const char* arrow, const TActivation& activation);
  void FreePackages();
  void ClearEvents();
  void RemoveRulesOnTemplate(const TFactTemplate* factTemplate);
  void RemoveFactSetLinesOf(const TFactTemplate* factTemplate);
  void CarryOverDependents(const IFactTemplate& old, const IFactTemplate& now);
  void EmptyNetwork();

  TCollectionFactory FCollectionFactory;
  TPackageFactory FPackageFactory;
  std::unique_ptr<THostRuntime> FHostRuntime;  // made on first use
  std::unique_ptr<IEngineParser> FParser;
  TNoUserDialogs FNoUserDialogs;
  TUserDialogs* FUserDialogs = &FNoUserDialogs;
  // The major and minor number of the project's version.
  float FVersion = VETTORA_VERSION_NUMBER;

  // Owned collections, made in this order by the constructor.
  std::unique_ptr<TIOStreams> FIOStreams;
  std::unique_ptr<TGlobalVariables> FGlobalVariables;
  std::unique_ptr<TIEDefinedTypes> FDefinedTypes;
  std::unique_ptr<TIEAgenda> FAgenda;
  std::unique_ptr<TFactTemplates> FFactTemplates;
  std::unique_ptr<TFacts> FFacts;
  std::unique_ptr<TIEPattern> FInitialFactPattern;
  IFact FNotOrTestFact;
  std::unique_ptr<TFactSets> FFactSets;
  std::unique_ptr<TReteNetwork> FReteNetwork;
  std::unique_ptr<TRules> FRules;
  std::unique_ptr<TEngineVariables> FEngineVariables;
  std::unique_ptr<TUserFunctions> FUserFunctions;
  std::unique_ptr<TIEContext> FRootContext;
  // Rules whose Engine is this engine, filed or not: they are detached
  // before the engine goes.
  std::unordered_set<TRule*> FRegisteredRules;

  // Settings.
  TDuplicateConstructs FDuplicateConstructs = dcOverwrite;
  TFunctionPackages FPackages = TFunctionPackages::All();
  bool FFactDuplication = false;
  bool FFuzzyAutoTerms = true;
  TFuzzyCorrelationMethod FFuzzyCorrelationMethod = fcmMinimum;
  TFuzzyInferenceMethod FFuzzyInferenceMethod = fimMinMax;
  float FFuzzyEqualsThreshold = 0.01f;
  float FMinActivationStrength = 0.0f;
  TErrorHandling FParserErrorHandling = ehRaiseImmediate;
  int32_t FParserMaxErrors = 10;
  bool FResetGlobals = true;
  TSearchStrategy FStrategy = ssDepthFirst;
  int32_t FSymbolIndex = 1;
  TTypeChecks FTypeChecks{tcStatic};
  TConstructWatches FWatch;

  // Counters and run state.
  int32_t FRuleNumber = 0;
  int32_t FRulesFired = 0;
  // Written by Halt() from any thread; only a flag, it publishes no data.
  std::atomic<bool> FHaltRequest = false;
  TRunStatistics FStatistics;
  TActivation* FFiringActivation = nullptr;

  // Output capture (dribble) and the batch being run (owned by the running
  // BatchFromStream), both absent normally.
  std::unique_ptr<TGTextStream> FCaptureStream;
  TIETokenizerStream* FBatchStream = nullptr;
};

}  // namespace vettora
