#include "core/tree/NodeNaming.h"

#include <algorithm>
#include <unordered_set>
#include <vector>

#include "core/tree/NodeKinds.h"
#include "core/tree/SiblingNameIndex.h"

namespace skelder {

namespace {

const std::string kNewPrefix = "Unnamed connection #";

}  // namespace

std::string CopyCandidate(const std::string& name, int index) {
  if (index == 0) return name;
  if (index == 1) return "Copy of " + name;
  return "Copy (" + std::to_string(index) + ") of " + name;
}

std::string NewConnectionName(const ConnectionTree& tree) {
  std::string joined;
  for (TreeNode* node = tree.first(); node; node = tree.next(node)) joined += node->data.Name;

  // A number is ruled out when its decimal form begins the digits that follow some
  // occurrence of the prefix. The answer has at most as many digits as the count of
  // occurrences + 1, so only prefixes of the digit runs up to that length matter.
  std::vector<std::string> digitRuns;
  for (size_t at = joined.find(kNewPrefix); at != std::string::npos;
       at = joined.find(kNewPrefix, at + 1)) {
    size_t end = at + kNewPrefix.size();
    while (end < joined.size() && joined[end] >= '0' && joined[end] <= '9') ++end;
    digitRuns.push_back(joined.substr(at + kNewPrefix.size(), end - at - kNewPrefix.size()));
  }
  const size_t maxDigits = std::to_string(digitRuns.size() + 1).size();
  std::unordered_set<std::string> ruledOut;
  for (const auto& run : digitRuns)
    for (size_t length = 1; length <= std::min(maxDigits, run.size()); ++length)
      ruledOut.insert(run.substr(0, length));
  for (long n = 1;; ++n) {
    const std::string number = std::to_string(n);
    if (!ruledOut.count(number)) return kNewPrefix + number;
  }
}

std::string UniqueCopyName(const TreeNode* node) {
  if (IsSeparator(node->data) || !node->parent()) return node->data.Name;
  SiblingNameIndex names(node->parent());
  return names.uniqueName(node);
}

// One sibling group at a time, from the last child to the first, then the groups below;
// no recursion, so that a tree as deep as a file can make it is handled.
int MakeChildNamesUnique(ConnectionTree& tree, TreeNode* node) {
  int renamed = 0;
  std::vector<TreeNode*> pending;
  if (node) pending.push_back(node);
  while (!pending.empty()) {
    TreeNode* parent = pending.back();
    pending.pop_back();
    SiblingNameIndex names(parent);
    for (TreeNode* child = parent->lastChild(); child; child = child->previousSibling()) {
      if (IsSeparator(child->data)) continue;
      std::string unique = names.uniqueName(child);
      if (unique == child->data.Name) continue;
      names.renamed(child, unique);
      child->data.Name = std::move(unique);
      tree.notifyChanged(child);
      if (child->isSelected()) {
        tree.setSelected(child, false);
        tree.setSelected(child, true);
      }
      ++renamed;
    }
    for (TreeNode* child = parent->firstChild(); child; child = child->nextSibling())
      if (child->childCount() > 0) pending.push_back(child);
  }
  return renamed;
}

}  // namespace skelder
