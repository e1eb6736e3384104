#pragma once
// TRule: a rule component -- its left-hand side (an ordered list of
// patterns it owns), its right-hand side (an ordered list of function
// calls), salience, the OneShot and Enabled flags and the binding table
// that records, for every variable of the left-hand side, where it is first
// bound (pattern position, slot, element).
//
// A rule belongs to an engine (IRuleEngine), which compiles it into its
// Rete network when it is registered and again after every change made
// outside an update bracket. Firing binds the variables of the matching
// token in a child of the engine's root context, raises OnFire and runs the
// actions.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "matching/binding_info.h"
#include "matching/pattern.h"
#include "matching/token.h"
#include "values/component.h"
#include "values/value.h"

namespace vettora {

class IRuleEngine;
class TActivation;
class TIEContext;
class TReteNetwork;

class TRule : public TComponent {
 public:
  using TRuleFireEvent = std::function<void(TObject& sender, TIEContext& context)>;
  using TNotifyEvent = std::function<void(TObject& sender)>;

  // Keeps an update bracket open for its lifetime, so an exception cannot
  // leave one open. End() closes it early and lets a recompilation error
  // through; the destructor swallows one.
  class TUpdateGuard {
   public:
    explicit TUpdateGuard(TRule& rule) : FRule(&rule) { rule.BeginUpdate(); }
    ~TUpdateGuard();
    TUpdateGuard(const TUpdateGuard&) = delete;
    TUpdateGuard& operator=(const TUpdateGuard&) = delete;
    void End();

   private:
    TRule* FRule;
  };

  // The owner becomes the rule's engine when it implements IRuleEngine.
  explicit TRule(TComponent* owner = nullptr);
  // Tag of the constructor below.
  struct TUnfiled {};
  // A rule that takes its owner as engine (its rule number and default
  // name) without joining the engine's collection, so it is not compiled
  // while it is being built; IRuleEngine::RegisterRule files it once it is
  // complete. The parser builds rules this way.
  TRule(TComponent* owner, TUnfiled);
  ~TRule() override;

  [[nodiscard]] std::string ClassName() const override { return "TRule"; }

  // ---- Published properties.
  [[nodiscard]] const std::string& RuleName() const { return FRuleName; }
  // Refuses the characters space ' " # ( ) [ ] ? : $ & ; < >; the engine
  // re-keys its rule collection.
  void SetRuleName(const std::string& name);
  [[nodiscard]] const std::string& Comment() const;
  void SetComment(std::string comment);
  [[nodiscard]] int32_t Salience() const { return FSalience; }
  // Stores the number and makes it the salience expression.
  void SetSalience(int32_t salience);
  [[nodiscard]] const IIEValue& SalienceExpression() const { return FSalienceExpression; }
  void SetSalienceExpression(const IIEValue& expression);
  // Evaluates the salience expression (in a child of the engine's root
  // context unless it is a plain integer) and stores the result in
  // Salience.
  void ReEvaluateSalience();
  [[nodiscard]] bool OneShot() const { return FOneShot; }
  void SetOneShot(bool value) { FOneShot = value; }
  [[nodiscard]] bool Enabled() const { return FEnabled; }
  void SetEnabled(bool value) { FEnabled = value; }
  [[nodiscard]] IRuleEngine* Engine() const { return FEngine; }
  // Leaves the old engine's rule collection; with a new engine takes its
  // next rule number (naming the rule "Rule_<n>" when it has no name) and
  // joins its collection.
  void SetEngine(IRuleEngine* engine);
  [[nodiscard]] const TRuleFireEvent& OnFire() const;
  void SetOnFire(TRuleFireEvent handler);
  [[nodiscard]] const TNotifyEvent& OnChange() const;
  void SetOnChange(TNotifyEvent handler);

  // ---- Firing state (for OneShot).
  [[nodiscard]] bool Fired() const { return FFired; }
  void ResetFired() { FFired = false; }

  // ---- Update brackets (they nest).
  void BeginUpdate() { ++FUpdateCount; }
  // Closing the outermost bracket after a change sends the change
  // notification.
  void EndUpdate();
  [[nodiscard]] bool Updating() const { return FUpdateCount > 0; }
  // The change notification: unless an update is in progress, the engine
  // recompiles the rule and OnChange is raised.
  void Changed();

  // ---- Left-hand side.
  [[nodiscard]] int32_t PatternCount() const { return int32_t(FPatterns.size()); }
  [[nodiscard]] TIEPattern* Patterns(int32_t i) const { return FPatterns.at(size_t(i)).get(); }
  // Takes the pattern into the list and records its bindings (see
  // rule_patterns.cpp). Answers the pattern.
  TIEPattern* AddPattern(std::unique_ptr<TIEPattern> pattern);
  void DeletePattern(int32_t i);
  void ClearPatterns();
  // Clears bindings and patterns, then adds a copy (for this rule's engine)
  // of each pattern, skipping the sought pattern that follows a goal
  // pattern ("need-"), which AddPattern makes again.
  void SetPatterns(const std::vector<const TIEPattern*>& patterns);

  // ---- Right-hand side.
  [[nodiscard]] int32_t ActionCount() const { return int32_t(FActions->Items.size()); }
  [[nodiscard]] const IFunCallBase& Actions(int32_t i) const {
    return FActions->Items.at(size_t(i));
  }
  void AddAction(IFunCallBase action);
  void DeleteAction(int32_t i);
  void ClearActions();

  // ---- The binding table.
  [[nodiscard]] int32_t BindingCount() const { return int32_t(FBindings.size()); }
  [[nodiscard]] TBinding* Bindings(int32_t i) const { return FBindings.at(size_t(i)).get(); }
  // The first binding of that variable, or null.
  [[nodiscard]] TBinding* BindingOf(const std::string& name) const;
  // Appends a binding unless an equal one (name and position) is there.
  TBinding* AddBinding(const std::string& name, int32_t factIndex, const std::string& slot,
                       int32_t subIndex);
  void ClearBindings();

  // The marks the network left when it last compiled the rule, after
  // "<name>: ".
  [[nodiscard]] const std::string& CompilationTrace() const { return FCompilationTrace; }

  // Binds the rule's variables from the token into `context` (skipping
  // "__LOCAL" bindings and positions holding the placeholder fact), then
  // "__RULE" to the rule name.
  void BindToken(const IReteToken& token, TIEContext& context);
  // Fires the rule for the activation's token: OnFire, then the actions
  // until the context is told to stop.
  void Fire(const TActivation& activation);

  // The `defrule` text from the engine's printer; empty without an engine.
  [[nodiscard]] std::string Text() const;

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  friend class TReteNetwork;
  friend class TIEPattern;

  // Takes the engine (free notification, rule number, default name) and,
  // when `file` is set, joins its collection.
  void JoinEngine(IRuleEngine* engine, bool file);
  void InsertInitialFactPattern(size_t at);
  void RecordPatternBindings(TIEPattern& pattern, int32_t position);
  void BindVariable(TIEPattern& pattern, int32_t position, const std::string& slot,
                    TIEPatternMatchTest& test,
                    std::unordered_map<std::string, std::string>& renamed);
  // "_<patternCount>_<name>": a variable's name local to one negated pattern.
  static std::string LocalName(const std::string& name, size_t patternCount);
  void LocaliseVariable(const std::string& name, int32_t position);
  void RenameInCalls(TIEPattern& pattern,
                     const std::unordered_map<std::string, std::string>& renamed);
  void RebuildBindingIndex();
  void RenameInCall(const IIEValue& value,
                    const std::unordered_map<std::string, std::string>& names, IIEValue& out);
  void CompileDisjunctions(TIEPattern& pattern, int32_t position);
  std::vector<std::unique_ptr<TIEPatternMatchTest>> CompilePosition(
      TIEPattern& pattern, int32_t position, const std::string& slot, int32_t subIndex,
      std::vector<std::unique_ptr<TIEPatternMatchTest>>& tests);
  void AddGoalPattern(const TIEPattern& goal);
  // Adds the engine's Initial-Fact pattern to a rule without patterns
  // without a change notification (the network compiles it right after).
  void EnsurePattern();
  void NetworkAttached(TReteNetwork* network);
  void NetworkDetached(TReteNetwork* network);
  // The action list, unshared first when a firing still runs the current one.
  std::vector<IFunCallBase>& MutableActions();
  // The rule's name as the string value "__RULE" holds, made again only
  // when the name has changed.
  [[nodiscard]] const IIEValue& RuleNameValue();
  [[nodiscard]] static IIEValue FactIdOf(const TBinding& binding, int32_t id);

  std::string FRuleName;
  int32_t FSalience = 0;
  IIEValue FSalienceExpression;
  bool FOneShot = false;
  bool FEnabled = true;
  bool FFired = false;
  IRuleEngine* FEngine = nullptr;
  // What few rules of a large rule base have, kept out of line.
  struct TExtras {
    std::string Comment;
    TRuleFireEvent OnFire;
    TNotifyEvent OnChange;
  };
  std::unique_ptr<TExtras> FExtras;
  TExtras& Extras();
  int32_t FUpdateCount = 0;
  bool FChangePending = false;
  std::vector<std::unique_ptr<TIEPattern>> FPatterns;
  bool FAutoInitialFact = false;  // FPatterns holds only what EnsurePattern added
  // Cleared when the rule is destroyed: a firing whose action freed the
  // rule stops touching it.
  struct TAliveFlag : TCounted {
    bool Alive = true;
  };
  Ref<TAliveFlag> FAlive = MakeRef<TAliveFlag>();
  // The action list, shared with the firings running it: an action that
  // changes the rule's actions works on a copy, and a firing costs no copy
  // of the list. Every list of the rule holds its alive flag, so a firing
  // holds both through one handle.
  struct TActionList : TCounted {
    std::vector<IFunCallBase> Items;
    Ref<TAliveFlag> RuleAlive;
  };
  [[nodiscard]] Ref<TActionList> NewActionList() const {
    Ref<TActionList> list = MakeRef<TActionList>();
    list->RuleAlive = FAlive;
    return list;
  }
  Ref<TActionList> FActions = NewActionList();
  std::vector<std::unique_ptr<TBinding>> FBindings;
  // Name -> first binding; only rules with many bindings have one.
  std::unique_ptr<std::unordered_map<std::string, size_t>> FBindingIndex;
  std::string FCompilationTrace;
  std::vector<TReteNetwork*> FNetworks;  // networks that hold this rule compiled
  IIEValue FRuleNameValue;
};

}  // namespace vettora
