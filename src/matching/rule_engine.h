#pragma once
// IRuleEngine: everything rules, patterns and the Rete network need from the
// engine that owns them, in one narrow interface. The engine component
// implements it; rules, patterns and the network keep a plain, uncounted
// pointer to it (the engine outlives its network and detaches its rules
// before it goes).
//
// Function calls are built and rewritten through this interface too: the
// call class lives in a layer above this one, so the rule compiler asks the
// engine to make a call by name (resolved late, at its first execution) and
// to read and replace a call's arguments.

#include <cstdint>
#include <memory>
#include <string>

#include "knowledge/fact.h"
#include "knowledge/fact_template.h"
#include "values/component.h"
#include "values/value.h"

namespace vettora {

class TActivation;
class TFactList;
class TIEContext;
class TIEPattern;
class TRule;

// Special names of the rule compiler.
inline constexpr const char* kInitialFactName = "Initial-Fact";
inline constexpr const char* kNotOrTestName = "__NOT-OR-TEST-CE*";
inline constexpr const char* kGoalPrefix = "need-";
inline constexpr const char* kBlankPrefix = "_blank_";
inline constexpr const char* kFactIndexPrefix = "__factidx";
inline constexpr const char* kTestPatternName = "test";

class IRuleEngine {
 public:
  virtual ~IRuleEngine() = default;

  // ---- Identity.
  // The engine as a component: the engine of contexts made for rules and
  // nodes, and the owner a rule recognises as its engine.
  [[nodiscard]] virtual TComponent* RuleEngineComponent() = 0;
  // The root evaluation context (global variables live there). Rules fire in
  // children of it; every Rete node evaluates in a child of it.
  [[nodiscard]] virtual TIEContext* RootContext() = 0;

  // ---- Special patterns and facts.
  // The engine's pattern on the template "Initial-Fact" (no tests). A rule
  // whose first pattern is negated, a test element or on a backward-chaining
  // template gets a copy of it in front; so does a rule without patterns
  // when it is compiled.
  [[nodiscard]] virtual const TIEPattern& InitialFactPattern() = 0;
  // The engine's placeholder fact of the template "__NOT-OR-TEST-CE*": it
  // stands in a token at the position of a negated pattern or a test
  // element. Its variables are never bound.
  [[nodiscard]] virtual const IFact& NotOrTestFact() = 0;

  // ---- Templates.
  // The registered template of that name, or an empty handle.
  [[nodiscard]] virtual IFactTemplate FindTemplate(const std::string& name) = 0;
  // The registered template of that name, or a new implied one (comment
  // "(Implied)") registered under it. Used for goal templates ("need-...")
  // and for patterns copied from another engine.
  [[nodiscard]] virtual IFactTemplate FindOrCreateTemplate(const std::string& name) = 0;

  // ---- Names and variables.
  // `prefix` followed by the engine's symbol counter, which then advances
  // ("_blank_12", "__factidx3"). Names never repeat within one engine.
  [[nodiscard]] virtual std::string GenerateSymbol(const std::string& prefix) = 0;
  // Whether `name` (without "?") is one of the engine's global variables. A
  // compiled call may only refer to variables its rule binds and to these.
  [[nodiscard]] virtual bool IsGlobalVariable(const std::string& name) = 0;
  // Takes the next number of the engine's rule-number counter (a new rule's
  // default name is "Rule_" followed by it).
  [[nodiscard]] virtual int32_t TakeRuleNumber() = 0;

  // ---- Facts.
  // The fact list, read in list order when a rule added late is brought up
  // to date.
  [[nodiscard]] virtual const TFactList& RuleFactList() = 0;
  // Queues a backward-chaining goal fact for deferred assertion (the fact
  // list's QueueFact with assert = true). The network calls it while a token
  // is being propagated; the fact is asserted once the current assertion or
  // retraction has finished.
  virtual void QueueGoalFact(const IFact& fact) = 0;

  // ---- The rule collection.
  // A rule's Engine was set to this engine: file it in the rule collection
  // (under its RuleName, with the collection's duplicate policy) and
  // compile it when the engine compiles rules on adding.
  virtual void RegisterRule(TRule& rule) = 0;
  // A rule leaves this engine (its Engine changes, or it is destroyed):
  // take it out of the collection and out of the network, without freeing
  // it.
  virtual void UnregisterRule(TRule& rule) = 0;
  // A rule's RuleName changes from `oldName` to `newName` (not yet stored).
  // When the collection holds this very rule under `oldName` it is re-keyed;
  // an error (the new name is taken) cancels the rename.
  virtual void RenameRule(TRule& rule, const std::string& oldName, const std::string& newName) = 0;
  // The rule's patterns, actions or salience changed outside an update
  // bracket: when this very rule is registered, recompile it (remove it from
  // the network and add it again).
  virtual void RuleChanged(TRule& rule) = 0;

  // ---- The agenda. Activations are made by the network's terminal nodes
  // and owned by the engine from AddActivation on.
  // Re-evaluates the rule's salience, places the activation on the agenda,
  // prints the watch line and raises OnAddActivation. On an error the
  // activation is simply dropped (freeing it detaches it from its node).
  virtual void AddActivation(std::unique_ptr<TActivation> activation) = 0;
  // A fact of the activation's match was retracted, or the facts were
  // cleared: the activation has already left its terminal node. The engine
  // raises OnRemoveActivation, prints the watch line and takes the entry
  // (found by identity) off its agenda without freeing it. It answers the
  // activation for the caller to free, or null when it keeps it: the
  // activation being fired, which the run loop frees.
  [[nodiscard]] virtual std::unique_ptr<TActivation> RemoveActivation(TActivation& activation) = 0;
  // The activation is being destroyed while its terminal node still listed
  // it (the run loop frees an activation whose firing raised, or an agenda
  // entry is freed directly). If the agenda still holds it, take the entry
  // off without freeing it, with OnRemoveActivation and the watch line;
  // otherwise do nothing.
  virtual void ActivationDestroyed(TActivation& activation) = 0;
  // The activation's rule has fired and the activation has left its
  // terminal node: raise OnRuleFired and take it off the agenda as
  // RemoveActivation does, without freeing it (the run loop frees the
  // activation it fires).
  virtual void ActivationFired(TActivation& activation) = 0;

  // ---- The rule-language printer.
  // The `defrule` text of a rule, and the text of one pattern.
  [[nodiscard]] virtual std::string PrintRule(const TRule& rule) = 0;
  [[nodiscard]] virtual std::string PrintPattern(const TIEPattern& pattern) = 0;

  // ---- Function calls (the call class is a higher layer's).
  // A new call of the function `name` without arguments, found through this
  // engine when it first executes (so "or", "eq" etc. need not exist yet).
  [[nodiscard]] virtual IFunCallBase NewFunctionCall(const std::string& name) = 0;
  // A copy of a call with copies of its arguments (a nested call may be
  // shared: the rule compiler copies nested calls itself before changing
  // them).
  [[nodiscard]] virtual IFunCallBase CopyFunctionCall(const TFunCallBase& call) = 0;
  // The name of the function a call calls.
  [[nodiscard]] virtual std::string FunctionCallName(const TFunCallBase& call) = 0;
  // A call's arguments, read, replaced and appended by position.
  [[nodiscard]] virtual int32_t CallArgumentCount(const TFunCallBase& call) = 0;
  [[nodiscard]] virtual IIEValue CallArgument(const TFunCallBase& call, int32_t index) = 0;
  virtual void SetCallArgument(TFunCallBase& call, int32_t index, IIEValue value) = 0;
  virtual void AddCallArgument(TFunCallBase& call, IIEValue value) = 0;
};

}  // namespace vettora
