// TIESlotTest and TIEPatternMatchTest: evaluation, equality, texts and the
// call form used when disjunctions are compiled.
#include "matching/slot_test.h"

#include <typeinfo>

#include "matching/context.h"
#include "matching/pattern.h"
#include "matching/rule_engine.h"

namespace vettora {

bool IsTrueResult(const IIEValue& result) {
  if (!result) return true;
  if (result == FalseValue()) return false;
  return !(result->DType() == dtAtom && result->Text() == "FALSE");
}

bool TIESlotTest::Equals(const TIESlotTest& other) const {
  return typeid(*this) == typeid(other) && FSlotTestType == other.FSlotTestType;
}

std::string TIESlotTest::Text() const { return FSlotTestType == sttEquals ? "=" : "<>"; }

TIEPatternMatchTest::TIEPatternMatchTest(const IIEValue& value, TSlotTestType type,
                                         int32_t subIndex, bool conjunction)
    : TIESlotTest(type),
      FSlotValue(value ? value->Clone() : value),
      FMultiSlotSubIndex(subIndex),
      FConjunction(conjunction) {}

TIEPatternMatchTest::TIEPatternMatchTest(IIEValue&& value, TSlotTestType type, int32_t subIndex,
                                         bool conjunction)
    : TIESlotTest(type),
      FSlotValue(std::move(value)),
      FMultiSlotSubIndex(subIndex),
      FConjunction(conjunction) {
  if (FSlotValue && FSlotValue->RefCount() > 1) FSlotValue = FSlotValue->Clone();
}

void TIEPatternMatchTest::Changed() {
  if (FOwner) FOwner->Changed();
}

void TIEPatternMatchTest::SetSlotValue(const IIEValue& value) {
  FSlotValue = value ? value->Clone() : value;
  Changed();
}

void TIEPatternMatchTest::SetSlotValueShared(IIEValue value) {
  FSlotValue = std::move(value);
  Changed();
}

void TIEPatternMatchTest::SetMultiSlotSubIndex(int32_t index) {
  FMultiSlotSubIndex = index;
  Changed();
}

void TIEPatternMatchTest::SetConjunction(bool conjunction) {
  FConjunction = conjunction;
  Changed();
}

bool TIEPatternMatchTest::IsVariable() const {
  return FSlotValue &&
         (FSlotValue->DType() == dtVariable || FSlotValue->DType() == dtMultiVariable);
}

bool TIEPatternMatchTest::IsFunctionCall() const {
  return FSlotValue && FSlotValue->DType() == dtFunCall;
}

bool TIEPatternMatchTest::Evaluate(TIEContext& context) const {
  IIEValue result = FSlotValue ? FSlotValue->Evaluate(&context) : FSlotValue;
  return IsTrueResult(result) == (SlotTestType() == sttEquals);
}

bool TIEPatternMatchTest::Equals(const TIESlotTest& other) const {
  if (!TIESlotTest::Equals(other)) return false;
  const auto& test = static_cast<const TIEPatternMatchTest&>(other);
  if (FMultiSlotSubIndex != test.FMultiSlotSubIndex || FConjunction != test.FConjunction)
    return false;
  if (FSlotValue == test.FSlotValue) return true;
  return FSlotValue && FSlotValue->Equals(test.FSlotValue);
}

std::string TIEPatternMatchTest::Text() const {
  return TIESlotTest::Text() + " SubIdx: " + std::to_string(FMultiSlotSubIndex) +
         " Slot: " + (FSlotValue ? FSlotValue->AsText() : std::string());
}

std::unique_ptr<TIESlotTest> TIEPatternMatchTest::CloneTest() const { return Clone(); }

std::unique_ptr<TIEPatternMatchTest> TIEPatternMatchTest::Clone() const {
  return std::make_unique<TIEPatternMatchTest>(FSlotValue, SlotTestType(), FMultiSlotSubIndex,
                                               FConjunction);
}

IIEValue TIEPatternMatchTest::AsCall(IRuleEngine& engine, const IIEValue& positionVariable) const {
  bool equals = SlotTestType() == sttEquals;
  if (IsFunctionCall()) {
    if (equals) return FSlotValue;
    IFunCallBase call = engine.NewFunctionCall("not");
    engine.AddCallArgument(*call, FSlotValue);
    return MakeRef<TIEValue>(call);
  }
  IFunCallBase call = engine.NewFunctionCall(equals ? "eq" : "neq");
  engine.AddCallArgument(*call, FSlotValue);
  engine.AddCallArgument(*call, positionVariable);
  return MakeRef<TIEValue>(call);
}

}  // namespace vettora
