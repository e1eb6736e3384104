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

void TReteNode::PassOnFrom(const IReteToken& token, int32_t first) {
  for (int32_t i = first; i < OutDegree(); ++i) {
    auto* edge = static_cast<TReteEdge*>(Edges(i));
    static_cast<TReteNode*>(edge->ToNode())->Activate(token, edge->CallType());
  }
}

std::string TReteNode::Text() const {
  return Caption() + " In/Out#: " + std::to_string(InDegree()) + "/" + std::to_string(OutDegree()) +
         " RuleUse: " + std::to_string(FRuleUseCount);
}

}  // namespace vettora
