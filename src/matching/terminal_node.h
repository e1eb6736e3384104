#pragma once
// TPatternMatchTerminalNode: the last node of one rule. It makes an
// activation for each complete match that arrives and keeps its live
// activations in the order they were made, indexed by token identity (hash
// and last fact) so a retraction finds the activation of an equal token
// without scanning the others.

#include <cstdint>
#include <string>
#include <unordered_map>
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

  struct TChain {
    TActivation* First = nullptr;
    TActivation* Last = nullptr;
  };

  void Link(TActivation* activation);
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
  using TIdentityIndex = std::unordered_map<uint64_t, TChain>;
  TIdentityIndex FByIdentity;
  // The index entry of the last chain emptied, kept for the next new one:
  // an activation made after one went costs no index allocation.
  TIdentityIndex::node_type FSpareChain;
};

}  // namespace vettora
