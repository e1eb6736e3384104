#pragma once
// TIEJoinTest: a test of a join node comparing a slot (or one element of a
// multislot) of the fact being joined with a slot of an earlier fact of the
// partial match, the fact at TokenIndex. Slot names are resolved to
// positions once per template layout (TSlotRef).

#include <cstdint>
#include <memory>
#include <string>

#include "matching/slot_ref.h"
#include "matching/slot_test.h"
#include "matching/token.h"

namespace vettora {

enum TJoinTestType : uint8_t { tstSlot, tstMultiSlot };

// "tstSlot" or "tstMultiSlot".
[[nodiscard]] const char* JoinTestTypeName(TJoinTestType type);

class TIEJoinTest : public TIESlotTest {
 public:
  TIEJoinTest(TSlotTestType type, int32_t tokenIndex, std::string leftSlot, int32_t leftSubIndex,
              std::string rightSlot, int32_t rightSubIndex);

  [[nodiscard]] int32_t TokenIndex() const { return FTokenIndex; }
  [[nodiscard]] const std::string& LeftIndex() const { return FLeft.Name(); }
  [[nodiscard]] int32_t LeftSubIndex() const { return FLeftSubIndex; }
  [[nodiscard]] const std::string& RightIndex() const { return FRight.Name(); }
  [[nodiscard]] int32_t RightSubIndex() const { return FRightSubIndex; }
  // tstSlot when both sub-indices are -1, otherwise tstMultiSlot.
  [[nodiscard]] TJoinTestType JoinTestType() const { return FJoinTestType; }

  // The compared values: the right one from the joined fact, the left one
  // from the fact at TokenIndex of the partial match. Null when absent. A
  // side named "__PATTERN" is the fact's own address, as a fact id.
  [[nodiscard]] IIEValue RightValue(const TFact& right) const;
  [[nodiscard]] IIEValue LeftValue(const TIEToken& left) const;
  // One side is a fact's address rather than a slot (never a hash key:
  // the memories file tokens by slot values).
  [[nodiscard]] bool ComparesAddress() const;

  // The test on a partial match and the fact being joined; passes when the
  // match has no fact at TokenIndex.
  [[nodiscard]] bool Matches(const TIEToken& left, const TFact& right) const;
  // Matches with the context's token and fact.
  [[nodiscard]] bool Evaluate(TIEContext& context) const override;
  [[nodiscard]] bool Equals(const TIESlotTest& other) const override;
  // "= tstSlot TokenIdx: 0 Left: age Right: age".
  [[nodiscard]] std::string Text() const override;
  [[nodiscard]] std::unique_ptr<TIESlotTest> CloneTest() const override;

 private:
  // Whether each side is the fact's address rather than a slot; fixed when
  // the test is made, so the join loop compares no names.
  bool FLeftAddress;
  bool FRightAddress;
  int32_t FTokenIndex;
  TSlotRef FLeft;
  int32_t FLeftSubIndex;
  TSlotRef FRight;
  int32_t FRightSubIndex;
  TJoinTestType FJoinTestType;
};

}  // namespace vettora
