// TRule: binding a matching token and firing.
#include "matching/activation.h"
#include "matching/context.h"
#include "matching/messages.h"
#include "matching/rule.h"
#include "matching/rule_engine.h"
#include "values/exceptions.h"

namespace vettora {

namespace {

// Holds a rule's firing context for one firing. When the firing ends, also
// by an error, the context is recycled (its bindings let go of their
// values) and handed back to the rule unless the rule is gone or already
// holds another (a nested firing of the same rule gave its own back first).
class TFiringScope {
 public:
  TFiringScope(std::unique_ptr<TIEContext> context, std::unique_ptr<TIEContext>& home,
               const bool& alive)
      : FContext(std::move(context)), FHome(home), FAlive(alive) {}
  ~TFiringScope() {
    FContext->Recycle();
    if (FAlive && !FHome) FHome = std::move(FContext);
  }
  TFiringScope(const TFiringScope&) = delete;
  TFiringScope& operator=(const TFiringScope&) = delete;

  [[nodiscard]] TIEContext& Context() const { return *FContext; }
  [[nodiscard]] bool RuleAlive() const { return FAlive; }

 private:
  std::unique_ptr<TIEContext> FContext;
  std::unique_ptr<TIEContext>& FHome;  // the rule's member; touched only while the rule lives
  const bool& FAlive;  // the rule's flag, held alive by the firing
};

}  // namespace

const IIEValue& TRule::RuleNameValue() {
  if (!FRuleNameValue || FRuleNameValue->DType() != dtString || FRuleNameValue->Text() != FRuleName)
    FRuleNameValue = MakeString(FRuleName);
  return FRuleNameValue;
}

std::unique_ptr<TIEContext> TRule::TakeFiringContext() {
  TIEContext* root = FEngine->RootContext();
  std::unique_ptr<TIEContext> context = std::move(FFiringContext);
  if (context && context->Parent() == root && context->Engine() == root->Engine()) return context;
  return root->CreateChild();
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
  for (size_t i = 0; i < FBindings.size(); ++i) {
    TBinding& binding = *FBindings[i];
    if (binding.IsLocal() || binding.FactIndex() < 0 || binding.FactIndex() >= count) continue;
    const IFact& fact = token->FactAt(binding.FactIndex());
    if (!fact || fact.Get() == placeholder) continue;
    IIEValue value;
    if (binding.IsPattern()) {
      value = FactIdOf(binding, fact->ID());
    } else {
      const TIEValue* slot = ElementOf(FBindingSlots[i].ValueIn(*fact), binding.SubIndex());
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
  TFiringScope scope(TakeFiringContext(), FFiringContext, actions->RuleAlive->Alive);
  TIEContext& context = scope.Context();
  context.SetToken(activation.Token());
  BindToken(activation.Token(), context);
  FFired = true;
  // An action (or the handler) may change or even free the rule: the
  // handler is copied, the action list is held (a change to it makes a new
  // list), and the rule is not touched once it is gone. The actions run
  // are those the rule has once the handler is done.
  if (FOnFire) {
    TRuleFireEvent handler = FOnFire;
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
