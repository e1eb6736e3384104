// TCompiledComparison: compiling a call test on bindings and numbers, and
// deciding it on the values in the facts.
#include "matching/compiled_comparison.h"

#include <typeinfo>

#include "knowledge/fact.h"
#include "matching/binding_info.h"

namespace vettora {

std::unique_ptr<TCompiledComparison> TCompiledComparison::Compile(const IIEValue& value) {
  if (!value || value->DType() != dtFunCall) return nullptr;
  TFunCallBase* call = value->AsFunCall().Get();
  if (!call || call->CallArgumentCount() != 2) return nullptr;
  auto compiled = std::unique_ptr<TCompiledComparison>(new TCompiledComparison());
  for (int32_t i = 0; i < 2; ++i)
    if (!CompileOperand(call->CallArgument(i), compiled->FOperands[i])) return nullptr;
  compiled->FHeld = value;
  compiled->FCall = call;
  return compiled;
}

// A number stands for itself; a binding must read a slot (or an element
// of one) of a fact of the match.
bool TCompiledComparison::CompileOperand(const TIEValue* argument, TOperand& operand) {
  if (!argument) return false;
  if (argument->DType() == dtInteger || argument->DType() == dtFloat) {
    operand.Constant = argument;
    return true;
  }
  if (argument->DType() != dtObject) return false;
  TObject* object = argument->AsObject();
  if (!object || typeid(*object) != typeid(TBindingInfo)) return false;
  const auto& binding = static_cast<const TBindingInfo&>(*object);
  if (binding.IsPattern() || binding.IsLocal() || binding.FactIndex() < 0) return false;
  operand.FactIndex = binding.FactIndex();
  operand.Slot = TSlotRef(binding.SlotIndex());
  operand.SubIndex = binding.SubIndex();
  return true;
}

// The value the binding reads, found as the evaluation context finds it:
// the fact being joined sits one past the match's last fact.
const TIEValue* TCompiledComparison::ValueOf(const TOperand& operand, const TIEToken& left,
                                             const TFact* right) {
  if (operand.Constant) return operand.Constant;
  const TFact* fact = operand.FactIndex == left.Count() && right
                          ? right
                          : left.FactAt(operand.FactIndex).Get();
  if (!fact) return nullptr;
  return ElementOf(operand.Slot.ValueIn(*fact), operand.SubIndex);
}

bool TCompiledComparison::TryResult(const TIEToken& left, const TFact* right,
                                    bool& result) const {
  const TIEValue* first = ValueOf(FOperands[0], left, right);
  const TIEValue* second = first ? ValueOf(FOperands[1], left, right) : nullptr;
  return second && FCall->TryCompare(*first, *second, result);
}

}  // namespace vettora
