#include "values/graph_node.h"

#include "values/exceptions.h"
#include "values/format.h"
#include "values/graph.h"
#include "values/messages.h"

namespace vettora {

// Outgoing edges go with the node; a node is only destroyed after its graph
// took its edges out, or together with its whole graph.
TGGraphNode::~TGGraphNode() = default;

std::string TGGraphNode::Caption() const {
  if (FCaption) return *FCaption;
  return FCaptionNumber < 0 ? std::string() : ClassName() + std::to_string(FCaptionNumber);
}

void TGGraphNode::SetCaption(const std::string& caption) {
  if (caption == Caption()) return;
  FCaption = std::make_unique<std::string>(caption);
  if (FGraph && FGraph->FOnNodeCaptionChange) FGraph->FOnNodeCaptionChange(*FGraph, *this);
  Changed();
}

TGCustomGraph& TGGraphNode::RequireGraph() const {
  if (!FGraph) throw EGGraphError(FormatMessage(kGraphNodeUnconnected, {Caption()}));
  return *FGraph;
}

TGGraphEdge* TGGraphNode::Edges(int32_t i) const {
  if (i < 0 || i >= OutDegree()) throw EGGraphError(FormatMessage(kListIndexError, {i}));
  return FOutgoing[size_t(i)].get();
}

TGGraphEdge* TGGraphNode::InEdges(int32_t i) const {
  if (i < 0 || i >= InDegree()) throw EGGraphError(FormatMessage(kListIndexError, {i}));
  return FIncoming[size_t(i)];
}

const TGGraphNode::TNodeEvent& TGGraphNode::OnChange() const {
  static const TNodeEvent none;
  return FOnChange ? *FOnChange : none;
}

void TGGraphNode::SetOnChange(TNodeEvent handler) {
  if (handler)
    FOnChange = std::make_unique<TNodeEvent>(std::move(handler));
  else
    FOnChange.reset();
}

void TGGraphNode::Changed() {
  if (FOnChange) (*FOnChange)(*this);
  if (FGraph && FGraph->FOnNodeChange) FGraph->FOnNodeChange(*FGraph, *this);
}

}  // namespace vettora
