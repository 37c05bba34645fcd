#include <gtest/gtest.h>

#include "TreeShape.h"
#include "core/tree/NodeKinds.h"
#include "core/tree/NodeNaming.h"

namespace skelder::testing {

TEST(NewConnectionName, TakesTheFirstNumberFoundNowhereInTheJoinedNames) {
  struct Case {
    const char* shape;
    const char* expected;
  } cases[] = {
      {"", "Unnamed connection #1"},
      {"Unnamed connection #1,Unnamed connection #3", "Unnamed connection #2"},
      {"Unnamed connection #12", "Unnamed connection #2"},  // 12 also rules out 1
      {"Unnamed connection #1,Unnamed connection #2(Unnamed connection #3)",
       "Unnamed connection #4"},
      {"Unnamed connection #0", "Unnamed connection #1"},
      {"xUnnamed connection #1y", "Unnamed connection #2"},
  };
  for (const auto& c : cases) {
    ConnectionTree tree;
    BuildTree(tree, c.shape);
    EXPECT_EQ(NewConnectionName(tree), c.expected) << c.shape;
  }
}

TEST(NewConnectionName, SeesNamesThatOnlyMeetAcrossTwoNodes) {
  ConnectionTree tree;
  BuildTree(tree, "A,B");
  Find(tree, "A")->data.Name = "Unnamed conn";
  Find(tree, "B")->data.Name = "ection #1";
  EXPECT_EQ(NewConnectionName(tree), "Unnamed connection #2");
}

TEST(UniqueCopyName, GivesTheFirstFreeCopyName) {
  struct Case {
    std::vector<std::string> siblings;  // the node is the first one
    const char* expected;
  } cases[] = {
      {{"Web"}, "Web"},
      {{"Web", "Web"}, "Copy of Web"},
      {{"Web", "Web", "Copy of Web"}, "Copy (2) of Web"},
      {{"Web", "Web", "Copy of Web", "Copy (2) of Web", "Copy (4) of Web"}, "Copy (3) of Web"},
      {{"Web", "web"}, "Web"},  // names are compared with their letter case
      {{"Web", "Webb"}, "Web"},
      {{"", ""}, ""},  // one other sibling with an empty name: the list is too short
      {{"", "", ""}, "Copy of "},
  };
  for (const auto& c : cases) {
    ConnectionTree tree;
    ResetTree(tree);
    for (const auto& name : c.siblings) tree.appendChild(tree.computerNode(), Named(name));
    EXPECT_EQ(UniqueCopyName(tree.computerNode()->child(0)), c.expected) << c.siblings.size();
  }
}

TEST(UniqueCopyName, SeparatorsAndLoneNodesKeepTheirNames) {
  ConnectionTree tree;
  BuildTree(tree, "A,B");
  Find(tree, "A")->data.Name = SeparatorText;
  Find(tree, "B")->data.Name = SeparatorText;
  EXPECT_EQ(UniqueCopyName(tree.computerNode()->child(0)), SeparatorText);
  ConnectionTree single;
  BuildTree(single, "Only");
  EXPECT_EQ(UniqueCopyName(single.computerNode()->child(0)), "Only");
}

TEST(UniqueCopyName, NamesWithLineFeedsFollowTheJoinedListRule) {
  // "A\nB" as a sibling makes both "A" and "B" look taken in the joined list.
  ConnectionTree tree;
  BuildTree(tree, "X,Y,Z");
  Find(tree, "X")->data.Name = "A";
  Find(tree, "Y")->data.Name = "A\nB";
  Find(tree, "Z")->data.Name = "C";
  EXPECT_EQ(UniqueCopyName(tree.computerNode()->child(0)), "Copy of A");
}

TEST(UniqueCopyName, LineFeedsMatchAcrossNamesAndAcrossTheGapTheNodeLeaves) {
  struct Case {
    std::vector<std::string> siblings;
    std::size_t node;
    const char* expected;
  } cases[] = {
      {{"p\nx", "x\ny", "y\nq"}, 1, "Copy of x\ny"},  // its neighbours meet around it
      {{"x\ny", "p\nx", "y\nq"}, 0, "Copy of x\ny"},  // across two other names
      {{"x\ny", "x", "z"}, 0, "x\ny"},
      {{"x\ny", "Copy of x\ny\nz", "x\ny"}, 0, "Copy (2) of x\ny"},
      {{"a", "\n"}, 0, "a"},
      {{"", "\n", "b"}, 0, "Copy of "},
  };
  for (const auto& c : cases) {
    ConnectionTree tree;
    ResetTree(tree);
    for (const auto& name : c.siblings) tree.appendChild(tree.computerNode(), Named(name));
    EXPECT_EQ(UniqueCopyName(tree.computerNode()->child(static_cast<int>(c.node))), c.expected)
        << c.siblings[c.node];
  }
}

TEST(MakeChildNamesUnique, LaterSiblingsGetTheCopyNamesAtEveryLevel) {
  ConnectionTree tree;
  BuildTree(tree, "Web(A,A,A),Web(B),Mail");
  EXPECT_EQ(MakeChildNamesUnique(tree, tree.computerNode()), 3);
  EXPECT_EQ(Shape(tree.computerNode()->child(0)), "Web(A,Copy (2) of A,Copy of A)");
  EXPECT_EQ(tree.computerNode()->child(1)->data.Name, "Copy of Web");
  EXPECT_EQ(MakeChildNamesUnique(tree, tree.computerNode()), 0);
}

TEST(MakeChildNamesUnique, ManySiblingsSharingOneNameAreNumberedInOrder) {
  ConnectionTree tree;
  BuildTree(tree, "Web,Web,Web,Web,Web");
  tree.computerNode()->child(4)->data.Name = "Copy (4) of Web";  // already taken
  EXPECT_EQ(MakeChildNamesUnique(tree, tree.computerNode()), 3);
  std::vector<std::string> names;
  for (TreeNode* child = tree.computerNode()->firstChild(); child; child = child->nextSibling())
    names.push_back(child->data.Name);
  EXPECT_EQ(names, (std::vector<std::string>{"Web", "Copy (3) of Web", "Copy (2) of Web",
                                             "Copy of Web", "Copy (4) of Web"}));
}

}  // namespace skelder::testing

namespace skelder::testing {

namespace {

// The naming rule as the joined-list search states it, to compare the fast form with.
std::string ReferenceCopyName(const TreeNode* node) {
  if (IsSeparator(node->data)) return node->data.Name;
  std::string list;
  for (TreeNode* s = node->parent()->firstChild(); s; s = s->nextSibling())
    if (s != node) list += "\n" + s->data.Name;
  list += "\n";
  if (list.size() <= 2) return node->data.Name;
  for (int i = 0;; ++i)
    if (list.find("\n" + CopyCandidate(node->data.Name, i) + "\n") == std::string::npos)
      return CopyCandidate(node->data.Name, i);
}

int ReferenceMakeUnique(TreeNode* node) {
  int count = 0;
  for (TreeNode* child = node->lastChild(); child; child = child->previousSibling()) {
    const std::string name = ReferenceCopyName(child);
    if (name != child->data.Name) {
      child->data.Name = name;
      ++count;
    }
    count += ReferenceMakeUnique(child);
  }
  return count;
}

}  // namespace

TEST(MakeChildNamesUnique, AgreesWithTheJoinedListRuleOnRandomTrees) {
  const std::vector<std::string> pool = {
      "Web", "Copy of Web", "Copy (2) of Web", "Copy (3) of Web", "A", "", "-sep", "Copy of A"};
  unsigned seed = 12345;
  auto next = [&seed](unsigned bound) {
    seed = seed * 1103515245u + 12345u;
    return (seed >> 16) % bound;
  };
  for (int round = 0; round < 300; ++round) {
    ConnectionTree fast, reference;
    ResetTree(fast);
    ResetTree(reference);
    const unsigned count = 1 + next(9);
    for (unsigned i = 0; i < count; ++i) {
      const std::string name = pool[next(static_cast<unsigned>(pool.size()))];
      TreeNode* a = fast.appendChild(fast.computerNode(), Named(name));
      TreeNode* b = reference.appendChild(reference.computerNode(), Named(name));
      if (next(3) == 0) {
        const std::string childName = pool[next(static_cast<unsigned>(pool.size()))];
        fast.appendChild(a, Named(childName));
        fast.appendChild(a, Named(childName));
        reference.appendChild(b, Named(childName));
        reference.appendChild(b, Named(childName));
      }
    }
    const int expected = ReferenceMakeUnique(reference.computerNode());
    EXPECT_EQ(MakeChildNamesUnique(fast, fast.computerNode()), expected) << round;
    EXPECT_EQ(Shape(fast), Shape(reference)) << round;
  }
}

TEST(MakeChildNamesUnique, AgreesWithTheJoinedListRuleWhenNamesHoldLineFeeds) {
  const std::vector<std::string> pool = {
      "a",       "b",   "a\nb", "b\na", "\n", "", "Copy of a", "Copy of a\nb", "Copy (2) of a\nb",
      "a\nb\na", "b\n", "\na"};
  unsigned seed = 4242;
  auto next = [&seed](unsigned bound) {
    seed = seed * 1103515245u + 12345u;
    return (seed >> 16) % bound;
  };
  for (int round = 0; round < 2000; ++round) {
    ConnectionTree fast, reference;
    ResetTree(fast);
    ResetTree(reference);
    const unsigned count = 1 + next(12);
    for (unsigned i = 0; i < count; ++i) {
      const std::string name = pool[next(static_cast<unsigned>(pool.size()))];
      TreeNode* a = fast.appendChild(fast.computerNode(), Named(name));
      TreeNode* b = reference.appendChild(reference.computerNode(), Named(name));
      for (unsigned child = next(4); child > 0 && next(2) == 0; --child) {
        const std::string childName = pool[next(static_cast<unsigned>(pool.size()))];
        fast.appendChild(a, Named(childName));
        reference.appendChild(b, Named(childName));
      }
    }
    for (TreeNode* node = fast.computerNode()->firstChild(); node; node = node->nextSibling())
      ASSERT_EQ(UniqueCopyName(node), ReferenceCopyName(node)) << round;
    const int expected = ReferenceMakeUnique(reference.computerNode());
    EXPECT_EQ(MakeChildNamesUnique(fast, fast.computerNode()), expected) << round;
    EXPECT_EQ(Shape(fast), Shape(reference)) << round;
  }
}

}  // namespace skelder::testing
