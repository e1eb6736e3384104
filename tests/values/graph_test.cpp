#include "values/graph.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "values/exceptions.h"
#include "values/messages.h"

namespace vettora {
namespace {

template <class F>
std::string GraphError(F f) {
  try {
    f();
  } catch (const EGGraphError& e) {
    return e.what();
  }
  return "<no error>";
}

class TTestNode : public TGGraphNode {
 public:
  std::string ClassName() const override { return "TTestNode"; }
};

class TTaggedEdge : public TGGraphEdge {
 public:
  explicit TTaggedEdge(int tag) : Tag(tag) {}
  int Tag;
};

TEST(Graph, CaptionsFromClassNameAndRunningCounter) {
  TGGraph graph;
  TGGraphNode* a = graph.AddNode();
  TTestNode* b = graph.AddNode<TTestNode>();
  EXPECT_EQ(a->Caption(), "TGGraphNode0");
  EXPECT_EQ(b->Caption(), "TTestNode1");
  graph.DeleteNode(a);
  EXPECT_EQ(graph.AddNode()->Caption(), "TGGraphNode2");  // the counter keeps running
  EXPECT_EQ(graph.NodeCount(), 2);

  std::vector<std::string> captions;
  graph.SetOnNodeCaptionChange(
      [&](TGCustomGraph&, TGGraphNode& n) { captions.push_back(n.Caption()); });
  int nodeChanges = 0;
  graph.SetOnNodeChange([&](TGCustomGraph&, TGGraphNode&) { ++nodeChanges; });
  b->SetCaption("join");
  EXPECT_EQ(captions, std::vector<std::string>{"join"});
  EXPECT_EQ(nodeChanges, 1);

  graph.SetNodeCounter(INT32_MAX);
  EXPECT_EQ(GraphError([&] { graph.AddNode(); }), kGraphNodeCounterOverflow);
  EXPECT_EQ(graph.NodeCount(), 2);
}

TEST(Graph, EdgeBookkeeping) {
  TGGraph graph;
  TGGraphNode* a = graph.AddNode();
  TGGraphNode* b = graph.AddNode();
  TGGraphNode* c = graph.AddNode();
  auto* ab = graph.Connect<TTaggedEdge>(a, b, 1);
  auto* ac = graph.Connect<TTaggedEdge>(a, c, 2);
  graph.Connect(b, c);
  EXPECT_EQ(a->OutDegree(), 2);
  EXPECT_EQ(a->Edges(0), ab);  // appended in creation order
  EXPECT_EQ(a->Edges(1), ac);
  EXPECT_EQ(ab->FromNode(), a);
  EXPECT_EQ(ab->ToNode(), b);
  EXPECT_EQ(c->InDegree(), 2);
  EXPECT_EQ(ab->Reverse(), nullptr);
  EXPECT_EQ(graph.Roots(), std::vector<TGGraphNode*>{a});

  graph.DeleteEdge(ab);
  EXPECT_EQ(a->OutDegree(), 1);
  EXPECT_EQ(b->InDegree(), 0);
  EXPECT_EQ(graph.Roots(), (std::vector<TGGraphNode*>{a, b}));
  graph.DeleteNode(c);  // takes the edges from a and b with it
  EXPECT_EQ(a->OutDegree(), 0);
  EXPECT_EQ(b->OutDegree(), 0);

  EXPECT_EQ(GraphError([&] { graph.Connect(a, nullptr); }), kGraphEdgeNodes);
  TGGraph other;
  TGGraphNode* d = other.AddNode();
  EXPECT_EQ(GraphError([&] { graph.Connect(a, d); }), kGraphEdgeNodes);
  EXPECT_EQ(GraphError([&] { (void)a->Edges(0); }), "List index out of bounds (0)");
}

TEST(Graph, EdgesAndNodesGoneInAnyOrderLeaveTheRestInOrder) {
  TGGraph graph;
  TGGraphNode* hub = graph.AddNode();
  std::vector<TGGraphNode*> leaves;
  for (int i = 0; i < 5; ++i) {
    leaves.push_back(graph.AddNode());
    graph.Connect<TTaggedEdge>(hub, leaves.back(), i);
    graph.Connect<TTaggedEdge>(leaves.back(), hub, 10 + i);
  }
  auto tags = [](auto edge, int count) {
    std::vector<int> list;
    for (int i = 0; i < count; ++i) list.push_back(static_cast<TTaggedEdge*>(edge(i))->Tag);
    return list;
  };
  graph.DeleteNode(leaves[4]);  // the newest
  graph.DeleteNode(leaves[1]);  // one from the middle
  graph.DeleteEdge(hub->Edges(0));
  EXPECT_EQ(tags([&](int i) { return hub->Edges(i); }, hub->OutDegree()), (std::vector<int>{2, 3}));
  EXPECT_EQ(tags([&](int i) { return hub->InEdges(i); }, hub->InDegree()),
            (std::vector<int>{10, 12, 13}));
  EXPECT_EQ(graph.NodeCount(), 4);
  EXPECT_EQ(graph.Nodes(3), leaves[3]);
}

TEST(Graph, UndirectedGraphAddsReverseEdgesExceptLoops) {
  TGGraph graph;
  graph.SetDirected(false);
  TGGraphNode* a = graph.AddNode();
  TGGraphNode* b = graph.AddNode();
  auto* ab = graph.Connect<TTaggedEdge>(a, b, 7);
  ASSERT_EQ(b->OutDegree(), 1);
  auto* ba = static_cast<TTaggedEdge*>(b->Edges(0));
  EXPECT_EQ(ba->ToNode(), a);
  EXPECT_EQ(ba->Tag, 7);
  EXPECT_EQ(ab->Reverse(), ba);
  EXPECT_EQ(a->InDegree(), 1);
  graph.Connect(a, a);
  EXPECT_EQ(a->OutDegree(), 2);
  EXPECT_EQ(a->InDegree(), 2);
  graph.DeleteEdge(ba);  // the pair goes together
  EXPECT_EQ(a->OutDegree(), 1);
  EXPECT_EQ(b->OutDegree(), 0);
  EXPECT_EQ(b->InDegree(), 0);
}

TEST(Graph, MovingAndExtractingNodes) {
  TGGraph first;
  TGGraph second;
  std::vector<std::string> events;
  first.SetOnRemoveNode([&](TGCustomGraph&, TGGraphNode& n) {
    events.push_back("remove " + n.Caption() + " out " + std::to_string(n.OutDegree()));
  });
  second.SetOnAddNode(
      [&](TGCustomGraph&, TGGraphNode& n) { events.push_back("add " + n.Caption()); });
  TGGraphNode* a = first.AddNode();
  TGGraphNode* b = first.AddNode();
  first.Connect(a, b);
  second.MoveNode(a);
  EXPECT_EQ(events, (std::vector<std::string>{"remove TGGraphNode0 out 1", "add TGGraphNode0"}));
  EXPECT_EQ(a->Graph(), &second);
  EXPECT_EQ(a->OutDegree(), 0);
  EXPECT_EQ(b->InDegree(), 0);
  EXPECT_EQ(first.NodeCount(), 1);
  EXPECT_EQ(second.NodeCount(), 1);

  std::unique_ptr<TGGraphNode> loose = second.Extract(a);
  EXPECT_EQ(loose->Graph(), nullptr);
  EXPECT_EQ(GraphError([&] { (void)loose->RequireGraph(); }),
            "Node \"TGGraphNode0\" is unconnected to any graph");
  EXPECT_EQ(GraphError([&] { first.Connect(loose.get(), b); }),
            "Node \"TGGraphNode0\" is unconnected to any graph");
  first.Adopt(std::move(loose));  // keeps its caption
  EXPECT_EQ(first.Nodes(1)->Caption(), "TGGraphNode0");
  EXPECT_EQ(first.NodeCounter(), 2);
}

TEST(Graph, VisitedWorkTagAndChangeEvents) {
  TGGraph graph;
  int changes = 0;
  graph.SetOnChange([&](TGCustomGraph&) { ++changes; });
  TGGraphNode* a = graph.AddNode();
  TGGraphNode* b = graph.AddNode();
  graph.Connect(a, b);
  EXPECT_EQ(changes, 3);
  a->SetVisited(true);
  b->SetVisited(true);
  a->SetWorkTag(42);
  graph.ClearVisited();
  EXPECT_FALSE(a->Visited());
  EXPECT_FALSE(b->Visited());
  EXPECT_EQ(a->WorkTag(), 42);
  int own = 0;
  a->SetOnChange([&](TGGraphNode& n) {
    EXPECT_EQ(&n, a);
    ++own;
  });
  a->Changed();
  EXPECT_EQ(own, 1);
  graph.Clear();
  EXPECT_EQ(graph.NodeCount(), 0);
}

}  // namespace
}  // namespace vettora
