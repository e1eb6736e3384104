#pragma once
// TGCustomGraph / TGGraph: a graph component that owns its nodes; nodes own
// their outgoing edges. The Rete network is built on it.
//
// A node gets its caption from its class name and the graph's running node
// counter when it first joins a graph. An edge appends to its from-node's
// outgoing list and to its to-node's incoming edges; in an undirected graph
// a reverse edge is made as well, except for a loop. Removing a node from
// its graph (to delete it, to move it to another graph or to take it out)
// first removes every edge that touches it.

#include <cstdint>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "values/component.h"
#include "values/graph_edge.h"
#include "values/graph_node.h"

namespace vettora {

class TGCustomGraph : public TComponent {
 public:
  using TGraphEvent = std::function<void(TGCustomGraph& sender)>;
  using TGraphNodeEvent = std::function<void(TGCustomGraph& sender, TGGraphNode& node)>;

  explicit TGCustomGraph(TComponent* owner = nullptr);
  ~TGCustomGraph() override;

  [[nodiscard]] std::string ClassName() const override { return "TGCustomGraph"; }

  // Whether edges made from now on are one-way (the default) or come with
  // their reverse. Existing edges stay as they are.
  [[nodiscard]] bool Directed() const { return FDirected; }
  void SetDirected(bool directed) { FDirected = directed; }

  [[nodiscard]] int32_t NodeCount() const { return int32_t(FNodes.size()); }
  // Nodes in the order they joined; "List index out of bounds (%d)".
  [[nodiscard]] TGGraphNode* Nodes(int32_t i) const;
  // The number the next new node's caption gets.
  [[nodiscard]] int32_t NodeCounter() const { return FNodeCounter; }
  void SetNodeCounter(int32_t counter) { FNodeCounter = counter; }

  // Makes a node of class N and adds it to the graph.
  template <class N = TGGraphNode, class... Args>
  N* AddNode(Args&&... args) {
    auto node = std::make_unique<N>(std::forward<Args>(args)...);
    N* result = node.get();
    Adopt(std::move(node));
    return result;
  }
  // Adds a node that belongs to no graph; a node without a caption gets one
  // ("Node counter overflow" when the counter is exhausted; the node is
  // then freed). A null node raises "Invalid graph node".
  TGGraphNode* Adopt(std::unique_ptr<TGGraphNode> node);
  // Takes a node of this graph out (with its edges) and hands it back.
  [[nodiscard]] std::unique_ptr<TGGraphNode> Extract(TGGraphNode* node);
  // Takes the node out and frees it.
  void DeleteNode(TGGraphNode* node);
  // Moves a node of any graph into this one.
  void MoveNode(TGGraphNode* node);
  // Removes and frees every node (OnRemoveNode for each). The node counter
  // keeps running.
  void Clear();

  // Makes an edge of class E from `from` to `to`; both must be nodes of this
  // graph ("Edge must be created with two valid nodes"). In an undirected
  // graph the reverse edge, made with the same arguments, comes with it
  // unless the edge is a loop. Returns the forward edge.
  template <class E = TGGraphEdge, class... Args>
  E* Connect(TGGraphNode* from, TGGraphNode* to, const Args&... args) {
    CheckEdgeNodes(from, to);
    auto edge = std::make_unique<E>(args...);
    E* result = edge.get();
    std::unique_ptr<E> reverse;
    if (!FDirected && from != to) reverse = std::make_unique<E>(args...);
    LinkEdge(std::move(edge), from, to);
    if (reverse) {
      TGGraphEdge* forward = result;
      TGGraphEdge* back = reverse.get();
      LinkEdge(std::move(reverse), to, from);
      forward->FReverse = back;
      back->FReverse = forward;
    }
    NotifyChange();
    return result;
  }
  // Destroys an edge (and its reverse partner), removing it from both nodes.
  void DeleteEdge(TGGraphEdge* edge);

  // Nodes without incoming edges, in node order.
  [[nodiscard]] std::vector<TGGraphNode*> Roots() const;
  void ClearVisited();

  [[nodiscard]] const TGraphNodeEvent& OnAddNode() const { return FOnAddNode; }
  void SetOnAddNode(TGraphNodeEvent handler) { FOnAddNode = std::move(handler); }
  // Raised before the node and its edges are taken out.
  [[nodiscard]] const TGraphNodeEvent& OnRemoveNode() const { return FOnRemoveNode; }
  void SetOnRemoveNode(TGraphNodeEvent handler) { FOnRemoveNode = std::move(handler); }
  // Raised after nodes or edges were added or removed.
  [[nodiscard]] const TGraphEvent& OnChange() const { return FOnChange; }
  void SetOnChange(TGraphEvent handler) { FOnChange = std::move(handler); }
  [[nodiscard]] const TGraphNodeEvent& OnNodeCaptionChange() const { return FOnNodeCaptionChange; }
  void SetOnNodeCaptionChange(TGraphNodeEvent handler) {
    FOnNodeCaptionChange = std::move(handler);
  }
  [[nodiscard]] const TGraphNodeEvent& OnNodeChange() const { return FOnNodeChange; }
  void SetOnNodeChange(TGraphNodeEvent handler) { FOnNodeChange = std::move(handler); }

 private:
  friend class TGGraphNode;

  void CheckEdgeNodes(TGGraphNode* from, TGGraphNode* to) const;
  void LinkEdge(std::unique_ptr<TGGraphEdge> edge, TGGraphNode* from, TGGraphNode* to);
  // Takes one edge out of both nodes and hands it back.
  static std::unique_ptr<TGGraphEdge> UnlinkEdge(TGGraphEdge* edge);
  void RemoveEdgesOf(TGGraphNode* node);
  void NotifyChange();

  std::vector<std::unique_ptr<TGGraphNode>> FNodes;
  bool FDirected = true;
  int32_t FNodeCounter = 0;
  TGraphNodeEvent FOnAddNode;
  TGraphNodeEvent FOnRemoveNode;
  TGraphEvent FOnChange;
  TGraphNodeEvent FOnNodeCaptionChange;
  TGraphNodeEvent FOnNodeChange;
};

class TGGraph : public TGCustomGraph {
 public:
  using TGCustomGraph::TGCustomGraph;
  [[nodiscard]] std::string ClassName() const override { return "TGGraph"; }
};

}  // namespace vettora
