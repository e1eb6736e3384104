#pragma once
// The root of host objects that a value can hold (`dtObject`) and of the
// engine's components.

#include <memory>
#include <string>

namespace vettora {

class TBindingInfoBase;

class TObject {
 public:
  virtual ~TObject() = default;

  // The class name shown in printed forms ("<Object: TButton>") and errors.
  [[nodiscard]] virtual std::string ClassName() const { return "TObject"; }

  // A new object of the same class assigned from this one, or null when the
  // class cannot be copied. Used when a value that owns its object is copied.
  [[nodiscard]] virtual std::unique_ptr<TObject> Duplicate() const { return nullptr; }

  // The object as a pattern binding, or null. Evaluating a `dtObject` value
  // asks this on every read of a compiled variable: a virtual call costs far
  // less there than a dynamic cast.
  [[nodiscard]] virtual const TBindingInfoBase* AsBindingInfo() const { return nullptr; }
};

// A class of the host object model, held by `dtClass` values.
class TObjectClass {
 public:
  virtual ~TObjectClass() = default;
  [[nodiscard]] virtual std::string ClassName() const = 0;
};

}  // namespace vettora
