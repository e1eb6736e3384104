#pragma once
// TRankedSequence<T>: an ordered sequence that inserts, erases and reads by
// position in O(log n) and answers the position of an element it handed out
// a handle for, also in O(log n). The agenda is built on it: activations are
// placed by a binary search over positions and leave from anywhere, often,
// so neither a shifting array nor a scan for the leaving one would do.
//
// It is a treap keyed implicitly by position: every node counts the nodes
// of its subtree, and random priorities keep the tree balanced in
// expectation. Nodes know their parents, so a node's position is found by
// walking up. Handles stay valid until their element is erased or the
// sequence is cleared.

#include <cstdint>
#include <utility>

#include "values/exceptions.h"
#include "values/format.h"
#include "values/messages.h"

namespace vettora {

template <class T>
class TRankedSequence {
 public:
  class TNode {
   public:
    [[nodiscard]] T& Value() { return FValue; }
    [[nodiscard]] const T& Value() const { return FValue; }

   private:
    friend class TRankedSequence;
    explicit TNode(T value, uint32_t priority) : FValue(std::move(value)), FPriority(priority) {}
    T FValue;
    TNode* FLeft = nullptr;
    TNode* FRight = nullptr;
    TNode* FParent = nullptr;
    int32_t FSize = 1;
    uint32_t FPriority;
  };

  TRankedSequence() = default;
  TRankedSequence(const TRankedSequence&) = delete;
  TRankedSequence& operator=(const TRankedSequence&) = delete;
  ~TRankedSequence() {
    Clear();
    delete FSpare;
  }

  [[nodiscard]] int32_t Count() const { return SizeOf(FRoot); }

  // Inserts before position `index` (Count() appends); "List index out of
  // bounds (%d)" outside 0..Count().
  TNode* Insert(int32_t index, T value) {
    CheckIndex(index, Count());
    TNode* node = TakeNode(std::move(value));
    if (!FRoot) {
      FRoot = node;
      return node;
    }
    LinkAsLeaf(node, index);
    while (node->FParent && node->FPriority > node->FParent->FPriority) RotateUp(node);
    return node;
  }

  // Takes the node out, frees it and hands its value back.
  T Erase(TNode* node) {
    while (node->FLeft && node->FRight)
      RotateUp(node->FLeft->FPriority > node->FRight->FPriority ? node->FLeft : node->FRight);
    TNode* child = node->FLeft ? node->FLeft : node->FRight;
    TNode* parent = node->FParent;
    if (child) child->FParent = parent;
    ReplaceChild(parent, node, child);
    for (TNode* p = parent; p; p = p->FParent) --p->FSize;
    T value = std::move(node->FValue);
    if (FSpare)
      delete node;
    else
      FSpare = node;
    return value;
  }

  // The node at a position; "List index out of bounds (%d)" outside
  // 0..Count()-1.
  [[nodiscard]] TNode* NodeAt(int32_t index) const {
    CheckIndex(index, Count() - 1);
    TNode* node = FRoot;
    for (;;) {
      int32_t left = SizeOf(node->FLeft);
      if (index < left) {
        node = node->FLeft;
      } else if (index == left) {
        return node;
      } else {
        index -= left + 1;
        node = node->FRight;
      }
    }
  }

  // The position of a node of this sequence.
  [[nodiscard]] int32_t IndexOf(const TNode* node) const {
    int32_t index = SizeOf(node->FLeft);
    for (; node->FParent; node = node->FParent)
      if (node == node->FParent->FRight) index += SizeOf(node->FParent->FLeft) + 1;
    return index;
  }

  // In-order walk: First() and Next() give the nodes from position 0 up.
  [[nodiscard]] TNode* First() const { return FRoot ? Leftmost(FRoot) : nullptr; }
  [[nodiscard]] static TNode* Next(const TNode* node) {
    if (node->FRight) return Leftmost(node->FRight);
    while (node->FParent && node == node->FParent->FRight) node = node->FParent;
    return node->FParent;
  }

  // Frees every node.
  void Clear() {
    FreeSubtree(FRoot);
    FRoot = nullptr;
  }

 private:
  // A node for a new element: the one the last Erase kept, or a new one. A
  // sequence that loses an element and gains one, as the agenda does on
  // every rule firing, then allocates nothing.
  TNode* TakeNode(T value) {
    if (!FSpare) return new TNode(std::move(value), NextPriority());
    TNode* node = std::exchange(FSpare, nullptr);
    node->FValue = std::move(value);
    node->FPriority = NextPriority();
    node->FLeft = node->FRight = node->FParent = nullptr;
    node->FSize = 1;
    return node;
  }

  static int32_t SizeOf(const TNode* node) { return node ? node->FSize : 0; }
  static void Resize(TNode* node) { node->FSize = 1 + SizeOf(node->FLeft) + SizeOf(node->FRight); }
  static TNode* Leftmost(TNode* node) {
    while (node->FLeft) node = node->FLeft;
    return node;
  }

  static void CheckIndex(int32_t index, int32_t last) {
    if (index < 0 || index > last) throw EListError(FormatMessage(kListIndexError, {index}));
  }

  // xorshift32: a fixed seed keeps runs reproducible; the priorities only
  // shape the tree, never the order of the elements.
  uint32_t NextPriority() {
    FSeed ^= FSeed << 13;
    FSeed ^= FSeed >> 17;
    FSeed ^= FSeed << 5;
    return FSeed;
  }

  // Walks down to the leaf slot of position `index`, counting the new node
  // into every subtree it passes.
  void LinkAsLeaf(TNode* node, int32_t index) {
    TNode* at = FRoot;
    for (;;) {
      ++at->FSize;
      int32_t left = SizeOf(at->FLeft);
      if (index <= left) {
        if (!at->FLeft) {
          at->FLeft = node;
          break;
        }
        at = at->FLeft;
      } else {
        index -= left + 1;
        if (!at->FRight) {
          at->FRight = node;
          break;
        }
        at = at->FRight;
      }
    }
    node->FParent = at;
  }

  void ReplaceChild(TNode* parent, TNode* old, TNode* now) {
    if (!parent)
      FRoot = now;
    else if (parent->FLeft == old)
      parent->FLeft = now;
    else
      parent->FRight = now;
  }

  // Lifts `node` above its parent, keeping the in-order sequence.
  void RotateUp(TNode* node) {
    TNode* parent = node->FParent;
    TNode* grand = parent->FParent;
    if (node == parent->FLeft) {
      parent->FLeft = node->FRight;
      if (node->FRight) node->FRight->FParent = parent;
      node->FRight = parent;
    } else {
      parent->FRight = node->FLeft;
      if (node->FLeft) node->FLeft->FParent = parent;
      node->FLeft = parent;
    }
    parent->FParent = node;
    node->FParent = grand;
    ReplaceChild(grand, parent, node);
    Resize(parent);
    Resize(node);
  }

  static void FreeSubtree(TNode* node) {
    while (node) {
      FreeSubtree(node->FLeft);
      TNode* right = node->FRight;
      delete node;
      node = right;
    }
  }

  TNode* FRoot = nullptr;
  TNode* FSpare = nullptr;  // kept by Erase for the next Insert
  uint32_t FSeed = 2463534242u;
};

}  // namespace vettora
