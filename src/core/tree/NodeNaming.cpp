#include "core/tree/NodeNaming.h"

#include <algorithm>
#include <unordered_set>
#include <vector>

#include "core/tree/NodeKinds.h"

namespace skelder {

namespace {

const std::string kNewPrefix = "Unnamed connection #";

bool HasLineFeed(const std::string& text) { return text.find('\n') != std::string::npos; }

// The literal rule: the candidates wrapped in line feeds, searched in the other
// siblings' names, each with a line feed before it and one at the end.
std::string LiteralCopyName(const TreeNode* node) {
  std::string list;
  for (TreeNode* sibling = node->parent() ? node->parent()->firstChild() : nullptr; sibling;
       sibling = sibling->nextSibling())
    if (sibling != node) list += "\n" + sibling->data.Name;
  list += "\n";
  if (list.size() <= 2) return node->data.Name;
  for (int index = 0;; ++index) {
    const std::string candidate = CopyCandidate(node->data.Name, index);
    if (list.find("\n" + candidate + "\n") == std::string::npos) return candidate;
  }
}

// The other siblings' names counted, for the hashed form of the same rule.
class SiblingNames {
 public:
  explicit SiblingNames(const TreeNode* parent) {
    for (TreeNode* child = parent ? parent->firstChild() : nullptr; child;
         child = child->nextSibling()) {
      ++count_[child->data.Name];
      lineFeeds_ = lineFeeds_ || HasLineFeed(child->data.Name);
      ++siblings_;
    }
  }
  bool hasLineFeeds() const { return lineFeeds_; }
  void add(const std::string& name) { ++count_[name]; }
  void remove(const std::string& name) {
    auto it = count_.find(name);
    if (it != count_.end() && --it->second == 0) count_.erase(it);
  }
  bool taken(const std::string& name) const { return count_.count(name) > 0; }

  // UniqueCopyName for a node whose own name has been removed from the counts;
  // nextIndex caches, per name, where the search for it may start.
  std::string uniqueName(const std::string& name, std::unordered_map<std::string, int>& nextIndex) {
    // The joined list of the others is at most two characters long: one other sibling
    // at most, with an empty name.
    if (siblings_ <= 1 || (siblings_ == 2 && count_.size() == 1 && taken(""))) return name;
    if (!taken(name)) return name;
    int& index = nextIndex[name];
    index = std::max(index, 1);
    while (taken(CopyCandidate(name, index))) ++index;
    return CopyCandidate(name, index);
  }

 private:
  std::unordered_map<std::string, int> count_;
  int siblings_ = 0;
  bool lineFeeds_ = false;
};

int MakeNamesUniqueBelow(ConnectionTree& tree, TreeNode* node) {
  int renamed = 0;
  SiblingNames names(node);
  std::unordered_map<std::string, int> nextIndex;
  for (TreeNode* child = node->lastChild(); child; child = child->previousSibling()) {
    std::string unique;
    if (IsSeparator(child->data)) {
      unique = child->data.Name;
    } else if (names.hasLineFeeds() || HasLineFeed(child->data.Name)) {
      unique = LiteralCopyName(child);
    } else {
      // A name is changed only while another sibling still holds it, so no copy name ever
      // becomes free during the pass: the cached search positions of the copy names stay
      // valid (the name itself is always tested afresh).
      names.remove(child->data.Name);
      unique = names.uniqueName(child->data.Name, nextIndex);
      names.add(unique);
    }
    if (unique != child->data.Name) {
      child->data.Name = unique;
      tree.notifyChanged(child);
      if (child->isSelected()) {
        tree.setSelected(child, false);
        tree.setSelected(child, true);
      }
      ++renamed;
    }
    if (child->childCount() > 0) renamed += MakeNamesUniqueBelow(tree, child);
  }
  return renamed;
}

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
  if (IsSeparator(node->data)) return node->data.Name;
  SiblingNames names(node->parent());
  if (names.hasLineFeeds() || HasLineFeed(node->data.Name) || !node->parent())
    return LiteralCopyName(node);
  names.remove(node->data.Name);
  std::unordered_map<std::string, int> nextIndex;
  return names.uniqueName(node->data.Name, nextIndex);
}

int MakeChildNamesUnique(ConnectionTree& tree, TreeNode* node) {
  return node ? MakeNamesUniqueBelow(tree, node) : 0;
}

}  // namespace skelder
