#pragma once
// TComponent: an owned, named object that owns its child components and tells
// registered observers when it is destroyed (free notification). The engine,
// rules, fact sets, packages and dialogs derive from it.

#include <string>
#include <vector>

#include "values/object.h"

namespace vettora {

enum TOperation : uint8_t { opInsert, opRemove };

class TComponent : public TObject {
 public:
  explicit TComponent(TComponent* owner = nullptr);
  ~TComponent() override;
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  [[nodiscard]] std::string ClassName() const override { return "TComponent"; }

  [[nodiscard]] TComponent* Owner() const { return FOwner; }
  [[nodiscard]] const std::string& Name() const { return FName; }
  virtual void SetName(const std::string& name) { FName = name; }

  // Owned children, in insertion order.
  [[nodiscard]] int ComponentCount() const { return int(FComponents.size()); }
  [[nodiscard]] TComponent* Components(int i) const { return FComponents.at(size_t(i)); }
  [[nodiscard]] TComponent* FindComponent(const std::string& name) const;

  // True from the start of destruction; code that would free a component
  // only drops it then.
  [[nodiscard]] bool Destroying() const { return FDestroying; }

  // Asks to be told (through Notification with opRemove) when `component`
  // is destroyed; the link is mutual, so either side may go first.
  void FreeNotification(TComponent* component);
  void RemoveFreeNotification(TComponent* component);

 protected:
  // Called when a component this one registered with is destroyed, and on
  // the owner when a child is inserted or removed.
  virtual void Notification(TComponent* component, TOperation operation);

  // Marks this component as being destroyed; a derived destructor may call
  // it first so its members can see the flag.
  void BeginDestroy() { FDestroying = true; }

 private:
  void InsertChild(TComponent* child);
  void RemoveChild(TComponent* child);
  static void Unlink(std::vector<TComponent*>& list, TComponent* item);

  TComponent* FOwner = nullptr;
  std::string FName;
  std::vector<TComponent*> FComponents;
  std::vector<TComponent*> FFreeNotifies;
  bool FDestroying = false;
};

}  // namespace vettora
