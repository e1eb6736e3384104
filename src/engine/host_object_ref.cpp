// THostObjectRef: a freed-safe reference to a host object.
#include "engine/host_object_ref.h"

#include "engine/messages.h"
#include "values/exceptions.h"
#include "values/format.h"

namespace vettora {

// Receives the watched component's free notification.
class THostObjectRef::TWatch : public TComponent {
 public:
  TWatch(THostObjectRef& ref, TComponent& target) : FRef(ref) { FreeNotification(&target); }
  [[nodiscard]] std::string ClassName() const override { return "THostObjectWatch"; }

 protected:
  void Notification(TComponent* component, TOperation operation) override {
    TComponent::Notification(component, operation);
    if (operation == opRemove && component == FRef.FTarget) FRef.FTarget = nullptr;
  }

 private:
  THostObjectRef& FRef;
};

THostObjectRef::THostObjectRef(TObject* object)
    : FTarget(object), FClassName(object ? object->ClassName() : std::string("TObject")) {
  if (auto* component = dynamic_cast<TComponent*>(object))
    FWatch = std::make_unique<TWatch>(*this, *component);
}

THostObjectRef::~THostObjectRef() = default;

std::unique_ptr<TObject> THostObjectRef::Duplicate() const {
  auto copy = std::make_unique<THostObjectRef>(FTarget);
  copy->FClassName = FClassName;
  return copy;
}

TObject& THostObjectRef::Live() const {
  if (!FTarget) throw EIEException(FormatMessage(kHostObjectFreed, {FClassName}));
  return *FTarget;
}

}  // namespace vettora
