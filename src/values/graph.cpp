#include "values/graph.h"

#include <algorithm>
#include <iterator>
#include <limits>

#include "values/exceptions.h"
#include "values/format.h"
#include "values/messages.h"

namespace vettora {

TGCustomGraph::TGCustomGraph(TComponent* owner) : TComponent(owner) {}

// Nodes and edges go without events: handlers may belong to objects that
// are being destroyed too.
TGCustomGraph::~TGCustomGraph() {
  for (auto& node : FNodes) {
    node->FIncoming.clear();
    node->FGraph = nullptr;
  }
  FNodes.clear();
}

TGGraphNode* TGCustomGraph::Nodes(int32_t i) const {
  if (i < 0 || i >= NodeCount()) throw EGGraphError(FormatMessage(kListIndexError, {i}));
  return FNodes[size_t(i)].get();
}

TGGraphNode* TGCustomGraph::Adopt(std::unique_ptr<TGGraphNode> node) {
  if (!node || node->FGraph) throw EGGraphError(kGraphInvalidNode);
  // A node keeps the caption it has; one without any is numbered.
  bool captioned = node->FCaption ? !node->FCaption->empty() : node->FCaptionNumber >= 0;
  if (!captioned) {
    if (FNodeCounter == std::numeric_limits<int32_t>::max())
      throw EGGraphError(kGraphNodeCounterOverflow);
    node->FCaption.reset();
    node->FCaptionNumber = FNodeCounter;
    ++FNodeCounter;
  }
  TGGraphNode* result = node.get();
  result->FGraph = this;
  FNodes.push_back(std::move(node));
  if (FOnAddNode) FOnAddNode(*this, *result);
  NotifyChange();
  return result;
}

std::unique_ptr<TGGraphNode> TGCustomGraph::Extract(TGGraphNode* node) {
  if (!node) throw EGGraphError(kGraphInvalidNode);
  TGCustomGraph& graph = node->RequireGraph();
  if (&graph != this) return graph.Extract(node);
  if (FOnRemoveNode) FOnRemoveNode(*this, *node);
  RemoveEdgesOf(node);
  // Search from the back: nodes are mostly removed newest first (a rule's
  // nodes from the last made), so this stays short as the graph grows.
  auto rit = std::find_if(FNodes.rbegin(), FNodes.rend(),
                          [node](const auto& owned) { return owned.get() == node; });
  std::unique_ptr<TGGraphNode> owned = std::move(*rit);
  FNodes.erase(std::next(rit).base());
  owned->FGraph = nullptr;
  NotifyChange();
  return owned;
}

void TGCustomGraph::DeleteNode(TGGraphNode* node) {
  std::unique_ptr<TGGraphNode> owned = Extract(node);
}

void TGCustomGraph::MoveNode(TGGraphNode* node) {
  if (!node) throw EGGraphError(kGraphInvalidNode);
  if (node->FGraph == this) return;
  if (node->FGraph)
    Adopt(node->FGraph->Extract(node));
  else
    throw EGGraphError(FormatMessage(kGraphNodeUnconnected, {node->Caption()}));
}

void TGCustomGraph::Clear() {
  while (!FNodes.empty()) DeleteNode(FNodes.back().get());
}

void TGCustomGraph::CheckEdgeNodes(TGGraphNode* from, TGGraphNode* to) const {
  if (!from || !to) throw EGGraphError(kGraphEdgeNodes);
  const TGCustomGraph& fromGraph = from->RequireGraph();
  const TGCustomGraph& toGraph = to->RequireGraph();
  if (&fromGraph != this || &toGraph != this) throw EGGraphError(kGraphEdgeNodes);
}

void TGCustomGraph::LinkEdge(std::unique_ptr<TGGraphEdge> edge, TGGraphNode* from,
                             TGGraphNode* to) {
  edge->FFromNode = from;
  edge->FToNode = to;
  to->FIncoming.push_back(edge.get());
  from->FOutgoing.push_back(std::move(edge));
  from->OutgoingChanged();
}

// Both lists are searched from the back: edges mostly go newest first (a
// rule's nodes from the last made), so a node with many edges, such as an
// alpha node feeding the joins of many rules, loses each in constant time.
std::unique_ptr<TGGraphEdge> TGCustomGraph::UnlinkEdge(TGGraphEdge* edge) {
  auto& incoming = edge->FToNode->FIncoming;
  incoming.erase(std::next(std::find(incoming.rbegin(), incoming.rend(), edge)).base());
  auto& outgoing = edge->FFromNode->FOutgoing;
  auto it = std::find_if(outgoing.rbegin(), outgoing.rend(),
                         [edge](const auto& owned) { return owned.get() == edge; });
  std::unique_ptr<TGGraphEdge> owned = std::move(*it);
  outgoing.erase(std::next(it).base());
  edge->FFromNode->OutgoingChanged();
  return owned;
}

void TGCustomGraph::DeleteEdge(TGGraphEdge* edge) {
  if (!edge || !edge->FFromNode) return;
  TGCustomGraph& graph = edge->FFromNode->RequireGraph();
  TGGraphEdge* reverse = edge->FReverse;
  std::unique_ptr<TGGraphEdge> owned = UnlinkEdge(edge);
  std::unique_ptr<TGGraphEdge> ownedReverse;
  if (reverse) {
    reverse->FReverse = nullptr;
    ownedReverse = UnlinkEdge(reverse);
  }
  graph.NotifyChange();
}

void TGCustomGraph::RemoveEdgesOf(TGGraphNode* node) {
  while (!node->FOutgoing.empty() || !node->FIncoming.empty()) {
    TGGraphEdge* edge =
        node->FOutgoing.empty() ? node->FIncoming.back() : node->FOutgoing.back().get();
    TGGraphEdge* reverse = edge->FReverse;
    std::unique_ptr<TGGraphEdge> owned = UnlinkEdge(edge);
    if (reverse) {
      reverse->FReverse = nullptr;
      std::unique_ptr<TGGraphEdge> ownedReverse = UnlinkEdge(reverse);
    }
  }
}

std::vector<TGGraphNode*> TGCustomGraph::Roots() const {
  std::vector<TGGraphNode*> roots;
  for (const auto& node : FNodes)
    if (node->IsRoot()) roots.push_back(node.get());
  return roots;
}

void TGCustomGraph::ClearVisited() {
  for (auto& node : FNodes) node->FVisited = false;
}

void TGCustomGraph::NotifyChange() {
  if (FOnChange) FOnChange(*this);
}

}  // namespace vettora
