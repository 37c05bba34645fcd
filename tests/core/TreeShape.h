#pragma once
// Helpers for tests of the connection tree: its shape as one line of text, a check of
// every invariant the tree keeps, and building trees from the same notation.
#include <gtest/gtest.h>

#include <string>

#include "core/tree/ConnectionTree.h"
#include "core/tree/TreeState.h"

namespace skelder::testing {

inline rVTNodeData Named(const std::string& name) {
  rVTNodeData data;
  data.Name = name;
  return data;
}

// "*(A(A1,A2),B)": names in pre-order, children in parentheses; "*" for an empty name.
inline std::string Shape(const TreeNode* node) {
  std::string text = node->data.Name.empty() ? "*" : node->data.Name;
  if (node->childCount() == 0) return text;
  text += "(";
  for (int row = 0; row < node->childCount(); ++row) {
    if (row > 0) text += ",";
    text += Shape(node->child(row));
  }
  return text + ")";
}

inline std::string Shape(const ConnectionTree& tree) {
  std::string text;
  for (int row = 0; row < tree.topLevelCount(); ++row) {
    if (row > 0) text += ",";
    text += Shape(tree.topLevel(row));
  }
  return text;
}

// Rows, parents, counts and the pre-order index agree with a fresh walk of the tree.
inline void ExpectConsistent(const ConnectionTree& tree) {
  int count = 0;
  int selected = 0;
  for (const TreeNode* node = tree.first(); node; node = tree.next(node)) {
    ASSERT_EQ(tree.preorderIndex(node), count);
    ASSERT_EQ(tree.nodeAt(count), node);
    const TreeNode* parent = node->parent();
    ASSERT_EQ(parent ? parent->child(node->row()) : tree.topLevel(node->row()), node);
    for (int row = 0; row < node->childCount(); ++row) ASSERT_EQ(node->child(row)->parent(), node);
    selected += node->isSelected();
    ++count;
  }
  EXPECT_EQ(tree.nodeCount(), count);
  EXPECT_EQ(tree.selectedCount(), selected);
  EXPECT_EQ(tree.nodeAt(count), nullptr);
}

// Adds children below the parent from the same notation: "A(A1,A2),B".
inline void AddShape(ConnectionTree& tree, TreeNode* parent, const std::string& shape) {
  std::vector<TreeNode*> parents{parent};
  TreeNode* previous = nullptr;
  std::string name;
  auto flush = [&] {
    if (name.empty()) return;
    previous = tree.appendChild(parents.back(), Named(name));
    name.clear();
  };
  for (const char c : shape) {
    if (c == '(') {
      flush();
      parents.push_back(previous);
    } else if (c == ')') {
      flush();
      parents.pop_back();
    } else if (c == ',') {
      flush();
    } else {
      name += c;
    }
  }
  flush();
}

// A reset tree with the given connections below the ComputerNode.
inline void BuildTree(ConnectionTree& tree, const std::string& shape) {
  ResetTree(tree);
  AddShape(tree, tree.computerNode(), shape);
}

// The first node with the name, in pre-order.
inline TreeNode* Find(const ConnectionTree& tree, const std::string& name) {
  for (TreeNode* node = tree.first(); node; node = tree.next(node))
    if (node->data.Name == name) return node;
  ADD_FAILURE() << "no node " << name;
  return nullptr;
}

}  // namespace skelder::testing
