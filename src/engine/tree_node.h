#pragma once
// TTreeNode: a labelled node with children, the plain-data form in which
// the collections show their contents to the editors' tree views.

#include <string>
#include <utility>
#include <vector>

namespace vettora {

struct TTreeNode {
  std::string Text;
  std::vector<TTreeNode> Children;

  // Appends a child labelled `text` and answers it.
  TTreeNode& Add(std::string text) {
    Children.push_back(TTreeNode{std::move(text), {}});
    return Children.back();
  }
};

}  // namespace vettora
