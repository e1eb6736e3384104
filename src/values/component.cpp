#include "values/component.h"

#include <algorithm>
#include <iterator>

namespace vettora {

TComponent::TComponent(TComponent* owner) : FOwner(nullptr) {
  if (owner) owner->InsertChild(this);
}

TComponent::~TComponent() {
  FDestroying = true;
  // Tell every observer; each removes its own link as it is told.
  while (!FFreeNotifies.empty()) {
    TComponent* other = FFreeNotifies.back();
    FFreeNotifies.pop_back();
    Unlink(other->FFreeNotifies, this);
    other->Notification(this, opRemove);
  }
  while (!FComponents.empty()) {
    TComponent* child = FComponents.back();
    RemoveChild(child);
    delete child;
  }
  if (FOwner) FOwner->RemoveChild(this);
}

TComponent* TComponent::FindComponent(const std::string& name) const {
  if (name.empty()) return nullptr;
  for (TComponent* c : FComponents)
    if (c->FName == name) return c;
  return nullptr;
}

void TComponent::FreeNotification(TComponent* component) {
  if (!component || component == this) return;
  if (std::find(FFreeNotifies.begin(), FFreeNotifies.end(), component) == FFreeNotifies.end()) {
    FFreeNotifies.push_back(component);
    component->FFreeNotifies.push_back(this);
  }
}

void TComponent::RemoveFreeNotification(TComponent* component) {
  if (!component) return;
  Unlink(FFreeNotifies, component);
  Unlink(component->FFreeNotifies, this);
}

void TComponent::Notification(TComponent*, TOperation) {}

void TComponent::InsertChild(TComponent* child) {
  FComponents.push_back(child);
  child->FOwner = this;
  Notification(child, opInsert);
}

void TComponent::RemoveChild(TComponent* child) {
  Unlink(FComponents, child);
  child->FOwner = nullptr;
  Notification(child, opRemove);
}

// An item is listed at most once. The search starts from the back: children
// are mostly freed newest first, so both the search and the erase stay short
// however many children an owner has.
void TComponent::Unlink(std::vector<TComponent*>& list, TComponent* item) {
  auto it = std::find(list.rbegin(), list.rend(), item);
  if (it != list.rend()) list.erase(std::next(it).base());
}

}  // namespace vettora
