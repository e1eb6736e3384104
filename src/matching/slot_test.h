#pragma once
// Slot tests of a rule's patterns.
//
// TIESlotTest is the common base: a test either requires equality
// (sttEquals, "=") or inequality (sttNotEquals, "<>").
// TIEPatternMatchTest is one constraint written in a pattern's slot: a
// constant, a variable, a multifield variable or a function call, on the
// whole slot or on one element of a multislot, joined to the previous
// constraint of the same position by "&" (Conjunction) or "|".
// The join tests that compare two facts of a partial match are in
// join_test.h.

#include <cstdint>
#include <memory>
#include <string>

#include "values/value.h"

namespace vettora {

class IRuleEngine;
class TIEContext;
class TIEPattern;

enum TSlotTestType : uint8_t { sttEquals, sttNotEquals };

class TIESlotTest {
 public:
  explicit TIESlotTest(TSlotTestType type = sttEquals) : FSlotTestType(type) {}
  virtual ~TIESlotTest() = default;
  TIESlotTest(const TIESlotTest&) = default;
  TIESlotTest& operator=(const TIESlotTest&) = default;

  [[nodiscard]] TSlotTestType SlotTestType() const { return FSlotTestType; }
  void SetSlotTestType(TSlotTestType type) { FSlotTestType = type; }

  // Whether the test passes in `context` (its fact and token).
  [[nodiscard]] virtual bool Evaluate(TIEContext& context) const = 0;
  // Same class and the same test type; derived classes add their fields.
  [[nodiscard]] virtual bool Equals(const TIESlotTest& other) const;
  // "=" or "<>"; derived classes append their fields.
  [[nodiscard]] virtual std::string Text() const;
  [[nodiscard]] virtual std::unique_ptr<TIESlotTest> CloneTest() const = 0;

 private:
  TSlotTestType FSlotTestType;
};

class TIEPatternMatchTest : public TIESlotTest {
 public:
  // The value is stored as a copy.
  explicit TIEPatternMatchTest(const IIEValue& value = nullptr, TSlotTestType type = sttEquals,
                               int32_t subIndex = -1, bool conjunction = true);
  // A value no one else holds is taken as it is, saving the copy; any other
  // is copied.
  TIEPatternMatchTest(IIEValue&& value, TSlotTestType type = sttEquals, int32_t subIndex = -1,
                      bool conjunction = true);

  [[nodiscard]] const IIEValue& SlotValue() const { return FSlotValue; }
  // Stores a copy and notifies the owning pattern.
  void SetSlotValue(const IIEValue& value);
  // Stores the value itself (compiled calls, renamed variables) and
  // notifies the owning pattern.
  void SetSlotValueShared(IIEValue value);
  // -1: the whole slot; otherwise the position in a multislot.
  [[nodiscard]] int32_t MultiSlotSubIndex() const { return FMultiSlotSubIndex; }
  void SetMultiSlotSubIndex(int32_t index);
  // True: joined to the previous test of the same position by "&"; false:
  // by "|".
  [[nodiscard]] bool Conjunction() const { return FConjunction; }
  void SetConjunction(bool conjunction);

  // The pattern told of changes (not owned); null for a free test.
  [[nodiscard]] TIEPattern* Owner() const { return FOwner; }
  void SetOwner(TIEPattern* owner) { FOwner = owner; }

  [[nodiscard]] bool IsVariable() const;  // a variable or a multifield variable
  [[nodiscard]] bool IsFunctionCall() const;

  // Evaluates SlotValue (a function call) in the context: sttEquals passes
  // when the result is not FalseValue, sttNotEquals when it is.
  [[nodiscard]] bool Evaluate(TIEContext& context) const override;
  // The base test, the values, the sub-index and the conjunction agree.
  [[nodiscard]] bool Equals(const TIESlotTest& other) const override;
  // "= SubIdx: -1 Slot: red".
  [[nodiscard]] std::string Text() const override;
  [[nodiscard]] std::unique_ptr<TIESlotTest> CloneTest() const override;
  [[nodiscard]] std::unique_ptr<TIEPatternMatchTest> Clone() const;

  // The test as a function call on `positionVariable` (a variable value):
  // a call test is the call itself, or (not call) for "<>"; any other value
  // gives (eq value ?var), or (neq value ?var) for "<>".
  [[nodiscard]] IIEValue AsCall(IRuleEngine& engine, const IIEValue& positionVariable) const;

 private:
  void Changed();

  IIEValue FSlotValue;
  int32_t FMultiSlotSubIndex;
  bool FConjunction;
  TIEPattern* FOwner = nullptr;
};

// True when a function call's result counts as a pass: anything but FALSE.
[[nodiscard]] bool IsTrueResult(const IIEValue& result);

}  // namespace vettora
