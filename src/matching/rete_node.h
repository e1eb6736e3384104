#pragma once
// The base of the Rete network's nodes and edges. An edge carries the call
// type with which its target is activated; a node passes a token on to
// every successor, in edge order.

#include <cstdint>
#include <memory>
#include <string>

#include "matching/token.h"
#include "values/graph_edge.h"
#include "values/graph_node.h"

namespace vettora {

class TIEContext;
class TReteNetwork;

enum TCallType : uint8_t { ctLeft, ctRight, ctSingle, ctActivate };

// "ctLeft", "ctRight", "ctSingle" or "ctActivate".
[[nodiscard]] const char* CallTypeName(TCallType type);

class TReteEdge : public TGGraphEdge {
 public:
  explicit TReteEdge(TCallType callType) : FCallType(callType) {}
  [[nodiscard]] std::string ClassName() const override { return "TReteEdge"; }
  [[nodiscard]] TCallType CallType() const { return FCallType; }

 private:
  TCallType FCallType;
};

class TReteNode : public TGGraphNode {
 public:
  explicit TReteNode(TReteNetwork* rete);
  ~TReteNode() override;

  [[nodiscard]] std::string ClassName() const override { return "TReteNode"; }

  [[nodiscard]] TReteNetwork* Rete() const { return FRete; }
  // The number of rules using the node; never below 0.
  [[nodiscard]] int32_t RuleUseCount() const { return FRuleUseCount; }
  void SetRuleUseCount(int32_t count) { FRuleUseCount = count < 0 ? 0 : count; }
  // +1, raising on overflow.
  void AddUse();

  // The node's own evaluation context, a child of the engine's root
  // context, made on first use.
  [[nodiscard]] TIEContext& Context();

  // Receives a token from a predecessor.
  virtual void Activate(const IReteToken& token, TCallType callType) = 0;

  // Caption, " In/Out#: ", in- and out-degree, " RuleUse: ", the use count;
  // node classes append their own fields.
  [[nodiscard]] virtual std::string Text() const;

 protected:
  // Activates every successor with the token, in edge order.
  void PassOn(const IReteToken& token) { PassOnFrom(token, 0); }
  // The same from edge number `first` on.
  void PassOnFrom(const IReteToken& token, int32_t first);

 private:
  TReteNetwork* FRete;
  int32_t FRuleUseCount = 1;
  std::unique_ptr<TIEContext> FContext;
};

}  // namespace vettora
