#pragma once
// A stand-in engine for the rule and network tests: a fact list wired to a
// Rete network, an agenda ordered by salience (newest first among equals),
// templates by name, a few functions (eq, neq, and, or, not) and a log of
// every activation that is added, removed or fired.

#include <algorithm>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "functions/function_call.h"
#include "functions/function_table.h"
#include "functions/reasoner.h"
#include "functions/user_function.h"
#include "knowledge/fact.h"
#include "knowledge/fact_engine.h"
#include "knowledge/fact_list.h"
#include "knowledge/fact_template.h"
#include "matching/activation.h"
#include "matching/context.h"
#include "matching/pattern.h"
#include "matching/rete_network.h"
#include "matching/rule.h"
#include "matching/rule_engine.h"
#include "values/component.h"
#include "values/value_vector.h"

namespace vettora::testing {

class TLambda : public TIEUserFunction {
 public:
  using TBody = std::function<IIEValue(TFunctionCall&, TIEContext&)>;
  TLambda(const std::string& name, TBody body) : FBody(std::move(body)) { SetFunctionName(name); }

 protected:
  IIEValue Execute(TFunctionCall& call, TIEContext& context) override {
    return FBody(call, context);
  }

 private:
  TBody FBody;
};

class TRuleTestEngine : public TComponent,
                        public IRuleEngine,
                        public IFactEngine,
                        public IReasoner {
 public:
  TFactList Facts{this};
  std::unique_ptr<TIEContext> Root = std::make_unique<TIEContext>(this);
  std::unique_ptr<TReteNetwork> Network;
  std::vector<std::unique_ptr<TActivation>> Agenda;
  std::vector<std::string> Log;  // "+rule f-1,f-2", "-rule ...", "fired rule ..."
  std::set<std::string> Globals;
  bool CompileOnRegister = true;

  TRuleTestEngine() {
    Network = std::make_unique<TReteNetwork>(nullptr, this);
    FInitialPattern = std::make_unique<TIEPattern>(FindOrCreateTemplate(kInitialFactName));
    FPlaceholder = FindOrCreateTemplate(kNotOrTestName)->CreateFact();
    FPlaceholder->SetID(-2);
    AddFunctions();
  }
  ~TRuleTestEngine() override {
    BeginDestroy();
    FRules.clear();
    Agenda.clear();
    Network.reset();
    FTable.Clear();
  }

  // ---- Test helpers.
  IFactTemplate Template(const std::string& name, const std::vector<std::string>& slots,
                         const std::vector<std::string>& multislots = {}) {
    IFactTemplate t = MakeRef<TFactTemplate>(name, this);
    for (const auto& s : slots) t->AddSlot(s, NilValue());
    for (const auto& s : multislots) t->AddMultiSlot(s, EmptyListValue());
    FTemplates[name] = t;
    return t;
  }
  TRule* NewRule(const std::string& name) {
    FRules.push_back(std::make_unique<TRule>());
    TRule* rule = FRules.back().get();
    rule->SetRuleName(name);
    rule->BeginUpdate();  // patterns are added before the rule is compiled
    rule->SetEngine(this);
    return rule;
  }
  // Ends the rule's construction: it is compiled now.
  void Finish(TRule* rule) {
    rule->EndUpdate();
    if (!Network->HasRule(*rule)) Network->AddRule(*rule);
  }
  void DeleteRule(TRule* rule) {
    for (auto it = FRules.begin(); it != FRules.end(); ++it)
      if (it->get() == rule) {
        FRules.erase(it);
        return;
      }
  }
  IFact Assert(const IFactTemplate& t, const std::vector<std::pair<std::string, IIEValue>>& slots) {
    IFact fact = t->CreateFact();
    for (const auto& [name, value] : slots) fact->SetSlotValue(name, value);
    Facts.Assert(fact);
    return fact;
  }
  IFact AssertOrdered(const std::string& name, const std::vector<IIEValue>& fields) {
    IFactTemplate t = FindOrCreateTemplate(name);
    IFact fact = t->CreateFact();
    IValueVector list = MakeRef<TValueVector>();
    for (const auto& v : fields) list->Add(v);
    fact->SetSlotValue(kImpliedSlotName, MakeList(list));
    Facts.Assert(fact);
    return fact;
  }
  void Retract(const IFact& fact) { Facts.Retract(Facts.IndexOfId(fact->ID())); }
  void Reset() {
    Facts.Clear();
    Facts.SetNextId(0);
    for (auto& rule : FRules) rule->ResetFired();
    AssertOrdered(kInitialFactName, {});
  }
  // Fires the front activation of the agenda until it is empty or `max`
  // rules fired.
  int Run(int max = 1000) {
    int fired = 0;
    while (!Agenda.empty() && fired < max) {
      FFiring = Agenda.front().get();
      FFiring->Fire();
      FFiringOwned.reset();
      FFiring = nullptr;
      ++fired;
    }
    return fired;
  }
  // The agenda as "rule: f-1, f-2" lines, front first.
  std::vector<std::string> AgendaText() const {
    std::vector<std::string> lines;
    for (const auto& a : Agenda)
      lines.push_back(a->Rule()->RuleName() + ": " + a->Token()->FactList());
    return lines;
  }
  int CountFor(const std::string& rule) const {
    int n = 0;
    for (const auto& a : Agenda) n += a->Rule()->RuleName() == rule;
    return n;
  }

  // ---- IRuleEngine.
  TComponent* RuleEngineComponent() override { return this; }
  TIEContext* RootContext() override { return Root.get(); }
  const TIEPattern& InitialFactPattern() override { return *FInitialPattern; }
  const IFact& NotOrTestFact() override { return FPlaceholder; }
  IFactTemplate FindTemplate(const std::string& name) override {
    auto it = FTemplates.find(name);
    return it == FTemplates.end() ? nullptr : it->second;
  }
  IFactTemplate FindOrCreateTemplate(const std::string& name) override {
    if (IFactTemplate t = FindTemplate(name)) return t;
    IFactTemplate t = MakeRef<TFactTemplate>(name, this);
    t->AddMultiSlot(kImpliedSlotName, EmptyListValue());
    t->SetComment(kImpliedComment);
    FTemplates[name] = t;
    return t;
  }
  std::string GenerateSymbol(const std::string& prefix) override {
    return prefix + std::to_string(FSymbol++);
  }
  bool IsGlobalVariable(const std::string& name) override { return Globals.count(name) != 0; }
  int32_t TakeRuleNumber() override { return FRuleNumber++; }
  const TFactList& RuleFactList() override { return Facts; }
  void QueueGoalFact(const IFact& fact) override { Facts.QueueFact(fact, true); }
  void RegisterRule(TRule& rule) override {
    if (CompileOnRegister && !rule.Updating()) Network->AddRule(rule);
  }
  void UnregisterRule(TRule& rule) override { Network->RemoveRule(rule); }
  void RenameRule(TRule&, const std::string&, const std::string&) override {}
  void RuleChanged(TRule& rule) override {
    if (Network->HasRule(rule)) {
      Network->RemoveRule(rule);
      Network->AddRule(rule);
    }
  }
  void AddActivation(std::unique_ptr<TActivation> activation) override {
    activation->Rule()->ReEvaluateSalience();
    int32_t salience = activation->Rule()->Salience();
    auto at = std::find_if(Agenda.begin(), Agenda.end(),
                           [&](const auto& a) { return a->Rule()->Salience() <= salience; });
    Log.push_back("+" + activation->Rule()->RuleName() + " " + activation->Token()->FactList());
    Agenda.insert(at, std::move(activation));
  }
  std::unique_ptr<TActivation> RemoveActivation(TActivation& activation) override {
    Log.push_back("-" + activation.Rule()->RuleName() + " " + activation.Token()->FactList());
    std::unique_ptr<TActivation> owned = Take(activation);
    if (&activation == FFiring) {
      FFiringOwned = std::move(owned);
      return nullptr;
    }
    return owned;
  }
  void ActivationDestroyed(TActivation& activation) override {
    std::unique_ptr<TActivation> owned = Take(activation);
    (void)owned.release();  // it is being destroyed by its owner
  }
  void ActivationFired(TActivation& activation) override {
    Log.push_back("fired " + activation.Rule()->RuleName() + " " + activation.Token()->FactList());
    FFiringOwned = Take(activation);
  }
  std::string PrintRule(const TRule& rule) override { return "(defrule " + rule.RuleName() + ")"; }
  std::string PrintPattern(const TIEPattern& pattern) override {
    return "(" + pattern.Name() + ")";
  }
  IFunCallBase NewFunctionCall(const std::string& name) override {
    return MakeRef<TFunctionCall>(static_cast<IReasoner*>(this), name);
  }
  IFunCallBase CopyFunctionCall(const TFunCallBase& call) override {
    return static_cast<const TFunctionCall&>(call).Clone();
  }
  std::string FunctionCallName(const TFunCallBase& call) override {
    return static_cast<const TFunctionCall&>(call).FunctionName();
  }
  int32_t CallArgumentCount(const TFunCallBase& call) override {
    return static_cast<const TFunctionCall&>(call).ArgumentCount();
  }
  IIEValue CallArgument(const TFunCallBase& call, int32_t i) override {
    return static_cast<const TFunctionCall&>(call).Argument(i);
  }
  void SetCallArgument(TFunCallBase& call, int32_t i, IIEValue value) override {
    static_cast<TFunctionCall&>(call).SetArgument(i, std::move(value));
  }
  void AddCallArgument(TFunCallBase& call, IIEValue value) override {
    static_cast<TFunctionCall&>(call).AddArgument(std::move(value));
  }

  // ---- IFactEngine.
  TTypeChecks TypeChecks() const override { return TTypeChecks{tcStatic}; }
  bool FactDuplication() const override { return false; }
  TFuzzyCorrelationMethod FuzzyCorrelationMethod() const override { return fcmMinimum; }
  TFuzzyInferenceMethod FuzzyInferenceMethod() const override { return fimMinMax; }
  int32_t NextFactId() const override { return Facts.NextId(); }
  bool WatchingFacts() const override { return false; }
  void PrintOut(const std::string&, const std::string&) override {}
  void ReteAddFact(const IFact& fact) override {
    Network->Propagate(MakeRef<TIEToken>(taAdd, fact));
  }
  void ReteRemoveFact(const IFact& fact) override {
    Network->Propagate(MakeRef<TIEToken>(taRemove, fact));
  }
  void ReteClearFacts() override {
    if (Network) Network->Propagate(MakeRef<TIEToken>());
  }
  void FactAsserted(const IFact&) override {}
  void FactRetracting(const IFact&) override {}
  void FactsCleared() override {}
  bool FuzzyCorrelationDone(const IFact&, double) override { return false; }
  bool FuzzyInferenceDone(const IFact&, const IFact&) override { return false; }
  bool FiringStrength(double&) const override { return false; }
  void RenameFactTemplate(TFactTemplate&, const std::string&, const std::string&) override {}
  IIEDefinedType FindDefinedType(const std::string&) override { return nullptr; }
  IEvalContext* GlobalContext() override { return Root.get(); }
  std::string PrintTemplateSlot(const TFactSlot&) override { return ""; }
  std::string PrintFactTemplate(const TFactTemplate&) override { return ""; }
  IIEValue ParseValue(const std::string&) override { return nullptr; }
  IFact ParseFact(const std::string&) override { return nullptr; }

  // ---- IReasoner.
  void RegisterFunction(const IUserFunction& f) override {
    FTable.Add(f->FunctionName(), f, dcOverwrite);
  }
  void UnregisterFunction(const IUserFunction& f) override { FTable.RemoveFunction(f); }
  bool FindFunction(const std::string& name, IUserFunction& f) override {
    f = FTable.Find(name);
    return bool(f);
  }
  std::string PrintFunCall(const TFunctionCall& call) override { return FunCallText(call); }
  std::string PrintFunction(const TIEUserFunction& f) override { return f.FunctionName(); }
  TComponent* ReasonerComponent() override { return this; }

 private:
  std::unique_ptr<TActivation> Take(TActivation& activation) {
    for (auto it = Agenda.begin(); it != Agenda.end(); ++it)
      if (it->get() == &activation) {
        std::unique_ptr<TActivation> owned = std::move(*it);
        Agenda.erase(it);
        return owned;
      }
    return nullptr;
  }
  void Function(const std::string& name, TLambda::TBody body) {
    RegisterFunction(MakeRef<TLambda>(name, std::move(body)));
  }
  void AddFunctions() {
    Function("eq", [](TFunctionCall& c, TIEContext& x) {
      IIEValue first = c.EvaluateArgument(0, x);
      for (int32_t i = 1; i < c.ArgumentCount(); ++i)
        if (!first->Equals(c.EvaluateArgument(i, x))) return FalseValue();
      return TrueValue();
    });
    Function("neq", [](TFunctionCall& c, TIEContext& x) {
      IIEValue first = c.EvaluateArgument(0, x);
      for (int32_t i = 1; i < c.ArgumentCount(); ++i)
        if (first->Equals(c.EvaluateArgument(i, x))) return FalseValue();
      return TrueValue();
    });
    Function("or", [](TFunctionCall& c, TIEContext& x) {
      for (int32_t i = 0; i < c.ArgumentCount(); ++i)
        if (c.EvaluateArgument(i, x) != FalseValue()) return TrueValue();
      return FalseValue();
    });
    Function("and", [](TFunctionCall& c, TIEContext& x) {
      for (int32_t i = 0; i < c.ArgumentCount(); ++i)
        if (c.EvaluateArgument(i, x) == FalseValue()) return FalseValue();
      return TrueValue();
    });
    Function("not", [](TFunctionCall& c, TIEContext& x) {
      return BoolValue(c.EvaluateArgument(0, x) == FalseValue());
    });
    Function(">", [](TFunctionCall& c, TIEContext& x) {
      return BoolValue(c.EvaluateArgument(0, x)->AsNumeric() >
                       c.EvaluateArgument(1, x)->AsNumeric());
    });
  }

  std::map<std::string, IFactTemplate> FTemplates;
  std::unique_ptr<TIEPattern> FInitialPattern;
  IFact FPlaceholder;
  std::vector<std::unique_ptr<TRule>> FRules;
  TFunctionTable FTable{this};
  TActivation* FFiring = nullptr;
  std::unique_ptr<TActivation> FFiringOwned;
  int32_t FSymbol = 1;
  int32_t FRuleNumber = 0;
};

// Values for patterns and facts.
inline IIEValue Atom(const std::string& s) { return MakeAtom(s); }
inline IIEValue Int(int32_t v) { return MakeInteger(v); }
inline IIEValue Var(const std::string& name) { return MakeRef<TIEValue>(name, dtVariable); }
inline IIEValue MultiVar(const std::string& name) {
  return MakeRef<TIEValue>(name, dtMultiVariable);
}

}  // namespace vettora::testing
