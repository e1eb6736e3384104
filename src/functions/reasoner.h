#pragma once
// IReasoner: what functions, calls and packages need from an engine. The
// engine implements it; this layer only calls it. It is also the
// tokenizer's source of unique names (ISymbolSource).
//
// Functions and packages keep plain pointers to the reasoners they are
// registered with; a reasoner detaches them before it goes. Calls may
// outlive their engine (a parsed value kept by the host), so they hold the
// reasoner through a counted TReasonerLink that the reasoner empties when
// it is destroyed.

#include <string>

#include "reader/symbol_source.h"
#include "values/counted.h"

namespace vettora {

class TComponent;
class TIEUserFunction;
using IUserFunction = Ref<TIEUserFunction>;
class TFunctionCall;
class IReasoner;

// A weak, counted reference to a reasoner.
class TReasonerLink : public TCounted {
 public:
  explicit TReasonerLink(IReasoner* reasoner) : FReasoner(reasoner) {}
  // The reasoner, or null once it has been destroyed.
  [[nodiscard]] IReasoner* Reasoner() const { return FReasoner; }

 private:
  friend class IReasoner;
  IReasoner* FReasoner;
};

class IReasoner : public ISymbolSource {
 public:
  IReasoner();
  ~IReasoner() override;
  IReasoner(const IReasoner&) = delete;
  IReasoner& operator=(const IReasoner&) = delete;

  // Files the function under its own name, following the engine's
  // DuplicateConstructs policy, and attaches the function to this reasoner.
  virtual void RegisterFunction(const IUserFunction& function) = 0;
  // Takes the function off this reasoner when it is the one filed under
  // its name, and detaches it.
  virtual void UnregisterFunction(const IUserFunction& function) = 0;
  // The function filed under `name`; false when there is none.
  [[nodiscard]] virtual bool FindFunction(const std::string& name, IUserFunction& function) = 0;
  // The rule-language text of a call and of a function.
  [[nodiscard]] virtual std::string PrintFunCall(const TFunctionCall& call) = 0;
  [[nodiscard]] virtual std::string PrintFunction(const TIEUserFunction& function) = 0;
  // The engine component behind the reasoner, for free notification.
  [[nodiscard]] virtual TComponent* ReasonerComponent() = 0;

  // The counted link calls hold; emptied when this reasoner is destroyed.
  [[nodiscard]] const Ref<TReasonerLink>& Link() const { return FLink; }

 private:
  Ref<TReasonerLink> FLink;
};

}  // namespace vettora
