#pragma once
// TVerifyTypePFunction: one configurable type test (numberp, symbolp, ...).
// It answers TRUE exactly when its one argument's kind is in ValueTypes;
// the kind is tested, not the content, so the string "12" is no number.
// Its help text names the accepted kinds and is rebuilt whenever the
// function is renamed. A type test stores its kind mask with a package.

#include <cstdint>
#include <string>
#include <vector>

#include "functions/user_function.h"
#include "values/value_type.h"

namespace vettora {

class TVerifyTypePFunction : public TIEUserFunction {
 public:
  // An unnamed test that accepts no kind (the form a stored package loads).
  TVerifyTypePFunction();
  // A test named `name` accepting `types`.
  TVerifyTypePFunction(const std::string& name, TIETypes types);

  [[nodiscard]] std::string ClassName() const override { return "TVerifyTypePFunction"; }
  [[nodiscard]] bool CanStream() const override { return true; }
  [[nodiscard]] std::vector<int32_t> OwnData() const override;
  void SetOwnData(const std::vector<int32_t>& data) override;

  [[nodiscard]] TIETypes ValueTypes() const { return FValueTypes; }
  void SetValueTypes(TIETypes types) { FValueTypes = types; }

  // From another type test: the kinds, then the base data.
  void Assign(const TIEUserFunction& source) override;

  // The help text for a set of kinds: their names without "dt", in ordinal
  // order, or NONE.
  [[nodiscard]] static std::string HelpText(TIETypes types);

 protected:
  IIEValue Execute(TFunctionCall& call, TIEContext& context) override;
  void NameChanged() override;

 private:
  TIETypes FValueTypes;
};

}  // namespace vettora
