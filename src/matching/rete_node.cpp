// TReteNode: use counts, the node context, passing tokens on, the text.
#include "matching/rete_node.h"

#include <limits>

#include "matching/context.h"
#include "matching/messages.h"
#include "matching/rete_network.h"
#include "matching/rule_engine.h"
#include "values/exceptions.h"
#include "values/format.h"

namespace vettora {

const char* CallTypeName(TCallType type) {
  switch (type) {
    case ctLeft:
      return "ctLeft";
    case ctRight:
      return "ctRight";
    case ctSingle:
      return "ctSingle";
    case ctActivate:
      return "ctActivate";
  }
  return "";
}

TReteNode::TReteNode(TReteNetwork* rete) : FRete(rete) {}

TReteNode::~TReteNode() = default;

void TReteNode::AddUse() {
  if (FRuleUseCount == std::numeric_limits<int32_t>::max())
    throw EIEException(FormatMessage(kCounterOverflow, {"RuleUseCount"}));
  ++FRuleUseCount;
}

TIEContext& TReteNode::Context() {
  if (!FContext) {
    IRuleEngine* engine = FRete ? FRete->Engine() : nullptr;
    TIEContext* root = engine ? engine->RootContext() : nullptr;
    FContext = root ? root->CreateChild() : std::make_unique<TIEContext>();
  }
  return *FContext;
}

void TReteNode::PassOn(const IReteToken& token) {
  if (OutDegree() >= TAlphaDispatch::kMinimumFiled && token->Fact()) {
    if (!FDispatchBuilt) {
      FDispatch = TAlphaDispatch::Build(*this);
      FDispatchBuilt = true;
    }
    if (FDispatch && Dispatch(token)) return;
  }
  PassOnFrom(token, 0);
}

void TReteNode::PassOnFrom(const IReteToken& token, int32_t first) {
  for (int32_t i = first; i < OutDegree(); ++i) {
    auto* edge = static_cast<TReteEdge*>(Edges(i));
    static_cast<TReteNode*>(edge->ToNode())->Activate(token, edge->CallType());
  }
}

bool TReteNode::Dispatch(const IReteToken& token) {
  TAlphaDispatch::TTargets t;
  if (!FDispatch->Targets(*token->Fact(), t)) return false;
  uint32_t generation = FEdgeGeneration;
  while (t.Filed != t.FiledEnd || t.Others != t.OthersEnd) {
    bool filed = t.Others == t.OthersEnd || (t.Filed != t.FiledEnd && *t.Filed < *t.Others);
    int32_t i = filed ? *t.Filed++ : *t.Others++;
    auto* edge = static_cast<TReteEdge*>(Edges(i));
    static_cast<TReteNode*>(edge->ToNode())->Activate(token, edge->CallType());
    // A successor changed this node's edges: the table is gone; the rest
    // goes on as the plain loop would.
    if (generation != FEdgeGeneration) {
      PassOnFrom(token, i + 1);
      return true;
    }
  }
  return true;
}

void TReteNode::OutgoingChanged() {
  ++FEdgeGeneration;
  FDispatch.reset();
  FDispatchBuilt = false;
}

std::string TReteNode::Text() const {
  return Caption() + " In/Out#: " + std::to_string(InDegree()) + "/" + std::to_string(OutDegree()) +
         " RuleUse: " + std::to_string(FRuleUseCount);
}

}  // namespace vettora
