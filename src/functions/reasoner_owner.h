#pragma once
// TCustomReasonerOwner: a component that serves a list of engines
// (reasoners), such as a function package. It follows each engine's
// destruction and drops it then; derived classes learn of every engine
// that comes and goes.

#include <cstdint>
#include <vector>

#include "functions/reasoner.h"
#include "values/component.h"

namespace vettora {

class TCustomReasonerOwner : public TComponent {
 public:
  explicit TCustomReasonerOwner(TComponent* owner = nullptr) : TComponent(owner) {}
  ~TCustomReasonerOwner() override;

  [[nodiscard]] std::string ClassName() const override { return "TCustomReasonerOwner"; }

  // Adding an engine twice changes nothing.
  void AddReasoner(IReasoner* reasoner);
  void RemoveReasoner(IReasoner* reasoner);
  [[nodiscard]] int32_t IndexOfReasoner(const IReasoner* reasoner) const;
  [[nodiscard]] int32_t ReasonerCount() const { return int32_t(FReasoners.size()); }
  [[nodiscard]] IReasoner* Reasoners(int32_t i) const { return FReasoners.at(size_t(i)).Reasoner; }

 protected:
  // Called after an engine joined, and before one that is still alive
  // leaves.
  virtual void ReasonerAdded(IReasoner*) {}
  virtual void ReasonerRemoved(IReasoner*) {}
  // Called when an engine is being destroyed and has been dropped; it can
  // no longer be called.
  virtual void ReasonerDestroyed(IReasoner*) {}
  void Notification(TComponent* component, TOperation operation) override;

 private:
  struct TEntry {
    IReasoner* Reasoner;
    TComponent* Component;  // cached: a dying engine can no longer be asked
  };
  std::vector<TEntry> FReasoners;
};

}  // namespace vettora
