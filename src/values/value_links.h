#pragma once
// The narrow interfaces through which a value reaches objects whose classes
// live in higher layers: function calls, facts, fuzzy sets and variables,
// pattern bindings and the evaluation context. Each is implemented once,
// higher up (function calls, the fact list, the fuzzy sets, the context).
// Values link nothing above them: the one function they call upward, the
// fuzzy value builder, is registered at run time.

#include <cstdint>
#include <string>

#include "values/counted.h"
#include "values/object.h"

namespace vettora {

class TIEValue;
using IIEValue = Ref<TIEValue>;
class TSingletonsVector;

// The context a value is evaluated in. A variable or a pattern binding can
// only be resolved through one.
class IEvalContext {
 public:
  virtual ~IEvalContext() = default;
  // The value bound to the variable `name`, or empty when it has no binding
  // or the binding has no value.
  [[nodiscard]] virtual IIEValue VariableValue(const std::string& name) = 0;
  // The value of a pattern binding (the fact's id or one of its slots).
  [[nodiscard]] virtual IIEValue BindingValue(const class TBindingInfoBase& binding) = 0;
};

// A function-call expression (`dtFunCall`).
class TFunCallBase : public TCounted {
 public:
  [[nodiscard]] virtual std::string AsText() const = 0;
  [[nodiscard]] virtual bool Equals(const TFunCallBase& other) const = 0;
  [[nodiscard]] virtual uint32_t HashCode() const = 0;
  [[nodiscard]] virtual IIEValue Evaluate(IEvalContext* context) = 0;

  // The call's arguments, for a matcher that reads them itself.
  [[nodiscard]] virtual int32_t CallArgumentCount() const { return 0; }
  [[nodiscard]] virtual const TIEValue* CallArgument(int32_t i) const {
    (void)i;
    return nullptr;
  }
  // A two-argument call of a comparison, decided on values at hand without
  // evaluating anything: false when the called function is no comparison
  // or cannot decide on these values, and the call must be evaluated.
  [[nodiscard]] virtual bool TryCompare(const TIEValue& first, const TIEValue& second,
                                        bool& result) {
    (void)first, (void)second, (void)result;
    return false;
  }
};

// A fact held as a value (`dtFact`).
class TFactBase : public TCounted {
 public:
  [[nodiscard]] virtual std::string AsText() const = 0;
  [[nodiscard]] virtual bool Equals(const TFactBase& other) const = 0;
  [[nodiscard]] virtual uint32_t HashCode() const = 0;
};

// A fuzzy set held as a value (`dtFuzzy`).
class TFuzzySetBase : public TCounted {
 public:
  // The printed form of the set.
  [[nodiscard]] virtual std::string AsText() const = 0;
  // The set read as a number: its defuzzified value.
  [[nodiscard]] virtual double DefuzzifiedValue() = 0;
  // Whether the set matches another value (a fuzzy set or a number) under
  // its variable's threshold.
  [[nodiscard]] virtual bool FuzzyMatches(const TIEValue& other) = 0;
};

// The owner of a singleton list: the fuzzy variable it belongs to.
class TFuzzyVariableBase : public TCounted {
 public:
  // The printed form of singletons that belong to this variable.
  [[nodiscard]] virtual std::string SingletonsText(const TSingletonsVector& singletons) const = 0;
};

// A variable bound by a rule pattern, held as a `dtObject` value.
class TBindingInfoBase : public TObject {
 public:
  // The binding's own text, printed inside "<class: text>".
  [[nodiscard]] virtual std::string BindingText() const = 0;
  [[nodiscard]] const TBindingInfoBase* AsBindingInfo() const override { return this; }
};

// Builds the fuzzy value that a singleton list stands for, evaluating each X
// and Y in `context`. The fuzzy layer supplies it (RegisterFuzzyValues,
// which every engine calls when it is made); evaluating a singleton list
// before one is set raises an EIEException.
using TFuzzyValueBuilder = IIEValue (*)(const TSingletonsVector& singletons,
                                        IEvalContext* context);
// Sets the builder for the whole program; safe from any thread.
void SetFuzzyValueBuilder(TFuzzyValueBuilder builder);
// The builder set last, or null.
[[nodiscard]] TFuzzyValueBuilder FuzzyValueBuilder();

}  // namespace vettora
