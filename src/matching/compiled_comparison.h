#pragma once
// TCompiledComparison: the call of a call test, such as `?y&:(> ?y ?x)`,
// read straight out of the partial match and the fact being joined (or,
// in a pattern's own tests, the fact being matched). Each argument is a
// pattern binding or a number, and the called function decides on the two
// values itself, without the counted temporaries, name lookups and
// evaluation context of a general call.
// Whenever it cannot decide (a missing fact, slot or element, values that
// are not plain numbers, a function that is no comparison), the test is
// evaluated the general way, so results and errors never differ.

#include <cstdint>
#include <memory>

#include "matching/slot_ref.h"
#include "matching/token.h"

namespace vettora {

class TCompiledComparison {
 public:
  // Null unless the value is a two-argument call on bindings and numbers.
  [[nodiscard]] static std::unique_ptr<TCompiledComparison> Compile(const IIEValue& call);

  // The call's result (TRUE or FALSE) on a partial match and the fact
  // being joined (null for a test element); false when the general
  // evaluation must answer.
  [[nodiscard]] bool TryResult(const TIEToken& left, const TFact* right, bool& result) const;

 private:
  struct TOperand {
    const TIEValue* Constant = nullptr;  // a number written in the call
    int32_t FactIndex = 0;               // otherwise the binding's place
    TSlotRef Slot;
    int32_t SubIndex = -1;
  };
  [[nodiscard]] static bool CompileOperand(const TIEValue* argument, TOperand& operand);
  [[nodiscard]] static const TIEValue* ValueOf(const TOperand& operand, const TIEToken& left,
                                               const TFact* right);

  IIEValue FHeld;               // the test's call value, held
  TFunCallBase* FCall = nullptr;  // the call it holds
  TOperand FOperands[2];
};

}  // namespace vettora
