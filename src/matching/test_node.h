#pragma once
// TTestNode: a beta node holding an ordered list of slot tests (owned). As
// the node of a `test` element it passes a partial match on, extended by
// the engine's placeholder fact so that later patterns keep their
// positions, when every test passes. TJoinNode builds on it.

#include <memory>
#include <string>
#include <vector>

#include "matching/compiled_comparison.h"
#include "matching/join_test.h"
#include "matching/rete_node.h"
#include "matching/slot_test.h"

namespace vettora {

class TTestNode : public TReteNode {
 public:
  explicit TTestNode(TReteNetwork* rete) : TReteNode(rete) {}

  [[nodiscard]] std::string ClassName() const override { return "TTestNode"; }

  [[nodiscard]] int32_t TestCount() const { return int32_t(FTests.size()); }
  [[nodiscard]] const TIESlotTest& Tests(int32_t i) const { return *FTests.at(size_t(i)); }
  virtual void AddTest(std::unique_ptr<TIESlotTest> test);
  // Whether any test is a call test (TIEPatternMatchTest).
  [[nodiscard]] bool HasCallTests() const;
  // Same class, as many tests, and each test equal to one of the other's.
  [[nodiscard]] bool SameTests(const TTestNode& other) const;

  void Activate(const IReteToken& token, TCallType callType) override;
  // Adds " NumTests: " and each test's text in " (" ")".
  [[nodiscard]] std::string Text() const override;

 protected:
  // Runs the tests in order on a partial match and the fact being joined
  // (may be null), stopping at the first that fails.
  [[nodiscard]] bool TestsPass(const IReteToken& left, const IFact& right);

  // As TestsPass, but without a general call, whose side effects (output,
  // errors) must not happen twice: answers false, leaving `pass` alone,
  // when the result needs one. For checks of the node's bookkeeping.
  [[nodiscard]] bool TestsDecideQuietly(const IReteToken& left, const IFact& right,
                                        bool& pass) const;

  std::vector<std::unique_ptr<TIESlotTest>> FTests;
  // For each test, the join test it is (compared without a context), or
  // null for a call test.
  std::vector<const TIEJoinTest*> FJoinTests;
  // For each call test that compares bindings and numbers, its compiled
  // form (tried first); null for the others.
  std::vector<std::unique_ptr<TCompiledComparison>> FCompiled;
  bool FAllJoinTests = true;
};

}  // namespace vettora
