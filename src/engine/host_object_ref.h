#pragma once
// THostObjectRef: the object a rule value holds for a host object. It
// points at the object while it lives; for a component it watches the
// component's free notification and forgets it when the component is
// destroyed, so a value that outlives its component raises "Object has
// been freed" instead of touching freed memory.
//
// A value owns its THostObjectRef (SetAsOwnedObject); copying the value
// duplicates the reference, not the object.

#include <memory>
#include <string>

#include "values/component.h"
#include "values/object.h"

namespace vettora {

class THostObjectRef : public TObject {
 public:
  // A reference to a component (watched) or to a plain object (not watched:
  // the runtime keeps such objects alive while values hold them).
  explicit THostObjectRef(TObject* object);
  ~THostObjectRef() override;
  THostObjectRef(const THostObjectRef&) = delete;
  THostObjectRef& operator=(const THostObjectRef&) = delete;

  // The class of the referenced object, remembered after it is freed.
  [[nodiscard]] std::string ClassName() const override { return FClassName; }
  [[nodiscard]] std::unique_ptr<TObject> Duplicate() const override;

  // The object, or null once a watched component was destroyed.
  [[nodiscard]] TObject* Target() const { return FTarget; }
  // The object; raises EIEException "Object has been freed: %s" when gone.
  [[nodiscard]] TObject& Live() const;

 private:
  class TWatch;
  TObject* FTarget;
  std::string FClassName;
  std::unique_ptr<TWatch> FWatch;
};

}  // namespace vettora
