#pragma once
// TPatternMatchNode: an alpha node -- one test on a single fact: its
// template (the roots), a slot or element against a constant or a call, two
// slots of the fact against each other, a multislot's length, or the split
// of a multislot for a multifield variable.
//
// The slot names among the arguments are resolved to positions once per
// template layout, so a fact is tested without a name lookup.

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "matching/alpha_dispatch.h"
#include "matching/compiled_comparison.h"
#include "matching/rete_node.h"
#include "matching/slot_ref.h"
#include "values/value.h"

namespace vettora {

enum TPatternMatchTest : uint8_t {
  pmtUnknown,
  pmtTestClassType,
  pmtTestEqual,
  pmtTestNotEqual,
  pmtTestSlotValueEqual,
  pmtTestSlotValueNotEqual,
  pmtTestMultiSlotEqual,
  pmtTestMultiSlotNotEqual,
  pmtTestMultiSlotLength,
  pmtTestMultiSlotMultiField,
  pmtFailTest,
};

// "pmtTestEqual" and so on.
[[nodiscard]] const char* PatternMatchTestName(TPatternMatchTest test);

// A node argument: a slot name or an integer index.
using TNodeArg = std::variant<std::string, int32_t>;
using TNodeArgsArray = std::vector<TNodeArg>;

class TPatternMatchNode : public TReteNode {
 public:
  TPatternMatchNode(TReteNetwork* rete, TPatternMatchTest test, IIEValue value,
                    TNodeArgsArray args);

  [[nodiscard]] std::string ClassName() const override { return "TPatternMatchNode"; }

  [[nodiscard]] TPatternMatchTest PatternMatchTest() const { return FTest; }
  [[nodiscard]] const IIEValue& Value() const { return FValue; }
  [[nodiscard]] const TNodeArgsArray& Args() const { return FArgs; }

  // Whether a node made with these would be this node: same test, equal
  // arguments and an equal value (fuzzy values: compatibility index >= 1).
  [[nodiscard]] bool SameAs(TPatternMatchTest test, const IIEValue& value,
                            const TNodeArgsArray& args) const;

  void Activate(const IReteToken& token, TCallType callType) override;
  // Adds " Value: ", " Test: " and " Args: (...)".
  [[nodiscard]] std::string Text() const override;

 protected:
  // A new or lost outgoing edge: the dispatch table is built again.
  void OutgoingChanged() override;

 private:
  // PassOn, through the dispatch table once the node has one.
  void Pass(const IReteToken& token);
  // False when the table cannot decide for this fact.
  bool Dispatch(const IReteToken& token);
  // The test on a non-clearing token; `out` receives a weakened copy when
  // fuzzy matching lowers the strength.
  [[nodiscard]] bool Passes(const IReteToken& token, IReteToken& out);
  [[nodiscard]] bool CallPasses(const IReteToken& token, bool wantTrue);
  [[nodiscard]] bool Compare(const TIEValue* a, const TIEValue* b, bool wantEqual,
                             const IReteToken& token, IReteToken& out) const;
  void Split(const IReteToken& token);

  TPatternMatchTest FTest;
  IIEValue FValue;
  TNodeArgsArray FArgs;
  // Arguments prepared for matching.
  TSlotRef FSlot;        // first argument
  std::unique_ptr<TSlotRef> FSlot2;  // second argument of the slot-value tests
  int32_t FIndex = -1;   // sub-index, length or split position
  int32_t FIndex2 = -1;  // second sub-index of the slot-value tests
  bool FValueIsCall = false;
  std::unique_ptr<TCompiledComparison> FCompiled;  // the call, when it compiles
  std::unique_ptr<TAlphaDispatch> FDispatch;
  uint32_t FEdgeGeneration = 0;  // counts changes of the outgoing edges
  bool FDispatchBuilt = false;
};

}  // namespace vettora
