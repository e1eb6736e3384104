// Reading a multifield argument as numbers.
#include "functions/argument_values.h"

#include "matching/context.h"
#include "values/value_vector.h"

namespace vettora {

std::vector<double> NumbersArgument(const TFunctionCall& call, int32_t i, TIEContext& context) {
  IValueVector list = ArgumentValue(call, i, context)->AsList();
  std::vector<double> numbers;
  numbers.reserve(size_t(list->Count()));
  for (int32_t k = 0; k < list->Count(); ++k) {
    const IIEValue& element = list->Items(k);
    IIEValue value = element ? element->Evaluate(&context) : NilValue();
    numbers.push_back((value ? value : NilValue())->AsNumeric());
  }
  return numbers;
}

}  // namespace vettora
