// TRule: binding a matching token and firing.
#include "matching/activation.h"
#include "matching/context.h"
#include "matching/messages.h"
#include "matching/rule.h"
#include "matching/rule_engine.h"
#include "matching/slot_ref.h"
#include "values/exceptions.h"

namespace vettora {

namespace {

// Holds a firing context for one firing. When the firing ends, also by an
// error, the context is recycled (its bindings let go of their values) and
// handed back to the root context it came from, unless the rule or its
// engine went meanwhile.
class TFiringScope {
 public:
  TFiringScope(TIEContext& root, const bool& alive, IRuleEngine* const& engine)
      : FRoot(root), FContext(root.TakeChild()), FAlive(alive), FEngine(engine) {}
  ~TFiringScope() {
    FContext->Recycle();
    if (FAlive && FEngine && FEngine->RootContext() == &FRoot) FRoot.ReturnChild(std::move(FContext));
  }
  TFiringScope(const TFiringScope&) = delete;
  TFiringScope& operator=(const TFiringScope&) = delete;

  [[nodiscard]] TIEContext& Context() const { return *FContext; }
  [[nodiscard]] bool RuleAlive() const { return FAlive; }

 private:
  TIEContext& FRoot;
  std::unique_ptr<TIEContext> FContext;
  const bool& FAlive;  // the rule's flag, held alive by the firing
  IRuleEngine* const& FEngine;  // the rule's member; read only while the rule lives
};

}  // namespace

const IIEValue& TRule::RuleNameValue() {
  if (!FRuleNameValue || FRuleNameValue->DType() != dtString || FRuleNameValue->Text() != FRuleName)
    FRuleNameValue = MakeString(FRuleName);
  return FRuleNameValue;
}

// The fact-id value of a pattern binding. The value the binding kept from
// the previous firing is rewritten when nothing else holds it any more (the
// firing context has let go of it, and no fact or variable took it), which
// spares an allocation per firing; otherwise a new value is made.
IIEValue TRule::FactIdOf(const TBinding& binding, int32_t id) {
  const IIEValue& kept = binding.Value();
  if (kept && kept->RefCount() == 1 && kept->DType() == dtFactId && !kept->OnChange()) {
    kept->SetAsFactId(id);
    return kept;
  }
  return MakeRef<TIEValue>(id, dtFactId);
}

void TRule::BindToken(const IReteToken& token, TIEContext& context) {
  const TFact* placeholder = FEngine ? FEngine->NotOrTestFact().Get() : nullptr;
  int32_t count = token ? token->Count() : 0;
  for (const auto& entry : FBindings) {
    TBinding& binding = *entry;
    if (binding.IsLocal() || binding.FactIndex() < 0 || binding.FactIndex() >= count) continue;
    const IFact& fact = token->FactAt(binding.FactIndex());
    if (!fact || fact.Get() == placeholder) continue;
    IIEValue value;
    if (binding.IsPattern()) {
      value = FactIdOf(binding, fact->ID());
    } else {
      const TIEValue* slot = ElementOf(binding.SlotValueIn(*fact), binding.SubIndex());
      value = IIEValue(const_cast<TIEValue*>(slot));
    }
    // A fact-id value rewritten in place is already the one kept.
    if (binding.Value() != value) binding.SetValue(value);
    context.AddBinding(binding.Name(), std::move(value));
  }
  context.AddBinding(kRuleVariable, RuleNameValue());
}

void TRule::Fire(const TActivation& activation) {
  if (!FEngine) throw EIEException(kUnknownEngine);
  // The action list and the rule's alive flag it holds outlive the rule if
  // an action frees it.
  Ref<TActionList> actions = FActions;
  TFiringScope scope(*FEngine->RootContext(), actions->RuleAlive->Alive, FEngine);
  TIEContext& context = scope.Context();
  context.SetToken(activation.Token());
  BindToken(activation.Token(), context);
  FFired = true;
  // An action (or the handler) may change or even free the rule: the
  // handler is copied, the action list is held (a change to it makes a new
  // list), and the rule is not touched once it is gone. The actions run
  // are those the rule has once the handler is done.
  if (FExtras && FExtras->OnFire) {
    TRuleFireEvent handler = FExtras->OnFire;
    handler(*this, context);
  }
  if (scope.RuleAlive() && !context.ReturnFlag()) {
    if (actions != FActions) actions = FActions;
    for (const IFunCallBase& action : actions->Items) {
      if (action) (void)action->Evaluate(&context);
      if (context.ReturnFlag()) break;
    }
  }
  context.ClearReturn();
  context.ReturnToParent();
}

}  // namespace vettora
