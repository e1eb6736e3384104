// TCustomReasonerOwner: the list of engines and their free notification.
#include "functions/reasoner_owner.h"

#include <algorithm>

namespace vettora {

TCustomReasonerOwner::~TCustomReasonerOwner() {
  for (const TEntry& e : FReasoners)
    if (e.Component) RemoveFreeNotification(e.Component);
}

void TCustomReasonerOwner::AddReasoner(IReasoner* reasoner) {
  if (!reasoner || IndexOfReasoner(reasoner) >= 0) return;
  TComponent* component = reasoner->ReasonerComponent();
  FReasoners.push_back({reasoner, component});
  if (component) FreeNotification(component);
  ReasonerAdded(reasoner);
}

void TCustomReasonerOwner::RemoveReasoner(IReasoner* reasoner) {
  int32_t i = IndexOfReasoner(reasoner);
  if (i < 0) return;
  ReasonerRemoved(reasoner);
  // Looked up again: the notification above may have changed the list.
  i = IndexOfReasoner(reasoner);
  if (i < 0) return;
  TComponent* component = FReasoners[size_t(i)].Component;
  FReasoners.erase(FReasoners.begin() + i);
  if (component) RemoveFreeNotification(component);
}

int32_t TCustomReasonerOwner::IndexOfReasoner(const IReasoner* reasoner) const {
  for (size_t i = 0; i < FReasoners.size(); ++i)
    if (FReasoners[i].Reasoner == reasoner) return int32_t(i);
  return -1;
}

void TCustomReasonerOwner::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation != opRemove) return;
  for (size_t i = 0; i < FReasoners.size(); ++i) {
    if (FReasoners[i].Component != component) continue;
    IReasoner* gone = FReasoners[i].Reasoner;
    FReasoners.erase(FReasoners.begin() + long(i));
    ReasonerDestroyed(gone);
    return;
  }
}

}  // namespace vettora
