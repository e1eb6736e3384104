// TIEJoinTest: comparing a fact being joined with an earlier fact of a
// partial match.
#include "matching/join_test.h"

#include "matching/binding_info.h"
#include "matching/context.h"

namespace vettora {

namespace {

// The compared value of `fact`: the fact itself as a fact id for the
// pattern's own address ("?f <- (...)"), else its slot or slot element.
IIEValue ValueOf(bool address, const TSlotRef& slot, int32_t subIndex, const TFact& fact) {
  if (address) return MakeRef<TIEValue>(fact.ID(), dtFactId);
  return IIEValue(const_cast<TIEValue*>(ElementOf(slot.ValueIn(fact), subIndex)));
}

}  // namespace

const char* JoinTestTypeName(TJoinTestType type) {
  return type == tstSlot ? "tstSlot" : "tstMultiSlot";
}

TIEJoinTest::TIEJoinTest(TSlotTestType type, int32_t tokenIndex, std::string leftSlot,
                         int32_t leftSubIndex, std::string rightSlot, int32_t rightSubIndex)
    : TIESlotTest(type),
      FLeftAddress(leftSlot == kPatternSlot),
      FRightAddress(rightSlot == kPatternSlot),
      FTokenIndex(tokenIndex),
      FLeft(std::move(leftSlot)),
      FLeftSubIndex(leftSubIndex),
      FRight(std::move(rightSlot)),
      FRightSubIndex(rightSubIndex),
      FJoinTestType(leftSubIndex == -1 && rightSubIndex == -1 ? tstSlot : tstMultiSlot) {}

bool TIEJoinTest::ComparesAddress() const {
  return FLeftAddress || FRightAddress;
}

IIEValue TIEJoinTest::RightValue(const TFact& right) const {
  return ValueOf(FRightAddress, FRight, FRightSubIndex, right);
}

IIEValue TIEJoinTest::LeftValue(const TIEToken& left) const {
  if (FTokenIndex >= left.Count()) return nullptr;
  const TFact* fact = left.FactAt(FTokenIndex).Get();
  return fact ? ValueOf(FLeftAddress, FLeft, FLeftSubIndex, *fact) : nullptr;
}

bool TIEJoinTest::Matches(const TIEToken& left, const TFact& right) const {
  if (FTokenIndex >= left.Count()) return true;
  const TFact* fact = left.FactAt(FTokenIndex).Get();
  if (!fact) return true;
  bool equal;
  if (FLeftAddress || FRightAddress) {
    IIEValue l = ValueOf(FLeftAddress, FLeft, FLeftSubIndex, *fact);
    IIEValue r = RightValue(right);
    equal = l && r && l->Equals(r.Get());
  } else {
    // Slot against slot: the stored values themselves, no counted copies.
    const TIEValue* l = ElementOf(FLeft.ValueIn(*fact), FLeftSubIndex);
    const TIEValue* r = ElementOf(FRight.ValueIn(right), FRightSubIndex);
    equal = l && r && l->Equals(r);
  }
  return equal == (SlotTestType() == sttEquals);
}

bool TIEJoinTest::Evaluate(TIEContext& context) const {
  if (!context.Token() || !context.Fact()) return true;
  return Matches(*context.Token(), *context.Fact());
}

bool TIEJoinTest::Equals(const TIESlotTest& other) const {
  if (!TIESlotTest::Equals(other)) return false;
  const auto& t = static_cast<const TIEJoinTest&>(other);
  return FTokenIndex == t.FTokenIndex && FLeft.Name() == t.FLeft.Name() &&
         FLeftSubIndex == t.FLeftSubIndex && FRight.Name() == t.FRight.Name() &&
         FRightSubIndex == t.FRightSubIndex && FJoinTestType == t.FJoinTestType;
}

std::string TIEJoinTest::Text() const {
  std::string text = TIESlotTest::Text() + " " + JoinTestTypeName(FJoinTestType) +
                     " TokenIdx: " + std::to_string(FTokenIndex) + " Left: " + FLeft.Name();
  if (FJoinTestType == tstMultiSlot) text += " " + std::to_string(FLeftSubIndex);
  text += " Right: " + FRight.Name();
  if (FJoinTestType == tstMultiSlot) text += " " + std::to_string(FRightSubIndex);
  return text;
}

std::unique_ptr<TIESlotTest> TIEJoinTest::CloneTest() const {
  return std::make_unique<TIEJoinTest>(SlotTestType(), FTokenIndex, FLeft.Name(), FLeftSubIndex,
                                       FRight.Name(), FRightSubIndex);
}

}  // namespace vettora
