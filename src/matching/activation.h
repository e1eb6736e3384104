#pragma once
// TActivation: one rule ready to fire for one match (token). Terminal nodes
// of the Rete network make activations and hand them to the engine, which
// owns them on its agenda. While an activation lives, its terminal node
// lists it, so a retraction finds exactly the activations that depended on
// the retracted fact; destroying an activation takes it off that list.
//
// The listing text is built only when asked for, from the rule's salience
// and name and the token's fact list.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "matching/token.h"
#include "values/object.h"

namespace vettora {

class TRule;
class TPatternMatchTerminalNode;

class TActivation : public TObject {
 public:
  // Strength is clamped as SetStrength does.
  TActivation(TRule* rule, float strength, TPatternMatchTerminalNode* node, IReteToken token);
  ~TActivation() override;
  TActivation(const TActivation&) = delete;
  TActivation& operator=(const TActivation&) = delete;
  // Made and dropped by the hundred thousand: memory comes from the
  // class's recycler (values/recycler.h).
  static void* operator new(size_t size);
  static void operator delete(void* memory, size_t size) noexcept;

  [[nodiscard]] std::string ClassName() const override { return "TActivation"; }

  [[nodiscard]] TRule* Rule() const { return FRule; }
  [[nodiscard]] const IReteToken& Token() const { return FToken; }
  [[nodiscard]] TPatternMatchTerminalNode* Node() const { return FNode; }
  [[nodiscard]] float Strength() const { return FStrength; }
  // Clamped to 0..1: a value that is not >= 0 becomes 0, above 1 becomes 1.
  void SetStrength(float strength);

  // Takes rule, token, node and strength of another activation (the node
  // list is not changed).
  void Assign(const TActivation& source);
  // A new activation with the same rule, node and token and strength 1.0.
  // When this activation is listed by its node the clone is listed too
  // (after it), so a later retraction of one of its facts still finds it.
  [[nodiscard]] std::unique_ptr<TActivation> Clone() const;

  // Fires the rule with the token, then tells the node the activation has
  // fired: the node drops it and the network reports it to the engine.
  // False when the actions took the activation off its node themselves
  // (they retracted one of its facts), so that nobody was told.
  bool Fire();

  // "<salience> <rule name> : f-1, f-2 (1.0000)".
  [[nodiscard]] std::string Text() const;

  // Set by the run loop while the activation fires (it stays on the agenda
  // until it has fired): a run started from its rule's actions must not
  // fire it again.
  [[nodiscard]] bool Firing() const { return FFiring; }
  void SetFiring(bool firing) { FFiring = firing; }

 private:
  friend class TPatternMatchTerminalNode;
  friend class TActivationAgenda;

  TRule* FRule;
  IReteToken FToken;
  TPatternMatchTerminalNode* FNode;
  float FStrength = 1.0f;
  // The node's bookkeeping: neighbours in its ordered list, whether this
  // activation is on it, and its place in the order.
  TActivation* FPrev = nullptr;
  TActivation* FNext = nullptr;
  // The chain of the node's identity index this activation is filed in.
  TActivation* FSamePrev = nullptr;
  TActivation* FSameNext = nullptr;
  uint64_t FIdentity = 0;  // token hash and last fact id, while filed
  uint64_t FSequence = 0;
  bool FListed = false;
  bool FFiring = false;
  // The agenda entry that stands for this activation, kept here by the
  // first agenda that files it so finding it takes no hash lookup (another
  // agenda holding it too keeps its own index). The agenda is named by its
  // filing epoch, which it renews when it is cleared: a claim it left then
  // is never mistaken for a live one, and clearing touches no activation.
  uint64_t FAgendaEpoch = 0;
  void* FAgendaEntry = nullptr;
};

}  // namespace vettora
