#pragma once
// TGGraphEdge: a directed connection between two nodes of a graph. An edge is
// owned by its from-node (in its ordered outgoing list) and counted by its
// to-node; edges are made and destroyed only through the graph
// (TGCustomGraph::Connect / DeleteEdge). Subclasses carry data of their own
// (the Rete network's edges carry a call type).

#include <string>

#include "values/object.h"

namespace vettora {

class TGGraphNode;
class TGCustomGraph;

class TGGraphEdge : public TObject {
 public:
  TGGraphEdge() = default;
  TGGraphEdge(const TGGraphEdge&) = delete;
  TGGraphEdge& operator=(const TGGraphEdge&) = delete;

  [[nodiscard]] std::string ClassName() const override { return "TGGraphEdge"; }

  [[nodiscard]] TGGraphNode* FromNode() const { return FFromNode; }
  [[nodiscard]] TGGraphNode* ToNode() const { return FToNode; }
  // In an undirected graph, the edge made in the opposite direction together
  // with this one (they are destroyed together); otherwise null.
  [[nodiscard]] TGGraphEdge* Reverse() const { return FReverse; }

 private:
  friend class TGCustomGraph;

  TGGraphNode* FFromNode = nullptr;
  TGGraphNode* FToNode = nullptr;
  TGGraphEdge* FReverse = nullptr;
};

}  // namespace vettora
