#pragma once
// TIEContext: the context every rule-language expression is evaluated in.
// It holds a table of variable bindings, a link to the enclosing context
// (none for the engine's root context, where global variables live), the
// engine and the services it offers the function packages, the fact and
// token being matched or fired, and the return state that `return` sets to
// stop a sequence of actions.
//
// Contexts are owned by whoever creates them: the engine owns its root, a
// firing owns its rule's child for one firing, a deffunction or loop its own
// child for one call. An enclosing context must outlive its children.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "matching/bindings.h"
#include "values/component.h"
#include "values/value.h"
#include "values/value_vector.h"

namespace vettora {

class IEngineServices;
class TFact;
using IFact = Ref<TFact>;
class TFactTemplate;
using IFactTemplate = Ref<TFactTemplate>;
class TIEToken;
using IReteToken = Ref<TIEToken>;

class TIEContext : public TObject, public IEvalContext {
 public:
  // `engine` is the engine component the context belongs to and `services`
  // what that engine offers the functions evaluated here (neither owned);
  // without services a context takes those of the enclosing context.
  explicit TIEContext(TComponent* engine = nullptr, TIEContext* parent = nullptr,
                      IEngineServices* services = nullptr);
  ~TIEContext() override;
  TIEContext(const TIEContext&) = delete;
  TIEContext& operator=(const TIEContext&) = delete;

  [[nodiscard]] std::string ClassName() const override { return "TIEContext"; }

  [[nodiscard]] TComponent* Engine() const { return FEngine; }
  // The engine's services, or null for a context of no engine.
  [[nodiscard]] IEngineServices* Services() const { return FServices; }
  [[nodiscard]] TIEContext* Parent() const { return FParent; }
  [[nodiscard]] TIEContext* Root() const { return FRoot; }
  [[nodiscard]] TBindings& Bindings() { return FBindings; }
  [[nodiscard]] const TBindings& Bindings() const { return FBindings; }

  // A new context enclosed by this one, with the same engine and services.
  [[nodiscard]] std::unique_ptr<TIEContext> CreateChild();
  // A child for a short use (a rule's firing): one handed back earlier when
  // there is one, else a new one. Firings hand theirs back recycled, so a
  // firing makes no context and no rule keeps one of its own.
  [[nodiscard]] std::unique_ptr<TIEContext> TakeChild();
  // Keeps a recycled child of this context for TakeChild (a few at most).
  void ReturnChild(std::unique_ptr<TIEContext> child);

  // Return state. Setting ReturnValue also sets the flag.
  [[nodiscard]] bool ReturnFlag() const { return FReturnFlag; }
  void SetReturnFlag(bool flag) { FReturnFlag = flag; }
  [[nodiscard]] const IIEValue& ReturnValue() const { return FReturnValue; }
  void SetReturnValue(IIEValue value);
  void ClearReturn();
  // Copies the return state to the enclosing context and answers it; the
  // root answers itself.
  TIEContext* ReturnToParent();
  // Takes the return state of another context.
  void Assign(const TIEContext& source);

  // The fact and token an evaluation concerns.
  [[nodiscard]] const IFact& Fact() const { return FFact; }
  void SetFact(IFact fact);
  [[nodiscard]] const IReteToken& Token() const { return FToken; }
  void SetToken(IReteToken token);

  // How many deffunction calls enclose this context; bounds recursion.
  [[nodiscard]] int32_t CallDepth() const { return FCallDepth; }
  void SetCallDepth(int32_t depth) { FCallDepth = depth; }

  // Lookups: this context outwards, or the root only.
  [[nodiscard]] TBinding* FindBinding(std::string_view name) const;
  [[nodiscard]] TBinding* FindGlobal(std::string_view name) const;
  // The bound value; "Unknown variable name: %s" when nothing binds it.
  [[nodiscard]] IIEValue GetValue(std::string_view name) const;

  // Updates the innermost binding of the name wherever it is, or makes a
  // positionless binding here.
  void SetVariable(std::string_view name, IIEValue value);
  // Updates this context's own binding, else behaves as SetVariable.
  void SetLocal(std::string_view name, IIEValue value);
  // Updates the root's binding, or makes a positionless one in the root.
  void SetGlobal(std::string_view name, IIEValue value);
  // A positionless binding in this context, replacing one of the same name
  // here; bindings of enclosing contexts are hidden, never touched.
  TBinding* AddBinding(std::string_view name, IIEValue value);
  // A binding with a position in this context, replacing one of the same
  // name here.
  TBinding* Bind(std::string_view name, int32_t factIndex, std::string_view slotIndex,
                 int32_t subIndex);
  // Frees every binding of this context and clears the return state.
  void ClearBindings();
  // Makes the context as it was when it was created: no bindings, no
  // return state, no fact or token, the enclosing context's call depth.
  void Recycle();

  // Evaluates every slot value of the fact in this context and stores the
  // results into the same fact, which is answered.
  const IFact& InstantiateFact(const IFact& fact);
  // The same into a new fact made from `pattern`, which is left as it is
  // (the new fact holds copies of the pattern's constants, never the
  // pattern's own values).
  [[nodiscard]] IFact InstantiateCopy(const TFact& pattern);
  // The evaluation of each element, nested lists flattened into the result.
  [[nodiscard]] IValueVector EvaluateList(const TValueVector& list);

  // IEvalContext.
  [[nodiscard]] IIEValue VariableValue(const std::string& name) override;
  [[nodiscard]] IIEValue BindingValue(const TBindingInfoBase& binding) override;

 private:
  // Appends the evaluation of each element, nested lists flattened; with
  // `unshare` an element that evaluates to itself is appended as a copy
  // (a clone, as copying the list it came from would have made).
  void AppendEvaluated(TValueVector& out, const TValueVector& list, bool unshare);
  void InstantiateSlots(TFact& fact, const IFactTemplate& factTemplate, bool unshare);
  [[nodiscard]] static const TIEValue* StoredSlotValue(TFact& fact, const TBindingInfo& binding);

  TComponent* FEngine;
  IEngineServices* FServices;
  TIEContext* FParent;
  TIEContext* FRoot;
  TBindings FBindings;
  IFact FFact;
  IReteToken FToken;
  IIEValue FReturnValue;
  bool FReturnFlag = false;
  int32_t FCallDepth = 0;
  std::vector<std::unique_ptr<TIEContext>> FSpareChildren;  // for TakeChild
};

}  // namespace vettora
