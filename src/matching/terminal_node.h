#pragma once
// TPatternMatchTerminalNode: the last node of one rule. It makes an
// activation for each complete match that arrives and keeps its live
// activations in the order they were made, indexed by token identity (hash
// and last fact) so a retraction finds the activation of an equal token
// without scanning the others.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "matching/rete_node.h"

namespace vettora {

class TActivation;
class TRule;

class TPatternMatchTerminalNode : public TReteNode {
 public:
  TPatternMatchTerminalNode(TReteNetwork* rete, TRule* rule);
  ~TPatternMatchTerminalNode() override;

  [[nodiscard]] std::string ClassName() const override { return "TPatternMatchTerminalNode"; }

  [[nodiscard]] TRule* Rule() const { return FRule; }
  [[nodiscard]] bool Initialized() const { return FInitialized; }
  // Can only be set to true.
  void SetInitialized(bool value) { FInitialized = FInitialized || value; }

  // The live activations, in the order they were made.
  [[nodiscard]] int32_t ActivationCount() const { return FCount; }
  [[nodiscard]] std::vector<TActivation*> Activations() const;
  // Whether this very activation object is listed.
  [[nodiscard]] bool Lists(const TActivation* activation) const;

  // taClear removes every activation (last first); taRemove the first one
  // whose token equals the token; taAdd makes one unless the rule is
  // disabled or a fired one-shot rule; taUpdate makes one only while the
  // node is not Initialized.
  void Activate(const IReteToken& token, TCallType callType) override;
  // Removes every activation, last first, announcing each.
  void RemoveAllActivations();
  // Forgets every activation without announcing (the network is going).
  void DetachAll();
  // Adds " Rule: " and the rule name.
  [[nodiscard]] std::string Text() const override;

 private:
  friend class TActivation;

  void Link(TActivation* activation);
  // Files an activation in the index's chain of its identity.
  void Index(TActivation* activation);
  // Makes the index with this many slots and files every activation.
  void BuildIndex(uint32_t slots);
  [[nodiscard]] size_t SlotOf(uint64_t identity) const;
  void Unlink(TActivation* activation);
  [[nodiscard]] TActivation* FindEqual(const TIEToken& token) const;
  void RemoveOne(TActivation* activation);
  // Called by the activation.
  void Fired(TActivation& activation);
  void Destroyed(TActivation& activation);

  TRule* FRule;
  bool FInitialized = false;
  TActivation* FFirst = nullptr;
  TActivation* FLast = nullptr;
  int32_t FCount = 0;
  uint64_t FSequence = 0;
  // Up to this many activations are found by looking through them; for
  // more, an index by token identity (hash and last fact) is made, chains
  // threaded through the activations themselves, and let go of when the
  // last activation goes. The many rules of a large rule base that hold
  // one or two activations cost no table, and none costs an allocation per
  // activation.
  static constexpr int32_t kUnindexedActivations = 8;
  std::unique_ptr<TActivation*[]> FSlots;
  uint32_t FSlotCount = 0;  // a power of two; 0 without an index
  uint32_t FSlotShift = 0;
};

}  // namespace vettora
