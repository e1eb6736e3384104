// TTestNode: ordered tests, sharing comparison, activation and text.
#include "matching/test_node.h"

#include <typeinfo>

#include "knowledge/fact.h"
#include "matching/context.h"
#include "matching/rete_network.h"
#include "matching/rule_engine.h"

namespace vettora {

void TTestNode::AddTest(std::unique_ptr<TIESlotTest> test) {
  auto* join = dynamic_cast<const TIEJoinTest*>(test.get());
  FJoinTests.push_back(join);
  if (!join) FAllJoinTests = false;
  auto* call = join ? nullptr : dynamic_cast<const TIEPatternMatchTest*>(test.get());
  FCompiled.push_back(call ? TCompiledComparison::Compile(call->SlotValue()) : nullptr);
  FTests.push_back(std::move(test));
}

bool TTestNode::HasCallTests() const { return !FAllJoinTests; }

bool TTestNode::SameTests(const TTestNode& other) const {
  if (typeid(*this) != typeid(other) || FTests.size() != other.FTests.size()) return false;
  for (const auto& mine : FTests) {
    bool found = false;
    for (const auto& theirs : other.FTests) found = found || mine->Equals(*theirs);
    if (!found) return false;
  }
  return true;
}

bool TTestNode::TestsPass(const IReteToken& left, const IFact& right) {
  if (FAllJoinTests && right) {
    for (const TIEJoinTest* test : FJoinTests)
      if (!test->Matches(*left, *right)) return false;
    return true;
  }
  TIEContext* context = nullptr;
  bool pass = true;
  for (size_t i = 0; i < FTests.size() && pass; ++i) {
    if (FJoinTests[i] && right) {
      pass = FJoinTests[i]->Matches(*left, *right);
      continue;
    }
    bool result = false;
    if (FCompiled[i] && FCompiled[i]->TryResult(*left, right.Get(), result)) {
      pass = result == (FTests[i]->SlotTestType() == sttEquals);
      continue;
    }
    if (!context) {
      context = &Context();
      context->SetToken(left);
      context->SetFact(right);
    }
    pass = FTests[i]->Evaluate(*context);
  }
  if (context) {
    context->SetToken(nullptr);
    context->SetFact(nullptr);
  }
  return pass;
}

bool TTestNode::TestsDecideQuietly(const IReteToken& left, const IFact& right,
                                   bool& pass) const {
  for (size_t i = 0; i < FTests.size(); ++i) {
    bool result = false;
    if (FJoinTests[i] && right) {
      result = FJoinTests[i]->Matches(*left, *right);
    } else if (FCompiled[i] && FCompiled[i]->TryResult(*left, right.Get(), result)) {
      result = result == (FTests[i]->SlotTestType() == sttEquals);
    } else {
      return false;
    }
    if (!result) {
      pass = false;
      return true;
    }
  }
  pass = true;
  return true;
}

void TTestNode::Activate(const IReteToken& token, TCallType callType) {
  if (token->Tag() == taClear) {
    PassOn(token);
    return;
  }
  if (callType == ctRight) return;  // the test element's root never passes facts
  if (!TestsPass(token, nullptr)) return;
  PassOn(TIEToken::Extend(token, Rete()->Engine()->NotOrTestFact()));
}

std::string TTestNode::Text() const {
  std::string text = TReteNode::Text() + " NumTests: " + std::to_string(FTests.size());
  for (const auto& test : FTests) text += " (" + test->Text() + ")";
  return text;
}

}  // namespace vettora
