// TRule: properties, engine membership, update brackets, the pattern and
// action lists and the binding table. Adding patterns is in
// rule_patterns.cpp, firing in rule_fire.cpp.
#include "matching/rule.h"

#include <algorithm>

#include "knowledge/construct_name.h"
#include "matching/context.h"
#include "matching/messages.h"
#include "matching/rete_network.h"
#include "matching/rule_engine.h"
#include "values/exceptions.h"
#include "values/format.h"
#include "values/messages.h"

namespace vettora {

TRule::TUpdateGuard::~TUpdateGuard() {
  if (!FRule) return;
  try {
    FRule->EndUpdate();
  } catch (...) {
    // A destructor must not throw; End() is the way to see this error.
  }
}

void TRule::TUpdateGuard::End() {
  TRule* rule = FRule;
  FRule = nullptr;
  if (rule) rule->EndUpdate();
}

TRule::TRule(TComponent* owner) : TComponent(owner), FSalienceExpression(MakeInteger(0)) {
  if (auto* engine = dynamic_cast<IRuleEngine*>(owner)) SetEngine(engine);
}

TRule::TRule(TComponent* owner, TUnfiled) : TComponent(owner), FSalienceExpression(MakeInteger(0)) {
  if (auto* engine = dynamic_cast<IRuleEngine*>(owner)) JoinEngine(engine, false);
}

TRule::~TRule() {
  BeginDestroy();
  FAlive->Alive = false;
  // Taken out while the rule is still whole: removing its activations asks
  // the engine, which may read the rule.
  while (!FNetworks.empty()) FNetworks.back()->RemoveRule(*this);
  if (FEngine) FEngine->UnregisterRule(*this);
  FEngine = nullptr;
}

void TRule::SetRuleName(const std::string& name) {
  if (name == FRuleName) return;
  CheckConstructName(name);
  if (FEngine) FEngine->RenameRule(*this, FRuleName, name);
  FRuleName = name;
}

void TRule::SetSalience(int32_t salience) {
  FSalience = salience;
  FSalienceExpression = MakeInteger(salience);
  Changed();
}

void TRule::SetSalienceExpression(const IIEValue& expression) {
  FSalienceExpression = expression ? expression : MakeInteger(0);
  if (FSalienceExpression->DType() == dtInteger) FSalience = FSalienceExpression->AsInteger();
  Changed();
}

void TRule::ReEvaluateSalience() {
  const IIEValue& expression = FSalienceExpression;
  if (!expression || expression->DType() == dtInteger) {
    if (expression) FSalience = expression->AsInteger();
    return;
  }
  if (!FEngine) throw EIEException(kUnknownEngine);
  std::unique_ptr<TIEContext> context = FEngine->RootContext()->CreateChild();
  IIEValue result = expression->Evaluate(context.get());
  if (!result) return;
  FSalience = result->AsInteger();
}

void TRule::SetEngine(IRuleEngine* engine) {
  if (engine == FEngine) return;
  if (FEngine) {
    IRuleEngine* old = FEngine;
    while (!FNetworks.empty()) FNetworks.back()->RemoveRule(*this);
    FEngine = nullptr;
    RemoveFreeNotification(old->RuleEngineComponent());
    old->UnregisterRule(*this);
  }
  if (engine) JoinEngine(engine, true);
}

void TRule::JoinEngine(IRuleEngine* engine, bool file) {
  FEngine = engine;
  FreeNotification(FEngine->RuleEngineComponent());
  int32_t number = FEngine->TakeRuleNumber();
  if (FRuleName.empty()) FRuleName = "Rule_" + std::to_string(number);
  if (file) FEngine->RegisterRule(*this);
}

void TRule::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  // An engine that goes first has already taken the rule out of its
  // collection and network.
  if (operation == opRemove && FEngine && component == FEngine->RuleEngineComponent())
    FEngine = nullptr;
}

TRule::TExtras& TRule::Extras() {
  if (!FExtras) FExtras = std::make_unique<TExtras>();
  return *FExtras;
}

const std::string& TRule::Comment() const {
  static const std::string none;
  return FExtras ? FExtras->Comment : none;
}

void TRule::SetComment(std::string comment) {
  if (FExtras || !comment.empty()) Extras().Comment = std::move(comment);
}

const TRule::TRuleFireEvent& TRule::OnFire() const {
  static const TRuleFireEvent none;
  return FExtras ? FExtras->OnFire : none;
}

void TRule::SetOnFire(TRuleFireEvent handler) {
  if (FExtras || handler) Extras().OnFire = std::move(handler);
}

const TRule::TNotifyEvent& TRule::OnChange() const {
  static const TNotifyEvent none;
  return FExtras ? FExtras->OnChange : none;
}

void TRule::SetOnChange(TNotifyEvent handler) {
  if (FExtras || handler) Extras().OnChange = std::move(handler);
}

void TRule::EndUpdate() {
  if (FUpdateCount > 0) --FUpdateCount;
  if (FUpdateCount == 0 && FChangePending) Changed();
}

void TRule::Changed() {
  if (FUpdateCount > 0) {
    FChangePending = true;
    return;
  }
  FChangePending = false;
  if (Destroying()) return;
  if (FEngine) FEngine->RuleChanged(*this);
  if (FExtras && FExtras->OnChange) FExtras->OnChange(*this);
}

// The binding table records pattern positions, so the remaining patterns
// are added again.
void TRule::DeletePattern(int32_t i) {
  if (i < 0 || i >= PatternCount()) throw EListError(FormatMessage(kListIndexError, {i}));
  TUpdateGuard guard(*this);
  std::vector<std::unique_ptr<TIEPattern>> old = std::move(FPatterns);
  FPatterns.clear();
  old.erase(old.begin() + i);
  std::vector<const TIEPattern*> rest;
  for (const auto& p : old) rest.push_back(p.get());
  SetPatterns(rest);
  FChangePending = true;
  guard.End();
}

void TRule::ClearPatterns() {
  FPatterns.clear();
  FAutoInitialFact = false;
  ClearBindings();
  Changed();
}

void TRule::SetPatterns(const std::vector<const TIEPattern*>& patterns) {
  TUpdateGuard guard(*this);
  ClearBindings();
  FPatterns.clear();
  FAutoInitialFact = false;
  bool afterGoal = false;
  for (const TIEPattern* pattern : patterns) {
    if (afterGoal) {
      afterGoal = false;
      continue;
    }
    afterGoal = pattern->Name().rfind(kGoalPrefix, 0) == 0;
    AddPattern(FEngine ? pattern->CloneFor(*FEngine) : pattern->Clone());
  }
  FChangePending = true;
  guard.End();
}

std::vector<IFunCallBase>& TRule::MutableActions() {
  if (FActions->RefCount() > 1) {
    Ref<TActionList> copy = NewActionList();
    copy->Items = FActions->Items;
    FActions = std::move(copy);
  }
  return FActions->Items;
}

void TRule::AddAction(IFunCallBase action) {
  MutableActions().push_back(std::move(action));
  Changed();
}

void TRule::DeleteAction(int32_t i) {
  if (i < 0 || i >= ActionCount()) throw EListError(FormatMessage(kListIndexError, {i}));
  std::vector<IFunCallBase>& actions = MutableActions();
  actions.erase(actions.begin() + i);
  Changed();
}

void TRule::ClearActions() {
  MutableActions().clear();
  Changed();
}

namespace {

// Up to this many bindings a rule finds a name by looking through them;
// the index, which costs a table per rule, is kept only for more.
constexpr size_t kIndexedBindings = 16;

}  // namespace

TBinding* TRule::BindingOf(const std::string& name) const {
  if (!FBindingIndex) {
    for (const auto& b : FBindings)
      if (b->Name() == name) return b.get();
    return nullptr;
  }
  auto it = FBindingIndex->find(name);
  return it == FBindingIndex->end() ? nullptr : FBindings[it->second].get();
}

TBinding* TRule::AddBinding(const std::string& name, int32_t factIndex, const std::string& slot,
                            int32_t subIndex) {
  TBinding candidate(name, factIndex, slot, subIndex);
  for (const auto& b : FBindings)
    if (b->Name() == name && b->TBindingInfo::Equals(candidate)) return b.get();
  FBindings.push_back(std::make_unique<TBinding>(name, factIndex, slot, subIndex));
  if (FBindingIndex)
    FBindingIndex->emplace(name, FBindings.size() - 1);
  else if (FBindings.size() > kIndexedBindings)
    RebuildBindingIndex();
  return FBindings.back().get();
}

// The index keeps each name's first binding, as a search in order would.
void TRule::RebuildBindingIndex() {
  FBindingIndex.reset();
  if (FBindings.size() <= kIndexedBindings) return;
  FBindingIndex = std::make_unique<std::unordered_map<std::string, size_t>>();
  for (size_t i = 0; i < FBindings.size(); ++i) FBindingIndex->emplace(FBindings[i]->Name(), i);
}

void TRule::ClearBindings() {
  FBindings.clear();
  FBindingIndex.reset();
}

std::string TRule::Text() const { return FEngine ? FEngine->PrintRule(*this) : std::string(); }

void TRule::NetworkAttached(TReteNetwork* network) {
  if (std::find(FNetworks.begin(), FNetworks.end(), network) == FNetworks.end())
    FNetworks.push_back(network);
}

void TRule::NetworkDetached(TReteNetwork* network) {
  FNetworks.erase(std::remove(FNetworks.begin(), FNetworks.end(), network), FNetworks.end());
}

}  // namespace vettora
