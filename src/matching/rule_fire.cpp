// TRule: binding a matching token and firing.
#include "matching/activation.h"
#include "matching/context.h"
#include "matching/messages.h"
#include "matching/rule.h"
#include "matching/rule_engine.h"
#include "values/exceptions.h"

namespace vettora {

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
      value = MakeRef<TIEValue>(fact->ID(), dtFactId);
    } else {
      const TIEValue* slot = ElementOf(FBindingSlots[i].ValueIn(*fact), binding.SubIndex());
      value = IIEValue(const_cast<TIEValue*>(slot));
    }
    binding.SetValue(value);
    context.AddBinding(binding.Name(), std::move(value));
  }
  context.AddBinding(kRuleVariable, MakeString(FRuleName));
}

void TRule::Fire(const TActivation& activation) {
  if (!FEngine) throw EIEException(kUnknownEngine);
  std::unique_ptr<TIEContext> context = FEngine->RootContext()->CreateChild();
  context->SetToken(activation.Token());
  BindToken(activation.Token(), *context);
  FFired = true;
  // An action (or the handler) may change or even free the rule: work on
  // copies and stop touching the rule once it is gone.
  std::shared_ptr<bool> alive = FAlive;
  if (FOnFire) {
    TRuleFireEvent handler = FOnFire;
    handler(*this, *context);
  }
  if (*alive && !context->ReturnFlag()) {
    std::vector<IFunCallBase> actions = FActions;
    for (const IFunCallBase& action : actions) {
      if (action) action->Evaluate(context.get());
      if (context->ReturnFlag()) break;
    }
  }
  context->ClearReturn();
  context->ReturnToParent();
}

}  // namespace vettora
