#pragma once
// TGGraphNode: a node of a directed graph. A node belongs to at most one
// graph, which owns it; it owns its outgoing edges (in creation order) and
// keeps the edges that point at it. Nodes are meant to be subclassed (the
// Rete network's nodes are); ClassName names the class in the node's
// default caption.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "values/graph_edge.h"
#include "values/object.h"

namespace vettora {

class TGGraphNode : public TObject {
 public:
  using TNodeEvent = std::function<void(TGGraphNode& sender)>;

  TGGraphNode() = default;
  ~TGGraphNode() override;
  TGGraphNode(const TGGraphNode&) = delete;
  TGGraphNode& operator=(const TGGraphNode&) = delete;

  [[nodiscard]] std::string ClassName() const override { return "TGGraphNode"; }

  // Given when the node joins its first graph: class name and the graph's
  // running node counter ("TGGraphNode0"). Setting it raises the graph's
  // OnNodeCaptionChange, then the change events.
  [[nodiscard]] std::string Caption() const;
  void SetCaption(const std::string& caption);

  // The owning graph, or null for a node that belongs to none.
  [[nodiscard]] TGCustomGraph* Graph() const { return FGraph; }
  // The owning graph; raises "Node \"%s\" is unconnected to any graph".
  [[nodiscard]] TGCustomGraph& RequireGraph() const;

  [[nodiscard]] bool Visited() const { return FVisited; }
  void SetVisited(bool visited) { FVisited = visited; }
  [[nodiscard]] int32_t WorkTag() const { return FWorkTag; }
  void SetWorkTag(int32_t tag) { FWorkTag = tag; }

  [[nodiscard]] const TNodeEvent& OnChange() const;
  void SetOnChange(TNodeEvent handler);

  // Outgoing edges in the order they were made.
  [[nodiscard]] int32_t OutDegree() const { return int32_t(FOutgoing.size()); }
  [[nodiscard]] TGGraphEdge* Edges(int32_t i) const;
  // Edges pointing at this node, in the order they were made.
  [[nodiscard]] int32_t InDegree() const { return int32_t(FIncoming.size()); }
  [[nodiscard]] TGGraphEdge* InEdges(int32_t i) const;
  // A node without incoming edges.
  [[nodiscard]] bool IsRoot() const { return FIncoming.empty(); }

  // Raises the node's OnChange and then its graph's OnNodeChange. Subclasses
  // call it when their own state changes.
  void Changed();

 protected:
  // Called after an outgoing edge was made or taken away.
  virtual void OutgoingChanged() {}

 private:
  friend class TGCustomGraph;

  // A network holds thousands of nodes and few have a caption of their own
  // or a handler: the default caption is made from the class name and the
  // number the graph gave, and the rest is kept out of line.
  std::unique_ptr<std::string> FCaption;  // set by SetCaption
  int32_t FCaptionNumber = -1;             // the graph's counter when adopted
  bool FVisited = false;
  int32_t FWorkTag = 0;
  TGCustomGraph* FGraph = nullptr;
  std::unique_ptr<TNodeEvent> FOnChange;
  std::vector<std::unique_ptr<TGGraphEdge>> FOutgoing;
  std::vector<TGGraphEdge*> FIncoming;
};

}  // namespace vettora
