// The configurable type test of the predicate package.
#include "packages/predicate/verify_type_p_function.h"

#include "functions/function_call.h"
#include "packages/predicate/messages.h"
#include "values/format.h"

namespace vettora {

TVerifyTypePFunction::TVerifyTypePFunction() {
  SetArgumentLimits(1, 1);
  NameChanged();
}

TVerifyTypePFunction::TVerifyTypePFunction(const std::string& name, TIETypes types)
    : FValueTypes(types) {
  SetArgumentLimits(1, 1);
  SetFunctionName(name);
}

std::string TVerifyTypePFunction::HelpText(TIETypes types) {
  std::string names;
  for (int k = 0; k < kTIETypeCount; ++k) {
    if (!types.Contains(TIEType(k))) continue;
    if (!names.empty()) names += ", ";
    names += TypeName(TIEType(k)) + 2;  // without the leading "dt"
  }
  return FormatMessage(kVerifyTypeHelp, {names.empty() ? kNoValueTypes : names});
}

void TVerifyTypePFunction::NameChanged() {
  SetComment(HelpText(FValueTypes));
  SetArgumentString(kVerifyTypeArguments);
}

std::vector<int32_t> TVerifyTypePFunction::OwnData() const { return {int32_t(FValueTypes.Bits())}; }

void TVerifyTypePFunction::SetOwnData(const std::vector<int32_t>& data) {
  TIETypes types;
  uint32_t bits = data.empty() ? 0 : uint32_t(data.front());
  // Only the bits of existing kinds count; others cannot be tested.
  for (int k = 0; k < kTIETypeCount; ++k)
    if ((bits >> k) & 1u) types.Include(TIEType(k));
  FValueTypes = types;
}

void TVerifyTypePFunction::Assign(const TIEUserFunction& source) {
  if (const auto* test = dynamic_cast<const TVerifyTypePFunction*>(&source))
    FValueTypes = test->FValueTypes;
  TIEUserFunction::Assign(source);
}

IIEValue TVerifyTypePFunction::Execute(TFunctionCall& call, TIEContext& context) {
  // An argument that answered no value has no kind (dtNone).
  IIEValue value = call.EvaluateArgument(0, context);
  TIEType kind = value ? value->DType() : dtNone;
  return FValueTypes.Contains(kind) ? TrueValue() : FalseValue();
}

}  // namespace vettora
